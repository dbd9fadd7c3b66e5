// The cursor's arrow over a square is the way a click there turns its layer.
#include "shell/turn_cursor.h"

#include <gtest/gtest.h>

#include "render/geometry.h"

namespace vx::test {
namespace {

// The middle of front cell (c, r) of a geometry.
std::pair<float, float> middle(const Geometry& g, int c, int r) {
    return {g.cubeleft + (c - 0.5f) * g.squarewidth, g.cubetop + (r - 0.5f) * g.squareheight};
}

TEST(TurnCursor, ShowsTheTurnOfTheSquareUnderIt) {
    const struct {
        int n, c, r;
        bool drawmode;
        TurnCursor shown;
    } cases[] = {
        {3, 2, 1, false, TurnCursor::Up},       {3, 2, 3, false, TurnCursor::Down},
        {3, 1, 2, false, TurnCursor::Left},     {3, 3, 2, false, TurnCursor::Right},
        {3, 1, 1, false, TurnCursor::UpLeft},   {3, 3, 1, false, TurnCursor::UpRight},
        {3, 1, 3, false, TurnCursor::DownLeft}, {3, 3, 3, false, TurnCursor::DownRight},
        {3, 2, 2, false, TurnCursor::None},     {5, 3, 4, false, TurnCursor::None},
        {5, 4, 5, false, TurnCursor::Down},     {20, 20, 7, false, TurnCursor::Right},
        {2, 2, 1, false, TurnCursor::UpRight},  {3, 2, 2, true, TurnCursor::UpLeft},
        {5, 5, 5, true, TurnCursor::UpLeft},
    };
    for (const auto& t : cases) {
        Geometry g;
        setUpGeometry(g, t.n, 800, 560);
        const auto [x, y] = middle(g, t.c, t.r);
        EXPECT_EQ(turnCursor(g, t.n, x, y, t.drawmode), t.shown) << t.n << ": " << t.c << ", " << t.r;
    }
    Geometry g;
    setUpGeometry(g, 3, 800, 560);
    // On a grid line, and off the cube: nothing turns.
    EXPECT_EQ(turnCursor(g, 3, static_cast<float>(g.cubeleft + g.squarewidth), g.cubetop + 5.0f, false),
              TurnCursor::None);
    EXPECT_EQ(turnCursor(g, 3, g.cubeleft - 5.0f, g.cubetop + 5.0f, false), TurnCursor::None);
}

}  // namespace
}  // namespace vx::test
