#include "settings/SettingsDlg.h"

#include "files/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/PathText.h"
#include "res/DialogTemplates.h"
#include "res/Resources.h"
#include "settings/FolderDialog.h"

#include <QLineEdit>

const char DirectoryTooLongText[] =
    "This directory is too long to be stored. The level directory may have at most 259 "
    "characters.";

CSettingsDlg::CSettingsDlg(SettingsRecord& settings, QWidget* parent)
    : CDialog(SettingsTemplate(), parent), Settings(settings), Icon(LoadIconResource(IconProgram)) {
    ConnectClicked(IdSettingsSave, [this] { OnSave(); });
    ConnectClicked(IdBrowse, [this] { OnBrowse(); });
    ConnectClicked(IdSettingsCancel, [this] { OnCancel(); });
}

bool CSettingsDlg::OnInitDialog() {
    setWindowIcon(Icon);
    const std::string stored = LevelDirectoryText(Settings);
    ShowDirectory(stored.empty() ? GetCurrentDirectory() : stored);
    QLineEdit* field = DirectoryField();
    field->setFocus();
    field->selectAll();
    return false;
}

void CSettingsDlg::OnSave() {
    const std::string directory = PathFromQt(DirectoryField()->text(), ShownDirectory);
    if (directory.size() > LevelDirectoryMaxLength) {
        MessageBox(this, DirectoryTooLongText, "Warning!", QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    SetCurrentDirectory(directory);
    StoreLevelDirectory(Settings, directory);
    EndDialog(QDialog::Rejected);
}

void CSettingsDlg::OnBrowse() {
    CFolderDialog folderDialog(GetCurrentDirectory(), CFolderDialog::ModeSelect, this);
    if (folderDialog.DoModal() == QDialog::Accepted)
        ShowDirectory(folderDialog.GetFolder());
}

QLineEdit* CSettingsDlg::DirectoryField() const {
    return qobject_cast<QLineEdit*>(GetDlgItem(IdDirectoryField));
}

void CSettingsDlg::ShowDirectory(const std::string& directory) {
    ShownDirectory = directory;
    DirectoryField()->setText(PathToQt(directory));
}
