#pragma once
// The start folder of an editor started from the desktop's launcher: launchers start programs
// in the home folder, and settings.dat, which lives in the start folder, belongs in a folder of
// the editor's own instead.
#include <optional>
#include <string>

// $XDG_CONFIG_HOME/zapmaze-editor, or home/.config/zapmaze-editor when configHome is unset,
// empty or relative. Empty when neither gives an absolute folder.
std::string ConfigFolderPath(const char* configHome, const char* home);

// $HOME; without an absolute one, the user's home folder from the user database. Empty when
// neither names one.
std::string HomeFolderOfUser();

// ConfigFolderPath of this process's environment and HomeFolderOfUser.
std::string ConfigFolderOfUser();

// Makes the folder, and any missing folder above it, with mode 0700 and makes it the current
// folder. Says why when it cannot.
std::optional<std::string> EnterConfigFolder(const std::string& folder);
