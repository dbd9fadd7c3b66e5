#include "solver/three/tables.h"

#include <functional>

namespace vx::solver::three {
namespace {

using Maker = Pieces (*)(int);
using Reader = int (*)(const Pieces&);

template <std::size_t T>
std::vector<std::uint16_t> moveTable(int count, Maker make, Reader read, const std::array<int, T>& turns) {
    std::vector<std::uint16_t> table(static_cast<std::size_t>(count) * T);
    for (int c = 0; c < count; ++c) {
        const Pieces p = make(c);
        for (std::size_t m = 0; m < T; ++m)
            table[static_cast<std::size_t>(c) * T + m] = static_cast<std::uint16_t>(read(apply(p, faceTurn(turns[m]))));
    }
    return table;
}

std::array<int, kFaceTurns> allTurns() {
    std::array<int, kFaceTurns> t{};
    for (int i = 0; i < kFaceTurns; ++i) t[static_cast<std::size_t>(i)] = i;
    return t;
}

// The fewest moves from `home` to every pair (a, b), where a turn costs one
// for a quarter and two for a half: distances are settled in increasing
// order, as each one can only come from a smaller one.
template <std::size_t T>
std::vector<std::uint8_t> costTable(const std::vector<std::uint16_t>& aMove, int aCount,
                                    const std::vector<std::uint16_t>& bMove, int bCount, int home,
                                    const std::array<int, T>& turns) {
    const std::size_t size = static_cast<std::size_t>(aCount) * static_cast<std::size_t>(bCount);
    std::vector<std::uint8_t> cost(size, 0xff);
    cost[static_cast<std::size_t>(home)] = 0;
    std::size_t settled = 1;
    // A turn costs at most two: two empty distances in a row end the search.
    int emptyRun = 0;
    for (int d = 0; settled < size && emptyRun < 2 && d < 0xfc; ++d) {
        bool any = false;
        for (std::size_t s = 0; s < size; ++s) {
            if (cost[s] != d) continue;
            any = true;
            const std::size_t a = s / static_cast<std::size_t>(bCount), b = s % static_cast<std::size_t>(bCount);
            for (std::size_t m = 0; m < T; ++m) {
                const std::size_t next = aMove[a * T + m] * static_cast<std::size_t>(bCount) + bMove[b * T + m];
                const int c = d + costOf(turns[m]);
                if (cost[next] == 0xff) ++settled;
                if (cost[next] > c) cost[next] = static_cast<std::uint8_t>(c);
            }
        }
        emptyRun = any ? 0 : emptyRun + 1;
    }
    return cost;
}

}  // namespace

Tables buildTables() {
    Tables t;
    const auto all = allTurns();
    t.twistMove = moveTable(kTwists, withTwist, twist, all);
    t.flipMove = moveTable(kFlips, withFlip, flip, all);
    t.sliceMove = moveTable(kSlices, withSlice, slice, all);
    t.cornerMove = moveTable(kCornerPerms, withCornerPerm, cornerPerm, kPhaseTwoTurns);
    t.edgeMove = moveTable(kEdgePerms, withEdgePerm, edgePerm, kPhaseTwoTurns);
    t.slicePermMove = moveTable(kSlicePerms, withSlicePerm, slicePerm, kPhaseTwoTurns);
    t.twistSliceCost = costTable(t.twistMove, kTwists, t.sliceMove, kSlices, kSliceHome, all);
    t.flipSliceCost = costTable(t.flipMove, kFlips, t.sliceMove, kSlices, kSliceHome, all);
    t.twistFlipCost = costTable(t.twistMove, kTwists, t.flipMove, kFlips, 0, all);
    t.cornerSliceCost = costTable(t.cornerMove, kCornerPerms, t.slicePermMove, kSlicePerms, 0, kPhaseTwoTurns);
    t.edgeSliceCost = costTable(t.edgeMove, kEdgePerms, t.slicePermMove, kSlicePerms, 0, kPhaseTwoTurns);
    return t;
}

std::size_t Tables::bytes() const {
    std::size_t n = 0;
    for (const auto* v : {&twistMove, &flipMove, &sliceMove, &cornerMove, &edgeMove, &slicePermMove})
        n += v->size() * sizeof(std::uint16_t);
    for (const auto* v : {&twistSliceCost, &flipSliceCost, &twistFlipCost, &cornerSliceCost, &edgeSliceCost}) n += v->size();
    return n;
}

const Tables& tables() {
    static const Tables t = buildTables();
    return t;
}

}  // namespace vx::solver::three
