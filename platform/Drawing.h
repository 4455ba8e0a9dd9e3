#pragma once
// Drawing with the classic conventions onto a surface (a window's client area, or a picture
// for a file): rectangles exclude their right and bottom edges, lines exclude their end point,
// bitmaps stretch by nearest neighbour. A fresh context has a black pen.
// Everything is clipped to the surface. The operations write the surface's pixels directly, so
// one small drawing operation costs a few hundred pixel writes and nothing more.
#include "render/Canvas.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>

// A colour stored as 0x00BBGGRR, as the settings file keeps the grid colour.
inline QColor StoredColour(std::uint32_t bbggrr) {
    return QColor(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

// A picture that drawing contexts draw into: plain pixels that the pure drawing code of render/
// paints, shown to Qt as an image over the same memory without a copy. A window that shows it
// overrides MarkChanged to learn which part a finished drawing operation changed.
class CDrawingSurface {
public:
    explicit CDrawingSurface(QSize size);
    virtual ~CDrawingSurface() = default;
    CDrawingSurface(const CDrawingSurface&) = delete;
    CDrawingSurface& operator=(const CDrawingSurface&) = delete;

    const QImage& Surface() const { return ClientSurface; }

protected:
    friend class CDC;
    virtual void MarkChanged(const QRect&) {}

    render::PixelBuffer Pixels;
    // Over Pixels' memory. A copy of it that someone keeps makes Qt give this image memory of
    // its own at the next drawing, as it does with any shared image; drawing goes on there.
    QImage ClientSurface;
};

// Pens and brushes keep their colour as the pixel value that the surface stores.
class CPen {
public:
    CPen() = default;
    explicit CPen(const QColor& colour) : Colour(colour.rgb()) {}
    render::Pixel Colour = render::Rgb(0, 0, 0);
};

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(const QColor& colour) : Colour(colour.rgb()) {}
    render::Pixel Colour = render::Rgb(0, 0, 0);
};

// A drawing context on a surface, held for one drawing operation. The surface learns what it
// drew when the context is destroyed.
class CDC {
public:
    explicit CDC(CDrawingSurface& surface);
    ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    void SelectPen(const CPen& pen) { Pen = pen; }

    void FillRect(const QRect& rect, const CBrush& brush);
    // The rectangle's outermost ring of pixels.
    void FrameRect(const QRect& rect, const CBrush& brush);
    // Outlined with the pen, filled with white.
    void Rectangle(int left, int top, int right, int bottom);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // The whole bitmap scaled into (x, y, width, height), copied without blending.
    void StretchBlt(int x, int y, int width, int height, const QImage& bitmap);
    // An image with transparency, such as an icon, blended onto the surface.
    void DrawImage(int x, int y, const QImage& image);
    // The surface's pixels for the pure drawing code, which may change the area given.
    const render::Canvas& PixelsToPaint(const QRect& area);

private:
    void Touch(const QRect& rect);

    CDrawingSurface& Target;
    render::Canvas Pixels;
    QRect Bounds;
    CPen Pen;
    QPoint Position;
    QRect Dirty;
};
