#pragma once
#include <filesystem>
#include <iosfwd>

namespace vx {

// vexelcube --solve FILE.cube: reads the puzzle's squares (its history is
// not used), prints a short solution on one line in cubing notation and
// returns 0; returns 1 with the reason on `err` for a cube no turns can
// solve, 2 for a file the load panel would refuse, with the same sentence
// ("vexelcube: x.cube is cut short: ...").
int solveCommand(const std::filesystem::path& file, std::ostream& out, std::ostream& err);

}  // namespace vx
