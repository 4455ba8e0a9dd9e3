#include "level/LevelFileCheck.h"

#include "level/Counted.h"
#include "level/LevelText.h"
#include "level/SaveChecks.h"

#include <optional>

namespace {

std::string Describe(char character) {
    const auto byte = static_cast<unsigned char>(character);
    return byte > 0x20 && byte < 0x7F ? Printed("'%c'", character) : Printed("byte 0x%02X", byte);
}

// Walks the bytes of a level text as the reader takes them, one line at a time.
class LevelTextScanner {
public:
    explicit LevelTextScanner(std::string_view text) : Text(text) {}

    std::vector<Finding> Scan(bool byteOrderMark) {
        if (byteOrderMark)
            Warn(1, 1, FindingRule::ByteOrderMark, "the file starts with a byte order mark");
        int lines = 0;
        for (int row = 0; row < GridRows; ++row) {
            const LevelLine line = ReadLevelLine(Text);
            if (line.end == LevelLine::End::TooLong) {
                Warn(row + 1, GridColumns + 1, FindingRule::RowLength,
                     "the line has more than 15 characters: reading stops here, so this row "
                     "and the rows below keep the tiles they had");
                return std::move(Findings);
            }
            if (line.end == LevelLine::End::EndOfFile) {
                if (line.length > 0) {
                    ++lines;
                    Warn(row + 1, line.length + 1, FindingRule::UnendedLine,
                         "the last line has no line end, so it is not read");
                }
                break;
            }
            ++lines;
            CheckLine(line, row);
        }
        if (lines < GridRows)
            Warn(0, 0, FindingRule::LineCount,
                 "the file has " + Counted(lines, "line") +
                     ", not 13: the rows without a line keep the tiles they had");
        else if (!Text.empty())
            Warn(GridRows + 1, 1, FindingRule::LineCount,
                 "the file has more than 13 lines: the lines after the 13th "
                 "are not read");
        return std::move(Findings);
    }

private:
    // In the order of the places: the characters, then what follows the last of them.
    void CheckLine(const LevelLine& line, int row) {
        for (int column = 0; column < line.length; ++column)
            CheckCharacter(line.characters[column], column, row);
        if (line.length < GridColumns)
            Warn(row + 1, line.length + 1, FindingRule::RowLength,
                 "the line has " + Counted(line.length, "character") +
                     ", not 15: the cells after them keep the tiles they had");
        if (line.end == LevelLine::End::Lf && !LfReported) {
            LfReported = true;
            Warn(row + 1, line.length + 1, FindingRule::LineEnds,
                 "the line ends with LF, not CR LF");
        }
    }

    void CheckCharacter(char character, int column, int row) {
        const std::optional<TileType> tile = CharToTile(character);
        if (!tile) {
            Warn(row + 1, column + 1, FindingRule::UnknownCharacter,
                 Describe(character) + " is no tile character: its cell keeps the tile it had");
            return;
        }
        if (IsBorderCell(column, row) && *tile != SolidBlock)
            Warn(row + 1, column + 1, FindingRule::OpenBorder,
                 "the border cell is not a solid block");
        if (!IsPlayerTile(*tile))
            return;
        const int player = PlayerOfTile(*tile);
        const Cell first = FirstStart[player];
        if (first == NoCell) {
            FirstStart[player] = Cell{column, row};
            return;
        }
        Warn(row + 1, column + 1, FindingRule::RepeatedPlayer,
             "player " + std::to_string(player + 1) + " occurs again (first at row " +
                 std::to_string(first.row + 1) + ", column " + std::to_string(first.column + 1) +
                 "): every copy is placed and the last one counts as the start");
    }

    void Warn(int row, int column, std::string_view rule, std::string text) {
        Findings.push_back({Finding::Severity::Warning, row, column, rule, std::move(text)});
    }

    std::string_view Text;
    bool LfReported = false;
    std::array<Cell, PlayerCount> FirstStart{NoCell, NoCell, NoCell, NoCell, NoCell};
    std::vector<Finding> Findings;
};

} // namespace

std::vector<Finding> ScanLevelText(std::string_view text) {
    const bool byteOrderMark = SkipByteOrderMark(text);
    return LevelTextScanner(text).Scan(byteOrderMark);
}

std::vector<Finding> SaveCheckFindings(const LevelGrid& grid, const PlayerStarts& starts) {
    std::vector<Finding> findings;
    const SaveCheck check = CheckLevel(grid, starts);
    if (check.warnMissingPlayers)
        findings.push_back(
            {Finding::Severity::Warning, 0, 0, FindingRule::MissingPlayer, MissingPlayersMessage});
    if (check.openBlock)
        findings.push_back(FindingAtCell(Finding::Severity::Error, *check.openBlock,
                                         FindingRule::OpenBlock, OpenBlockText(*check.openBlock)));
    return findings;
}

std::vector<Finding> CheckLevelBytes(const std::string& bytes, LevelGrid& grid) {
    const std::vector<Finding> warnings = ScanLevelText(bytes);
    PlayerStarts starts;
    ResetToDefaultLevel(grid, starts);
    if (ReadLevelBytes(bytes, grid, starts).tiles == 0)
        return {{Finding::Severity::Error, 0, 0, FindingRule::NotALevel, HoldsNoLevelMessage}};
    std::vector<Finding> findings = SaveCheckFindings(grid, starts);
    findings.insert(findings.end(), warnings.begin(), warnings.end());
    return findings;
}

LevelSetFiles SortLevelSetFiles(const std::vector<std::string>& names) {
    LevelSetFiles files;
    for (const std::string& name : names) {
        if (const std::optional<int> number = LevelSetNumber(name))
            files.levels[*number - 1].push_back(name);
        else if (HasExtension(name, ".txt"))
            files.strays.push_back(name);
    }
    return files;
}
