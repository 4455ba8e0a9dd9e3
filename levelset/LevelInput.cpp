#include "levelset/LevelInput.h"

#include <cerrno>
#include <unistd.h>

namespace {

FileStart ReadStandardInput(std::size_t maxBytes) {
    FileStart start;
    if (!ReadUpTo(STDIN_FILENO, start.bytes, maxBytes))
        start = {{}, errno == EISDIR ? ReadFailure::Folder : ReadFailure::ReadError};
    return start;
}

} // namespace

bool IsStandardInput(const std::string& path) {
    return path == StandardInputPath;
}

FileStart ReadLevelInput(const std::string& path, std::size_t maxBytes) {
    return IsStandardInput(path) ? ReadStandardInput(maxBytes) : ReadFileStart(path, maxBytes);
}
