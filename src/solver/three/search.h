#pragma once
#include <cstdint>
#include <vector>

#include "solver/pieces.h"

namespace vx::solver::three {

struct SearchResult {
    std::vector<std::vector<int>> solutions;  // each shorter than the one before
    std::int64_t work = 0;                    // nodes visited
};

// Two-phase search for a solvable 3-cube, counting quarter turns as one move
// and half turns as two. Returns the solutions it found, each shorter than
// the one before, as face-turn numbers (see coords.h). Keeps looking for
// shorter solutions until it has visited `work` nodes, and stops early when
// no shorter one can exist within the two phases. With `mustFind` it finds a
// first solution however much work that takes; without, it may return none
// when the work runs out first. Only solutions of fewer than `below` moves
// are of use (another search may have found one that long).
SearchResult twoPhase(const Pieces& start, std::int64_t work, bool mustFind = true, int below = 1000);

}  // namespace vx::solver::three
