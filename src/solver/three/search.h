#pragma once
#include <vector>

#include "solver/pieces.h"

namespace vx::solver::three {

// Two-phase search for a solvable 3-cube, counting quarter turns as one move
// and half turns as two. Returns the solutions it found, each shorter than
// the one before, as face-turn numbers (see coords.h). Keeps
// looking for shorter solutions until `seconds` after it starts, and stops
// early when no shorter one can exist within the two phases. With `mustFind`
// it finds a first solution however long that takes; without, it may return
// none when time runs out first. Only solutions of fewer than
// `below` moves are of use (another search may have found one that long).
std::vector<std::vector<int>> twoPhase(const Pieces& start, double seconds, bool mustFind = true,
                                         int below = 1000);

}  // namespace vx::solver::three
