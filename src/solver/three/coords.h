#pragma once
// The numbers the two-phase search works with. Phase one brings the cube into
// the positions that quarter turns of top and bottom and half turns of the
// other faces can solve: every corner and edge oriented, the four middle-layer
// edges in the middle layer. Phase two solves it with those turns alone.
#include <array>

#include "solver/pieces.h"

namespace vx::solver::three {

inline constexpr int kTwists = 2187;      // 3^7
inline constexpr int kFlips = 2048;       // 2^11
inline constexpr int kSlices = 495;       // places of the middle-layer edges
inline constexpr int kCornerPerms = 40320;
inline constexpr int kEdgePerms = 40320;  // top and bottom edges in phase two
inline constexpr int kSlicePerms = 24;

// The 18 face turns: (axis * 2 + far) * 3 + kind, where far is 0 for layer 1
// and 1 for layer 3, and kind is 0 for a quarter turn +1, 1 for -1, 2 for a
// half turn.
inline constexpr int kFaceTurns = 18;
constexpr int axisOf(int t) { return t / 6; }
constexpr int faceOf(int t) { return t / 3; }
constexpr int kindOf(int t) { return t % 3; }
constexpr int costOf(int t) { return kindOf(t) == 2 ? 2 : 1; }
const PieceMove& faceTurn(int t);

// Phase two's turns, as face-turn numbers.
inline constexpr std::array<int, 10> kPhaseTwoTurns = {6, 7, 8, 9, 10, 11, 2, 5, 14, 17};

int twist(const Pieces& p);
int flip(const Pieces& p);
int slice(const Pieces& p);
int cornerPerm(const Pieces& p);
int edgePerm(const Pieces& p);
int slicePerm(const Pieces& p);
inline constexpr int kSliceHome = 494;  // the middle-layer edges at home

Pieces withTwist(int t);
Pieces withFlip(int f);
Pieces withSlice(int s);
Pieces withCornerPerm(int c);
Pieces withEdgePerm(int e);
Pieces withSlicePerm(int s);

}  // namespace vx::solver::three
