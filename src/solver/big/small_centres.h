#pragma once
// The centres of the 4- and 5-cube placed by a search in three stages over
// the tables of orbit_tables.h (the 5-cube's two orbits searched together,
// its middle layers never turned), tried with each of the three axes first
// and each of the other two second.
#include <cstdint>

#include "solver/big/centres.h"

namespace vx::solver::big {

// Up to `most` ways, the shortest first, each leaving every wing orbit's
// parity as it was. `work` bounds the nodes searched (nothing found within
// it: no ways). n must be 4 or 5.
std::vector<CentresWay> searchedCentres(const SquareSet& centres, const Colours& colours, const FaceColours& target,
                                        std::size_t most, std::int64_t work);

}  // namespace vx::solver::big
