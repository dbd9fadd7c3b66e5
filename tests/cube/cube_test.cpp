// Layer turns, views and the snapshot, checked against the definitions of the
// moves and the geometry of the cube rather than against the code's tables.
#include <gtest/gtest.h>

#include <vector>

#include "cube/coloring.h"
#include "cube/space.h"
#include "support/all_views.h"
#include "support/labelled_cube.h"

namespace vx::test {
namespace {

enum class Kind { ColumnUp, ColumnDown, RowRight, RowLeft };

// The square each square (a, b, f) takes its colour from after the move
// `kind` on line `k` seen in view (1, 1): the assignments that define a turn.
Origin expectedSource(Kind kind, int k, int n, int a, int b, int f) {
    const int m = n + 1;
    switch (kind) {
    case Kind::ColumnUp:
        if (a == k && f >= 1 && f <= 4) return {a, b, f == 1 ? 4 : f - 1};
        if (k == 1 && f == 5) return {m - b, a, 5};
        if (k == n && f == 6) return {b, m - a, 6};
        break;
    case Kind::ColumnDown:
        if (a == k && f >= 1 && f <= 4) return {a, b, f == 4 ? 1 : f + 1};
        if (k == 1 && f == 5) return {b, m - a, 5};
        if (k == n && f == 6) return {m - b, a, 6};
        break;
    case Kind::RowRight:
        if (f == 6 && b == k) return {a, b, 1};
        if (f == 3 && b == m - k) return {m - a, m - b, 6};
        if (f == 5 && b == k) return {m - a, m - b, 3};
        if (f == 1 && b == k) return {a, b, 5};
        if (k == 1 && f == 2) return {m - b, a, 2};
        if (k == n && f == 4) return {b, m - a, 4};
        break;
    case Kind::RowLeft:
        if (f == 5 && b == k) return {a, b, 1};
        if (f == 3 && b == m - k) return {m - a, m - b, 5};
        if (f == 6 && b == k) return {m - a, m - b, 3};
        if (f == 1 && b == k) return {a, b, 6};
        if (k == 1 && f == 2) return {b, m - a, 2};
        if (k == n && f == 4) return {m - b, a, 4};
        break;
    }
    return {a, b, f};
}

class Turns : public testing::TestWithParam<int> {};

TEST_P(Turns, FromTheReferenceViewEveryLayerMatchesTheAssignments) {
    const int n = GetParam();
    for (Kind kind : {Kind::ColumnUp, Kind::ColumnDown, Kind::RowRight, Kind::RowLeft})
        for (int k = 1; k <= n; ++k) {
            const ScreenMove moves[] = {{1, k, 1}, {1, k, n}, {2, n, k}, {2, 1, k}};
            LabelledCube cube(n);
            const bool first = kind == Kind::ColumnUp || kind == Kind::RowRight;
            EXPECT_EQ(cube.layerTurn({1, 1}, moves[static_cast<int>(kind)]), first ? 1 : 2);
            for (int f = 1; f <= 6; ++f)
                for (int b = 1; b <= n; ++b)
                    for (int a = 1; a <= n; ++a)
                        ASSERT_EQ(cube.origin(a, b, f), expectedSource(kind, k, n, a, b, f))
                            << "kind " << static_cast<int>(kind) << " line " << k << " square (" << a << ", " << b
                            << ", " << f << ")";
        }
}

// Turning the cube about a screen axis keeps the layers across that axis where
// they are on the screen; `t` turns the picture clockwise. So a screen move
// means the same physical turn in every view, which carries the reference
// view's correctness to all 24.
TEST_P(Turns, EveryViewAgreesWithItsNeighboursAndFourTurnsComeBack) {
    const int n = GetParam();
    const auto after = [n](View v, const ScreenMove& m) {
        LabelledCube cube(n);
        EXPECT_NE(cube.layerTurn(v, m), 0);
        return cube;
    };
    for (View v : allViews())
        for (const ScreenMove& m : edgeMoves(n)) {
            SCOPED_TRACE(testing::Message() << "view (" << v.face << ", " << v.turn << ") move " << m.turnkind
                                            << " at (" << m.clickcol << ", " << m.clickrow << ")");
            const LabelledCube before = after(v, m);
            const auto keys =
                m.turnkind == 2 ? std::array{Arrow::Left, Arrow::Right} : std::array{Arrow::Up, Arrow::Down};
            for (Arrow key : keys) EXPECT_TRUE(after(arrowTurn(v, key), m) == before);
            const ScreenMove turned = m.turnkind == 1 ? ScreenMove{2, m.clickrow == 1 ? n : 1, m.clickcol}
                                                      : ScreenMove{1, n + 1 - m.clickrow, m.clickcol == n ? n : 1};
            EXPECT_TRUE(after(keyT(v), turned) == before);

            LabelledCube cube(n);
            for (int i = 0; i < 4; ++i) cube.layerTurn(v, m);
            EXPECT_TRUE(cube.unchanged());
        }
}

INSTANTIATE_TEST_SUITE_P(Sizes, Turns, testing::Values(2, 3, 5, 20));

// Each view's frame follows from its neighbour's: the top and right faces lie
// above and right of the front, an arrow brings the face on the other side to
// the front, t turns the picture clockwise and r back.
TEST(Views, SideFacesAndKeysTurnTheFrameAsTheyShould) {
    for (View v : allViews()) {
        const ScreenFrame f = screenFrame(v);
        const std::pair<View, ScreenFrame> cases[] = {
            {sideFaces(v).top, {f.right, f.out, -f.down}},
            {sideFaces(v).right, {-f.out, f.down, f.right}},
            {arrowTurn(v, Arrow::Left), {-f.out, f.down, f.right}},
            {arrowTurn(v, Arrow::Right), {f.out, f.down, -f.right}},
            {arrowTurn(v, Arrow::Up), {f.right, -f.out, f.down}},
            {arrowTurn(v, Arrow::Down), {f.right, f.out, -f.down}},
            {keyT(v), {-f.down, f.right, f.out}},
        };
        for (std::size_t k = 0; k < std::size(cases); ++k) {
            const ScreenFrame got = screenFrame(cases[k].first), want = cases[k].second;
            EXPECT_TRUE(got.right == want.right && got.down == want.down && got.out == want.out)
                << "view (" << v.face << ", " << v.turn << ") case " << k;
        }
        EXPECT_EQ(keyR(keyT(v)), v);
    }
}

// One square of another colour spoils the solve and tells the two cubes apart.
TEST(Solved, OnlyWhenEveryFaceIsOfOneColour) {
    for (int n : {2, 3, 20}) {
        Random rnd;
        Cube cube;
        std::array<int, 7> used{};
        colourNewCube(cube, n, kDefaultFaceColors, used, rnd);
        EXPECT_TRUE(cube.solved(n));
        EXPECT_TRUE(cube.sameSquares(Cube(cube), n));
        for (int f = 1; f <= 6; ++f) {
            Cube spoilt = cube;
            spoilt.setSquarecolor(n, n, f, used[static_cast<std::size_t>(f % 6 + 1)]);
            EXPECT_FALSE(spoilt.solved(n)) << "face " << f << " n " << n;
            EXPECT_FALSE(spoilt.sameSquares(cube, n)) << "face " << f << " n " << n;
        }
    }
}

}  // namespace
}  // namespace vx::test
