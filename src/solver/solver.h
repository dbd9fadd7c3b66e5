#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "cube/cube.h"
#include "cube/turn_tables.h"

namespace vx::solver {

// Why a cube has no solution (or why the solver gives none).
enum class Refusal {
    none,
    wrongColourCounts,  // not six colours, each on n*n squares
    badCentres,         // a centre arrangement no turns can make
    badCorners,         // a corner that cannot exist, or a twisted corner
    badEdges,           // an edge that cannot exist, or a flipped edge
    oddParity,          // two pieces swapped
    unsupportedSize,    // no solver for this size (yet)
};

// The solver's answer: the moves, in the order they are made, that bring the
// cube to every face of one colour; or the reason there are none. A move is a
// single-layer quarter turn as Cube::turn makes it, so the length of `moves`
// is the length in the game's own count.
struct Solution {
    Refusal refusal = Refusal::none;
    std::string reason;  // a short sentence for the player when refused
    std::vector<PhysicalMove> moves;
    // How many of the moves each stage of a big cube's reduction made, for
    // the benchmark (a 2- or 3-cube's moves are all `threeCube`).
    struct Stages {
        int centres = 0, edges = 0, parity = 0, threeCube = 0;
    } stages;
    bool solved() const { return refusal == Refusal::none; }
};

// How much searching a solve may do, counted in work (the 3-cube search's
// nodes), never in time: the same cube gets the same solution on any machine
// and under any load. The first solution is always returned, however much
// work it takes; the rest of the budget goes to looking for shorter ones.
// 0 takes the first solution. The 2-cube's answer is exact and needs none.
// The default is about a quarter of a second of search on a 2-core machine
// of 2026 under load.
struct Budget {
    std::int64_t work = 1'200'000;
};

// Builds every table the solver uses, once per process: a later call, or
// one made while another thread is building them, waits for the first one
// and then returns. The window calls it at start-up on a thread of its own,
// so that the first solve does not wait; without it the first solve builds
// them. Setting up never counts against a budget.
void prepare();

// Reads the colours of an n-cube (n = 2..20, faces 1..6, squares 1..n) and
// solves it. Any six colours on any faces, in any orientation, are accepted;
// a solved cube is any cube whose six faces are each of one colour.
Solution solve(const Cube& cube, int n, const Budget& budget = {});

}  // namespace vx::solver
