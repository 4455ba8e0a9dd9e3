#include "files/FileAccess.h"

#include "files/Descriptor.h"
#include "files/PathOpen.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view TemporaryPrefix = ".zapmaze-editor-";
constexpr std::string_view TemporarySuffix = ".tmp";
constexpr std::size_t RandomDigits = 16;
constexpr mode_t AnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t PermissionBits = 07777;

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string RandomPart() {
    std::random_device source;
    const unsigned long long value = (static_cast<unsigned long long>(source()) << 32) | source();
    char digits[RandomDigits + 1];
    std::snprintf(digits, sizeof digits, "%016llx", value);
    return digits;
}

std::string TemporaryName() {
    static const std::string processTag = RandomPart();
    static std::atomic<unsigned> counter{0};
    return std::string(TemporaryPrefix) + std::to_string(::getpid()) + "-" + processTag + "-" +
           std::to_string(counter.fetch_add(1)) + std::string(TemporarySuffix);
}

// Creates a new private temporary file in the folder; never opens one that exists already.
Descriptor CreateTemporary(int folder, std::string& name) {
    constexpr int attempts = 100;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        name = TemporaryName();
        Descriptor file(::openat(folder, name.c_str(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (file.valid() || errno != EEXIST)
            return file;
    }
    return Descriptor();
}

// The file a replace finds at the name, and whether the replace may go on.
struct Existing {
    std::optional<struct stat> regular; // a regular file at the name
    bool allowed = true;
};

Existing ExaminedEntry(int folder, const std::string& name, OtherFileAtName other) {
    struct stat status {};
    if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return {std::nullopt, errno == ENOENT};
    if (!S_ISREG(status.st_mode))
        return {std::nullopt, other == OtherFileAtName::Replace};
    const bool writable =
        (status.st_mode & AnyWrite) != 0 &&
        ::faccessat(folder, name.c_str(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) == 0;
    return {status, writable};
}

mode_t ProcessUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Gives the temporary file the owner and the group of the file it replaces, each where the
// process may; clears the set-ID bits of mode that would move to another owner or group.
mode_t KeepOwnership(int fd, const struct stat& replaced, mode_t mode) {
    struct stat own {};
    if (::fstat(fd, &own) != 0)
        return mode & ~(S_ISUID | S_ISGID);
    bool ownerKept = own.st_uid == replaced.st_uid;
    bool groupKept = own.st_gid == replaced.st_gid;
    if (!(ownerKept && groupKept) && ::fchown(fd, replaced.st_uid, replaced.st_gid) == 0) {
        ownerKept = groupKept = true;
    } else {
        ownerKept = ownerKept || ::fchown(fd, replaced.st_uid, static_cast<gid_t>(-1)) == 0;
        groupKept = groupKept || ::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid) == 0;
    }
    if (!ownerKept)
        mode &= ~(S_ISUID | S_ISGID);
    if (!groupKept)
        mode &= ~S_ISGID;
    return mode;
}

mode_t FinalMode(int fd, const Existing& existing, std::optional<mode_t> mode) {
    if (!existing.regular)
        return mode.value_or(0666 & ~ProcessUmask());
    return KeepOwnership(fd, *existing.regular,
                         mode.value_or(existing.regular->st_mode & PermissionBits));
}

// The permissions come before the first byte, so that nobody reads a private level while it
// is written. Some file systems keep no permissions: that is no failure.
bool WriteTemporary(Descriptor file, std::string_view bytes, mode_t mode) {
    ::fchmod(file.get(), mode);
    return WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0 && file.Close();
}

// Writes the file itself when its folder takes no temporary file, as long as the name still
// holds the regular file that was examined.
bool WriteInPlace(int folder, const std::string& name, const struct stat& examined,
                  std::string_view bytes) {
    Descriptor file(
        ::openat(folder, name.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || status.st_ino != examined.st_ino ||
        status.st_dev != examined.st_dev)
        return false;
    return ::ftruncate(file.get(), 0) == 0 && WriteAll(file.get(), bytes) &&
           ::fsync(file.get()) == 0 && file.Close();
}

// A folder that the user may not write, or a sticky one that keeps another user's file from
// being renamed over, leaves the file itself to be written, as long as the user may write it.
ReplaceResult InPlaceInstead(int error, int folder, const std::string& name,
                             const Existing& existing, std::string_view bytes) {
    const bool written = (error == EACCES || error == EPERM) && existing.regular &&
                         WriteInPlace(folder, name, *existing.regular, bytes);
    return {written, written};
}

bool IsStale(const struct stat& status) {
    const auto modified = std::chrono::system_clock::from_time_t(status.st_mtime);
    return S_ISREG(status.st_mode) && status.st_uid == ::geteuid() && status.st_nlink == 1 &&
           static_cast<std::size_t>(status.st_size) <= LargestSweptFile &&
           std::chrono::system_clock::now() - modified > StaleTemporaryAge;
}

// Removes temporary files that a killed save of this user left behind, once they are old
// enough that no save still running can own them. Reads the folder's names only, so that a
// folder with many files costs little.
void RemoveStaleTemporaryFiles(int folder) {
    DIR* listing = ::fdopendir(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!listing)
        return;
    const int listed = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        struct stat status {};
        if (IsEditorTemporaryName(entry->d_name) &&
            ::fstatat(listed, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 && IsStale(status))
            ::unlinkat(listed, entry->d_name, 0);
    }
    ::closedir(listing);
}

bool IsDecimal(std::string_view text) {
    return !text.empty() && text.size() <= 10 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsRandomPart(std::string_view text) {
    return text.size() == RandomDigits && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

} // namespace

ReplaceResult ReplaceFile(const std::string& path, std::string_view bytes,
                          std::optional<mode_t> mode, OtherFileAtName other) {
    const FolderEntry target = OpenFolderOf(path);
    if (!target.folder.valid())
        return {};
    const int folder = target.folder.get();
    const Existing existing = ExaminedEntry(folder, target.name, other);
    if (!existing.allowed)
        return {};
    std::string temporary;
    Descriptor file = CreateTemporary(folder, temporary);
    if (!file.valid())
        return InPlaceInstead(errno, folder, target.name, existing, bytes);
    const mode_t finalMode = FinalMode(file.get(), existing, mode);
    if (!WriteTemporary(std::move(file), bytes, finalMode)) {
        ::unlinkat(folder, temporary.c_str(), 0);
        return {};
    }
    if (::renameat(folder, temporary.c_str(), folder, target.name.c_str()) != 0) {
        const int error = errno;
        ::unlinkat(folder, temporary.c_str(), 0);
        return InPlaceInstead(error, folder, target.name, existing, bytes);
    }
    // The rename itself reaches the disk only with the folder's entry.
    const bool durable = ::fsync(folder) == 0;
    RemoveStaleTemporaryFiles(folder);
    return {true, durable};
}

bool IsEditorTemporaryName(std::string_view name) {
    if (!name.starts_with(TemporaryPrefix) || !name.ends_with(TemporarySuffix))
        return false;
    name.remove_prefix(TemporaryPrefix.size());
    name.remove_suffix(TemporarySuffix.size());
    const std::size_t first = name.find('-');
    const std::size_t last = name.rfind('-');
    if (first == std::string_view::npos || first == last)
        return false;
    return IsDecimal(name.substr(0, first)) &&
           IsRandomPart(name.substr(first + 1, last - first - 1)) &&
           IsDecimal(name.substr(last + 1));
}
