// Merging runs of turns about one axis, and the whole-cube shift.
#include <gtest/gtest.h>

#include "helpers.h"
#include "history/convert.h"
#include "history/merge.h"
#include "history/whole_shift.h"
#include "support/labelled_cube.h"

namespace vx {
namespace {

using test::quarterEntry;

struct Merge {
    explicit Merge(int size, View v = {1, 1}) : n(size), view(v), cube(test::uniquelyLabelled(size)) {}
    MergeContext ctx() { return {cube, view, rnd, counters, n}; }
    // Pushes the run (axis, layer, quarter) and merges it.
    void run(int axis, std::initializer_list<std::pair<int, int>> turns) {
        for (auto [layer, quarter] : turns) h.push(quarterEntry(axis, layer, quarter, n));
        mergeTopRun(h, ctx());
    }
    std::vector<HistEntry> above(int base) const {
        std::vector<HistEntry> v;
        for (int i = base + 1; i <= h.histcount; ++i) v.push_back(h.at(i));
        return v;
    }
    int n;
    View view;
    Cube cube;
    Random rnd;
    ScrambleCounters counters;
    History h;
};

// A view whose front face lies in the ring of the axis.
View ringView(int axis) { return axis == 2 ? View{2, 1} : View{1, 1}; }

class MergeAxis : public ::testing::TestWithParam<int> {};

TEST(Merge, ThreeClicksOfOneLayerLeaveOneEntryTheOtherWay) {
    for (int n : {3, 4})
        for (View view : test::allViews())
            for (int kind : {1, 2}) {
                Merge m(n, view);
                const ScreenMove click = kind == 1 ? ScreenMove{1, 2, 1} : ScreenMove{2, n, 2};
                m.h.push({toAbsolute(view, click, n).axis % 3 + 1, 1, 1});
                Cube once = m.cube;
                const ScreenMove back = kind == 1 ? ScreenMove{1, 2, n} : ScreenMove{2, 1, 2};
                layerTurn(once, view, back, n);
                for (int i = 0; i < 3; ++i) {
                    recordTurn(m.h, toAbsolute(m.view, click, n), m.ctx());
                    layerTurn(m.cube, m.view, click, n);
                }
                ASSERT_EQ(m.h.histcount, 2);
                EXPECT_EQ(m.h.top(), inverseEntry(toAbsolute(view, back, n), n));
                EXPECT_TRUE(test::sameSquares(m.cube, once, n));
                // A fourth is the one that undoes the entry.
                recordTurn(m.h, toAbsolute(m.view, click, n), m.ctx());
                EXPECT_EQ(m.h.histcount, 1);
            }
}

TEST_P(MergeAxis, RunWithNoNetTurnDisappears) {
    const int axis = GetParam();
    Merge m(5, ringView(axis));
    m.h.push({axis % 3 + 1, 2, 5});
    m.run(axis, {{2, 1}, {4, -1}, {2, -1}, {4, 1}});
    EXPECT_EQ(m.h.histcount, 1);
    m.run(axis, {{3, 1}, {3, 1}, {3, 1}, {3, 1}});
    EXPECT_EQ(m.h.histcount, 1);
    EXPECT_EQ(m.view, ringView(axis));
}

TEST_P(MergeAxis, LayersComeOutInIncreasingOrder) {
    const int axis = GetParam();
    const int n = 5;
    for (bool reversed : {false, true}) {
        Merge m(n, ringView(axis));
        if (reversed)
            m.run(axis, {{4, 1}, {2, -1}});
        else
            m.run(axis, {{2, -1}, {4, 1}});
        EXPECT_EQ(m.above(0), (std::vector<HistEntry>{quarterEntry(axis, 2, -1, n), quarterEntry(axis, 4, 1, n)}));
    }
}

TEST_P(MergeAxis, HalfTurnsStayTwoEntries) {
    const int axis = GetParam();
    const int n = 5;
    Merge m(n, ringView(axis));
    m.run(axis, {{1, -1}, {3, 1}, {1, -1}});
    const HistEntry e = quarterEntry(axis, 1, -1, n);
    EXPECT_EQ(m.above(0), (std::vector<HistEntry>{e, e, quarterEntry(axis, 3, 1, n)}));
}

// N = 3, layers 1 and 2 a quarter the same way: the run becomes one turn of
// layer 3 the other way and the cube turns as a whole.
TEST_P(MergeAxis, TwoOfThreeLayersBecomeTheThirdAndAWholeCubeTurn) {
    const int axis = GetParam();
    const int n = 3;
    for (int q : {1, -1}) {
        Merge m(n, ringView(axis));
        m.h.push({axis % 3 + 1, 1, 3});
        Cube played = m.cube;
        m.h.push(quarterEntry(axis, 1, q, n));
        m.h.push(quarterEntry(axis, 2, q, n));
        test::playHistory(played, m.h, n);
        const std::vector<int> seen = test::seenFrom(m.cube, m.view, n);

        mergeTopRun(m.h, m.ctx());
        EXPECT_EQ(m.above(1), std::vector<HistEntry>{quarterEntry(axis, 3, -q, n)});
        EXPECT_EQ(q > 0 ? m.counters.highedgecount : m.counters.lowedgecount, -1);
        EXPECT_NE(m.view, ringView(axis));
        EXPECT_EQ(test::seenFrom(m.cube, m.view, n), seen);
        // The shorter history still takes the cube where the longer one did.
        test::playHistory(m.cube, m.h, n);
        EXPECT_TRUE(test::sameSquares(m.cube, played, n));
    }
}

TEST_P(MergeAxis, TwoLayersOfATwoCubeBecomeAWholeCubeTurnAlone) {
    const int axis = GetParam();
    const int n = 2;
    Merge m(n, ringView(axis));
    Cube played = m.cube;
    m.h.push(quarterEntry(axis, 1, 1, n));
    m.h.push(quarterEntry(axis, 2, 1, n));
    test::playHistory(played, m.h, n);
    const std::vector<int> seen = test::seenFrom(m.cube, m.view, n);
    mergeTopRun(m.h, m.ctx());
    EXPECT_EQ(m.h.histcount, 0);
    EXPECT_EQ(m.h.at(0), HistEntry{});
    EXPECT_EQ(test::seenFrom(m.cube, m.view, n), seen);
    EXPECT_TRUE(test::sameSquares(m.cube, played, n));
}

// Half turns count on both sides; the coin is thrown, then the signs decide.
TEST_P(MergeAxis, HalfTurnsOnTwoOfThreeLayers) {
    const int axis = GetParam();
    const int n = 3;
    for (int q : {1, -1}) {
        Merge m(n, ringView(axis));
        Random untouched = m.rnd;
        Cube played = m.cube;
        for (int i = 0; i < 2; ++i) {
            m.h.push(quarterEntry(axis, 1, q, n));
            m.h.push(quarterEntry(axis, 2, q, n));
        }
        test::playHistory(played, m.h, n);
        mergeTopRun(m.h, m.ctx());
        EXPECT_EQ(m.above(0), (std::vector<HistEntry>{quarterEntry(axis, 1, q, n), quarterEntry(axis, 2, q, n),
                                                      quarterEntry(axis, 3, -q, n)}));
        EXPECT_EQ(m.counters.highedgecount, q > 0 ? -1 : 0);
        EXPECT_EQ(m.counters.lowedgecount, q > 0 ? 0 : -1);
        untouched.rnd();
        EXPECT_EQ(untouched.rnd(), m.rnd.rnd()) << "one number drawn";
        test::playHistory(m.cube, m.h, n);
        EXPECT_TRUE(test::sameSquares(m.cube, played, n));
    }
}

TEST_P(MergeAxis, EntriesBelowTheRunAndIndexZeroStay) {
    const int axis = GetParam();
    const int n = 3;
    for (int baseAxis : {0, axis % 3 + 1}) {
        Merge m(n, ringView(axis));
        if (baseAxis) {
            m.h.push({baseAxis, 2, 2});  // not even a turn: still left as it is
            m.h.push({baseAxis, 1, 3});
        }
        const int base = m.h.histcount;
        for (int i = 0; i < 4; ++i) m.run(axis, {{i % 3 + 1, 1}, {(i + 1) % 3 + 1, 1}});
        EXPECT_EQ(m.h.at(0), HistEntry{});
        if (baseAxis) {
            EXPECT_EQ(m.h.at(1), (HistEntry{baseAxis, 2, 2}));
            EXPECT_EQ(m.h.at(2), (HistEntry{baseAxis, 1, 3}));
        }
        EXPECT_GE(m.h.histcount, base);
    }
}

INSTANTIATE_TEST_SUITE_P(Axes, MergeAxis, ::testing::Values(1, 2, 3));

TEST(Merge, DamagedEntryBelowIsNotPartOfTheRun) {
    const int n = 3;
    Merge m(n);
    m.h.push({1, 0, 3});   // no layer 0
    m.h.push({1, 25, 1});  // no layer 25
    m.run(1, {{2, 1}, {2, 1}});
    EXPECT_EQ(m.h.histcount, 4);
    EXPECT_EQ(m.h.at(1), (HistEntry{1, 0, 3}));
    EXPECT_EQ(m.h.at(2), (HistEntry{1, 25, 1}));
}

// A front face across the run's axis cannot follow a shift; the run is then
// merged without one.
TEST(Merge, NoShiftWhenTheViewCannotFollow) {
    const int n = 3;
    Merge m(n, {5, 1});
    const Cube start = m.cube;
    m.run(1, {{1, 1}, {2, 1}});
    EXPECT_EQ(m.above(0), (std::vector<HistEntry>{quarterEntry(1, 1, 1, n), quarterEntry(1, 2, 1, n)}));
    EXPECT_EQ(m.view, (View{5, 1}));
    EXPECT_TRUE(test::sameSquares(m.cube, start, n));
}

// Where square (a, b) of face f lands when the cube turns as a whole for a
// shift: the four faces round the axis pass their squares on along the ring,
// the two end faces turn in place.
test::Origin landing(int axis, Shift shift, int a, int b, int f, int n) {
    const int m = n + 1;
    const bool low = shift == Shift::Low;
    struct Ring {
        std::array<int, 4> faces;  // in the direction of a Low shift
        int first, second;
    };
    static constexpr Ring kRings[4] = {{}, {{1, 2, 3, 4}, 5, 6}, {{5, 2, 6, 4}, 3, 1}, {{6, 1, 5, 3}, 4, 2}};
    const Ring& ring = kRings[axis];
    if (f == ring.first) return low ? test::Origin{b, m - a, f} : test::Origin{m - b, a, f};
    if (f == ring.second) return low ? test::Origin{m - b, a, f} : test::Origin{b, m - a, f};
    int i = 0;
    while (ring.faces[i] != f) ++i;
    const int to = ring.faces[(i + (low ? 1 : 3)) % 4];
    switch (axis) {
    case 2: return low ? test::Origin{m - b, a, to} : test::Origin{b, m - a, to};
    case 3:
        if (f == 3 || to == 3) return {m - a, m - b, to};
        return {a, b, to};
    default: return {a, b, to};
    }
}

TEST(WholeShift, CubeTurnsSquareForSquareAsTheRingTableSays) {
    for (int n : {2, 3, 4, 5, 20})
        for (int axis = 1; axis <= 3; ++axis)
            for (Shift shift : {Shift::Low, Shift::High}) {
                test::LabelledCube cube(n);
                const WholeTurn w = wholeTurnFor(axis, shift);
                cube.turnWhole(w.axis, w.quarter);
                for (int f = 1; f <= 6; ++f)
                    for (int b = 1; b <= n; ++b)
                        for (int a = 1; a <= n; ++a) {
                            const test::Origin to = landing(axis, shift, a, b, f, n);
                            ASSERT_EQ(cube.origin(to.a, to.b, to.f), (test::Origin{a, b, f}))
                                << "axis " << axis << (shift == Shift::Low ? " low" : " high") << " square " << a
                                << "," << b << " of face " << f << " n " << n;
                        }
            }
}

TEST(WholeShift, ViewChangesAsTheTableSays) {
    struct Row {
        int axis;
        Shift shift;
        std::array<int, 7> face;  // old front face -> new, 0 for end faces
        int turnBy;               // added to frontturn (the back face adds 2 on axis 3)
    };
    const Row rows[] = {
        {1, Shift::Low, {0, 2, 3, 4, 1, 0, 0}, 0},  {1, Shift::High, {0, 4, 1, 2, 3, 0, 0}, 0},
        {2, Shift::Low, {0, 0, 6, 0, 5, 2, 4}, -1}, {2, Shift::High, {0, 0, 5, 0, 6, 4, 2}, 1},
        {3, Shift::Low, {0, 5, 0, 6, 0, 3, 1}, 0},  {3, Shift::High, {0, 6, 0, 5, 0, 1, 3}, 0},
    };
    for (const Row& row : rows)
        for (View view : test::allViews()) {
            const int face = row.face[view.face];
            ASSERT_EQ(viewFollowsShift(view, row.axis), face != 0);
            if (!face) continue;
            int by = row.turnBy;
            if (row.axis == 3 && (face == 3 || view.face == 3)) by = 2;
            const View expected{face, (view.turn - 1 + by + 4) % 4 + 1};
            EXPECT_EQ(viewAfterShift(view, row.axis, row.shift), expected)
                << "axis " << row.axis << " from " << view.face << "," << view.turn;
        }
}

// The point of the view change: the shifted cube, seen in the new view, looks
// exactly like the old cube in the old view, everywhere round the cube.
TEST(WholeShift, PictureStaysInEveryView) {
    const int n = 4;
    for (int axis = 1; axis <= 3; ++axis)
        for (Shift shift : {Shift::Low, Shift::High})
            for (View view : test::allViews()) {
                if (!viewFollowsShift(view, axis)) continue;
                Cube cube = test::uniquelyLabelled(n);
                const std::vector<int> before = test::seenFrom(cube, view, n);
                View after = view;
                shiftWholeCube(cube, after, axis, shift, n);
                EXPECT_NE(after, view);
                EXPECT_EQ(test::seenFrom(cube, after, n), before)
                    << "axis " << axis << (shift == Shift::Low ? " low" : " high") << " view " << view.face << ","
                    << view.turn;
            }
}

}  // namespace
}  // namespace vx
