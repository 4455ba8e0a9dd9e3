#pragma once
// The editor's settings as the 268-byte little-endian record of "settings.dat": the level
// directory (NUL-terminated within 260 bytes), the Show Grid state, three reserved bytes that
// travel through unchanged, and the grid colour as 0x00BBGGRR.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

constexpr std::size_t SettingsRecordSize = 268;
constexpr std::size_t LevelDirectorySize = 260;
constexpr std::size_t LevelDirectoryMaxLength = LevelDirectorySize - 1;
constexpr char SettingsFileName[] = "settings.dat";

constexpr std::uint32_t GridColorShown = 0x000000;
constexpr std::uint32_t GridColorHidden = 0x008000;

struct SettingsRecord {
    std::array<char, LevelDirectorySize> LevelDirectory{};
    std::uint8_t ShowGrid = 1;
    std::array<std::uint8_t, 3> Reserved{};
    std::uint32_t GridColor = GridColorShown;
};

using SettingsBytes = std::array<std::uint8_t, SettingsRecordSize>;

SettingsBytes SerialiseSettings(const SettingsRecord& record);
// Replaces the leading part of `record` with the `count` bytes given (at most 268 are used).
void DeserialiseSettings(const std::uint8_t* bytes, std::size_t count, SettingsRecord& record);

// Fills `record` from the file; returns false, with ShowGrid 1 and black lines, when the file
// cannot be opened or is no regular file. A symbolic link is never followed: it reads as no
// file. A short file replaces only the leading part of the record.
bool ReadSettingsFile(const std::string& path, SettingsRecord& record);
// Replaces the file in one step, keeping its mode, owner and group; a link or anything else
// that is no regular file at path is replaced by a regular file, never written through. A file
// without any write permission bit is left untouched. Returns false, leaving the previous file
// as it was, when the file could not be written.
bool WriteSettingsFile(const std::string& path, const SettingsRecord& record);

// The level directory as text: up to its terminator, and never more than 259 characters.
std::string LevelDirectoryText(const SettingsRecord& record);
// Stores `directory` with its terminator; returns false, changing nothing, when it is longer
// than the 259 characters that the record holds.
bool StoreLevelDirectory(SettingsRecord& record, const std::string& directory);
