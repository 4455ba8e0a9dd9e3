#pragma once
// A count and its noun, in the plural unless the count is one: "1 warning", "3 errors".
#include <string>
#include <string_view>

inline std::string Counted(int count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}
