#include "history/plan.h"

namespace vx {

// Each move's entry is worked out directly (entryOfTurn, history/convert.cpp).
std::optional<History> historyOfPlan(std::span<const PhysicalMove> moves, int n) {
    History h;
    for (auto it = moves.rbegin(); it != moves.rend(); ++it) {
        const std::optional<HistEntry> e = entryOfTurn(*it, n);
        if (!e) return std::nullopt;
        h.push(*e);
    }
    return h;
}

bool historySolves(const Cube& cube, const History& h, int n) {
    Cube copy = cube;
    for (int i = h.histcount; i >= 1; --i)
        if (const std::optional<PhysicalMove> m = turnOfEntry(h.at(i), n)) copy.turn(*m, n);
    return copy.solved(n);
}

}  // namespace vx
