#include "level/LevelText.h"

#include "files/FileAccess.h"
#include "files/PathOpen.h"

#include <cctype>
#include <istream>
#include <sstream>
#include <string_view>

namespace {

constexpr std::array<char, TileCount> TileChars = {'*', '-', ' ', '1', '2', '3', '4', '5'};
constexpr const char* LineEnd = "\r\n";

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

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

char TileToChar(TileType tile) {
    if (tile < 0 || tile >= TileCount)
        return '?';
    return TileChars[tile];
}

std::optional<TileType> CharToTile(char character) {
    for (int tile = 0; tile < TileCount; ++tile)
        if (TileChars[tile] == character)
            return static_cast<TileType>(tile);
    return std::nullopt;
}

std::string LevelText(const LevelGrid& grid) {
    std::string text;
    text.reserve(GridRows * (GridColumns + 2));
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < GridColumns; ++column)
            text += TileToChar(grid[column][row]);
        text += LineEnd;
    }
    return text;
}

LevelLine ReadLevelLine(std::streambuf& source) {
    using Traits = std::char_traits<char>;
    LevelLine line;
    for (;;) {
        const Traits::int_type next = source.sbumpc();
        if (Traits::eq_int_type(next, Traits::eof()))
            return line;
        const char character = Traits::to_char_type(next);
        if (character == '\n') {
            line.end = LevelLine::End::Lf;
            return line;
        }
        if (character == '\r' && Traits::eq_int_type(source.sgetc(), Traits::to_int_type('\n'))) {
            source.sbumpc();
            line.end = LevelLine::End::CrLf;
            return line;
        }
        if (line.length == GridColumns) {
            line.end = LevelLine::End::TooLong;
            return line;
        }
        line.characters[line.length++] = character;
    }
}

namespace {

// Reads the lines, counting the rows and tiles taken, and tells how the reading stopped, as
// the state that the stream then takes.
std::ios::iostate ReadRows(std::streambuf& source, LevelGrid& grid, PlayerStarts& starts,
                           LevelTextRead& taken) {
    for (int row = 0; row < GridRows; taken.rows = ++row) {
        const LevelLine line = ReadLevelLine(source);
        if (line.end == LevelLine::End::EndOfFile)
            return std::ios::eofbit;
        if (line.end == LevelLine::End::TooLong)
            return std::ios::failbit;
        for (int column = 0; column < line.length; ++column)
            taken.tiles +=
                StoreCharacter(line.characters[column], column, row, grid, starts) ? 1 : 0;
    }
    return std::ios::goodbit;
}

} // namespace

LevelTextRead ReadLevelText(std::istream& in, LevelGrid& grid, PlayerStarts& starts) {
    std::streambuf* source = in.rdbuf();
    LevelTextRead read;
    if (!source || !in.good())
        return read;
    std::ios::iostate state = std::ios::goodbit;
    try {
        state = ReadRows(*source, grid, starts, read);
    } catch (...) {
        // A read error (such as a folder opened as a file) ends the reading as a failed stream
        // does: the rows read before it stay.
        state = std::ios::badbit;
    }
    in.setstate(state);
    return read;
}

// Bytes that only begin like the mark are put back, so that the reader sees them as they are.
bool SkipByteOrderMark(std::istream& in) {
    using Traits = std::char_traits<char>;
    std::streambuf* source = in.rdbuf();
    if (!source)
        return false;
    std::size_t matched = 0;
    while (matched < ByteOrderMark.size() &&
           Traits::eq_int_type(source->sgetc(), Traits::to_int_type(ByteOrderMark[matched]))) {
        source->sbumpc();
        ++matched;
    }
    if (matched == ByteOrderMark.size())
        return true;
    for (; matched > 0; --matched)
        source->sungetc();
    return false;
}

LevelTextRead ReadLevelBytes(const std::string& bytes, LevelGrid& grid, PlayerStarts& starts) {
    std::istringstream in(bytes);
    SkipByteOrderMark(in);
    return ReadLevelText(in, grid, starts);
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
    if (!target) {
        LevelFileWrite refused;
        refused.result.failure = WriteFailure::ForeignLink;
        refused.result.previous = PreviousFile::Unchanged;
        return refused;
    }
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
