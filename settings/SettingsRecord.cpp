#include "settings/SettingsRecord.h"

#include "files/FileAccess.h"
#include "files/ReadFile.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t ShowGridOffset = 260;
constexpr std::size_t ReservedOffset = 261;
constexpr std::size_t GridColorOffset = 264;
} // namespace

SettingsBytes SerialiseSettings(const SettingsRecord& record) {
    SettingsBytes bytes{};
    std::memcpy(bytes.data(), record.LevelDirectory.data(), LevelDirectorySize);
    bytes[ShowGridOffset] = record.ShowGrid;
    std::copy(record.Reserved.begin(), record.Reserved.end(), bytes.begin() + ReservedOffset);
    for (std::size_t i = 0; i < 4; ++i)
        bytes[GridColorOffset + i] = static_cast<std::uint8_t>(record.GridColor >> (8 * i));
    return bytes;
}

void DeserialiseSettings(const std::uint8_t* bytes, std::size_t count, SettingsRecord& record) {
    SettingsBytes merged = SerialiseSettings(record);
    std::memcpy(merged.data(), bytes, std::min(count, SettingsRecordSize));
    std::memcpy(record.LevelDirectory.data(), merged.data(), LevelDirectorySize);
    record.ShowGrid = merged[ShowGridOffset];
    std::copy_n(merged.begin() + ReservedOffset, record.Reserved.size(), record.Reserved.begin());
    record.GridColor = 0;
    for (std::size_t i = 0; i < 4; ++i)
        record.GridColor |= static_cast<std::uint32_t>(merged[GridColorOffset + i]) << (8 * i);
}

bool ReadSettingsFile(const std::string& path, SettingsRecord& record) {
    const FileStart start = ReadFileStart(path, SettingsRecordSize);
    if (start.failure != ReadFailure::None) {
        record.ShowGrid = 1;
        record.GridColor = GridColorShown;
        return false;
    }
    DeserialiseSettings(reinterpret_cast<const std::uint8_t*>(start.bytes.data()),
                        start.bytes.size(), record);
    return true;
}

bool WriteSettingsFile(const std::string& path, const SettingsRecord& record) {
    const SettingsBytes bytes = SerialiseSettings(record);
    return ReplaceFile(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()},
                       std::nullopt);
}

std::string LevelDirectoryText(const SettingsRecord& record) {
    const char* begin = record.LevelDirectory.data();
    const char* end = std::find(begin, begin + LevelDirectoryMaxLength, '\0');
    return std::string(begin, end);
}

bool StoreLevelDirectory(SettingsRecord& record, const std::string& directory) {
    if (directory.size() > LevelDirectoryMaxLength)
        return false;
    std::memcpy(record.LevelDirectory.data(), directory.c_str(), directory.size() + 1);
    return true;
}
