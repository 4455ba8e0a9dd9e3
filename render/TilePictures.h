#pragma once
// The eight tile pictures, 20 x 20 pixels each, decoded once from the XPM images of the tile
// table.
#include "render/Canvas.h"

namespace render {

// The picture of a tile code 0..7.
const PixelBuffer& TilePicture(int tile);

} // namespace render
