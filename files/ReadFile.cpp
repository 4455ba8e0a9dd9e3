#include "files/ReadFile.h"

#include "files/PathOpen.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

ReadFailure FailureOfError(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return ReadFailure::DoesNotExist;
    case EACCES:
    case EPERM:
        return ReadFailure::PermissionRefused;
    case EISDIR:
        return ReadFailure::Folder;
    case ENXIO:
    case ENODEV:
        return ReadFailure::NotRegularFile;
    case ENAMETOOLONG:
        return ReadFailure::PathTooLong;
    default:
        return ReadFailure::ReadError;
    }
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
    switch (failure) {
    case ReadFailure::None:
        return "it was read";
    case ReadFailure::DoesNotExist:
        return "it does not exist";
    case ReadFailure::PermissionRefused:
        return "permission to read it was refused";
    case ReadFailure::Folder:
        return "it is a folder";
    case ReadFailure::NotRegularFile:
        return "it is not a regular file";
    case ReadFailure::PathTooLong:
        return "its path is too long";
    case ReadFailure::TooManyLinks:
        return "its path leads through too many symbolic links";
    case ReadFailure::ReadError:
        break;
    }
    return "it could not be read";
}

OpenedFile OpenForReading(const std::string& path, FinalLink link) {
    // Without O_NONBLOCK, opening a named pipe would wait for a writer.
    const int flags =
        O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (link == FinalLink::Refuse ? O_NOFOLLOW : 0);
    OpenedFile opened{OpenPath(path, flags), ReadFailure::None};
    if (!opened.file.valid()) {
        opened.failure = FailureOfOpen(errno, link);
        return opened;
    }
    struct stat status {};
    if (::fstat(opened.file.get(), &status) != 0)
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
    FileStart start{{}, opened.failure};
    if (opened.failure == ReadFailure::None && !ReadUpTo(opened.file.get(), start.bytes, maxBytes))
        start = {{}, FailureOfError(errno)};
    return start;
}
