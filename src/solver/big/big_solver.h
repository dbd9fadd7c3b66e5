#pragma once
#include "cube/cube.h"
#include "solver/solver.h"

namespace vx::solver {

// Solves a cube of size 4..20 by reduction: the centres of each face, then
// the pieces of every edge together, then the cube as a 3-cube with its outer
// layers, mending the parities a big cube has that a 3-cube has not.
Solution solveBig(const Cube& cube, int n, const Budget& budget);

}  // namespace vx::solver
