#pragma once
// Replacing the editor's files. Replacing writes a temporary file beside the target, forces it to
// the disk and renames it over the target, so that the name always holds either the previous file
// or the complete new one, also after a crash or a power cut.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

// Puts a file holding bytes at path. Whatever stood at that name (a symbolic link, a hard link)
// is replaced by the new file; no existing file is ever opened for writing. The new file gets
// mode, or when there is none the default permissions under the process's umask. Returns false
// when any step failed; then the previous file is left as it was and no temporary file remains.
// A successful replace also removes stale temporary files of the editor in the same folder.
bool ReplaceFile(const std::string& path, std::string_view bytes, std::optional<mode_t> mode);

// Temporary files are named ".zapmaze-editor-<tag>.tmp", a name that only the editor uses. One
// left behind by a killed save counts as stale after an hour.
bool IsEditorTemporaryName(std::string_view name);
inline constexpr std::chrono::hours StaleTemporaryAge{1};
