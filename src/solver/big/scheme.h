#pragma once
// Reading a big cube's colours: which colour belongs on which face, whether
// the pieces the colours show can exist, and where each edge piece belongs.
#include <array>
#include <string>
#include <vector>

#include "cube/cube.h"
#include "cube/space.h"
#include "solver/big/squares.h"
#include "solver/solver.h"

namespace vx::solver::big {

// The colour each face 1..6 has once solved.
using FaceColours = std::array<int, 7>;

// One place on an edge: the squares on the two faces (the first on the face
// along the lower axis) and the layer it lies in along the edge (2..n-1).
struct EdgeSlot {
    FaceSquare first, second;
    int edge = 0;   // 0..11
    int layer = 0;  // along the edge's own axis
    int axis = 0;   // the axis the edge runs along
};
// Every edge place of an n-cube, edge by edge, layer 2..n-1 within each:
// slot (edge, layer) is at edge * (n - 2) + layer - 2.
std::vector<EdgeSlot> edgeSlots(int n);

// A corner place: its three squares, counter-clockwise seen from outside.
using CornerSlot = std::array<FaceSquare, 3>;
std::array<CornerSlot, 8> cornerSlots(int n);

// True when the edge piece showing colours x, y (first, second) at slot s
// shows u, v when it stands at slot t (a piece cannot be turned over in its
// place: each of the two places of an edge orbit takes one of its two
// mirror-image forms).
bool wingFits(const EdgeSlot& s, int x, int y, const EdgeSlot& t, int u, int v, int n);

struct Reading {
    Refusal refusal = Refusal::none;
    std::string reason;
    FaceColours target{};
    bool ok() const { return refusal == Refusal::none; }
};

// Checks what can be checked before solving (colour counts, every centre
// orbit, the corners' and edges' colours) and says where each colour goes:
// for odd n the middle centres say it; for even n the corners allow 24 ways,
// and the one that already has the most centres in place is taken.
Reading readCube(const Cube& cube, int n, const SquareSet& centres);

// The wing orbits k (2 <= k < (n + 1) / 2: layers k and n + 1 - k) whose
// pieces stand in an odd permutation of their homes for this colouring.
// One quarter turn of layer k makes it even. Nothing when a wing piece
// cannot exist or two are the same (`valid` is then false).
std::vector<int> oddWingOrbits(const Cube& cube, int n, const FaceColours& target, bool& valid);

}  // namespace vx::solver::big
