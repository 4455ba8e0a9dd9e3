#include "files/PathOpen.h"

#include "files/FileSystem.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

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

// The kernel's rule for following a link (fs.protected_symlinks), whether or not the kernel
// applies it: a link owned by the follower is followed anywhere; otherwise not in a sticky
// folder that every user may write, unless the folder's owner owns the link too.
bool MayFollow(int folder, const std::string& name) {
    struct stat link {
    }, shared{};
    if (::fstatat(folder, name.c_str(), &link, AT_SYMLINK_NOFOLLOW) != 0 ||
        ::fstat(folder, &shared) != 0)
        return false;
    constexpr mode_t StickyAndOpen = S_ISVTX | S_IWOTH;
    return link.st_uid == ::geteuid() || (shared.st_mode & StickyAndOpen) != StickyAndOpen ||
           link.st_uid == shared.st_uid;
}

// What the link at path holds, as readlink(2): one call for a path that the kernel takes whole,
// the folder opened first for a longer one.
ssize_t ReadLink(const std::string& path, std::string& content) {
    if (path.size() < PATH_MAX) {
        const ssize_t length = ::readlink(path.c_str(), content.data(), content.size());
        if (length >= 0 || errno != ENAMETOOLONG)
            return length;
    }
    const FolderEntry entry = OpenFolderOf(path);
    return entry.folder.valid() ? ::readlinkat(entry.folder.get(), entry.name.c_str(),
                                               content.data(), content.size())
                                : -1;
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
    const std::string folder = FolderOfPath(path);
    entry.folder = OpenPath(folder.empty() ? "." : folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return entry;
}

std::optional<std::string> FollowLinks(const std::string& path) {
    constexpr int MostLinks = 40; // as many as the kernel follows in one path
    std::string target = path;
    for (int link = 0; link < MostLinks; ++link) {
        std::string content(PATH_MAX, '\0');
        const ssize_t length = ReadLink(target, content);
        if (length < 0)
            return target;
        const FolderEntry entry = OpenFolderOf(target);
        if (!entry.folder.valid() || !MayFollow(entry.folder.get(), entry.name))
            return std::nullopt;
        content.resize(static_cast<std::size_t>(length));
        const std::size_t separator = target.rfind('/');
        target = content.starts_with('/') || separator == std::string::npos
                     ? content
                     : target.substr(0, separator + 1) + content;
    }
    return target;
}
