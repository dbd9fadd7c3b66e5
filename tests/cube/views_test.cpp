// The view table and the arrow table checked against the geometry of the cube:
// which face lies where, and which way its grid runs on the screen.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "cube/space.h"
#include "cube/view.h"

namespace vx {
namespace {

std::vector<View> allViews() {
    std::vector<View> views;
    for (int f = 1; f <= 6; ++f)
        for (int t = 1; t <= 4; ++t) views.push_back({f, t});
    return views;
}

TEST(ViewTable, TopAndRightFacesLieAboveAndRightOfTheFront) {
    for (View v : allViews()) {
        const ScreenFrame front = screenFrame(v);
        const SideFaces sides = sideFaces(v);
        SCOPED_TRACE(testing::Message() << "view (" << v.face << ", " << v.turn << ")");
        // The top face: its outward direction is screen-up; its columns run
        // to the right and its rows from the back towards the player.
        const ScreenFrame top = screenFrame(sides.top);
        EXPECT_EQ(top.out, -front.down);
        EXPECT_EQ(top.right, front.right);
        EXPECT_EQ(top.down, front.out);
        // The right face: its columns run from the front edge into the depth,
        // its rows downwards.
        const ScreenFrame right = screenFrame(sides.right);
        EXPECT_EQ(right.out, front.right);
        EXPECT_EQ(right.right, -front.out);
        EXPECT_EQ(right.down, front.down);
    }
}

TEST(ViewTable, ExamplesFromTheFaceNumbering) {
    EXPECT_EQ(sideFaces({1, 1}).top, (View{2, 1}));
    EXPECT_EQ(sideFaces({1, 1}).right, (View{6, 1}));
    EXPECT_EQ(sideFaces({2, 1}).top, (View{3, 1}));
    EXPECT_EQ(sideFaces({2, 1}).right, (View{6, 4}));
    // View (1, 3) shows face 1 upside down: the top-left cell is square (n, n).
    EXPECT_EQ(cellToSquare(1, 1, 3, 5), (Square{5, 5}));
}

TEST(CellMapping, SquareToCellUndoesCellToSquareAndTurnsClockwise) {
    for (int n : {2, 3, 20})
        for (int o = 1; o <= 4; ++o)
            for (int c = 1; c <= n; ++c)
                for (int r = 1; r <= n; ++r) {
                    const Square s = cellToSquare(c, r, o, n);
                    EXPECT_EQ(squareToCell(s.a, s.b, o, n), (Square{c, r}));
                }
    // Square (1, 1) sits top-left in orientation 1 and top-right in 2.
    EXPECT_EQ(squareToCell(1, 1, 1, 4), (Square{1, 1}));
    EXPECT_EQ(squareToCell(1, 1, 2, 4), (Square{4, 1}));
}

struct ArrowCase {
    Arrow key;
    const char* name;
};

class ArrowTable : public testing::TestWithParam<ArrowCase> {};

// An arrow key turns the whole cube a quarter turn about a screen axis so that
// the face on that side comes to the front.
TEST_P(ArrowTable, BringsTheFaceOnThatSideToTheFront) {
    const Arrow key = GetParam().key;
    std::set<std::pair<int, int>> images;
    for (View v : allViews()) {
        const ScreenFrame f = screenFrame(v);
        const View w = arrowTurn(v, key);
        const ScreenFrame g = screenFrame(w);
        SCOPED_TRACE(testing::Message() << "view (" << v.face << ", " << v.turn << ")");
        switch (key) {
        case Arrow::Left:  // the right face comes to the front
            EXPECT_EQ(g.out, f.right);
            EXPECT_EQ(g.down, f.down);
            break;
        case Arrow::Right:  // the left face
            EXPECT_EQ(g.out, -f.right);
            EXPECT_EQ(g.down, f.down);
            break;
        case Arrow::Up:  // the bottom face
            EXPECT_EQ(g.out, f.down);
            EXPECT_EQ(g.right, f.right);
            break;
        case Arrow::Down:  // the top face
            EXPECT_EQ(g.out, -f.down);
            EXPECT_EQ(g.right, f.right);
            break;
        }
        images.insert({w.face, w.turn});
    }
    EXPECT_EQ(images.size(), 24u) << "each key permutes the 24 views";
}

INSTANTIATE_TEST_SUITE_P(Keys, ArrowTable,
                         testing::Values(ArrowCase{Arrow::Left, "left"}, ArrowCase{Arrow::Up, "up"},
                                         ArrowCase{Arrow::Right, "right"}, ArrowCase{Arrow::Down, "down"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArrowTable, OppositeKeysUndoEachOtherAndFourPressesComeBack) {
    for (View v : allViews()) {
        EXPECT_EQ(arrowTurn(arrowTurn(v, Arrow::Up), Arrow::Down), v);
        EXPECT_EQ(arrowTurn(arrowTurn(v, Arrow::Left), Arrow::Right), v);
        EXPECT_EQ(keyT(keyR(v)), v);
        for (Arrow key : {Arrow::Left, Arrow::Up, Arrow::Right, Arrow::Down}) {
            View w = v;
            for (int i = 0; i < 4; ++i) w = arrowTurn(w, key);
            EXPECT_EQ(w, v);
        }
        View w = v;
        for (int i = 0; i < 4; ++i) w = keyT(w);
        EXPECT_EQ(w, v);
    }
    // Left arrow from the reference view: face 6 in front, face 2 stays on top.
    EXPECT_EQ(arrowTurn({1, 1}, Arrow::Left), (View{6, 1}));
    EXPECT_EQ(sideFaces({6, 1}).top.face, 2);
}

TEST(KeysRAndT, TurnThePictureAboutTheLineOfSight) {
    EXPECT_EQ(keyR({3, 1}), (View{3, 4}));
    EXPECT_EQ(keyT({3, 4}), (View{3, 1}));
    for (View v : allViews()) {
        const ScreenFrame f = screenFrame(v);
        const ScreenFrame g = screenFrame(keyT(v));  // clockwise
        EXPECT_EQ(g.out, f.out);
        EXPECT_EQ(g.right, -f.down);
        EXPECT_EQ(g.down, f.right);
    }
}

}  // namespace
}  // namespace vx
