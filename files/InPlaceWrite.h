#pragma once
// Writing the bytes of a file at an offset, and writing a file in place so that a failure
// never costs its old bytes. Used by the replace of FileAccess.h.
#include "files/FileAccess.h"

#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>

// A replace that failed with error (errno is set to it), and what became of the previous file.
ReplaceResult FailedWrite(int error, PreviousFile previous);

// Writes all of bytes at offset, going on after short writes; false with errno set otherwise.
bool WriteAllAt(int fd, std::string_view bytes, off_t offset);

// Writes the bytes over the regular file at name in the folder, as long as the name still holds
// the file that was examined. The bytes it will overwrite are read first; the file grows before
// any of them is overwritten, and shrinks only after the new bytes were written; it is forced to
// the disk before it counts as written. Any failure puts the old bytes and size back and forces
// them to the disk; only when that fails too is the previous file reported damaged.
ReplaceResult WriteInPlace(int folder, const std::string& name, const struct stat& examined,
                           std::string_view bytes);
