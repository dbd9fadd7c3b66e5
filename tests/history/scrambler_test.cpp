// The scramble generator's rules over long runs of turns.
#include <gtest/gtest.h>

#include "helpers.h"
#include "history/convert.h"
#include "history/scrambler.h"

namespace vx {
namespace {

struct Turn {
    View view;
    ScreenMove move;
};

int edgeOf(const ScreenMove& m) { return m.turnkind == 1 ? m.clickrow : m.clickcol; }
int layerOf(const ScreenMove& m) { return m.turnkind == 1 ? m.clickcol : m.clickrow; }

class Scramble : public ::testing::TestWithParam<int> {};

TEST_P(Scramble, TurnsFollowTheRulesAndTheHistoryUndoesThem) {
    const int n = GetParam();
    const int k = 3000;
    Random rnd;
    rnd.seed(1234.0 + n);
    ScrambleCounters c;
    View view{3, 2};
    History h;
    Cube cube = test::colouredByFace(n);
    std::vector<Turn> turns;
    for (int i = 0; i < k; ++i) {
        const ScreenMove m = scrambleStep(c, view, h, rnd, n);
        turns.push_back({view, m});
        layerTurn(cube, view, m, n);
        ASSERT_EQ(h.histcount, i + 1);
        ASSERT_EQ(h.top(), inverseEntry(toAbsolute(view, m, n), n));
    }

    int faceUse[7] = {};
    int edgeUse[2] = {};
    for (std::size_t i = 0; i < turns.size(); ++i) {
        const Turn& t = turns[i];
        ASSERT_TRUE(t.view == (View{1, 1}) || t.view == (View{5, 1}) || t.view == (View{6, 1}));
        ASSERT_EQ(t.move.turnkind, t.view.face == 6 ? 2 : 1);
        ASSERT_TRUE(edgeOf(t.move) == 1 || edgeOf(t.move) == n);
        ++faceUse[t.view.face];
        ++edgeUse[edgeOf(t.move) == 1 ? 0 : 1];
        if (i == 0 || turns[i - 1].view != t.view) continue;
        const Turn& before = turns[i - 1];
        EXPECT_NE(layerOf(before.move), layerOf(t.move)) << "turn " << i;
        if (n <= 3) {
            EXPECT_NE(edgeOf(before.move), edgeOf(t.move)) << "turn " << i;
        }
        if (i >= 2) {
            EXPECT_NE(turns[i - 2].view, t.view) << "three in a row at " << i;
        }
    }
    for (int f : {1, 5, 6}) EXPECT_GT(faceUse[f], k / 5);
    EXPECT_GT(edgeUse[0], k / 3);
    EXPECT_GT(edgeUse[1], k / 3);

    test::playHistory(cube, h, n);
    EXPECT_TRUE(test::sameSquares(cube, test::colouredByFace(n), n));
}

INSTANTIATE_TEST_SUITE_P(Sizes, Scramble, ::testing::Values(2, 3, 4, 5, 8, 20));

TEST(Scramble, FirstTurnOfANewCubeIsTheFirstCandidate) {
    for (int seed = 0; seed < 50; ++seed) {
        Random rnd;
        rnd.seed(seed);
        Random expected = rnd;
        ScrambleCounters c{1, 1, 1, -1, -1, -1};
        View view;
        History h;
        scrambleStep(c, view, h, rnd, 3);
        for (int draw = 0; draw < 3; ++draw) expected.rnd();  // face, edge, layer
        EXPECT_EQ(rnd.rnd(), expected.rnd());
        EXPECT_EQ(c.repeatcount, 0);
        EXPECT_EQ(c.lowedgecount, 0);
        EXPECT_EQ(c.highedgecount, 0);
    }
}

// After a turn from edge 1, every candidate on the same face counts that
// turn's edge once more, also when it is then thrown away.
TEST(Scramble, RejectedCandidatesStayCounted) {
    const int n = 3;
    bool countedTwice = false;
    for (int seed = 0; seed < 200; ++seed) {
        Random rnd;
        rnd.seed(seed);
        ScrambleCounters c{0, 0, 0, 1, 2, 1};
        View view;
        History h;
        const ScreenMove m = scrambleStep(c, view, h, rnd, n);
        if (view.face != 1) {
            EXPECT_EQ(c.lowedgecount, 0);
            continue;
        }
        EXPECT_EQ(m.clickrow, n) << "the pair goes opposite ways";
        EXPECT_NE(m.clickcol, 2) << "another layer";
        EXPECT_EQ(c.highedgecount, 1);
        EXPECT_EQ(c.repeatcount, 1);
        EXPECT_GE(c.lowedgecount, 1);
        countedTwice = countedTwice || c.lowedgecount > 1;
    }
    EXPECT_TRUE(countedTwice);
}

}  // namespace
}  // namespace vx
