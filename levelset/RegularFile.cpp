#include "levelset/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileReadBuffer::~FileReadBuffer() {
    ::close(Descriptor);
}

FileReadBuffer::int_type FileReadBuffer::underflow() {
    ssize_t count;
    do
        count = ::read(Descriptor, Buffer.data(), Buffer.size());
    while (count < 0 && errno == EINTR);
    if (count < 0)
        throw std::ios_base::failure(std::strerror(errno));
    if (count == 0)
        return traits_type::eof();
    setg(Buffer.data(), Buffer.data(), Buffer.data() + count);
    return traits_type::to_int_type(Buffer[0]);
}

FileReadBuffer::pos_type FileReadBuffer::seekoff(off_type offset, std::ios_base::seekdir direction,
                                                 std::ios_base::openmode) {
    // Only rewinding to the start is needed, to read the same bytes a second time.
    if (direction != std::ios_base::beg || offset != 0 || ::lseek(Descriptor, 0, SEEK_SET) != 0)
        return pos_type(off_type(-1));
    setg(nullptr, nullptr, nullptr);
    return pos_type(0);
}

FileReadBuffer::pos_type FileReadBuffer::seekpos(pos_type position, std::ios_base::openmode which) {
    return seekoff(off_type(position), std::ios_base::beg, which);
}

std::unique_ptr<FileReadBuffer> OpenRegularFile(const std::string& path, std::string& error) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        error = std::strerror(errno);
        return nullptr;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        error = S_ISDIR(status.st_mode) ? "it is a folder" : "it is not a regular file";
        ::close(descriptor);
        return nullptr;
    }
    return std::make_unique<FileReadBuffer>(descriptor);
}
