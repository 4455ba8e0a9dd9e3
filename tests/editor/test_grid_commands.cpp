// Fill Floor, Clear Floor and Show Grid through real clicks on their controls, with the
// message boxes answered by script, and the status line.
#include "tests/editor/DocumentFixtures.h"
#include "tests/editor/MouseTesting.h"

using namespace mouse_testing;

namespace {

int CountTiles(const LevelGrid& grid, TileType tile, bool border) {
    int count = 0;
    for (int column = 0; column < GridColumns; ++column)
        for (int row = 0; row < GridRows; ++row)
            if (IsBorderCell(column, row) == border && grid[column][row] == tile)
                ++count;
    return count;
}

// A magenta dot inside a cell's image, so a test can tell whether the cell was drawn again.
QPoint MarkCell(CLevelEditorDlg& editor, Cell cell) {
    Scribble(editor, CellCentre(cell));
    return CellCentre(cell);
}

} // namespace

class GridCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // Floor cells in the border are filled too.
    void fillFloorPaintsEveryFloorCellWithTheLeftTile() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        EditLevel(
            editor, [](LevelState& level) { level.grid[0][5] = level.grid[14][12] = Floor; },
            false);
        harness.PickTile(Qt::LeftButton, Brick);
        harness.PickTile(Qt::RightButton, Player3);
        harness.HoverOver({3, 4});
        const QPoint mark = MarkCell(editor, {7, 6});

        harness.ClickControl(IdFillFloor);

        QVERIFY(answerer.Boxes.empty());
        QCOMPARE(CountTiles(editor.Document().Grid(), Brick, false), 143);
        QCOMPARE(CountTiles(editor.Document().Grid(), SolidBlock, true), 50);
        QCOMPARE(editor.Document().Grid()[0][5], Brick);
        QCOMPARE(editor.Document().Grid()[14][12], Brick);
        QVERIFY(editor.Document().IsModified());
        QVERIFY(editor.Surface().pixel(mark) != Mark);
        QVERIFY(editor.Surface().pixel(mark) != Green);
        QCOMPARE(StatusLine(editor), "Selected: (3,4)   Tile Type: Destructible Brick");
    }

    void fillingWithFloorChangesNoTileButMarksTheLevelAndRedraws() {
        auto&& [harness, editor] = OpenEditor();
        harness.PickTile(Qt::LeftButton, Floor);
        const LevelGrid before = editor.Document().Grid();
        const QPoint mark = MarkCell(editor, {7, 6});

        harness.ClickControl(IdFillFloor);

        QVERIFY(editor.Document().Grid() == before);
        QVERIFY(editor.Document().IsModified());
        QCOMPARE(editor.Surface().pixel(mark), Green);
    }

    void fillingAGridWithoutFloorDoesNothing() {
        auto&& [harness, editor] = OpenEditor();
        EditLevel(
            editor,
            [](LevelState& level) {
                for (int column = 1; column < GridColumns - 1; ++column)
                    for (int row = 1; row < GridRows - 1; ++row)
                        level.grid[column][row] = Brick;
            },
            false);
        const LevelGrid before = editor.Document().Grid();
        const QPoint mark = MarkCell(editor, {7, 6});

        harness.ClickControl(IdFillFloor);

        QVERIFY(editor.Document().Grid() == before);
        QVERIFY(!editor.Document().IsModified());
        QCOMPARE(editor.Surface().pixel(mark), Mark);
        QCOMPARE(StatusLine(editor), QString());
    }

    void fillingWithAPlayerIsRefused() {
        for (int player = Player1; player <= Player5; ++player) {
            auto&& [harness, answerer, editor] = EditorWithAnswerer();
            harness.PickTile(Qt::LeftButton, player);
            const LevelGrid before = editor.Document().Grid();
            const QImage screen = editor.Surface().copy();

            harness.ClickControl(IdFillFloor);

            QCOMPARE(answerer.Boxes.size(), std::size_t(1));
            QCOMPARE(answerer.Boxes[0].text,
                     "You cannot fill the grid with a player start position");
            QCOMPARE(answerer.Boxes[0].caption, "No Can Do");
            QCOMPARE(KindOf(answerer.Boxes[0]), BoxKind(QMessageBox::Ok, QMessageBox::Information));
            QVERIFY(editor.Document().Grid() == before);
            QVERIFY(!editor.Document().IsModified());
            QVERIFY(editor.Surface() == screen);
        }
    }

    void clearingAnUnchangedLevelAsksNothingAndKeepsItUnchanged() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        EditLevel(
            editor,
            [](LevelState& level) {
                level.grid[4][4] = Brick;
                level.grid[6][2] = Player2;
                level.grid[0][3] = Brick;
                level.grid[14][7] = Player1;
                level.starts.placed = {true, true, false, true, true};
                level.starts.position[1] = {6, 2};
            },
            false);
        harness.HoverOver({4, 4});
        const QPoint mark = MarkCell(editor, {6, 2});

        harness.ClickControl(IdClearFloor);

        QVERIFY(answerer.Boxes.empty());
        QCOMPARE(CountTiles(editor.Document().Grid(), Floor, false), 143);
        QCOMPARE(editor.Document().Grid()[0][3], Brick);
        QCOMPARE(editor.Document().Grid()[14][7], Player1);
        QVERIFY(editor.Document().Starts().placed == (std::array<bool, PlayerCount>{}));
        QCOMPARE(editor.Document().Starts().position[1], (Cell{6, 2}));
        QVERIFY(!editor.Document().IsModified());
        QCOMPARE(editor.Surface().pixel(mark), Green);
        QCOMPARE(StatusLine(editor), "Selected: (4,4)   Tile Type: Floor");
    }

    void clearingAChangedLevelAsksFirst() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        EditLevel(editor, [](LevelState& level) { PlacePlayer(level, 2, {4, 4}); });
        const QPoint mark = MarkCell(editor, {4, 4});

        answerer.AnswerBox(QMessageBox::No);
        harness.ClickControl(IdClearFloor);

        QCOMPARE(answerer.Boxes.size(), std::size_t(1));
        QCOMPARE(answerer.Boxes[0].text,
                 std::string("You are attempting to permanently wipe the grid clean. Do you "
                             "want to continue?"));
        QCOMPARE(answerer.Boxes[0].caption, "Clear Grid?");
        QCOMPARE(KindOf(answerer.Boxes[0]),
                 BoxKind(QMessageBox::Yes | QMessageBox::No, QMessageBox::Question));
        QCOMPARE(editor.Document().Grid()[4][4], Player3);
        QVERIFY(editor.Document().Starts().placed[2]);
        QVERIFY(editor.Document().IsModified());
        QCOMPARE(editor.Surface().pixel(mark), Mark);

        answerer.AnswerBox(QMessageBox::Yes);
        harness.ClickControl(IdClearFloor);

        QCOMPARE(answerer.Boxes.size(), std::size_t(2));
        QCOMPARE(editor.Document().Grid()[4][4], Floor);
        QVERIFY(!editor.Document().Starts().placed[2]);
        QVERIFY(editor.Document().IsModified());
        QCOMPARE(editor.Surface().pixel(mark), Green);
    }

    void statusLineNamesTheHoveredCellAndItsTile() {
        auto&& [harness, editor] = OpenEditor();
        EditLevel(
            editor,
            [](LevelState& level) {
                level.grid[3][4] = Brick;
                level.grid[14][12] = Player5;
            },
            false);

        harness.HoverOver({3, 4});
        QCOMPARE(StatusLine(editor), "Selected: (3,4)   Tile Type: Destructible Brick");

        harness.HoverOver({0, 0});
        QCOMPARE(StatusLine(editor), "Selected: (0,0)   Tile Type: Solid Block");

        harness.HoverOver({14, 12});
        QCOMPARE(StatusLine(editor), "Selected: (14,12)   Tile Type: Player Five");

        harness.HoverOver(NoCell);
        QCOMPARE(StatusLine(editor), QString());
    }

    void showGridSwitchesTheLineColourAndRepaintsTheWholeWindow() {
        auto&& [harness, editor] = OpenEditor();
        QVERIFY(ShowGridBox(editor)->isChecked());
        QCOMPARE(editor.Surface().pixel(25, 100), Black);
        const QRgb background = editor.Surface().pixel(2, 2);
        const_cast<QImage&>(editor.Surface()).setPixel(2, 2, Mark);

        harness.ClickControl(IdShowGrid);

        QVERIFY(!ShowGridBox(editor)->isChecked());
        QCOMPARE(int(editor.GetSettings().ShowGrid), 0);
        QCOMPARE(editor.GetSettings().GridColor, 0x008000u);
        QCOMPARE(editor.GetGridPen().Colour, Green);
        QCOMPARE(editor.Surface().pixel(2, 2), background);
        // The lines vanish into the floor: one unbroken green area, framed in black.
        for (int y = 25; y <= 245; ++y)
            for (int x = 25; x <= 285; ++x)
                QCOMPARE(editor.Surface().pixel(x, y), Green);
        QCOMPARE(editor.Surface().pixel(5, 100), Black);
        QCOMPARE(editor.Surface().pixel(305, 100), Black);

        harness.ClickControl(IdShowGrid);

        QVERIFY(ShowGridBox(editor)->isChecked());
        QCOMPARE(int(editor.GetSettings().ShowGrid), 1);
        QCOMPARE(editor.GetSettings().GridColor, 0x000000u);
        for (int x = 25; x <= 285; x += 20)
            QCOMPARE(editor.Surface().pixel(x, 100), Black);
        for (int y = 25; y <= 245; y += 20)
            QCOMPARE(editor.Surface().pixel(100, y), Black);
    }
};

QTEST_MAIN(GridCommandsTest)
#include "test_grid_commands.moc"
