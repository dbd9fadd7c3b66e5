#include <gtest/gtest.h>

#include <functional>

#include "known_positions.h"
#include "random_states.h"
#include "solver/solver.h"
#include "solver/two/two_solver.h"

namespace vx {
namespace {

using solver::solve;

// Counts published for the 2-cube in quarter turns (OEIS A079762).
TEST(TwoCube, DistancesAreThePublishedOnes) {
    const std::vector<long> published = {1,      6,      27,      120,     534,    2256,  8969, 33058,
                                         114149, 360508, 930588, 1350852, 782536, 90280, 276};
    EXPECT_EQ(solver::twoDistanceCounts(), published);
}

// The fewest moves by trying every sequence up to `limit`.
int bruteForceDistance(const Cube& c, int limit) {
    std::function<bool(const Cube&, int)> within = [&](const Cube& at, int left) {
        if (at.solved(2)) return true;
        if (left == 0) return false;
        for (int axis = 0; axis < 3; ++axis)
            for (int layer : {1, 2})
                for (int q : {1, -1}) {
                    Cube next = at;
                    next.turn({axis, layer, q}, 2);
                    if (within(next, left - 1)) return true;
                }
        return false;
    };
    for (int d = 0; d <= limit; ++d)
        if (within(c, d)) return d;
    return -1;
}

TEST(TwoCube, ShortScramblesAreSolvedInTheFewestMoves) {
    std::mt19937 rng(7);
    for (int length = 0; length <= 4; ++length)
        for (int trial = 0; trial < 6; ++trial) {
            Cube c = test::paintedCube(2, {}, test::randomColours(rng));
            for (int i = 0; i < length; ++i)
                c.turn({static_cast<int>(rng() % 3), static_cast<int>(rng() % 2) + 1, rng() % 2 ? 1 : -1}, 2);
            const auto s = solve(c, 2);
            ASSERT_TRUE(s.solved()) << s.reason;
            EXPECT_TRUE(test::solves(c, 2, s.moves));
            EXPECT_EQ(static_cast<int>(s.moves.size()), bruteForceDistance(c, length)) << "scramble of " << length;
        }
}

TEST(TwoCube, KnownPositions) {
    test::expectFewest(2, {
        {"solved", {}, 0},
        {"a quarter turn of the near layer", {{0, 1, 1}}, 1},
        {"a half turn", {{1, 2, 1}, {1, 2, 1}}, 2},
        {"two faces", {{0, 2, 1}, {2, 2, -1}}, 2},
        {"opposite layers the same way (a whole turn)", {{2, 1, 1}, {2, 2, 1}}, 0},
        {"opposite layers opposite ways", {{2, 1, 1}, {2, 2, -1}}, 2},
        {"sexy move", {{0, 2, 1}, {1, 2, 1}, {0, 2, -1}, {1, 2, -1}}, 4},
    }, 0.0);
}

TEST(TwoCube, ThousandRandomStatesAreSolvedOptimally) {
    std::mt19937 rng(2024);
    std::array<int, 15> lengths{};
    for (int i = 0; i < 1000; ++i) {
        const Cube c = test::randomCube(2, rng);
        const auto s = solve(c, 2);
        ASSERT_TRUE(s.solved()) << s.reason;
        ASSERT_TRUE(test::solves(c, 2, s.moves)) << "state " << i;
        ASSERT_LE(s.moves.size(), 14u);
        EXPECT_EQ(static_cast<int>(s.moves.size()), solver::twoDistance(c));
        ++lengths[s.moves.size()];
    }
    // About 37% of all positions need 11 moves, 25% need 10 or 12.
    EXPECT_GT(lengths[11], 300);
    EXPECT_GT(lengths[12], 150);
    EXPECT_GT(lengths[10], 180);
}

}  // namespace
}  // namespace vx
