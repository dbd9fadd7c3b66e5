// Cubes of 4 to 20 solved from their colours: random states of every size,
// in any colours and orientation, and the cubes no turns can make refused
// with the reason.
#include <gtest/gtest.h>

#include "support/solved_cube.h"

#include <random>
#include <thread>

#include "random_states.h"
#include "solver/big/move_list.h"
#include "solver/big/scheme.h"
#include "solver/solver.h"

namespace vx {
namespace {

using test::solvedCube;

using solver::Refusal;
using solver::solve;

// The search for a shorter 3-cube stage is not what is tested here.
constexpr solver::Budget kFirstFound{0.0};

PhysicalMove randomTurn(int n, std::mt19937& rng) {
    return {static_cast<int>(rng() % 3), static_cast<int>(rng() % static_cast<unsigned>(n)) + 1, rng() % 2 ? 1 : -1};
}

// 50 n^2 random single-layer turns, in random colours, turned as a whole.
Cube scrambled(int n, std::mt19937& rng) {
    Cube c = solvedCube(n, test::randomColours(rng));
    for (int i = 0; i < 50 * n * n; ++i) c.turn(randomTurn(n, rng), n);
    test::turnAtRandom(c, n, rng);
    return c;
}

bool wellFormed(const std::vector<PhysicalMove>& moves, int n) {
    for (const PhysicalMove& m : moves)
        if (m.axis < 0 || m.axis > 2 || m.layer < 1 || m.layer > n || (m.quarter != 1 && m.quarter != -1)) return false;
    return true;
}

void expectSolves(const Cube& c, int n, const std::string& what) {
    const auto s = solve(c, n, kFirstFound);
    ASSERT_TRUE(s.solved()) << what << ": " << s.reason;
    EXPECT_TRUE(wellFormed(s.moves, n)) << what;
    EXPECT_TRUE(test::solves(c, n, s.moves)) << what;
}

// Under the sanitizers (ten times slower) the big sizes are sampled: every
// size to 10, then 13, 16 and 20.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSampled = true;
#else
constexpr bool kSampled = false;
#endif

// Every size from 4 to 20, in two runs that can go side by side.
void solveRandomStates(int from, int to, unsigned seed) {
    std::mt19937 rng(seed);
    for (int n = from; n <= to; ++n) {
        if (kSampled && n > 10 && n != 13 && n != 16 && n != kMaxCubeSize) continue;
        const int states = n <= 7 ? 2 : 1;
        for (int i = 0; i < states; ++i) expectSolves(scrambled(n, rng), n, "n = " + std::to_string(n));
    }
}

TEST(BigCube, RandomStatesOfSizes4To16AreSolved) { solveRandomStates(4, 16, 2024); }
TEST(BigCube, RandomStatesOfSizes17To20AreSolved) { solveRandomStates(17, kMaxCubeSize, 2025); }

// Even cubes: half their states need the two edges swapped at the end, and
// half their wing orbits start odd; odd cubes the latter. Many short and
// long scrambles of the small sizes reach every case.
TEST(BigCube, EveryParityCaseOfTheSmallSizes) {
    std::mt19937 rng(77);
    for (int n = 4; n <= 6; ++n)
        for (int i = 0; i < 12; ++i) {
            Cube c = solvedCube(n, test::kPlainColours);
            const int turns = i < 6 ? i + 1 : 200;
            for (int t = 0; t < turns; ++t) c.turn(randomTurn(n, rng), n);
            expectSolves(c, n, "n = " + std::to_string(n) + ", turns " + std::to_string(turns));
        }
}

TEST(BigCube, ASolvedCubeInAnyOrientationNeedsNoMoves) {
    std::mt19937 rng(5);
    for (int n : {4, 5, 8, 9}) {
        Cube c = solvedCube(n, test::randomColours(rng));
        test::turnAtRandom(c, n, rng);
        const auto s = solve(c, n, kFirstFound);
        ASSERT_TRUE(s.solved()) << s.reason;
        EXPECT_TRUE(s.moves.empty()) << "n = " << n;
    }
}

TEST(BigCube, SolvesFromTwoThreadsAtOnce) {
    std::mt19937 rng(9);
    const Cube a = scrambled(6, rng), b = scrambled(7, rng);
    solver::Solution sa, sb;
    std::thread other([&] { sa = solve(a, 6, kFirstFound); });
    sb = solve(b, 7, kFirstFound);
    other.join();
    EXPECT_TRUE(sa.solved() && test::solves(a, 6, sa.moves));
    EXPECT_TRUE(sb.solved() && test::solves(b, 7, sb.moves));
}

// Changes that no turns can make, each on a scrambled cube.
struct Damage {
    const char* name;
    int n;
    Refusal why;
    void (*make)(Cube&, int n);
};

void swapSquares(Cube& c, FaceSquare p, FaceSquare q) {
    const int x = c.squarecolor(p.a, p.b, p.f);
    c.setSquarecolor(p.a, p.b, p.f, c.squarecolor(q.a, q.b, q.f));
    c.setSquarecolor(q.a, q.b, q.f, x);
}

// Two squares of different colours swapped: the first pair found.
void swapDifferent(Cube& c, const std::vector<std::pair<FaceSquare, FaceSquare>>& pairs) {
    for (auto [p, q] : pairs)
        if (c.squarecolor(p.a, p.b, p.f) != c.squarecolor(q.a, q.b, q.f)) return swapSquares(c, p, q);
}

// The edge place of `layer` on edge `edge`, its two squares.
std::pair<FaceSquare, FaceSquare> edgePlace(int n, int edge, int layer) {
    for (const auto& s : solver::big::edgeSlots(n))
        if (s.edge == edge && s.layer == layer) return {s.first, s.second};
    return {};
}

const std::vector<Damage> kDamages = {
    {"a square painted over", 6, Refusal::wrongColourCounts,
     [](Cube& c, int) { c.setSquarecolor(3, 3, 1, c.squarecolor(3, 3, 1) == 9 ? 10 : 9); }},
    {"two centre pieces of different orbits swapped", 6, Refusal::badCentres,
     [](Cube& c, int) {
         std::vector<std::pair<FaceSquare, FaceSquare>> pairs;
         for (int f = 2; f <= 6; ++f) pairs.push_back({{2, 2, 1}, {2, 3, f}});
         swapDifferent(c, pairs);
     }},
    {"middle centres of two faces swapped", 5, Refusal::badCentres,
     [](Cube& c, int) { swapSquares(c, {3, 3, 1}, {3, 3, 2}); }},
    {"a corner in its mirror image", 4, Refusal::badCorners,
     [](Cube& c, int n) { swapSquares(c, {1, 1, 1}, {n, n, 5}); }},
    {"a twisted corner", 6, Refusal::badCorners,
     [](Cube& c, int n) {
         const auto corner = solver::big::cornerSlots(n)[0];
         const int first = c.squarecolor(corner[0].a, corner[0].b, corner[0].f);
         for (int k = 0; k < 2; ++k) {
             const auto& to = corner[static_cast<std::size_t>(k)];
             const auto& from = corner[static_cast<std::size_t>(k + 1)];
             c.setSquarecolor(to.a, to.b, to.f, c.squarecolor(from.a, from.b, from.f));
         }
         c.setSquarecolor(corner[2].a, corner[2].b, corner[2].f, first);
     }},
    {"an edge piece turned over", 6, Refusal::badEdges,
     [](Cube& c, int n) {
         const auto [p, q] = edgePlace(n, 3, 2);
         swapSquares(c, p, q);
     }},
    {"the middle edge piece turned over", 7, Refusal::badEdges,
     [](Cube& c, int n) {
         const auto [p, q] = edgePlace(n, 5, 4);
         swapSquares(c, p, q);
     }},
    {"two edges swapped on an odd cube", 5, Refusal::oddParity,
     [](Cube& c, int n) {
         // Every piece of two edges exchanged: the middle pieces make the odd permutation.
         for (int layer = 2; layer < n; ++layer) {
             const auto [p, q] = edgePlace(n, 0, layer);
             const auto [r, s] = edgePlace(n, 11, layer);
             swapSquares(c, p, r);
             swapSquares(c, q, s);
         }
     }},
};

TEST(BigCube, CubesNoTurnsCanMakeAreRefused) {
    std::mt19937 rng(31);
    for (const Damage& d : kDamages) {
        Cube c = scrambled(d.n, rng);
        d.make(c, d.n);
        const auto s = solve(c, d.n, kFirstFound);
        EXPECT_EQ(s.refusal, d.why) << d.name << ": " << s.reason;
        EXPECT_FALSE(s.reason.empty()) << d.name;
        EXPECT_TRUE(s.moves.empty()) << d.name;
    }
}

// Two edges swapped whole on an even cube is a position turns can make: the
// parity a 3-cube cannot have, which the solver mends.
TEST(BigCube, TwoEdgesSwappedOnAnEvenCubeAreSolved) {
    std::mt19937 rng(12);
    for (int n : {4, 6}) {
        Cube c = scrambled(n, rng);
        for (int layer = 2; layer < n; ++layer) {
            const auto [p, q] = edgePlace(n, 0, layer);
            const auto [r, s] = edgePlace(n, 11, layer);
            swapSquares(c, p, r);
            swapSquares(c, q, s);
        }
        expectSolves(c, n, "n = " + std::to_string(n));
    }
}

TEST(BigCubeMoves, TurnsOfOneLayerMerge) {
    struct Case {
        const char* name;
        std::vector<PhysicalMove> added;
        std::vector<PhysicalMove> left;
    };
    const std::vector<Case> cases = {
        {"a quarter and its inverse vanish", {{0, 2, 1}, {0, 2, -1}}, {}},
        {"three quarters are one the other way", {{1, 3, 1}, {1, 3, 1}, {1, 3, 1}}, {{1, 3, -1}}},
        {"a half turn stays two", {{2, 1, -1}, {2, 1, -1}}, {{2, 1, 1}, {2, 1, 1}}},
        {"across another layer of the same axis", {{0, 2, 1}, {0, 3, 1}, {0, 2, -1}}, {{0, 3, 1}}},
        {"never across another axis", {{0, 2, 1}, {1, 2, 1}, {0, 2, -1}}, {{0, 2, 1}, {1, 2, 1}, {0, 2, -1}}},
        {"what vanishes lets its neighbours meet", {{0, 2, 1}, {1, 4, 1}, {1, 4, -1}, {0, 2, -1}}, {}},
    };
    for (const Case& c : cases) {
        solver::big::MoveList list;
        list.add(c.added);
        EXPECT_EQ(list.moves(), c.left) << c.name;
        EXPECT_EQ(list.length(), static_cast<int>(c.left.size())) << c.name;
    }
}

}  // namespace
}  // namespace vx
