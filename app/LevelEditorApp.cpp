#include "app/LevelEditorApp.h"

#include "editor/LevelEditorDlg.h"

#include <memory>

bool CLevelEditorApp::InitInstance() {
    // The editor holds a per-pixel hit map of 78,000 cells, so it lives on the heap.
    auto editor = std::make_unique<CLevelEditorDlg>();
    SetMainWindow(editor.get());
    editor->DoModal();
    return false;
}
