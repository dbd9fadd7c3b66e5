#pragma once
#include <vector>

#include "solver/pieces.h"

namespace vx::solver::three {

// Two-phase search for a solvable 3-cube, counting quarter turns as one move
// and half turns as two. Returns face-turn numbers (see coords.h). Keeps
// looking for shorter solutions until `seconds` after it starts, but always
// returns its first solution however long that takes; stops early when no
// shorter one can exist within the two phases.
std::vector<int> twoPhase(const Pieces& start, double seconds);

}  // namespace vx::solver::three
