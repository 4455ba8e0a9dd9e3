#pragma once
// The editor's command line: --help, --version, --config-folder and at most one level file to
// open, beside Qt's own options, which the application object takes.
#include <optional>
#include <string>

constexpr const char* ProgramName = "zapmaze-editor";
constexpr const char* VersionText = "Zapmaze Level Editor 1.02";

struct CommandLine {
    // Set when the program ends without opening a window: 0 after --help or --version, 2
    // after a usage error.
    std::optional<int> exitCode;
    std::string output; // for standard output
    std::string error;  // for standard error
    // The level file to open, as an absolute path in the file name's own bytes.
    std::optional<std::string> levelPath;
    // --config-folder: start in the editor's own settings folder, as the launcher does.
    bool configFolder = false;
};

// Reads argv; needs no display, so it runs before the application object exists.
CommandLine ReadCommandLine(int argc, char* argv[]);
