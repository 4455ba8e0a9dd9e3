#include "level/PathTitle.h"

#include <algorithm>

namespace {

constexpr std::size_t LongTitlePath = 38;
constexpr int DotCount = 3;

std::size_t LastSeparator(const std::string& text) {
    const std::size_t slash = text.rfind('/');
    return slash != std::string::npos ? slash : text.rfind('\\');
}

// Paths are UTF-8: a character is a lead byte with the continuation bytes after it, so that
// shortening never splits one.
bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

std::size_t CharacterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char byte) { return !IsContinuationByte(byte); }));
}

// Where the character that ends just before `end` begins.
std::size_t StartOfCharacterBefore(const std::string& text, std::size_t end) {
    std::size_t start = end - 1;
    while (start > 0 && IsContinuationByte(text[start]))
        --start;
    return start;
}

} // namespace

std::string AbbreviatePathForTitle(std::string path) {
    // Eat the folder part from its end; stop when nothing is left before the last separator
    // (or there is none), since then no folder remains to shorten.
    while (CharacterCount(path) >= LongTitlePath) {
        const std::size_t separator = LastSeparator(path);
        if (separator == std::string::npos || separator == 0)
            break;
        const std::size_t start = StartOfCharacterBefore(path, separator);
        path.erase(start, separator - start);
    }
    std::size_t end = LastSeparator(path);
    if (end == std::string::npos)
        return path;
    // The three characters before the separator become dots; fewer where fewer stand there.
    for (int dot = 0; dot < DotCount && end > 0; ++dot) {
        const std::size_t start = StartOfCharacterBefore(path, end);
        path.replace(start, end - start, 1, '.');
        end = start;
    }
    return path;
}
