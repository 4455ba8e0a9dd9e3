#pragma once
// The palette of the eight tiles and the two swatches that show the tiles of the two mouse
// buttons: the left button's in front, the right button's behind it. It holds the two tiles;
// which press picks which is the window's one mouse handler's business, so it takes no mouse
// input of its own.
#include "level/Level.h"

#include <QWidget>

class TilePicker : public QWidget {
    Q_OBJECT

public:
    explicit TilePicker(QWidget* parent);

    // The tile carried by `button`, the left or the right one.
    int Tile(Qt::MouseButton button) const;
    void SetTile(Qt::MouseButton button, int tile);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DescribeTiles();

    int LeftTile = SolidBlock;
    int RightTile = Floor;
};
