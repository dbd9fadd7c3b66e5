#pragma once
// What the benchmarks share.
#include <array>

#include "cube/coloring.h"

namespace vx::bench {

// A freshly coloured n-cube with its turns worked out, as after a new cube.
inline Cube newCube(int n) {
    Cube cube;
    Random rnd;
    std::array<int, 7> used{};
    colourNewCube(cube, n, kDefaultFaceColors, used, rnd);
    cube.prepare(n);
    return cube;
}

}  // namespace vx::bench
