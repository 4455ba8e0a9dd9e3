#include "level/LevelFileName.h"

namespace {

constexpr int LastLevel = 10;

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

// The name without its ".txt" ending (any letter case), or nothing when it has none.
std::optional<std::string> TxtStem(const std::string& name) {
    const std::string extension = ".TXT";
    if (name.size() < extension.size())
        return std::nullopt;
    const std::size_t stem = name.size() - extension.size();
    for (std::size_t i = 0; i < extension.size(); ++i)
        if (AsciiUpper(name[stem + i]) != extension[i])
            return std::nullopt;
    return name.substr(0, stem);
}

// The text after "L" or "l" at its start, or nothing when it does not start so.
std::optional<std::string> AfterLevelLetter(const std::string& text) {
    if (text.empty() || AsciiUpper(text[0]) != 'L')
        return std::nullopt;
    return text.substr(1);
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
    return number >= 1 && number <= LastLevel;
}

} // namespace

bool HasTxtExtension(const std::string& name) {
    return TxtStem(name).has_value();
}

bool IsValidLevelFileName(const std::string& path) {
    const std::optional<std::string> stem = TxtStem(path);
    if (!stem)
        return false;
    const std::string base = BaseName(*stem);
    const std::optional<std::string> number = AfterLevelLetter(base);
    return number && base.size() >= 2 && base.size() <= 3 && IsLevelNumber(LeadingNumber(*number));
}

std::optional<int> LevelSetNumber(const std::string& name) {
    const std::optional<std::string> stem = TxtStem(name);
    const std::optional<std::string> digits = stem ? AfterLevelLetter(*stem) : std::nullopt;
    if (!digits || digits->empty() || digits->size() > 2 || (*digits)[0] == '0')
        return std::nullopt;
    for (const char character : *digits)
        if (!IsDigit(character))
            return std::nullopt;
    const int number = std::stoi(*digits);
    return IsLevelNumber(number) ? std::optional(number) : std::nullopt;
}
