#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "random_states.h"

namespace vx::test {

// A position made by some moves, and the fewest moves that solve it.
struct KnownPosition {
    const char* name;
    std::vector<PhysicalMove> made;
    std::size_t fewest;
};

inline void expectFewest(int n, const std::vector<KnownPosition>& cases, double seconds) {
    for (const KnownPosition& k : cases) {
        Cube c = paintedCube(n, {}, kPlainColours);
        for (const auto& m : k.made) c.turn(m, n);
        const auto s = solver::solve(c, n, {seconds});
        ASSERT_TRUE(s.solved()) << k.name;
        EXPECT_EQ(s.moves.size(), k.fewest) << k.name;
        EXPECT_TRUE(solves(c, n, s.moves)) << k.name;
    }
}

}  // namespace vx::test
