#include "history/plan.h"

#include "history/convert.h"

namespace vx {
namespace {

// The view in which an entry is written down (see convert.h).
View canonicalView(int axis) { return {axis == 1 ? 1 : axis == 2 ? 5 : 6, 1}; }

}  // namespace

std::optional<PhysicalMove> turnOfEntry(const HistEntry& e, int n) {
    if (!validEntry(e, n)) return std::nullopt;
    const View view = canonicalView(e.axis);
    const std::optional<ScreenMove> screen = toScreen(view, e, n);
    if (!screen) return std::nullopt;
    return physicalMove(view, *screen, n);
}

std::optional<HistEntry> entryOfTurn(const PhysicalMove& m, int n) {
    // A turn is recorded from an edge: one of 1 and n is the entry's second
    // coordinate (the first for axis 3), the slab the other one. Try them.
    for (int axis = 1; axis <= 3; ++axis)
        for (int line = 1; line <= n; ++line)
            for (int edge : {1, n}) {
                const HistEntry e = axis == 3 ? HistEntry{3, edge, line} : HistEntry{axis, line, edge};
                if (turnOfEntry(e, n) == m) return e;
            }
    return std::nullopt;
}

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
