#include "level/Mirror.h"

#include <algorithm>

std::vector<Cell> MirroredCells(Cell cell, MirrorMode mode) {
    std::vector<Cell> cells{cell};
    if (!mode)
        return cells;
    const auto add = [&cells](Cell image) {
        if (std::find(cells.begin(), cells.end(), image) == cells.end())
            cells.push_back(image);
    };
    if (*mode == Mirror::LeftRight || *mode == Mirror::Both)
        add(LeftRightImage(cell));
    if (*mode == Mirror::TopBottom || *mode == Mirror::Both)
        add(TopBottomImage(cell));
    if (*mode == Mirror::HalfTurn || *mode == Mirror::Both)
        add(HalfTurnImage(cell));
    return cells;
}

MirrorMode NextMirrorMode(MirrorMode mode) {
    if (!mode)
        return Mirrors.front();
    if (*mode == Mirrors.back())
        return std::nullopt;
    return Mirrors[static_cast<int>(*mode) + 1];
}

std::string MirrorName(MirrorMode mode) {
    if (!mode)
        return "off";
    constexpr std::array<const char*, 4> names = {"left-right", "top-bottom", "both", "half turn"};
    return names[static_cast<int>(*mode)];
}
