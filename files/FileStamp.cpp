#include "files/FileStamp.h"

#include "files/ReadFile.h"

#include <ctime>
#include <string>

namespace {

// Coarser than any file system's time stamps (FAT keeps two seconds).
constexpr std::int64_t SettlingNanoseconds = 3'000'000'000;

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

bool HashesWholeFile(const FileStamp& stamp) {
    return stamp.hashedBytes == static_cast<std::uint64_t>(stamp.size);
}

bool SameIdentityAndTime(const FileStamp& a, const FileStamp& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
           a.modifiedSeconds == b.modifiedSeconds && a.modifiedNanoseconds == b.modifiedNanoseconds;
}

} // namespace

std::uint64_t HashBytes(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001b3u;
    }
    return hash;
}

FileStamp StampOf(const struct stat& status, std::string_view firstBytes) {
    return {static_cast<std::uint64_t>(status.st_dev),
            static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec),
            static_cast<std::int64_t>(status.st_mtim.tv_nsec),
            HashBytes(firstBytes),
            firstBytes.size(),
            Nanoseconds(status.st_ctim)};
}

std::optional<FileStamp> StampOfOpenFile(int fd, std::size_t bytes) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return std::nullopt;
    std::string first;
    if (!ReadUpTo(fd, first, bytes))
        return std::nullopt;
    return StampOf(status, first);
}

std::optional<FileStamp> StampOfPath(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    FileStamp stamp = StampOf(status, {});
    stamp.hash = 0;
    return stamp;
}

bool HoldsSameAs(const FileStamp& remembered, const FileStamp& now) {
    if (SameIdentityAndTime(remembered, now) && remembered.hash == now.hash &&
        remembered.hashedBytes == now.hashedBytes)
        return true;
    return HashesWholeFile(remembered) && HashesWholeFile(now) && remembered.size == now.size &&
           remembered.hash == now.hash;
}

bool SameFileStatus(const FileStamp& a, const FileStamp& b) {
    return SameIdentityAndTime(a, b) && a.changedNanoseconds == b.changedNanoseconds;
}

bool IsSettled(const FileStamp& stamp, std::int64_t stampedAt) {
    const std::int64_t modified = stamp.modifiedSeconds * 1'000'000'000 + stamp.modifiedNanoseconds;
    return modified + SettlingNanoseconds < stampedAt;
}

std::int64_t NanosecondsNow() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return Nanoseconds(now);
}
