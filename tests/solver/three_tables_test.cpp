#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "random_states.h"
#include "solver/three/coords.h"
#include "solver/three/tables.h"
#include "solver/three/three_solver.h"

namespace vx {
namespace {

using namespace solver::three;
using solver::Pieces;

// A search move made with the game's own quarter turns of layers 1 and 3.
Cube comboCube(int c) {
    Cube cube = test::paintedCube(3, {}, test::kPlainColours);
    for (int far = 0; far < 2; ++far)
        for (int k = 0; k < comboAmount(c, far); ++k) cube.turn({comboAxis(c), far == 0 ? 1 : 3, 1}, 3);
    return cube;
}

// The fewest of the game's quarter turns (of `layers`) that solve the cube.
int fewestTurns(const Cube& cube, const std::vector<int>& layers, int most) {
    std::function<bool(const Cube&, int)> within = [&](const Cube& c, int left) {
        if (c.solved(3)) return true;
        if (left == 0) return false;
        for (int axis = 0; axis < 3; ++axis)
            for (int layer : layers)
                for (int q : {1, -1}) {
                    Cube next = c;
                    next.turn({axis, layer, q}, 3);
                    if (within(next, left - 1)) return true;
                }
        return false;
    };
    for (int k = 0; k <= most; ++k)
        if (within(cube, k)) return k;
    return -1;
}

TEST(ThreeTables, EachMoveCostsWhatTheGamesTurnsTakeToUndoIt) {
    for (int c = 0; c < kCombos; ++c) {
        const Cube cube = comboCube(c);
        EXPECT_EQ(comboCost(c, true), fewestTurns(cube, {1, 2, 3}, 2)) << "move " << c;
        EXPECT_EQ(comboCost(c, false), fewestTurns(cube, {1, 3}, 4)) << "move " << c;
    }
}

TEST(ThreeTables, SecondPhaseMovesKeepTheFirstPhaseSolved) {
    int count = 0;
    for (int c = 0; c < kCombos; ++c) {
        const Pieces p = apply(Pieces{}, comboMove(c));
        const bool keeps = twist(p) == 0 && flip(p) == 0 && slice(p) == kSliceHome;
        EXPECT_EQ(keeps, inPhaseTwo(c)) << "move " << c;
        count += keeps;
    }
    EXPECT_EQ(count, kPhaseTwoCombos);
}

TEST(ThreeTables, MoveTablesFollowThePieces) {
    const Tables& t = tables();
    std::mt19937 rng(21);
    for (int i = 0; i < 300; ++i) {
        const Pieces p = test::randomPieces(3, rng);
        const int c = static_cast<int>(rng() % kCombos);
        const Pieces q = apply(p, comboMove(c));
        const std::size_t m = static_cast<std::size_t>(c);
        EXPECT_EQ(t.twistMove[static_cast<std::size_t>(twist(p)) * kCombos + m], twist(q));
        EXPECT_EQ(t.flipMove[static_cast<std::size_t>(flip(p)) * kCombos + m], flip(q));
        EXPECT_EQ(t.sliceMove[static_cast<std::size_t>(slice(p)) * kCombos + m], slice(q));
    }
}

// A table of fewest moves from home obeys, at every entry, the equations
// that only the true distances obey: no move shortens the way by more than
// it costs, and every entry but home is reached from a nearer one by some
// move (the moves are closed under undoing).
template <std::size_t T, class Costs>
void expectDistances(const Costs& cost, const std::vector<std::uint16_t>& aMove,
                     const std::vector<std::uint16_t>& bMove, int bCount, const std::array<int, T>& moves,
                     std::size_t step, bool slices, const char* name) {
    std::size_t zeros = 0;
    for (std::size_t s = 0; s < cost.size(); s += step) {
        const std::size_t a = s / static_cast<std::size_t>(bCount), b = s % static_cast<std::size_t>(bCount);
        bool reached = cost[s] == 0;
        zeros += cost[s] == 0;
        for (std::size_t m = 0; m < T; ++m) {
            const std::size_t next = aMove[a * T + m] * static_cast<std::size_t>(bCount) + bMove[b * T + m];
            const int c = comboCost(moves[m], slices);
            ASSERT_LE(cost[next], cost[s] + c) << name << " entry " << s;
            reached |= cost[next] + c == cost[s];
        }
        ASSERT_TRUE(reached) << name << " entry " << s;
    }
    EXPECT_LE(zeros, 1u) << name;
}

// Both counts: with middle layers, and outer layers only (the big cubes').
TEST(ThreeTables, PruningTablesHoldTheFewestMoves) {
    const Tables& t = tables();
    std::array<int, kCombos> all{};
    for (int c = 0; c < kCombos; ++c) all[static_cast<std::size_t>(c)] = c;
    for (const bool slices : {true, false}) {
        const Bounds& b = t.bounds(slices);
        expectDistances(b.twistSliceCost, t.twistMove, t.sliceMove, kSlices, all, 1, slices, "twist, slice");
        expectDistances(b.flipSliceCost, t.flipMove, t.sliceMove, kSlices, all, 1, slices, "flip, slice");
        expectDistances(b.twistFlipCost, t.twistMove, t.flipMove, kFlips, all, 7, slices, "twist, flip");
        expectDistances(b.cornerSliceCost, t.cornerMove, t.slicePermMove, kSlicePerms, kPhaseTwoMoves, 1, slices,
                        "corners");
        expectDistances(b.edgeSliceCost, t.edgeMove, t.slicePermMove, kSlicePerms, kPhaseTwoMoves, 1, slices, "edges");
    }
}

TEST(ThreeSolverSetUp, TheSameCubeGetsTheSameSolution) {
    std::mt19937 rng(77);
    for (int i = 0; i < 4; ++i) {
        const Cube c = test::randomCube(3, rng);
        solver::Solution first;
        std::thread other([&] { first = solver::solve(c, 3); });
        other.join();
        const solver::Solution again = solver::solve(c, 3);
        ASSERT_TRUE(first.solved() && again.solved());
        EXPECT_EQ(first.moves, again.moves) << "state " << i;
        EXPECT_TRUE(test::solves(c, 3, again.moves));
    }
}

}  // namespace
}  // namespace vx
