// The computer's solving step: layer turns from the history, whole-cube turns
// where a layer lies flat on the screen.
#include <gtest/gtest.h>

#include <set>

#include "helpers.h"
#include "history/computer_step.h"
#include "history/convert.h"
#include "history/scrambler.h"

namespace vx {
namespace {

TEST(ComputerStep, ParallelLayerFirstTurnsTheWholeCubeThenTheLayer) {
    const int n = 3;
    std::set<int> keys;
    for (View view : test::allViews())
        for (int axis = 1; axis <= 3; ++axis) {
            if (!parallelToScreen(view, axis)) continue;
            History h;
            const HistEntry e = test::quarterEntry(axis, 1, 1, n);
            h.push(e);
            Random rnd;
            rnd.seed(view.face * 10 + view.turn);
            View now = view;
            const ComputerAction first = computerStep(h, now, rnd, n);
            EXPECT_TRUE(first.wholeCube);
            ASSERT_GE(first.solverkey, 37);
            ASSERT_LE(first.solverkey, 40);
            keys.insert(first.solverkey);
            EXPECT_EQ(now, arrowTurn(view, static_cast<Arrow>(first.solverkey)));
            EXPECT_EQ(h.histcount, 1);

            const View turned = now;
            const ComputerAction second = computerStep(h, now, rnd, n);
            EXPECT_FALSE(second.wholeCube);
            EXPECT_EQ(second.solverkey, 0);
            EXPECT_EQ(now, turned);
            EXPECT_EQ(h.histcount, 0);
            EXPECT_EQ(physicalMove(now, second.move, n), physicalMove(test::canonicalView(axis), test::canonicalMove(e), n));
        }
    EXPECT_EQ(keys.size(), 4u);
}

TEST(ComputerStep, EmptyHistoryDoesNothing) {
    History h;
    View view{2, 3};
    Random rnd;
    Random before = rnd;
    const ComputerAction a = computerStep(h, view, rnd, 3);
    EXPECT_FALSE(a.wholeCube);
    EXPECT_EQ(a.move.turnkind, 0);
    EXPECT_EQ(view, (View{2, 3}));
    EXPECT_EQ(rnd.rnd(), before.rnd());
}

// A damaged history still runs out: entries that name no turn are dropped.
TEST(ComputerStep, EntriesThatAreNoTurnArePoppedWithoutATurn) {
    const int n = 3;
    History h;
    h.push({0, 1, 1});
    h.push({9, 2, 2});
    h.push({-1, -1, -1});
    View view{1, 1};
    Random rnd;
    for (int left = 2; left >= 0; --left) {
        const ComputerAction a = computerStep(h, view, rnd, n);
        EXPECT_FALSE(a.wholeCube);
        EXPECT_EQ(a.move.turnkind, 0);
        EXPECT_EQ(h.histcount, left);
    }
}

class ComputerSolves : public ::testing::TestWithParam<int> {};

TEST_P(ComputerSolves, ScrambleOfKTurnsIsUndoneInKLayerTurns) {
    const int n = GetParam();
    for (int k : {0, 1, 2, 7, 60}) {
        Random rnd;
        rnd.seed(100.0 * n + k);
        Cube cube = test::colouredByFace(n);
        ScrambleCounters c;
        View view{2, 2};
        History h;
        for (int i = 0; i < k; ++i) layerTurn(cube, view, scrambleStep(c, view, h, rnd, n), n);
        view = {1, 1};
        ASSERT_EQ(h.histcount, k);

        int layerTurns = 0, wholeTurns = 0;
        while (h.histcount > 0 && layerTurns + wholeTurns < 2 * k) {
            const ComputerAction a = computerStep(h, view, rnd, n);
            if (a.wholeCube) {
                ++wholeTurns;
            } else {
                ++layerTurns;
                EXPECT_NE(layerTurn(cube, view, a.move, n), 0);
            }
        }
        EXPECT_EQ(h.histcount, 0);
        EXPECT_EQ(layerTurns, k);
        EXPECT_LE(wholeTurns, k);
        EXPECT_TRUE(cube.solved(n));
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ComputerSolves, ::testing::Values(2, 3, 4, 5, 6, 20));

}  // namespace
}  // namespace vx
