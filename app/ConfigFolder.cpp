#include "app/ConfigFolder.h"

#include "files/FileSystem.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

std::string ConfigFolderPath(const char* configHome, const char* home) {
    const std::string base = XdgFolder(configHome, home, "/.config");
    return base.empty() ? base : base + "/zapmaze-editor";
}

// A HOME that gives no folder leaves the home folder of the user database.
std::string ConfigFolderOfUser() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::string folder = ConfigFolderPath(configHome, std::getenv("HOME"));
    const passwd* user = folder.empty() ? ::getpwuid(::getuid()) : nullptr;
    return user ? ConfigFolderPath(configHome, user->pw_dir) : folder;
}

std::optional<std::string> EnterConfigFolder(const std::string& folder) {
    if (folder.empty())
        return "The editor's settings folder cannot be found: no home folder is known.";
    if (!MakePrivateFolders(folder) || ::chdir(folder.c_str()) != 0)
        return "The editor's settings folder " + folder +
               " cannot be made or entered: " + std::strerror(errno) + ".";
    return std::nullopt;
}
