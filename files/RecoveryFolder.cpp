#include "files/RecoveryFolder.h"

#include "files/FileSystem.h"
#include "files/FolderListing.h"
#include "files/RandomId.h"
#include "files/ReadFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::string_view LevelExtension = ".recovery";
constexpr std::string_view LockExtension = ".lock";
constexpr const char* UnreadableFolder = "unreadable";
constexpr std::string_view BelowStateFolder = "/zapmaze-editor/recovery";
constexpr mode_t FolderMode = 0700;
constexpr mode_t FileMode = 0600;
constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// The level file holds at most this many bytes; reading stops there.
constexpr std::size_t MaxLevelFileBytes = 8192;
// Folders inside unreadable/ are removed down to this depth; deeper ones stay.
constexpr int DeepestRemovedFolder = 16;

bool IsAbsolute(const char* path) {
    return path && path[0] == '/';
}

// $XDG_STATE_HOME, or ~/.local/state; empty when neither gives an absolute folder.
std::string StateFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    if (IsAbsolute(state))
        return state;
    if (IsAbsolute(home))
        return std::string(home) + "/.local/state";
    return {};
}

Descriptor Duplicate(int fd) {
    return Descriptor(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
}

// Why an opened folder may not hold recovery files, or nothing when it may.
std::string ProblemOf(int folder, const std::string& path) {
    struct stat status {};
    if (::fstat(folder, &status) != 0)
        return path + " cannot be examined: " + std::strerror(errno);
    if (status.st_uid != ::geteuid())
        return path + " belongs to another user";
    if ((status.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(status.st_mode & 07777));
        return path + " may be written by other users (its mode is " + mode + ")";
    }
    return {};
}

// Why a folder could not be opened: it is a link, no folder, or the error says.
std::string OpenProblem(int parent, const std::string& name, const std::string& path, int error) {
    struct stat status {};
    if (::fstatat(parent, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(status.st_mode))
            return path + " is a symbolic link";
        if (!S_ISDIR(status.st_mode))
            return path + " is not a folder";
    }
    return path + " cannot be opened: " + std::strerror(error);
}

// Opens one folder below an open one, making it when it is missing.
Descriptor OpenOrMakeFolderAt(int parent, const std::string& name) {
    if (::mkdirat(parent, name.c_str(), FolderMode) != 0 && errno != EEXIST)
        return Descriptor();
    return Descriptor(::openat(parent, name.c_str(), FolderFlags));
}

// The names of the folders from the state folder down to path: the first is the state folder's
// own path, or path itself when it does not lie below the state folder.
std::vector<std::string> FoldersToCheck(const std::string& path) {
    const std::string state = StateFolder();
    if (state.empty() || !path.starts_with(state + "/") || path.size() <= state.size() + 1)
        return {path};
    std::vector<std::string> folders = {state};
    for (std::size_t start = state.size() + 1; start <= path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        if (end > start)
            folders.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return folders;
}

// Opens and locks the lock file without waiting; invalid when another process holds it, or it is
// not this user's regular file. A lock file that its owner removed while this process waited
// for it no longer names the slot.
Descriptor LockSlotFile(int folder, const std::string& name, int extraFlags) {
    Descriptor lock(::openat(folder, name.c_str(),
                             O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | extraFlags,
                             FileMode));
    struct stat opened {
    }, named{};
    if (!lock.valid() || ::flock(lock.get(), LOCK_EX | LOCK_NB) != 0 ||
        ::fstat(lock.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        opened.st_uid != ::geteuid() ||
        ::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        opened.st_ino != named.st_ino || opened.st_dev != named.st_dev)
        return Descriptor();
    return lock;
}

std::optional<std::string> SlotIdOf(std::string_view name) {
    for (const std::string_view extension : {LevelExtension, LockExtension})
        if (name.size() > extension.size() && name.ends_with(extension) && name[0] != '.')
            return std::string(name.substr(0, name.size() - extension.size()));
    return std::nullopt;
}

// Removes a file, or a folder with everything in it, never following a link.
void RemoveEntry(int folder, const std::string& name, int depth) {
    if (::unlinkat(folder, name.c_str(), 0) == 0 || errno != EISDIR || depth == 0)
        return;
    const Descriptor inside(::openat(folder, name.c_str(), FolderFlags));
    if (!inside.valid())
        return;
    for (const std::string& child : NamesIn(inside.get()))
        RemoveEntry(inside.get(), child, depth - 1);
    ::unlinkat(folder, name.c_str(), AT_REMOVEDIR);
}

// Keeps the newest few of the small regular files of this user in unreadable/ and removes
// everything else there: older files, larger ones, folders, devices, pipes and links.
void PruneUnreadable(int aside) {
    std::vector<std::pair<struct timespec, std::string>> kept;
    for (const std::string& name : NamesIn(aside)) {
        struct stat status {};
        if (::fstatat(aside, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
            static_cast<std::size_t>(status.st_size) <= LargestUnreadableFile)
            kept.emplace_back(status.st_mtim, name);
        else
            RemoveEntry(aside, name, DeepestRemovedFolder);
    }
    std::sort(kept.begin(), kept.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first.tv_sec, a.first.tv_nsec) >
               std::tie(b.first.tv_sec, b.first.tv_nsec);
    });
    for (std::size_t index = KeptUnreadableFiles; index < kept.size(); ++index)
        ::unlinkat(aside, kept[index].second.c_str(), 0);
}

} // namespace

std::string RecoveryFolderPath() {
    const std::string state = StateFolder();
    return state.empty() ? std::string() : state + std::string(BelowStateFolder);
}

RecoveryFolder RecoveryFolder::Open(const std::string& path) {
    RecoveryFolder folder;
    folder.Where = path;
    if (path.empty()) {
        folder.Why = "there is no folder for it: neither XDG_STATE_HOME nor HOME names one";
        return folder;
    }
    const std::vector<std::string> parts = FoldersToCheck(path);
    std::string reached = parts.front();
    if (!MakePrivateFolders(reached)) {
        folder.Why = reached + " cannot be made: " + std::strerror(errno);
        return folder;
    }
    Descriptor current(::open(reached.c_str(), FolderFlags));
    std::string problem = current.valid() ? ProblemOf(current.get(), reached)
                                          : OpenProblem(AT_FDCWD, reached, reached, errno);
    for (std::size_t index = 1; index < parts.size() && problem.empty(); ++index) {
        reached += "/" + parts[index];
        Descriptor next = OpenOrMakeFolderAt(current.get(), parts[index]);
        problem = next.valid() ? ProblemOf(next.get(), reached)
                               : OpenProblem(current.get(), parts[index], reached, errno);
        current = std::move(next);
    }
    if (problem.empty())
        folder.Folder = std::move(current);
    folder.Why = std::move(problem);
    return folder;
}

std::vector<std::string> ListRecoverySlots(const RecoveryFolder& folder) {
    std::set<std::string> ids;
    if (folder.Usable())
        for (const std::string& name : NamesIn(folder.Fd()))
            if (const std::optional<std::string> id = SlotIdOf(name))
                ids.insert(*id);
    return {ids.begin(), ids.end()};
}

std::optional<RecoverySlot> RecoverySlot::Create(const RecoveryFolder& folder) {
    if (!folder.Usable())
        return std::nullopt;
    constexpr int attempts = 10;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        RecoverySlot slot(Duplicate(folder.Fd()),
                          std::to_string(::getpid()) + "-" + std::to_string(RandomId()));
        slot.Lock = LockSlotFile(slot.Folder.get(), slot.NameOf(LockExtension), O_EXCL);
        if (slot.Lock.valid())
            return slot;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<RecoverySlot> RecoverySlot::Claim(const RecoveryFolder& folder,
                                                const std::string& id) {
    if (!folder.Usable())
        return std::nullopt;
    RecoverySlot slot(Duplicate(folder.Fd()), id);
    slot.Lock = LockSlotFile(slot.Folder.get(), slot.NameOf(LockExtension), 0);
    if (!slot.Lock.valid())
        return std::nullopt;
    return slot;
}

bool RecoverySlot::HasLevelFile() const {
    struct stat status {};
    return ::fstatat(Folder.get(), NameOf(LevelExtension).c_str(), &status, AT_SYMLINK_NOFOLLOW) ==
           0;
}

std::optional<std::string> RecoverySlot::Read() const {
    const Descriptor file(::openat(Folder.get(), NameOf(LevelExtension).c_str(),
                                   O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_uid != ::geteuid())
        return std::nullopt;
    std::string bytes;
    if (!ReadUpTo(file.get(), bytes, MaxLevelFileBytes))
        return std::nullopt;
    return bytes;
}

ReplaceResult RecoverySlot::Write(std::string_view bytes) const {
    return ReplaceFileAt(Folder.get(), NameOf(LevelExtension), bytes, FileMode);
}

void RecoverySlot::RemoveLevelFile() const {
    ::unlinkat(Folder.get(), NameOf(LevelExtension).c_str(), 0);
}

// The lock file goes last, while still locked, so that no other editor finds a level file
// without its lock.
void RecoverySlot::Discard() {
    RemoveLevelFile();
    ::unlinkat(Folder.get(), NameOf(LockExtension).c_str(), 0);
    Lock = Descriptor();
}

// A file that cannot be moved stays where it is, and the next start tries again. Whatever
// stands at unreadable/ that is no folder makes way for one.
void RecoverySlot::MoveAside() {
    Descriptor aside = OpenOrMakeFolderAt(Folder.get(), UnreadableFolder);
    if (!aside.valid()) {
        RemoveEntry(Folder.get(), UnreadableFolder, 0);
        aside = OpenOrMakeFolderAt(Folder.get(), UnreadableFolder);
    }
    const std::string name = NameOf(LevelExtension);
    if (!aside.valid() || ::renameat(Folder.get(), name.c_str(), aside.get(), name.c_str()) != 0)
        return;
    Discard();
    PruneUnreadable(aside.get());
}

std::string RecoverySlot::NameOf(std::string_view extension) const {
    return Id + std::string(extension);
}
