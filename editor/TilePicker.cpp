#include "editor/TilePicker.h"

#include "editor/EditorGeometry.h"
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

// The tile's picture, shown without a copy of its pixels.
QImage TileImage(int tile) {
    const render::PixelBuffer& picture = render::TilePicture(tile);
    return QImage(reinterpret_cast<const uchar*>(picture.Data()), picture.Width(), picture.Height(),
                  picture.Width() * qsizetype(sizeof(render::Pixel)), QImage::Format_RGB32);
}

// A black outline with the tile's picture scaled into it.
void DrawFramedTile(QPainter& painter, const QRect& frame, int tile) {
    painter.fillRect(frame, Qt::black);
    painter.drawImage(frame.adjusted(1, 1, -1, -1), TileImage(tile));
}

} // namespace

TilePicker::TilePicker(QWidget* parent) : QWidget(parent) {
    setGeometry(PickerArea());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QStringLiteral("Tiles"));
    DescribeTiles();
}

int TilePicker::Tile(Qt::MouseButton button) const {
    return button == Qt::LeftButton ? LeftTile : RightTile;
}

void TilePicker::SetTile(Qt::MouseButton button, int tile) {
    int& held = button == Qt::LeftButton ? LeftTile : RightTile;
    if (held == tile)
        return;
    held = tile;
    DescribeTiles();
    update((FrameOf(FrontSwatch) | FrameOf(BackSwatch)).translated(-pos()));
}

void TilePicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.translate(-pos());
    for (int slot = 0; slot < TileCount; ++slot)
        DrawFramedTile(painter, FrameOf(PaletteSlots[slot]), slot);
    DrawFramedTile(painter, FrameOf(BackSwatch), RightTile);
    DrawFramedTile(painter, FrameOf(FrontSwatch), LeftTile);
}

void TilePicker::DescribeTiles() {
    setAccessibleDescription(QStringLiteral("Left button: %1. Right button: %2.")
                                 .arg(QString::fromStdString(TileName(LeftTile)),
                                      QString::fromStdString(TileName(RightTile))));
}
