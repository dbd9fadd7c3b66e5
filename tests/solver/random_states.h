#pragma once
// Cubes random by state: every arrangement of the pieces that turns can make
// is equally likely, painted in a chosen colour set and then turned as a
// whole into a random orientation.
#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "cube/cube.h"
#include "solver/pieces.h"
#include "solver/solver.h"

namespace vx::test {

inline constexpr std::array<int, 7> kPlainColours = {0, 1, 2, 3, 4, 5, 6};

template <std::size_t K>
void shuffle(std::array<std::uint8_t, K>& a, std::size_t count, std::mt19937& rng) {
    std::shuffle(a.begin(), a.begin() + static_cast<long>(count), rng);
}

template <std::size_t K>
void randomOrientation(std::array<std::uint8_t, K>& o, std::size_t count, int base, std::mt19937& rng) {
    int sum = 0;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        o[i] = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, base - 1)(rng));
        sum += o[i];
    }
    o[count - 1] = static_cast<std::uint8_t>((base - sum % base) % base);
}

// For n = 2 the corner of the last slot stays home, as the solver holds it.
inline solver::Pieces randomPieces(int n, std::mt19937& rng) {
    solver::Pieces p;
    const std::size_t corners = n == 2 ? 7 : 8;
    shuffle(p.cp, corners, rng);
    randomOrientation(p.co, corners, 3, rng);
    if (n == 3) {
        shuffle(p.ep, 12, rng);
        if (solver::oddPermutation(p.cp) != solver::oddPermutation(p.ep)) std::swap(p.ep[10], p.ep[11]);
        randomOrientation(p.eo, 12, 2, rng);
    }
    return p;
}

// Six different colours of the game's fifteen (1..6 and 8..15).
inline std::array<int, 7> randomColours(std::mt19937& rng) {
    std::vector<int> all = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    std::shuffle(all.begin(), all.end(), rng);
    return {0, all[0], all[1], all[2], all[3], all[4], all[5]};
}

inline Cube paintedCube(int n, const solver::Pieces& p, const std::array<int, 7>& colours) {
    Cube c;
    solver::paintPieces(c, n, p, colours);
    return c;
}

inline void turnAtRandom(Cube& c, int n, std::mt19937& rng) {
    for (int i = 0; i < 6; ++i)
        c.turnWhole(std::uniform_int_distribution<int>(0, 2)(rng), rng() % 2 ? 1 : -1, n);
}

inline Cube randomCube(int n, std::mt19937& rng) {
    Cube c = paintedCube(n, randomPieces(n, rng), randomColours(rng));
    turnAtRandom(c, n, rng);
    return c;
}

// Carries the moves out with the game's own turns.
inline bool solves(Cube c, int n, const std::vector<PhysicalMove>& moves) {
    for (const PhysicalMove& m : moves) c.turn(m, n);
    return c.solved(n);
}

}  // namespace vx::test
