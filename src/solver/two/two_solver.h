#pragma once
#include <vector>

#include "cube/cube.h"
#include "solver/solver.h"

namespace vx::solver {

// The fewest quarter turns that solve a 2-cube. The corner at the left,
// bottom, back stays where it is: the other three faces turn round it.
Solution solveTwo(const Cube& cube);

// The fewest quarter turns for the position (for tests and the benchmark):
// -1 when the cube cannot be solved.
int twoDistance(const Cube& cube);

// How many positions lie at each distance 0, 1, 2, ... from solved.
std::vector<long> twoDistanceCounts();

// Builds a fresh set of tables and returns their size in bytes (the
// benchmark times it).
std::size_t buildTwoTables();

// Builds the distance table now rather than at the first solve.
void prepareTwo();

}  // namespace vx::solver
