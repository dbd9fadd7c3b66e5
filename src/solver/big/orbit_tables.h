#pragma once
// Distance tables for one orbit of 24 centre pieces of a 4- or 5-cube: the
// 4-cube's centres (whose twin on the 5-cube is the orbit of pieces next to
// the corners) or the 5-cube's pieces next to the middle of an edge. The
// orbit is searched in three stages, each over a coordinate that says only
// which faces' colours stand where:
//
//  1. the colours of the two faces across axis 0 onto those faces
//     (which 8 of the 24 places hold them: 735,471 values), any turn;
//  2. the colours of axis 1's faces onto them (which 8 of the 16 places off
//     axis 0 hold them: 12,870), inner layers of axes 1 and 2 by halves;
//  3. every colour onto its own face (for each axis, which 4 of its 8
//     places hold the colour of its positive face: 343,000), faces any,
//     inner layers by halves.
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

// The orbit's moves are quarter turns of the layers 1, 2, n - 1 and n of each
// axis (`li` 0..3); quarter move q = (axis * 4 + li) * 2 + (anticlockwise).
constexpr int kOrbitMoves = 24;
constexpr int quarterMove(int axis, int li, int dir) { return (axis * 4 + li) * 2 + (dir < 0 ? 1 : 0); }

// Where a quarter turn takes each place, as a map of place sets.
struct MaskTurn {
    std::array<std::array<Mask, 256>, 3> bytes{};
    Mask operator()(Mask m) const { return bytes[0][m & 255] | bytes[1][(m >> 8) & 255] | bytes[2][(m >> 16) & 255]; }
};

enum class OrbitKind { nextToCorner, nextToMiddle };

struct OrbitTables {
    int n = 4;                            // the cube the places are numbered on
    std::array<int, 24> face{};           // each place's face (1..6)
    std::array<FaceSquare, 24> at{};      // each place's square on that cube
    std::array<std::array<std::uint8_t, 24>, kOrbitMoves> perm{};
    std::array<MaskTurn, kOrbitMoves> turn{};
    std::array<Mask, 3> onAxis{};  // the places on each axis's two faces
    Mask positive = 0;             // the places on the faces towards +axis
    std::array<std::array<std::uint8_t, 24>, 24> rotation{};  // the cube's 24 orientations
    std::vector<std::uint8_t> first, second, third;
    std::array<std::uint8_t, 16> offAxis0{};                 // the places stage 2 works on
    std::array<std::array<std::uint8_t, 8>, 3> axisPlaces{};  // each axis's places

    int firstIndex(Mask axis0) const;
    int secondIndex(Mask axis1) const;
    int thirdIndex(Mask positiveColours) const;
};

// Built on the first call (about 0.1 s, 1.1 MB a kind); safe from any thread.
const OrbitTables& orbitTables(OrbitKind kind);

}  // namespace vx::solver::big
