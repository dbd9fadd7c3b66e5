#include "solver/three/tables.h"

#include <algorithm>
#include <utility>

namespace vx::solver::three {
namespace {

using Maker = Pieces (*)(int);
using Reader = int (*)(const Pieces&);

template <std::size_t T>
std::vector<std::uint16_t> moveTable(int count, Maker make, Reader read, const std::array<int, T>& moves) {
    std::vector<std::uint16_t> table(static_cast<std::size_t>(count) * T);
    for (int c = 0; c < count; ++c) {
        const Pieces p = make(c);
        for (std::size_t m = 0; m < T; ++m)
            table[static_cast<std::size_t>(c) * T + m] =
                static_cast<std::uint16_t>(read(apply(p, comboMove(moves[m]))));
    }
    return table;
}

std::array<int, kCombos> allMoves() {
    std::array<int, kCombos> t{};
    for (int i = 0; i < kCombos; ++i) t[static_cast<std::size_t>(i)] = i;
    return t;
}

// The moves of a table's row that a search of fewest moves needs: every
// move that costs one, and those that cost two on an axis with no move
// costing one (elsewhere each is two moves of one, on its axis).
template <std::size_t T>
std::vector<std::pair<std::size_t, int>> neededMoves(const std::array<int, T>& moves, bool slices) {
    std::array<bool, 3> cheap{};
    for (int m : moves) cheap[static_cast<std::size_t>(comboAxis(m))] |= comboCost(m, slices) == 1;
    std::vector<std::pair<std::size_t, int>> needed;
    for (std::size_t k = 0; k < T; ++k)
        if (comboCost(moves[k], slices) == 1 || !cheap[static_cast<std::size_t>(comboAxis(moves[k]))])
            needed.emplace_back(k, comboCost(moves[k], slices));
    return needed;
}

// The fewest moves from `home` to every pair (a, b), in the game's count
// with middle layers or with outer layers only (a needed move costs one or
// two): distances are settled in increasing order, as each one can only come
// from a smaller one.
template <std::size_t T>
std::vector<std::uint8_t> costTable(const std::vector<std::uint16_t>& aMove, int aCount,
                                    const std::vector<std::uint16_t>& bMove, int bCount, int home,
                                    const std::array<int, T>& moves, bool slices) {
    const std::size_t size = static_cast<std::size_t>(aCount) * static_cast<std::size_t>(bCount);
    const auto needed = neededMoves(moves, slices);
    std::vector<std::uint8_t> cost(size, 0xff);
    cost[static_cast<std::size_t>(home)] = 0;
    std::size_t settled = 1;
    const auto neighbour = [&](std::size_t s, std::size_t m) {
        const std::size_t a = s / static_cast<std::size_t>(bCount), b = s % static_cast<std::size_t>(bCount);
        return aMove[a * T + m] * static_cast<std::size_t>(bCount) + bMove[b * T + m];
    };
    // A move costs at most two: two empty distances in a row end the search.
    int emptyRun = 0;
    for (int d = 0; settled < size && emptyRun < 2 && d < 0xfc; ++d) {
        bool any = false;
        if (2 * settled < size) {
            // Early on, from each entry at d to its neighbours.
            for (std::size_t s = 0; s < size; ++s) {
                if (cost[s] != d) continue;
                any = true;
                for (const auto& [m, c] : needed) {
                    const std::size_t next = neighbour(s, m);
                    if (cost[next] == 0xff) ++settled;
                    if (cost[next] > d + c) cost[next] = static_cast<std::uint8_t>(d + c);
                }
            }
        } else {
            // Late on, from each entry beyond d + 1 to a neighbour that puts
            // it at d + 1 (the needed moves are closed under undoing, at the
            // same cost, and every entry below d + 1 is settled).
            for (std::size_t s = 0; s < size; ++s) {
                any |= cost[s] == d;
                if (cost[s] <= d + 1) continue;
                for (const auto& [m, c] : needed)
                    if (cost[neighbour(s, m)] + c == d + 1) {
                        if (cost[s] == 0xff) ++settled;
                        cost[s] = static_cast<std::uint8_t>(d + 1);
                        break;
                    }
            }
        }
        emptyRun = any ? 0 : emptyRun + 1;
    }
    return cost;
}

}  // namespace

Nibbles::Nibbles(const std::vector<std::uint8_t>& values) : bytes_((values.size() + 1) / 2), size_(values.size()) {
    for (std::size_t i = 0; i < values.size(); ++i)
        bytes_[i >> 1] = static_cast<std::uint8_t>(bytes_[i >> 1] | std::min<int>(values[i], 15) << ((i & 1) * 4));
}

Tables buildTables() {
    Tables t;
    const auto all = allMoves();
    t.twistMove = moveTable(kTwists, withTwist, twist, all);
    t.flipMove = moveTable(kFlips, withFlip, flip, all);
    t.sliceMove = moveTable(kSlices, withSlice, slice, all);
    t.cornerMove = moveTable(kCornerPerms, withCornerPerm, cornerPerm, kPhaseTwoMoves);
    t.edgeMove = moveTable(kEdgePerms, withEdgePerm, edgePerm, kPhaseTwoMoves);
    t.slicePermMove = moveTable(kSlicePerms, withSlicePerm, slicePerm, kPhaseTwoMoves);
    for (const bool slices : {true, false}) {
        Bounds& b = slices ? t.withSlices : t.outerOnly;
        b.twistSliceCost = Nibbles(costTable(t.twistMove, kTwists, t.sliceMove, kSlices, kSliceHome, all, slices));
        b.flipSliceCost = Nibbles(costTable(t.flipMove, kFlips, t.sliceMove, kSlices, kSliceHome, all, slices));
        b.twistFlipCost = Nibbles(costTable(t.twistMove, kTwists, t.flipMove, kFlips, 0, all, slices));
        b.cornerSliceCost =
            costTable(t.cornerMove, kCornerPerms, t.slicePermMove, kSlicePerms, 0, kPhaseTwoMoves, slices);
        b.edgeSliceCost = costTable(t.edgeMove, kEdgePerms, t.slicePermMove, kSlicePerms, 0, kPhaseTwoMoves, slices);
    }
    return t;
}

std::size_t Bounds::bytes() const {
    std::size_t n = 0;
    for (const auto* v : {&twistSliceCost, &flipSliceCost, &twistFlipCost}) n += v->bytes();
    for (const auto* v : {&cornerSliceCost, &edgeSliceCost}) n += v->size();
    return n;
}

std::size_t Tables::bytes() const {
    std::size_t n = withSlices.bytes() + outerOnly.bytes();
    for (const auto* v : {&twistMove, &flipMove, &sliceMove, &cornerMove, &edgeMove, &slicePermMove})
        n += v->size() * sizeof(std::uint16_t);
    return n;
}

const Tables& tables() {
    static const Tables t = buildTables();
    return t;
}

}  // namespace vx::solver::three
