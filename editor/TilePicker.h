#pragma once
// The palette of the eight tiles and the two swatches that show the tiles of the two mouse
// buttons: the left button's in front, the right button's behind it. It holds the two tiles;
// which press picks which is the window's one mouse handler's business, so it takes no mouse
// input of its own.
#include "level/Level.h"
#include "render/Canvas.h"

#include <QWidget>
#include <array>

class TilePicker : public QWidget {
    Q_OBJECT

public:
    explicit TilePicker(QWidget* parent);

    // The tile carried by `button`, the left or the right one.
    int Tile(Qt::MouseButton button) const;
    void SetTile(Qt::MouseButton button, int tile);

    // In the window's pixels: the frame of a palette box, and of the button's swatch.
    static QRect SlotFrame(int slot);
    static QRect SwatchFrame(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int LeftTile = SolidBlock;
    int RightTile = Floor;
    // The pictures shown, scaled once: the palette's, the front and the back swatch's.
    std::array<render::PixelBuffer, TileCount> Palette;
    render::PixelBuffer Front;
    render::PixelBuffer Back;
};
