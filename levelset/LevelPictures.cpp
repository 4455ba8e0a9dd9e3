#include "levelset/LevelPictures.h"

#include "render/GridPicture.h"

#include <algorithm>

namespace {

using namespace GridGeometry;

constexpr int PictureWidth = GridRight - GridLeft;
constexpr int PictureHeight = GridBottom - GridTop;
constexpr int SheetColumns = 5;
constexpr int SheetMargin = 12;
constexpr int LabelHeight = 22;
constexpr int FailFrameWidth = 3;

constexpr render::Pixel White = render::Rgb(255, 255, 255);
constexpr render::Pixel Black = render::Rgb(0, 0, 0);
constexpr render::Pixel FailColour = render::Rgb(200, 0, 0);
constexpr render::Pixel GreyColour = render::Rgb(200, 200, 200);

render::Rect SlotPicture(int index) {
    const int column = index % SheetColumns;
    const int row = index / SheetColumns;
    const int x = SheetMargin + column * (PictureWidth + SheetMargin);
    const int y = SheetMargin + LabelHeight + row * (LabelHeight + PictureHeight + SheetMargin);
    return {x, y, x + PictureWidth, y + PictureHeight};
}

// The grid area of one level copied into the picture's place.
void DrawLevel(const render::Canvas& sheet, const render::Rect& picture, const LevelGrid& grid) {
    const render::PixelBuffer level = render::RenderLevel(grid, render::GridLinesShown, 1);
    for (int y = 0; y < level.Height(); ++y)
        std::copy_n(level.Data() + static_cast<std::ptrdiff_t>(y) * level.Width(), level.Width(),
                    sheet.Row(picture.top + y) + picture.left);
}

void DrawGreyBox(const render::Canvas& sheet, const render::Rect& picture,
                 const std::string& word) {
    render::FillRect(sheet, picture, GreyColour);
    render::DrawText(sheet, (picture.left + picture.right - render::TextWidth(word)) / 2,
                     (picture.top + picture.bottom - render::TextHeight) / 2, word, Black);
}

// The label, cut to the picture's width.
void DrawLabel(const render::Canvas& sheet, const render::Rect& picture, std::string text,
               render::Pixel colour) {
    text.resize(std::min<std::size_t>(text.size(), PictureWidth / render::TextAdvance));
    render::DrawText(sheet, picture.left,
                     picture.top - LabelHeight + (LabelHeight - render::TextHeight) / 2, text,
                     colour);
}

// A level that fails is framed in red; a missing or unreadable one is a grey box. Every label but
// that of a passing level says which, in red.
void DrawEntry(const render::Canvas& sheet, const render::Rect& picture, const SheetEntry& entry) {
    using enum SheetEntry::State;
    if (entry.state == Passes || entry.state == Fails)
        DrawLevel(sheet, picture, entry.grid);
    if (entry.state == Passes)
        return DrawLabel(sheet, picture, entry.name, Black);
    const std::string word = entry.state == Fails     ? "fails the check"
                             : entry.state == Missing ? "missing"
                                                      : "unreadable";
    if (entry.state != Fails)
        DrawGreyBox(sheet, picture, word);
    for (int ring = 1; entry.state == Fails && ring <= FailFrameWidth; ++ring)
        render::FrameRect(
            sheet,
            {picture.left - ring, picture.top - ring, picture.right + ring, picture.bottom + ring},
            FailColour);
    DrawLabel(sheet, picture, entry.name + " (" + word + ")", FailColour);
}

} // namespace

render::PixelBuffer RenderSheet(const std::array<SheetEntry, LevelSetSize>& entries) {
    const int rows = static_cast<int>(entries.size()) / SheetColumns;
    render::PixelBuffer sheet(SheetMargin + SheetColumns * (PictureWidth + SheetMargin),
                              SheetMargin + rows * (LabelHeight + PictureHeight + SheetMargin),
                              White);
    for (int index = 0; index < static_cast<int>(entries.size()); ++index)
        DrawEntry(sheet.Paint(), SlotPicture(index), entries[index]);
    return sheet;
}

render::PixelBuffer FittedPicture(const render::PictureView& picture, int size) {
    const auto shorter = [size](int side, int longer) {
        return std::max(1, (side * size + longer / 2) / longer);
    };
    const int longer = std::max(picture.width, picture.height);
    const int width = shorter(picture.width, longer);
    const int height = shorter(picture.height, longer);
    render::PixelBuffer fitted(width, height, White);
    render::StretchPicture(fitted.Paint(), {0, 0, width, height}, picture);
    return fitted;
}
