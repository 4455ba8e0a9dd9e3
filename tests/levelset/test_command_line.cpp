// zapmaze-levels run as a user runs it: the whole output and exit status of check over a level
// set, and render compared pixel for pixel with the grid area of a real editor window.
#include "level/Finding.h"
#include "level/LevelAnalysis.h"
#include "level/LevelText.h"
#include "tests/support/EditorHarness.h"
#include "tests/support/ScriptedAnswerer.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

// A file name that would forge a finding line and clear the screen if printed as it is.
constexpr const char* ForgingName = "a\nL1.txt:1:1: error: forged\r\x1b[2J\xe2\x80\xae.txt";

QString Levels() {
    return QCoreApplication::applicationDirPath() + "/../levelset/zapmaze-levels";
}

Run RunLevels(const QStringList& arguments, const QString& folder,
              const QString& standardOutput = QString(),
              const QByteArray& standardInput = QByteArray()) {
    QProcess process;
    process.setWorkingDirectory(folder);
    if (!standardOutput.isEmpty())
        process.setStandardOutputFile(standardOutput);
    process.start(Levels(), arguments);
    process.write(standardInput);
    process.closeWriteChannel();
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
                                  "are invalid [tile (4,6)]. [open-block]\n"
                                  "set/l3.TXT: warning: All player start points have not been "
                                  "used! [missing-player]\n"
                                  "set/L4.txt:1:16: warning: the line ends with LF, not CR LF "
                                  "[line-ends]\n"
                                  "set/L5.txt: error: level 5 of the set is missing "
                                  "[missing-level]\n"
                                  "set/L05.txt: warning: not part of the level set: the game "
                                  "reads only L1.txt to L10.txt [outside-set]\n"
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
    // link same.png, notes (no level), walled.txt (player 3 closed in), a level under a forging
    // name, a symbolic link, a named pipe and set/ with L1.txt and a folder L2.txt.
    void refusalsAndExitStatuses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("outputToFullDisk");
        QTest::addColumn<QByteArray>("standardInput");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        auto row = [](const char* name, QStringList arguments, int status, QString message,
                      bool full = false, std::string input = {}) {
            QTest::newRow(name) << arguments << full << QByteArray::fromStdString(input) << status
                                << message;
        };
        row("unreadable paths", {"check", "pipe", "gone.txt"}, 2,
            "cannot read pipe: it is not a regular file\nzapmaze-levels: cannot read gone.txt: "
            "it does not exist");
        // A name cannot forge a line or turn the text around: controls and bidirectional
        // overrides are shown escaped.
        row("names shown escaped", {"check", QString::fromUtf8(ForgingName), "gone\n.txt"}, 2,
            "a\\x0AL1.txt:1:1: error: forged\\x0D\\x1B[2J\\u202E.txt: warning: the editor warns "
            "about this name when saving");
        row("unreadable names shown escaped", {"check", "gone\n.txt"}, 2,
            "zapmaze-levels: cannot read gone\\x0A.txt: it does not exist\n");
        row("render of a pipe", {"render", "pipe", "-o", "out.png"}, 2, "cannot read pipe");
        row("render of a file without a level", {"render", "notes", "-o", "out.png"}, 1,
            "will not render notes: the file holds no level");
        row("a file named -", {"check", "./-"}, 2, "cannot read ./-: it does not exist");
        row("standard input", {"check", "--format", "gcc", "-"}, 0,
            "-:1:16: warning: the line ends with LF, not CR LF\n1 file", false,
            WithLfLineEnds(LevelText(PlayableGrid())));
        row("standard input holding no level", {"check", "-"}, 1,
            "-: error: the file holds no "
            "level",
            false, "no level");
        row("standard input named twice", {"check", "-", "-"}, 2, "can be named once");
        row("github annotations", {"check", "--format", "github", "L4.txt", "gone.txt"}, 2,
            "::error file=gone.txt::cannot be read: it does not exist [unreadable]\n"
            "::warning file=L4.txt,line=1,col=16::the line ends with LF, not CR LF [line-ends]\n"
            "1 file checked: 1 error (1 path unreadable), 1 warning\n");
        row("unknown format", {"check", "--format", "xml", "L1.txt"}, 2,
            "--format takes text, gcc, json or github");
        row("usage error", {"check"}, 2,
            "zapmaze-levels: check needs at least one PATH\nTry 'zapmaze-levels --help'.\n");
        row("unreadable paths in JSON", {"check", "--json", "gone.txt"}, 2,
            "\"path\": \"gone.txt\", \"row\": null, \"column\": null, \"severity\": "
            "\"error\", \"rule\": \"unreadable\", \"text\": \"cannot be read: it does not "
            "exist\"");
        row("unreadable member of a set", {"check", "set"}, 2,
            "cannot read set/L2.txt: it is a folder");
        row("option of another command", {"check", "--scale", "7", "L1.txt"}, 2,
            "--scale is an option of render, not of check");
        row("warnings pass", {"check", "L4.txt"}, 0, "warning: the line ends with LF");
        row("warnings fail when strict", {"check", "--strict", "L4.txt"}, 1, "1 warning");
        row("name the editor warns about", {"check", "--strict", "notes"}, 1,
            "notes: warning: the editor warns about this name");
        row("output is the input", {"render", "same.png", "-o", "same.png"}, 2,
            "will not write same.png: it is the same file as the input same.png");
        row("output is a hard link of the input", {"render", "L1.txt", "-o", "same.png"}, 2,
            "same file as the input");
        row("output is a member of the set", {"sheet", "set", "-o", "set/L1.txt", "--force"}, 2,
            "will not write set/L1.txt: its name is that of level 1");
        row("output named as a level", {"sheet", "set", "-o", "set/L2.TXT", "--force"}, 2,
            "will not write set/L2.TXT: its name is that of level 2");
        row("output is a symbolic link", {"render", "L1.txt", "-o", "link.png"}, 2,
            "it is a symbolic link");
        row("output is a named pipe", {"render", "L1.txt", "-o", "pipe", "--force"}, 2,
            "it is a named pipe");
        row("output is a device", {"render", "L1.txt", "-o", "/dev/null", "--force"}, 2,
            "it is a device");
        row("output not named .png", {"render", "L1.txt", "-o", "notes"}, 2, "give --force");
        row("new output not named .png", {"render", "L1.txt", "-o", "out.jpg"}, 2,
            "will not write out.jpg: its name does not end in .png");
        row("size and scale", {"render", "--size", "64", "--scale", "2", "L1.txt", "-o", "out.png"},
            2, "--size and --scale cannot be combined");
        row("output not named .png, forced", {"render", "L1.txt", "-o", "notes", "--force"}, 0, "");
        row("sheet with an unreadable member", {"sheet", "set", "-o", "sheet.png"}, 2,
            "cannot read set/L2.txt: it is a folder");
        row("analyse finds a walled-in start", {"analyse", "walled.txt"}, 1,
            "walled.txt:2:6: error: Player 3 cannot reach any other player [walled-in]\n"
            "walled.txt:2:6: warning: Player 3 cannot move without breaking a brick [no-room]\n"
            "1 level analysed: 1 error, 1 warning\n");
        row("analyse a file without a level", {"analyse", "--format", "gcc", "notes"}, 1,
            "notes: error: the file holds no level");
        row("analyse an unreadable path", {"analyse", "L1.txt", "gone.txt"}, 2,
            "cannot read gone.txt: it does not exist");
        row("brick cost out of range", {"analyse", "--brick-cost", "101", "L1.txt"}, 2,
            "--brick-cost takes a whole number from 1 to 100");
        row("help to a full disk", {"--help"}, 2, "cannot write the output: No space left", true);
        row("version to a full disk", {"--version"}, 2, "No space left", true);
        row("check to a full disk", {"check", "L1.txt"}, 2, "No space left", true);
    }
    void refusalsAndExitStatuses() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, outputToFullDisk);
        QFETCH(QByteArray, standardInput);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const std::string level = LevelText(PlayableGrid());
        WriteLevel(dir.filePath("L1.txt"), level);
        WriteLevel(dir.filePath("L4.txt"), WithLfLineEnds(level));
        WriteLevel(dir.filePath("notes"), "no level");
        WriteLevel(dir.filePath(QString::fromUtf8(ForgingName)), level);
        const QByteArray solidLine = "***************\r\n";
        WriteLevel(dir.filePath("walled.txt"),
                   (solidLine + "*1 2*3*********\r\n" + solidLine.repeated(11)).toStdString());
        QVERIFY(QFile::link("L1.txt", dir.filePath("link.png")));
        QVERIFY(::link(qPrintable(dir.filePath("L1.txt")), qPrintable(dir.filePath("same.png"))) ==
                0);
        QVERIFY(QProcess::execute("mkfifo", {dir.filePath("pipe")}) == 0);
        QVERIFY(QDir(dir.path()).mkpath("set/L2.txt"));
        WriteLevel(dir.filePath("set/L1.txt"), level);

        const Run run = RunLevels(arguments, dir.path(), outputToFullDisk ? "/dev/full" : QString(),
                                  standardInput);
        QVERIFY2((run.out + run.err).contains(message), qPrintable(run.out + run.err));
        QCOMPARE(run.status, status);
        if (run.err.contains("Try '"))
            QCOMPARE(run.err.count('\n'), 2);
        QCOMPARE(ReadBytes(dir.filePath("L1.txt").toStdString()), QByteArray::fromStdString(level));
        QCOMPARE(ReadBytes(dir.filePath("set/L1.txt").toStdString()),
                 QByteArray::fromStdString(level));
        QVERIFY(QFileInfo(dir.filePath("link.png")).isSymLink());
        if (status != 0)
            QVERIFY(!QFileInfo::exists(dir.filePath("out.png")) &&
                    !QFileInfo::exists(dir.filePath("set/L2.TXT")));
    }

    // A reader that has gone (check ... | head -1) ends the program quietly with status 2, not
    // by SIGPIPE: its output is a pipe whose reading end is already closed.
    void closedPipeEndsQuietly() {
        QTemporaryDir dir;
        WriteLevel(dir.filePath("L4.txt"), WithLfLineEnds(LevelText(PlayableGrid())));
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start("python3", {"-c",
                                  "import os, subprocess, sys\n"
                                  "read, write = os.pipe()\n"
                                  "os.close(read)\n"
                                  "run = subprocess.run([sys.argv[1], 'check', 'L4.txt'], "
                                  "stdout=write, stderr=subprocess.PIPE)\n"
                                  "print(run.returncode, run.stderr)",
                                  Levels()});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.readAllStandardOutput(), QByteArray("2 b''\n"));
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
        ldd.start("ldd", {Levels()});
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

    // The thumbnailer's own argument order; the picture fits N x N with its aspect kept, and
    // every pixel is one of the full picture's (nearest neighbour, nothing blended).
    void renderFitsASize() {
        QTemporaryDir dir;
        WriteLevel(dir.filePath("L1.txt"), LevelText(PlayableGrid()));
        QCOMPARE(RunLevels({"render", "L1.txt", "-o", "full.png"}, dir.path()).status, 0);
        QSet<QRgb> colours;
        const QImage full(dir.filePath("full.png"));
        for (int y = 0; y < full.height(); ++y)
            for (int x = 0; x < full.width(); ++x)
                colours.insert(full.pixel(x, y));
        for (const auto& [size, fitted] :
             {std::pair{1, QSize(1, 1)}, {128, QSize(128, 111)}, {1024, QSize(1024, 888)}}) {
            QCOMPARE(RunLevels({"render", "--size", QString::number(size), dir.filePath("L1.txt"),
                                "-o", dir.filePath("thumb.png")},
                               dir.path())
                         .status,
                     0);
            const QImage thumb(dir.filePath("thumb.png"));
            QCOMPARE(thumb.size(), fitted);
            for (int y = 0; y < thumb.height(); ++y)
                for (int x = 0; x < thumb.width(); ++x)
                    QVERIFY(colours.contains(thumb.pixel(x, y)));
        }
    }

    // analyse --json gives for every level of a set what the analysis gives the level that the
    // editor loads from the same file.
    void analyseGivesTheAnalysisOfEachLevel() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("set"));
        for (int level = 1; level <= 10; ++level) {
            LevelGrid grid = PlayableGrid();
            grid[level][5] = level % 3 == 0 ? SolidBlock : Brick;
            grid[1 + level % 5][9] = Floor;
            WriteLevel(dir.filePath(QString("set/L%1.txt").arg(level)), LevelText(grid));
        }
        const Run run = RunLevels({"analyse", "--json", "--brick-cost", "5", "set"}, dir.path());
        QCOMPARE(run.status, 0);
        const QJsonArray levels = QJsonDocument::fromJson(run.out.toUtf8())["levels"].toArray();
        QCOMPARE(levels.size(), 10);
        for (int level = 1; level <= 10; ++level) {
            const QJsonObject shown = levels[level - 1].toObject();
            QCOMPARE(shown["path"].toString(), QString("set/L%1.txt").arg(level));
            LevelGrid grid{};
            PlayerStarts starts;
            ResetToDefaultLevel(grid, starts);
            ReadLevelFile(dir.filePath(shown["path"].toString()).toStdString(), grid, starts);
            const LevelAnalysis analysis = AnalyseLevel(grid, starts, 5);
            QCOMPARE(shown["brick_cost"].toInt(), 5);
            QJsonArray players;
            for (const StartAnalysis& start : analysis.starts)
                players.append(
                    QJsonObject{{"player", start.player + 1},
                                {"column", start.cell.column + 1},
                                {"row", start.cell.row + 1},
                                {"nearest", QJsonObject{{"player", start.nearest->player + 1},
                                                        {"cost", start.nearest->cost}}},
                                {"open_path", start.openPath},
                                {"room", start.room},
                                {"territory", start.territory}});
            QCOMPARE(shown["players"].toArray(), players);
            QCOMPARE(shown["spread"].toObject(),
                     (QJsonObject{{"nearest", *analysis.spread.nearest},
                                  {"room", *analysis.spread.room},
                                  {"territory", *analysis.spread.territory}}));
            const QJsonObject symmetry = shown["symmetry"].toObject();
            const std::array<const char*, 4> keys{"left_right", "top_bottom", "both", "half_turn"};
            for (const Mirror mirror : Mirrors)
                QVERIFY(qAbs(symmetry[keys[int(mirror)]].toDouble() - analysis.Share(mirror)) <
                        1e-6);
            QCOMPARE(shown["findings"].toArray().size(), qsizetype(analysis.findings.size()));
        }
    }

    void manPageListsEveryRule() {
        QFile page(ZM_LEVELS_MAN_PAGE);
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(page.readAll()).remove('\\');
        for (const std::string_view rule : FindingRule::All)
            QVERIFY2(text.contains(".B " + QString::fromLatin1(rule.data(), rule.size())),
                     rule.data());
    }
};

QTEST_MAIN(CommandLineTest)
#include "test_command_line.moc"
