#pragma once
// Pictures as PNG files, encoded with libpng.
#include "render/Canvas.h"

#include <optional>
#include <string>

// The PNG file of a picture: with a colour table when it has at most 256 colours, as the level
// pictures do (a third of the size, written several times faster), else 8-bit RGB. Nothing when
// libpng fails.
std::optional<std::string> EncodePng(const render::PictureView& picture);
