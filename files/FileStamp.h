#pragma once
// What tells a file's state without reading it: device, inode, size and the modification and
// change times, taken from the very descriptor a read used. A rescan compares stamps to leave
// unchanged files unread.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>

#include "files/ReadFile.h"

struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::int64_t changedNanoseconds = 0;
    // Whether the file was last modified well before it was stamped. A write within the same
    // tick of the file system's clock as the stamp may leave the times as they were, so only a
    // settled stamp proves that the file is unchanged.
    bool settled = false;
    bool SameFileState(const FileStamp& other) const;
};

// The stamp of the file at path now, following links; nothing when it cannot be taken.
std::optional<FileStamp> StampOfFile(const std::string& path);

struct StampedFileStart {
    FileStart start;
    FileStamp stamp; // meaningful only when the start was read
};

// At most maxBytes from the start of the regular file at path, as ReadFileStart reads them, and
// the stamp of the file they came from.
StampedFileStart ReadStampedFileStart(const std::string& path, std::size_t maxBytes);
