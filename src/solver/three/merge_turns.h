#pragma once
#include <vector>

#include "cube/turn_tables.h"

namespace vx::solver::three {

// Shortens a 3-cube's moves without changing what they do, up to a turn of
// the whole cube: the turns of a run on one axis are added up per layer and
// made again in the fewest quarter turns. With `slices`, two outer layers
// that turn together give way to the middle layer turning the other way and
// the rest of the moves are carried on in the cube so turned.
std::vector<PhysicalMove> mergeTurns(const std::vector<PhysicalMove>& moves, bool slices);

}  // namespace vx::solver::three
