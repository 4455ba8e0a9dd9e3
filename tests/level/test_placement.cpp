#include <QtTest>

#include "level/Placement.h"

namespace {

struct Level {
    LevelGrid grid{};
    PlayerStarts starts;
    Level() { ResetToDefaultLevel(grid, starts); }
    std::vector<Cell> Place(Cell target, TileType tile) {
        return PlaceTileInGrid(grid, starts, target, tile);
    }
    TileType At(Cell cell) const { return grid[cell.column][cell.row]; }
};

using Cells = std::vector<Cell>;

} // namespace

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void plainTileChangesOnlyTheTarget() {
        Level level;
        QCOMPARE(level.Place({2, 2}, Brick), (Cells{{2, 2}}));
        QCOMPARE(level.At({2, 2}), Brick);
        QCOMPARE(level.Place({3, 3}, Floor), (Cells{{3, 3}})); // floor on floor still redraws
        QCOMPARE(level.At({3, 3}), Floor);
    }

    void placingAPlayerAgainMovesItsStart() {
        Level level;
        QCOMPARE(level.Place({3, 4}, Player2), (Cells{{3, 4}}));
        QCOMPARE(level.Place({7, 8}, Player2), (Cells{{3, 4}, {7, 8}}));
        QCOMPARE(level.At({3, 4}), Floor);
        QCOMPARE(level.At({7, 8}), Player2);
        QVERIFY(level.starts.placed[1]);
        QCOMPARE(level.starts.position[1], (Cell{7, 8}));
    }

    void paintingOverAStartReleasesThatPlayer() {
        Level level;
        level.Place({5, 5}, Player3);
        level.Place({5, 5}, Brick);
        QCOMPARE(level.At({5, 5}), Brick);
        QVERIFY(!level.starts.placed[2]);
        QCOMPARE(level.starts.position[2], (Cell{5, 5})); // kept, but no longer meaningful
    }

    void playerOverAnotherPlayerMovesOneAndReleasesTheOther() {
        Level level;
        level.Place({2, 2}, Player1);
        level.Place({9, 9}, Player4);
        QCOMPARE(level.Place({9, 9}, Player1), (Cells{{2, 2}, {9, 9}}));
        QCOMPARE(level.At({2, 2}), Floor);
        QCOMPARE(level.At({9, 9}), Player1);
        QVERIFY(level.starts.placed[0]);
        QVERIFY(!level.starts.placed[3]);
    }

    void playerOntoItsOwnStartStaysPlaced() {
        Level level;
        level.Place({4, 4}, Player5);
        QCOMPARE(level.Place({4, 4}, Player5), (Cells{{4, 4}, {4, 4}}));
        QCOMPARE(level.At({4, 4}), Player5);
        QVERIFY(level.starts.placed[4]);
        QCOMPARE(level.starts.position[4], (Cell{4, 4}));
    }

    void duplicateFromAFileLosesOnlyTheRecordedStart() {
        Level level;
        level.grid[2][2] = Player1;
        level.grid[6][3] = Player1;
        level.starts.placed[0] = true;
        level.starts.position[0] = Cell{6, 3};
        QCOMPARE(level.Place({10, 10}, Player1), (Cells{{6, 3}, {10, 10}}));
        QCOMPARE(level.At({6, 3}), Floor);
        QCOMPARE(level.At({2, 2}), Player1);
        QCOMPARE(level.At({10, 10}), Player1);
        QCOMPARE(level.starts.position[0], (Cell{10, 10}));
    }
};

QTEST_APPLESS_MAIN(PlacementTest)
#include "test_placement.moc"
