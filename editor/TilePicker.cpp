#include "editor/TilePicker.h"

#include "editor/EditorGeometry.h"
#include "editor/GridAccessible.h"
#include "render/TilePictures.h"

#include <QPainter>

using namespace EditorGeometry;

namespace {

QRect FrameOf(const Swatch& swatch) {
    return QRect(QPoint(swatch.left, swatch.top), QPoint(swatch.right - 1, swatch.bottom - 1));
}

QRect FrameOf(PixelPoint slot) {
    return QRect(slot.x, slot.y, PaletteBoxSize, PaletteBoxSize);
}

// The palette boxes and both swatches, in the window's pixels.
QRect PickerArea() {
    QRect area = FrameOf(FrontSwatch) | FrameOf(BackSwatch);
    for (const PixelPoint slot : PaletteSlots)
        area |= FrameOf(slot);
    return area;
}

// The tile's picture scaled by render/ into the inside of a frame, as the grid's cells are.
render::PixelBuffer PictureInside(const QRect& frame, int tile) {
    const int width = frame.width() - 2, height = frame.height() - 2;
    render::PixelBuffer picture(width, height, render::Rgb(0, 0, 0));
    render::StretchPicture(picture.Paint(), {0, 0, width, height},
                           render::TilePicture(tile).View());
    return picture;
}

// A black outline with the picture inside it, shown without a copy of its pixels.
void DrawFramed(QPainter& painter, const QRect& frame, const render::PixelBuffer& picture) {
    painter.fillRect(frame, Qt::black);
    const QImage image(reinterpret_cast<const uchar*>(picture.Data()), picture.Width(),
                       picture.Height(), picture.Width() * qsizetype(sizeof(render::Pixel)),
                       QImage::Format_RGB32);
    painter.drawImage(frame.topLeft() + QPoint(1, 1), image);
}

} // namespace

TilePicker::TilePicker(QWidget* parent)
    : QWidget(parent), Front(PictureInside(FrameOf(FrontSwatch), LeftTile)),
      Back(PictureInside(FrameOf(BackSwatch), RightTile)) {
    for (int slot = 0; slot < TileCount; ++slot)
        Palette[slot] = PictureInside(FrameOf(PaletteSlots[slot]), slot);
    setGeometry(PickerArea());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QStringLiteral("Tile picker"));
}

int TilePicker::Tile(Qt::MouseButton button) const {
    return button == Qt::LeftButton ? LeftTile : RightTile;
}

void TilePicker::SetTile(Qt::MouseButton button, int tile) {
    const bool left = button == Qt::LeftButton;
    int& held = left ? LeftTile : RightTile;
    if (held == tile)
        return;
    held = tile;
    (left ? Front : Back) = PictureInside(FrameOf(left ? FrontSwatch : BackSwatch), tile);
    AnnounceButtonTile(this, button);
    update((FrameOf(FrontSwatch) | FrameOf(BackSwatch)).translated(-pos()));
}

void TilePicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.translate(-pos());
    for (int slot = 0; slot < TileCount; ++slot)
        DrawFramed(painter, FrameOf(PaletteSlots[slot]), Palette[slot]);
    DrawFramed(painter, FrameOf(BackSwatch), Back);
    DrawFramed(painter, FrameOf(FrontSwatch), Front);
}

QRect TilePicker::SlotFrame(int slot) {
    return FrameOf(PaletteSlots[slot]);
}

QRect TilePicker::SwatchFrame(Qt::MouseButton button) {
    return FrameOf(button == Qt::LeftButton ? FrontSwatch : BackSwatch);
}
