// The command line: what the program prints and returns without a display. Opening a named
// level file is shown with the real window (window_manager.sh).
#include "app/CommandLine.h"
#include "app/ConfigFolder.h"

#include <QDir>
#include <QProcess>
#include <QTest>

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
        QTest::newRow("Qt options")
            << QStringList{"-style", "fusion", "--geometry", "9x9", "-reverse", "-stylesheet=a.qss",
                           "-v"}
            << 0 << "Zapmaze Level Editor 1.02\n";
        QTest::newRow("no display")
            << QStringList{} << 1 << "zapmaze-editor: cannot open a display: DISPLAY is not set\n";
        QTest::newRow("no such platform")
            << QStringList{"-platform", "none"} << 1
            << "zapmaze-editor: cannot open a display: Could not find the Qt platform plugin";
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
        QVERIFY2(reported.count('\n') <= 1 || exitCode == 2, reported);
    }

    // Output that cannot be written is an error, not a silent success.
    void reportsAFullDevice_data() {
        QTest::addColumn<QString>("option");
        QTest::newRow("help") << "--help";
        QTest::newRow("version") << "--version";
    }

    void reportsAFullDevice() {
        QFETCH(QString, option);
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(ZM_EDITOR_EXECUTABLE), {option});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardError(),
                 "zapmaze-editor: cannot write the output: No space left on device\n");
    }

    // A relative level file is put after the current folder and never shortened as text; an
    // unset, empty or relative XDG_CONFIG_HOME counts as unset.
    void keepsPathsAsWrittenAndFindsTheSettingsFolder() {
        char program[] = "zapmaze-editor", option[] = "--config-folder", file[] = "link/../L5.txt";
        char* argv[] = {program, option, file};
        const CommandLine read = ReadCommandLine(3, argv);
        QCOMPARE(QString::fromStdString(*read.levelPath), QDir::currentPath() + "/link/../L5.txt");
        QVERIFY(read.configFolder);
        QCOMPARE(ConfigFolderPath("/cfg", "/home/ann"), std::string("/cfg/zapmaze-editor"));
        for (const char* unset : {static_cast<const char*>(nullptr), "", "cfg"})
            QCOMPARE(ConfigFolderPath(unset, "/home/ann"), "/home/ann/.config/zapmaze-editor");
    }
};

QTEST_MAIN(CommandLineTest)
#include "test_command_line.moc"
