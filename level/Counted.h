#pragma once
// Pieces of the texts that report on levels: a count with its noun, and text made by snprintf.
#include <cstdio>
#include <string>
#include <string_view>

// A count and its noun, in the plural unless the count is one: "1 warning", "3 errors".
inline std::string Counted(int count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

// The values written by snprintf's format, up to 159 bytes: columns of a table, hex codes.
std::string Printed(const char* format, auto... values) {
    char text[160];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}
