#pragma once
// A solved n-cube: face f in colours[f], squares and their snapshot alike,
// so that a puzzle file written from it is one the game reads.
#include <array>

#include "cube/cube.h"

namespace vx::test {

inline constexpr std::array<int, 7> kGameColours = {0, 10, 9, 12, 13, 14, 15};

inline Cube solvedCube(int n, const std::array<int, 7>& colours = kGameColours) {
    Cube c;
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) {
                c.setSquarecolor(a, b, f, colours[static_cast<std::size_t>(f)]);
                c.setSquarecopy(a, b, f, colours[static_cast<std::size_t>(f)]);
            }
    return c;
}

}  // namespace vx::test
