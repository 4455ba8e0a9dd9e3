#include "editor/StatusLine.h"

#include <QPainter>

namespace {
// More distinct texts than the status line can ever show (one per cell and tile).
constexpr qsizetype MaxKeptLayouts = 4096;
} // namespace

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StatusLine::paintEvent(QPaintEvent*) {
    if (text().isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    painter.drawStaticText(contentsRect().topLeft(), LayoutOf(text()));
}

const QStaticText& StatusLine::LayoutOf(const QString& text) {
    if (const auto kept = Layouts.constFind(text); kept != Layouts.cend())
        return *kept;
    if (Layouts.size() >= MaxKeptLayouts)
        Layouts.clear();
    QStaticText layout(text);
    layout.setTextFormat(Qt::PlainText);
    layout.prepare(QTransform(), font());
    return *Layouts.insert(text, layout);
}
