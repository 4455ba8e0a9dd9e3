// The analysis of a level's fairness, definition by definition, on small levels drawn as text.
#include <QtTest>

#include "level/LevelAnalysis.h"
#include "level/LevelText.h"

namespace {

// A level from its first lines as a file holds them; the rows not given are solid.
struct DrawnLevel {
    LevelGrid grid{};
    PlayerStarts starts;
};
DrawnLevel Drawn(const QStringList& lines) {
    DrawnLevel level;
    for (auto& column : level.grid)
        column.fill(SolidBlock);
    std::string text;
    for (const QString& line : lines)
        text += line.toStdString() + "\r\n";
    ReadLevelBytes(text, level.grid, level.starts);
    return level;
}

// Each start as "player@column,row nearest/cost open|closed room territory" (players counted
// from 1, "-" for none), then "spread nearest room territory".
QStringList Described(const LevelAnalysis& analysis) {
    const auto text = [](std::optional<int> value) {
        return value ? QString::number(*value) : QString("-");
    };
    QStringList described;
    for (const StartAnalysis& start : analysis.starts)
        described << QString("%1@%2,%3 %4 %5 %6 %7")
                         .arg(start.player + 1)
                         .arg(start.cell.column)
                         .arg(start.cell.row)
                         .arg(start.nearest ? QString("%1/%2")
                                                  .arg(start.nearest->player + 1)
                                                  .arg(start.nearest->cost)
                                            : "-")
                         .arg(start.openPath ? "open" : "closed")
                         .arg(start.room)
                         .arg(start.territory);
    const AnalysisSpread& spread = analysis.spread;
    return described << "spread " + text(spread.nearest) + " " + text(spread.room) + " " +
                            text(spread.territory);
}

} // namespace

class LevelAnalysisTest : public QObject {
    Q_OBJECT

private slots:
    void startsAreMeasured_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("brickCost");
        QTest::addColumn<QStringList>("expected");
        const QStringList corridor{"***************", "*1 -  2********"};
        QTest::newRow("a brick costs the brick cost")
            << corridor << 3
            << QStringList{"1@1,1 2/7 closed 1 3", "2@6,1 1/7 closed 2 3", "spread 0 1 0"};
        QTest::newRow("brick cost 1")
            << corridor << 1
            << QStringList{"1@1,1 2/5 closed 1 3", "2@6,1 1/5 closed 2 3", "spread 0 1 0"};
        QTest::newRow("brick cost 100")
            << corridor << 100
            << QStringList{"1@1,1 2/104 closed 1 3", "2@6,1 1/104 closed 2 3", "spread 0 1 0"};
        QTest::newRow("ties go to the lower player; tied cells to nobody")
            << QStringList{"***************", "*2 1 3*********"} << 3
            << QStringList{"1@3,1 2/2 open 4 1", "2@1,1 1/2 open 2 1", "3@5,1 1/2 open 2 1",
                           "spread 0 2 0"};
        QTest::newRow("paths run along an open border")
            << QStringList{"*   ***********", "*1*2***********"} << 3
            << QStringList{"1@1,1 2/4 open 2 2", "2@3,1 1/4 open 2 2", "spread 0 0 0"};
        QTest::newRow("no starts") << QStringList{"***************", "*    **********"} << 3
                                   << QStringList{"spread - - -"};
        QTest::newRow("one start takes every cell it reaches")
            << QStringList{"***************", "*1  -**********", "* ************"} << 3
            << QStringList{"1@1,1 - closed 3 5", "spread - 0 0"};
        QTest::newRow("an unreachable start keeps its own cell")
            << QStringList{"***************", "*1 2*3*********"} << 3
            << QStringList{"1@1,1 2/2 open 2 1", "2@3,1 1/2 open 2 1", "3@5,1 - closed 0 1",
                           "spread 0 2 0"};
    }
    void startsAreMeasured() {
        QFETCH(QStringList, lines);
        QFETCH(int, brickCost);
        QFETCH(QStringList, expected);
        const DrawnLevel level = Drawn(lines);
        QCOMPARE(Described(AnalyseLevel(level.grid, level.starts, brickCost)), expected);
    }

    // walled-in needs a second start; no-room only a start without open cells around it.
    void findingsNameTheStart() {
        const DrawnLevel walled = Drawn({"***************", "*1 2*3*********"});
        const LevelAnalysis analysis = AnalyseLevel(walled.grid, walled.starts);
        QCOMPARE(analysis.findings,
                 std::vector<Finding>({{Finding::Severity::Error, 2, 6, FindingRule::WalledIn,
                                        "Player 3 cannot reach any other player"},
                                       {Finding::Severity::Warning, 2, 6, FindingRule::NoRoom,
                                        "Player 3 cannot move without breaking a brick"}}));
        QCOMPARE(CellOfFinding(analysis.findings[0]), (Cell{5, 1}));
        const DrawnLevel alone = Drawn({"***************", "*1-************"});
        QCOMPARE(AnalyseLevel(alone.grid, alone.starts).findings,
                 std::vector<Finding>({{Finding::Severity::Warning, 2, 2, FindingRule::NoRoom,
                                        "Player 1 cannot move without breaking a brick"}}));
    }

    // A level the same under both mirrors, starts on four mirrored cells: the four rows are
    // equal, every share is 1; one brick more breaks each share by the cells it moves.
    void mirroredStartsMeasureAlike() {
        LevelGrid grid{};
        PlayerStarts starts;
        ResetToDefaultLevel(grid, starts);
        for (int column = 2; column < GridColumns - 1; column += 2)
            for (int row = 2; row < GridRows - 1; row += 2)
                grid[column][row] = SolidBlock;
        for (const Cell brick : {Cell{3, 1}, Cell{11, 1}, Cell{3, 11}, Cell{11, 11}, Cell{7, 5}})
            grid[brick.column][brick.row] = Brick;
        grid[7][7] = Brick;
        const std::array<Cell, 5> cells{{{1, 1}, {13, 1}, {1, 11}, {13, 11}, {7, 6}}};
        for (int player = 0; player < PlayerCount; ++player) {
            grid[cells[player].column][cells[player].row] = TileOfPlayer(player);
            starts.placed[player] = true;
            starts.position[player] = cells[player];
        }
        const LevelAnalysis analysis = AnalyseLevel(grid, starts);
        const QStringList rows = Described(analysis);
        for (int player = 1; player < 4; ++player)
            QCOMPARE(rows[player].section('/', 1), rows[0].section('/', 1));
        for (const Mirror mirror : Mirrors)
            QCOMPARE(analysis.Share(mirror), 1.0);

        grid[1][2] = Brick;
        const LevelAnalysis broken = AnalyseLevel(grid, starts);
        QCOMPARE(broken.symmetricCells, (std::array<int, 4>{193, 193, 191, 193}));
    }
};

QTEST_APPLESS_MAIN(LevelAnalysisTest)
#include "test_level_analysis.moc"
