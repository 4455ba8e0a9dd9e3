#pragma once
// The mirrors of the grid, one definition for the symmetry shares of the analysis and for
// mirror painting: left-right maps column c to 14 - c, top-bottom row r to 12 - r, the half turn
// does both at once, and "both" joins the two mirrors, so that a cell has all three images.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "level/Level.h"

// In the order that mirror painting steps through them, which is also the order of the shares.
enum class Mirror { LeftRight, TopBottom, Both, HalfTurn };
inline constexpr std::array<Mirror, 4> Mirrors = {Mirror::LeftRight, Mirror::TopBottom,
                                                  Mirror::Both, Mirror::HalfTurn};

// What painting mirrors: none (off) or one of the mirrors.
using MirrorMode = std::optional<Mirror>;

constexpr Cell LeftRightImage(Cell cell) {
    return {GridColumns - 1 - cell.column, cell.row};
}
constexpr Cell TopBottomImage(Cell cell) {
    return {cell.column, GridRows - 1 - cell.row};
}
constexpr Cell HalfTurnImage(Cell cell) {
    return LeftRightImage(TopBottomImage(cell));
}

// The cell itself first, then each of its images under the mode that is another cell, once:
// a cell on an axis is its own image. With the mode off, the cell alone.
std::vector<Cell> MirroredCells(Cell cell, MirrorMode mode);

// The mode after this one as mirror painting steps: off, left-right, top-bottom, both, half
// turn, off.
MirrorMode NextMirrorMode(MirrorMode mode);

// "left-right", "top-bottom", "both", "half turn"; "off" for no mirror.
std::string MirrorName(MirrorMode mode);
