#include "editor/LevelEditorDlg.h"

#include "settings/SettingsDlg.h"

// The dialog changes the settings record in memory; what it returns does not matter here.
void CLevelEditorDlg::OnSettings() {
    CSettingsDlg dialog(GetSettings());
    dialog.DoModal();
}
