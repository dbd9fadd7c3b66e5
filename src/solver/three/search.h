#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "solver/pieces.h"

namespace vx::solver::three {

// What a search is asked for.
struct SearchGoal {
    std::int64_t work = 0;  // nodes to visit looking for shorter solutions
    bool mustFind = true;   // find a first solution however much work it takes
    bool slices = true;     // count moves with middle layers (else outer only)
};

struct Found {
    std::size_t start = 0;   // which of the starting positions it solves
    std::vector<int> turns;  // face-turn numbers (see coords.h)
    int cost = 0;            // in the search's count
};

struct SearchResult {
    std::vector<Found> solutions;  // each shorter than the one before
    std::int64_t work = 0;         // nodes visited
};

// Two-phase search for solvable 3-cubes, counting moves as the game does
// (see comboCost), on several positions at once: the same cube seen from
// other sides or inverted, any of whose solutions will do. All of them are
// searched to one phase-one depth before any goes deeper, and a solution
// found for one bounds the others. Keeps looking for shorter solutions
// until `work` nodes are visited, or until no shorter one can exist within
// the two phases. Without `mustFind` it may return none.
SearchResult twoPhase(std::span<const Pieces> starts, const SearchGoal& goal);

}  // namespace vx::solver::three
