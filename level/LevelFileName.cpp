#include "level/LevelFileName.h"

#include <algorithm>

namespace {

char AsciiUpper(char character) {
    return character >= 'a' && character <= 'z' ? static_cast<char>(character - 'a' + 'A')
                                                : character;
}

bool IsAsciiSpace(char character) {
    return character == ' ' || (character >= '\t' && character <= '\r');
}

bool IsDigit(char character) {
    return character >= '0' && character <= '9';
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

// The number at the start of text read as atoi reads it: leading white space, an optional
// sign, then decimal digits up to the first other character; no digits give 0. The texts read
// here are at most two characters long, so the value cannot overflow.
int LeadingNumber(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && IsAsciiSpace(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    int value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at)
        value = value * 10 + (text[at] - '0');
    return negative ? -value : value;
}

std::string BaseName(const std::string& path) {
    std::size_t separator = path.rfind('\\');
    if (separator == std::string::npos)
        separator = path.rfind('/');
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool IsLevelNumber(int number) {
    return number >= 1 && number <= LevelSetSize;
}

} // namespace

bool HasExtension(std::string_view name, std::string_view extension) {
    return name.size() >= extension.size() &&
           SameIgnoringCase(name.substr(name.size() - extension.size()), extension);
}

bool IsValidLevelFileName(const std::string& path) {
    if (!HasExtension(path, ".txt"))
        return false;
    const std::string base = BaseName(path.substr(0, path.size() - 4));
    return base.size() >= 2 && base.size() <= 3 && AsciiUpper(base[0]) == 'L' &&
           IsLevelNumber(LeadingNumber(base.substr(1)));
}

std::optional<int> LevelSetNumber(const std::string& name) {
    for (int number = 1; number <= LevelSetSize; ++number)
        if (SameIgnoringCase(name, "L" + std::to_string(number) + ".txt"))
            return number;
    return std::nullopt;
}
