#include "files/RecoveryFolder.h"

#include "files/FileAccess.h"
#include "files/ReadFile.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::string_view LevelExtension = ".recovery";
constexpr std::string_view LockExtension = ".lock";
constexpr const char* UnreadableFolder = "unreadable";
constexpr mode_t FolderMode = 0700;
constexpr mode_t FileMode = 0600;
// The level file holds at most this many bytes; reading stops there.
constexpr std::size_t MaxLevelFileBytes = 8192;

bool IsAbsolute(const char* path) {
    return path && path[0] == '/';
}

// Makes the folder and every missing folder above it, each 0700.
bool MakeFolders(const std::string& path) {
    for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string part = path.substr(0, end);
        if (::mkdir(part.c_str(), FolderMode) != 0 && errno != EEXIST)
            return false;
        if (end == std::string::npos)
            break;
    }
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string NewSlotId() {
    std::random_device random;
    const unsigned long long tag = (static_cast<unsigned long long>(random()) << 32) | random();
    return std::to_string(::getpid()) + "-" + std::to_string(tag);
}

// Opens and locks the lock file without waiting; -1 when another process holds it. A lock file
// that its owner removed while this process waited for it no longer names the slot.
int LockSlotFile(const std::string& path, int extraFlags) {
    const int fd =
        ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | extraFlags, FileMode);
    if (fd < 0)
        return -1;
    struct stat opened {
    }, named{};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &opened) != 0 ||
        ::stat(path.c_str(), &named) != 0 || opened.st_ino != named.st_ino ||
        opened.st_dev != named.st_dev) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::optional<std::string> SlotIdOf(std::string_view name) {
    for (const std::string_view extension : {LevelExtension, LockExtension})
        if (name.size() > extension.size() && name.ends_with(extension) && name[0] != '.')
            return std::string(name.substr(0, name.size() - extension.size()));
    return std::nullopt;
}

} // namespace

std::string RecoveryFolderPath() {
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    std::string base;
    if (IsAbsolute(state))
        base = state;
    else if (IsAbsolute(home))
        base = std::string(home) + "/.local/state";
    else
        return {};
    return base + "/zapmaze-editor/recovery";
}

std::vector<std::string> ListRecoverySlots(const std::string& folder) {
    std::set<std::string> ids;
    if (DIR* listing = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(listing))
            if (const std::optional<std::string> id = SlotIdOf(entry->d_name))
                ids.insert(*id);
        ::closedir(listing);
    }
    return {ids.begin(), ids.end()};
}

RecoverySlot::RecoverySlot(std::string folder, std::string id, int lockFd)
    : Folder(std::move(folder)), Id(std::move(id)), LockFd(lockFd) {}

RecoverySlot::RecoverySlot(RecoverySlot&& other) noexcept
    : Folder(std::move(other.Folder)), Id(std::move(other.Id)),
      LockFd(std::exchange(other.LockFd, -1)) {}

RecoverySlot& RecoverySlot::operator=(RecoverySlot&& other) noexcept {
    if (this != &other) {
        if (LockFd >= 0)
            ::close(LockFd);
        Folder = std::move(other.Folder);
        Id = std::move(other.Id);
        LockFd = std::exchange(other.LockFd, -1);
    }
    return *this;
}

RecoverySlot::~RecoverySlot() {
    if (LockFd >= 0)
        ::close(LockFd);
}

std::optional<RecoverySlot> RecoverySlot::Create(const std::string& folder) {
    if (folder.empty() || !MakeFolders(folder))
        return std::nullopt;
    constexpr int attempts = 10;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        RecoverySlot slot(folder, NewSlotId(), -1);
        slot.LockFd = LockSlotFile(slot.PathOf(LockExtension), O_EXCL);
        if (slot.LockFd >= 0)
            return slot;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<RecoverySlot> RecoverySlot::Claim(const std::string& folder, const std::string& id) {
    RecoverySlot slot(folder, id, -1);
    slot.LockFd = LockSlotFile(slot.PathOf(LockExtension), 0);
    if (slot.LockFd < 0)
        return std::nullopt;
    return slot;
}

bool RecoverySlot::HasLevelFile() const {
    struct stat status {};
    return ::lstat(PathOf(LevelExtension).c_str(), &status) == 0;
}

std::optional<std::string> RecoverySlot::Read() const {
    FileStart start = ReadFileStart(PathOf(LevelExtension), MaxLevelFileBytes, FinalLink::Refuse);
    if (start.failure != ReadFailure::None)
        return std::nullopt;
    return std::move(start.bytes);
}

bool RecoverySlot::Write(std::string_view bytes) const {
    return ReplaceFile(PathOf(LevelExtension), bytes, FileMode);
}

void RecoverySlot::RemoveLevelFile() const {
    ::unlink(PathOf(LevelExtension).c_str());
}

// The lock file goes last, while still locked, so that no other editor finds a level file
// without its lock.
void RecoverySlot::Discard() {
    RemoveLevelFile();
    ::unlink(PathOf(LockExtension).c_str());
    ::close(std::exchange(LockFd, -1));
}

// A file that cannot be moved stays where it is, and the next start tries again.
void RecoverySlot::MoveAside() {
    const std::string aside = Folder + "/" + UnreadableFolder;
    if (MakeFolders(aside) &&
        ::rename(PathOf(LevelExtension).c_str(),
                 (aside + "/" + Id + std::string(LevelExtension)).c_str()) == 0)
        Discard();
}

std::string RecoverySlot::PathOf(std::string_view extension) const {
    return Folder + "/" + Id + std::string(extension);
}
