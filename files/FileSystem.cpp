#include "files/FileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

std::string GetCurrentDirectory() {
    std::error_code error;
    fs::path current = fs::current_path(error);
    return error ? std::string() : current.string();
}

bool SetCurrentDirectory(const std::string& path) {
    if (path.empty())
        return false;
    std::error_code error;
    fs::current_path(path, error);
    return !error;
}

bool IsExistingDirectory(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty() || path.front() == PathSeparator)
        return path;
    const std::string current = GetCurrentDirectory();
    if (current.empty())
        return {};
    std::string_view name = path;
    while (name.starts_with("./"))
        name.remove_prefix(2);
    return JoinPath(current, std::string(name));
}

CurrentDirectoryMark::CurrentDirectoryMark()
    : Handle(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}

CurrentDirectoryMark::~CurrentDirectoryMark() {
    if (Handle >= 0)
        ::close(Handle);
}

bool CurrentDirectoryMark::Restore() const {
    return Handle >= 0 && ::fchdir(Handle) == 0;
}

std::string JoinPath(const std::string& directory, const std::string& name) {
    if (!directory.empty() && directory.back() == PathSeparator)
        return directory + name;
    return directory + PathSeparator + name;
}

std::string FolderOfPath(const std::string& path) {
    const auto separator = path.find_last_of(PathSeparator);
    if (separator == std::string::npos)
        return {};
    return separator == 0 ? path.substr(0, 1) : path.substr(0, separator);
}

bool MakePrivateFolders(const std::string& path) {
    for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string part = path.substr(0, end);
        if (::mkdir(part.c_str(), 0700) == 0)
            ::chmod(part.c_str(), 0700);
        else if (errno != EEXIST)
            return false;
        if (end == std::string::npos)
            return true;
    }
}
