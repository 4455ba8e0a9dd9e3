// zapmaze-levels: checks level files and level sets against the game's rules and draws
// pictures of levels, without a window. It links no GUI library, so it starts as fast as a
// small C program.
#include "files/StandardOutput.h"
#include "level/LevelText.h"
#include "levelset/AnalyseReport.h"
#include "levelset/CommandLine.h"
#include "levelset/Escape.h"
#include "levelset/LevelInput.h"
#include "levelset/LevelPictures.h"
#include "levelset/LevelSetCheck.h"
#include "levelset/LevelSheet.h"
#include "levelset/OutputFile.h"
#include "levelset/PngFile.h"
#include "render/GridPicture.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <optional>

namespace {

constexpr const char* Program = "zapmaze-levels";
constexpr int Failure = 2;
// What check gives a file that holds no level: an error.
constexpr int HoldsNoLevelStatus = 1;
constexpr int MaxRenderScale = 10;
// The largest picture that --size makes: that of --scale 10.
constexpr int MaxRenderSize = 3010;

int Fail(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", Program, TerminalText(message).c_str());
    return Failure;
}

int Usage(const std::string& message) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", Program, TerminalText(message).c_str(),
                 Program);
    return Failure;
}

// Standard output, or exit status 2 when it cannot be written: with the reason for a full disk,
// quietly for a pipe whose reader has gone (check ... | head -1), which wants no more.
int Print(const std::string& text, int status) {
    if (WriteAndFlush(stdout, text))
        return status;
    if (errno != EPIPE)
        std::fputs(OutputFailedLine(Program).c_str(), stderr);
    return Failure;
}

// The level as the editor's Load at start-up shows it. A file that cannot be read, or that
// holds no level, gives the exit status that check gives it.
std::optional<LevelGrid> ReadLevel(const std::string& path, int& status) {
    const InputLevel input = ReadInputLevel(path);
    if (input.failure != ReadFailure::None)
        status = Fail("cannot read " + path + ": " + std::string(ReadFailureText(input.failure)));
    else if (!input.grid) {
        Fail("will not render " + path + ": " + HoldsNoLevelMessage);
        status = HoldsNoLevelStatus;
    }
    return input.grid;
}

// The files that a command reads, which its picture may not overwrite.
std::vector<std::string> InputFiles(const std::vector<std::string>& paths) {
    std::vector<std::string> files;
    std::copy_if(paths.begin(), paths.end(), std::back_inserter(files),
                 [](const std::string& path) { return !IsStandardInput(path); });
    return files;
}

// The format that --format or --json asks for; nothing after a usage error, already reported.
std::optional<ReportFormat> FormatOf(const LevelsArguments& arguments, int& status) {
    if (arguments.json && arguments.format && *arguments.format != "json") {
        status = Usage("--json and --format " + *arguments.format + " cannot be combined");
        return std::nullopt;
    }
    const std::optional<ReportFormat> format =
        ReportFormatNamed(arguments.json ? "json" : arguments.format.value_or("text"));
    if (!format)
        status = Usage("--format takes text, gcc, json or github");
    return format;
}

// The usage error of check and analyse without a path, or with standard input named twice: it
// holds one level, and a second "-" would find it empty.
std::optional<int> PathsUsageError(const LevelsArguments& arguments) {
    if (arguments.paths.empty())
        return Usage(arguments.command + " needs at least one PATH");
    if (std::count_if(arguments.paths.begin(), arguments.paths.end(), IsStandardInput) > 1)
        return Usage("standard input (-) holds one level and can be named once");
    return std::nullopt;
}

int WritePicture(const render::PixelBuffer& picture, const LevelsArguments& arguments,
                 const std::vector<std::string>& inputs) {
    const std::string& output = *arguments.output;
    std::string error;
    const std::optional<OutputTarget> target =
        CheckOutputPath(output, inputs, arguments.force, error);
    if (!target)
        return Fail("will not write " + output + ": " + error);
    const std::optional<std::string> png = EncodePng(picture.View());
    if (!png)
        return Fail("cannot write " + output + ": the picture could not be encoded");
    if (!WriteOutputFile(output, *target, *png, error))
        return Fail("cannot write " + output + ": " + error);
    return 0;
}

int RunCheck(const LevelsArguments& arguments) {
    if (const std::optional<int> usage = PathsUsageError(arguments))
        return *usage;
    int status = 0;
    const std::optional<ReportFormat> format = FormatOf(arguments, status);
    if (!format)
        return status;
    if (*format == ReportFormat::Json && arguments.quiet)
        return Usage("--json and --quiet cannot be combined");
    const CheckResult result = CheckPaths(arguments.paths);
    std::fputs(UnreadableLines(result).c_str(), stderr);
    return Print(CheckReport(result, *format, arguments.quiet),
                 TallyStatus(TallyOf(result), arguments.strict));
}

// A whole number from 1 to most in text, or nothing.
std::optional<int> WholeNumber(const std::string& text, int most) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < 1 || number > most)
        return std::nullopt;
    return number;
}

// How large render draws the level: enlarged by a whole factor, or fitted into a square.
struct PictureSize {
    int scale = 1;
    std::optional<int> fitInto;
};

// The size that --scale or --size asks for; nothing after a usage error, already reported.
std::optional<PictureSize> PictureSizeOf(const LevelsArguments& arguments, int& status) {
    if (arguments.size && arguments.scale) {
        status = Usage("--size and --scale cannot be combined");
        return std::nullopt;
    }
    if (arguments.size) {
        const std::optional<int> size = WholeNumber(*arguments.size, MaxRenderSize);
        if (!size)
            status = Usage("--size takes a whole number from 1 to 3010");
        return size ? std::optional(PictureSize{1, size}) : std::nullopt;
    }
    const std::optional<int> scale = WholeNumber(arguments.scale.value_or("1"), MaxRenderScale);
    if (!scale)
        status = Usage("--scale takes a whole number from 1 to 10");
    return scale ? std::optional(PictureSize{*scale, std::nullopt}) : std::nullopt;
}

int RunRender(const LevelsArguments& arguments) {
    if (arguments.paths.size() != 1 || !arguments.output)
        return Usage("render needs one FILE and -o OUT.png");
    int status = 0;
    const std::optional<PictureSize> size = PictureSizeOf(arguments, status);
    if (!size)
        return status;
    const std::optional<LevelGrid> grid = ReadLevel(arguments.paths.front(), status);
    if (!grid)
        return status;
    const render::Pixel gridColour =
        arguments.noGrid ? render::GridLinesHidden : render::GridLinesShown;
    const render::PixelBuffer picture = render::RenderLevel(*grid, gridColour, size->scale);
    return WritePicture(size->fitInto ? FittedPicture(picture.View(), *size->fitInto) : picture,
                        arguments, InputFiles(arguments.paths));
}

int RunAnalyse(const LevelsArguments& arguments) {
    if (const std::optional<int> usage = PathsUsageError(arguments))
        return *usage;
    const std::optional<int> brickCost = arguments.brickCost
                                             ? WholeNumber(*arguments.brickCost, GreatestBrickCost)
                                             : std::optional(DefaultBrickCost);
    if (!brickCost)
        return Usage("--brick-cost takes a whole number from 1 to 100");
    int status = 0;
    const std::optional<ReportFormat> format = FormatOf(arguments, status);
    if (!format)
        return status;
    const std::vector<AnalysedLevel> levels = AnalysePaths(arguments.paths, *brickCost);
    std::fputs(AnalyseUnreadableLines(levels).c_str(), stderr);
    return Print(AnalyseReport(levels, *format, *brickCost),
                 TallyStatus(TallyOf(levels), arguments.strict));
}

int RunSheet(const LevelsArguments& arguments) {
    if (arguments.paths.size() != 1 || !arguments.output)
        return Usage("sheet needs one FOLDER and -o OUT.png");
    const std::string& folder = arguments.paths.front();
    if (IsStandardInput(folder))
        return Usage("sheet reads a folder, not standard input: name a folder called - as ./-");
    const std::optional<LevelSheet> sheet = ReadLevelSheet(folder);
    if (!sheet)
        return Fail("cannot read " + folder + ": the folder cannot be listed");
    int status = 0;
    for (const UnreadablePath& path : sheet->unreadable)
        status = Fail("cannot read " + path.path + ": " + path.reason);
    const int written = WritePicture(RenderSheet(sheet->entries), arguments, sheet->inputs);
    return written != 0 ? written : status;
}

} // namespace

int main(int argc, char* argv[]) {
    // A closed pipe or a file size limit is a failed write that the program reports, not a
    // signal that ends it mid-way.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    std::string error;
    const std::optional<LevelsArguments> arguments = ParseLevelsArguments(
        std::vector<std::string>(argv + std::min(argc, 1), argv + argc), error);
    if (!arguments)
        return Usage(error);
    if (arguments->help)
        return Print(LevelsHelpText(), 0);
    if (arguments->version)
        return Print("Zapmaze Levels 1.02\n", 0);
    if (arguments->command == "check")
        return RunCheck(*arguments);
    if (arguments->command == "render")
        return RunRender(*arguments);
    if (arguments->command == "analyse")
        return RunAnalyse(*arguments);
    return RunSheet(*arguments);
}
