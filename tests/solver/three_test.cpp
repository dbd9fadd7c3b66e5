#include <gtest/gtest.h>

#include <thread>

#include "random_states.h"
#include "solver/three/three_solver.h"

namespace vx {
namespace {

constexpr solver::Budget kFirstFound{0};

bool outerOnly(const std::vector<PhysicalMove>& moves) {
    return std::none_of(moves.begin(), moves.end(), [](const PhysicalMove& m) { return m.layer == 2; });
}

TEST(ThreeCube, RandomStatesAreSolved) {
    std::mt19937 rng(33);
    {
        // The tables' first use may come from two threads at once.
        const Cube a = test::randomCube(3, rng), b = test::randomCube(3, rng);
        solver::Solution sa, sb;
        std::thread other([&] { sa = solver::solve(a, 3, kFirstFound); });
        sb = solver::solve(b, 3, kFirstFound);
        other.join();
        EXPECT_TRUE(sa.solved() && test::solves(a, 3, sa.moves));
        EXPECT_TRUE(sb.solved() && test::solves(b, 3, sb.moves));
    }
    std::size_t longest = 0;
    for (int i = 0; i < 60; ++i) {
        const Cube c = test::randomCube(3, rng);
        // Bigger cubes ask for outer layers only: a middle layer of theirs is many layers.
        const bool slices = i % 2 == 0;
        const solver::Solution s = solver::solveThree(c, slices, kFirstFound);
        ASSERT_TRUE(s.solved()) << "state " << i;
        ASSERT_TRUE(test::solves(c, 3, s.moves)) << "state " << i;
        EXPECT_TRUE(slices || outerOnly(s.moves)) << "state " << i;
        longest = std::max(longest, s.moves.size());
    }
    // Even the first solution the search finds is shorter than 31 moves.
    EXPECT_LE(longest, 30u);
}

// (One test for all of them: each test program builds the tables anew.)
TEST(ThreeCube, KnownPositions) {
    test::expectFewest(3,
                       {
                           {"solved", {}, 0},
                           {"a quarter turn", {{0, 3, 1}}, 1},
                           {"a half turn", {{2, 1, -1}, {2, 1, -1}}, 2},
                           {"two faces", {{0, 3, 1}, {1, 3, -1}}, 2},
                           {"a whole turn", {{1, 1, 1}, {1, 2, 1}, {1, 3, 1}}, 0},
                           {"a middle layer", {{0, 2, 1}}, 1},
                           {"a middle layer twice", {{2, 2, -1}, {2, 2, -1}}, 2},
                           {"both outer layers one way", {{1, 1, -1}, {1, 3, -1}}, 1},
                           {"outer layers after a middle one", {{0, 2, 1}, {1, 3, 1}, {0, 1, 1}}, 3},
                       },
                       solver::Budget{200'000});

    // With outer layers only, a middle layer is the two outer ones the other way.
    Cube c = test::paintedCube(3, {}, test::kPlainColours);
    c.turn({0, 2, 1}, 3);
    const solver::Solution s = solver::solveThree(c, false, solver::Budget{100'000});
    ASSERT_TRUE(s.solved());
    EXPECT_TRUE(outerOnly(s.moves));
    EXPECT_EQ(s.moves.size(), 2u);
    EXPECT_TRUE(test::solves(c, 3, s.moves));
}

}  // namespace
}  // namespace vx
