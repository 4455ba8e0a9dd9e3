#include "app/LevelEditorApp.h"

#include <QApplication>
#include <csignal>

int main(int argc, char* argv[]) {
    // A write beyond the file-size limit then fails as a write, and the save reports it, rather
    // than ending the editor with the level unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    CLevelEditorApp editorApp;
    editorApp.InitInstance();
    return 0;
}
