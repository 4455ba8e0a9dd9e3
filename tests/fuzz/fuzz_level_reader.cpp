// Any bytes read as a level: the reader never crashes, never reads past its bounds, and leaves
// only tile codes in the grid and only grid cells as the starts it records.
#include "level/Level.h"
#include "level/LevelText.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LevelGrid grid;
    PlayerStarts starts;
    ResetToDefaultLevel(grid, starts);
    ReadLevelBytes({reinterpret_cast<const char*>(data), size}, grid, starts);
    for (const auto& column : grid)
        for (TileType tile : column)
            if (tile < 0 || tile >= TileCount)
                std::abort();
    for (int player = 0; player < PlayerCount; ++player) {
        if (!starts.placed[player])
            continue;
        const Cell cell = starts.position[player];
        if (cell.column < 0 || cell.column >= GridColumns || cell.row < 0 || cell.row >= GridRows)
            std::abort();
        if (grid[cell.column][cell.row] != TileOfPlayer(player))
            std::abort();
    }
    const std::string written = LevelText(grid);
    if (written.size() != 221)
        std::abort();
    return 0;
}
