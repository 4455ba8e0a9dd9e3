#include "editor/LevelEditorDlg.h"

// Placeholder until the grid commands land.
void CLevelEditorDlg::OnFillFloor() {}
void CLevelEditorDlg::OnClearFloor() {}
void CLevelEditorDlg::OnShowGrid() {}
void CLevelEditorDlg::RefreshStatus() {}
