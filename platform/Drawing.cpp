#include "platform/Drawing.h"

#include <QPainter>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// For each of `count` target pixels, the source pixel that it takes: the one under its centre,
// walked in 16.16 fixed point the way Qt's own unsmoothed scaling walks it, so that a bitmap
// looks the same whether it went through here or through a QPainter.
QVarLengthArray<int, 128> SampleIndices(int count, int sourceCount) {
    const double scale = double(sourceCount) / count;
    const auto step = static_cast<std::uint32_t>(65536 * scale);
    auto at = static_cast<std::uint32_t>(std::ceil(0.5 * scale * 65536) - 1);
    QVarLengthArray<int, 128> indices(count);
    for (int i = 0; i < count; ++i, at += step)
        indices[i] = std::min(static_cast<int>(at >> 16), sourceCount - 1);
    return indices;
}

} // namespace

CDC::CDC(CDrawingSurface& surface)
    : Target(surface), Bits(surface.ClientSurface.bits()),
      Stride(surface.ClientSurface.bytesPerLine()), Bounds(surface.ClientSurface.rect()) {}

CDC::~CDC() {
    Target.MarkChanged(Dirty);
}

void CDC::Touch(const QRect& rect) {
    Dirty = Dirty.united(rect & Bounds);
}

void CDC::FillArea(QRect area, QRgb colour) {
    area &= Bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::fill_n(Row(y) + area.left(), area.width(), colour);
    Touch(area);
}

void CDC::FillRect(const QRect& rect, const CBrush& brush) {
    if (rect.isEmpty())
        return;
    FillArea(rect, brush.Colour);
}

void CDC::FrameRect(const QRect& rect, const CBrush& brush) {
    if (rect.isEmpty())
        return;
    const QRgb colour = brush.Colour;
    FillArea(QRect(rect.left(), rect.top(), rect.width(), 1), colour);
    FillArea(QRect(rect.left(), rect.bottom(), rect.width(), 1), colour);
    FillArea(QRect(rect.left(), rect.top(), 1, rect.height()), colour);
    FillArea(QRect(rect.right(), rect.top(), 1, rect.height()), colour);
}

void CDC::Rectangle(int left, int top, int right, int bottom) {
    FillArea(QRect(QPoint(left + 1, top + 1), QPoint(right - 2, bottom - 2)), qRgb(255, 255, 255));
    FrameRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), CBrush(QColor(Pen.Colour)));
}

void CDC::MoveTo(int x, int y) {
    Position = QPoint(x, y);
}

// Bresenham's walk from the current position towards (x, y), which itself stays undrawn.
void CDC::LineTo(int x, int y) {
    const QRgb colour = Pen.Colour;
    const int dx = std::abs(x - Position.x());
    const int dy = -std::abs(y - Position.y());
    const int stepX = Position.x() < x ? 1 : -1;
    const int stepY = Position.y() < y ? 1 : -1;
    int error = dx + dy;
    QPoint at = Position;
    while (at != QPoint(x, y)) {
        if (Bounds.contains(at))
            Row(at.y())[at.x()] = colour;
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
    const QRect target = QRect(x, y, width, height) & Bounds;
    if (target.isEmpty() || bitmap.isNull())
        return;
    const QImage source =
        bitmap.depth() == 32 ? bitmap : bitmap.convertToFormat(QImage::Format_RGB32);
    const auto columns = SampleIndices(width, source.width());
    const auto rows = SampleIndices(height, source.height());
    for (int ty = target.top(); ty <= target.bottom(); ++ty) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(rows[ty - y]));
        QRgb* to = Row(ty);
        for (int tx = target.left(); tx <= target.right(); ++tx)
            to[tx] = from[columns[tx - x]] | 0xFF000000u;
    }
    Touch(target);
}

void CDC::DrawImage(int x, int y, const QImage& image) {
    QPainter painter(&Target.ClientSurface);
    painter.drawImage(x, y, image);
    Touch(QRect(QPoint(x, y), image.size()));
}
