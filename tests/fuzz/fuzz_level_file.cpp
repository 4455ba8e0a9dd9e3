// Any bytes as a level file on disk: reading the file takes exactly what reading all the same
// bytes from memory takes, though it reads only the start of the file, and it reports between 0
// and 13 rows.
#include "FuzzFile.h"
#include "level/Level.h"
#include "level/LevelText.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LevelGrid fromFile;
    PlayerStarts fileStarts;
    ResetToDefaultLevel(fromFile, fileStarts);
    LevelGrid fromMemory = fromFile;
    PlayerStarts memoryStarts = fileStarts;

    const LevelFileRead fileRead = ReadLevelFile(WriteFuzzFile(data, size), fromFile, fileStarts);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const LevelTextRead memoryRead = ReadLevelBytes(bytes, fromMemory, memoryStarts);

    if (fileRead.text.rows < 0 || fileRead.text.rows > GridRows ||
        fileRead.text.rows != memoryRead.rows || fileRead.text.tiles != memoryRead.tiles ||
        fromFile != fromMemory)
        std::abort();
    for (int player = 0; player < PlayerCount; ++player)
        if (fileStarts.placed[player] != memoryStarts.placed[player] ||
            (fileStarts.placed[player] &&
             !(fileStarts.position[player] == memoryStarts.position[player])))
            std::abort();
    return 0;
}
