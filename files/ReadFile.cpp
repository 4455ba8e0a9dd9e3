#include "files/ReadFile.h"

#include "files/PathOpen.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

ReadFailure FailureOfError(int error) {
    using enum ReadFailure;
    constexpr std::pair<int, ReadFailure> failures[] = {
        {ENOENT, DoesNotExist},     {ENOTDIR, DoesNotExist},    {EACCES, PermissionRefused},
        {EPERM, PermissionRefused}, {EISDIR, Folder},           {ENXIO, NotRegularFile},
        {ENODEV, NotRegularFile},   {ENAMETOOLONG, PathTooLong}};
    for (const auto& [code, failure] : failures)
        if (code == error)
            return failure;
    return ReadError;
}

// With O_NOFOLLOW a link as the last part gives ELOOP, as a circle of links does otherwise.
ReadFailure FailureOfOpen(int error, FinalLink link) {
    if (error == ELOOP)
        return link == FinalLink::Refuse ? ReadFailure::NotRegularFile : ReadFailure::TooManyLinks;
    return FailureOfError(error);
}

} // namespace

bool ReadUpTo(int fd, std::string& bytes, std::size_t maxBytes) {
    bytes.resize(maxBytes);
    std::size_t filled = 0;
    while (filled < maxBytes) {
        const ssize_t got = ::read(fd, bytes.data() + filled, maxBytes - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return true;
}

std::string_view ReadFailureText(ReadFailure failure) {
    constexpr std::array<std::string_view, 8> texts = {
        "it was read",
        "it does not exist",
        "permission to read it was refused",
        "it is a folder",
        "it is not a regular file",
        "its path is too long",
        "its path leads through too many symbolic links",
        "it could not be read",
    };
    static_assert(texts.size() == static_cast<std::size_t>(ReadFailure::ReadError) + 1);
    return texts[std::min(static_cast<std::size_t>(failure), texts.size() - 1)];
}

OpenedFile OpenForReading(const std::string& path, FinalLink link) {
    // Without O_NONBLOCK, opening a named pipe would wait for a writer.
    const int flags =
        O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (link == FinalLink::Refuse ? O_NOFOLLOW : 0);
    OpenedFile opened{OpenPath(path, flags), ReadFailure::None, {}};
    if (!opened.file.valid()) {
        opened.failure = FailureOfOpen(errno, link);
        return opened;
    }
    const struct stat& status = opened.status;
    if (::fstat(opened.file.get(), &opened.status) != 0)
        opened.failure = FailureOfError(errno);
    else if (S_ISDIR(status.st_mode))
        opened.failure = ReadFailure::Folder;
    else if (!S_ISREG(status.st_mode))
        opened.failure = ReadFailure::NotRegularFile;
    if (opened.failure != ReadFailure::None)
        opened.file = Descriptor();
    return opened;
}

FileStart ReadFileStart(const std::string& path, std::size_t maxBytes, FinalLink link) {
    OpenedFile opened = OpenForReading(path, link);
    FileStart start{{}, opened.failure, opened.status};
    if (opened.failure == ReadFailure::None && !ReadUpTo(opened.file.get(), start.bytes, maxBytes))
        start = {{}, FailureOfError(errno), {}};
    return start;
}
