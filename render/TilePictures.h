#pragma once
// The eight tile pictures, 20 x 20 pixels each, decoded once from the XPM images of the tile
// table.
#include "render/Canvas.h"

namespace render {

// The picture of a tile code 0..7.
const PixelBuffer& TilePicture(int tile);

// An XPM image given as its C array of strings, with colours written as "#RRGGBB"; a colour
// it cannot read and a pixel of no listed colour are black.
PixelBuffer DecodeXpm(const char* const* lines);

} // namespace render
