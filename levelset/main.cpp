// zapmaze-levels: checks level files and level sets against the game's rules and draws
// pictures of levels, without a window.
#include "level/LevelText.h"
#include "levelset/LevelPictures.h"
#include "levelset/LevelSetCheck.h"
#include "levelset/RegularFile.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <istream>
#include <memory>
#include <optional>

namespace {

constexpr int UsageError = 2;

const char* const Description =
    "Checks Zapmaze level files and level sets and draws pictures of levels.\n"
    "\n"
    "Commands:\n"
    "  check PATH...                 Check level files, or the level set L1.txt to L10.txt\n"
    "                                of each folder. Exit status 0 without errors, 1 with\n"
    "                                an error, 2 for a usage error or an unreadable path.\n"
    "  render FILE -o OUT.png        Draw the level's grid as the editor shows it.\n"
    "  sheet FOLDER -o OUT.png       Draw the ten levels of a set in one picture.";

struct Options {
    QCommandLineOption help{QStringList{"h", "help"}, "Shows this help and ends."};
    QCommandLineOption version{QStringList{"v", "version"}, "Shows the version and ends."};
    QCommandLineOption json{"json", "check: print the findings as one JSON document."};
    QCommandLineOption quiet{"quiet", "check: print only the summary line."};
    QCommandLineOption output{QStringList{"o", "output"}, "render, sheet: the PNG file to write.",
                              "OUT.png"};
    QCommandLineOption scale{"scale", "render: enlarge by a whole factor from 1 to 10.", "N", "1"};
    QCommandLineOption noGrid{"no-grid", "render: hidden grid lines, as Show Grid off."};
};

// Arguments are taken as Latin-1, which maps every byte to one character and back, so that a
// path that is not valid UTF-8 keeps its bytes.
std::string PathArgument(const QString& argument) {
    return argument.toLatin1().toStdString();
}

// Qt names the program from the application object, which only pictures need.
QString HelpText(const QCommandLineParser& parser) {
    return parser.helpText().replace(QStringLiteral("<executable_name>"),
                                     QStringLiteral("zapmaze-levels"));
}

int Usage(const QCommandLineParser& parser, const QString& message) {
    std::fprintf(stderr, "zapmaze-levels: %s\n%s", message.toLatin1().constData(),
                 qPrintable(HelpText(parser)));
    return UsageError;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "zapmaze-levels: %s\n", message.c_str());
    return UsageError;
}

// Without a display the pictures still need fonts and an application object.
std::unique_ptr<QGuiApplication> StartGuiWithoutDisplay(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

std::optional<LevelGrid> ReadLevel(const std::string& path, std::string& error) {
    const std::unique_ptr<FileReadBuffer> file = OpenRegularFile(path, error);
    if (!file)
        return std::nullopt;
    std::istream in(file.get());
    LevelGrid grid{};
    PlayerStarts starts;
    ResetToDefaultLevel(grid, starts);
    ReadLevelText(in, grid, starts);
    if (in.bad()) {
        error = "reading failed";
        return std::nullopt;
    }
    return grid;
}

int WritePicture(const QImage& picture, const std::string& output) {
    std::string error;
    if (!SavePng(picture, output, error))
        return Fail("cannot write " + output + ": " + error);
    return 0;
}

int RunCheck(const QCommandLineParser& parser, const Options& options, const QStringList& paths) {
    if (paths.isEmpty())
        return Usage(parser, "check needs at least one PATH");
    if (parser.isSet(options.json) && parser.isSet(options.quiet))
        return Usage(parser, "--json and --quiet cannot be combined");
    std::vector<std::string> pathBytes;
    for (const QString& path : paths)
        pathBytes.push_back(PathArgument(path));
    const CheckOutput output = parser.isSet(options.json)    ? CheckOutput::Json
                               : parser.isSet(options.quiet) ? CheckOutput::Summary
                                                             : CheckOutput::Lines;
    return PrintCheckResult(CheckPaths(pathBytes), output, std::cout, std::cerr);
}

int RunRender(const QCommandLineParser& parser, const Options& options, const QStringList& paths) {
    if (paths.size() != 1 || !parser.isSet(options.output))
        return Usage(parser, "render needs one FILE and -o OUT.png");
    bool isNumber = false;
    const int scale = parser.value(options.scale).toInt(&isNumber);
    if (!isNumber || scale < 1 || scale > MaxRenderScale)
        return Usage(parser, "--scale takes a whole number from 1 to 10");
    const std::string path = PathArgument(paths.front());
    std::string error;
    const std::optional<LevelGrid> grid = ReadLevel(path, error);
    if (!grid)
        return Fail("cannot read " + path + ": " + error);
    return WritePicture(RenderLevel(*grid, !parser.isSet(options.noGrid), scale),
                        PathArgument(parser.value(options.output)));
}

SheetEntry SheetEntryFor(const std::string& folder, const std::vector<std::string>& candidates,
                         int level) {
    SheetEntry entry;
    entry.name = candidates.empty() ? "L" + std::to_string(level) + ".txt" : candidates.front();
    if (candidates.empty())
        return entry;
    const std::string path = (std::filesystem::path(folder) / entry.name).string();
    std::string error;
    const auto findings = CheckLevelFile(path, error);
    const std::optional<LevelGrid> grid = ReadLevel(path, error);
    const bool fails =
        !findings || !grid || std::any_of(findings->begin(), findings->end(), [](const Finding& f) {
            return f.severity == Finding::Severity::Error;
        });
    entry.state = fails ? SheetEntry::State::Fails : SheetEntry::State::Passes;
    if (grid)
        entry.grid = *grid;
    return entry;
}

int RunSheet(const QCommandLineParser& parser, const Options& options, const QStringList& paths) {
    if (paths.size() != 1 || !parser.isSet(options.output))
        return Usage(parser, "sheet needs one FOLDER and -o OUT.png");
    const std::string folder = PathArgument(paths.front());
    const std::optional<std::vector<std::string>> names = FolderNames(folder);
    if (!names)
        return Fail("cannot read " + folder + ": the folder cannot be listed");
    const LevelSetFiles files = SortLevelSetFiles(*names);
    std::array<SheetEntry, 10> entries;
    for (int level = 1; level <= 10; ++level)
        entries[level - 1] = SheetEntryFor(folder, files.levels[level - 1], level);
    return WritePicture(RenderSheet(entries), PathArgument(parser.value(options.output)));
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);

    Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(Description));
    parser.addOptions({options.help, options.version, options.json, options.quiet, options.output,
                       options.scale, options.noGrid});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("check, render or sheet"));
    parser.addPositionalArgument(QStringLiteral("paths"), QStringLiteral("Level files or folders"),
                                 QStringLiteral("PATH..."));
    if (!parser.parse(arguments))
        return Usage(parser, parser.errorText());
    if (parser.isSet(options.help)) {
        std::fputs(qPrintable(HelpText(parser)), stdout);
        return 0;
    }
    if (parser.isSet(options.version)) {
        std::printf("Zapmaze Levels 1.02\n");
        return 0;
    }
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return Usage(parser, "no command given");
    const QString command = positional.takeFirst();
    if (command == QLatin1String("check"))
        return RunCheck(parser, options, positional);
    if (command == QLatin1String("render")) {
        // XPM and PNG are built into Qt Gui: looking for image plugins would only load them.
        QCoreApplication::setLibraryPaths({});
        return RunRender(parser, options, positional);
    }
    if (command == QLatin1String("sheet")) {
        const auto application = StartGuiWithoutDisplay(argc, argv);
        return RunSheet(parser, options, positional);
    }
    return Usage(parser, "unknown command " + command);
}
