#pragma once
// The program's resources by numeric id: the icon, the tile bitmaps and the crosshair cursor.
// The icon and the cursor are XPM files compiled in under ":/res", the tile pictures those of
// render/.
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <array>

enum ResourceId : int {
    IconProgram = 128,
    BitmapSolidBlock = 129,
    BitmapBrick = 130,
    BitmapFloor = 132,
    BitmapPlayer1 = 133,
    BitmapPlayer2 = 134,
    BitmapPlayer3 = 135,
    BitmapPlayer4 = 136,
    BitmapPlayer5 = 137,
    CursorCrosshair = 142,
};

// A bitmap resource as an opaque RGB32 image; a null image for an id that is no bitmap.
QImage LoadBitmapResource(int id);

// An icon resource; a null icon for an id that is no icon.
QIcon LoadIconResource(int id);

// A cursor resource with its hot spot; the arrow cursor for an id that is no cursor.
QCursor LoadCursorResource(int id);

// The bitmap ids of the eight tiles, indexed by tile code.
std::array<int, 8> TileBitmapIds();
