#pragma once
// The centres of the 4- and 5-cube placed by searches in stages over the
// tables of orbit_tables.h, tried with each of the three axes first and
// each of the other two second. The 4-cube: its colours of a first axis
// onto that axis's faces, then those of a second, then each onto its own
// face. The 5-cube: each stage first for the pieces next to the corners,
// then for those next to the middles of the edges keeping it; the first
// axis's two faces finished, then the second axis's colours onto their
// faces, then the last two axes split, both orbits together.
#include <cstdint>

#include "solver/big/centres.h"

namespace vx::solver::big {

// Up to `most` ways, the shortest first, each leaving every wing orbit's
// parity as it was. `work` bounds the nodes searched (nothing found within
// it: no ways); a 5-cube's search whose last stage is not found within its
// share goes on with the greedy stage (centresWays). n must be 4 or 5.
std::vector<CentresWay> searchedCentres(const SquareSet& centres, const Colours& colours, const FaceColours& target,
                                        std::size_t most, std::int64_t work);

// The search alone: the ways it finished, and in `unfinished` the 5-cube's
// ends (the first axis's faces finished) whose last stage it did not find.
std::vector<CentresWay> searchCentres(const SquareSet& centres, const Colours& colours, const FaceColours& target,
                                      std::int64_t work, std::vector<CentresWay>& unfinished);

// Builds the searches' tables (orbit_tables.h), once per process.
void prepareSmallCentres();

}  // namespace vx::solver::big
