#include "app/LevelEditorApp.h"

#include "app/AbruptEnd.h"
#include "editor/LevelEditorDlg.h"
#include "files/FileSystem.h"

#include <QApplication>
#include <memory>
#include <utility>

namespace {

// Opens the file as Load does once its dialog has been accepted in the file's folder; a file
// that gives no level leaves the start-up folder current.
void OpenLevelFile(CLevelEditorDlg& editor, const std::string& path) {
    const CurrentDirectoryMark startFolder;
    SetCurrentDirectory(FolderOfPath(path));
    if (!editor.LoadLevelFromPath(path))
        startFolder.Restore();
}

} // namespace

CLevelEditorApp::CLevelEditorApp(std::optional<std::string> levelPath)
    : LevelPath(std::move(levelPath)) {}

bool CLevelEditorApp::InitInstance() {
    // The editor holds a per-pixel hit map of 78,000 cells, so it lives on the heap.
    auto editor = std::make_unique<CLevelEditorDlg>();
    editor->show();
    const AbruptEndWatch watch([&editor] { editor->PreserveUnsavedWork(); });
    editor->OfferRecoveredLevels();
    // A recovered level is not dropped for the file named at start without asking.
    if (LevelPath && editor->AskSaveChanges(false))
        OpenLevelFile(*editor, *LevelPath);
    QApplication::exec();
    return false;
}
