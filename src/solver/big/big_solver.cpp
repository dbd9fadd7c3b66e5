#include "solver/big/big_solver.h"

#include <algorithm>

#include "solver/big/centres.h"
#include "solver/big/edges.h"
#include "solver/big/move_list.h"
#include "solver/big/scheme.h"
#include "solver/big/small_centres.h"
#include "solver/big/squares.h"
#include "solver/pieces.h"
#include "solver/three/three_solver.h"

namespace vx::solver {
namespace {

using namespace big;

// The solution so far and the cube it has made.
struct Work {
    Cube cube;
    int n;
    MoveList moves;
    void make(const std::vector<PhysicalMove>& ms) {
        for (const auto& m : ms) {
            cube.turn(m, n);
            moves.add(m);
        }
    }
};

Solution refused(Refusal why, std::string reason) {
    Solution s;
    s.refusal = why;
    s.reason = std::move(reason);
    return s;
}

// Two edges of an even cube swapped, all else as it was: the half-cube form
// of r2 U2 r2 Uw2 r2 Uw2 (r: the inner layers of the right half, Uw: the top
// half with its face), for the permutation a 3-cube cannot have.
std::vector<PhysicalMove> edgeSwap(int n) {
    std::vector<PhysicalMove> ms;
    auto half = [&](int axis, int from, int to) {
        for (int l = from; l <= to; ++l) ms.insert(ms.end(), {{axis, l, 1}, {axis, l, 1}});
    };
    const int h = n / 2 + 1;
    half(0, h, n - 1);
    half(1, n, n);
    half(0, h, n - 1);
    half(1, h, n);
    half(0, h, n - 1);
    half(1, h, n);
    return ms;
}

// The reduced cube as a 3-cube: corners, one piece of each edge, one centre.
Cube threeCube(const Cube& cube, int n) {
    const int inner = n % 2 == 1 ? (n + 1) / 2 : n / 2;
    auto big = [&](int k) { return k == 1 ? 1 : k == 3 ? n : inner; };
    Cube three;
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= 3; ++b)
            for (int a = 1; a <= 3; ++a) three.setSquarecolor(a, b, f, cube.squarecolor(big(a), big(b), f));
    return three;
}

}  // namespace

Solution solveBig(const Cube& input, int n, const Budget& budget) {
    Work w{input, n, {}};
    Solution::Stages stages;
    const SquareSet centres(n, [n](int a, int b) { return a > 1 && a < n && b > 1 && b < n; });
    const Reading r = readCube(w.cube, n, centres);
    if (!r.ok()) return refused(r.refusal, r.reason);
    if (n % 2 == 1) {
        // The corners, middle edge pieces and middle centres are a 3-cube
        // that no turn of the other layers changes: it must be one turns make.
        ColourFaces faces{};
        for (int f = 1; f <= 6; ++f) faces[static_cast<std::size_t>(r.target[static_cast<std::size_t>(f)])] = f;
        Pieces pieces;
        const Verdict v = readPieces(threeCube(w.cube, n), 3, faces, pieces);
        if (!v.ok()) return refused(v.refusal, v.reason);
    }

    // A wing orbit in an odd permutation cannot be paired by commutators:
    // one turn of one of its layers first, while nothing is built yet.
    bool valid = true;
    for (int k : oddWingOrbits(w.cube, n, r.target, valid)) {
        w.make({{0, k, 1}});
        ++stages.parity;
    }

    const char* lost = "The computer lost its way on this cube.";
    // The centres. Small cubes keep, of several ways to build them, the one
    // whose centres and edges together are the shortest.
    // The 4- and 5-cube's are searched (with at least a little work, so
    // that the first solution is found whatever the budget).
    std::vector<CentresWay> ways;
    if (n <= 5)
        ways = searchedCentres(centres, centres.read(w.cube), r.target, 4, std::max<std::int64_t>(budget.work, 50'000));
    if (ways.empty()) ways = centresWays(centres, centres.read(w.cube), r.target, n <= 5 ? 4 : n <= 10 ? 2 : 1);
    if (ways.empty()) return refused(Refusal::unsupportedSize, lost);

    // The edges. The pairing is also tried after one turn of a face, which
    // pairs them another way, and the shortest is kept: on an even cube the
    // pairing also decides whether the reduced cube needs two edges swapped
    // (a long sequence there), which is counted in.
    const SquareSet wings(n, [n](int a, int b) { return (a == 1 || a == n) != (b == 1 || b == n); });
    ColourFaces faces{};
    for (int f = 1; f <= 6; ++f) faces[static_cast<std::size_t>(r.target[static_cast<std::size_t>(f)])] = f;
    const std::vector<std::vector<PhysicalMove>> starts = {{},          {{1, n, 1}}, {{1, 1, 1}},
                                                           {{0, n, 1}}, {{2, n, 1}}, {{1, n, -1}}};
    const std::size_t tries = n <= 6 ? starts.size() : n <= 9 ? 4 : n <= 15 ? 2 : 1;
    // Whether the cube `built` turned by `ms` would need two edges swapped
    // as a 3-cube (even cubes only; odd ones cannot).
    const int swapLength = n % 2 == 0 ? static_cast<int>(edgeSwap(n).size()) : 0;
    auto needsSwap = [&](const Cube& built, const MoveList& ms) {
        Cube cube = built;
        for (const auto& m : ms.moves()) cube.turn(m, n);
        Pieces pieces;
        return readPieces(threeCube(cube, n), 3, faces, pieces).refusal == Refusal::oddParity;
    };
    int shortest = -1;
    const MoveList* centreMoves = nullptr;
    MoveList edges;
    for (const CentresWay& way : ways) {
        Cube built = w.cube;
        for (const auto& m : way.moves.moves()) built.turn(m, n);
        for (std::size_t t = 0; t < tries; ++t) {
            MoveList phase;
            phase.add(starts[t]);
            Cube cube = built;
            for (const auto& m : starts[t]) cube.turn(m, n);
            Colours c = wings.read(cube);
            LeadParity parity;
            if (n % 2 == 0) {
                parity.swapLength = swapLength;
                parity.odd = [&](const MoveList& sofar) { return needsSwap(built, sofar); };
            }
            if (!pairEdges(wings, c, phase, parity)) continue;
            const bool swap = n % 2 == 0 && needsSwap(built, phase);
            const int length = way.moves.length() + phase.length() + (swap ? swapLength : 0);
            if (shortest < 0 || length < shortest) {
                shortest = length;
                centreMoves = &way.moves;
                edges = phase;
            }
        }
    }
    if (shortest < 0) return refused(Refusal::unsupportedSize, lost);
    w.make(centreMoves->moves());
    stages.centres = centreMoves->length();
    w.make(edges.moves());
    stages.edges = edges.length();

    // The reduced 3-cube is a small share of a big cube's moves: a fifth of
    // the budget keeps the whole solve within about a second.
    const Budget threeBudget{budget.work / 5};
    for (int attempt = 0; attempt < 2 && !w.cube.solved(n); ++attempt) {
        const Solution three = solveThree(threeCube(w.cube, n), false, threeBudget);
        if (three.solved()) {
            for (PhysicalMove m : three.moves) {
                if (m.layer == 3) m.layer = n;
                w.make({m});
            }
            break;
        }
        if (three.refusal != Refusal::oddParity || n % 2 == 1 || attempt > 0)
            return refused(three.refusal, three.reason);
        w.make(edgeSwap(n));
        stages.parity += static_cast<int>(edgeSwap(n).size());
    }
    if (!w.cube.solved(n)) return refused(Refusal::unsupportedSize, lost);
    Solution s;
    s.moves = w.moves.moves();
    // What merged where two stages meet is taken from the 3-cube stage.
    stages.threeCube = static_cast<int>(s.moves.size()) - stages.centres - stages.edges - stages.parity;
    s.stages = stages;
    return s;
}

}  // namespace vx::solver
