#include "level/LevelFileCheck.h"

#include "level/LevelFileName.h"
#include "level/LevelText.h"
#include "level/SaveChecks.h"

#include <cstdio>
#include <istream>
#include <optional>

namespace {

using Traits = std::char_traits<char>;

enum class LineEnd { CrLf, Lf, None, TooLong };

struct ScannedLine {
    std::array<char, GridColumns> characters{};
    int length = 0;
    LineEnd end = LineEnd::None;
};

std::string Describe(char character) {
    const auto byte = static_cast<unsigned char>(character);
    char text[32];
    if (byte > 0x20 && byte < 0x7F)
        std::snprintf(text, sizeof text, "'%c'", character);
    else
        std::snprintf(text, sizeof text, "byte 0x%02X", byte);
    return text;
}

std::string Counted(int count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// Walks the bytes of a level text as the reader takes them, one line at a time.
class LevelTextScanner {
public:
    explicit LevelTextScanner(std::streambuf& source) : Source(source) {}

    std::vector<Finding> Scan() {
        if (SkipByteOrderMark())
            Warn(1, 1, "the file starts with a byte order mark");
        int lines = 0;
        for (int row = 0; row < GridRows; ++row) {
            const ScannedLine line = ReadLine();
            if (line.end == LineEnd::TooLong) {
                Warn(row + 1, GridColumns + 1,
                     "the line has more than 15 characters: reading stops here, so this row "
                     "and the rows below keep the tiles they had");
                return std::move(Findings);
            }
            if (line.end == LineEnd::None) {
                if (line.length > 0) {
                    ++lines;
                    Warn(row + 1, line.length + 1,
                         "the last line has no line end, so it is not read");
                }
                break;
            }
            ++lines;
            CheckLine(line, row);
        }
        if (lines < GridRows)
            Warn(0, 0,
                 "the file has " + Counted(lines, "line") +
                     ", not 13: the rows without a line keep the tiles they had");
        else if (!Traits::eq_int_type(Peek(), Traits::eof()))
            Warn(GridRows + 1, 1,
                 "the file has more than 13 lines: the lines after the 13th "
                 "are not read");
        return std::move(Findings);
    }

private:
    Traits::int_type Next() {
        if (PendingCount > 0) {
            const char byte = Pending[0];
            Pending[0] = Pending[1];
            --PendingCount;
            return Traits::to_int_type(byte);
        }
        return Source.sbumpc();
    }

    Traits::int_type Peek() {
        return PendingCount > 0 ? Traits::to_int_type(Pending[0]) : Source.sgetc();
    }

    // Takes EF BB BF at the start; bytes that begin like it but differ stay to be read.
    bool SkipByteOrderMark() {
        static constexpr char Mark[] = {'\xEF', '\xBB', '\xBF'};
        int matched = 0;
        while (matched < 3 &&
               Traits::eq_int_type(Source.sgetc(), Traits::to_int_type(Mark[matched]))) {
            Source.sbumpc();
            ++matched;
        }
        if (matched == 3)
            return true;
        for (int i = 0; i < matched; ++i)
            Pending[PendingCount++] = Mark[i];
        return false;
    }

    // One line of at most 15 characters without its line end (LF, or CR LF); the 16th
    // character ends the reading, as it ends the reader's.
    ScannedLine ReadLine() {
        ScannedLine line;
        for (;;) {
            const Traits::int_type next = Next();
            if (Traits::eq_int_type(next, Traits::eof()))
                return line;
            const char character = Traits::to_char_type(next);
            if (character == '\n') {
                line.end = LineEnd::Lf;
                return line;
            }
            if (character == '\r' && Traits::eq_int_type(Peek(), Traits::to_int_type('\n'))) {
                Next();
                line.end = LineEnd::CrLf;
                return line;
            }
            if (line.length == GridColumns) {
                line.end = LineEnd::TooLong;
                return line;
            }
            line.characters[line.length++] = character;
        }
    }

    // In the order of the places: the characters, then what follows the last of them.
    void CheckLine(const ScannedLine& line, int row) {
        for (int column = 0; column < line.length; ++column)
            CheckCharacter(line.characters[column], column, row);
        if (line.length < GridColumns)
            Warn(row + 1, line.length + 1,
                 "the line has " + Counted(line.length, "character") +
                     ", not 15: the cells after them keep the tiles they had");
        if (line.end == LineEnd::Lf && !LfReported) {
            LfReported = true;
            Warn(row + 1, line.length + 1, "the line ends with LF, not CR LF");
        }
    }

    void CheckCharacter(char character, int column, int row) {
        const std::optional<TileType> tile = CharToTile(character);
        if (!tile) {
            Warn(row + 1, column + 1,
                 Describe(character) + " is no tile character: its cell keeps the tile it had");
            return;
        }
        if (IsBorderCell(column, row) && *tile != SolidBlock)
            Warn(row + 1, column + 1, "the border cell is not a solid block");
        if (!IsPlayerTile(*tile))
            return;
        const int player = PlayerOfTile(*tile);
        const Cell first = FirstStart[player];
        if (first == NoCell) {
            FirstStart[player] = Cell{column, row};
            return;
        }
        Warn(row + 1, column + 1,
             "player " + std::to_string(player + 1) + " occurs again (first at row " +
                 std::to_string(first.row + 1) + ", column " + std::to_string(first.column + 1) +
                 "): every copy is placed and the last one counts as the start");
    }

    void Warn(int row, int column, std::string text) {
        Findings.push_back({Finding::Severity::Warning, row, column, std::move(text)});
    }

    std::streambuf& Source;
    std::array<char, 2> Pending{};
    int PendingCount = 0;
    bool LfReported = false;
    std::array<Cell, PlayerCount> FirstStart{NoCell, NoCell, NoCell, NoCell, NoCell};
    std::vector<Finding> Findings;
};

bool EndsWithTxt(const std::string& name) {
    const std::string extension = ".txt";
    if (name.size() < extension.size())
        return false;
    for (std::size_t i = 0; i < extension.size(); ++i) {
        char character = name[name.size() - extension.size() + i];
        if (character >= 'A' && character <= 'Z')
            character = static_cast<char>(character - 'A' + 'a');
        if (character != extension[i])
            return false;
    }
    return true;
}

} // namespace

std::vector<Finding> ScanLevelText(std::istream& in) {
    std::streambuf* source = in.rdbuf();
    if (!source || !in.good())
        return {};
    try {
        return LevelTextScanner(*source).Scan();
    } catch (...) {
        // A read error: the stream says so, and the file counts as unreadable.
        in.setstate(std::ios::badbit);
        return {};
    }
}

std::vector<Finding> SaveCheckFindings(const LevelGrid& grid, const PlayerStarts& starts) {
    std::vector<Finding> findings;
    const SaveCheck check = CheckLevel(grid, starts);
    if (check.warnMissingPlayers)
        findings.push_back({Finding::Severity::Warning, 0, 0, MissingPlayersMessage});
    if (check.openBlock)
        findings.push_back({Finding::Severity::Error, check.openBlock->row + 1,
                            check.openBlock->column + 1, OpenBlockMessage(*check.openBlock)});
    return findings;
}

std::optional<std::vector<Finding>> CheckLevelStream(std::istream& in) {
    const std::vector<Finding> warnings = ScanLevelText(in);
    if (in.bad())
        return std::nullopt;
    in.clear();
    in.seekg(0);
    LevelGrid grid{};
    PlayerStarts starts;
    ResetToDefaultLevel(grid, starts);
    SkipByteOrderMark(in);
    ReadLevelText(in, grid, starts);
    if (in.bad())
        return std::nullopt;
    std::vector<Finding> findings = SaveCheckFindings(grid, starts);
    findings.insert(findings.end(), warnings.begin(), warnings.end());
    return findings;
}

LevelSetFiles SortLevelSetFiles(const std::vector<std::string>& names) {
    LevelSetFiles files;
    for (const std::string& name : names) {
        if (const std::optional<int> number = LevelSetNumber(name))
            files.levels[*number - 1].push_back(name);
        else if (EndsWithTxt(name))
            files.strays.push_back(name);
    }
    return files;
}
