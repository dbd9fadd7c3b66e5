#include <gtest/gtest.h>

#include "random_states.h"
#include "solver/two/two_solver.h"

namespace vx {
namespace {

// Counts published for the 2-cube in quarter turns (OEIS A079762).
TEST(TwoCube, DistancesAreThePublishedOnes) {
    const std::vector<long> published = {1,      6,      27,     120,     534,    2256,  8969, 33058,
                                         114149, 360508, 930588, 1350852, 782536, 90280, 276};
    EXPECT_EQ(solver::twoDistanceCounts(), published);
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
                          });
}

TEST(TwoCube, ThousandRandomStatesAreSolvedOptimally) {
    std::mt19937 rng(2024);
    for (int i = 0; i < 1000; ++i) {
        const Cube c = test::randomCube(2, rng);
        const auto s = solver::solve(c, 2);
        ASSERT_TRUE(s.solved()) << s.reason;
        ASSERT_TRUE(test::solves(c, 2, s.moves)) << "state " << i;
        EXPECT_EQ(static_cast<int>(s.moves.size()), solver::twoDistance(c));
    }
}

}  // namespace
}  // namespace vx
