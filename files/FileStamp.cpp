#include "files/FileStamp.h"

#include <cerrno>
#include <ctime>
#include <sys/stat.h>

namespace {

// Coarser than any file system's time stamps (FAT keeps two seconds).
constexpr std::int64_t SettlingNanoseconds = 3'000'000'000;

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

FileStamp StampOfStatus(const struct stat& status) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    FileStamp stamp;
    stamp.device = status.st_dev;
    stamp.inode = status.st_ino;
    stamp.size = status.st_size;
    stamp.modifiedNanoseconds = Nanoseconds(status.st_mtim);
    stamp.changedNanoseconds = Nanoseconds(status.st_ctim);
    stamp.settled = stamp.modifiedNanoseconds + SettlingNanoseconds < Nanoseconds(now);
    return stamp;
}

} // namespace

bool FileStamp::SameFileState(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modifiedNanoseconds == other.modifiedNanoseconds &&
           changedNanoseconds == other.changedNanoseconds;
}

std::optional<FileStamp> StampOfFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return StampOfStatus(status);
}

StampedFileStart ReadStampedFileStart(const std::string& path, std::size_t maxBytes) {
    OpenedFile opened = OpenForReading(path);
    StampedFileStart stamped{{{}, opened.failure}, {}};
    if (opened.failure != ReadFailure::None)
        return stamped;
    struct stat status {};
    if (::fstat(opened.file.get(), &status) != 0 ||
        !ReadUpTo(opened.file.get(), stamped.start.bytes, maxBytes))
        stamped.start = {{}, ReadFailure::ReadError};
    else
        stamped.stamp = StampOfStatus(status);
    return stamped;
}
