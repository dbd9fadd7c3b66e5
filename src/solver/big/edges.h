#pragma once
// The second stage of the reduction: the pieces of every edge together, so
// that each edge shows one colour on each of its two faces. The centres stay
// as they are.
#include <functional>

#include "solver/big/move_list.h"
#include "solver/big/scheme.h"
#include "solver/big/squares.h"

namespace vx::solver::big {

// `wings` holds the squares on the edges (corners excluded), `colours` their
// colours; the moves are added to `out` and made on `colours`. False when it
// found no way on. For odd n the middle edge pieces lead; for even n the two
// innermost layers are paired first and then lead. Every wing orbit must
// stand in an even permutation of its homes (oddWingOrbits empty).
//
// On an even cube the pairs of the two innermost layers decide whether the
// reduced cube needs two edges swapped: once they are paired, `parity.odd`
// (given the moves so far) says whether it would, and if so two of these
// pairs are exchanged with each other where that takes fewer moves than
// `parity.swapLength`.
struct LeadParity {
    std::function<bool(const MoveList&)> odd;
    int swapLength = 0;
};
bool pairEdges(const SquareSet& wings, Colours& colours, MoveList& out, const LeadParity& parity = {});

}  // namespace vx::solver::big
