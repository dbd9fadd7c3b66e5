#include "solver/three/three_solver.h"

#include <array>
#include <chrono>

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

    // Each view of the cube, and of its inverse, has its share of the work;
    // only the first must give a solution.
    const int views = budget.work > 0 ? 2 * static_cast<int>(kViews.size()) : 1;
    std::int64_t spent = 0;
    bool found = false;
    int bestCost = 0;  // before shortening
    for (int k = 0; k < views; ++k) {
        const int view = k % 3;
        const bool inverted = k >= 3;
        const std::int64_t left = budget.work * (k + 1) / views - spent;
        if (k > 0 && left <= 0) continue;
        Pieces seen = pieces;
        if (view > 0) readThree(turnedCube(threeCube, view), seen);
        if (inverted) seen = inverse(seen);
        // The shortest in moves of the game may be any of the search's
        // solutions once middle layers and merged turns are counted.
        three::SearchResult r = three::twoPhase(seen, left, k == 0, k == 0 ? 1000 : bestCost + (allowSlices ? 1 : 0));
        spent += r.work;
        for (std::vector<int>& turns : r.solutions) {
            int cost = 0;
            for (int t : turns) cost += three::costOf(t);
            if (inverted) turns = reversed(turns);
            std::vector<PhysicalMove> moves = physicalMoves(turns);
            // Moves for the turned cube, made on the cube as it lies.
            for (PhysicalMove& m : moves) m = rotated(m, kViews[static_cast<std::size_t>(view)].inverse(), 3);
            moves = shortened(moves, allowSlices);
            if (found && moves.size() >= best.moves.size()) continue;
            best.moves = std::move(moves);
            found = true;
            bestCost = cost;
        }
    }
    return best;
}

}  // namespace vx::solver
