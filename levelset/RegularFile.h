#pragma once
// Reading a level file through a descriptor that never waits: a named pipe or a device named
// on the command line is refused, not opened for reading, and a file of any size is read only
// as far as the reader goes.
#include <array>
#include <memory>
#include <streambuf>
#include <string>

class FileReadBuffer : public std::streambuf {
public:
    explicit FileReadBuffer(int descriptor) : Descriptor(descriptor) {}
    ~FileReadBuffer() override;
    FileReadBuffer(const FileReadBuffer&) = delete;
    FileReadBuffer& operator=(const FileReadBuffer&) = delete;

protected:
    int_type underflow() override;
    pos_type seekoff(off_type offset, std::ios_base::seekdir direction,
                     std::ios_base::openmode which) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

private:
    int Descriptor;
    std::array<char, 4096> Buffer{};
};

// Opens path for reading if it is a regular file; otherwise returns null and says why in error.
std::unique_ptr<FileReadBuffer> OpenRegularFile(const std::string& path, std::string& error);
