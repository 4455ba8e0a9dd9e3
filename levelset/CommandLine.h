#pragma once
// The command line of zapmaze-levels, read by hand so that the program needs no library to
// start: a command, its paths and the options that command takes.
#include <optional>
#include <string>
#include <vector>

struct LevelsArguments {
    bool help = false;
    bool version = false;
    std::string command;
    std::vector<std::string> paths;
    bool json = false;
    bool quiet = false;
    bool strict = false;
    bool force = false;
    bool noGrid = false;
    std::optional<std::string> output;
    std::optional<std::string> format;
    std::optional<std::string> brickCost;
    std::optional<std::string> scale;
    std::optional<std::string> size;
};

// The arguments after the program's name. Options may come before or after the command and
// between the paths; "--" ends the options; "-" is a path like any other, which the commands
// take as standard input. An option that the
// command does not take is an error too. On an error, error says what is wrong.
std::optional<LevelsArguments> ParseLevelsArguments(const std::vector<std::string>& arguments,
                                                    std::string& error);

// The usage text that --help prints.
const std::string& LevelsHelpText();
