#include "settings/SettingsRecord.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {
constexpr std::size_t ShowGridOffset = 260;
constexpr std::size_t ReservedOffset = 261;
constexpr std::size_t GridColorOffset = 264;

// A named pipe or a device under the settings file's name would make opening it wait for ever.
bool IsSomethingElseThanAFile(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}
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
    std::ifstream file;
    if (!IsSomethingElseThanAFile(path))
        file.open(path, std::ios::binary);
    if (!file.is_open()) {
        record.ShowGrid = 1;
        record.GridColor = GridColorShown;
        return false;
    }
    SettingsBytes bytes{};
    file.read(reinterpret_cast<char*>(bytes.data()), SettingsRecordSize);
    DeserialiseSettings(bytes.data(), static_cast<std::size_t>(file.gcount()), record);
    return true;
}

void WriteSettingsFile(const std::string& path, const SettingsRecord& record) {
    if (IsSomethingElseThanAFile(path))
        return;
    const SettingsBytes bytes = SerialiseSettings(record);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), SettingsRecordSize);
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
