#include "platform/Drawing.h"

#include "platform/PaintedDialog.h"

QColor ToQColor(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

CDC::CDC(CPaintedDialog& window) : Window(window), Painter(&window.ClientSurface) {}

CDC::~CDC() {
    Painter.end();
    if (!Dirty.isEmpty())
        Window.update(Dirty);
}

void CDC::Touch(const QRect& rect) {
    Dirty = Dirty.united(rect);
}

void CDC::FillRect(const RECT& rect, const CBrush& brush) {
    const QRect area(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
    Painter.fillRect(area, ToQColor(brush.Colour));
    Touch(area);
}

void CDC::FrameRect(const RECT& rect, const CBrush& brush) {
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    const QColor colour = ToQColor(brush.Colour);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    Painter.fillRect(rect.left, rect.top, width, 1, colour);
    Painter.fillRect(rect.left, rect.bottom - 1, width, 1, colour);
    Painter.fillRect(rect.left, rect.top, 1, height, colour);
    Painter.fillRect(rect.right - 1, rect.top, 1, height, colour);
    Touch(QRect(rect.left, rect.top, width, height));
}

void CDC::Rectangle(int left, int top, int right, int bottom) {
    if (right - left > 2 && bottom - top > 2)
        Painter.fillRect(left + 1, top + 1, right - left - 2, bottom - top - 2,
                         ToQColor(Brush.Colour));
    FrameRect({left, top, right, bottom}, CBrush(Pen.Colour));
}

void CDC::MoveTo(int x, int y) {
    Position = QPoint(x, y);
}

void CDC::LineTo(int x, int y) {
    const QPoint end(x, y);
    const QPoint delta = end - Position;
    if (delta.isNull())
        return;
    // Qt's lines include their end point; classic lines stop one pixel short of it.
    const bool mostlyHorizontal = std::abs(delta.x()) >= std::abs(delta.y());
    const QPoint lastPixel =
        mostlyHorizontal
            ? QPoint(x - (delta.x() > 0 ? 1 : -1), y - delta.y() / std::abs(delta.x()))
            : QPoint(x - delta.x() / std::abs(delta.y()), y - (delta.y() > 0 ? 1 : -1));
    Painter.setPen(QPen(ToQColor(Pen.Colour), 1));
    Painter.drawLine(Position, lastPixel);
    Touch(QRect(Position, lastPixel).normalized());
    Position = end;
}

void CDC::StretchBlt(int x, int y, int width, int height, const QImage& bitmap) {
    const QRect target(x, y, width, height);
    Painter.drawImage(target, bitmap);
    Touch(target);
}

void CDC::DrawImage(int x, int y, const QImage& image) {
    Painter.drawImage(x, y, image);
    Touch(QRect(QPoint(x, y), image.size()));
}
