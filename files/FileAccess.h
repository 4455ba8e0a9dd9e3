#pragma once
// Replacing the editor's files. A replace writes a temporary file beside the target, forces it
// to the disk and renames it over the target, so that the name always holds either the previous
// file or the complete new one, also after a crash or a power cut. The temporary file is private
// (0600) until it has the final mode, owner and group, which it gets before its first byte.
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

// What a replace achieved. Converts to true only when the new file is in place and on the disk.
struct ReplaceResult {
    bool replaced = false; // the name holds the new bytes
    bool durable = false;  // and the disk confirmed both the file and its folder's entry
    operator bool() const { return replaced && durable; }
};

// What a replace does with something at the name that is no regular file: a symbolic link, a
// named pipe, a device.
enum class OtherFileAtName { Replace, Refuse };

// Puts a file holding bytes at path; a symbolic link at path is replaced, never written through.
// The new file gets mode; without one, the mode of the regular file it replaces, or for a new
// file the default permissions under the process's umask. It keeps the owner and the group of
// the file it replaces where the process may give them; set-user-ID and set-group-ID bits are
// cleared when the owner, or for set-group-ID the group, cannot be kept.
// A regular file that has no write permission bit, or that the process may not open for
// writing, is left untouched even for the superuser, and so is anything else at the name with
// OtherFileAtName::Refuse. When no temporary file can be made in the folder (the user may not
// write there), or it may not take the name (a sticky folder and another user's file), but the
// file itself may be written, it is written in place: truncated, written and forced to the
// disk. On failure before the rename the previous file is left as it was, and
// no temporary file remains. A successful replace also removes stale temporary files of the
// editor in the same folder. Paths of any length are taken.
ReplaceResult ReplaceFile(const std::string& path, std::string_view bytes,
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
