#pragma once
// What the benchmarks share.
#include <array>
#include <fstream>
#include <string>

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

// The process's peak resident memory in MB.
inline double peakMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

}  // namespace vx::bench
