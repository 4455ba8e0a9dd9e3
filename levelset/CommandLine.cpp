#include "levelset/CommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr unsigned Check = 1, Render = 2, Sheet = 4, Analyse = 8,
                   Any = Check | Render | Sheet | Analyse;

struct KnownOption {
    char shortName;
    std::string_view longName;
    unsigned commands;
    // The member that the option sets: a flag, or a value that follows it.
    bool LevelsArguments::*flag;
    std::optional<std::string> LevelsArguments::*value;
};

constexpr std::array<KnownOption, 12> Options{{
    {'h', "help", Any, &LevelsArguments::help, nullptr},
    {'v', "version", Any, &LevelsArguments::version, nullptr},
    {0, "json", Check | Analyse, &LevelsArguments::json, nullptr},
    {0, "format", Check | Analyse, nullptr, &LevelsArguments::format},
    {0, "quiet", Check, &LevelsArguments::quiet, nullptr},
    {0, "strict", Check | Analyse, &LevelsArguments::strict, nullptr},
    {0, "brick-cost", Analyse, nullptr, &LevelsArguments::brickCost},
    {'o', "output", Render | Sheet, nullptr, &LevelsArguments::output},
    {0, "force", Render | Sheet, &LevelsArguments::force, nullptr},
    {0, "scale", Render, nullptr, &LevelsArguments::scale},
    {0, "size", Render, nullptr, &LevelsArguments::size},
    {0, "no-grid", Render, &LevelsArguments::noGrid, nullptr},
}};

constexpr std::pair<unsigned, std::string_view> Commands[] = {
    {Check, "check"}, {Render, "render"}, {Sheet, "sheet"}, {Analyse, "analyse"}};

unsigned CommandBit(const std::string& command) {
    for (const auto& [bit, name] : Commands)
        if (name == command)
            return bit;
    return 0;
}

std::string CommandsOf(unsigned commands) {
    std::string names;
    for (const auto& [bit, name] : Commands)
        if (commands & bit)
            names += (names.empty() ? "" : " and ") + std::string(name);
    return names;
}

template <typename Name> const KnownOption* FindOption(Name name, Name KnownOption::*spelt) {
    const auto found = std::find_if(Options.begin(), Options.end(), [&](const KnownOption& option) {
        return option.*spelt == name;
    });
    return found == Options.end() ? nullptr : &*found;
}

// Reads the options and positional arguments, remembering which options were given.
class Parser {
public:
    explicit Parser(const std::vector<std::string>& arguments) : Arguments(arguments) {}

    bool Parse(std::string& error) {
        bool optionsEnded = false;
        for (At = 0; At < Arguments.size(); ++At) {
            const std::string& argument = Arguments[At];
            if (optionsEnded || argument == "-" || argument.empty() || argument[0] != '-')
                Positional.push_back(argument);
            else if (argument == "--")
                optionsEnded = true;
            else if (!(argument[1] == '-' ? ReadLong(argument.substr(2), error)
                                          : ReadShort(argument, error)))
                return false;
        }
        return true;
    }

    // The options given that command does not take, in the order given.
    bool CheckCommand(const std::string& command, std::string& error) const {
        const unsigned bit = CommandBit(command);
        for (const auto& [option, written] : Given)
            if (!(option->commands & bit)) {
                error = written + " is an option of " + CommandsOf(option->commands) + ", not of " +
                        command;
                return false;
            }
        return true;
    }

    LevelsArguments Result;
    std::vector<std::string> Positional;

private:
    bool ReadLong(const std::string& text, std::string& error) {
        const std::size_t equals = text.find('=');
        const std::string name = text.substr(0, equals);
        const KnownOption* option = FindOption(std::string_view(name), &KnownOption::longName);
        if (!option) {
            error = "unknown option --" + name;
            return false;
        }
        if (equals != std::string::npos && !option->value) {
            error = "--" + name + " takes no value";
            return false;
        }
        return Take(*option, "--" + name,
                    equals == std::string::npos ? std::nullopt
                                                : std::optional(text.substr(equals + 1)),
                    error);
    }

    // "-hv" gives several flags; in "-oOUT.png" the rest is the option's value.
    bool ReadShort(const std::string& text, std::string& error) {
        for (std::size_t letter = 1; letter < text.size(); ++letter) {
            const KnownOption* option = FindOption(text[letter], &KnownOption::shortName);
            if (!option) {
                error = std::string("unknown option -") + text[letter];
                return false;
            }
            const std::string written = std::string("-") + text[letter];
            if (option->value)
                return Take(*option, written,
                            letter + 1 < text.size() ? std::optional(text.substr(letter + 1))
                                                     : std::nullopt,
                            error);
            Take(*option, written, std::nullopt, error); // a flag, which takes no value
        }
        return true;
    }

    bool Take(const KnownOption& option, const std::string& written,
              std::optional<std::string> value, std::string& error) {
        Given.emplace_back(&option, written);
        if (option.flag) {
            Result.*option.flag = true;
            return true;
        }
        if (!value) {
            if (At + 1 >= Arguments.size()) {
                error = "missing value after " + written;
                return false;
            }
            value = Arguments[++At];
        }
        Result.*option.value = std::move(value);
        return true;
    }

    const std::vector<std::string>& Arguments;
    std::size_t At = 0;
    std::vector<std::pair<const KnownOption*, std::string>> Given;
};

} // namespace

std::optional<LevelsArguments> ParseLevelsArguments(const std::vector<std::string>& arguments,
                                                    std::string& error) {
    Parser parser(arguments);
    if (!parser.Parse(error))
        return std::nullopt;
    LevelsArguments result = std::move(parser.Result);
    if (result.help || result.version)
        return result;
    if (parser.Positional.empty()) {
        error = "no command given";
        return std::nullopt;
    }
    result.command = parser.Positional.front();
    if (!CommandBit(result.command)) {
        error = "unknown command " + result.command;
        return std::nullopt;
    }
    if (!parser.CheckCommand(result.command, error))
        return std::nullopt;
    result.paths.assign(parser.Positional.begin() + 1, parser.Positional.end());
    return result;
}

const std::string& LevelsHelpText() {
    static const std::string text =
        "Usage: zapmaze-levels [options] command PATH...\n"
        "Checks Zapmaze level files and level sets, draws pictures of levels and analyses\n"
        "how fair they are.\n"
        "\n"
        "Commands:\n"
        "  check PATH...                 Check level files, or the level set L1.txt to L10.txt\n"
        "                                of each folder. Exit status 0 without errors, 1 with\n"
        "                                an error (with --strict, also a warning), 2 for a\n"
        "                                usage error or a path that cannot be read or written.\n"
        "  render FILE -o OUT.png        Draw the level's grid as the editor shows it.\n"
        "  sheet FOLDER -o OUT.png       Draw the ten levels of a set in one picture.\n"
        "  analyse PATH...               How fair each level is to its players: nearest\n"
        "                                player, room and territory of every start, the\n"
        "                                symmetry; exit status 1 for a walled-in start.\n"
        "\n"
        "Options:\n"
        "  -h, --help              Shows this help and ends.\n"
        "  -v, --version           Shows the version and ends.\n"
        "  --format <FORMAT>       check, analyse: text (the default: each finding with its\n"
        "                          [rule]), gcc (without it), json or github (annotations).\n"
        "  --json                  check, analyse: the same as --format json.\n"
        "  --quiet                 check: print only the summary line.\n"
        "  --strict                check, analyse: warnings fail too (exit status 1).\n"
        "  --brick-cost <N>        analyse: what entering a brick costs, 1 to 100 (3).\n"
        "  -o, --output <OUT.png>  render, sheet: the PNG file to write.\n"
        "  --force                 render, sheet: write a file not named .png.\n"
        "  --scale <N>             render: enlarge by a whole factor from 1 to 10.\n"
        "  --size <N>              render: fit into N x N pixels (1 to 3010), aspect kept.\n"
        "  --no-grid               render: hidden grid lines, as Show Grid off.\n"
        "\n"
        "Arguments:\n"
        "  command                 check, render, sheet or analyse\n"
        "  paths                   Level files or folders; \"-\" is one level on standard\n"
        "                          input (a file named - is ./-); -o - is a file named -.\n";
    return text;
}
