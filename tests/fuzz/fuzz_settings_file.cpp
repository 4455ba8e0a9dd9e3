// Any bytes as "settings.dat" on disk: reading the file gives the record that the same bytes
// give from memory, whatever their length.
#include "FuzzFile.h"
#include "settings/SettingsRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SettingsRecord fromFile;
    if (!ReadSettingsFile(WriteFuzzFile(data, size), fromFile))
        std::abort();
    SettingsRecord fromMemory;
    DeserialiseSettings(data, size, fromMemory);
    if (SerialiseSettings(fromFile) != SerialiseSettings(fromMemory))
        std::abort();
    return 0;
}
