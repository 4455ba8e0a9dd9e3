#include "about/AboutDlg.h"

#include "res/Resources.h"

#include <QPainter>

CAboutDlg::CAboutDlg(CPaintedDialog* editor) : CDialog(AboutTemplate()), Editor(editor) {
    setCursor(LoadCursorResource(CursorCrosshair));
}

bool CAboutDlg::OnInitDialog() {
    return true;
}

void CAboutDlg::OnLButtonDown(unsigned, QPoint) {
    Editor->RedrawWindow();
    EndDialog(IDCANCEL);
}

void CAboutDlg::paintEvent(QPaintEvent* event) {
    CDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
