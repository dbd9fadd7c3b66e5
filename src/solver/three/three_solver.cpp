#include "solver/three/three_solver.h"

#include <array>

#include "solver/pieces.h"
#include "solver/rotation.h"
#include "solver/three/coords.h"
#include "solver/three/merge_turns.h"
#include "solver/three/search.h"

namespace vx::solver {
namespace {

// The centres say which face each colour belongs to.
Verdict readCentres(const Cube& cube, ColourFaces& faces) {
    faces.fill(0);
    for (int f = 1; f <= 6; ++f) {
        int& face = faces[static_cast<std::size_t>(cube.squarecolor(2, 2, f))];
        if (face != 0) return {Refusal::badCentres, "Two centres have the same colour."};
        face = f;
    }
    return {};
}

Verdict readThree(const Cube& cube, Pieces& pieces) {
    Verdict v = checkColourCounts(cube, 3);
    ColourFaces faces{};
    if (v.ok()) v = readCentres(cube, faces);
    if (v.ok()) v = readPieces(cube, 3, faces, pieces);
    return v;
}

std::vector<PhysicalMove> physicalMoves(const std::vector<int>& turns) {
    std::vector<PhysicalMove> moves;
    for (int t : turns) {
        const PhysicalMove m{three::axisOf(t), three::faceOf(t) % 2 == 0 ? 1 : 3, three::kindOf(t) == 1 ? -1 : 1};
        moves.push_back(m);
        if (three::kindOf(t) == 2) moves.push_back(m);
    }
    return moves;
}

std::vector<PhysicalMove> shortened(std::vector<PhysicalMove> moves, bool slices) {
    for (std::size_t before = moves.size() + 1; moves.size() < before;) {
        before = moves.size();
        moves = three::mergeTurns(moves, slices);
    }
    return moves;
}

// The search works towards positions that turns of the top and bottom solve;
// the cube turned so that its left and right, or front and back, lie there
// gives it other solutions to choose from.
const std::array<Rotation, 3> kViews = {Rotation{}, Rotation::quarter(2, 1), Rotation::quarter(0, 1)};

Cube turnedCube(const Cube& cube, int view) {
    Cube c = cube;
    if (view == 1) c.turnWhole(2, 1, 3);
    if (view == 2) c.turnWhole(0, 1, 3);
    return c;
}

// The position that the moves solving this one make from solved: its
// solutions, read backwards with each turn reversed, solve this one.
Pieces inverse(const Pieces& p) {
    Pieces inv;
    for (std::size_t j = 0; j < kCorners; ++j) {
        inv.cp[p.cp[j]] = static_cast<std::uint8_t>(j);
        inv.co[p.cp[j]] = static_cast<std::uint8_t>((3 - p.co[j]) % 3);
    }
    for (std::size_t j = 0; j < kEdges; ++j) {
        inv.ep[p.ep[j]] = static_cast<std::uint8_t>(j);
        inv.eo[p.ep[j]] = p.eo[j];
    }
    return inv;
}

std::vector<int> reversed(const std::vector<int>& turns) {
    std::vector<int> r;
    for (auto t = turns.rbegin(); t != turns.rend(); ++t)
        r.push_back(three::kindOf(*t) == 2 ? *t : *t + (three::kindOf(*t) == 0 ? 1 : -1));
    return r;
}

}  // namespace

Solution solveThree(const Cube& threeCube, bool allowSlices, const Budget& budget) {
    Solution best;
    Pieces pieces;
    const Verdict v = readThree(threeCube, pieces);
    if (!v.ok()) {
        best.refusal = v.refusal;
        best.reason = v.reason;
        return best;
    }

    // Each view of the cube, and of its inverse, is searched at once; a
    // first solution is all that no work asks for.
    std::vector<Pieces> starts;
    for (int k = 0; k < (budget.work > 0 ? 2 * static_cast<int>(kViews.size()) : 1); ++k) {
        Pieces seen = pieces;
        if (k % 3 > 0) readThree(turnedCube(threeCube, k % 3), seen);
        starts.push_back(k >= 3 ? inverse(seen) : seen);
    }
    three::SearchResult r = three::twoPhase(starts, {budget.work, true, allowSlices});
    bool found = false;
    for (three::Found& f : r.solutions) {
        const std::size_t view = f.start % 3;
        std::vector<int> turns = f.start >= 3 ? reversed(f.turns) : f.turns;
        std::vector<PhysicalMove> moves = physicalMoves(turns);
        // Moves for the turned cube, made on the cube as it lies.
        for (PhysicalMove& m : moves) m = rotated(m, kViews[view].inverse(), 3);
        moves = shortened(moves, allowSlices);
        if (found && moves.size() >= best.moves.size()) continue;
        best.moves = std::move(moves);
        found = true;
    }
    return best;
}

}  // namespace vx::solver
