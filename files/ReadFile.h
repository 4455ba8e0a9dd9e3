#pragma once
// Opening a file for reading, the one way the program does it: it never waits on a named pipe
// or a device, takes paths of any length and never shortens them as text, and says why a file
// could not be read.
#include <cstddef>
#include <string>
#include <string_view>

#include "files/Descriptor.h"

enum class ReadFailure {
    None,
    DoesNotExist,
    PermissionRefused,
    Folder,
    NotRegularFile, // a named pipe, a device, a socket, or a symbolic link that was refused
    PathTooLong,    // one of its names is longer than the file system takes
    TooManyLinks,
    ReadError,
};

// Why, as the end of a sentence about the file: "it does not exist", "it is a folder"...
std::string_view ReadFailureText(ReadFailure failure);

// Whether a symbolic link as the path's last part is followed or refused.
enum class FinalLink { Follow, Refuse };

struct OpenedFile {
    Descriptor file; // valid only for a regular file
    ReadFailure failure = ReadFailure::None;
};

// Opens the regular file at path for reading. The file is checked on the opened descriptor
// itself, so that it cannot be swapped between check and open.
OpenedFile OpenForReading(const std::string& path, FinalLink link = FinalLink::Follow);

// Reads at most maxBytes from the descriptor's position into bytes, up to the end of the file;
// false (errno says why) on a read error.
bool ReadUpTo(int fd, std::string& bytes, std::size_t maxBytes);

struct FileStart {
    std::string bytes;
    ReadFailure failure = ReadFailure::None;
};

// At most maxBytes from the start of the regular file at path.
FileStart ReadFileStart(const std::string& path, std::size_t maxBytes,
                        FinalLink link = FinalLink::Follow);
