// One turn, three forms: a click on the screen, the history's entry and the
// physical turn. The conversions are held to the cube itself: a click made
// again from the entry, in any view, turns the cube the same way.
#include "history/plan.h"

#include <gtest/gtest.h>

#include <vector>

#include "cube/layer_turn.h"
#include "cube/random.h"
#include "history/convert.h"
#include "support/all_views.h"
#include "support/labelled_cube.h"
#include "support/solved_cube.h"

namespace vx::test {
namespace {

// Worked out by hand on a 3-cube from the entries' own views (convert.h).
TEST(TurnForms, ClicksFromOtherViewsGiveTheEntriesOfTheirOwnLayers) {
    struct Case {
        View view;
        ScreenMove move;
        HistEntry entry;
    } cases[] = {
        {{1, 1}, {1, 2, 3}, {1, 2, 3}},  // the view of axis 1 itself
        {{2, 1}, {1, 2, 1}, {1, 2, 1}},  // the top, upright: its columns are the front's, pushed away as up
        {{1, 3}, {1, 1, 1}, {1, 3, 3}},  // the front upside down: column 1 is the right one, up is down
        {{1, 1}, {2, 3, 2}, {3, 3, 2}},  // a row of the front pushed right is the right face's row
        {{2, 1}, {2, 3, 3}, {2, 3, 1}},  // a row of the top pushed right is the left face's column pushed up
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toAbsolute(c.view, c.move, 3), c.entry) << c.view.face << "," << c.view.turn;
        EXPECT_EQ(toScreen(c.view, c.entry, 3), c.move) << c.view.face << "," << c.view.turn;
    }
}

// The entry of every click in every view, made again in every view where
// its layers can be clicked, turns the cube as the click did; where they lie
// parallel to the screen there is no click for it.
TEST(TurnForms, AnEntryTurnsTheSameLayersFromEveryView) {
    for (int n : {2, 3, 4}) {
        for (const View v : allViews())
            for (const ScreenMove m : edgeMoves(n)) {
                const HistEntry e = toAbsolute(v, m, n);
                ASSERT_TRUE(validEntry(e, n));
                LabelledCube want(n);
                want.layerTurn(v, m);
                int views = 0;
                for (const View w : allViews()) {
                    const std::optional<ScreenMove> again = toScreen(w, e, n);
                    ASSERT_EQ(again.has_value(), !parallelToScreen(w, e.axis));
                    if (!again) continue;
                    ++views;
                    LabelledCube got(n);
                    got.layerTurn(w, *again);
                    EXPECT_TRUE(got == want)
                        << "n " << n << " entry " << e.axis << e.col << e.row << " view " << w.face << w.turn;
                }
                EXPECT_EQ(views, 16) << "four of the six faces show the layers";
                ASSERT_TRUE(turnOfEntry(e, n));
                EXPECT_EQ(entryOfTurn(*turnOfEntry(e, n), n), e);
            }
        EXPECT_EQ(toAbsolute({1, 1}, {1, 1, 2}, 4), (HistEntry{-1, -1, -1})) << "a column from no edge";
    }
}

TEST(TurnForms, EntriesThatNameNoTurnHaveNone) {
    for (HistEntry e : {HistEntry{0, 1, 1}, HistEntry{4, 1, 3}, HistEntry{1, 0, 3}, HistEntry{2, 4, 3}})
        EXPECT_FALSE(turnOfEntry(e, 3));
    EXPECT_FALSE(entryOfTurn({0, 4, 1}, 3));
    EXPECT_FALSE(entryOfTurn({3, 1, 1}, 3));
}

// The scramble is undone by the plan of its inverse turns, in their order
// (the computer's replay of a history is held to the cube in play_and_solve).
TEST(Plan, AHistoryOfThePlanUndoesTheScramble) {
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
    }
}

}  // namespace
}  // namespace vx::test
