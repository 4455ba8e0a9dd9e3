#include "level/PathTitle.h"

namespace {

constexpr std::size_t LongTitlePath = 38;
constexpr std::size_t DotCount = 3;

std::size_t LastSeparator(const std::string& text) {
    const std::size_t slash = text.rfind('/');
    return slash != std::string::npos ? slash : text.rfind('\\');
}

} // namespace

std::string AbbreviatePathForTitle(std::string path) {
    // Eat the folder part from its end; stop when nothing is left before the last separator
    // (or there is none), since then no folder remains to shorten.
    while (path.size() >= LongTitlePath) {
        const std::size_t separator = LastSeparator(path);
        if (separator == std::string::npos || separator == 0)
            break;
        path.erase(separator - 1, 1);
    }
    const std::size_t separator = LastSeparator(path);
    if (separator != std::string::npos) {
        const std::size_t first = separator >= DotCount ? separator - DotCount : 0;
        for (std::size_t at = first; at < separator; ++at)
            path[at] = '.';
    }
    return path;
}
