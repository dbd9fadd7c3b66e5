// A plan of physical turns becomes a history that the computer's own replay
// carries out, from whichever view it stands in.
#include <gtest/gtest.h>

#include <vector>

#include "cube/layer_turn.h"
#include "cube/random.h"
#include "history/computer_step.h"
#include "history/plan.h"
#include "support/solved_cube.h"

namespace vx::test {
namespace {

TEST(Plan, EveryLayerTurnHasOneEntryAndBack) {
    for (int n : {2, 3, 4, 7, 20})
        for (int axis = 0; axis < 3; ++axis)
            for (int layer = 1; layer <= n; ++layer)
                for (int quarter : {1, -1}) {
                    const PhysicalMove m{axis, layer, quarter};
                    const auto e = entryOfTurn(m, n);
                    ASSERT_TRUE(e) << n << " " << axis << " " << layer << " " << quarter;
                    EXPECT_TRUE(validEntry(*e, n));
                    EXPECT_EQ(turnOfEntry(*e, n), m);
                }
}

TEST(Plan, EntriesThatNameNoTurnHaveNone) {
    for (HistEntry e : {HistEntry{0, 1, 1}, HistEntry{4, 1, 3}, HistEntry{1, 0, 3}, HistEntry{2, 4, 3}})
        EXPECT_FALSE(turnOfEntry(e, 3));
    EXPECT_FALSE(entryOfTurn({0, 4, 1}, 3));
    EXPECT_FALSE(entryOfTurn({3, 1, 1}, 3));
}

// The scramble is undone by the plan of its inverse turns, whether the
// history is replayed directly or by the computer, one step at a time, from
// a random view.
TEST(Plan, ComputerReplayCarriesOutThePlanInOrder) {
    Random rnd;
    for (int n : {2, 3, 6}) {
        Cube cube = solvedCube(n, {0, 1, 2, 3, 4, 5, 6});
        std::vector<PhysicalMove> plan;
        for (int i = 0; i < 40; ++i) {
            const PhysicalMove m{rnd.upTo(3) - 1, rnd.upTo(n), rnd.upTo(2) == 1 ? 1 : -1};
            cube.turn(m, n);
            plan.insert(plan.begin(), PhysicalMove{m.axis, m.layer, -m.quarter});
        }

        std::optional<History> h = historyOfPlan(plan, n);
        ASSERT_TRUE(h);
        EXPECT_EQ(h->histcount, 40);
        EXPECT_TRUE(historySolves(cube, *h, n));
        EXPECT_FALSE(cube.solved(n)) << "historySolves must not change the cube";

        // A plan whose order is reversed does not solve the cube.
        std::vector<PhysicalMove> reversed(plan.rbegin(), plan.rend());
        EXPECT_FALSE(historySolves(cube, *historyOfPlan(reversed, n), n));

        View view{rnd.upTo(6), rnd.upTo(4)};
        for (int step = 0; step < 1000 && h->histcount > 0; ++step) {
            const ComputerAction a = computerStep(*h, view, rnd, n);
            if (!a.wholeCube) layerTurn(cube, view, a.move, n);
        }
        EXPECT_EQ(h->histcount, 0);
        EXPECT_TRUE(cube.solved(n));
    }
}

}  // namespace
}  // namespace vx::test
