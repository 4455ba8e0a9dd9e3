#pragma once
// Plain 32-bit pictures and the few ways of painting them that the level pictures need: solid
// areas, one-pixel frames, pictures stretched by nearest neighbour and text in a small built-in
// font. A pixel is 0xFFRRGGBB in the machine's byte order, the layout of Qt's 32-bit RGB images,
// so that a window can show the pixels where they are.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace render {

using Pixel = std::uint32_t;

constexpr Pixel Rgb(unsigned red, unsigned green, unsigned blue) {
    return 0xFF000000u | (red & 0xFFu) << 16 | (green & 0xFFu) << 8 | (blue & 0xFFu);
}

// Left and top included, right and bottom excluded.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Pixels owned elsewhere, to paint; stride counts pixels from one row to the next.
struct Canvas {
    Pixel* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
    Pixel* Row(int y) const { return pixels + y * stride; }
};

// Pixels owned elsewhere, to read.
struct PictureView {
    const Pixel* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
    const Pixel* Row(int y) const { return pixels + y * stride; }
    Pixel At(int x, int y) const { return Row(y)[x]; }
};

// A picture that owns its pixels, rows without gaps.
class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(int width, int height, Pixel fill);

    int Width() const { return W; }
    int Height() const { return H; }
    Pixel* Data() { return Pixels.data(); }
    const Pixel* Data() const { return Pixels.data(); }
    Canvas Paint() { return {Pixels.data(), W, H, W}; }
    PictureView View() const { return {Pixels.data(), W, H, W}; }
    Pixel At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * W + x]; }

private:
    int W = 0;
    int H = 0;
    std::vector<Pixel> Pixels;
};

// Each of these paints only inside the canvas, whatever the rectangle.
void FillRect(const Canvas& canvas, Rect rect, Pixel colour);
// A one-pixel border on the rectangle's outermost pixels.
void FrameRect(const Canvas& canvas, Rect rect, Pixel colour);
// The whole picture scaled into target, each pixel taking the picture's pixel under its centre
// (walked in 16.16 fixed point, as Qt's unsmoothed scaling walks it), copied as opaque.
void StretchPicture(const Canvas& canvas, Rect target, const PictureView& picture);
// The area of a picture, every pixel repeated scale times in each direction.
PixelBuffer ScaledArea(const PictureView& picture, Rect area, int scale);

// Text in a 5 x 7 font (descenders in an eighth row) enlarged by 2, one line, starting with its
// top-left corner at (x, y). Characters outside printable ASCII show as "?"; the text is cut at the
// canvas edge.
constexpr int TextHeight = 16;
constexpr int TextAdvance = 12;
void DrawText(const Canvas& canvas, int x, int y, std::string_view text, Pixel colour);
int TextWidth(std::string_view text);

} // namespace render
