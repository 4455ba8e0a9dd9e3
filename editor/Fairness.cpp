// Mirror painting and the Level Analysis window. The session applies the mirror to every tile
// placed, so the window only steps the mode; the analysis window reads the session itself.
#include "editor/LevelEditorDlg.h"

#include "editor/AnalysisWindow.h"
#include "editor/LevelView.h"

void CLevelEditorDlg::StepPaintMirror() {
    Session.SetPaintMirror(NextMirrorMode(Session.PaintMirror()));
}

// The window opens beside the editor the first time, and where it was left after that.
void CLevelEditorDlg::ToggleAnalysisWindow() {
    if (!Analysis) {
        Analysis = new AnalysisWindow(Session, this);
        connect(Analysis, &AnalysisWindow::FindingChosen, this, &CLevelEditorDlg::ShowCell);
        Analysis->move(frameGeometry().topRight() + QPoint(CompanionWindow::EditorGap, 0));
    }
    Analysis->setVisible(!Analysis->isVisible());
}

// The hover moves to the cell, framed unless it is a border cell, as the pointer would move it,
// and so does the cell cursor, which keyboard editing goes on from.
void CLevelEditorDlg::ShowCell(Cell cell) {
    View->PlaceCursor(cell);
    View->MoveHover(cell, !IsBorderCell(cell.column, cell.row));
    RefreshStatus();
}
