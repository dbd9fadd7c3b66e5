// Recording turns: the undo check, the pushed inverse, scramble pushes.
#include <gtest/gtest.h>

#include "helpers.h"
#include "history/convert.h"
#include "history/record.h"

namespace vx {
namespace {

struct Game {
    explicit Game(int size) : n(size), cube(test::colouredByFace(size)) {}
    MergeContext ctx() { return {cube, view, rnd, counters, n}; }
    void click(const ScreenMove& m) {
        recordTurn(h, toAbsolute(view, m, n), ctx());
        layerTurn(cube, view, m, n);
    }
    std::vector<HistEntry> entries() const {
        std::vector<HistEntry> all;
        for (int i = 1; i <= h.histcount; ++i) all.push_back(h.at(i));
        return all;
    }
    int n;
    Cube cube;
    View view{1, 1};
    Random rnd;
    ScrambleCounters counters;
    History h;
};

TEST(Record, ColumnTurnPushesItsInverse) {
    Game g(3);
    g.click({1, 2, 1});
    ASSERT_EQ(g.h.histcount, 1);
    EXPECT_EQ(g.h.top(), (HistEntry{1, 2, 3}));
}

TEST(Record, TurnThenTurnBackLeavesTheHistoryAsItWas) {
    for (int n : {2, 3, 5})
        for (View view : test::allViews())
            for (const ScreenMove& m : test::edgeMoves(n, test::someLines(n))) {
                Game g(n);
                g.view = view;
                const int axis = toAbsolute(view, m, n).axis;
                const HistEntry below{axis % 3 + 1, 1, 1};
                g.h.push(below);
                const Cube before = g.cube;
                g.click(m);
                EXPECT_EQ(g.h.histcount, 2);
                const ScreenMove back = m.turnkind == 1 ? ScreenMove{1, m.clickcol, n + 1 - m.clickrow}
                                                        : ScreenMove{2, n + 1 - m.clickcol, m.clickrow};
                g.click(back);
                EXPECT_EQ(g.entries(), std::vector<HistEntry>{below});
                EXPECT_EQ(g.view, view);
                EXPECT_TRUE(test::sameSquares(g.cube, before, n));
            }
}

// The undo check comes first: the entries below are left as they are even when
// they would merge (here a run read from a file, every layer the same way).
TEST(Record, TurnUndoingTheTopOnlyPops) {
    Game g(3);
    for (int layer = 1; layer <= 3; ++layer) g.h.push({1, layer, 3});
    const Cube before = g.cube;
    const ScrambleCounters counters = g.counters;
    recordTurn(g.h, {1, 3, 3}, g.ctx());
    EXPECT_EQ(g.entries(), (std::vector<HistEntry>{{1, 1, 3}, {1, 2, 3}}));
    EXPECT_EQ(g.view, (View{1, 1}));
    EXPECT_TRUE(test::sameSquares(g.cube, before, 3));
    EXPECT_EQ(g.counters.lowedgecount, counters.lowedgecount);
    EXPECT_EQ(g.counters.highedgecount, counters.highedgecount);
}

TEST(Record, SomethingThatIsNoTurnIsNotRecorded) {
    Game g(3);
    g.click({1, 1, 1});
    recordTurn(g.h, {-1, -1, -1}, g.ctx());
    recordTurn(g.h, {1, 0, 3}, g.ctx());
    recordTurn(g.h, {4, 1, 1}, g.ctx());
    recordTurn(g.h, {1, 1, 2}, g.ctx());  // from no edge
    EXPECT_EQ(g.h.histcount, 1);
}

TEST(Record, ScrambleTurnOnTheRightFacePushesAxis3) {
    for (int n : {2, 3, 9}) {
        History h;
        recordScrambleTurn(h, {6, 1}, {2, 1, 2}, n);
        ASSERT_EQ(h.histcount, 1);
        EXPECT_EQ(h.top(), (HistEntry{3, n, 2}));
    }
}

TEST(Record, ScrambleTurnsArePushedWithoutUndoCheckOrMerge) {
    const int n = 3;
    History h;
    recordScrambleTurn(h, {1, 1}, {1, 2, 1}, n);
    recordScrambleTurn(h, {1, 1}, {1, 2, n}, n);  // would undo the first
    recordScrambleTurn(h, {1, 1}, {1, 2, n}, n);  // same axis, same layer
    ASSERT_EQ(h.histcount, 3);
    EXPECT_EQ(h.at(1), (HistEntry{1, 2, 3}));
    EXPECT_EQ(h.at(2), (HistEntry{1, 2, 1}));
    EXPECT_EQ(h.at(3), (HistEntry{1, 2, 1}));
    // Faces 5 and 6 give axes 2 and 3, with the edge mirrored.
    recordScrambleTurn(h, {5, 1}, {1, 3, 1}, n);
    EXPECT_EQ(h.top(), (HistEntry{2, 3, 3}));
    recordScrambleTurn(h, {6, 1}, {2, 3, 1}, n);
    EXPECT_EQ(h.top(), (HistEntry{3, 1, 1}));
}

TEST(Record, NegativeCountStartsAFreshHistory) {
    History h;
    h.histcount = -7;
    EXPECT_EQ(h.top(), HistEntry{});
    h.push({1, 2, 3});
    EXPECT_EQ(h.histcount, 1);
    EXPECT_EQ(h.at(0), HistEntry{});
    EXPECT_EQ(h.top(), (HistEntry{1, 2, 3}));
}

TEST(Record, HistoryHasNoFixedCapacity) {
    const int n = 3;
    Game g(n);
    // Alternate two axes so that nothing merges.
    for (int i = 0; i < 10500; ++i) g.click(i % 2 ? ScreenMove{1, 1, 1} : ScreenMove{2, 1, 1});
    EXPECT_EQ(g.h.histcount, 10500);
    g.click({1, 1, n});  // undoes the last click
    EXPECT_EQ(g.h.histcount, 10499);
}

}  // namespace
}  // namespace vx
