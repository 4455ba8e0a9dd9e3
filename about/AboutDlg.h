#pragma once
// The About box: the icon, title, notice and credit lines, with no buttons. A left click
// anywhere on it, its lines and icon included, repaints the editor and closes it; a right click
// does nothing. Escape and Enter close it too, without the repaint. The crosshair cursor shows
// over all of it.
#include "platform/Dialog.h"
#include "platform/PaintedDialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CPaintedDialog* editor);

protected:
    void OnLButtonDown(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CPaintedDialog* Editor;
};
