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

// The settings that reach "settings.dat" when the editor closes: Show Grid and the grid colour.
std::pair<int, std::uint32_t> StoredGridSettings(EditorHarness& harness) {
    harness.Editor().close();
    SettingsRecord stored;
    ReadSettingsFile(harness.SettingsPath(), stored);
    return {stored.ShowGrid, stored.GridColor};
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

        harness.ClickControl("fillFloorButton");

        QVERIFY(answerer.Boxes.empty());
        QCOMPARE(CountTiles(editor.Document().Grid(), Brick, false), 143);
        QCOMPARE(CountTiles(editor.Document().Grid(), SolidBlock, true), 50);
        QCOMPARE(editor.Document().Grid()[0][5], Brick);
        QCOMPARE(editor.Document().Grid()[14][12], Brick);
        QVERIFY(editor.Document().IsModified());
        QVERIFY(CellShows(editor, {7, 6}, Brick));
        QCOMPARE(StatusLine(editor), "Selected: (3,4)   Tile Type: Destructible Brick");
    }

    void fillingWithFloorChangesNoTileButMarksTheLevel() {
        auto&& [harness, editor] = OpenEditor();
        harness.PickTile(Qt::LeftButton, Floor);
        const LevelGrid before = editor.Document().Grid();

        harness.ClickControl("fillFloorButton");

        QVERIFY(editor.Document().Grid() == before);
        QVERIFY(editor.Document().IsModified());
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
        const QImage screen = ShownGrid(editor);

        harness.ClickControl("fillFloorButton");

        QVERIFY(editor.Document().Grid() == before);
        QVERIFY(!editor.Document().IsModified());
        QCOMPARE(ShownGrid(editor), screen);
        QCOMPARE(StatusLine(editor), QString());
    }

    void fillingWithAPlayerIsRefused() {
        for (int player = Player1; player <= Player5; ++player) {
            auto&& [harness, answerer, editor] = EditorWithAnswerer();
            harness.PickTile(Qt::LeftButton, player);
            const LevelGrid before = editor.Document().Grid();
            const QImage screen = ShownGrid(editor);

            harness.ClickControl("fillFloorButton");

            QCOMPARE(answerer.Boxes.size(), std::size_t(1));
            QCOMPARE(answerer.Boxes[0].text,
                     "You cannot fill the grid with a player start position");
            QCOMPARE(answerer.Boxes[0].caption, "No Can Do");
            QCOMPARE(KindOf(answerer.Boxes[0]), BoxKind(QMessageBox::Ok, QMessageBox::Information));
            QVERIFY(editor.Document().Grid() == before);
            QVERIFY(!editor.Document().IsModified());
            QCOMPARE(ShownGrid(editor), screen);
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

        harness.ClickControl("clearFloorButton");

        QVERIFY(answerer.Boxes.empty());
        QCOMPARE(CountTiles(editor.Document().Grid(), Floor, false), 143);
        QCOMPARE(editor.Document().Grid()[0][3], Brick);
        QCOMPARE(editor.Document().Grid()[14][7], Player1);
        QVERIFY(editor.Document().Starts().placed == (std::array<bool, PlayerCount>{}));
        QCOMPARE(editor.Document().Starts().position[1], (Cell{6, 2}));
        QVERIFY(!editor.Document().IsModified());
        QVERIFY(CellShows(editor, {6, 2}, Floor));
        QCOMPARE(StatusLine(editor), "Selected: (4,4)   Tile Type: Floor");
    }

    void clearingAChangedLevelAsksFirst() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        EditLevel(editor, [](LevelState& level) { PlacePlayer(level, 2, {4, 4}); });

        answerer.AnswerBox(QMessageBox::No);
        harness.ClickControl("clearFloorButton");

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
        QVERIFY(CellShows(editor, {4, 4}, Player3));

        answerer.AnswerBox(QMessageBox::Yes);
        harness.ClickControl("clearFloorButton");

        QCOMPARE(answerer.Boxes.size(), std::size_t(2));
        QCOMPARE(editor.Document().Grid()[4][4], Floor);
        QVERIFY(!editor.Document().Starts().placed[2]);
        QVERIFY(editor.Document().IsModified());
        QVERIFY(CellShows(editor, {4, 4}, Floor));
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

    void showGridSwitchesTheLineColourAndItsStoredSettings() {
        auto&& [harness, editor] = OpenEditor();
        QVERIFY(ShowGridBox(editor)->isChecked());
        QCOMPARE(Screen(editor).pixel(25, 100), Black);

        harness.ClickControl("showGridBox");

        QVERIFY(!ShowGridBox(editor)->isChecked());
        // The lines vanish into the floor: one unbroken green area, framed in black.
        const QImage hidden = Screen(editor);
        for (int y = 25; y <= 245; ++y)
            for (int x = 25; x <= 285; ++x)
                QCOMPARE(hidden.pixel(x, y), Green);
        QCOMPARE(hidden.pixel(5, 100), Black);
        QCOMPARE(hidden.pixel(305, 100), Black);
        QCOMPARE(StoredGridSettings(harness), std::make_pair(0, std::uint32_t(0x008000)));
    }

    void showingTheGridAgainStoresBlackLines() {
        auto&& [harness, editor] = OpenEditor();
        harness.ClickControl("showGridBox");
        harness.ClickControl("showGridBox");

        QVERIFY(ShowGridBox(editor)->isChecked());
        const QImage shown = Screen(editor);
        for (int x = 25; x <= 285; x += 20)
            QCOMPARE(shown.pixel(x, 100), Black);
        for (int y = 25; y <= 245; y += 20)
            QCOMPARE(shown.pixel(100, y), Black);
        QCOMPARE(StoredGridSettings(harness), std::make_pair(1, std::uint32_t(0)));
    }
};

QTEST_MAIN(GridCommandsTest)
#include "test_grid_commands.moc"
