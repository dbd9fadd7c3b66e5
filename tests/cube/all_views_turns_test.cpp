// The same physical turn from all 24 views: a screen move made after a whole-
// cube turn must move the squares the corresponding move moved before it.
#include <gtest/gtest.h>

#include <vector>

#include "cube/layer_turn.h"
#include "support/labelled_cube.h"

namespace vx {
namespace {

using test::LabelledCube;

std::vector<View> allViews() {
    std::vector<View> views;
    for (int f = 1; f <= 6; ++f)
        for (int t = 1; t <= 4; ++t) views.push_back({f, t});
    return views;
}

// Every screen move a player can make: columns from rows 1 and n, rows from
// columns 1 and n.
std::vector<ScreenMove> edgeMoves(int n) {
    std::vector<ScreenMove> moves;
    for (int k = 1; k <= n; ++k) {
        moves.push_back({1, k, 1});
        moves.push_back({1, k, n});
        moves.push_back({2, 1, k});
        moves.push_back({2, n, k});
    }
    return moves;
}

LabelledCube afterMove(int n, View v, const ScreenMove& m) {
    LabelledCube cube(n);
    EXPECT_NE(cube.layerTurn(v, m), 0);
    return cube;
}

class AllViews : public testing::TestWithParam<int> {};

// Turning the cube about a screen axis keeps the layers across that axis where
// they are on the screen: rows for left/right, columns for up/down; `t` turns
// columns into rows.
TEST_P(AllViews, ArrowKeysAndTKeepTheMeaningOfScreenMoves) {
    const int n = GetParam();
    for (View v : allViews()) {
        for (const ScreenMove& m : edgeMoves(n)) {
            const LabelledCube before = afterMove(n, v, m);
            SCOPED_TRACE(testing::Message() << "view (" << v.face << ", " << v.turn << ") move " << m.turnkind
                                            << " at (" << m.clickcol << ", " << m.clickrow << ")");
            if (m.turnkind == 2) {
                EXPECT_TRUE(afterMove(n, arrowTurn(v, Arrow::Left), m) == before);
                EXPECT_TRUE(afterMove(n, arrowTurn(v, Arrow::Right), m) == before);
            } else {
                EXPECT_TRUE(afterMove(n, arrowTurn(v, Arrow::Up), m) == before);
                EXPECT_TRUE(afterMove(n, arrowTurn(v, Arrow::Down), m) == before);
            }
            // The picture turned clockwise: column c becomes row c, up becomes
            // right; row r becomes column n + 1 - r, right becomes down.
            const ScreenMove turned = m.turnkind == 1
                                          ? ScreenMove{2, m.clickrow == 1 ? n : 1, m.clickcol}
                                          : ScreenMove{1, n + 1 - m.clickrow, m.clickcol == n ? n : 1};
            EXPECT_TRUE(afterMove(n, keyT(v), turned) == before);
        }
    }
}

TEST_P(AllViews, FourEqualTurnsAndOppositeEdgesGiveBackTheStart) {
    const int n = GetParam();
    for (View v : allViews()) {
        for (const ScreenMove& m : edgeMoves(n)) {
            LabelledCube cube(n);
            for (int i = 0; i < 4; ++i) cube.layerTurn(v, m);
            EXPECT_TRUE(cube.unchanged());

            ScreenMove back = m;
            if (m.turnkind == 1) {
                back.clickrow = m.clickrow == 1 ? n : 1;
            } else {
                back.clickcol = m.clickcol == 1 ? n : 1;
            }
            cube.layerTurn(v, m);
            cube.layerTurn(v, back);
            EXPECT_TRUE(cube.unchanged());
        }
    }
}

TEST_P(AllViews, InnerTurnsMoveFourRowsOuterTurnsAlsoTheirEndFace) {
    const int n = GetParam();
    for (View v : allViews()) {
        for (const ScreenMove& m : edgeMoves(n)) {
            LabelledCube cube(n);
            cube.layerTurn(v, m);
            const int line = m.turnkind == 1 ? m.clickcol : m.clickrow;
            const bool outer = line == 1 || line == n;
            const int endFace = outer ? n * n - (n % 2) : 0;  // an odd face keeps its centre
            EXPECT_EQ(cube.movedCount(), 4 * n + endFace);
        }
    }
}

TEST(AllViews, MovesOffTheEdgeAndOtherButtonsTurnNothing) {
    LabelledCube cube(3);
    EXPECT_EQ(cube.layerTurn({1, 1}, {1, 2, 2}), 0);  // a column from the middle row
    EXPECT_EQ(cube.layerTurn({1, 1}, {2, 2, 1}), 0);  // a row from the middle column
    EXPECT_EQ(cube.layerTurn({1, 1}, {3, 1, 1}), 0);  // neither kind
    EXPECT_EQ(cube.layerTurn({1, 1}, {1, 4, 1}), 0);  // outside the face
    EXPECT_EQ(cube.layerTurn({0, 1}, {1, 1, 1}), 0);  // no view
    EXPECT_TRUE(cube.unchanged());
}

TEST(AllViews, ViewFiveOneColumnFromTheTopRightCorner) {
    const int n = 4;
    LabelledCube cube(n);
    EXPECT_EQ(cube.layerTurn({5, 1}, {1, n, 1}), 1);
    for (int b = 1; b <= n; ++b)
        for (int a = 1; a <= n; ++a) {
            // Face 2 (the top of that view) takes face 5's column a = n ...
            if (b == n) {
                EXPECT_EQ(cube.origin(a, b, 2), (test::Origin{b, n + 1 - a, 5}));
            }
            // ... and face 1, the right face there, turns in place.
            EXPECT_EQ(cube.origin(a, b, 1), (test::Origin{b, n + 1 - a, 1}));
        }
}

TEST(CornerClicks, ColumnGoesUpRowGoesLeftFromTheTopLeftSquare) {
    const int n = 3;
    LabelledCube column(n);
    EXPECT_EQ(column.layerTurn({1, 1}, {1, 1, 1}), 1);
    EXPECT_EQ(column.origin(1, 1, 2), (test::Origin{1, 1, 1}));  // to the back edge of the top
    EXPECT_EQ(column.origin(1, n, 2), (test::Origin{1, n, 1}));  // to its front edge
    EXPECT_EQ(column.origin(1, 1, 5), (test::Origin{n, 1, 5}));
    LabelledCube row(n);
    EXPECT_EQ(row.layerTurn({1, 1}, {2, 1, 1}), 2);
    EXPECT_EQ(row.origin(1, 1, 5), (test::Origin{1, 1, 1}));  // row 1 went left onto face 5
}

INSTANTIATE_TEST_SUITE_P(Sizes, AllViews, testing::Values(2, 3, 4, 5, 20));

}  // namespace
}  // namespace vx
