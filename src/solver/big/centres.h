#pragma once
// The first stage of the reduction: every face's centre pieces to its colour.
#include "solver/big/move_list.h"
#include "solver/big/scheme.h"
#include "solver/big/squares.h"

namespace vx::solver::big {

// `centres` holds the squares off the edges, `colours` their colours; the
// moves are added to `out` and made on `colours`. False when it found no
// way on (which a cube that passed readCube never gives).
bool solveCentres(const SquareSet& centres, Colours& colours, const FaceColours& target, MoveList& out);

}  // namespace vx::solver::big
