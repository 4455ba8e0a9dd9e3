#pragma once
// Opening a path of any length. The kernel takes at most PATH_MAX bytes in one call; a longer
// path is opened one stretch at a time, each stretch relative to the folder opened before it,
// so that its symbolic links and ".." parts resolve exactly as the kernel resolves a whole path.
// A path is never shortened as text.
#include <string>
#include <sys/types.h>

#include "files/Descriptor.h"

// As open(2): an invalid descriptor with errno set when the path cannot be opened.
Descriptor OpenPath(const std::string& path, int flags, mode_t mode = 0);

// The folder that holds the last part of path, opened for reading, and the name of that part
// in it. The folder is invalid, with errno set, when it cannot be opened or path names no entry
// (it is empty or ends with "/").
struct FolderEntry {
    Descriptor folder;
    std::string name;
};
FolderEntry OpenFolderOf(const std::string& path);
