// Long random sessions: scrambles, player turns from every view, draw-mode
// clicks and the merges they cause, then the computer solves. Whatever
// happened, the cube must come back solved and the history must never grow
// longer than the turns made.
#include <gtest/gtest.h>

#include "cube/layer_turn.h"
#include "cube/view.h"
#include "history/computer_step.h"
#include "history/convert.h"
#include "history/draw_sequence.h"
#include "history/record.h"
#include "history/scrambler.h"
#include "support/solved_cube.h"

namespace vx {
namespace {

class Session {
public:
    Session(int n, double seed) : n_(n), cube_(test::solvedCube(n, {0, 1, 2, 3, 4, 5, 6})) {
        rnd_.seed(seed);
        dice_.seed(seed + 0.5);
        view_ = {dice_.upTo(6), dice_.upTo(4)};
    }

    const Cube& cube() const { return cube_; }
    int shifts = 0, merges = 0;

    void playAtRandom(int actions) {
        for (int i = 0; i < actions; ++i) {
            const int roll = dice_.upTo(10);
            if (roll == 1)
                scramble(dice_.upTo(3 * n_));
            else if (roll <= 3)
                changeView(dice_.upTo(3));
            else if (roll == 4)
                drawClick();
            else
                runOfClicks();
        }
    }

    // The computer's steps until the history is empty; false when it does not
    // get there in one layer turn and at most one whole-cube turn per entry.
    bool solve() {
        for (int budget = 2 * h_.histcount; h_.histcount > 0; --budget) {
            if (budget == 0) return false;
            const ComputerAction a = computerStep(h_, view_, rnd_, n_);
            if (!a.wholeCube && layerTurn(cube_, view_, a.move, n_) == 0) return false;
        }
        return true;
    }

private:
    // The loop's click stage: convert in the view of the moment, record (the
    // merge may turn the cube and the view), then turn in the view as it is now.
    void click(const ScreenMove& m) {
        const View before = view_;
        const int countBefore = h_.histcount;
        recordTurn(h_, toAbsolute(view_, m, n_), {cube_, view_, rnd_, counters_, n_});
        shifts += view_ != before;
        merges += h_.histcount <= countBefore && h_.histcount > 0;
        ASSERT_NE(layerTurn(cube_, view_, m, n_), 0);
        ASSERT_LE(h_.histcount, ++turnsMade_);
        last_ = m;
    }

    // Several turns of one kind from one view: all about one axis, mostly
    // from one edge, now and then the turn that takes back the previous one.
    void runOfClicks() {
        const int kind = dice_.upTo(2);
        const int favourite = dice_.upTo(2) == 1 ? 1 : n_;
        const int length = dice_.upTo(2 * n_);
        for (int i = 0; i < length; ++i) {
            if (i > 0 && dice_.upTo(6) == 1) {
                click(last_.turnkind == 1 ? ScreenMove{1, last_.clickcol, n_ + 1 - last_.clickrow}
                                          : ScreenMove{2, n_ + 1 - last_.clickcol, last_.clickrow});
                continue;
            }
            const int edge = dice_.upTo(5) == 1 ? n_ + 1 - favourite : favourite;
            const int line = dice_.upTo(n_);
            click(kind == 1 ? ScreenMove{1, line, edge} : ScreenMove{2, edge, line});
        }
    }

    void drawClick() {
        DrawSequence seq;
        seq.start({dice_.upTo(2), dice_.upTo(n_), dice_.upTo(n_)});
        while (seq.underWay()) click(seq.next(n_));
    }

    void scramble(int k) {
        for (int i = 0; i < k; ++i, ++turnsMade_)
            layerTurn(cube_, view_, scrambleStep(counters_, view_, h_, rnd_, n_), n_);
        // The end of a scramble, as the loop does it.
        view_ = {1, 1};
        resetCounters(counters_);
    }

    void changeView(int k) {
        for (int i = 0; i < k; ++i) {
            const int roll = dice_.upTo(6);
            view_ = roll == 5   ? keyR(view_)
                    : roll == 6 ? keyT(view_)
                                : arrowTurn(view_, static_cast<Arrow>(36 + dice_.upTo(4)));
        }
    }

    int n_;
    Cube cube_;
    View view_;
    Random rnd_;   // the game's generator
    Random dice_;  // the player's whims
    ScrambleCounters counters_;
    History h_;
    int turnsMade_ = 0;
    ScreenMove last_{1, 1, 1};
};

class PlayAndSolve : public ::testing::TestWithParam<int> {};

TEST_P(PlayAndSolve, ComputerAlwaysGetsBackToASolvedCube) {
    const int n = GetParam();
    int shifts = 0, merges = 0;
    const int sessions = n <= 6 ? 250 : 60;
    for (int s = 0; s < sessions; ++s) {
        Session session(n, 7919.0 * n + s);
        session.playAtRandom(60);
        if (HasFatalFailure()) return;
        ASSERT_TRUE(session.solve()) << "session " << s;
        ASSERT_TRUE(session.cube().solved(n)) << "session " << s;
        shifts += session.shifts;
        merges += session.merges;
    }
    // The sessions did exercise what they are meant to.
    EXPECT_GT(merges, sessions);
    EXPECT_GT(shifts, 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PlayAndSolve, ::testing::Values(2, 3, 4, 5, 6, 9, 20));

}  // namespace
}  // namespace vx
