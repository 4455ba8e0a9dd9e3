#include "platform/PaintedDialog.h"

#include <QPaintEvent>
#include <QPainter>
#include <utility>

CPaintedDialog::CPaintedDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : CDialog(dialogTemplate, parent), CDrawingSurface(size()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CPaintedDialog::RedrawWindow() {
    ClientSurface.fill(palette().color(QPalette::Window));
    Painted = true;
    OnPaint();
    if (isVisible())
        repaint();
}

void CPaintedDialog::MarkChanged(const QRect& rect) {
    if (rect.isEmpty())
        return;
    if (PendingChange.isEmpty())
        QMetaObject::invokeMethod(
            this, [this] { update(std::exchange(PendingChange, QRect())); }, Qt::QueuedConnection);
    PendingChange |= rect;
}

void CPaintedDialog::showEvent(QShowEvent* event) {
    if (!Painted)
        RedrawWindow();
    CDialog::showEvent(event);
}

void CPaintedDialog::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), ClientSurface, event->rect());
}
