#pragma once
// Where things are in the editor's client area, in pixels, and the pure hit tests that turn a
// client point into a grid cell, a palette slot or a swatch. The grid's own measures are those
// of render/, which paints it.
#include "level/Level.h"
#include "render/GridPicture.h"

#include <array>
#include <optional>

struct PixelPoint {
    int x;
    int y;
};

namespace EditorGeometry {

using namespace GridGeometry;

constexpr int HitMapWidth = GridColumns * CellPitch; // 300
constexpr int HitMapHeight = GridRows * CellPitch;   // 260
constexpr int PaletteBoxSize = 21;

constexpr int ClientWidth = 519;
constexpr int ClientHeight = 297;

// Top-left corners of the eight palette boxes; slot i offers tile code i.
constexpr std::array<PixelPoint, TileCount> PaletteSlots = {{
    {400, 24},
    {427, 24},
    {454, 24},
    {481, 24},
    {400, 51},
    {427, 51},
    {454, 51},
    {481, 51},
}};

// A swatch's frame (left, top, right, bottom; right and bottom exclusive): a one-pixel outline
// round the 90 x 90 image of the tile it shows. The front swatch covers the back one's top-left.
struct Swatch {
    int left, top, right, bottom;
};
constexpr Swatch BackSwatch{339, 140, 431, 232};
constexpr Swatch FrontSwatch{314, 115, 406, 207};

using CellHitTable = std::array<std::array<Cell, HitMapHeight>, HitMapWidth>;

// The cell under a client point, by one bounds test and one read of the hit map; none on the
// grid's outer frame and outside it.
std::optional<Cell> CellAt(const CellHitTable& hitMap, int x, int y);
std::optional<int> PaletteSlotAt(int x, int y);
// Inside the front swatch's image, its first row and column left out.
bool HitsFrontSwatch(int x, int y);
// Only the part of the back swatch's image that the front swatch and its frame leave visible.
bool HitsBackSwatch(int x, int y);

// Fills the per-pixel map by the counter walk over columns and rows.
void BuildCellHitMap(CellHitTable& hitMap);

} // namespace EditorGeometry
