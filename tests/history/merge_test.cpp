// Merging runs of turns about one axis into their shortest form.
#include "history/merge.h"

#include <gtest/gtest.h>

#include <vector>

#include "history/convert.h"
#include "history/plan.h"
#include "history/record.h"
#include "support/solved_cube.h"

namespace vx {
namespace {

// The entry turning `layer` of `axis` by one quarter: +1 from edge n, -1 from edge 1.
HistEntry quarterEntry(int axis, int layer, int quarter, int n) {
    const int edge = quarter > 0 ? n : 1;
    return axis == 3 ? HistEntry{axis, edge, layer} : HistEntry{axis, layer, edge};
}
int layerOf(const HistEntry& e) { return e.axis == 3 ? e.row : e.col; }

struct Merge {
    explicit Merge(int size, View v = {1, 1}) : n(size), view(v), cube(test::solvedCube(size)) {}
    MergeContext ctx() { return {cube, view, rnd, counters, n}; }
    // Pushes the entry of a turn the player made: the cube turns the other
    // way, so that the history undoes it.
    void play(const HistEntry& e) {
        const PhysicalMove t = *turnOfEntry(e, n);
        cube.turn({t.axis, t.layer, -t.quarter}, n);
        h.push(e);
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

// Half turns on both layers of a 2-cube count on both sides with as many
// quarters each way: the coin decides, and the cube is shifted to its side.
TEST_P(MergeAxis, ATieGoesTheWayOfTheCoin) {
    const int axis = GetParam();
    const int n = 2;
    for (int seed = 0; seed < 8; ++seed) {
        Merge m(n, ringView(axis));
        m.rnd.seed(seed);
        Random coin = m.rnd;
        const bool high = coin.upTo(2) == 1;
        for (int q : {1, 1, -1, -1}) m.play(quarterEntry(axis, q > 0 ? 1 : 2, q, n));
        mergeTopRun(m.h, m.ctx());
        EXPECT_EQ(m.counters.highedgecount == -1, high) << seed;
        EXPECT_EQ(m.counters.lowedgecount == -1, !high) << seed;
        // Both half turns become quarter turns the coin's way.
        const int q = high ? 1 : -1;
        ASSERT_EQ(m.h.histcount, 2);
        EXPECT_EQ(m.h.at(1), quarterEntry(axis, 1, q, n));
        EXPECT_EQ(m.h.at(2), quarterEntry(axis, 2, q, n));
        EXPECT_TRUE(historySolves(m.cube, m.h, n));
    }
}

INSTANTIATE_TEST_SUITE_P(Axes, MergeAxis, ::testing::Values(1, 2, 3));

// Random runs of turns about one axis, on an entry of another axis: the
// merged run still undoes the cube (shifted as a whole or not), is no longer than the run, gives each layer at
// most two entries of one direction in increasing layer order, and leaves the
// entry below the run alone.
TEST(Merge, ARunBecomesItsShortForm) {
    Random dice;
    for (int round = 0; round < 600; ++round) {
        const int n = 2 + dice.upTo(6) - 1;
        const int axis = dice.upTo(3);
        Merge m(n, ringView(axis));
        m.rnd.seed(round);
        const HistEntry below = quarterEntry(axis % 3 + 1, 1, 1, n);
        m.h.push(below);
        const int length = 2 + dice.upTo(10) - 1;
        for (int i = 0; i < length; ++i) m.play(quarterEntry(axis, dice.upTo(n), dice.upTo(2) == 1 ? 1 : -1, n));
        mergeTopRun(m.h, m.ctx());

        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_GE(m.h.histcount, 1);
        History run;
        for (int i = 2; i <= m.h.histcount; ++i) run.push(m.h.at(i));
        EXPECT_TRUE(historySolves(m.cube, run, n));
        EXPECT_EQ(m.h.at(1), below);
        EXPECT_LE(m.h.histcount - 1, length);
        for (int i = 3; i <= m.h.histcount; ++i) {
            const HistEntry a = m.h.at(i - 1), b = m.h.at(i);
            EXPECT_LE(layerOf(a), layerOf(b));
            if (layerOf(a) == layerOf(b)) {
                EXPECT_EQ(a, b) << "a half turn is two quarters one way";
            }
            if (i >= 4 && layerOf(m.h.at(i - 2)) == layerOf(b)) ADD_FAILURE() << "three entries on one layer";
        }
    }
}

// Taking back the top turn only pops it: no merge runs, even over entries
// that would merge (a run read from a file), and the counters stay.
TEST(Record, TurnUndoingTheTopOnlyPops) {
    for (int count : {1, 3}) {
        Merge m(3);
        for (int layer = 1; layer <= count; ++layer) m.h.push({1, layer, 3});
        m.counters.lowedgecount = 5;
        m.counters.highedgecount = 7;
        recordTurn(m.h, {1, count, 3}, m.ctx());
        EXPECT_EQ(m.h.histcount, count - 1);
        EXPECT_EQ(m.view, (View{1, 1}));
        EXPECT_EQ(m.counters.lowedgecount, 5);
        EXPECT_EQ(m.counters.highedgecount, 7);
    }
}

}  // namespace
}  // namespace vx
