#pragma once
#include <optional>
#include <string>
#include <vector>

#include "cube/cube.h"
#include "cube/turn_tables.h"
#include "solver/solver.h"

namespace vx::solver {

// Solves a 3-cube (squares 1..3 of faces 1..6) from its colours: the centres
// say where each colour belongs. The moves are for n = 3; with `allowSlices`
// off they turn layers 1 and 3 only, so a caller that reduced a bigger cube to
// this one can map each of them onto one outer layer of its own cube.
// `seconds` is how long the search keeps looking for shorter solutions once it
// has one (0: the first it finds). Returns nothing when the cube cannot be
// solved, with the reason in `why` and a short sentence for the player in
// `reason` (either may be null).
std::optional<std::vector<PhysicalMove>> solveThree(const Cube& threeCube, bool allowSlices, double seconds,
                                                    Refusal* why, std::string* reason = nullptr);

}  // namespace vx::solver
