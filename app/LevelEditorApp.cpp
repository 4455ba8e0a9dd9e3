#include "app/LevelEditorApp.h"

#include "app/AbruptEnd.h"
#include "editor/LevelEditorDlg.h"

#include <QApplication>
#include <memory>
#include <utility>

CLevelEditorApp::CLevelEditorApp(std::optional<std::string> levelPath, std::string homeFolder)
    : LevelPath(std::move(levelPath)), HomeFolder(std::move(homeFolder)) {}

bool CLevelEditorApp::InitInstance() {
    // The editor holds a per-pixel hit map of 78,000 cells, so it lives on the heap.
    auto editor = std::make_unique<CLevelEditorDlg>(HomeFolder);
    editor->show();
    const AbruptEndWatch watch([&editor] { editor->PreserveUnsavedWork(); });
    editor->OfferRecoveredLevels();
    // A recovered level is not dropped for the file named at start without asking.
    if (LevelPath)
        editor->OpenNamedLevel(*LevelPath);
    QApplication::exec();
    return false;
}
