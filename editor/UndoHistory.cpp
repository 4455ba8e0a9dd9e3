// The strokes of the two mouse buttons and the undo and redo keys. A stroke ends only by its
// button's release, a move without that button, or a box that opens: the box takes the mouse,
// and the stroke up to there becomes one step. The steps themselves live in the session.
#include "editor/LevelEditorDlg.h"

#include <QGuiApplication>

// A new press ends any stroke still open, so that each stroke is a step of its own.
void CLevelEditorDlg::BeginStroke(Qt::MouseButton button) {
    EndStroke();
    Session.BeginStroke();
    StrokeButton = button;
}

void CLevelEditorDlg::EndStroke() {
    if (!Session.StrokeOpen())
        return;
    (StrokeButton == Qt::LeftButton ? LeftDrag : RightDrag) = false;
    StrokeButton = Qt::NoButton;
    Session.EndStroke();
}

void CLevelEditorDlg::EndStrokeOfButton(Qt::MouseButton button) {
    if (StrokeButton == button)
        EndStroke();
}

// Qt blocks the window while a modal box of the program is open.
bool CLevelEditorDlg::event(QEvent* event) {
    if (event->type() == QEvent::WindowBlocked)
        EndStroke();
    return CPaintedDialog::event(event);
}

bool CLevelEditorDlg::MouseButtonHeld() const {
    return Session.StrokeOpen() || QGuiApplication::mouseButtons() != Qt::NoButton;
}

void CLevelEditorDlg::OnUndo() {
    if (MouseButtonHeld() || !Session.CanUndo())
        return;
    Session.Undo();
    RefreshStatus();
}

void CLevelEditorDlg::OnRedo() {
    if (MouseButtonHeld() || !Session.CanRedo())
        return;
    Session.Redo();
    RefreshStatus();
}
