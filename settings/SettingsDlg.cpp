#include "settings/SettingsDlg.h"

#include "dialogs/FocusStyle.h"
#include "dialogs/MessageBox.h"
#include "dialogs/PathText.h"
#include "files/FileSystem.h"
#include "res/Resources.h"
#include "settings/FolderDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const char DirectoryTooLongText[] =
    "This directory is too long to be stored. The level directory may have at most 259 "
    "characters.";

namespace {

// A control of the dialog, named for tests and placed at its pixel rectangle.
template <class Control> Control* Placed(Control* control, const char* name, const QRect& rect) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(rect);
    return control;
}

} // namespace

// The controls in tab order: Cancel, the field, Browse, Save. Save is the default button, which
// Enter presses unless another button has the focus.
CSettingsDlg::CSettingsDlg(SettingsRecord& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      Settings(settings) {
    InstallFocusStyle();
    setWindowTitle(QStringLiteral("Zapmaze Level Editor - Settings"));
    setWindowIcon(ProgramIcon());
    setFont(WindowFont());
    setFixedSize(336, 114);
    auto* cancel =
        Placed(new QPushButton(QStringLiteral("Cancel"), this), "cancelButton", {251, 80, 75, 22});
    auto* label = Placed(new QLabel(QStringLiteral("Zapmaze Level Directory:"), this),
                         "directoryLabel", {11, 11, 135, 13});
    DirectoryField = Placed(new QLineEdit(this), "directoryField", {11, 26, 256, 23});
    label->setBuddy(DirectoryField);
    auto* browse =
        Placed(new QPushButton(QStringLiteral("&Browse"), this), "browseButton", {270, 26, 56, 23});
    auto* save =
        Placed(new QPushButton(QStringLiteral("&Save"), this), "saveButton", {170, 80, 75, 22});
    save->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, &CSettingsDlg::OnBrowse);
    connect(save, &QPushButton::clicked, this, &CSettingsDlg::OnSave);
    const std::string stored = LevelDirectoryText(Settings);
    ShowDirectory(stored.empty() ? GetCurrentDirectory() : stored);
    DirectoryField->setFocus();
    DirectoryField->selectAll();
}

void CSettingsDlg::OnSave() {
    const std::string directory = PathFromQt(DirectoryField->text(), ShownDirectory);
    if (directory.size() > LevelDirectoryMaxLength) {
        MessageBox(this, DirectoryTooLongText, "Warning!", QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    SetCurrentDirectory(directory);
    StoreLevelDirectory(Settings, directory);
    accept();
}

void CSettingsDlg::OnBrowse() {
    CFolderDialog folderDialog(GetCurrentDirectory(), this);
    if (folderDialog.exec() == QDialog::Accepted)
        ShowDirectory(folderDialog.GetFolder());
}

void CSettingsDlg::ShowDirectory(const std::string& directory) {
    ShownDirectory = directory;
    DirectoryField->setText(PathToQt(directory));
}
