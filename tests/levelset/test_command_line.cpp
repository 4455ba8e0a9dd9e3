// zapmaze-levels run as a user runs it: the whole output and exit status of check over a level
// set, and render compared pixel for pixel with the grid area of a real editor window.
#include "level/LevelText.h"
#include "res/DialogTemplates.h"
#include "tests/support/EditorHarness.h"
#include "tests/support/ScriptedAnswerer.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run RunLevels(const QStringList& arguments, const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QCoreApplication::applicationDirPath() + "/../levelset/zapmaze-levels",
                  arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Solid blocks where column and row are both even, bricks on row 3, floor elsewhere, and all
// five players: a level that passes the save checks and shows every tile.
LevelGrid PlayableGrid() {
    LevelGrid grid{};
    for (int column = 0; column < GridColumns; ++column)
        for (int row = 0; row < GridRows; ++row)
            grid[column][row] = IsBorderCell(column, row) || (column % 2 == 0 && row % 2 == 0)
                                    ? SolidBlock
                                : row == 3 ? Brick
                                           : Floor;
    const Cell starts[PlayerCount] = {{1, 1}, {13, 1}, {1, 11}, {13, 11}, {7, 7}};
    for (int player = 0; player < PlayerCount; ++player)
        grid[starts[player].column][starts[player].row] = TileOfPlayer(player);
    return grid;
}

void WriteLevel(const QString& path, const std::string& text) {
    WriteBytes(path.toStdString(), QByteArray::fromStdString(text));
}

std::string WithLfLineEnds(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.erase(at, 1);
    return text;
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void checkReportsTheLevelSet() {
        QTemporaryDir dir;
        const QString set = dir.filePath("set");
        QVERIFY(QDir().mkdir(set));
        const LevelGrid playable = PlayableGrid();
        LevelGrid openBlock = playable;
        openBlock[4][6] = Floor;
        LevelGrid missingPlayer = playable;
        missingPlayer[7][7] = Floor;
        for (int level : {1, 6, 7, 8, 9, 10})
            WriteLevel(set + QString("/L%1.txt").arg(level), LevelText(playable));
        WriteLevel(set + "/L2.txt", LevelText(openBlock));
        WriteLevel(set + "/l3.TXT", LevelText(missingPlayer));
        WriteLevel(set + "/L4.txt", WithLfLineEnds(LevelText(playable)));

        const Run run = RunLevels({"check", "set"}, dir.path());
        QCOMPARE(run.out, QString("set/L2.txt:6:4: error: Levels which allow diagonal movements "
                                  "are invalid [tile (4,6)]. File not saved.\n"
                                  "set/l3.TXT: error: All player start points have not been "
                                  "used!\n"
                                  "set/L4.txt:1:16: warning: the line ends with LF, not CR LF\n"
                                  "set/L5.txt: error: level 5 of the set is missing\n"
                                  "9 files checked: 3 errors, 1 warning\n"));
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 1);
        QCOMPARE(RunLevels({"check", "--quiet", "set/L1.txt"}, dir.path()).out,
                 QString("1 file checked: 0 errors, 0 warnings\n"));

        // The sheet: L2 (second of the first row) framed in red, L5 (fifth) a grey box.
        QCOMPARE(RunLevels({"sheet", "set", "-o", "sheet.png"}, dir.path()).status, 0);
        const QImage sheet(dir.filePath("sheet.png"));
        QCOMPARE(sheet.size(), QSize(1577, 602));
        QCOMPARE(sheet.pixel(323, 100), qRgb(200, 0, 0));
        QCOMPARE(sheet.pixel(10, 100), qRgb(255, 255, 255));
        QCOMPARE(sheet.pixel(1264, 60), qRgb(200, 200, 200));
    }

    void unreadablePathsAreUsageErrors() {
        QTemporaryDir dir;
        QVERIFY(QProcess::execute("mkfifo", {dir.filePath("pipe")}) == 0);
        const Run run = RunLevels({"check", "pipe", "gone.txt"}, dir.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err, QString("zapmaze-levels: cannot read pipe: it is not a regular file\n"
                                  "zapmaze-levels: cannot read gone.txt: No such file or "
                                  "directory\n"));
        QCOMPARE(RunLevels({"render", "pipe", "-o", "out.png"}, dir.path()).status, 2);
    }

    void renderIsTheEditorsGridArea_data() {
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("gridLines");
        QTest::newRow("grid lines") << 1 << true;
        QTest::newRow("scaled by 3") << 3 << true;
        QTest::newRow("grid hidden") << 1 << false;
    }
    void renderIsTheEditorsGridArea() {
        QFETCH(int, scale);
        QFETCH(bool, gridLines);
        EditorHarness harness;
        const QString level = QString::fromStdString(harness.PathIn("L1.txt"));
        WriteLevel(level, LevelText(PlayableGrid()));
        QStringList arguments{"render", level, "-o", "out.png", "--scale", QString::number(scale)};
        if (!gridLines)
            arguments << "--no-grid";
        QCOMPARE(RunLevels(arguments, QString::fromStdString(harness.Folder())).status, 0);
        const QImage render(QString::fromStdString(harness.PathIn("out.png")));

        ScriptedAnswerer answerer;
        answerer.ChooseFile(level.toStdString());
        harness.ClickControl(IdLoad);
        if (!gridLines)
            harness.ClickControl(IdShowGrid);
        const QImage& editor = harness.Editor().Surface();

        QCOMPARE(render.size(), QSize(301 * scale, 261 * scale));
        for (int y = 0; y < render.height(); ++y)
            for (int x = 0; x < render.width(); ++x)
                if (render.pixel(x, y) != editor.pixel(5 + x / scale, 5 + y / scale))
                    QFAIL(qPrintable(QString("pixel (%1, %2) differs").arg(x).arg(y)));
    }
};

QTEST_MAIN(CommandLineTest)
#include "test_command_line.moc"
