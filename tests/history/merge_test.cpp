// Merging runs of turns about one axis: the choices no replay can see.
#include <gtest/gtest.h>

#include "support/solved_cube.h"
#include "history/merge.h"
#include "history/record.h"

namespace vx {
namespace {

// The entry turning `layer` of `axis` by one quarter: +1 from edge n, -1 from edge 1.
HistEntry quarterEntry(int axis, int layer, int quarter, int n) {
    const int edge = quarter > 0 ? n : 1;
    return axis == 3 ? HistEntry{axis, edge, layer} : HistEntry{axis, layer, edge};
}

struct Merge {
    explicit Merge(int size, View v = {1, 1}) : n(size), view(v), cube(test::solvedCube(size)) {}
    MergeContext ctx() { return {cube, view, rnd, counters, n}; }
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
// quarters each way: the coin alone decides, so both sides come up.
TEST_P(MergeAxis, ATieIsThrownForAndBothSidesComeUp) {
    const int axis = GetParam();
    const int n = 2;
    bool low = false, high = false;
    for (int seed = 0; seed < 40; ++seed) {
        Merge m(n, ringView(axis));
        m.rnd.seed(seed);
        for (int q : {1, 1, -1, -1}) m.h.push(quarterEntry(axis, q > 0 ? 1 : 2, q, n));
        mergeTopRun(m.h, m.ctx());
        low = low || m.counters.lowedgecount == -1;
        high = high || m.counters.highedgecount == -1;
    }
    EXPECT_TRUE(low && high);
}

INSTANTIATE_TEST_SUITE_P(Axes, MergeAxis, ::testing::Values(1, 2, 3));

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
