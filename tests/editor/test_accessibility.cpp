// What a screen reader reads of the editor through Qt's accessibility interfaces: the grid as a
// table of cells named after the level, and the events of a tile chosen, a cursor move and a
// paint. The names of the palette, the swatches and the labels are read over AT-SPI (tests/app).
#include "editor/GridAccessible.h"
#include "tests/editor/DocumentFixtures.h"

#include <QAccessible>
#include <QTest>

namespace {

QString NameOf(QAccessibleInterface* part) {
    return part->text(QAccessible::Name);
}

QString Event(const QString& name, QAccessible::Event type) {
    return QStringLiteral("%1: %2").arg(name).arg(type);
}

QStringList Events;

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        ReceiveAccessibilityEvents([](QAccessibleEvent* event) {
            Events << Event(NameOf(event->accessibleInterface()), event->type());
        });
    }

    void gridIsATableOfCellsNamedAfterTheLoadedLevel() {
        EditorHarness h;
        LevelGrid level = h.Editor().Document().Grid();
        for (int column = 1; column < GridColumns - 1; ++column)
            for (int row = 1; row < GridRows - 1; ++row)
                level[column][row] = TileType((column * 7 + row * 3) % 3);
        WriteBytes(h.PathIn("L1.txt"), LevelBytes(level));
        QVERIFY(h.Editor().LoadLevelFromPath(h.PathIn("L1.txt")));
        QCOMPARE(Events.last(), Event("Level grid", QAccessible::TableModelChanged));
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&View(h.Editor()));
        QCOMPARE(grid->role(), QAccessible::Table);
        QCOMPARE(grid->tableInterface()->rowCount(), 13);
        QCOMPARE(grid->tableInterface()->columnCount(), 15);
        QCOMPARE(grid->childCount(), 195);
        for (int column = 0; column < GridColumns; ++column)
            for (int row = 0; row < GridRows; ++row) {
                QAccessibleInterface* cell = grid->tableInterface()->cellAt(row, column);
                QCOMPARE(grid->child(grid->indexOfChild(cell)), cell);
                QCOMPARE(cell->tableCellInterface()->rowIndex(), row);
                QCOMPARE(NameOf(cell), QStringLiteral("%1, column %2, row %3")
                                           .arg(TileName(level[column][row]).c_str())
                                           .arg(column)
                                           .arg(row));
            }
    }

    void keysAreAnnounced() {
        EditorHarness h;
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&View(h.Editor()));
        QAccessibleInterface* picker = QAccessible::queryAccessibleInterface(&Picker(h.Editor()));
        View(h.Editor()).setFocus();
        Events.clear();
        for (const Qt::Key key : {Qt::Key_2, Qt::Key_Right, Qt::Key_Space})
            h.Key(key);
        QCOMPARE(
            Events,
            QStringList({Event("Left button: Destructible Brick", QAccessible::NameChanged),
                         Event("Destructible Brick", QAccessible::Selection),
                         Event("Floor, column 2, row 1", QAccessible::Focus),
                         Event("Destructible Brick, column 2, row 1", QAccessible::NameChanged)}));
        QCOMPARE(grid->focusChild(), grid->tableInterface()->cellAt(1, 2));
        QVERIFY(picker->child(0)->child(Brick)->state().selected);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
