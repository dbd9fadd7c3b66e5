// The stages of the big-cube solver, each by what it must leave behind, on
// the game's own turns.
#include <gtest/gtest.h>

#include "support/solved_cube.h"

#include <random>
#include <set>

#include "random_states.h"
#include "solver/big/centres.h"
#include "solver/big/edges.h"
#include "solver/big/scheme.h"
#include "solver/big/squares.h"

namespace vx {
namespace {

using test::solvedCube;

using namespace solver::big;

bool onCentre(int a, int b, int n) { return a > 1 && a < n && b > 1 && b < n; }
bool onEdge(int a, int b, int n) { return (a == 1 || a == n) != (b == 1 || b == n); }

Cube scrambled(int n, std::mt19937& rng) {
    Cube c = solvedCube(n, test::randomColours(rng));
    for (int i = 0; i < 50 * n * n; ++i)
        c.turn({static_cast<int>(rng() % 3), static_cast<int>(rng() % static_cast<unsigned>(n)) + 1, rng() % 2 ? 1 : -1}, n);
    return c;
}

void make(Cube& c, int n, const MoveList& moves) {
    for (const PhysicalMove& m : moves.moves()) c.turn(m, n);
}

bool centresDone(const Cube& c, int n, const FaceColours& target) {
    for (int f = 1; f <= 6; ++f)
        for (int b = 2; b < n; ++b)
            for (int a = 2; a < n; ++a)
                if (c.squarecolor(a, b, f) != target[static_cast<std::size_t>(f)]) return false;
    return true;
}

bool edgesPaired(const Cube& c, int n) {
    for (int edge = 0; edge < 12; ++edge) {
        std::set<std::pair<int, int>> shown;
        for (const EdgeSlot& s : edgeSlots(n))
            if (s.edge == edge)
                shown.insert({c.squarecolor(s.first.a, s.first.b, s.first.f), c.squarecolor(s.second.a, s.second.b, s.second.f)});
        if (shown.size() != 1) return false;
    }
    return true;
}

TEST(BigCubeStages, TheCompactSquaresTurnAsTheGamesCube) {
    std::mt19937 rng(3);
    for (int n : {4, 7}) {
        const SquareSet centres(n, [n](int a, int b) { return onCentre(a, b, n); });
        const SquareSet wings(n, [n](int a, int b) { return onEdge(a, b, n); });
        Cube c = scrambled(n, rng);
        Colours cc = centres.read(c), wc = wings.read(c);
        for (int i = 0; i < 200; ++i) {
            const PhysicalMove m{static_cast<int>(rng() % 3), static_cast<int>(rng() % static_cast<unsigned>(n)) + 1, rng() % 2 ? 1 : -1};
            c.turn(m, n);
            centres.turn(cc, m);
            wings.turn(wc, m);
        }
        EXPECT_EQ(cc, centres.read(c)) << n;
        EXPECT_EQ(wc, wings.read(c)) << n;
    }
}

TEST(BigCubeStages, EdgePlacesCoverEveryEdgeSquareOnce) {
    for (int n : {4, 5, 20}) {
        std::set<std::tuple<int, int, int>> seen;
        const auto slots = edgeSlots(n);
        EXPECT_EQ(slots.size(), static_cast<std::size_t>(12 * (n - 2)));
        for (const EdgeSlot& s : slots) {
            EXPECT_NE(s.first.f, s.second.f);
            seen.insert({s.first.a, s.first.b, s.first.f});
            seen.insert({s.second.a, s.second.b, s.second.f});
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(6 * 4 * (n - 2))) << n;
        for (const auto& [a, b, f] : seen) EXPECT_TRUE(onEdge(a, b, n)) << n;
    }
}

// A face turn moves each edge orbit's pieces in two cycles of four (even),
// an inner layer's turn in one (odd): only the orbit of that layer.
TEST(BigCubeStages, OneInnerTurnMakesItsOrbitOdd) {
    struct Case {
        int n;
        std::vector<PhysicalMove> turns;
        std::vector<int> odd;
    };
    const std::vector<Case> cases = {
        {4, {{0, 2, 1}}, {2}},
        {4, {{1, 3, -1}}, {2}},
        {6, {{2, 3, 1}}, {3}},
        {6, {{2, 3, 1}, {0, 4, 1}}, {}},
        {9, {{0, 8, 1}, {1, 4, 1}}, {2, 4}},
        {9, {{1, 5, 1}, {0, 9, 1}, {2, 1, -1}}, {}},
        {7, {{0, 3, 1}, {0, 3, 1}}, {}},
    };
    for (const Case& k : cases) {
        Cube c = solvedCube(k.n, test::kPlainColours);
        for (const auto& m : k.turns) c.turn(m, k.n);
        bool valid = false;
        EXPECT_EQ(oddWingOrbits(c, k.n, {0, 1, 2, 3, 4, 5, 6}, valid), k.odd) << k.n;
        EXPECT_TRUE(valid);
    }
}

TEST(BigCubeStages, TheColoursGoWhereTheMiddleCentresOrTheCornersSay) {
    std::mt19937 rng(8);
    for (int n : {4, 5, 6, 7}) {
        const auto colours = test::randomColours(rng);
        Cube c = solvedCube(n, colours);
        test::turnAtRandom(c, n, rng);
        const SquareSet centres(n, [n](int a, int b) { return onCentre(a, b, n); });
        const Reading r = readCube(c, n, centres);
        ASSERT_TRUE(r.ok()) << r.reason;
        for (int f = 1; f <= 6; ++f) EXPECT_EQ(r.target[static_cast<std::size_t>(f)], c.squarecolor(2, 2, f)) << n;
    }
}

// Centres to one colour a face, then the edges paired with the centres kept:
// checked on the game's cube after its own turns.
TEST(BigCubeStages, CentresThenEdgesLeaveAThreeCube) {
    std::mt19937 rng(21);
    for (int n : {4, 5, 8, 11}) {
        Cube c = scrambled(n, rng);
        const SquareSet centres(n, [n](int a, int b) { return onCentre(a, b, n); });
        const SquareSet wings(n, [n](int a, int b) { return onEdge(a, b, n); });
        const Reading r = readCube(c, n, centres);
        ASSERT_TRUE(r.ok()) << r.reason;
        bool valid = false;
        for (int k : oddWingOrbits(c, n, r.target, valid)) c.turn({0, k, 1}, n);

        MoveList moves;
        Colours cc = centres.read(c);
        ASSERT_TRUE(solveCentres(centres, cc, r.target, moves)) << n;
        make(c, n, moves);
        EXPECT_TRUE(centresDone(c, n, r.target)) << n;

        moves = {};
        Colours wc = wings.read(c);
        ASSERT_TRUE(pairEdges(wings, wc, moves)) << n;
        make(c, n, moves);
        EXPECT_TRUE(centresDone(c, n, r.target)) << n;
        EXPECT_TRUE(edgesPaired(c, n)) << n;
    }
}

}  // namespace
}  // namespace vx
