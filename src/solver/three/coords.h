#pragma once
// The numbers the two-phase search works with. Phase one brings the cube into
// the positions that quarter turns of top and bottom and half turns of the
// other faces can solve: every corner and edge oriented, the four middle-layer
// edges in the middle layer. Phase two solves it with those turns alone.
#include <array>

#include "solver/pieces.h"

namespace vx::solver::three {

inline constexpr int kTwists = 2187;  // 3^7
inline constexpr int kFlips = 2048;   // 2^11
inline constexpr int kSlices = 495;   // places of the middle-layer edges
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
const PieceMove& faceTurn(int t);

// The search's moves: one axis's two outer layers turned a multiple of a
// quarter each, a1 and a3 quarter turns +1 (0..3, not both 0), numbered
// axis * 15 + a1 * 4 + a3 - 1. The game counts such a move as the fewest
// quarter turns of its three layers that do the same up to a turn of the
// whole cube: both outer layers one way are the middle layer the other way,
// one move. Consecutive moves of a search are on different axes.
inline constexpr int kCombos = 45;
constexpr int comboAxis(int c) { return c / 15; }
constexpr int comboAmount(int c, int far) { return far == 0 ? (c % 15 + 1) / 4 : (c % 15 + 1) % 4; }
// The face turn that turns one outer layer by `amount` quarters (1..3).
constexpr int faceTurnOf(int axis, int far, int amount) {
    return (axis * 2 + far) * 3 + (amount == 1 ? 0 : amount == 3 ? 1 : 2);
}
// The game's count of a move, with middle layers (`slices`) or outer layers only.
int comboCost(int c, bool slices);
const PieceMove& comboMove(int c);

// Phase two's moves: anything on the top and bottom, half turns elsewhere.
inline constexpr int kPhaseTwoCombos = 21;
constexpr bool inPhaseTwo(int c) {
    return comboAxis(c) == 1 || (comboAmount(c, 0) % 2 == 0 && comboAmount(c, 1) % 2 == 0);
}
constexpr std::array<int, kPhaseTwoCombos> makePhaseTwoCombos() {
    std::array<int, kPhaseTwoCombos> list{};
    for (int c = 0, k = 0; c < kCombos; ++c)
        if (inPhaseTwo(c)) list[static_cast<std::size_t>(k++)] = c;
    return list;
}
inline constexpr std::array<int, kPhaseTwoCombos> kPhaseTwoMoves = makePhaseTwoCombos();

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
