#include "levelset/OutputFile.h"

#include "files/FileAccess.h"
#include "level/LevelFileName.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

// What an existing name is, when it is not a regular file.
const char* KindOfNonRegular(mode_t mode) {
    return S_ISLNK(mode)                    ? "a symbolic link"
           : S_ISDIR(mode)                  ? "a folder"
           : S_ISFIFO(mode)                 ? "a named pipe"
           : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
           : S_ISSOCK(mode)                 ? "a socket"
                                            : "not a regular file";
}

bool IsSameFile(const struct stat& output, const std::string& input) {
    struct stat status {};
    return ::stat(input.c_str(), &status) == 0 && status.st_dev == output.st_dev &&
           status.st_ino == output.st_ino;
}

} // namespace

std::optional<OutputTarget> CheckOutputPath(const std::string& output,
                                            const std::vector<std::string>& inputs, bool force,
                                            std::string& error) {
    if (const std::optional<int> level = LevelSetNumber(output.substr(output.rfind('/') + 1))) {
        error = "its name is that of level " + std::to_string(*level) +
                " of a level set, which a picture must never take, even with --force";
        return std::nullopt;
    }
    if (!force && !HasExtension(output, ".png")) {
        error = "its name does not end in .png: give --force to write it all the same";
        return std::nullopt;
    }
    struct stat status {};
    if (::lstat(output.c_str(), &status) != 0) {
        if (errno == ENOENT)
            return OutputTarget{};
        error = std::strerror(errno);
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        error = std::string("it is ") + KindOfNonRegular(status.st_mode) +
                ": only a new file or an existing regular file is written";
        return std::nullopt;
    }
    const auto input =
        std::find_if(inputs.begin(), inputs.end(),
                     [&status](const std::string& path) { return IsSameFile(status, path); });
    if (input != inputs.end()) {
        error = "it is the same file as the input " + *input;
        return std::nullopt;
    }
    return OutputTarget{status.st_mode & 07777};
}

bool WriteOutputFile(const std::string& output, const OutputTarget& target,
                     const std::string& bytes, std::string& error) {
    errno = 0;
    if (ReplaceFile(output, bytes, target.mode))
        return true;
    error = errno != 0 ? std::strerror(errno) : "the file could not be written";
    return false;
}
