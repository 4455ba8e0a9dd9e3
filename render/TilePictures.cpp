#include "render/TilePictures.h"

#include "level/Level.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace render {

namespace {

// "<characters> c #RRGGBB": the colour a key stands for.
Pixel ColourOf(const char* line, int charsPerPixel) {
    const char* hash = std::strchr(line + charsPerPixel, '#');
    unsigned value = 0;
    if (!hash || std::sscanf(hash + 1, "%6x", &value) != 1)
        return Rgb(0, 0, 0);
    return 0xFF000000u | value;
}

// An XPM image given as its C array of strings, with colours written as "#RRGGBB"; a colour
// it cannot read and a pixel of no listed colour are black.
PixelBuffer DecodeXpm(const char* const* lines) {
    int width = 0, height = 0, colours = 0, charsPerPixel = 0;
    if (std::sscanf(lines[0], "%d %d %d %d", &width, &height, &colours, &charsPerPixel) != 4 ||
        width <= 0 || height <= 0 || charsPerPixel <= 0)
        return {};
    std::map<std::string, Pixel> palette;
    for (int colour = 1; colour <= colours; ++colour)
        palette[std::string(lines[colour], charsPerPixel)] = ColourOf(lines[colour], charsPerPixel);
    PixelBuffer picture(width, height, Rgb(0, 0, 0));
    for (int y = 0; y < height; ++y) {
        const char* row = lines[1 + colours + y];
        Pixel* to = picture.Data() + static_cast<std::ptrdiff_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            const auto found = palette.find(std::string(row + x * charsPerPixel, charsPerPixel));
            if (found != palette.end())
                to[x] = found->second;
        }
    }
    return picture;
}

} // namespace

const PixelBuffer& TilePicture(int tile) {
    static const std::array<PixelBuffer, TileCount> pictures = [] {
        std::array<PixelBuffer, TileCount> decoded;
        for (const TileKind& kind : TileTable)
            decoded[kind.code] = DecodeXpm(kind.picture);
        return decoded;
    }();
    return pictures[static_cast<std::size_t>(tile)];
}

} // namespace render
