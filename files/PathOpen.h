#pragma once
// Opening a path of any length. The kernel takes at most PATH_MAX bytes in one call; a longer
// path is opened one stretch at a time, each stretch relative to the folder opened before it,
// so that its symbolic links and ".." parts resolve exactly as the kernel resolves a whole path.
// A path is never shortened as text.
#include <optional>
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

// The path that symbolic links at the end of path lead to, followed link by link up to the
// first name that is no link. A dangling link leads to the name it holds, which may not exist
// yet. A relative link is joined to the folder of the link, never shortened as text.
// A link is followed only where the kernel's protected_symlinks rule would follow it: a link in
// a sticky folder that every user may write (such as /tmp) must belong to this user or to the
// folder's owner. Nothing when a link breaks that rule: another user may have planted it to
// make this user write one of their own files.
std::optional<std::string> FollowLinks(const std::string& path);
