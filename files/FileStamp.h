#pragma once
// What the program knew of a file when it last read or wrote it, so that it can tell later
// whether another program has changed the file since: which file it was (device and inode), its
// size and modification time, and a hash of its first bytes. The caller chooses how many first
// bytes count, and takes every stamp of one file with the same number.
#include <cstddef>
#include <cstdint>
#include <optional>
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
    bool operator==(const FileStamp&) const = default;
};

// The 64-bit FNV-1a hash of the bytes.
std::uint64_t HashBytes(std::string_view bytes);

// The stamp of a file from its status and its first bytes.
FileStamp StampOf(const struct stat& status, std::string_view firstBytes);

// The stamp of an open file: one fstat and one read of at most `bytes` from its start; nothing
// when either fails.
std::optional<FileStamp> StampOfOpenFile(int fd, std::size_t bytes);

// Whether a file stamped `now` still holds what `remembered` describes: the same file with the
// same size, time and first bytes, or the same bytes throughout when both stamps hashed the whole
// file (another program that wrote the very same bytes again changed nothing).
bool HoldsSameAs(const FileStamp& remembered, const FileStamp& now);
