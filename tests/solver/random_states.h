#pragma once
// What the solver tests share: cubes random by state (every arrangement of
// the pieces that turns can make equally likely, in a chosen colour set,
// turned as a whole into a random orientation), big cubes scrambled by random
// turns, and checks made with the game's own turns.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "cube/cube.h"
#include "solver/pieces.h"
#include "solver/solver.h"
#include "support/solved_cube.h"

namespace vx::test {

inline constexpr std::array<int, 7> kPlainColours = {0, 1, 2, 3, 4, 5, 6};

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
    const long corners = n == 2 ? 7 : 8;
    std::shuffle(p.cp.begin(), p.cp.begin() + corners, rng);
    randomOrientation(p.co, static_cast<std::size_t>(corners), 3, rng);
    if (n == 3) {
        std::shuffle(p.ep.begin(), p.ep.end(), rng);
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
    for (int i = 0; i < 6; ++i) c.turnWhole(static_cast<int>(rng() % 3), rng() % 2 ? 1 : -1, n);
}

inline Cube randomCube(int n, std::mt19937& rng) {
    Cube c = paintedCube(n, randomPieces(n, rng), randomColours(rng));
    turnAtRandom(c, n, rng);
    return c;
}

inline PhysicalMove randomTurn(int n, std::mt19937& rng) {
    return {static_cast<int>(rng() % 3), static_cast<int>(rng() % static_cast<unsigned>(n)) + 1, rng() % 2 ? 1 : -1};
}

// 50 n^2 random single-layer turns, in random colours, turned as a whole.
inline Cube scrambled(int n, std::mt19937& rng) {
    Cube c = solvedCube(n, randomColours(rng));
    for (int i = 0; i < 50 * n * n; ++i) c.turn(randomTurn(n, rng), n);
    turnAtRandom(c, n, rng);
    return c;
}

inline void swapSquares(Cube& c, FaceSquare p, FaceSquare q) {
    const int x = c.squarecolor(p.a, p.b, p.f);
    c.setSquarecolor(p.a, p.b, p.f, c.squarecolor(q.a, q.b, q.f));
    c.setSquarecolor(q.a, q.b, q.f, x);
}

// Carries the moves out with the game's own turns.
inline bool solves(Cube c, int n, const std::vector<PhysicalMove>& moves) {
    for (const PhysicalMove& m : moves) c.turn(m, n);
    return c.solved(n);
}

// Positions made by some moves, and the fewest moves that solve each.
struct KnownPosition {
    const char* name;
    std::vector<PhysicalMove> made;
    std::size_t fewest;
};

inline void expectFewest(int n, const std::vector<KnownPosition>& cases, const solver::Budget& budget = {}) {
    for (const KnownPosition& k : cases) {
        Cube c = paintedCube(n, {}, kPlainColours);
        for (const auto& m : k.made) c.turn(m, n);
        const auto s = solver::solve(c, n, budget);
        ASSERT_TRUE(s.solved()) << k.name;
        EXPECT_EQ(s.moves.size(), k.fewest) << k.name;
        EXPECT_TRUE(solves(c, n, s.moves)) << k.name;
    }
}

}  // namespace vx::test
