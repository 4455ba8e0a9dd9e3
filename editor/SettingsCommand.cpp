#include "editor/LevelEditorDlg.h"

// Placeholder until the Settings dialog lands.
void CLevelEditorDlg::OnSettings() {}
