// The command line: what the program prints and returns without a display, and a named level
// file opening as Load opens a chosen one.
#include "app/CommandLine.h"
#include "app/LevelEditorApp.h"
#include "editor/LevelEditorDlg.h"
#include "level/PathTitle.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    // Without a display, a program that tried to open a window would abort.
    void endsWithoutAWindow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // the start of standard output, then of error
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Zapmaze Level Editor 1.02\n";
        QTest::newRow("help") << QStringList{"-h", "L3.txt"} << 0 << "Usage: ";
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << 2 << "zapmaze-editor: Unknown option 'bogus'.\nUsage: ";
        QTest::newRow("two files") << QStringList{"L1.txt", "L2.txt"} << 2
                                   << "zapmaze-editor: Give at most one level file.\nUsage: ";
        QTest::newRow("empty name")
            << QStringList{""} << 2 << "zapmaze-editor: The level file name is empty.\nUsage: ";
    }

    void endsWithoutAWindow() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ZM_EDITOR_EXECUTABLE), arguments);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        const QByteArray printed = process.readAllStandardOutput();
        const QByteArray reported = process.readAllStandardError();
        QVERIFY2((exitCode == 0 ? printed : reported).startsWith(output.toLocal8Bit()),
                 printed + reported);
        QVERIFY2((exitCode == 0 ? reported : printed).isEmpty(), printed + reported);
    }

    // A relative name is resolved against the start folder before the editor moves to its level
    // directory, keeping bytes that are no UTF-8; the file's folder becomes current, as after
    // Load, and the settings stay with the start folder.
    void namedFileOpensAsLoadOpensIt() {
        QTemporaryDir parent;
        QVERIFY(QDir(parent.path()).mkpath("start") && QDir(parent.path()).mkpath("levels"));
        const std::string levels = parent.filePath("levels").toStdString();
        const std::string path = levels + "/L\xe9.txt";
        std::ofstream(path, std::ios::binary) << "***\r\n*1-\r\n";
        const std::string previous = GetCurrentDirectory();
        QVERIFY(SetCurrentDirectory(parent.filePath("start").toStdString()));
        char program[] = "zapmaze-editor", relative[] = "../levels/L\xe9.txt";
        char* argv[] = {program, relative};
        const CommandLine commandLine = ReadCommandLine(2, argv);
        QString title;
        std::string current, settingsPath;
        LevelGrid grid{};
        bool placed = false, modified = true;
        QTimer::singleShot(0, [&] {
            auto* editor = static_cast<CLevelEditorDlg*>(MainWindow());
            title = editor->windowTitle();
            current = GetCurrentDirectory();
            settingsPath = editor->SettingsPath;
            grid = editor->Grid;
            placed = editor->PlayerStarts.placed[0];
            modified = editor->Modified;
            editor->CloseEditor();
        });
        CLevelEditorApp(commandLine.levelPath).InitInstance();
        SetCurrentDirectory(previous);
        QCOMPARE(commandLine.levelPath, std::optional(path));
        QCOMPARE(title, QString::fromLocal8Bit("Zapmaze Level Editor v1.02 - " +
                                               AbbreviatePathForTitle(path)));
        QCOMPARE(current, levels);
        QCOMPARE(settingsPath, parent.filePath("start/settings.dat").toStdString());
        QVERIFY(grid[2][1] == Brick && placed && !modified);
    }
};

QTEST_MAIN(CommandLineTest)
#include "test_command_line.moc"
