// Screen moves and the history's absolute form, in all 24 views.
#include <gtest/gtest.h>

#include "helpers.h"
#include "history/convert.h"
#include "history/record.h"
#include "support/labelled_cube.h"

namespace vx {
namespace {

using test::allViews;
using test::canonicalMove;
using test::canonicalView;
using test::edgeMoves;
using test::someLines;

class Conversion : public ::testing::TestWithParam<int> {};

TEST_P(Conversion, EveryEdgeMoveComesBackFromItsEntryInEveryView) {
    const int n = GetParam();
    for (View view : allViews())
        for (const ScreenMove& m : edgeMoves(n, someLines(n))) {
            const HistEntry e = toAbsolute(view, m, n);
            ASSERT_TRUE(validEntry(e, n)) << "view " << view.face << "," << view.turn;
            // A click never turns layers that lie parallel to the screen.
            ASSERT_FALSE(parallelToScreen(view, e.axis));
            const std::optional<ScreenMove> back = toScreen(view, e, n);
            ASSERT_TRUE(back.has_value());
            EXPECT_EQ(*back, m) << "view " << view.face << "," << view.turn << " kind " << m.turnkind
                                << " at " << m.clickcol << "," << m.clickrow << " n " << n;
        }
}

TEST_P(Conversion, EveryEntryComesBackFromItsScreenMoveUnlessParallel) {
    const int n = GetParam();
    for (View view : allViews())
        for (int axis = 1; axis <= 3; ++axis)
            for (int layer : someLines(n))
                for (int edge : {1, n}) {
                    const HistEntry e = axis == 3 ? HistEntry{axis, edge, layer} : HistEntry{axis, layer, edge};
                    const std::optional<ScreenMove> m = toScreen(view, e, n);
                    ASSERT_EQ(m.has_value(), !parallelToScreen(view, axis));
                    if (m) {
                        EXPECT_EQ(toAbsolute(view, *m, n), e);
                    }
                }
}

// The entry means the move it names in the canonical view of its axis: the
// same physical quarter turn as the move it was made from.
TEST_P(Conversion, EntryNamesThePhysicalTurnOfTheMove) {
    const int n = GetParam();
    for (View view : allViews())
        for (const ScreenMove& m : edgeMoves(n, someLines(n))) {
            const HistEntry e = toAbsolute(view, m, n);
            EXPECT_EQ(physicalMove(canonicalView(e.axis), canonicalMove(e), n), physicalMove(view, m, n))
                << "view " << view.face << "," << view.turn << " kind " << m.turnkind << " at " << m.clickcol
                << "," << m.clickrow;
        }
}

// Making a move and then the recorded entry's turn, from whichever view can
// turn it, gives back every square.
TEST_P(Conversion, RecordedEntryUndoesTheMoveFromAnyView) {
    const int n = GetParam();
    const std::vector<int> lines = n <= 4 ? someLines(n) : std::vector<int>{1, 2, n};
    for (View view : allViews())
        for (const ScreenMove& m : edgeMoves(n, lines)) {
            test::LabelledCube turned(n);
            ASSERT_NE(turned.layerTurn(view, m), 0);
            const HistEntry undo = inverseEntry(toAbsolute(view, m, n), n);
            for (View from : allViews()) {
                const std::optional<ScreenMove> u = toScreen(from, undo, n);
                if (!u) continue;
                test::LabelledCube cube = turned;
                cube.layerTurn(from, *u);
                ASSERT_TRUE(cube.unchanged()) << "made in " << view.face << "," << view.turn << " undone in "
                                              << from.face << "," << from.turn;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(Sizes, Conversion, ::testing::Values(2, 3, 4, 20));

TEST(Conversion, WorkedExamples) {
    const int n = 5;
    for (int c : {1, 3, 5})
        for (int r : {1, 5}) EXPECT_EQ(toAbsolute({1, 1}, {1, c, r}, n), (HistEntry{1, c, r}));
    for (int c : {1, 5})
        for (int r : {1, 2, 4}) {
            // View (2, 1), a row turn: axis 2 at (r, N+1-c).
            EXPECT_EQ(toAbsolute({2, 1}, {2, c, r}, n), (HistEntry{2, r, n + 1 - c}));
            // View (4, 2), a row turn on screen is a column turn of the grid.
            EXPECT_EQ(toAbsolute({4, 2}, {2, c, r}, n), (HistEntry{1, r, n + 1 - c}));
        }
}

TEST(Conversion, SameEntryFromUpsideDownFrontFace) {
    for (int n : {2, 3, 7}) {
        for (int c = 1; c <= n; ++c)
            for (int r : {1, n})
                EXPECT_EQ(toAbsolute({3, 3}, {1, c, r}, n), toAbsolute({1, 1}, {1, n + 1 - c, n + 1 - r}, n));
    }
}

TEST(Conversion, NoEntryForWhatIsNoTurn) {
    const HistEntry none{-1, -1, -1};
    const int n = 3;
    EXPECT_EQ(toAbsolute({1, 1}, {0, 1, 1}, n), none);   // neither column nor row
    EXPECT_EQ(toAbsolute({1, 1}, {3, 1, 1}, n), none);
    EXPECT_EQ(toAbsolute({0, 1}, {1, 1, 1}, n), none);   // no view
    EXPECT_EQ(toAbsolute({1, -1}, {1, 1, 1}, n), none);
    EXPECT_EQ(toAbsolute({1, 1}, {1, 2, 2}, n), none);   // inner square
    EXPECT_EQ(toAbsolute({1, 1}, {2, 2, 1}, n), none);
    EXPECT_EQ(toAbsolute({1, 1}, {1, 4, 1}, n), none);   // off the face
    EXPECT_EQ(toAbsolute({1, 1}, {1, 0, 3}, n), none);
    EXPECT_FALSE(toScreen({1, 1}, {0, 1, 1}, n));
    EXPECT_FALSE(toScreen({1, 1}, {4, 1, 1}, n));
    EXPECT_FALSE(toScreen({7, 1}, {1, 1, 1}, n));
}

}  // namespace
}  // namespace vx
