// Cubes of 4 to 20 solved from their colours: random states of every size,
// in any colours and orientation, every parity case and the stage that mends
// the wing orbits' parity, the cubes no turns can make refused with the
// reason, and the merging of the moves.
#include <gtest/gtest.h>

#include "random_states.h"
#include "solver/big/centres.h"
#include "solver/big/move_list.h"
#include "solver/big/scheme.h"
#include "solver/big/small_centres.h"
#include "support/random_big_cube.h"

namespace vx {
namespace {

using solver::Refusal;
using test::scrambled;
using test::swapSquares;

// The search for a shorter 3-cube stage is not what is tested here.
constexpr solver::Budget kFirstFound{0};

solver::Solution expectSolves(const Cube& c, int n, const std::string& what) {
    const auto s = solver::solve(c, n, kFirstFound);
    EXPECT_TRUE(s.solved()) << what << ": " << s.reason;
    EXPECT_TRUE(std::all_of(s.moves.begin(), s.moves.end(), [n](const PhysicalMove& m) {
        return m.axis >= 0 && m.axis <= 2 && m.layer >= 1 && m.layer <= n && (m.quarter == 1 || m.quarter == -1);
    })) << what;
    EXPECT_TRUE(test::solves(c, n, s.moves)) << what;
    return s;
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
        for (int i = 0; i < (n <= 7 ? 2 : 1); ++i) expectSolves(scrambled(n, rng), n, "n = " + std::to_string(n));
    }
}

TEST(BigCube, RandomStatesOfSizes4To16AreSolved) { solveRandomStates(4, 16, 2024); }
TEST(BigCube, RandomStatesOfSizes17To20AreSolved) { solveRandomStates(17, kMaxCubeSize, 2025); }

// Cubes random by state (every centre and wing orbit shuffled), odd and even:
// each solved, the same way when solved again, its stages adding up to its
// moves; among them wing orbits that start odd.
TEST(BigCube, CubesRandomByStateAreSolvedTheSameWayTwice) {
    int oddOrbits = 0;
    for (int n : {4, 5, 6, 7, 8, 9}) {
        for (unsigned seed = 1; seed <= (n <= 5 ? 3u : 1u); ++seed) {
            const Cube c = test::randomBigCube(n, seed * 100 + static_cast<unsigned>(n));
            const std::string what = "n = " + std::to_string(n) + ", seed " + std::to_string(seed);
            const auto s = expectSolves(c, n, what);
            EXPECT_EQ(solver::solve(c, n, kFirstFound).moves, s.moves) << what;
            const auto& st = s.stages;
            EXPECT_TRUE(st.centres > 0 && st.edges > 0 && st.parity >= 0 && st.threeCube >= 0) << what;
            EXPECT_EQ(st.centres + st.edges + st.parity + st.threeCube, static_cast<int>(s.moves.size())) << what;
            const solver::big::SquareSet centres(n, [n](int a, int b) { return a > 1 && a < n && b > 1 && b < n; });
            bool valid = false;
            const auto odd = solver::big::oddWingOrbits(c, n, solver::big::readCube(c, n, centres).target, valid);
            oddOrbits += !odd.empty();
            EXPECT_GE(st.parity, static_cast<int>(odd.size())) << what;
        }
    }
    EXPECT_GT(oddOrbits, 0);
}

// Even cubes: half their states need the two edges swapped at the end, and
// half their wing orbits start odd; odd cubes the latter. Many short and
// long scrambles of the small sizes reach every case; a solved cube, in any
// colours and orientation, needs no moves.
TEST(BigCube, EveryParityCaseOfTheSmallSizes) {
    std::mt19937 rng(77);
    for (int n = 4; n <= 6; ++n)
        for (int turns : {0, 1, 2, 3, 200, 200, 200}) {
            Cube c = test::solvedCube(n, test::randomColours(rng));
            for (int t = 0; t < turns; ++t) c.turn(test::randomTurn(n, rng), n);
            test::turnAtRandom(c, n, rng);
            const auto s = expectSolves(c, n, "n = " + std::to_string(n) + ", turns " + std::to_string(turns));
            EXPECT_TRUE(turns > 0 || s.moves.empty()) << n;
        }
}

// The two squares of the edge place of `layer` on edge `edge`.
std::pair<FaceSquare, FaceSquare> edgePlace(int n, int edge, int layer) {
    for (const auto& s : solver::big::edgeSlots(n))
        if (s.edge == edge && s.layer == layer) return {s.first, s.second};
    return {};
}

// Every inner piece of edges 0 and 11 exchanged, their colours kept in order.
void swapTwoEdges(Cube& c, int n) {
    for (int layer = 2; layer < n; ++layer) {
        const auto [p, q] = edgePlace(n, 0, layer);
        const auto [r, s] = edgePlace(n, 11, layer);
        swapSquares(c, p, r);
        swapSquares(c, q, s);
    }
}

// Two whole edges exchanged on a solved even cube: the reduced cube's
// parity. The 4-cube makes the long swap; from 8 up two inner edge pairs are
// exchanged while the edges are paired, which is shorter; the 6-cube takes
// whichever is shorter there, so only its solution is checked.
TEST(BigCube, TwoWholeEdgesExchangedOnAnEvenCube) {
    for (int n : {4, 6, 8, 12}) {
        Cube c = test::solvedCube(n, test::kPlainColours);
        swapTwoEdges(c, n);
        const auto s = expectSolves(c, n, "n = " + std::to_string(n));
        if (n != 6) {
            EXPECT_EQ(s.stages.parity, n == 4 ? 5 * n - 4 : 0) << n;
        }
    }
}

// Changes that no turns can make, each on a scrambled cube.
struct Damage {
    const char* name;
    int n;
    Refusal why;
    void (*make)(Cube&, int n);  // nullptr: the two squares of `swap` exchanged
    std::pair<FaceSquare, FaceSquare> swap{};
};

TEST(BigCube, CubesNoTurnsCanMakeAreRefused) {
    const Damage damages[] = {
        {"a square painted over", 6, Refusal::wrongColourCounts,
         [](Cube& c, int) { c.setSquarecolor(3, 3, 1, c.squarecolor(3, 3, 1) == 9 ? 10 : 9); }},
        {"two centre pieces of different orbits swapped", 6, Refusal::badCentres,
         [](Cube& c, int) {
             for (int f = 2; f <= 6; ++f)
                 if (c.squarecolor(2, 2, 1) != c.squarecolor(2, 3, f)) return swapSquares(c, {2, 2, 1}, {2, 3, f});
         }},
        {"middle centres of two faces swapped", 5, Refusal::badCentres, nullptr, {{3, 3, 1}, {3, 3, 2}}},
        {"a corner in its mirror image", 4, Refusal::badCorners, nullptr, {{1, 1, 1}, {4, 4, 5}}},
        {"a twisted corner", 6, Refusal::badCorners,
         [](Cube& c, int n) {
             const auto k = solver::big::cornerSlots(n)[0];
             swapSquares(c, k[0], k[1]);
             swapSquares(c, k[1], k[2]);
         }},
        {"an edge piece turned over", 6, Refusal::badEdges, nullptr, edgePlace(6, 3, 2)},
        {"the middle edge piece turned over", 7, Refusal::badEdges, nullptr, edgePlace(7, 5, 4)},
        {"two edges swapped on an odd cube", 5, Refusal::oddParity, swapTwoEdges},
    };
    std::mt19937 rng(31);
    for (const Damage& d : damages) {
        Cube c = scrambled(d.n, rng);
        d.make ? d.make(c, d.n) : swapSquares(c, d.swap.first, d.swap.second);
        const auto s = solver::solve(c, d.n, kFirstFound);
        EXPECT_EQ(s.refusal, d.why) << d.name << ": " << s.reason;
        EXPECT_FALSE(s.reason.empty()) << d.name;
        EXPECT_TRUE(s.moves.empty()) << d.name;
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
    const Case cases[] = {
        {4, {{0, 2, 1}}, {2}},
        {4, {{1, 3, -1}}, {2}},
        {6, {{2, 3, 1}}, {3}},
        {6, {{2, 3, 1}, {0, 4, 1}}, {}},
        {9, {{0, 8, 1}, {1, 4, 1}}, {2, 4}},
        {9, {{1, 5, 1}, {0, 9, 1}, {2, 1, -1}}, {}},
        {7, {{0, 3, 1}, {0, 3, 1}}, {}},
    };
    for (const Case& k : cases) {
        Cube c = test::solvedCube(k.n, test::kPlainColours);
        for (const auto& m : k.turns) c.turn(m, k.n);
        bool valid = false;
        EXPECT_EQ(solver::big::oddWingOrbits(c, k.n, test::kPlainColours, valid), k.odd) << k.n;
        EXPECT_TRUE(valid);
    }
}

// The centre searches of the 4- and 5-cube on their own: every way they
// finish makes each centre its face's colour, every end the 5-cube's leaves
// to the greedy stage has two opposite faces done, and both keep the wing
// orbits' parity. With little work the 5-cube's search leaves ends to the
// greedy stage; with the default budget it finishes some.
TEST(BigCubeStages, CentreSearchesOfTheSmallCubes) {
    using solver::big::CentresWay;
    struct Case {
        int n;
        std::int64_t work;
        bool finishes;
    };
    for (const Case& k : {Case{4, 50'000, true}, Case{5, 50'000, false}, Case{5, 1'200'000, true}})
        for (unsigned seed = 1; seed <= 2; ++seed) {
            const int n = k.n;
            const std::string what = "n = " + std::to_string(n) + ", work " + std::to_string(k.work);
            const Cube c = test::randomBigCube(n, seed * 37 + static_cast<unsigned>(n));
            const solver::big::SquareSet centres(n, [n](int a, int b) { return a > 1 && a < n && b > 1 && b < n; });
            const auto target = solver::big::readCube(c, n, centres).target;
            Cube even = c;
            bool valid = false;
            for (int l : solver::big::oddWingOrbits(c, n, target, valid)) even.turn({0, l, 1}, n);
            std::vector<CentresWay> unfinished;
            const auto ways = solver::big::searchCentres(centres, centres.read(even), target, k.work, unfinished);
            EXPECT_TRUE(k.finishes ? !ways.empty() : !unfinished.empty()) << what;
            auto facesDone = [&](const CentresWay& w) {
                Cube t = even;
                for (const auto& m : w.moves.moves()) t.turn(m, n);
                EXPECT_EQ(centres.read(t), w.colours) << what;
                EXPECT_TRUE(solver::big::oddWingOrbits(t, n, target, valid).empty()) << what;
                std::vector<int> done;
                for (int f = 1; f <= 6; ++f) {
                    bool all = true;
                    for (int i = 0; i < centres.size(); ++i)
                        all = all && (centres.face(i) != f ||
                                      w.colours[static_cast<std::size_t>(i)] == target[static_cast<std::size_t>(f)]);
                    if (all) done.push_back(f);
                }
                return done;
            };
            for (const CentresWay& w : ways) EXPECT_EQ(facesDone(w).size(), 6u) << what;
            for (const CentresWay& w : unfinished) {
                std::array<int, 3> perAxis{};
                for (int f : facesDone(w)) ++perAxis[static_cast<std::size_t>(solver::big::faceAxis(f))];
                EXPECT_TRUE(std::count(perAxis.begin(), perAxis.end(), 2) > 0) << what;
            }
        }
}

// Centres two slice commutators [s, z, t, z'] from solved, the second after
// a turn of z that undoes the first's last. The steps count what they add to
// the solution (turns that cancel where two steps meet are free) and leave
// out a commutator's last turn of z, which is not built: the centres come
// back in at least three moves fewer than were made.
TEST(BigCubeStages, CentresTwoCommutatorsFromSolved) {
    struct Comm {
        int s, t, q1, q2;
    };
    struct Case {
        int n, z, axis;
        Comm first, second;
    };
    for (const Case& k : {Case{7, 5, 1, {6, 4, -1, -1}, {4, 5, 1, 1}}, Case{8, 5, 1, {3, 7, 1, -1}, {7, 6, -1, 1}},
                          Case{10, 4, 2, {6, 8, 1, 1}, {8, 4, -1, -1}}}) {
        const int n = k.n;
        const PhysicalMove zk = solver::big::faceTurn(k.z, 1, n), zb = solver::big::faceTurn(k.z, -1, n);
        solver::big::MoveList made;
        for (const Comm* c : {&k.first, &k.second}) {
            if (c == &k.second) made.add(zk);
            made.add({{k.axis, c->s, c->q1},
                      zk,
                      {k.axis, c->t, c->q2},
                      zb,
                      {k.axis, c->s, -c->q1},
                      zk,
                      {k.axis, c->t, -c->q2},
                      zb});
        }
        Cube c = test::solvedCube(n);
        const auto ms = made.moves();
        for (auto m = ms.rbegin(); m != ms.rend(); ++m) c.turn({m->axis, m->layer, -m->quarter}, n);
        const solver::big::SquareSet centres(n, [n](int a, int b) { return a > 1 && a < n && b > 1 && b < n; });
        const auto ways =
            solver::big::centresWays(centres, centres.read(c), solver::big::readCube(c, n, centres).target, 1);
        ASSERT_FALSE(ways.empty());
        EXPECT_LE(ways.front().moves.length(), made.length() - 3) << "n = " << n << ", face " << k.z;
    }
}

TEST(BigCubeMoves, TurnsOfOneLayerMerge) {
    struct Case {
        const char* name;
        std::vector<PhysicalMove> added, left;
    };
    const Case cases[] = {
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
