#include "platform/Drawing.h"

#include <QPainter>
#include <cstdlib>

namespace {

render::Rect ToRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

// What a drawing changed: nothing for a rectangle without pixels.
QRect Changed(const QRect& rect) {
    return rect.isEmpty() ? QRect() : rect;
}

} // namespace

CDrawingSurface::CDrawingSurface(QSize size)
    : Pixels(size.width(), size.height(), render::Rgb(0, 0, 0)),
      ClientSurface(reinterpret_cast<uchar*>(Pixels.Data()), size.width(), size.height(),
                    size.width() * qsizetype(sizeof(render::Pixel)), QImage::Format_RGB32) {}

// bits() gives the image memory of its own first if a copy of it is kept elsewhere.
CDC::CDC(CDrawingSurface& surface)
    : Target(surface), Pixels{reinterpret_cast<render::Pixel*>(surface.ClientSurface.bits()),
                              surface.ClientSurface.width(), surface.ClientSurface.height(),
                              surface.ClientSurface.bytesPerLine() /
                                  qsizetype(sizeof(render::Pixel))},
      Bounds(surface.ClientSurface.rect()) {}

CDC::~CDC() {
    Target.MarkChanged(Dirty);
}

void CDC::Touch(const QRect& rect) {
    Dirty = Dirty.united(rect & Bounds);
}

const render::Canvas& CDC::PixelsToPaint(const QRect& area) {
    Touch(area);
    return Pixels;
}

void CDC::FillRect(const QRect& rect, const CBrush& brush) {
    render::FillRect(Pixels, ToRect(rect), brush.Colour);
    Touch(Changed(rect));
}

void CDC::FrameRect(const QRect& rect, const CBrush& brush) {
    render::FrameRect(Pixels, ToRect(rect), brush.Colour);
    Touch(Changed(rect));
}

void CDC::Rectangle(int left, int top, int right, int bottom) {
    const QRect inside(QPoint(left + 1, top + 1), QPoint(right - 2, bottom - 2));
    render::FillRect(Pixels, ToRect(inside), render::Rgb(255, 255, 255));
    Touch(Changed(inside));
    const QRect outline(QPoint(left, top), QPoint(right - 1, bottom - 1));
    render::FrameRect(Pixels, ToRect(outline), Pen.Colour);
    Touch(Changed(outline));
}

void CDC::MoveTo(int x, int y) {
    Position = QPoint(x, y);
}

// Bresenham's walk from the current position towards (x, y), which itself stays undrawn.
void CDC::LineTo(int x, int y) {
    const render::Pixel colour = Pen.Colour;
    const int dx = std::abs(x - Position.x());
    const int dy = -std::abs(y - Position.y());
    const int stepX = Position.x() < x ? 1 : -1;
    const int stepY = Position.y() < y ? 1 : -1;
    int error = dx + dy;
    QPoint at = Position;
    while (at != QPoint(x, y)) {
        if (Bounds.contains(at))
            Pixels.Row(at.y())[at.x()] = colour;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            at.rx() += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            at.ry() += stepY;
        }
    }
    Touch(QRect(Position, QPoint(x, y)).normalized());
    Position = QPoint(x, y);
}

void CDC::StretchBlt(int x, int y, int width, int height, const QImage& bitmap) {
    if (bitmap.isNull())
        return;
    const QImage source =
        bitmap.depth() == 32 ? bitmap : bitmap.convertToFormat(QImage::Format_RGB32);
    const render::PictureView picture{reinterpret_cast<const render::Pixel*>(source.constBits()),
                                      source.width(), source.height(),
                                      source.bytesPerLine() / qsizetype(sizeof(render::Pixel))};
    render::StretchPicture(Pixels, {x, y, x + width, y + height}, picture);
    Touch(QRect(x, y, width, height));
}

void CDC::DrawImage(int x, int y, const QImage& image) {
    QPainter painter(&Target.ClientSurface);
    painter.drawImage(x, y, image);
    Touch(QRect(QPoint(x, y), image.size()));
}
