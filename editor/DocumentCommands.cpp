// New, Load, Save, Save As and Close, the unsaved-changes prompt and the window title. The
// level rules, the text format, the file-name rule and the shortened title are decided in
// level/; this file turns their answers into dialogs, message boxes and state changes.
#include "editor/LevelEditorDlg.h"

#include "level/LevelFileName.h"
#include "level/LevelText.h"
#include "level/PathTitle.h"
#include "level/SaveChecks.h"
#include "platform/FileDialog.h"
#include "platform/FileSystem.h"
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

// The full path of the file that the user accepted, or nothing.
std::optional<std::string> ChooseLevelFile(QWidget* owner, bool open) {
    const unsigned flags = open ? OFN_HIDEREADONLY : OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    CFileDialog dialog(open, LevelExtension, std::string(), flags, LevelFilter, owner);
    if (dialog.DoModal() != IDOK)
        return std::nullopt;
    return dialog.GetPathName();
}

} // namespace

// Writes the level to its file and tells the user when that failed.
bool CLevelEditorDlg::WriteOrReport() {
    if (WriteLevelFile())
        return true;
    ReportSaveFailed(this, Level.Path());
    return false;
}

bool CLevelEditorDlg::AskSaveChanges(bool closing) {
    if (!Level.IsModified())
        return true;
    const int answer = MessageBox(this, SaveChangesQuestion(Level.Path()), SaveChangesCaption,
                                  MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDNO)
        return true;
    if (answer != IDYES)
        return false;
    // New and Load write a level that has a file as it stands; Close holds it to the rules.
    if (!closing && !Level.Path().empty())
        return WriteOrReport();
    return SaveLevel();
}

void CLevelEditorDlg::NewLevel() {
    if (!AskSaveChanges(false))
        return;
    const std::vector<Cell> cleared = Level.StartNew();
    SetLevelPath(std::string());
    StartHistory();
    DrawChangedCells(cleared);
}

void CLevelEditorDlg::LoadLevel() {
    if (!AskSaveChanges(false))
        return;
    const CurrentDirectoryMark directoryBeforeDialog;
    const std::optional<std::string> path = ChooseLevelFile(this, true);
    if (!path)
        return;
    if (!LoadLevelFromPath(*path))
        directoryBeforeDialog.Restore();
}

bool CLevelEditorDlg::LoadLevelFromPath(const std::string& path) {
    LevelState read = Level.FileReadBase();
    const LevelFileRead file = ::ReadLevelFile(path, read.grid, read.starts);
    if (!file.HoldsLevel()) {
        ShowWarning(this, LoadFailedMessage(path, file), LoadFailedCaption);
        return false;
    }
    const std::vector<Cell> loaded = Level.TakeFileRead(path, read);
    SetLevelPath(path);
    StartHistory();
    DrawChangedCells(loaded);
    if (file.text.rows < GridRows)
        ShowWarning(this, PartlyLoadedMessage(file.text.rows, path), WarningCaption);
    return true;
}

// A stroke in progress goes on over the opened level, as a step of its new history.
void CLevelEditorDlg::OpenDocument(const LevelDocument& document) {
    Level = document;
    if (Stroke)
        Stroke->before = Level.State();
    SetLevelPath(Level.Path());
    StartHistory();
    DrawAllCells();
}

bool CLevelEditorDlg::SaveLevel() {
    if (Level.Path().empty())
        return SaveLevelAs();
    if (!CheckLevelForSave())
        return false;
    return WriteOrReport();
}

bool CLevelEditorDlg::SaveLevelAs() {
    if (!CheckLevelForSave())
        return false;
    const std::optional<std::string> path = ChooseLevelFile(this, false);
    if (!path)
        return false;
    const std::string previousPath = Level.Path();
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
    Level.SetPath(path);
    SetWindowText(path.empty() ? BaseTitle : BaseTitle + " - " + AbbreviatePathForTitle(path));
}

bool CLevelEditorDlg::CheckLevelForSave() {
    const SaveCheck check = CheckLevel(Level.Grid(), Level.Starts());
    if (check.warnMissingPlayers)
        ShowWarning(this, MissingPlayersMessage, WarningCaption);
    if (!check.allowed()) {
        ShowWarning(this, OpenBlockMessage(*check.openBlock), SaveFailedCaption);
        return false;
    }
    return true;
}

// A level that reached its file is the saved state of the history.
bool CLevelEditorDlg::WriteLevelFile() {
    if (!::WriteLevelFile(Level.Path(), Level.Grid()))
        return false;
    Level.SetModified(false);
    MarkSaved();
    return true;
}
