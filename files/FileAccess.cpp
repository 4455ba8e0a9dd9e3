#include "files/FileAccess.h"

#include "files/Descriptor.h"
#include "files/ExtendedAttributes.h"
#include "files/FolderListing.h"
#include "files/InPlaceWrite.h"
#include "files/PathOpen.h"
#include "files/RandomId.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr std::string_view TemporaryPrefix = ".zapmaze-editor-";
constexpr std::string_view TemporarySuffix = ".tmp";
constexpr std::size_t RandomDigits = 16;
constexpr mode_t AnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t PermissionBits = 07777;

std::string RandomPart() {
    char digits[RandomDigits + 1];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(RandomId()));
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
    WriteFailure refusal = WriteFailure::None;
    PreviousFile Previous() const { return regular ? PreviousFile::Unchanged : PreviousFile::None; }
};

Existing ExaminedEntry(int folder, const std::string& name, OtherFileAtName other) {
    struct stat status {};
    if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return {std::nullopt, errno == ENOENT ? WriteFailure::None : FailureOfWriteError(errno)};
    if (!S_ISREG(status.st_mode)) {
        const WriteFailure kind =
            S_ISDIR(status.st_mode) ? WriteFailure::Folder : WriteFailure::NotRegularFile;
        return {std::nullopt, other == OtherFileAtName::Replace ? WriteFailure::None : kind};
    }
    const bool writable =
        (status.st_mode & AnyWrite) != 0 &&
        ::faccessat(folder, name.c_str(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) == 0;
    return {status, writable ? WriteFailure::None : WriteFailure::ReadOnlyFile};
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
        return mode ? *mode : 0666 & ~ProcessUmask();
    return KeepOwnership(fd, *existing.regular,
                         mode.value_or(existing.regular->st_mode & PermissionBits));
}

// The file that stands at the name, opened only to read its attributes: for reading, or, when it
// may only be written, for writing (which changes nothing); nothing when another file took the
// name since it was examined.
Descriptor OpenReplaced(int folder, const std::string& name, const struct stat& examined) {
    constexpr int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    Descriptor file(::openat(folder, name.c_str(), O_RDONLY | flags));
    if (!file.valid() && errno == EACCES)
        file = Descriptor(::openat(folder, name.c_str(), O_WRONLY | flags));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || status.st_ino != examined.st_ino ||
        status.st_dev != examined.st_dev)
        return Descriptor();
    return file;
}

// A path to the entry name of an open folder: the folder's entry in /proc, followed by name.
std::string AttributesPath(int folder, const std::string& name) {
    return "/proc/self/fd/" + std::to_string(folder) + "/" + name;
}

// Whether the file at path may have extended attributes, asked in one call; when that call
// fails (a path too long, no /proc) the answer is yes.
bool MayHaveAttributes(const std::string& path) {
    const ssize_t size = ::llistxattr(path.c_str(), nullptr, 0);
    return size > 0 || (size < 0 && errno != ENOTSUP);
}

// Gives the temporary file the replaced file's extended attributes; false when its access
// control list could not be kept. Most files have none, and cost one call to find that out.
bool KeepAttributes(int folder, const std::string& name, const std::string& attributesPath,
                    const Existing& existing, int fd) {
    if (!existing.regular || !MayHaveAttributes(attributesPath))
        return true;
    const Descriptor replaced = OpenReplaced(folder, name, *existing.regular);
    return replaced.valid() && CopyExtendedAttributes(replaced.get(), fd);
}

// The mode comes after the attributes, so that a mode asked for limits a copied access control
// list, and before the first byte, so that nobody reads a private level while it is written.
// Some file systems keep no permissions: that is no failure.
int WriteTemporary(Descriptor file, std::string_view bytes, mode_t mode, struct stat& written) {
    ::fchmod(file.get(), mode);
    if (!WriteAllAt(file.get(), bytes, 0) || ::fsync(file.get()) != 0 ||
        ::fstat(file.get(), &written) != 0 || !file.Close())
        return errno != 0 ? errno : EIO;
    return 0;
}

// A folder that the user may not write, or a sticky one that keeps another user's file from
// being renamed over, leaves the file itself to be written, as long as the user may write it.
ReplaceResult InPlaceInstead(int error, int folder, const std::string& name,
                             const Existing& existing, std::string_view bytes) {
    if ((error == EACCES || error == EPERM) && existing.regular)
        return WriteInPlace(folder, name, *existing.regular, bytes);
    ReplaceResult failed = FailedWrite(error, existing.Previous());
    if (error == ENOENT) // the folder is open, so it exists
        failed.failure = WriteFailure::FolderTakesNoFiles;
    return failed;
}

// A file whose access control list cannot be given to a new file keeps it by being written in
// place; where that is not allowed either, the save fails rather than widen who may read it.
ReplaceResult InPlaceToKeepAccessList(int folder, const std::string& name,
                                      const struct stat& examined, std::string_view bytes) {
    ReplaceResult result = WriteInPlace(folder, name, examined, bytes);
    if (!result.replaced && result.failure == WriteFailure::PermissionRefused)
        result.failure = WriteFailure::AccessListNotKept;
    return result;
}

bool IsStale(const struct stat& status) {
    const auto modified = std::chrono::system_clock::from_time_t(status.st_mtime);
    return S_ISREG(status.st_mode) && status.st_uid == ::geteuid() && status.st_nlink == 1 &&
           static_cast<std::size_t>(status.st_size) <= LargestSweptFile &&
           std::chrono::system_clock::now() - modified > StaleTemporaryAge;
}

// Removes temporary files that a killed save of this user left behind, once they are old
// enough that no save still running can own them. Only the files with an editor's temporary
// name are examined, so that a folder with many files costs little.
void RemoveStaleTemporaryFiles(int folder) {
    for (const std::string& name : NamesIn(folder)) {
        struct stat status {};
        if (IsEditorTemporaryName(name) &&
            ::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && IsStale(status))
            ::unlinkat(folder, name.c_str(), 0);
    }
}

// Whether text is non-empty, at most most characters long and made of the characters alone.
bool IsMadeOf(std::string_view text, std::size_t most, std::string_view characters) {
    return !text.empty() && text.size() <= most &&
           text.find_first_not_of(characters) == std::string_view::npos;
}

// Replaces the entry name of the open folder; attributesPath reaches the same entry.
ReplaceResult Replace(int folder, const std::string& name, const std::string& attributesPath,
                      std::string_view bytes, std::optional<mode_t> mode, OtherFileAtName other) {
    const Existing existing = ExaminedEntry(folder, name, other);
    if (existing.refusal != WriteFailure::None)
        return {false, false, existing.refusal, existing.Previous()};
    std::string temporary;
    Descriptor file = CreateTemporary(folder, temporary);
    if (!file.valid())
        return InPlaceInstead(errno, folder, name, existing, bytes);
    const mode_t finalMode = FinalMode(file.get(), existing, mode);
    if (!KeepAttributes(folder, name, attributesPath, existing, file.get())) {
        file = Descriptor();
        ::unlinkat(folder, temporary.c_str(), 0);
        return InPlaceToKeepAccessList(folder, name, *existing.regular, bytes);
    }
    ReplaceResult result;
    if (const int error = WriteTemporary(std::move(file), bytes, finalMode, result.written)) {
        ::unlinkat(folder, temporary.c_str(), 0);
        return FailedWrite(error, existing.Previous());
    }
    if (::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0) {
        const int error = errno;
        ::unlinkat(folder, temporary.c_str(), 0);
        return InPlaceInstead(error, folder, name, existing, bytes);
    }
    // The rename itself reaches the disk only with the folder's entry.
    result.replaced = true;
    result.durable = ::fsync(folder) == 0;
    if (!result.durable)
        result.failure = FailureOfWriteError(errno);
    RemoveStaleTemporaryFiles(folder);
    return result;
}

} // namespace

std::string_view WriteFailureText(WriteFailure failure) {
    constexpr std::array<std::string_view, 17> texts = {
        "it was written",
        "the file is read-only",
        "permission to write there was refused",
        "its folder does not exist",
        "its folder takes no new files",
        "a folder stands at that name",
        "it is not a regular file",
        "it is a symbolic link that another user put in a folder shared by all users",
        "the file system is read-only",
        "the disk is full",
        "the disk quota is used up",
        "the file would be larger than this process may write (ulimit -f)",
        "its path is too long",
        "its path leads through too many symbolic links",
        "its access control list could not be kept",
        "another file took its name while it was written",
        "the disk reported an error",
    };
    static_assert(texts.size() == static_cast<std::size_t>(WriteFailure::WriteError) + 1);
    return texts[std::min(static_cast<std::size_t>(failure), texts.size() - 1)];
}

WriteFailure FailureOfWriteError(int error) {
    using enum WriteFailure;
    constexpr std::pair<int, WriteFailure> failures[] = {
        {EACCES, PermissionRefused}, {EPERM, PermissionRefused}, {ENOENT, FolderMissing},
        {ENOTDIR, FolderMissing},    {EISDIR, Folder},           {ENXIO, NotRegularFile},
        {ENODEV, NotRegularFile},    {ETXTBSY, NotRegularFile},  {EROFS, ReadOnlyFileSystem},
        {ENOSPC, DiskFull},          {EDQUOT, QuotaExceeded},    {EFBIG, SizeLimit},
        {ENAMETOOLONG, PathTooLong}, {ELOOP, TooManyLinks}};
    for (const auto& [code, failure] : failures)
        if (code == error)
            return failure;
    return WriteError;
}

ReplaceResult ReplaceFile(const std::string& path, std::string_view bytes,
                          std::optional<mode_t> mode, OtherFileAtName other) {
    const FolderEntry target = OpenFolderOf(path);
    if (!target.folder.valid())
        return FailedWrite(errno, PreviousFile::None);
    return Replace(target.folder.get(), target.name, path, bytes, mode, other);
}

ReplaceResult ReplaceFileAt(int folder, const std::string& name, std::string_view bytes,
                            std::optional<mode_t> mode, OtherFileAtName other) {
    return Replace(folder, name, AttributesPath(folder, name), bytes, mode, other);
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
    const std::string_view random = name.substr(first + 1, last - first - 1);
    return IsMadeOf(name.substr(0, first), 10, "0123456789") && random.size() == RandomDigits &&
           IsMadeOf(random, RandomDigits, "0123456789abcdef") &&
           IsMadeOf(name.substr(last + 1), 10, "0123456789");
}
