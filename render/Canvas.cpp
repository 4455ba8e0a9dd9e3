#include "render/Canvas.h"

#include <algorithm>
#include <cmath>

namespace render {

namespace {

Rect Clipped(const Canvas& canvas, Rect rect) {
    return {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, canvas.width),
            std::min(rect.bottom, canvas.height)};
}

bool IsEmpty(const Rect& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

// The walk of source positions for count target pixels over sourceCount source pixels: the
// first position and the step, in 16.16 fixed point.
struct SampleWalk {
    SampleWalk(int count, int sourceCount)
        : Last(sourceCount - 1),
          Step(static_cast<std::uint32_t>(65536 * Scale(count, sourceCount))),
          Start(
              static_cast<std::uint32_t>(std::ceil(0.5 * Scale(count, sourceCount) * 65536) - 1)) {}

    // The source pixel of target pixel i.
    int operator[](int i) const {
        return std::min(static_cast<int>((Start + static_cast<std::uint32_t>(i) * Step) >> 16),
                        Last);
    }

private:
    static double Scale(int count, int sourceCount) { return double(sourceCount) / count; }
    int Last;
    std::uint32_t Step;
    std::uint32_t Start;
};

} // namespace

PixelBuffer::PixelBuffer(int width, int height, Pixel fill)
    : W(width), H(height), Pixels(static_cast<std::size_t>(width) * height, fill) {}

void FillRect(const Canvas& canvas, Rect rect, Pixel colour) {
    rect = Clipped(canvas, rect);
    if (IsEmpty(rect))
        return;
    for (int y = rect.top; y < rect.bottom; ++y)
        std::fill(canvas.Row(y) + rect.left, canvas.Row(y) + rect.right, colour);
}

void FrameRect(const Canvas& canvas, Rect rect, Pixel colour) {
    if (IsEmpty(rect))
        return;
    FillRect(canvas, {rect.left, rect.top, rect.right, rect.top + 1}, colour);
    FillRect(canvas, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    FillRect(canvas, {rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    FillRect(canvas, {rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void StretchPicture(const Canvas& canvas, Rect target, const PictureView& picture) {
    const Rect clipped = Clipped(canvas, target);
    if (IsEmpty(clipped) || picture.width <= 0 || picture.height <= 0)
        return;
    const SampleWalk columns(target.right - target.left, picture.width);
    const SampleWalk rows(target.bottom - target.top, picture.height);
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        const Pixel* from = picture.Row(rows[y - target.top]);
        Pixel* to = canvas.Row(y);
        for (int x = clipped.left; x < clipped.right; ++x)
            to[x] = from[columns[x - target.left]] | 0xFF000000u;
    }
}

PixelBuffer ScaledArea(const PictureView& picture, Rect area, int scale) {
    const int width = area.right - area.left;
    PixelBuffer scaled(width * scale, (area.bottom - area.top) * scale, 0);
    for (int y = 0; y < scaled.Height(); ++y) {
        const Pixel* from = picture.Row(area.top + y / scale) + area.left;
        Pixel* to = scaled.Data() + static_cast<std::ptrdiff_t>(y) * scaled.Width();
        for (int x = 0; x < width; ++x)
            std::fill_n(to + x * scale, scale, from[x]);
    }
    return scaled;
}

} // namespace render
