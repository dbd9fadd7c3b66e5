#include "solver/three_solver.h"

#include "solver/pieces.h"
#include "solver/three/coords.h"
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

std::vector<PhysicalMove> physicalMoves(const std::vector<int>& turns) {
    std::vector<PhysicalMove> moves;
    for (int t : turns) {
        const PhysicalMove m{three::axisOf(t), three::faceOf(t) % 2 == 0 ? 1 : 3, three::kindOf(t) == 1 ? -1 : 1};
        moves.push_back(m);
        if (three::kindOf(t) == 2) moves.push_back(m);
    }
    return moves;
}

}  // namespace

std::optional<std::vector<PhysicalMove>> solveThree(const Cube& threeCube, bool, double seconds, Refusal* why,
                                                    std::string* reason) {
    Verdict v = checkColourCounts(threeCube, 3);
    ColourFaces faces{};
    Pieces pieces;
    if (v.ok()) v = readCentres(threeCube, faces);
    if (v.ok()) v = readPieces(threeCube, 3, faces, pieces);
    if (why) *why = v.refusal;
    if (reason) *reason = v.reason;
    if (!v.ok()) return std::nullopt;
    return physicalMoves(three::twoPhase(pieces, seconds));
}

}  // namespace vx::solver
