// Any bytes as "settings.dat" on disk: reading the file gives the record that the same bytes
// give from memory, and writing that record back and reading it again changes nothing.
#include "FuzzFile.h"
#include "settings/SettingsRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = WriteFuzzFile(data, size);
    SettingsRecord fromFile;
    if (!ReadSettingsFile(path, fromFile))
        std::abort();
    SettingsRecord fromMemory;
    DeserialiseSettings(data, size, fromMemory);
    if (SerialiseSettings(fromFile) != SerialiseSettings(fromMemory))
        std::abort();

    if (!WriteSettingsFile(path, fromFile))
        std::abort();
    SettingsRecord again;
    if (!ReadSettingsFile(path, again) || SerialiseSettings(again) != SerialiseSettings(fromFile))
        std::abort();
    return 0;
}
