#pragma once
// Cubes and histories with every value different from its neighbours, so a
// square or entry read into the wrong place shows.
#include <random>
#include <string>

#include "cube/cube.h"
#include "history/history.h"

namespace vx::test {

inline constexpr int kSquareColours[] = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15};

struct Puzzle {
    int n = 3;
    View view{};
    Cube cube;
    History history;
};

inline Puzzle randomPuzzle(int n, int histcount, unsigned seed) {
    std::mt19937 rng(seed);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    Puzzle p;
    p.n = n;
    p.view = {pick(1, 6), pick(1, 4)};
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) {
                p.cube.setSquarecolor(a, b, f, kSquareColours[pick(0, 13)]);
                p.cube.setSquarecopy(a, b, f, kSquareColours[pick(0, 13)]);
            }
    for (int k = 0; k < histcount; ++k) p.history.push({pick(1, 3), pick(1, n), pick(1, n)});
    return p;
}

// A state no file holds: squares coloured 7 and entries (9, 99, 99).
inline void fillWithPattern(Cube& cube, History& history, int histcount) {
    for (int f = 0; f < 8; ++f)
        for (int b = 0; b < Cube::kBound; ++b)
            for (int a = 0; a < Cube::kBound; ++a) {
                cube.setSquarecolor(a, b, f, 7);
                cube.setSquarecopy(a, b, f, 7);
            }
    for (int k = 0; k <= histcount; ++k) history[k] = {9, 99, 99};
}

}  // namespace vx::test
