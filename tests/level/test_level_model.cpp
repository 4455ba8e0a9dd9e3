#include <QtTest>

#include "level/Level.h"

class LevelModelTest : public QObject {
    Q_OBJECT
private slots:
    void defaultLevelHasSolidBorderAndFloorInside() {
        LevelGrid grid{};
        PlayerStarts starts;
        starts.placed.fill(true);
        starts.position[2] = Cell{4, 10};
        ResetToDefaultLevel(grid, starts);
        int borderCells = 0;
        for (int column = 0; column < GridColumns; ++column)
            for (int row = 0; row < GridRows; ++row) {
                const bool border = IsBorderCell(column, row);
                borderCells += border ? 1 : 0;
                QCOMPARE(grid[column][row], border ? SolidBlock : Floor);
            }
        QCOMPARE(borderCells, 52);
        for (bool placed : starts.placed)
            QVERIFY(!placed);
        QCOMPARE(starts.position[2], (Cell{4, 10}));
    }

    void tileNamesCoverTheEightCodesOnly() {
        QCOMPARE(TileName(SolidBlock), std::string("Solid Block"));
        QCOMPARE(TileName(Brick), std::string("Destructible Brick"));
        QCOMPARE(TileName(Player5), std::string("Player Five"));
        QVERIFY(TileName(8).empty());
        QVERIFY(TileName(-1).empty());
    }

    void playerCodesMapBothWays() {
        for (int player = 0; player < PlayerCount; ++player) {
            QVERIFY(IsPlayerTile(TileOfPlayer(player)));
            QCOMPARE(PlayerOfTile(TileOfPlayer(player)), player);
        }
        QVERIFY(!IsPlayerTile(Floor));
        QVERIFY(!IsPlayerTile(8));
    }
};

QTEST_APPLESS_MAIN(LevelModelTest)
#include "test_level_model.moc"
