#pragma once
// The corners and edges of a 2- or 3-cube as pieces in slots: which piece
// sits in each slot and how far it is turned there. Both the reading of a
// cube's colours and the search work on this form.
#include <array>
#include <cstdint>
#include <string>

#include "cube/cube.h"
#include "cube/space.h"
#include "cube/turn_tables.h"
#include "solver/solver.h"

namespace vx::solver {

inline constexpr int kCorners = 8;
inline constexpr int kEdges = 12;

// The squares a slot shows, in a fixed order. A corner's first square is the
// one on the top or bottom face, the other two follow counter-clockwise seen
// from outside. An edge's first square is on the top or bottom face when it
// has one, else on the front or back face. The last corner slot is the one at
// the left, bottom, back; the last four edge slots lie in the middle layer
// between top and bottom.
struct Slot {
    std::array<FaceSquare, 3> squares{};
};
const std::array<Slot, kCorners>& cornerSlots(int n);  // n = 2 or 3
const std::array<Slot, kEdges>& edgeSlots();           // the 3-cube's

// Piece p is the one whose home is slot p. Its orientation in a slot is the
// place in that slot's order of the square that is first at home.
struct Pieces {
    std::array<std::uint8_t, kCorners> cp{0, 1, 2, 3, 4, 5, 6, 7};
    std::array<std::uint8_t, kCorners> co{};
    std::array<std::uint8_t, kEdges> ep{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    std::array<std::uint8_t, kEdges> eo{};
    friend bool operator==(const Pieces&, const Pieces&) = default;
};

// What one move does to the slots: the slot each piece comes from, and how
// much more it is turned on arrival.
struct PieceMove {
    std::array<std::uint8_t, kCorners> cornerFrom{}, cornerTwist{};
    std::array<std::uint8_t, kEdges> edgeFrom{}, edgeFlip{};
};

// Worked out from the game's own turn of an n-cube (n = 2 or 3).
PieceMove pieceMove(const PhysicalMove& m, int n);
Pieces apply(const Pieces& p, const PieceMove& m);

// True when the piece permutation is odd.
template <std::size_t K>
bool oddPermutation(const std::array<std::uint8_t, K>& perm) {
    bool odd = false;
    for (std::size_t i = 0; i < K; ++i)
        for (std::size_t j = i + 1; j < K; ++j) odd ^= perm[i] > perm[j];
    return odd;
}

// The home face (1..6) of every colour that is on the cube; 0 for others.
using ColourFaces = std::array<int, 256>;

struct Verdict {
    Refusal refusal = Refusal::none;
    std::string reason;
    bool ok() const { return refusal == Refusal::none; }
};

// Exactly six colours, each on n*n squares (a square never painted, colour 0,
// counts as no colour). Holds for every size.
Verdict checkColourCounts(const Cube& cube, int n);

// Reads the pieces from the colours (corners only for n = 2) and checks that
// each one exists, once, and that twists, flips and parity add up.
Verdict readPieces(const Cube& cube, int n, const ColourFaces& faces, Pieces& out);

// Paints the pieces (and, for n = 3, the centres) with faceColour[home face].
void paintPieces(Cube& cube, int n, const Pieces& p, const std::array<int, 7>& faceColour);

}  // namespace vx::solver
