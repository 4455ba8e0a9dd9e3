#include "level/LevelText.h"

#include "files/FileAccess.h"
#include "files/PathOpen.h"

#include <cctype>

namespace {

constexpr const char* LineEnd = "\r\n";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Stores the tile of a character and tells whether it was one.
bool StoreCharacter(char character, int column, int row, LevelGrid& grid, PlayerStarts& starts) {
    const std::optional<TileType> tile = CharToTile(character);
    if (!tile)
        return false;
    grid[column][row] = *tile;
    if (IsPlayerTile(*tile)) {
        const int player = PlayerOfTile(*tile);
        starts.position[player] = Cell{column, row};
        starts.placed[player] = true;
    }
    return true;
}

} // namespace

char TileToChar(TileType tile) {
    if (tile < 0 || tile >= TileCount)
        return '?';
    return TileTable[tile].fileCharacter;
}

std::optional<TileType> CharToTile(char character) {
    for (const TileKind& kind : TileTable)
        if (kind.fileCharacter == character)
            return kind.code;
    return std::nullopt;
}

std::string LevelText(const LevelGrid& grid) {
    std::string text;
    text.reserve(LevelTextBytes);
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < GridColumns; ++column)
            text += TileToChar(grid[column][row]);
        text += LineEnd;
    }
    return text;
}

LevelLine ReadLevelLine(std::string_view& text) {
    LevelLine line;
    while (!text.empty()) {
        const char character = text.front();
        if (character == '\n') {
            text.remove_prefix(1);
            line.end = LevelLine::End::Lf;
            return line;
        }
        if (text.starts_with("\r\n")) {
            text.remove_prefix(2);
            line.end = LevelLine::End::CrLf;
            return line;
        }
        if (line.length == GridColumns) {
            line.end = LevelLine::End::TooLong;
            return line;
        }
        line.characters[line.length++] = character;
        text.remove_prefix(1);
    }
    return line;
}

bool SkipByteOrderMark(std::string_view& text) {
    if (!text.starts_with(ByteOrderMark))
        return false;
    text.remove_prefix(ByteOrderMark.size());
    return true;
}

LevelTextRead ReadLevelBytes(std::string_view bytes, LevelGrid& grid, PlayerStarts& starts) {
    SkipByteOrderMark(bytes);
    LevelTextRead read;
    for (int row = 0; row < GridRows; read.rows = ++row) {
        const LevelLine line = ReadLevelLine(bytes);
        if (line.end == LevelLine::End::EndOfFile || line.end == LevelLine::End::TooLong)
            break;
        for (int column = 0; column < line.length; ++column)
            read.tiles +=
                StoreCharacter(line.characters[column], column, row, grid, starts) ? 1 : 0;
    }
    return read;
}

LevelFileRead ReadLevelFile(const std::string& path, LevelGrid& grid, PlayerStarts& starts) {
    const FileStart start = ReadFileStart(path, LongestLevelFile);
    if (start.failure != ReadFailure::None)
        return {start.failure, {}, {}};
    return {ReadFailure::None, ReadLevelBytes(start.bytes, grid, starts),
            LevelFileStamp(start.status, start.bytes)};
}

FileStamp LevelFileStamp(const struct stat& status, std::string_view bytes) {
    return StampOf(status, bytes.substr(0, LevelTextBytes));
}

std::optional<FileStamp> LevelFileStampNow(const std::string& path) {
    const OpenedFile opened = OpenForReading(path);
    if (opened.failure != ReadFailure::None)
        return std::nullopt;
    return StampOfOpenFile(opened.file.get(), LevelTextBytes);
}

LevelFileWrite WriteLevelFile(const std::string& path, const LevelGrid& grid) {
    const std::optional<std::string> target = FollowLinks(path);
    if (!target)
        return {{false, false, WriteFailure::ForeignLink, PreviousFile::Unchanged}, {}};
    const std::string text = LevelText(grid);
    LevelFileWrite written{ReplaceFile(*target, text, std::nullopt, OtherFileAtName::Refuse), {}};
    written.stamp = LevelFileStamp(written.result.written, text);
    return written;
}

std::string LoadFailedMessage(const std::string& path, const LevelFileRead& read) {
    std::string reason(read.failure == ReadFailure::None ? std::string_view("it holds no level")
                                                         : ReadFailureText(read.failure));
    reason.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(reason.front())));
    return "The file " + path + " could not be read as a level. " + reason +
           ". Nothing was loaded.";
}

std::string PartlyLoadedMessage(int rows, const std::string& path) {
    return "Only " + std::to_string(rows) + " of the " + std::to_string(GridRows) + " rows of " +
           path + " could be read. The other rows keep the tiles they had.";
}
