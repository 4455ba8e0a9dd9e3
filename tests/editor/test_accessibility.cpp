// What a screen reader reads of the editor through Qt's accessibility interfaces: the grid as a
// table of cells named after the level, the events of a cursor move and a paint, the palette's
// list, the swatches and the labels.
#include "editor/GridAccessible.h"
#include "tests/editor/DocumentFixtures.h"

#include <QAccessible>
#include <QGroupBox>
#include <QTest>

namespace {

QString NameOf(QAccessibleInterface* part) {
    return part->text(QAccessible::Name);
}

QAccessibleInterface* Of(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString Event(const QString& name, QAccessible::Event type) {
    return QStringLiteral("%1: %2").arg(name).arg(type);
}

QStringList Events;

void Record(QAccessibleEvent* event) {
    Events << Event(NameOf(event->accessibleInterface()), event->type());
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ReceiveAccessibilityEvents(Record); }

    void gridIsATableOfCellsNamedAfterTheLoadedLevel() {
        EditorHarness h;
        LevelGrid level = h.Editor().Document().Grid();
        for (int column = 1; column < GridColumns - 1; ++column)
            for (int row = 1; row < GridRows - 1; ++row)
                level[column][row] = TileType((column * 7 + row * 3) % 3);
        WriteBytes(h.PathIn("L1.txt"), LevelBytes(level));
        QVERIFY(h.Editor().LoadLevelFromPath(h.PathIn("L1.txt")));
        QCOMPARE(Events.last(), Event("Level grid", QAccessible::TableModelChanged));
        QAccessibleInterface* grid = Of(&View(h.Editor()));
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

    void keysAreAnnouncedAndThePartsNamed() {
        EditorHarness h;
        QAccessibleInterface* grid = Of(&View(h.Editor()));
        QAccessibleInterface* picker = Of(&Picker(h.Editor()));
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
        QStringList palette; // the selected item marked with "*"
        for (int tile = 0; tile < TileCount; ++tile) {
            QAccessibleInterface* item = picker->child(0)->child(tile);
            palette << NameOf(item) + (item->state().selected ? "*" : "");
        }
        QCOMPARE(picker->child(0)->role(), QAccessible::List);
        QCOMPARE(palette.join(','), "Solid Block,Destructible Brick*,Floor,Player One,Player Two,"
                                    "Player Three,Player Four,Player Five");
        QCOMPARE(NameOf(picker->child(2)), "Right button: Floor");
        QCOMPARE(NameOf(Of(h.Editor().findChild<QWidget*>("statusLine"))),
                 "Selected: (2,1)   Tile Type: Destructible Brick");
        QCOMPARE(NameOf(Of(h.Editor().findChild<QWidget*>("credits"))), "About");
        QCOMPARE(NameOf(Of(h.Editor().findChild<QGroupBox*>())), "Tiles");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
