#include "app/CommandLine.h"
#include "app/DisplayStart.h"
#include "app/LevelEditorApp.h"
#include "files/StandardOutput.h"

#include <QApplication>
#include <csignal>
#include <cstdio>

namespace {

// Prints what the command line produced; a failed write (a full disk, a closed pipe) turns a
// successful --help or --version into status 1.
int ReportCommandLine(const CommandLine& commandLine) {
    if (!WriteAndFlush(stdout, commandLine.output)) {
        WriteAndFlush(stderr, OutputFailedLine(ProgramName));
        return 1;
    }
    WriteAndFlush(stderr, commandLine.error);
    return *commandLine.exitCode;
}

} // namespace

int main(int argc, char* argv[]) {
    const CommandLine commandLine = ReadCommandLine(argc, argv);
    if (commandLine.exitCode)
        return ReportCommandLine(commandLine);
    // A write beyond the file-size limit then fails as a write, and the save reports it, rather
    // than ending the editor with the level unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    const auto application = OpenApplication(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zapmaze.LevelEditor"));
    CLevelEditorApp editorApp(commandLine.levelPath);
    editorApp.InitInstance();
    return 0;
}
