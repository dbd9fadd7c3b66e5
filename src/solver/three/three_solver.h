#pragma once
#include "cube/cube.h"
#include "solver/solver.h"

namespace vx::solver {

// Solves a 3-cube (squares 1..3 of faces 1..6) from its colours: the centres
// say where each colour belongs. The moves are for n = 3; with `allowSlices`
// off they turn layers 1 and 3 only, so a caller that reduced a bigger cube to
// this one can map each of them onto one outer layer of its own cube.
// The budget's work is shared among the views the search tries. A cube that
// cannot be solved gets the refusal and its sentence.
Solution solveThree(const Cube& threeCube, bool allowSlices, const Budget& budget);

}  // namespace vx::solver
