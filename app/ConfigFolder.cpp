#include "app/ConfigFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* FolderName = "zapmaze-editor";

bool IsAbsolute(const char* path) {
    return path && path[0] == '/';
}

// Makes each missing folder on the way, private to the user whatever the umask.
bool MakeFolders(const std::string& folder) {
    for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        const std::string part = folder.substr(0, end);
        if (::mkdir(part.c_str(), 0700) == 0)
            ::chmod(part.c_str(), 0700);
        else if (errno != EEXIST)
            return false;
        if (end == std::string::npos)
            return true;
    }
}

} // namespace

std::string ConfigFolderPath(const char* configHome, const char* home) {
    if (IsAbsolute(configHome))
        return std::string(configHome) + "/" + FolderName;
    if (IsAbsolute(home))
        return std::string(home) + "/.config/" + FolderName;
    return {};
}

std::string HomeFolderOfUser() {
    const char* home = std::getenv("HOME");
    if (!IsAbsolute(home)) {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : nullptr;
    }
    return IsAbsolute(home) ? home : std::string();
}

std::string ConfigFolderOfUser() {
    const std::string home = HomeFolderOfUser();
    return ConfigFolderPath(std::getenv("XDG_CONFIG_HOME"), home.empty() ? nullptr : home.c_str());
}

std::optional<std::string> EnterConfigFolder(const std::string& folder) {
    if (folder.empty())
        return "The editor's settings folder cannot be found: no home folder is known.";
    if (!MakeFolders(folder) || ::chdir(folder.c_str()) != 0)
        return "The editor's settings folder " + folder +
               " cannot be made or entered: " + std::strerror(errno) + ".";
    return std::nullopt;
}
