// Long random sessions: scrambles, player turns from every view, draw-mode
// clicks and the merges they cause, then the computer solves. Whatever
// happened, the cube must come back solved and the history must never grow
// longer than the turns made.
#include <gtest/gtest.h>

#include "helpers.h"
#include "history/computer_step.h"
#include "history/convert.h"
#include "history/draw_sequence.h"
#include "history/record.h"
#include "history/scrambler.h"

namespace vx {
namespace {

class Session {
public:
    Session(int n, std::uint64_t seed) : n_(n), cube_(n <= 6 ? test::uniquelyLabelled(n) : test::colouredByFace(n)) {
        rnd_.seed(static_cast<double>(seed));
        dice_.seed(static_cast<double>(seed) + 0.5);
        view_ = {dice_.upTo(6), dice_.upTo(4)};
    }

    const Cube& cube() const { return cube_; }
    int shifts() const { return shifts_; }
    int merges() const { return merges_; }

    void playAtRandom(int actions) {
        for (int i = 0; i < actions; ++i) {
            switch (dice_.upTo(10)) {
            case 1: scramble(dice_.upTo(3 * n_)); break;
            case 2:
            case 3: changeView(dice_.upTo(3)); break;
            case 4: drawClick(); break;
            default: runOfClicks(); break;
            }
        }
    }

    // The computer's steps until the history is empty; false when it does not
    // get there in one layer turn and at most one whole-cube turn per entry.
    bool solve() {
        int budget = 2 * h_.histcount;
        while (h_.histcount > 0) {
            if (budget-- == 0) return false;
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
        if (view_ != before) ++shifts_;
        if (h_.histcount <= countBefore && h_.histcount > 0) ++merges_;
        ASSERT_NE(layerTurn(cube_, view_, m, n_), 0);
        ++turnsMade_;
        ASSERT_LE(h_.histcount, turnsMade_);
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
        for (int i = 0; i < k; ++i) {
            layerTurn(cube_, view_, scrambleStep(counters_, view_, h_, rnd_, n_), n_);
            ++turnsMade_;
        }
        // The end of a scramble, as the loop does it.
        view_ = {1, 1};
        resetCounters(counters_);
    }

    void changeView(int k) {
        for (int i = 0; i < k; ++i) {
            switch (dice_.upTo(6)) {
            case 5: view_ = keyR(view_); break;
            case 6: view_ = keyT(view_); break;
            default: view_ = arrowTurn(view_, static_cast<Arrow>(36 + dice_.upTo(4))); break;
            }
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
    int shifts_ = 0;
    int merges_ = 0;
    ScreenMove last_{1, 1, 1};
};

class PlayAndSolve : public ::testing::TestWithParam<int> {};

TEST_P(PlayAndSolve, ComputerAlwaysGetsBackToASolvedCube) {
    const int n = GetParam();
    const std::vector<Cube> solvedPositions =
        n <= 6 ? test::allRigidTurns(test::uniquelyLabelled(n), n) : std::vector<Cube>{};
    int shifts = 0, merges = 0;
    const int sessions = n <= 6 ? 250 : 60;
    for (int s = 0; s < sessions; ++s) {
        Session session(n, 7919u * static_cast<std::uint64_t>(n) + static_cast<std::uint64_t>(s));
        session.playAtRandom(60);
        if (HasFatalFailure()) return;
        ASSERT_TRUE(session.solve()) << "session " << s;
        // Small cubes carry a different colour on every square: each one must
        // be back in its place, with the cube at most turned as a whole.
        if (n > 6) {
            ASSERT_TRUE(session.cube().solved(n)) << "session " << s;
        } else {
            bool found = false;
            for (const Cube& c : solvedPositions) found = found || test::sameSquares(c, session.cube(), n);
            ASSERT_TRUE(found) << "session " << s;
        }
        shifts += session.shifts();
        merges += session.merges();
    }
    // The sessions did exercise what they are meant to.
    EXPECT_GT(merges, sessions);
    EXPECT_GT(shifts, 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PlayAndSolve, ::testing::Values(2, 3, 4, 5, 6, 9, 20));

}  // namespace
}  // namespace vx
