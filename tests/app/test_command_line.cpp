// The command line: what the program prints and returns without opening a window, how a named
// level file is resolved, and that it opens as Load opens a chosen one.
#include "app/CommandLine.h"
#include "app/LevelEditorApp.h"
#include "editor/LevelEditorDlg.h"
#include "level/PathTitle.h"
#include "platform/FileSystem.h"
#include "tests/support/EditorHarness.h"

#include <QProcess>
#include <QTest>
#include <QTimer>

namespace {

// Whether text begins with start; an empty start asks for no text at all.
bool Begins(const QString& text, const QString& start) {
    return start.isEmpty() ? text.isEmpty() : text.startsWith(start);
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    // Run without a display: a program that tried to open a window would abort.
    void endsWithoutAWindow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Zapmaze Level Editor 1.02\n"
                                 << "";
        QTest::newRow("help") << QStringList{"-h", "L3.txt"} << 0 << "Usage: "
                              << "";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << ""
                                        << "zapmaze-editor: Unknown option 'bogus'.\nUsage: ";
        QTest::newRow("two files") << QStringList{"L1.txt", "L2.txt"} << 2 << ""
                                   << "zapmaze-editor: Give at most one level file.\nUsage: ";
        QTest::newRow("empty name") << QStringList{""} << 2 << ""
                                    << "zapmaze-editor: The level file name is empty.\nUsage: ";
    }

    void endsWithoutAWindow() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ZM_EDITOR_EXECUTABLE), arguments);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        const QString standardOutput = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QString standardError = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(Begins(standardOutput, output), qPrintable(standardOutput));
        QVERIFY2(Begins(standardError, error), qPrintable(standardError));
    }

    // A relative name is resolved against the start folder, keeping bytes that are no UTF-8;
    // after "--" a name may start with a dash.
    void namedFileBecomesAnAbsolutePathInItsOwnBytes() {
        QTemporaryDir start;
        const std::string previous = GetCurrentDirectory();
        QVERIFY(SetCurrentDirectory(start.path().toStdString()));
        char program[] = "zapmaze-editor", latin1[] = "../levels/L\xe9.txt", dashes[] = "--",
             dashed[] = "-L3.txt";
        char* plain[] = {program, latin1};
        char* afterDashes[] = {program, dashes, dashed};
        const CommandLine first = ReadCommandLine(2, plain);
        const CommandLine second = ReadCommandLine(3, afterDashes);
        SetCurrentDirectory(previous);
        QVERIFY(!first.exitCode && !second.exitCode);
        const std::string parent = FolderOfPath(start.path().toStdString());
        QCOMPARE(first.levelPath, std::optional(parent + "/levels/L\xe9.txt"));
        QCOMPARE(second.levelPath, std::optional(start.path().toStdString() + "/-L3.txt"));
    }

    // The editor shows the level under its path, and the file's folder becomes current, as
    // after Load; the settings still belong to the start folder.
    void namedFileOpensAsLoadOpensIt() {
        QTemporaryDir start, levels;
        const std::string path = levels.filePath("L3.txt").toStdString();
        WriteBytes(path, QByteArray("***\r\n*1-\r\n"));
        const std::string previous = GetCurrentDirectory();
        QVERIFY(SetCurrentDirectory(start.path().toStdString()));
        std::string title, current, settingsPath;
        TileType brick = Floor;
        bool playerPlaced = false, modified = true;
        QTimer::singleShot(0, [&] {
            auto* editor = static_cast<CLevelEditorDlg*>(MainWindow());
            title = editor->GetWindowText();
            current = GetCurrentDirectory();
            settingsPath = editor->SettingsPath;
            brick = editor->Grid[2][1];
            playerPlaced = editor->PlayerStarts.placed[0];
            modified = editor->Modified;
            editor->CloseEditor();
        });
        CLevelEditorApp(path).InitInstance();
        SetCurrentDirectory(previous);
        QCOMPARE(title, "Zapmaze Level Editor v1.02 - " + AbbreviatePathForTitle(path));
        QCOMPARE(current, levels.path().toStdString());
        QCOMPARE(settingsPath, start.filePath("settings.dat").toStdString());
        QCOMPARE(brick, Brick);
        QVERIFY(playerPlaced);
        QVERIFY(!modified);
    }
};

QTEST_MAIN(CommandLineTest)
#include "test_command_line.moc"
