#pragma once
// The process's current directory and the few questions the program asks about paths.
#include <string>

constexpr char PathSeparator = '/';

std::string GetCurrentDirectory();
// Returns false when the directory cannot be entered; callers may ignore it.
bool SetCurrentDirectory(const std::string& path);
bool IsExistingDirectory(const std::string& path);
// A path as the file system would take it now, made absolute against the current directory
// (a leading "./" dropped) and never shortened otherwise: "link/../L5.txt" stays, naming what
// the kernel finds through the link. Empty when it is relative and the current directory has
// no name.
std::string AbsolutePath(const std::string& path);
// `directory` and `name` joined with the host's separator.
std::string JoinPath(const std::string& directory, const std::string& name);
// The folder part of a full path ("" for a bare name).
std::string FolderOfPath(const std::string& path);
// Makes the folder and every missing folder above it, each private to the user (0700) whatever
// the umask; false, with errno set, when one cannot be made.
bool MakePrivateFolders(const std::string& path);
// Remembers the current directory by handle rather than by name, so that it can be made
// current again even after it was renamed or deleted.
class CurrentDirectoryMark {
public:
    CurrentDirectoryMark();
    ~CurrentDirectoryMark();
    CurrentDirectoryMark(const CurrentDirectoryMark&) = delete;
    CurrentDirectoryMark& operator=(const CurrentDirectoryMark&) = delete;
    // Makes the marked directory current again; false when it cannot be entered any more,
    // which leaves the current directory as it is.
    bool Restore() const;

private:
    int Handle;
};
