#include "app/CommandLine.h"
#include "app/LevelEditorApp.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    const CommandLine commandLine = ReadCommandLine(argc, argv);
    if (commandLine.exitCode) {
        std::fputs(commandLine.output.c_str(), stdout);
        std::fputs(commandLine.error.c_str(), stderr);
        return *commandLine.exitCode;
    }
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zapmaze.LevelEditor"));
    CLevelEditorApp editorApp(commandLine.levelPath);
    editorApp.InitInstance();
    return 0;
}
