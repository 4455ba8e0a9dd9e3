// zapmaze-levels run as a user runs it: the whole output and exit status of check over a level
// set, and render compared pixel for pixel with the grid area of a real editor window.
#include "level/LevelText.h"
#include "tests/support/EditorHarness.h"
#include "tests/support/ScriptedAnswerer.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run RunLevels(const QStringList& arguments, const QString& folder,
              const QString& standardOutput = QString()) {
    QProcess process;
    process.setWorkingDirectory(folder);
    if (!standardOutput.isEmpty())
        process.setStandardOutputFile(standardOutput);
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
        WriteLevel(set + "/L05.txt", LevelText(playable));

        const Run run = RunLevels({"check", "set"}, dir.path());
        QCOMPARE(run.out, QString("set/L2.txt:6:4: error: Levels which allow diagonal movements "
                                  "are invalid [tile (4,6)]. File not saved.\n"
                                  "set/l3.TXT: warning: All player start points have not been "
                                  "used!\n"
                                  "set/L4.txt:1:16: warning: the line ends with LF, not CR LF\n"
                                  "set/L5.txt: error: level 5 of the set is missing\n"
                                  "set/L05.txt: warning: not part of the level set: the game "
                                  "reads only L1.txt to L10.txt\n"
                                  "9 files checked: 2 errors, 3 warnings\n"));
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

    // Each run in a folder holding L1.txt (a playable level), L4.txt (LF line ends), its hard
    // link same.png, notes (no level), a symbolic link, a named pipe and set/ with L1.txt and a
    // folder L2.txt.
    void refusalsAndExitStatuses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("outputToFullDisk");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        auto row = [](const char* name, QStringList arguments, int status, QString message,
                      bool full = false) {
            QTest::newRow(name) << arguments << full << status << message;
        };
        row("unreadable paths", {"check", "pipe", "gone.txt"}, 2,
            "cannot read pipe: it is not a regular file\nzapmaze-levels: cannot read gone.txt: "
            "it does not exist");
        row("render of a pipe", {"render", "pipe", "-o", "out.png"}, 2, "cannot read pipe");
        row("- is a file name", {"check", "-"}, 2, "cannot read -: it does not exist");
        row("unreadable paths in JSON", {"check", "--json", "gone.txt"}, 2,
            "\"path\": \"gone.txt\", \"row\": null, \"column\": null, \"severity\": "
            "\"error\", \"text\": \"cannot be read: it does not exist\"");
        row("unreadable member of a set", {"check", "set"}, 2,
            "cannot read set/L2.txt: it is a folder");
        row("option of another command", {"check", "--scale", "7", "L1.txt"}, 2,
            "--scale is an option of render, not of check");
        row("warnings pass", {"check", "L4.txt"}, 0, "warning: the line ends with LF");
        row("warnings fail when strict", {"check", "--strict", "L4.txt"}, 1, "1 warning");
        row("name the editor warns about", {"check", "--strict", "notes"}, 1,
            "notes: warning: the editor warns about this name");
        row("output is the input", {"render", "L1.txt", "-o", "L1.txt"}, 2,
            "will not write L1.txt: it is the same file as the input L1.txt");
        row("output is a hard link of the input", {"render", "L1.txt", "-o", "same.png"}, 2,
            "same file as the input");
        row("output is a member of the set", {"sheet", "set", "-o", "set/L1.txt", "--force"}, 2,
            "same file as the input set/L1.txt");
        row("output is a symbolic link", {"render", "L1.txt", "-o", "link.png"}, 2,
            "it is a symbolic link");
        row("output is a named pipe", {"render", "L1.txt", "-o", "pipe"}, 2, "it is a named pipe");
        row("output is a device", {"render", "L1.txt", "-o", "/dev/null"}, 2, "it is a device");
        row("output not named .png", {"render", "L1.txt", "-o", "notes"}, 2, "give --force");
        row("output not named .png, forced", {"render", "L1.txt", "-o", "notes", "--force"}, 0, "");
        row("sheet with an unreadable member", {"sheet", "set", "-o", "sheet.png"}, 2,
            "cannot read set/L2.txt: it is a folder");
        row("help to a full disk", {"--help"}, 2, "cannot write the output: No space left", true);
        row("version to a full disk", {"--version"}, 2, "No space left", true);
        row("check to a full disk", {"check", "L1.txt"}, 2, "No space left", true);
    }
    void refusalsAndExitStatuses() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, outputToFullDisk);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const std::string level = LevelText(PlayableGrid());
        WriteLevel(dir.filePath("L1.txt"), level);
        WriteLevel(dir.filePath("L4.txt"), WithLfLineEnds(level));
        WriteLevel(dir.filePath("notes"), "no level");
        QVERIFY(QFile::link("L1.txt", dir.filePath("link.png")));
        QVERIFY(::link(qPrintable(dir.filePath("L1.txt")), qPrintable(dir.filePath("same.png"))) ==
                0);
        QVERIFY(QProcess::execute("mkfifo", {dir.filePath("pipe")}) == 0);
        QVERIFY(QDir(dir.path()).mkpath("set/L2.txt"));
        WriteLevel(dir.filePath("set/L1.txt"), level);

        const Run run =
            RunLevels(arguments, dir.path(), outputToFullDisk ? "/dev/full" : QString());
        QVERIFY2((run.out + run.err).contains(message), qPrintable(run.out + run.err));
        QCOMPARE(run.status, status);
        QCOMPARE(ReadBytes(dir.filePath("L1.txt").toStdString()), QByteArray::fromStdString(level));
        QCOMPARE(ReadBytes(dir.filePath("set/L1.txt").toStdString()),
                 QByteArray::fromStdString(level));
        QVERIFY(QFileInfo(dir.filePath("link.png")).isSymLink());
    }

    void sheetShowsAnUnreadableLevelAsAGreyBox() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("set/L2.txt"));
        QCOMPARE(RunLevels({"sheet", "set", "-o", "sheet.png"}, dir.path()).status, 2);
        const QImage sheet(dir.filePath("sheet.png"));
        QCOMPARE(sheet.pixel(330, 40), qRgb(200, 200, 200));
    }

    void programLinksNoQt() {
        QProcess ldd;
        ldd.start("ldd", {QCoreApplication::applicationDirPath() + "/../levelset/zapmaze-levels"});
        QVERIFY(ldd.waitForFinished(30000));
        const QString libraries = QString::fromUtf8(ldd.readAllStandardOutput());
        QVERIFY(libraries.contains("libpng"));
        QVERIFY2(!libraries.contains("Qt"), qPrintable(libraries));
    }

    // Every scale with grid lines shown and hidden; even scales read a level with a byte order
    // mark.
    void renderIsTheEditorsGridArea_data() {
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("gridLines");
        QTest::addColumn<bool>("byteOrderMark");
        for (int scale = 1; scale <= 10; ++scale)
            for (const bool gridLines : {true, false})
                QTest::addRow("scale %d, grid %s", scale, gridLines ? "shown" : "hidden")
                    << scale << gridLines << (scale % 2 == 0);
    }
    void renderIsTheEditorsGridArea() {
        QFETCH(int, scale);
        QFETCH(bool, gridLines);
        QFETCH(bool, byteOrderMark);
        EditorHarness harness;
        const QString level = QString::fromStdString(harness.PathIn("L1.txt"));
        WriteLevel(level, (byteOrderMark ? "\xEF\xBB\xBF" : "") + LevelText(PlayableGrid()));
        QStringList arguments{"render", level, "-o", "out.png", "--scale", QString::number(scale)};
        if (!gridLines)
            arguments << "--no-grid";
        QCOMPARE(RunLevels(arguments, QString::fromStdString(harness.Folder())).status, 0);
        const QImage render(QString::fromStdString(harness.PathIn("out.png")));

        ScriptedAnswerer answerer;
        answerer.ChooseFile(level.toStdString());
        harness.ClickControl("loadButton");
        if (!gridLines)
            harness.ClickControl("showGridBox");
        const QImage editor = Screen(harness.Editor());

        QCOMPARE(render.size(), QSize(301 * scale, 261 * scale));
        for (int y = 0; y < render.height(); ++y)
            for (int x = 0; x < render.width(); ++x)
                if (render.pixel(x, y) != editor.pixel(5 + x / scale, 5 + y / scale))
                    QFAIL(qPrintable(QString("pixel (%1, %2) differs").arg(x).arg(y)));
    }
};

QTEST_MAIN(CommandLineTest)
#include "test_command_line.moc"
