#include "level/RecoveryRecord.h"

#include "level/LevelText.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

constexpr std::string_view Magic = "ZMRECOV\n";
constexpr std::uint16_t FormatWithoutStamp = 1;
constexpr std::size_t FixedBytes = Magic.size() + 2 + 8 + 3 * PlayerCount + 4;
constexpr std::size_t StampFields = 7;

void PutNumber(std::string& out, std::uint64_t value, int bytes) {
    for (int index = 0; index < bytes; ++index)
        out.push_back(static_cast<char>((value >> (8 * index)) & 0xFF));
}

// Reads numbers from the front of the bytes; the caller has checked the length.
class Cursor {
public:
    explicit Cursor(std::string_view bytes) : Rest(bytes) {}
    std::uint64_t Number(int bytes) {
        std::uint64_t value = 0;
        for (int index = 0; index < bytes; ++index)
            value |= std::uint64_t(static_cast<unsigned char>(Rest[index])) << (8 * index);
        Rest.remove_prefix(bytes);
        return value;
    }
    std::int8_t SignedByte() { return static_cast<std::int8_t>(Number(1)); }
    std::string_view Take(std::size_t count) {
        const std::string_view taken = Rest.substr(0, count);
        Rest.remove_prefix(count);
        return taken;
    }

private:
    std::string_view Rest;
};

// A start as the editor keeps it: a placed player stands inside the grid; an unplaced one
// remembers a cell of the grid or none.
bool IsValidStart(int placed, int column, int row) {
    if (placed == 1)
        return IsInGrid({column, row});
    return placed == 0 && (IsInGrid({column, row}) || Cell{column, row} == NoCell);
}

// The grid of a level text that is exactly as the writer makes it: the text that the writer
// makes of what the reader takes from it is the text itself.
std::optional<LevelGrid> GridOfText(std::string_view text) {
    LevelGrid grid{};
    PlayerStarts starts;
    ReadLevelBytes(text, grid, starts);
    return LevelText(grid) == text ? std::optional(grid) : std::nullopt;
}

// A path that a record may hold: none, or an absolute one without zero bytes.
bool IsRecordPath(std::string_view path) {
    return path.size() <= MaxRecoveryPathBytes && path.find('\0') == std::string_view::npos &&
           (path.empty() || path.front() == '/');
}

void PutStamp(std::string& out, const std::optional<FileStamp>& stamp) {
    const FileStamp fields = stamp.value_or(FileStamp{});
    PutNumber(out, stamp ? 1 : 0, 1);
    for (const std::uint64_t field :
         {fields.device, fields.inode, static_cast<std::uint64_t>(fields.size),
          static_cast<std::uint64_t>(fields.modifiedSeconds),
          static_cast<std::uint64_t>(fields.modifiedNanoseconds), fields.hash, fields.hashedBytes})
        PutNumber(out, field, 8);
}

// Nothing inside the optional when the record has no stamp; nothing at all when the flag is
// neither 0 nor 1, or a record without a stamp has any field that is not zero.
std::optional<std::optional<FileStamp>> ReadStamp(Cursor& cursor) {
    const std::uint64_t present = cursor.Number(1);
    std::uint64_t fields[StampFields];
    for (std::uint64_t& field : fields)
        field = cursor.Number(8);
    const bool allZero = std::all_of(std::begin(fields), std::end(fields),
                                     [](std::uint64_t field) { return field == 0; });
    if (present > 1 || (present == 0 && !allZero))
        return std::nullopt;
    if (present == 0)
        return std::optional<FileStamp>();
    return FileStamp{fields[0],
                     fields[1],
                     static_cast<std::int64_t>(fields[2]),
                     static_cast<std::int64_t>(fields[3]),
                     static_cast<std::int64_t>(fields[4]),
                     fields[5],
                     fields[6]};
}

std::optional<PlayerStarts> ReadStarts(Cursor& cursor) {
    PlayerStarts starts;
    for (int player = 0; player < PlayerCount; ++player) {
        const int placed = cursor.SignedByte();
        const int column = cursor.SignedByte();
        const int row = cursor.SignedByte();
        if (!IsValidStart(placed, column, row))
            return std::nullopt;
        starts.placed[player] = placed == 1;
        starts.position[player] = Cell{column, row};
    }
    return starts;
}

} // namespace

std::uint32_t Crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::optional<std::string> EncodeRecovery(const RecoveryRecord& record) {
    if (!IsRecordPath(record.path))
        return std::nullopt;
    std::string out(Magic);
    PutNumber(out, RecoveryFormatVersion, 2);
    PutNumber(out, static_cast<std::uint64_t>(record.savedAt), 8);
    for (int player = 0; player < PlayerCount; ++player) {
        const Cell position = record.level.starts.position[player];
        PutNumber(out, record.level.starts.placed[player] ? 1 : 0, 1);
        PutNumber(out, static_cast<std::uint8_t>(position.column), 1);
        PutNumber(out, static_cast<std::uint8_t>(position.row), 1);
    }
    PutNumber(out, record.path.size(), 4);
    out += record.path;
    PutStamp(out, record.stamp);
    out += LevelText(record.level.grid);
    PutNumber(out, Crc32(out), 4);
    return out;
}

std::optional<RecoveryRecord> DecodeRecovery(std::string_view bytes) {
    if (bytes.size() < FixedBytes + LevelTextBytes + 4 || !bytes.starts_with(Magic))
        return std::nullopt;
    const std::string_view body = bytes.substr(0, bytes.size() - 4);
    if (Cursor(bytes.substr(body.size())).Number(4) != Crc32(body))
        return std::nullopt;
    Cursor cursor(body.substr(Magic.size()));
    const std::uint64_t version = cursor.Number(2);
    if (version != RecoveryFormatVersion && version != FormatWithoutStamp)
        return std::nullopt;
    const std::size_t stampBytes = version == FormatWithoutStamp ? 0 : RecoveryStampBytes;
    RecoveryRecord record;
    record.savedAt = static_cast<std::int64_t>(cursor.Number(8));
    const std::optional<PlayerStarts> starts = ReadStarts(cursor);
    const std::uint64_t pathBytes = cursor.Number(4);
    if (!starts || pathBytes > MaxRecoveryPathBytes ||
        body.size() != FixedBytes + pathBytes + stampBytes + LevelTextBytes)
        return std::nullopt;
    record.path = cursor.Take(pathBytes);
    if (stampBytes > 0) {
        const std::optional<std::optional<FileStamp>> stamp = ReadStamp(cursor);
        if (!stamp)
            return std::nullopt;
        record.stamp = *stamp;
    }
    const std::optional<LevelGrid> grid = GridOfText(cursor.Take(LevelTextBytes));
    if (!grid || !IsRecordPath(record.path))
        return std::nullopt;
    record.level = {*grid, *starts};
    return record;
}
