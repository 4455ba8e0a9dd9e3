#include "level/LevelFileName.h"

namespace {

// Upper case for ASCII letters only, whatever the process's locale.
std::string AsciiUpperCase(std::string text) {
    for (char& character : text)
        if (character >= 'a' && character <= 'z')
            character = static_cast<char>(character - 'a' + 'A');
    return text;
}

bool IsAsciiSpace(char character) {
    return character == ' ' || (character >= '\t' && character <= '\r');
}

bool IsDigit(char character) {
    return character >= '0' && character <= '9';
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

} // namespace

bool IsValidLevelFileName(const std::string& path) {
    return LevelFileNumber(path).has_value();
}

std::optional<int> LevelFileNumber(const std::string& path) {
    const std::string extension = ".TXT";
    std::string name = AsciiUpperCase(path);
    if (name.size() < extension.size() ||
        name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
        return std::nullopt;
    name.erase(name.rfind('.'));
    const std::string base = BaseName(name);
    if (base.size() < 2 || base.size() > 3 || base[0] != 'L')
        return std::nullopt;
    const int number = LeadingNumber(base.substr(1));
    if (number < 1 || number > 10)
        return std::nullopt;
    return number;
}

std::optional<int> LevelSetNumber(const std::string& name) {
    const std::string upper = AsciiUpperCase(name);
    for (int number = 1; number <= 10; ++number)
        if (upper == "L" + std::to_string(number) + ".TXT")
            return number;
    return std::nullopt;
}
