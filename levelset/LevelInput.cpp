#include "levelset/LevelInput.h"

#include "level/LevelText.h"

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

InputLevel ReadInputLevel(const std::string& path) {
    const FileStart start = ReadLevelInput(path, LongestLevelFile);
    InputLevel input{start.failure, LevelGrid{}, {}};
    ResetToDefaultLevel(*input.grid, input.starts);
    if (start.failure != ReadFailure::None ||
        ReadLevelBytes(start.bytes, *input.grid, input.starts).tiles == 0)
        input.grid.reset();
    return input;
}
