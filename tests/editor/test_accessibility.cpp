// What a screen reader reads of the editor, through Qt's accessibility interfaces: the grid as a
// table of named cells, the events of a cursor move, a paint and a load, the palette's list, the
// swatches and the labels.
#include "editor/GridAccessible.h"
#include "tests/editor/DocumentFixtures.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace {

// The events sent, each as the name of the interface it names and its type.
std::vector<std::pair<QString, QAccessible::Event>> Events;

void Record(QAccessibleEvent* event) {
    QAccessibleInterface* target = event->accessibleInterface();
    Events.emplace_back(target ? target->text(QAccessible::Name) : QString(), event->type());
}

bool Sent(const QString& name, QAccessible::Event type) {
    return std::find(Events.begin(), Events.end(), std::pair(name, type)) != Events.end();
}

QAccessibleInterface* Of(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ReceiveAccessibilityEvents(Record); }

    void gridIsATableOfNamedCells() {
        EditorHarness h;
        CLevelEditorDlg& editor = h.Editor();
        QAccessibleInterface* grid = Of(&View(editor));
        QCOMPARE(grid->role(), QAccessible::Table);
        QCOMPARE(grid->tableInterface()->rowCount(), GridRows);
        QCOMPARE(grid->tableInterface()->columnCount(), GridColumns);
        QCOMPARE(grid->childCount(), GridRows * GridColumns);
        LevelGrid level = editor.Document().Grid();
        for (int column = 1; column < GridColumns - 1; ++column)
            for (int row = 1; row < GridRows - 1; ++row)
                level[column][row] = TileType((column * 7 + row * 3) % 3);
        level[3][5] = Brick;
        level[9][2] = Player4;
        const std::string path = h.PathIn("L1.txt");
        WriteBytes(path, LevelBytes(level));
        Events.clear();
        QVERIFY(editor.LoadLevelFromPath(path));
        QCOMPARE(Events.back().second, QAccessible::TableModelChanged);
        for (int column = 0; column < GridColumns; ++column)
            for (int row = 0; row < GridRows; ++row) {
                QAccessibleInterface* cell = grid->tableInterface()->cellAt(row, column);
                QCOMPARE(cell->role(), QAccessible::Cell);
                QCOMPARE(cell->tableCellInterface()->rowIndex(), row);
                QCOMPARE(grid->indexOfChild(cell), row * GridColumns + column);
                QCOMPARE(cell->text(QAccessible::Name),
                         QString::fromStdString(TileName(editor.Document().Grid()[column][row]) +
                                                ", column " + std::to_string(column) + ", row " +
                                                std::to_string(row)));
            }
        QCOMPARE(grid->tableInterface()->cellAt(5, 3)->text(QAccessible::Name),
                 "Destructible Brick, column 3, row 5");
    }

    void cursorMovesAndPaintsAreAnnounced() {
        EditorHarness h;
        QAccessibleInterface* grid = Of(&View(h.Editor()));
        View(h.Editor()).setFocus();
        QTRY_COMPARE(grid->focusChild(), grid->tableInterface()->cellAt(1, 1));
        Events.clear();
        h.Key(Qt::Key_2);
        h.Key(Qt::Key_Right);
        QVERIFY(Sent("Floor, column 2, row 1", QAccessible::Focus));
        QVERIFY(grid->tableInterface()->cellAt(1, 2)->state().focused);
        h.Key(Qt::Key_Space);
        QVERIFY(Sent("Destructible Brick, column 2, row 1", QAccessible::NameChanged));
        QVERIFY(Sent("Left button: Destructible Brick", QAccessible::NameChanged));
        QVERIFY(Sent("Destructible Brick", QAccessible::Selection));
    }

    void paletteSwatchesAndLabelsAreNamed() {
        EditorHarness h;
        CLevelEditorDlg& editor = h.Editor();
        QAccessibleInterface* palette = Of(&Picker(editor))->child(0);
        QCOMPARE(palette->role(), QAccessible::List);
        QCOMPARE(palette->childCount(), TileCount);
        for (int tile = 0; tile < TileCount; ++tile) {
            QCOMPARE(palette->child(tile)->text(QAccessible::Name),
                     QString::fromStdString(TileName(tile)));
            QCOMPARE(palette->child(tile)->state().selected, tile == SolidBlock);
        }
        QCOMPARE(Of(&Picker(editor))->child(1)->text(QAccessible::Name),
                 "Left button: Solid Block");
        QCOMPARE(Of(&Picker(editor))->child(2)->text(QAccessible::Name), "Right button: Floor");
        h.HoverOver({3, 4});
        QCOMPARE(Of(editor.findChild<QLabel*>("statusLine"))->text(QAccessible::Name),
                 "Selected: (3,4)   Tile Type: Floor");
        QCOMPARE(Of(editor.findChild<QLabel*>("credits"))->text(QAccessible::Name), "About");
        QCOMPARE(Of(editor.findChild<QGroupBox*>())->text(QAccessible::Name), "Tiles");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
