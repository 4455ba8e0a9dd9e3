#include "level/LevelAnalysis.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int CellCount = GridColumns * GridRows;
constexpr int Unreachable = INT_MAX;
constexpr int RoomSteps = 2;

using Costs = std::array<int, CellCount>;

int IndexOf(Cell cell) {
    return cell.column * GridRows + cell.row;
}

Cell CellAtIndex(int index) {
    return {index / GridRows, index % GridRows};
}

TileType TileAt(const LevelGrid& grid, Cell cell) {
    return grid[cell.column][cell.row];
}

// The neighbours of each cell inside the grid, by index; -1 past the grid's edge.
using NeighbourTable = std::array<std::array<int, 4>, CellCount>;
constexpr NeighbourTable MakeNeighbourTable() {
    NeighbourTable table{};
    for (int index = 0; index < CellCount; ++index) {
        const int column = index / GridRows, row = index % GridRows;
        table[index] = {column > 0 ? index - GridRows : -1,
                        column < GridColumns - 1 ? index + GridRows : -1, row > 0 ? index - 1 : -1,
                        row < GridRows - 1 ? index + 1 : -1};
    }
    return table;
}
constexpr NeighbourTable Neighbours = MakeNeighbourTable();

template <typename Visit> void ForEachNeighbour(int index, Visit visit) {
    for (const int next : Neighbours[index])
        if (next >= 0)
            visit(next);
}

// What entering each cell costs: 1 for an open cell, Unreachable for a solid one.
Costs EntryCosts(const LevelGrid& grid, int brickCost) {
    Costs entry{};
    for (int index = 0; index < CellCount; ++index) {
        const CellKind kind = KindOfTile(TileAt(grid, CellAtIndex(index)));
        entry[index] = kind == CellKind::Open    ? 1
                       : kind == CellKind::Brick ? brickCost
                                                 : Unreachable;
    }
    return entry;
}

// The least path cost from the start to every cell (Dijkstra over a heap that lives on the
// stack: each cell is pushed at most once per neighbour).
Costs PathCosts(const Costs& entry, int start) {
    Costs costs;
    costs.fill(Unreachable);
    std::array<std::pair<int, int>, CellCount * 4 + 1> heap;
    std::size_t size = 0;
    const auto later = [](const std::pair<int, int>& a, const std::pair<int, int>& b) {
        return a.first > b.first;
    };
    costs[start] = 0;
    heap[size++] = {0, start};
    while (size > 0) {
        std::pop_heap(heap.begin(), heap.begin() + size, later);
        const int cost = heap[--size].first;
        const int index = heap[size].second;
        if (cost > costs[index])
            continue;
        ForEachNeighbour(index, [&](int next) {
            if (entry[next] == Unreachable || cost + entry[next] >= costs[next])
                return;
            costs[next] = cost + entry[next];
            heap[size++] = {costs[next], next};
            std::push_heap(heap.begin(), heap.begin() + size, later);
        });
    }
    return costs;
}

std::optional<int> SpreadOf(const std::vector<int>& values) {
    if (values.empty())
        return std::nullopt;
    const auto [least, greatest] = std::minmax_element(values.begin(), values.end());
    return *greatest - *least;
}

AnalysisSpread SpreadOfStarts(const std::vector<StartAnalysis>& starts) {
    std::vector<int> nearest, room, territory;
    for (const StartAnalysis& start : starts) {
        if (start.nearest)
            nearest.push_back(start.nearest->cost);
        room.push_back(start.room);
        territory.push_back(start.territory);
    }
    return {SpreadOf(nearest), SpreadOf(room), SpreadOf(territory)};
}

bool SameTileForSymmetry(TileType a, TileType b) {
    return a == b || (IsPlayerTile(a) && IsPlayerTile(b));
}

// The cells that equal their images, for each mirror, in one pass over the grid.
std::array<int, 4> SymmetricCells(const LevelGrid& grid) {
    std::array<int, 4> matching{};
    for (int index = 0; index < CellCount; ++index) {
        const Cell cell = CellAtIndex(index);
        const TileType tile = TileAt(grid, cell);
        const bool leftRight = SameTileForSymmetry(tile, TileAt(grid, LeftRightImage(cell)));
        const bool topBottom = SameTileForSymmetry(tile, TileAt(grid, TopBottomImage(cell)));
        const bool halfTurn = SameTileForSymmetry(tile, TileAt(grid, HalfTurnImage(cell)));
        matching[static_cast<int>(Mirror::LeftRight)] += leftRight;
        matching[static_cast<int>(Mirror::TopBottom)] += topBottom;
        matching[static_cast<int>(Mirror::HalfTurn)] += halfTurn;
        matching[static_cast<int>(Mirror::Both)] += leftRight && topBottom && halfTurn;
    }
    return matching;
}

// Each cell goes to the start with the strictly least finite cost to it.
void CountTerritories(const LevelGrid& grid, const std::vector<Costs>& costs,
                      std::vector<StartAnalysis>& starts) {
    for (int index = 0; index < CellCount; ++index) {
        if (KindOfTile(TileAt(grid, CellAtIndex(index))) == CellKind::Solid)
            continue;
        int owner = -1, least = Unreachable;
        bool tied = false;
        for (std::size_t start = 0; start < starts.size(); ++start) {
            if (costs[start][index] < least) {
                owner = static_cast<int>(start);
                least = costs[start][index];
                tied = false;
            } else if (costs[start][index] == least) {
                tied = true;
            }
        }
        if (owner >= 0 && !tied && least != Unreachable)
            ++starts[owner].territory;
    }
}

void AddFindings(LevelAnalysis& analysis) {
    for (const StartAnalysis& start : analysis.starts) {
        if (analysis.starts.size() >= 2 && !start.nearest)
            analysis.findings.push_back(FindingAtCell(Finding::Severity::Error, start.cell,
                                                      FindingRule::WalledIn,
                                                      WalledInText(start.player)));
        if (start.room == 0)
            analysis.findings.push_back(FindingAtCell(Finding::Severity::Warning, start.cell,
                                                      FindingRule::NoRoom,
                                                      NoRoomText(start.player)));
    }
}

} // namespace

CellKind KindOfTile(TileType tile) {
    return tile == SolidBlock ? CellKind::Solid : tile == Brick ? CellKind::Brick : CellKind::Open;
}

double LevelAnalysis::Share(Mirror mirror) const {
    return symmetricCells[static_cast<int>(mirror)] / static_cast<double>(CellCount);
}

LevelAnalysis AnalyseLevel(const LevelGrid& grid, const PlayerStarts& starts, int brickCost) {
    LevelAnalysis analysis;
    analysis.brickCost = std::clamp(brickCost, LeastBrickCost, GreatestBrickCost);
    for (int player = 0; player < PlayerCount; ++player)
        if (starts.placed[player] && IsInGrid(starts.position[player]))
            analysis.starts.push_back({player, starts.position[player], {}, false, 0, 0});

    const Costs entry = EntryCosts(grid, analysis.brickCost);
    // With bricks as walls, the cost of a path is its number of open steps.
    const Costs openEntry = EntryCosts(grid, Unreachable);
    std::vector<Costs> costs;
    costs.reserve(analysis.starts.size());
    for (const StartAnalysis& start : analysis.starts)
        costs.push_back(PathCosts(entry, IndexOf(start.cell)));

    for (std::size_t at = 0; at < analysis.starts.size(); ++at) {
        StartAnalysis& start = analysis.starts[at];
        const Costs steps = PathCosts(openEntry, IndexOf(start.cell));
        for (std::size_t other = 0; other < analysis.starts.size(); ++other) {
            if (other == at)
                continue;
            const int target = IndexOf(analysis.starts[other].cell);
            const int cost = costs[at][target];
            if (cost != Unreachable && (!start.nearest || cost < start.nearest->cost))
                start.nearest = NearestPlayer{analysis.starts[other].player, cost};
            start.openPath = start.openPath || (steps[target] > 0 && steps[target] != Unreachable);
        }
        start.room = static_cast<int>(std::count_if(
            steps.begin(), steps.end(), [](int step) { return step > 0 && step <= RoomSteps; }));
    }
    CountTerritories(grid, costs, analysis.starts);
    analysis.spread = SpreadOfStarts(analysis.starts);
    analysis.symmetricCells = SymmetricCells(grid);
    AddFindings(analysis);
    return analysis;
}

std::string WalledInText(int player) {
    return "Player " + std::to_string(player + 1) + " cannot reach any other player";
}

std::string NoRoomText(int player) {
    return "Player " + std::to_string(player + 1) + " cannot move without breaking a brick";
}
