#include "app/CommandLine.h"
#include "app/ConfigFolder.h"
#include "app/DisplayStart.h"
#include "app/LevelEditorApp.h"
#include "dialogs/MessageBox.h"
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
    // The level file is already an absolute path, so the start folder may change now.
    const std::optional<std::string> folderFailure =
        commandLine.configFolder ? EnterConfigFolder(ConfigFolderOfUser()) : std::nullopt;
    // A write beyond the file-size limit then fails as a write, and the save reports it, rather
    // than ending the editor with the level unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    const auto application = OpenApplication(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zapmaze.LevelEditor"));
    // Started anywhere else, the editor would put settings.dat where it does not belong.
    if (folderFailure) {
        MessageBox(nullptr, *folderFailure, "Zapmaze Level Editor", QMessageBox::Ok,
                   QMessageBox::Warning);
        return 1;
    }
    CLevelEditorApp editorApp(commandLine.levelPath);
    editorApp.InitInstance();
    return 0;
}
