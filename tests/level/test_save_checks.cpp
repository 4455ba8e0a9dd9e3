#include <QtTest>

#include "level/SaveChecks.h"

namespace {

LevelGrid DefaultGrid() {
    LevelGrid grid{};
    PlayerStarts starts;
    ResetToDefaultLevel(grid, starts);
    return grid;
}

// Solid blocks on every cell whose column and row are both even: no open 2 x 2 block remains.
LevelGrid PillarGrid() {
    LevelGrid grid = DefaultGrid();
    for (int column = 0; column < GridColumns; column += 2)
        for (int row = 0; row < GridRows; row += 2)
            grid[column][row] = SolidBlock;
    return grid;
}

LevelGrid SolidGrid() {
    LevelGrid grid{};
    for (auto& column : grid)
        column.fill(SolidBlock);
    return grid;
}

void OpenBlockAt(LevelGrid& grid, Cell topLeft) {
    grid[topLeft.column][topLeft.row] = Floor;
    grid[topLeft.column + 1][topLeft.row] = Floor;
    grid[topLeft.column][topLeft.row + 1] = Floor;
    grid[topLeft.column + 1][topLeft.row + 1] = Floor;
}

PlayerStarts AllPlaced() {
    PlayerStarts starts;
    starts.placed.fill(true);
    return starts;
}

} // namespace

class SaveChecksTest : public QObject {
    Q_OBJECT
private slots:
    void onlySolidBlocksAreClosed() {
        QVERIFY(!IsOpenCell(SolidBlock));
        for (int tile = Brick; tile < TileCount; ++tile)
            QVERIFY(IsOpenCell(static_cast<TileType>(tile)));
    }

    void defaultLevelIsRefusedAtTheFirstBlock() {
        const SaveCheck check = CheckLevel(DefaultGrid(), PlayerStarts{});
        QVERIFY(check.warnMissingPlayers);
        QCOMPARE(check.openBlock, std::optional<Cell>(Cell{1, 1}));
        QVERIFY(!check.allowed());
        QCOMPARE(OpenBlockMessage(*check.openBlock),
                 std::string("Levels which allow diagonal movements are invalid [tile (2,2)]. "
                             "File not saved."));
    }

    void pillarLevelWithAllPlayersPasses() {
        const SaveCheck check = CheckLevel(PillarGrid(), AllPlaced());
        QVERIFY(!check.warnMissingPlayers);
        QVERIFY(!check.openBlock);
        QVERIFY(check.allowed());
    }

    void missingPlayersOnlyWarn() {
        PlayerStarts starts = AllPlaced();
        starts.placed[2] = false;
        QCOMPARE(FirstMissingPlayer(starts), std::optional<int>(2));
        starts.placed = {true, false, true, false, true};
        QCOMPARE(FirstMissingPlayer(starts), std::optional<int>(1));
        const SaveCheck check = CheckLevel(PillarGrid(), starts);
        QVERIFY(check.warnMissingPlayers);
        QVERIFY(check.allowed());
    }

    void bricksAndPlayersMakeAnOpenBlock() {
        LevelGrid grid = SolidGrid();
        grid[6][6] = Brick;
        grid[7][6] = Player1;
        grid[6][7] = Player5;
        grid[7][7] = Brick;
        QCOMPARE(FirstOpenBlock(grid), std::optional<Cell>(Cell{6, 6}));
        grid[7][7] = SolidBlock;
        QVERIFY(!FirstOpenBlock(grid));
    }

    void rowsAreScannedBeforeColumns() {
        LevelGrid grid = SolidGrid();
        OpenBlockAt(grid, Cell{3, 4});
        OpenBlockAt(grid, Cell{5, 2});
        QCOMPARE(FirstOpenBlock(grid), std::optional<Cell>(Cell{5, 2}));
        QCOMPARE(OpenBlockMessage(Cell{5, 2}),
                 std::string("Levels which allow diagonal movements are invalid [tile (6,3)]. "
                             "File not saved."));
    }

    void blocksReachTheRightAndBottomBorderOnly() {
        LevelGrid grid = SolidGrid();
        OpenBlockAt(grid, Cell{0, 0}); // the top-left corner is never examined
        QVERIFY(!FirstOpenBlock(grid));
        OpenBlockAt(grid, Cell{13, 11});
        QCOMPARE(FirstOpenBlock(grid), std::optional<Cell>(Cell{13, 11}));
    }

    void messageTexts() {
        QCOMPARE(std::string(MissingPlayersMessage),
                 std::string("All player start points have not been used!"));
        QCOMPARE(std::string(InvalidFileNameMessage),
                 std::string("Warning: The valid filename format is \"Ln.txt\" where 'n' is a "
                             "number between 1 and 10. File was saved."));
        QCOMPARE(
            SaveFailedMessage("/tmp/L1.txt",
                              {false, false, WriteFailure::DiskFull, PreviousFile::Unchanged, {}}),
            std::string("The level could not be written to /tmp/L1.txt: the disk is full. "
                        "File not saved; the file on disk is unchanged."));
    }
};

QTEST_APPLESS_MAIN(SaveChecksTest)
#include "test_save_checks.moc"
