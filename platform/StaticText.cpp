#include "platform/StaticText.h"

#include <QPainter>

namespace {
// More distinct texts than the status line can ever show (one per cell and tile).
constexpr qsizetype MaxKeptLayouts = 4096;
} // namespace

CStaticText::CStaticText(const QString& text, Qt::Alignment alignment, bool sunkenEdge,
                         QWidget* parent)
    : QFrame(parent), Text(text), Alignment(alignment) {
    if (sunkenEdge)
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CStaticText::setText(const QString& text) {
    if (text == Text)
        return;
    Text = text;
    update(contentsRect());
}

const QStaticText& CStaticText::LayoutOf(const QString& text) {
    if (const auto kept = Layouts.constFind(text); kept != Layouts.cend())
        return *kept;
    if (Layouts.size() >= MaxKeptLayouts)
        Layouts.clear();
    // A static text breaks its lines where the text has a line end.
    QStaticText layout(QString(text).replace(QLatin1Char('\n'), QChar::LineSeparator));
    layout.setTextFormat(Qt::PlainText);
    layout.setTextWidth(contentsRect().width());
    layout.setTextOption(QTextOption(Alignment));
    layout.prepare(QTransform(), font());
    return *Layouts.insert(text, layout);
}

void CStaticText::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (Text.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.setClipRect(contentsRect());
    painter.drawStaticText(contentsRect().topLeft(), LayoutOf(Text));
}
