#pragma once
// The Settings dialog: the game's level directory, typed or browsed for. Save makes it the
// current directory at once and stores it in the settings record, in memory only; the record
// reaches "settings.dat" when the editor closes.
#include "platform/Dialog.h"
#include "settings/SettingsRecord.h"

#include <QIcon>
#include <string>

class QLineEdit;

class CSettingsDlg : public CDialog {
public:
    // Without a parent, the editor window owns the dialog.
    explicit CSettingsDlg(SettingsRecord& settings, QWidget* parent = nullptr);

    void OnSave();
    void OnBrowse();

protected:
    bool OnInitDialog() override;

private:
    QLineEdit* DirectoryField() const;
    // Shows the directory in the field and keeps its bytes, which Save takes unless the text
    // was edited.
    void ShowDirectory(const std::string& directory);

    SettingsRecord& Settings;
    std::string ShownDirectory;
    QIcon Icon;
};

// Shown when the directory is longer than the settings record can hold.
extern const char DirectoryTooLongText[];
