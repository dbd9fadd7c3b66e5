// Draw mode's four turns through the clicked square.
#include <gtest/gtest.h>

#include "helpers.h"
#include "history/computer_step.h"
#include "history/convert.h"
#include "history/draw_sequence.h"
#include "history/record.h"

namespace vx {
namespace {

TEST(DrawSequence, StepsGoThroughTheClickedSquareAndBack) {
    const int n = 5;
    struct Case {
        int kind;
        std::array<ScreenMove, 4> steps;
    };
    // Clicked square (2, 4).
    const Case cases[] = {
        {1, {{{1, 2, 1}, {2, n, 4}, {1, 2, n}, {2, 1, 4}}}},
        {2, {{{2, 1, 4}, {1, 2, n}, {2, n, 4}, {1, 2, 1}}}},
    };
    for (const Case& c : cases) {
        DrawSequence seq;
        EXPECT_FALSE(seq.underWay());
        seq.start({c.kind, 2, 4});
        for (int s = 1; s <= 4; ++s) {
            ASSERT_TRUE(seq.underWay());
            EXPECT_EQ(seq.counter(), s);
            EXPECT_EQ(seq.next(n), c.steps[static_cast<std::size_t>(s - 1)]) << "kind " << c.kind << " step " << s;
        }
        EXPECT_FALSE(seq.underWay());
        EXPECT_EQ(seq.counter(), 0);
        EXPECT_EQ(seq.next(n).turnkind, 0);
    }
}

TEST(DrawSequence, ClickWhileUnderWayOrWithAnotherButtonIsIgnored) {
    DrawSequence seq;
    seq.start({3, 1, 1});
    EXPECT_FALSE(seq.underWay());
    seq.start({1, 2, 2});
    seq.next(3);
    seq.start({2, 3, 3});
    EXPECT_EQ(seq.counter(), 2);
    EXPECT_EQ(seq.next(3), (ScreenMove{2, 3, 2}));
}

// Each step is recorded like a click; a second click on the same square
// makes four more entries, and the computer undoes all eight.
TEST(DrawSequence, EveryStepIsRecordedAndUndoable) {
    for (int n : {2, 3, 6})
        for (View start : test::allViews())
            for (int kind : {1, 2}) {
                Cube cube = test::colouredByFace(n);
                View view = start;
                Random rnd;
                ScrambleCounters counters;
                History h;
                const MergeContext ctx{cube, view, rnd, counters, n};
                DrawSequence seq;
                const ScreenMove click{kind, n / 2 + 1, (n + 1) / 2};  // a middle square
                for (int round = 1; round <= 2; ++round) {
                    seq.start(click);
                    while (seq.underWay()) {
                        const ScreenMove m = seq.next(n);
                        recordTurn(h, toAbsolute(view, m, n), ctx);
                        layerTurn(cube, view, m, n);
                    }
                    EXPECT_EQ(h.histcount, 4 * round);
                }
                while (h.histcount > 0) {
                    const ComputerAction a = computerStep(h, view, rnd, n);
                    if (!a.wholeCube) layerTurn(cube, view, a.move, n);
                }
                EXPECT_TRUE(cube.solved(n));
            }
}

}  // namespace
}  // namespace vx
