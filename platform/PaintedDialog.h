#pragma once
// A dialog whose client area is painted by the program. The picture lives in a persistent
// surface that the drawing operations change and that paint events only copy to the screen,
// so the picture after each handler is exactly what the handlers drew.
#include "platform/Dialog.h"
#include "platform/Drawing.h"

class CPaintedDialog : public CDialog, public CDrawingSurface {
public:
    explicit CPaintedDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);

    // Repaints the whole window at once: the surface is erased to the dialog's background
    // and OnPaint draws it again.
    void RedrawWindow();
    bool IsIconic() const { return isMinimized(); }

protected:
    // Draws the whole client area; runs at the first show and for every RedrawWindow.
    virtual void OnPaint() = 0;

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Brings a changed part of the surface to the screen once the running handler returns;
    // the parts changed meanwhile go with it as one rectangle.
    void MarkChanged(const QRect& rect) override;

    QRect PendingChange;
    bool Painted = false;
};
