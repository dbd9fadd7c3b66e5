#pragma once
// The second stage of the reduction: the pieces of every edge together, so
// that each edge shows one colour on each of its two faces. The centres stay
// as they are.
#include "solver/big/move_list.h"
#include "solver/big/scheme.h"
#include "solver/big/squares.h"

namespace vx::solver::big {

// `wings` holds the squares on the edges (corners excluded), `colours` their
// colours; the moves are added to `out` and made on `colours`. False when it
// found no way on. For odd n the middle edge pieces lead; for even n the two
// innermost layers are paired first and then lead. Every wing orbit must
// stand in an even permutation of its homes (oddWingOrbits empty).
bool pairEdges(const SquareSet& wings, Colours& colours, MoveList& out);

}  // namespace vx::solver::big
