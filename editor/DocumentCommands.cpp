#include "editor/LevelEditorDlg.h"

// Placeholder until the document commands land: only closing works.
void CLevelEditorDlg::NewLevel() {}
void CLevelEditorDlg::LoadLevel() {}
bool CLevelEditorDlg::SaveLevel() {
    return false;
}
bool CLevelEditorDlg::SaveLevelAs() {
    return false;
}
bool CLevelEditorDlg::AskSaveChanges(bool) {
    return true;
}
void CLevelEditorDlg::SetLevelPath(const std::string&) {}
bool CLevelEditorDlg::CheckLevelForSave() {
    return false;
}
bool CLevelEditorDlg::WriteLevelFile() {
    return false;
}
void CLevelEditorDlg::ReadLevelFile() {}

void CLevelEditorDlg::CloseEditor() {
    if (!AskSaveChanges(true))
        return;
    WriteSettings();
    CPaintedDialog::OnCancel();
}
