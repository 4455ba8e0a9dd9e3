#pragma once
// The contact sheet of a level set: its ten levels in two rows of five, each labelled.
#include "level/Level.h"
#include "level/LevelFileName.h"
#include "render/Canvas.h"

#include <array>
#include <string>

struct SheetEntry {
    enum class State { Passes, Fails, Missing, Unreadable };
    std::string name;
    State state = State::Missing;
    LevelGrid grid{};
};

// Each level as the editor shows it with its grid lines, under its file name. A level that
// fails its check is framed in red and says so; a missing or unreadable one is a grey box
// saying which.
render::PixelBuffer RenderSheet(const std::array<SheetEntry, LevelSetSize>& entries);

// The picture fitted into size x size pixels with its aspect kept, by nearest neighbour: the
// longer side takes size pixels, the shorter side at least one.
render::PixelBuffer FittedPicture(const render::PictureView& picture, int size);
