#pragma once
// Pictures of levels for files: one level's grid area exactly as the editor paints it, and a
// contact sheet of a whole level set.
#include "level/Level.h"

#include <QImage>
#include <array>
#include <string>

constexpr int MaxRenderScale = 10;

// The grid area (frame, grid lines, tile pictures) as the editor paints it, with black or
// hidden (floor green) grid lines, scaled by a whole factor with nearest neighbour.
QImage RenderLevel(const LevelGrid& grid, bool gridLines, int scale);

struct SheetEntry {
    enum class State { Passes, Fails, Missing };
    std::string name;
    State state = State::Missing;
    LevelGrid grid{};
};

// The ten levels in two rows of five, each labelled with its name; a level that fails its
// check is framed in red and says so, a missing one is a grey box saying so.
QImage RenderSheet(const std::array<SheetEntry, 10>& entries);

// Writes a PNG file in one step; on failure error says why and the previous file stays.
bool SavePng(const QImage& image, const std::string& path, std::string& error);
