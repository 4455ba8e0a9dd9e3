#pragma once
// The recovery file of a running editor: the level exactly as on screen, the file it belongs to,
// what that file was when the editor last read or wrote it, and when the level was kept. A small
// binary layout, all numbers little-endian:
//   8 bytes   "ZMRECOV\n"
//   2 bytes   format version (2; files of version 1 have no stamp and are read as well)
//   8 bytes   seconds since 1970-01-01 UTC, signed
//   15 bytes  per player 1..5: placed (0 or 1), column, row (signed bytes; -1 for none)
//   4 bytes   length of the path, at most MaxRecoveryPathBytes
//   the path's bytes (none for a level never saved), an absolute path
//   57 bytes  the file's stamp: 1 when there is one, else 0; then device, inode, size,
//             modification seconds and nanoseconds, hash and hashed bytes, 8 bytes each
//             (zero without a stamp)
//   221 bytes the level text, as a level file holds it
//   4 bytes   CRC-32 of everything before it
// A file that is cut short, changed, of another program or of a newer format, or whose path is
// relative (it would name a file wherever the editor happened to start), decodes to nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/FileStamp.h"
#include "level/LevelDocument.h"

struct RecoveryRecord {
    LevelState level;
    std::string path;
    std::int64_t savedAt = 0;       // seconds since 1970-01-01 UTC
    std::optional<FileStamp> stamp; // of the level's file when the editor last read or wrote it
    bool operator==(const RecoveryRecord&) const = default;
};

inline constexpr std::uint16_t RecoveryFormatVersion = 2;
inline constexpr std::size_t MaxRecoveryPathBytes = 4096;
inline constexpr std::size_t RecoveryStampBytes = 1 + 7 * 8;
// No valid recovery file is longer.
inline constexpr std::size_t MaxRecoveryBytes =
    8 + 2 + 8 + 15 + 4 + MaxRecoveryPathBytes + RecoveryStampBytes + 221 + 4;

// The IEEE 802.3 CRC-32, as zip and PNG use it.
std::uint32_t Crc32(std::string_view bytes);

// Nothing when the path is relative, longer than MaxRecoveryPathBytes or holds a zero byte.
std::optional<std::string> EncodeRecovery(const RecoveryRecord& record);
std::optional<RecoveryRecord> DecodeRecovery(std::string_view bytes);
