#include "files/InPlaceWrite.h"

#include "files/Descriptor.h"
#include "files/ReadFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// The old bytes that a write in place overwrites, and the size the file had.
struct OldContent {
    std::string bytes;
    off_t size = 0;
};

// Puts the old bytes and size back and forces them to the disk.
bool PutBack(int fd, const OldContent& old) {
    return WriteAllAt(fd, old.bytes, 0) && ::ftruncate(fd, old.size) == 0 && ::fsync(fd) == 0;
}

// The writes in their safe order: the part beyond the old end first, then the part over the old
// bytes, then the cut to the new size; each returns the error that stopped it.
int OverwriteInOrder(int fd, std::string_view bytes, const OldContent& old) {
    const std::size_t oldSize = static_cast<std::size_t>(old.size);
    if (bytes.size() > oldSize && !WriteAllAt(fd, bytes.substr(oldSize), old.size))
        return errno;
    if (!WriteAllAt(fd, bytes.substr(0, std::min(bytes.size(), oldSize)), 0))
        return errno;
    if (bytes.size() < oldSize && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        return errno;
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Whether a file of this many bytes is larger than the process may write (ulimit -f).
bool ExceedsFileSizeLimit(std::size_t bytes) {
    rlimit limit{};
    return ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
           bytes > limit.rlim_cur;
}

} // namespace

ReplaceResult FailedWrite(int error, PreviousFile previous) {
    ReplaceResult result;
    result.failure = FailureOfWriteError(error);
    result.previous = previous;
    errno = error;
    return result;
}

bool WriteAllAt(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        if (written == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

ReplaceResult WriteInPlace(int folder, const std::string& name, const struct stat& examined,
                           std::string_view bytes) {
    Descriptor file(
        ::openat(folder, name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0)
        return FailedWrite(errno, PreviousFile::Unchanged);
    if (status.st_ino != examined.st_ino || status.st_dev != examined.st_dev) {
        ReplaceResult changed = FailedWrite(EBUSY, PreviousFile::Unchanged);
        changed.failure = WriteFailure::ChangedMeanwhile;
        return changed;
    }
    if (ExceedsFileSizeLimit(bytes.size()))
        return FailedWrite(EFBIG, PreviousFile::Unchanged);
    OldContent old{{}, status.st_size};
    const std::size_t overwritten =
        std::min(bytes.size(), static_cast<std::size_t>(status.st_size));
    if (!ReadUpTo(file.get(), old.bytes, overwritten))
        return FailedWrite(errno, PreviousFile::Unchanged);
    if (old.bytes.size() < overwritten) // the file shrank meanwhile
        return FailedWrite(EIO, PreviousFile::Unchanged);
    if (const int error = OverwriteInOrder(file.get(), bytes, old))
        return FailedWrite(error, PutBack(file.get(), old) ? PreviousFile::Unchanged
                                                           : PreviousFile::Damaged);
    ReplaceResult result;
    result.replaced = true;
    ::fstat(file.get(), &result.written);
    result.durable = file.Close();
    if (!result.durable)
        result.failure = WriteFailure::WriteError;
    return result;
}
