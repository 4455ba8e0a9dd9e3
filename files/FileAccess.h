#pragma once
// Replacing the editor's files. A replace writes a temporary file beside the target, forces it
// to the disk and renames it over the target, so that the name always holds either the previous
// file or the complete new one, also after a crash or a power cut. The temporary file is private
// (0600) until it has the final owner, group, extended attributes and mode, which it gets before
// its first byte.
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>

// Why a file could not be written, or not confirmed on the disk.
enum class WriteFailure {
    None,
    ReadOnlyFile,       // the file has no write permission, or may not be opened for writing
    PermissionRefused,  // the folder or the file may not be written by this user
    FolderMissing,      // a folder of the path does not exist, or is no folder
    FolderTakesNoFiles, // the folder exists but makes no new file (as in /proc)
    Folder,             // a folder stands at the name
    NotRegularFile,     // a named pipe, a device or a socket stands at the name
    ForeignLink,        // a symbolic link of another user in a shared sticky folder
    ReadOnlyFileSystem, // the file system is mounted read-only
    DiskFull,           // no space left on the device
    QuotaExceeded,      // the user's disk quota is used up
    SizeLimit,          // the process's file-size limit (ulimit -f) is smaller than the file
    PathTooLong,        // one of its names is longer than the file system takes
    TooManyLinks,       // its path leads through too many symbolic links
    AccessListNotKept,  // the file's access control list could not be given to the new file
    ChangedMeanwhile,   // another file took the name while it was written
    WriteError,         // the disk reported an error
};

// Why, as the end of a sentence about the file: "the disk is full", "the file is read-only"...
std::string_view WriteFailureText(WriteFailure failure);
// The failure that an errno value of a write means.
WriteFailure FailureOfWriteError(int error);

// What became of the file that stood at the name when a replace failed.
enum class PreviousFile {
    None,      // there was none, and there is none
    Unchanged, // it holds exactly the bytes it held before
    Damaged,   // a write in place failed and its old bytes could not all be put back
};

// What a replace achieved. Converts to true only when the new file is in place and on the disk.
struct ReplaceResult {
    bool replaced = false; // the name holds the new bytes
    bool durable = false;  // and the disk confirmed both the file and its folder's entry
    WriteFailure failure = WriteFailure::None;
    PreviousFile previous = PreviousFile::None; // when not replaced
    struct stat written {};                     // the new file as written, when replaced
    operator bool() const { return replaced && durable; }
};

// What a replace does with something at the name that is no regular file: a symbolic link, a
// named pipe, a device.
enum class OtherFileAtName { Replace, Refuse };

// Puts a file holding bytes at path; a symbolic link at path is replaced, never written through.
// The new file gets mode; without one, the mode of the regular file it replaces, or for a new
// file the default permissions under the process's umask. It keeps the owner and the group of
// the file it replaces where the process may give them; set-user-ID and set-group-ID bits are
// cleared when the owner, or for set-group-ID the group, cannot be kept. It keeps the replaced
// file's access control list and its other extended attributes where the process may set them
// (file capabilities excepted, which no write keeps); when the access control list cannot be
// kept, the file is written in place rather than lose it.
// A regular file that has no write permission bit, or that the process may not open for
// writing, is left untouched even for the superuser, and so is anything else at the name with
// OtherFileAtName::Refuse. When no temporary file can be made in the folder (the user may not
// write there), or it may not take the name (a sticky folder and another user's file), but the
// file itself may be written, it is written in place: the bytes it overwrites are kept first,
// the file grows before any old byte is overwritten and shrinks only once the new bytes are on
// the disk, and a failure at any step puts the old bytes back. A new file larger than the
// process's file-size limit is never begun in place. On failure the previous file is left as it
// was, no temporary file remains, and errno tells the error. A successful replace also removes
// stale temporary files of the editor in the same folder. Paths of any length are taken.
ReplaceResult ReplaceFile(const std::string& path, std::string_view bytes,
                          std::optional<mode_t> mode,
                          OtherFileAtName other = OtherFileAtName::Replace);
// The same for the entry name of an open folder.
ReplaceResult ReplaceFileAt(int folder, const std::string& name, std::string_view bytes,
                            std::optional<mode_t> mode,
                            OtherFileAtName other = OtherFileAtName::Replace);

// The largest temporary file that the sweep removes: larger than any level, settings or recovery
// file, so that a larger file of that name was never left by a save of the editor.
inline constexpr std::size_t LargestSweptFile = 64 * 1024;

// Temporary files are named ".zapmaze-editor-<process>-<16 random hex digits>-<count>.tmp", a
// name that only the editor uses. One left behind by a killed save is removed by a later save
// when it is a regular file of the running user, with one link, no larger than
// LargestSweptFile and older than an hour.
bool IsEditorTemporaryName(std::string_view name);
inline constexpr std::chrono::hours StaleTemporaryAge{1};
