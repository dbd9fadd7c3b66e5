#pragma once
// Distance tables for one orbit of 24 centre pieces of the 4- or 5-cube,
// searched in three stages, each over a coordinate that says only which
// faces' colours stand where:
//
//  1. the colours of the two faces across axis 0 onto those faces
//     (which 8 of the 24 places hold them: 735,471 values);
//  2. the colours of axis 1's faces onto them (which 8 of the 16 places off
//     axis 0 hold them: 12,870), inner layers of axes 1 and 2 by halves;
//  3. every colour onto its own face (for each axis, which 4 of its 8
//     places hold the colour of its positive face: 343,000), faces any,
//     inner layers by halves.
//
// Three orbits: the 4-cube's centres; the same orbit on the 5-cube (the
// pieces next to the corners, which the middle layers do not move; its
// tables are the 4-cube's); and the 5-cube's pieces next to the middle of
// an edge, whose stages keep what the other orbit's reached: `first` with
// axis 0 turned any way, the other middle layers by quarters and inner
// layers by halves; then `split` (both orbits) finishes axis 0's faces;
// `second` with axis 0's faces and middle layer by quarters, its inner
// layers by halves and the other faces; `last` and `lastPair` the rest.
// Middle layers move the middle centres too, which must end where they
// began: their arrangement (`spin`, one of the cube's 24 orientations) is
// tracked, and `second` counts it (its 8 that keep axis 0).
//
// Each table holds the fewest game moves to the stage's goal (255: not
// reachable with the stage's moves). Places and faces are the cube's own:
// the searches turn the cube so that the axis they start with is axis 0.
#include <array>
#include <cstdint>
#include <vector>

#include "cube/space.h"

namespace vx::solver::big {

using Mask = std::uint32_t;

// The moves are quarter turns of layer li + 1 (li 0..n - 1); quarter move
// q = (axis * 5 + li) * 2 + (anticlockwise).
constexpr int kOrbitMoves = 30;
constexpr int quarterMove(int axis, int li, int dir) { return (axis * 5 + li) * 2 + (dir < 0 ? 1 : 0); }

// Where a quarter turn takes each place, as a map of place sets.
struct MaskTurn {
    std::array<std::array<Mask, 256>, 3> bytes{};
    Mask operator()(Mask m) const { return bytes[0][m & 255] | bytes[1][(m >> 8) & 255] | bytes[2][(m >> 16) & 255]; }
};

// Some of the places' bits packed together, in the order of a list of places.
struct MaskGather {
    std::array<std::array<std::uint16_t, 256>, 3> bytes{};
    template <std::size_t N>
    explicit MaskGather(const std::array<std::uint8_t, N>& places) {
        for (std::size_t i = 0; i < N; ++i)
            for (std::uint32_t v = 0; v < 256; ++v)
                if ((v >> (places[i] % 8)) & 1U) bytes[places[i] / 8][v] |= static_cast<std::uint16_t>(1U << i);
    }
    MaskGather() = default;
    std::uint32_t operator()(Mask m) const {
        return static_cast<std::uint32_t>(bytes[0][m & 255] | bytes[1][(m >> 8) & 255] | bytes[2][(m >> 16) & 255]);
    }
};

enum class OrbitKind { fourCentres, fiveNextToCorner, fiveNextToMiddle };

struct OrbitTables {
    int n = 4;                        // the cube's size
    std::array<int, 24> face{};       // each place's face (1..6)
    std::array<FaceSquare, 24> at{};  // each place's square on that cube
    std::array<std::array<std::uint8_t, 24>, kOrbitMoves> perm{};
    std::array<MaskTurn, kOrbitMoves> turn{};
    std::array<Mask, 3> onAxis{};                             // the places on each axis's two faces
    Mask positive = 0;                                        // the places on the faces towards +axis
    std::array<std::array<std::uint8_t, 24>, 24> rotation{};  // the cube's 24 orientations
    // The middle centres' arrangements (0: at home) and where each move takes them.
    int spins = 1;
    std::vector<std::array<std::uint8_t, kOrbitMoves>> spinAfter;
    std::array<int, 24> keepsAxis0{};  // index among those keeping axis 0, or -1
    std::array<int, 24> keepsAxes{};   // index among those keeping every axis, or -1
    std::vector<std::uint8_t> first, second, third;
    // The 5-cube's pieces next to the middles only: after the first stage of
    // both orbits, the fewest moves that put each of axis 0's two colours
    // of both orbits on its own face, the middle centres home and the wing
    // orbit's parity as at the start (each orbit's 4 of 8: 70 x 70, the
    // middle centres' 8 arrangements that keep axis 0, the parity).
    std::vector<std::uint8_t> split;
    // The 5-cube, with axis 0's faces finished and every colour on its
    // axis: the fewest moves that put each colour of axes 1 and 2 on its
    // own face (their faces by quarters, axis 0's inner and middle layers
    // by halves; 70 x 70, for the middle pieces times the 4 arrangements
    // of the middle centres that keep every axis).
    std::vector<std::uint8_t> last;
    // Both orbits on one of those axes (1, 2) under the same moves: each
    // orbit's 4 of 8, the 4 arrangements, as `split`.
    std::array<std::vector<std::uint8_t>, 3> lastPair;
    std::array<std::array<std::uint8_t, 8>, 3> otherPlaces{};  // the other orbit's places, axis by axis
    std::array<std::uint8_t, 16> offAxis0{};                   // the places stage 2 works on
    std::array<std::array<std::uint8_t, 8>, 3> axisPlaces{};   // each axis's places
    std::array<MaskGather, 3> onAxisBits, otherBits;           // those places' bits
    MaskGather offAxis0Bits;

    bool outer(int li) const { return li == 0 || li == n - 1; }
    bool middle(int li) const { return 2 * li == n - 1; }
    int firstIndex(Mask axis0) const;
    int secondIndex(Mask axis1, int spin) const;           // -1: the spin leaves axis 0
    int thirdIndex(Mask positiveColours, int spin) const;  // -1: it leaves an axis
    int lastIndex(Mask positiveColours, int spin) const;   // -1: the spin leaves an axis
    // split (axis 0) and lastPair (1, 2); -1: the spin leaves the axis (or any, for 1 and 2)
    int pairIndex(int axis, Mask otherPositive, Mask positiveColours, int spin, bool odd) const;
};

// Built on the first call (0.3 s of processor time and 1.1 MB for the
// 4-cube, 0.2 s and 2.4 MB more for the 5-cube); safe from any thread.
const OrbitTables& orbitTables(OrbitKind kind);
// A fresh set, for measuring (the 5-cube's kinds use the others' stored ones).
OrbitTables buildOrbitTables(OrbitKind kind);
// Its bytes.
std::size_t orbitTableBytes(const OrbitTables& t);

}  // namespace vx::solver::big
