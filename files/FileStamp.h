#pragma once
// What the program knew of a file when it last read or wrote it, so that it can tell later
// whether another program has changed the file since: which file it was (device and inode), its
// size, its modification and status change times, and a hash of its first bytes. The caller
// chooses how many first bytes count, and takes every stamp of one file with the same number.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::uint64_t hash = 0; // of the first hashedBytes bytes
    std::uint64_t hashedBytes = 0;
    // The status change time in nanoseconds, which no program can set back; 0 where it is not
    // known (a stamp kept in a recovery record).
    std::int64_t changedNanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

// The 64-bit FNV-1a hash of the bytes.
std::uint64_t HashBytes(std::string_view bytes);

// The stamp of a file from its status and its first bytes.
FileStamp StampOf(const struct stat& status, std::string_view firstBytes);

// The stamp of a file just opened: one fstat and one read of at most `bytes` from its start;
// nothing when either fails.
std::optional<FileStamp> StampOfOpenFile(int fd, std::size_t bytes);

// The stamp of the file at path now, following links, from its status alone (no bytes hashed);
// nothing when it cannot be taken.
std::optional<FileStamp> StampOfPath(const std::string& path);

// Whether a file stamped `now` still holds what `remembered` describes: the same file with the
// same size, time and first bytes, or the same bytes throughout when both stamps hashed the whole
// file (another program that wrote the very same bytes again changed nothing).
bool HoldsSameAs(const FileStamp& remembered, const FileStamp& now);

// Whether two stamps show the same file in the same state by its status alone: device, inode,
// size and both times. A rescan that must not read the file uses it.
bool SameFileStatus(const FileStamp& a, const FileStamp& b);

// Whether the file had been left alone for a while when it was stamped at `stampedAt`
// (nanoseconds since 1970). A write within one tick of the file system's clock may leave its
// times as they were, so only a settled stamp proves by its status that a file is unchanged.
bool IsSettled(const FileStamp& stamp, std::int64_t stampedAt);

// Now, in nanoseconds since 1970, as the file system's times count.
std::int64_t NanosecondsNow();
