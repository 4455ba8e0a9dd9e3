#pragma once
// The Settings dialog: the game's level directory, typed or browsed for. Save makes it the
// current directory at once and stores it in the settings record, in memory only; the record
// reaches "settings.dat" when the editor closes.
#include "settings/SettingsRecord.h"

#include <QDialog>
#include <string>

class QLineEdit;

class CSettingsDlg : public QDialog {
    Q_OBJECT

public:
    CSettingsDlg(SettingsRecord& settings, QWidget* parent = nullptr);

    // Stores the directory and ends the dialog as accepted; a directory too long for the record
    // is refused with a box and the dialog stays open.
    void OnSave();
    // Lets the user pick a folder for the field, starting at the current directory.
    void OnBrowse();

private:
    // Shows the directory in the field and keeps its bytes, which Save takes unless the text
    // was edited.
    void ShowDirectory(const std::string& directory);

    SettingsRecord& Settings;
    QLineEdit* DirectoryField;
    std::string ShownDirectory;
};

// Shown when the directory is longer than the settings record can hold.
extern const char DirectoryTooLongText[];
