// Any bytes read as "settings.dat": reading never crashes, the level directory never runs past
// its field, and a full record is written back exactly as it was read.
#include "settings/SettingsRecord.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SettingsRecord record;
    DeserialiseSettings(data, size, record);
    if (LevelDirectoryText(record).size() > LevelDirectoryMaxLength)
        std::abort();
    const SettingsBytes written = SerialiseSettings(record);
    if (size >= SettingsRecordSize && std::memcmp(written.data(), data, SettingsRecordSize) != 0)
        std::abort();
    SettingsRecord again;
    DeserialiseSettings(written.data(), written.size(), again);
    if (SerialiseSettings(again) != written)
        std::abort();
    return 0;
}
