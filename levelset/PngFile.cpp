#include "levelset/PngFile.h"

#include <algorithm>
#include <csetjmp>
#include <new>
#include <png.h>
#include <vector>

namespace {

constexpr std::size_t TableSize = 256;

// The rows of a picture ready for libpng: colour indices, or R G B bytes.
struct EncodedRows {
    std::vector<render::Pixel> table;
    std::vector<png_byte> bytes;
    std::size_t rowBytes = 0;
};

// Neighbouring pixels mostly share their colour, so only a change of colour is looked up.
bool IndexRows(const render::PictureView& picture, EncodedRows& rows) {
    rows.rowBytes = static_cast<std::size_t>(picture.width);
    rows.bytes.resize(rows.rowBytes * picture.height);
    std::size_t index = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const render::Pixel pixel = picture.At(x, y) | 0xFF000000u;
            if (rows.table.empty() || rows.table[index] != pixel) {
                const auto found = std::find(rows.table.begin(), rows.table.end(), pixel);
                if (found == rows.table.end() && rows.table.size() == TableSize)
                    return false;
                index = static_cast<std::size_t>(found - rows.table.begin());
                if (found == rows.table.end())
                    rows.table.push_back(pixel);
            }
            rows.bytes[y * rows.rowBytes + x] = static_cast<png_byte>(index);
        }
    return true;
}

void RgbRows(const render::PictureView& picture, EncodedRows& rows) {
    rows.table.clear();
    rows.rowBytes = static_cast<std::size_t>(picture.width) * 3;
    rows.bytes.resize(rows.rowBytes * picture.height);
    png_byte* to = rows.bytes.data();
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const render::Pixel pixel = picture.At(x, y);
            *to++ = static_cast<png_byte>(pixel >> 16);
            *to++ = static_cast<png_byte>(pixel >> 8);
            *to++ = static_cast<png_byte>(pixel);
        }
}

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    try {
        static_cast<std::string*>(png_get_io_ptr(png))
            ->append(reinterpret_cast<char*>(data), length);
    } catch (const std::bad_alloc&) {
        png_error(png, "out of memory");
    }
}

void FlushNothing(png_structp) {}

// libpng reports a failure by a long jump back here, so nothing below owns memory of its own:
// the rows, the table and the output are made by the caller.
bool WritePng(png_structp png, png_infop info, const EncodedRows& rows,
              const std::vector<png_color>& palette, png_bytepp rowPointers, int width, int height,
              std::string& file) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, &file, AppendBytes, FlushNothing);
    const bool indexed = !rows.table.empty();
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (indexed)
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    png_set_rows(png, info, rowPointers);
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
}

} // namespace

std::optional<std::string> EncodePng(const render::PictureView& picture) {
    if (picture.width <= 0 || picture.height <= 0)
        return std::nullopt;
    EncodedRows rows;
    if (!IndexRows(picture, rows))
        RgbRows(picture, rows);
    std::vector<png_color> palette;
    for (const render::Pixel colour : rows.table)
        palette.push_back({static_cast<png_byte>(colour >> 16), static_cast<png_byte>(colour >> 8),
                           static_cast<png_byte>(colour)});
    std::vector<png_bytep> rowPointers;
    for (int y = 0; y < picture.height; ++y)
        rowPointers.push_back(rows.bytes.data() + y * rows.rowBytes);
    std::string file;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    const bool written = info && WritePng(png, info, rows, palette, rowPointers.data(),
                                          picture.width, picture.height, file);
    png_destroy_write_struct(&png, &info);
    if (!written)
        return std::nullopt;
    return file;
}
