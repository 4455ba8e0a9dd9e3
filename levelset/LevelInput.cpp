#include "levelset/LevelInput.h"

#include <cerrno>
#include <unistd.h>

namespace {

FileStart ReadStandardInput(std::size_t maxBytes) {
    FileStart start;
    start.bytes.resize(maxBytes);
    std::size_t filled = 0;
    while (filled < maxBytes) {
        const ssize_t got = ::read(STDIN_FILENO, start.bytes.data() + filled, maxBytes - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {{}, errno == EISDIR ? ReadFailure::Folder : ReadFailure::ReadError};
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    start.bytes.resize(filled);
    return start;
}

} // namespace

bool IsStandardInput(const std::string& path) {
    return path == StandardInputPath;
}

FileStart ReadLevelInput(const std::string& path, std::size_t maxBytes) {
    return IsStandardInput(path) ? ReadStandardInput(maxBytes) : ReadFileStart(path, maxBytes);
}
