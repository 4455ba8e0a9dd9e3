#pragma once
// Where things are in the editor's client area, in pixels, and the pure hit tests that turn a
// client point into a grid cell, a palette slot or a swatch.
#include "level/Level.h"
#include "render/GridPicture.h"

#include <array>
#include <optional>

struct PixelPoint {
    int x;
    int y;
};

namespace EditorGeometry {

// The grid's own measures, shared with the pure grid drawing.
using GridGeometry::CellImageSize;
using GridGeometry::CellPitch;
using GridGeometry::GridBottom;
using GridGeometry::GridLeft;
using GridGeometry::GridOffset;
using GridGeometry::GridRight;
using GridGeometry::GridTop;
constexpr int HitMapWidth = GridColumns * CellPitch; // 300
constexpr int HitMapHeight = GridRows * CellPitch;   // 260
constexpr int PaletteBoxSize = 21;
constexpr int SwatchImageSize = 90;

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

// Frame rectangles (left, top, right, bottom; right and bottom exclusive) and image corners.
struct Swatch {
    int left, top, right, bottom;
    PixelPoint image;
};
constexpr Swatch BackSwatch{339, 140, 431, 232, {340, 141}};
constexpr Swatch FrontSwatch{314, 115, 406, 207, {315, 116}};

using CellOriginTable = std::array<std::array<PixelPoint, GridRows>, GridColumns>;
using CellHitTable = std::array<std::array<Cell, HitMapHeight>, HitMapWidth>;

// The cell under a client point, by one bounds test and one read of the hit map; none on the
// grid's outer frame and outside it.
std::optional<Cell> CellAt(const CellHitTable& hitMap, int x, int y);
std::optional<int> PaletteSlotAt(int x, int y);
bool HitsFrontSwatch(int x, int y);
// Only the part of the back swatch that the front swatch and its frame leave visible.
bool HitsBackSwatch(int x, int y);

// Fills the per-pixel map by the counter walk over columns and rows.
void BuildCellHitMap(CellHitTable& hitMap);
PixelPoint CellOrigin(int column, int row);

} // namespace EditorGeometry
