#pragma once
// The About box: the icon, title, notice and credit lines, with no buttons. A left click
// anywhere repaints the editor and closes it; the crosshair cursor shows over all of it.
#include "platform/Dialog.h"
#include "platform/PaintedDialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CPaintedDialog* editor);

protected:
    bool OnInitDialog() override;
    void OnLButtonDown(unsigned flags, QPoint point) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CPaintedDialog* Editor;
};
