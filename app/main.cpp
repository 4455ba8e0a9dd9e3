#include "app/LevelEditorApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    CLevelEditorApp editorApp;
    editorApp.InitInstance();
    return 0;
}
