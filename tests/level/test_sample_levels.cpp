// The sample levels shipped in examples/: each passes every check of a level file as the editor
// writes it, no two are alike, and no start is walled in by solid blocks.
#include <QtTest>

#include <fstream>
#include <set>
#include <sstream>

#include "level/LevelFileCheck.h"

namespace {

std::string SamplePath(int level) {
    return std::string(ZM_EXAMPLES_DIR) + "/L" + std::to_string(level) + ".txt";
}

// The cells that a player standing on `from` reaches through cells that are not solid.
std::set<std::pair<int, int>> ReachableFrom(const LevelGrid& grid, std::pair<int, int> from) {
    std::set<std::pair<int, int>> reached{from};
    std::vector<std::pair<int, int>> open{from};
    while (!open.empty()) {
        const auto [column, row] = open.back();
        open.pop_back();
        for (const auto& next : {std::pair{column + 1, row}, std::pair{column - 1, row},
                                 std::pair{column, row + 1}, std::pair{column, row - 1}})
            if (next.first >= 0 && next.first < GridColumns && next.second >= 0 &&
                next.second < GridRows && grid[next.first][next.second] != SolidBlock &&
                reached.insert(next).second)
                open.push_back(next);
    }
    return reached;
}

} // namespace

class SampleLevelsTest : public QObject {
    Q_OBJECT

private slots:
    void eachSampleIsCleanAndOpenToEveryStart_data() {
        QTest::addColumn<int>("level");
        for (int level = 1; level <= 10; ++level)
            QTest::newRow(("L" + std::to_string(level)).c_str()) << level;
    }
    void eachSampleIsCleanAndOpenToEveryStart() {
        QFETCH(int, level);
        const CheckedLevelFile checked = CheckLevelFile(SamplePath(level));
        QCOMPARE(checked.failure, ReadFailure::None);
        QVERIFY2(checked.findings.empty(),
                 checked.findings.empty() ? "" : checked.findings.front().text.c_str());
        std::vector<std::pair<int, int>> starts;
        for (int column = 0; column < GridColumns; ++column)
            for (int row = 0; row < GridRows; ++row)
                if (IsPlayerTile(checked.grid[column][row]))
                    starts.emplace_back(column, row);
        const auto reached = ReachableFrom(checked.grid, starts.front());
        for (const auto& start : starts)
            QVERIFY2(reached.count(start), qPrintable(QString("no way from (%1,%2) to (%3,%4)")
                                                          .arg(starts.front().first)
                                                          .arg(starts.front().second)
                                                          .arg(start.first)
                                                          .arg(start.second)));
    }

    void noTwoSamplesAreAlike() {
        std::set<std::string> texts;
        for (int level = 1; level <= 10; ++level) {
            std::ostringstream text;
            text << std::ifstream(SamplePath(level), std::ios::binary).rdbuf();
            texts.insert(text.str());
        }
        QCOMPARE(texts.size(), std::size_t(10));
    }
};

QTEST_APPLESS_MAIN(SampleLevelsTest)
#include "test_sample_levels.moc"
