// New, Load, Save, Save As and Close, the unsaved-changes prompt and the window title. The
// level rules, the text format, the file-name rule and the shortened title are decided in
// level/; this file turns their answers into dialogs, message boxes and state changes.
#include "editor/LevelEditorDlg.h"

#include "dialogs/FileDialog.h"
#include "dialogs/MessageBox.h"
#include "files/FileSystem.h"
#include "level/LevelFileName.h"
#include "level/LevelText.h"
#include "level/PathTitle.h"
#include "level/SaveChecks.h"

#include <optional>

namespace {

const QStringList LevelFilters = {QStringLiteral("Zapmaze Levels (*.txt)"),
                                  QStringLiteral("All Files (*.*)")};
constexpr const char* LevelExtension = "txt";
constexpr const char* SaveChangesCaption = "Save Changes?";

std::string SaveChangesQuestion(const std::string& path) {
    if (path.empty())
        return "Do you want to save your changes?";
    return "Do you want to save your changes to " + path + " before continuing?";
}

// Says what another program did to the file at path, and whether to replace it all the same.
bool MayReplaceChangedFile(QWidget* owner, const std::string& path, const char* whatHappened) {
    return MessageBox(owner,
                      "The file " + path + whatHappened +
                          " Replace it with this level? No keeps the other version on disk, and "
                          "this level stays open with its changes unsaved.",
                      "File Changed", QMessageBox::Yes | QMessageBox::No,
                      QMessageBox::Warning) == QMessageBox::Yes;
}

void ShowWarning(QWidget* owner, const std::string& text, const std::string& caption) {
    MessageBox(owner, text, caption, QMessageBox::Ok, QMessageBox::Warning);
}

// A file that took the new level but was not confirmed on the disk is in place all the same.
void ReportSaveFailed(QWidget* owner, const std::string& path, const ReplaceResult& written) {
    ShowWarning(owner,
                written.replaced ? SaveNotDurableMessage(path) : SaveFailedMessage(path, written),
                SaveFailedCaption);
}

// The full path of the file that the user accepted, or nothing.
std::optional<std::string> ChooseLevelFile(QWidget* owner, bool open) {
    return ChooseFile(owner, open, LevelExtension, LevelFilters);
}

} // namespace

// Writes the level to its file and tells the user when that failed. A file that another
// program changed since the editor last read or wrote it is replaced only when the user says so.
bool CLevelEditorDlg::WriteOrReport() {
    if (!MayOverwriteLevelFile())
        return false;
    const LevelFileWrite written = WriteLevelFile();
    if (!written.result)
        ReportSaveFailed(this, Document().Path(), written.result);
    return written.result;
}

// The check costs one open, one fstat and one read of 221 bytes. A file that is gone, or that
// the editor never read or wrote, holds nothing that a save could lose.
bool CLevelEditorDlg::MayOverwriteLevelFile() {
    if (!KnownFileStamp)
        return true;
    const std::optional<FileStamp> now = LevelFileStampNow(Document().Path());
    if (!now || HoldsSameAs(*KnownFileStamp, *now))
        return true;
    const bool replace = MayReplaceChangedFile(
        this, Document().Path(),
        " has been changed on disk by another program since the editor last read or wrote it.");
    // The user has seen this change; the watch of the file does not ask about it again.
    if (!replace)
        DiskStampSeen = now;
    return replace;
}

bool CLevelEditorDlg::AskSaveChanges(bool closing) {
    if (!Document().IsModified())
        return true;
    const auto answer =
        MessageBox(this, SaveChangesQuestion(Document().Path()), SaveChangesCaption,
                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    // New and Load write a level that has a file as it stands; Close holds it to the rules.
    if (!closing && !Document().Path().empty())
        return WriteOrReport();
    return SaveLevel();
}

void CLevelEditorDlg::NewLevel() {
    if (!AskSaveChanges(false))
        return;
    FreshSlotPath.clear();
    Session.StartNew();
    KnownFileStamp.reset();
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

void CLevelEditorDlg::OpenNamedLevel(const std::string& path) {
    if (!AskSaveChanges(false))
        return;
    const CurrentDirectoryMark folderBefore;
    SetCurrentDirectory(FolderOfPath(path));
    if (!LoadLevelFromPath(path))
        folderBefore.Restore();
}

bool CLevelEditorDlg::LoadLevelFromPath(const std::string& path) {
    LevelState read = Session.FileReadBase();
    const LevelFileRead file = ::ReadLevelFile(path, read.grid, read.starts);
    if (!file.HoldsLevel()) {
        ShowWarning(this, LoadFailedMessage(path, file), LoadFailedCaption);
        return false;
    }
    Session.TakeFileRead(path, read);
    KnownFileStamp = file.stamp;
    if (file.text.rows < GridRows)
        ShowWarning(this, PartlyLoadedMessage(file.text.rows, path), WarningCaption);
    return true;
}

bool CLevelEditorDlg::SaveLevel() {
    if (Document().Path().empty())
        return FreshSlotPath.empty() ? SaveLevelAs() : SaveToFreshSlot();
    if (!CheckLevelForSave())
        return false;
    return WriteOrReport();
}

bool CLevelEditorDlg::SaveLevelAs() {
    if (!CheckLevelForSave())
        return false;
    const std::optional<std::string> path = ChooseLevelFile(this, false);
    return path && SaveLevelTo(*path);
}

// The fresh level of a missing slot goes to the slot's file without a Save As dialog. Another
// program may have written that file in the meantime: it is replaced only when the user says so.
bool CLevelEditorDlg::SaveToFreshSlot() {
    if (!CheckLevelForSave())
        return false;
    if (LevelFileStampNow(FreshSlotPath) &&
        !MayReplaceChangedFile(
            this, FreshSlotPath,
            " has been written by another program since this fresh level was opened for it."))
        return false;
    return SaveLevelTo(FreshSlotPath);
}

// Writes the checked level to path, which becomes its file.
bool CLevelEditorDlg::SaveLevelTo(const std::string& path) {
    const std::string previousPath = Document().Path();
    Session.SetPath(path);
    const ReplaceResult written = WriteLevelFile().result;
    if (!written) {
        if (!written.replaced)
            Session.SetPath(previousPath);
        ReportSaveFailed(this, path, written);
        return false;
    }
    if (!IsValidLevelFileName(path))
        ShowWarning(this, InvalidFileNameMessage, WarningCaption);
    return true;
}

bool CLevelEditorDlg::CloseEditor() {
    if (!AskSaveChanges(true))
        return false;
    WriteSettingsFile(SettingsPath, Settings);
    RecoveryTimer.stop();
    Recovery.DiscardNow();
    return true;
}

// Qt would show "[*]" in a title as the modified marker; "[*][*]" shows the text "[*]".
void CLevelEditorDlg::ShowLevelPath() {
    const std::string& path = Document().Path();
    const std::string title =
        path.empty() ? BaseTitle : BaseTitle + (" - " + AbbreviatePathForTitle(path));
    setWindowTitle(
        QString::fromLocal8Bit(title).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

bool CLevelEditorDlg::CheckLevelForSave() {
    const SaveCheck check = CheckLevel(Document().Grid(), Document().Starts());
    if (check.warnMissingPlayers)
        ShowWarning(this, MissingPlayersMessage, WarningCaption);
    if (!check.allowed()) {
        ShowWarning(this, OpenBlockMessage(*check.openBlock), SaveFailedCaption);
        return false;
    }
    return true;
}

// A level that reached its file and the disk is the saved state of the history. A file that
// took the new level is the one later saves compare with, confirmed by the disk or not.
LevelFileWrite CLevelEditorDlg::WriteLevelFile() {
    const LevelFileWrite written = ::WriteLevelFile(Document().Path(), Document().Grid());
    if (written.result.replaced)
        KnownFileStamp = written.stamp;
    if (written.result)
        Session.MarkSaved();
    return written;
}
