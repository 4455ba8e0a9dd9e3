#include "files/StandardOutput.h"

#include <cerrno>
#include <cstring>

bool WriteAndFlush(std::FILE* stream, std::string_view text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

std::string OutputFailedLine(std::string_view program) {
    return std::string(program) + ": cannot write the output: " + std::strerror(errno) + '\n';
}
