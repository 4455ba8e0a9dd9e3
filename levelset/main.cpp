// zapmaze-levels: checks level files and level sets against the game's rules and draws
// pictures of levels, without a window. It links no GUI library, so it starts as fast as a
// small C program.
#include "files/StandardOutput.h"
#include "level/LevelText.h"
#include "levelset/CommandLine.h"
#include "levelset/Escape.h"
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

int Fail(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", Program, TerminalText(message).c_str());
    return Failure;
}

int Usage(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n%s", Program, TerminalText(message).c_str(),
                 LevelsHelpText().c_str());
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

// The level as the editor's Load at start-up shows it: the file read over the default level.
// A file that cannot be read, or that holds no level, gives the exit status that check gives it.
std::optional<LevelGrid> ReadLevel(const std::string& path, int& status) {
    LevelGrid grid{};
    PlayerStarts starts;
    ResetToDefaultLevel(grid, starts);
    const LevelFileRead read = ReadLevelFile(path, grid, starts);
    if (read.failure != ReadFailure::None) {
        status = Fail("cannot read " + path + ": " + std::string(ReadFailureText(read.failure)));
        return std::nullopt;
    }
    if (!read.HoldsLevel()) {
        Fail("will not render " + path + ": " + HoldsNoLevelMessage);
        status = HoldsNoLevelStatus;
        return std::nullopt;
    }
    return grid;
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
    if (arguments.paths.empty())
        return Usage("check needs at least one PATH");
    if (arguments.json && arguments.quiet)
        return Usage("--json and --quiet cannot be combined");
    const CheckOutput output = arguments.json    ? CheckOutput::Json
                               : arguments.quiet ? CheckOutput::Summary
                                                 : CheckOutput::Lines;
    const CheckResult result = CheckPaths(arguments.paths);
    std::fputs(UnreadableLines(result).c_str(), stderr);
    return Print(CheckReport(result, output), CheckStatus(result, arguments.strict));
}

std::optional<int> RenderScale(const LevelsArguments& arguments) {
    const std::string text = arguments.scale.value_or("1");
    int scale = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), scale);
    if (error != std::errc() || end != text.data() + text.size() || scale < 1 ||
        scale > MaxRenderScale)
        return std::nullopt;
    return scale;
}

int RunRender(const LevelsArguments& arguments) {
    if (arguments.paths.size() != 1 || !arguments.output)
        return Usage("render needs one FILE and -o OUT.png");
    const std::optional<int> scale = RenderScale(arguments);
    if (!scale)
        return Usage("--scale takes a whole number from 1 to 10");
    const std::string& path = arguments.paths.front();
    int status = 0;
    const std::optional<LevelGrid> grid = ReadLevel(path, status);
    if (!grid)
        return status;
    const render::Pixel gridColour =
        arguments.noGrid ? render::GridLinesHidden : render::GridLinesShown;
    return WritePicture(render::RenderLevel(*grid, gridColour, *scale), arguments, {path});
}

int RunSheet(const LevelsArguments& arguments) {
    if (arguments.paths.size() != 1 || !arguments.output)
        return Usage("sheet needs one FOLDER and -o OUT.png");
    const std::string& folder = arguments.paths.front();
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
    return RunSheet(*arguments);
}
