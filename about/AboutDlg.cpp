#include "about/AboutDlg.h"

#include "res/Resources.h"

#include <QPainter>

// The box's lines and icon take no mouse input and set no cursor of their own, so clicks reach
// the box and the crosshair shows over them as well.
CAboutDlg::CAboutDlg(CPaintedDialog* editor) : CDialog(AboutTemplate()), Editor(editor) {
    setCursor(LoadCursorResource(CursorCrosshair));
}

void CAboutDlg::OnLButtonDown(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) {
    Editor->RedrawWindow();
    EndDialog(QDialog::Rejected);
}

// The thin one-pixel border of a popup without a caption.
void CAboutDlg::paintEvent(QPaintEvent* event) {
    CDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
