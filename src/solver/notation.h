#pragma once
#include <span>
#include <string>

#include "cube/turn_tables.h"

namespace vx::solver {

// Moves in the notation that cubing programs read (R, U', F2, inner layers
// as 2R, 3L), with the cube held as the game holds it in its first view:
// face 1 in front, face 2 on top, face 6 on the right. Each layer is named
// from the nearer outer face (the right, top or front one when the two are
// equally near). Quarter turns of one layer that follow each other are
// written as one: two as a half turn, three as a quarter the other way.
std::string signNotation(std::span<const PhysicalMove> moves, int n);

}  // namespace vx::solver
