#include <QtTest>

#include "level/LevelDocument.h"

class MirrorTest : public QObject {
    Q_OBJECT
private slots:
    // The images of a corner, an axis cell and the centre under each mode, and the order that
    // Ctrl+M steps through.
    void cellsAndTheirImages() {
        using Cells = std::vector<Cell>;
        const MirrorMode both = Mirror::Both;
        QCOMPARE(MirroredCells({3, 4}, std::nullopt), Cells({{3, 4}}));
        QCOMPARE(MirroredCells({3, 4}, Mirror::LeftRight), Cells({{3, 4}, {11, 4}}));
        QCOMPARE(MirroredCells({3, 4}, Mirror::TopBottom), Cells({{3, 4}, {3, 8}}));
        QCOMPARE(MirroredCells({3, 4}, Mirror::HalfTurn), Cells({{3, 4}, {11, 8}}));
        QCOMPARE(MirroredCells({0, 0}, both), Cells({{0, 0}, {14, 0}, {0, 12}, {14, 12}}));
        QCOMPARE(MirroredCells({7, 3}, both), Cells({{7, 3}, {7, 9}}));
        QCOMPARE(MirroredCells({7, 6}, both), Cells({{7, 6}}));
        QCOMPARE(MirroredCells({7, 6}, Mirror::HalfTurn), Cells({{7, 6}}));
        MirrorMode mode;
        QStringList names;
        do {
            mode = NextMirrorMode(mode);
            names << QString::fromStdString(MirrorName(mode));
        } while (mode);
        QCOMPARE(names, QStringList({"left-right", "top-bottom", "both", "half turn", "off"}));
    }

    // Under a mirror every image is painted, a start painted over is released, and a player
    // tile goes only to the cell itself.
    void placingUnderAMirror() {
        LevelState level = LevelDocument().State();
        level.grid[11][4] = Player2;
        level.starts.placed[1] = true;
        level.starts.position[1] = {11, 4};
        const LevelEdit bricks = PlaceTileEdit(level, {3, 4}, Brick, Mirror::Both);
        QCOMPARE(bricks.Cells(), (std::vector<Cell>{{3, 4}, {11, 4}, {3, 8}, {11, 8}}));
        QVERIFY(!bricks.startsAfter.placed[1]);
        const LevelEdit player = PlaceTileEdit(level, {3, 4}, Player1, Mirror::Both);
        QCOMPARE(player.Cells(), (std::vector<Cell>{{3, 4}}));
        QVERIFY(player.startsAfter.placed[0] && player.startsAfter.placed[1]);
    }
};

QTEST_APPLESS_MAIN(MirrorTest)
#include "test_mirror.moc"
