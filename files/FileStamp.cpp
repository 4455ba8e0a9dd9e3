#include "files/FileStamp.h"

#include <cerrno>
#include <string>
#include <unistd.h>

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
            firstBytes.size()};
}

std::optional<FileStamp> StampOfOpenFile(int fd, std::size_t bytes) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return std::nullopt;
    std::string first(bytes, '\0');
    ssize_t got = 0;
    do
        got = ::pread(fd, first.data(), first.size(), 0);
    while (got < 0 && errno == EINTR);
    if (got < 0)
        return std::nullopt;
    first.resize(static_cast<std::size_t>(got));
    return StampOf(status, first);
}

namespace {

bool HashesWholeFile(const FileStamp& stamp) {
    return stamp.hashedBytes == static_cast<std::uint64_t>(stamp.size);
}

} // namespace

bool HoldsSameAs(const FileStamp& remembered, const FileStamp& now) {
    if (remembered == now)
        return true;
    return HashesWholeFile(remembered) && HashesWholeFile(now) && remembered.size == now.size &&
           remembered.hash == now.hash;
}
