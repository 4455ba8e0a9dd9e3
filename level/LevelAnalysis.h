#pragma once
// How fair a level is to its players, one definition for the editor's analysis window and for
// zapmaze-levels analyse. Pure code over the grid and the starts: no state, no files.
//
// Cells are open (Floor and the five player tiles), brick, or solid. A path moves between the
// four neighbours inside the grid; entering an open cell costs 1, entering a brick costs the
// brick cost, and a solid cell cannot be entered. For each placed start:
// - nearest: the other placed player with the least path cost from it (ties: the lower player
//   number) and that cost; none when no other player can be reached;
// - open path: whether another player can be reached through open cells alone;
// - room: the open cells reachable through open cells within 2 steps, the start's own cell not
//   counted (0 to 12);
// - territory: the cells that are not solid whose path cost from this start is finite and
//   strictly less than from every other placed start (its own cell included).
// For the level: the spread (largest minus smallest over the placed starts) of each of the
// three numbers, and the share of the 195 cells whose tile equals the tile of each of its
// images under a mirror, any two player tiles counting as equal.
//
// Cost: one analysis runs a shortest-path search per start over the 195 cells and allocates
// only its result; it takes microseconds, so a window may simply run it again after every
// change of the level.
#include <array>
#include <optional>
#include <vector>

#include "level/Finding.h"
#include "level/Level.h"
#include "level/Mirror.h"

inline constexpr int DefaultBrickCost = 3;
inline constexpr int LeastBrickCost = 1;
inline constexpr int GreatestBrickCost = 100;

enum class CellKind { Open, Brick, Solid };
CellKind KindOfTile(TileType tile);

struct NearestPlayer {
    int player = 0; // 0..4
    int cost = 0;
    bool operator==(const NearestPlayer&) const = default;
};

// One row of the analysis: a placed start.
struct StartAnalysis {
    int player = 0; // 0..4, shown as 1..5
    Cell cell;
    std::optional<NearestPlayer> nearest;
    bool openPath = false;
    int room = 0;
    int territory = 0;
};

// Largest minus smallest over the placed starts; none without a start (for nearest: without a
// start that has a nearest player).
struct AnalysisSpread {
    std::optional<int> nearest;
    std::optional<int> room;
    std::optional<int> territory;
};

struct LevelAnalysis {
    int brickCost = DefaultBrickCost;
    std::vector<StartAnalysis> starts; // the placed starts in player order
    AnalysisSpread spread;
    // Cells out of 195 that equal their images, indexed by Mirror; Share gives the fraction.
    std::array<int, 4> symmetricCells{};
    // walled-in (error) and no-room (warning), in player order, each at its start's cell.
    std::vector<Finding> findings;

    double Share(Mirror mirror) const;
};

// The analysis of a level; the brick cost is taken into LeastBrickCost..GreatestBrickCost.
// Starts are the placed flags and positions of starts; a position outside the grid is ignored.
LevelAnalysis AnalyseLevel(const LevelGrid& grid, const PlayerStarts& starts,
                           int brickCost = DefaultBrickCost);

// The texts of the two findings, for player 0..4.
std::string WalledInText(int player);
std::string NoRoomText(int player);
