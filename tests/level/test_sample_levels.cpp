// The sample levels in examples/: each passes every check of a level file as the editor writes
// it, and every start reaches every other one through cells that are not solid.
#include <QtTest>

#include "level/LevelFileCheck.h"

class SampleLevelsTest : public QObject {
    Q_OBJECT

private slots:
    void eachSampleIsCleanAndOpenToEveryStart_data() {
        QTest::addColumn<QString>("path");
        for (int level = 1; level <= 10; ++level)
            QTest::newRow(qPrintable(QString("L%1").arg(level)))
                << QString(ZM_EXAMPLES_DIR "/L%1.txt").arg(level);
    }
    void eachSampleIsCleanAndOpenToEveryStart() {
        QFETCH(QString, path);
        const CheckedLevelFile checked = CheckLevelFile(path.toStdString());
        QCOMPARE(checked.failure, ReadFailure::None);
        QVERIFY2(checked.findings.empty(),
                 checked.findings.empty() ? "" : checked.findings.front().text.c_str());
        // Spread from one start over the open cells; the solid border keeps it inside the grid.
        const LevelGrid& grid = checked.grid;
        std::array<std::array<bool, GridRows>, GridColumns> reached{};
        std::vector<Cell> spreading;
        int starts = 0, startsReached = 0;
        for (int column = 0; column < GridColumns; ++column)
            for (int row = 0; row < GridRows; ++row)
                if (IsPlayerTile(grid[column][row]) && ++starts == 1) {
                    spreading.push_back({column, row});
                    reached[column][row] = true;
                }
        while (!spreading.empty()) {
            const Cell cell = spreading.back();
            spreading.pop_back();
            startsReached += IsPlayerTile(grid[cell.column][cell.row]);
            for (const Cell next :
                 {Cell{cell.column + 1, cell.row}, Cell{cell.column - 1, cell.row},
                  Cell{cell.column, cell.row + 1}, Cell{cell.column, cell.row - 1}})
                if (grid[next.column][next.row] != SolidBlock && !reached[next.column][next.row]) {
                    reached[next.column][next.row] = true;
                    spreading.push_back(next);
                }
        }
        QCOMPARE(startsReached, starts);
    }
};

QTEST_APPLESS_MAIN(SampleLevelsTest)
#include "test_sample_levels.moc"
