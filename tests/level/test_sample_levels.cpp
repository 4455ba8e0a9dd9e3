// The sample levels in examples/: each passes every check of a level file as the editor writes
// it, and the analysis finds no start walled in and none without room to move.
#include <QtTest>

#include <fstream>
#include <sstream>

#include "level/LevelAnalysis.h"
#include "level/LevelFileCheck.h"
#include "level/LevelText.h"

class SampleLevelsTest : public QObject {
    Q_OBJECT

private slots:
    void eachSampleIsCleanAndFair_data() {
        QTest::addColumn<QString>("path");
        for (int level = 1; level <= 10; ++level)
            QTest::newRow(qPrintable(QString("L%1").arg(level)))
                << QString(ZM_EXAMPLES_DIR "/L%1.txt").arg(level);
    }
    void eachSampleIsCleanAndFair() {
        QFETCH(QString, path);
        std::ostringstream bytes;
        bytes << std::ifstream(path.toStdString(), std::ios::binary).rdbuf();
        LevelGrid grid{};
        PlayerStarts starts;
        std::vector<Finding> findings = CheckLevelBytes(bytes.str(), grid);
        ReadLevelBytes(bytes.str(), grid, starts);
        const std::vector<Finding> analysed = AnalyseLevel(grid, starts).findings;
        findings.insert(findings.end(), analysed.begin(), analysed.end());
        QVERIFY2(findings.empty(), findings.empty() ? "" : findings.front().text.c_str());
        QCOMPARE(bytes.str().size(), std::size_t(221));
    }
};

QTEST_APPLESS_MAIN(SampleLevelsTest)
#include "test_sample_levels.moc"
