#include "editor/LevelEditorDlg.h"

// Placeholder until mouse editing lands.
void CLevelEditorDlg::TrackCursor(bool, QPoint) {}
void CLevelEditorDlg::PlaceTile(TileType) {}
bool CLevelEditorDlg::CheckCreditsClick(QPoint) {
    return false;
}
void CLevelEditorDlg::OnSysCommand(unsigned) {}
void CLevelEditorDlg::OnLButtonDown(unsigned, QPoint) {}
void CLevelEditorDlg::OnLButtonUp(unsigned, QPoint) {}
void CLevelEditorDlg::OnRButtonDown(unsigned, QPoint) {}
void CLevelEditorDlg::OnRButtonUp(unsigned, QPoint) {}
void CLevelEditorDlg::OnMouseMove(unsigned, QPoint) {}
