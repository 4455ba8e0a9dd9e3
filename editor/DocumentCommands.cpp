// New, Load, Save, Save As and Close, the unsaved-changes prompt and the window title. The
// level rules, the text format, the file-name rule and the shortened title are decided in
// level/; this file turns their answers into dialogs, message boxes and state changes.
#include "editor/LevelEditorDlg.h"

#include "level/LevelFileName.h"
#include "level/LevelText.h"
#include "level/PathTitle.h"
#include "level/SaveChecks.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/Win32.h"

#include <optional>

namespace {

constexpr const char* LevelFilter = "Zapmaze Levels (*.txt)|*.txt|All Files (*.*)|*.*||";
constexpr const char* LevelExtension = ".txt";
constexpr const char* SaveChangesCaption = "Save Changes?";

std::string SaveChangesQuestion(const std::string& path) {
    if (path.empty())
        return "Do you want to save your changes?";
    return "Do you want to save your changes to " + path + " before continuing?";
}

void ShowWarning(QWidget* owner, const std::string& text, const std::string& caption) {
    MessageBox(owner, text, caption, MB_OK | MB_ICONEXCLAMATION);
}

void ReportSaveFailed(QWidget* owner, const std::string& path) {
    ShowWarning(owner, SaveFailedMessage(path), SaveFailedCaption);
}

// Writes the level to its file and tells the user when that failed.
bool WriteOrReport(CLevelEditorDlg& editor) {
    if (editor.WriteLevelFile())
        return true;
    ReportSaveFailed(&editor, editor.CurrentPath);
    return false;
}

// The full path of the file that the user accepted, or nothing.
std::optional<std::string> ChooseLevelFile(QWidget* owner, bool open) {
    const unsigned flags = open ? OFN_HIDEREADONLY : OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    CFileDialog dialog(open, LevelExtension, std::string(), flags, LevelFilter, owner);
    if (dialog.DoModal() != IDOK)
        return std::nullopt;
    return dialog.GetPathName();
}

void FillInteriorWithFloor(LevelGrid& grid) {
    for (int column = 1; column < GridColumns - 1; ++column)
        for (int row = 1; row < GridRows - 1; ++row)
            grid[column][row] = Floor;
}

} // namespace

bool CLevelEditorDlg::AskSaveChanges(bool closing) {
    if (!Modified)
        return true;
    const int answer = MessageBox(this, SaveChangesQuestion(CurrentPath), SaveChangesCaption,
                                  MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDNO)
        return true;
    if (answer != IDYES)
        return false;
    // New and Load write a level that has a file as it stands; Close holds it to the rules.
    if (!closing && !CurrentPath.empty())
        return WriteOrReport(*this);
    return SaveLevel();
}

void CLevelEditorDlg::NewLevel() {
    if (!AskSaveChanges(false))
        return;
    Modified = false;
    SetLevelPath(std::string());
    FillInteriorWithFloor(Grid);
    PlayerStarts.placed.fill(false);
    DrawAllCells();
}

void CLevelEditorDlg::LoadLevel() {
    if (!AskSaveChanges(false))
        return;
    const std::optional<std::string> path = ChooseLevelFile(this, true);
    if (path)
        LoadLevelFromPath(*path);
}

void CLevelEditorDlg::LoadLevelFromPath(const std::string& path) {
    SetLevelPath(path);
    Modified = false;
    PlayerStarts.placed.fill(false);
    ReadLevelFile();
    DrawAllCells();
}

bool CLevelEditorDlg::SaveLevel() {
    if (CurrentPath.empty())
        return SaveLevelAs();
    if (!CheckLevelForSave())
        return false;
    return WriteOrReport(*this);
}

bool CLevelEditorDlg::SaveLevelAs() {
    if (!CheckLevelForSave())
        return false;
    const std::optional<std::string> path = ChooseLevelFile(this, false);
    if (!path)
        return false;
    const std::string previousPath = CurrentPath;
    SetLevelPath(*path);
    if (!WriteLevelFile()) {
        SetLevelPath(previousPath);
        ReportSaveFailed(this, *path);
        return false;
    }
    if (!IsValidLevelFileName(*path))
        ShowWarning(this, InvalidFileNameMessage, WarningCaption);
    return true;
}

void CLevelEditorDlg::CloseEditor() {
    if (!AskSaveChanges(true))
        return;
    WriteSettings();
    CPaintedDialog::OnCancel();
}

void CLevelEditorDlg::SetLevelPath(const std::string& path) {
    CurrentPath = path;
    SetWindowText(path.empty() ? BaseTitle : BaseTitle + " - " + AbbreviatePathForTitle(path));
}

bool CLevelEditorDlg::CheckLevelForSave() {
    const SaveCheck check = CheckLevel(Grid, PlayerStarts);
    if (check.warnMissingPlayers)
        ShowWarning(this, MissingPlayersMessage, WarningCaption);
    if (!check.allowed()) {
        ShowWarning(this, OpenBlockMessage(*check.openBlock), SaveFailedCaption);
        return false;
    }
    return true;
}

bool CLevelEditorDlg::WriteLevelFile() {
    if (!::WriteLevelFile(CurrentPath, Grid))
        return false;
    Modified = false;
    return true;
}

void CLevelEditorDlg::ReadLevelFile() {
    ::ReadLevelFile(CurrentPath, Grid, PlayerStarts);
}
