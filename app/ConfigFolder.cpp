#include "app/ConfigFolder.h"

#include "files/FileSystem.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr const char* FolderName = "zapmaze-editor";

bool IsAbsolute(const char* path) {
    return path && path[0] == '/';
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
    if (!MakePrivateFolders(folder) || ::chdir(folder.c_str()) != 0)
        return "The editor's settings folder " + folder +
               " cannot be made or entered: " + std::strerror(errno) + ".";
    return std::nullopt;
}
