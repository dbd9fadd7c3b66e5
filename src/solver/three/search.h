#pragma once
#include <optional>
#include <vector>

#include "solver/pieces.h"

namespace vx::solver::three {

// Two-phase search for a solvable 3-cube, counting quarter turns as one move
// and half turns as two. Returns face-turn numbers (see coords.h). Keeps
// looking for shorter solutions until `seconds` after it starts, and stops
// early when no shorter one can exist within the two phases. With `mustFind`
// it returns its first solution however long that takes; without, it may
// return nothing when time runs out first. Only solutions of fewer than
// `below` moves are of use (another search may have found one that long).
std::optional<std::vector<int>> twoPhase(const Pieces& start, double seconds, bool mustFind = true,
                                         int below = 1000);

}  // namespace vx::solver::three
