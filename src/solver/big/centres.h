#pragma once
// The first stage of the reduction: every face's centre pieces to its colour.
#include "solver/big/move_list.h"
#include "solver/big/scheme.h"
#include "solver/big/squares.h"

namespace vx::solver::big {

// `centres` holds the squares off the edges, `colours` their colours.
// Up to `most` different ways to build the centres, the shortest first, each
// with the colours it leaves (none when it found no way on).
struct CentresWay {
    MoveList moves;
    Colours colours;
};
std::vector<CentresWay> centresWays(const SquareSet& centres, const Colours& colours, const FaceColours& target,
                                    std::size_t most);

}  // namespace vx::solver::big
