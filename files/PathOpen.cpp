#include "files/PathOpen.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <string_view>

namespace {

// The start of a walk: the root for an absolute path, else the current folder.
Descriptor OpenWalkStart(std::string_view& rest) {
    if (!rest.starts_with('/'))
        return Descriptor(::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    while (rest.starts_with('/'))
        rest.remove_prefix(1);
    return Descriptor(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
}

// Opens a path too long for one call: the folders of each stretch shorter than PATH_MAX, then
// the rest relative to the last of them.
Descriptor OpenLongPath(const std::string& path, int flags, mode_t mode) {
    std::string_view rest = path;
    Descriptor folder = OpenWalkStart(rest);
    while (folder.valid() && rest.size() >= PATH_MAX) {
        const std::size_t cut = rest.substr(0, PATH_MAX - 1).rfind('/');
        if (cut == std::string_view::npos) {
            errno = ENAMETOOLONG; // one name longer than any file system takes
            return Descriptor();
        }
        const std::string stretch(rest.substr(0, cut));
        folder =
            Descriptor(::openat(folder.get(), stretch.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        rest.remove_prefix(cut);
        while (rest.starts_with('/'))
            rest.remove_prefix(1);
    }
    if (!folder.valid())
        return Descriptor();
    const std::string last = rest.empty() ? std::string(".") : std::string(rest);
    return Descriptor(::openat(folder.get(), last.c_str(), flags, mode));
}

} // namespace

Descriptor OpenPath(const std::string& path, int flags, mode_t mode) {
    Descriptor file(::open(path.c_str(), flags, mode));
    if (file.valid() || errno != ENAMETOOLONG)
        return file;
    return OpenLongPath(path, flags, mode);
}

FolderEntry OpenFolderOf(const std::string& path) {
    const std::size_t separator = path.rfind('/');
    FolderEntry entry;
    entry.name = separator == std::string::npos ? path : path.substr(separator + 1);
    if (entry.name.empty()) {
        errno = ENOENT;
        return entry;
    }
    const std::string folder = separator == std::string::npos ? std::string(".")
                               : separator == 0               ? std::string("/")
                                                              : path.substr(0, separator);
    entry.folder = OpenPath(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return entry;
}
