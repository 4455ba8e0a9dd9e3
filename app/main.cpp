#include "app/CommandLine.h"
#include "app/LevelEditorApp.h"

#include <QApplication>
#include <csignal>
#include <cstdio>

int main(int argc, char* argv[]) {
    const CommandLine commandLine = ReadCommandLine(argc, argv);
    if (commandLine.exitCode) {
        std::fputs(commandLine.output.c_str(), stdout);
        std::fputs(commandLine.error.c_str(), stderr);
        return *commandLine.exitCode;
    }
    // A write beyond the file-size limit then fails as a write, and the save reports it, rather
    // than ending the editor with the level unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zapmaze.LevelEditor"));
    CLevelEditorApp editorApp(commandLine.levelPath);
    editorApp.InitInstance();
    return 0;
}
