// The cursor's arrow over a square is the way a click there turns its layer.
#include "shell/turn_cursor.h"

#include <gtest/gtest.h>

#include "game/game_support.h"

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

// On a solved cube a quarter turn brings a whole column (row) of another
// face to the front: a column turned down brings the top face's colour, one
// turned up the hidden bottom face's; a row turned left brings the right
// face's colour, one turned right the hidden left face's. Seen in the
// picture, after a click where the cursor shows the arrow.
TEST(TurnCursor, TheArrowIsTheWayTheClickTurns) {
    ScriptFolder folder(solvedStart(5));
    const Json d = folder.run("dump\n").lastDump();
    Geometry g;
    const Json& at = d["geometry"];
    g.squarewidth = g.squareheight = at["squarewidth"].integer();
    g.cubeleft = at["cubeleft"].integer();
    g.cubetop = at["cubetop"].integer();
    const int face = at["facesize"].integer(), depth = static_cast<int>(at["depthsize"].number());
    const auto xy = [](int x, int y) { return std::to_string(x) + " " + std::to_string(y); };
    const std::string top = xy(g.cubeleft + face / 2 + depth / 2, g.cubetop - depth / 2);
    const std::string right = xy(g.cubeleft + face + depth / 2, g.cubetop + face / 2 - depth / 4);
    const struct {
        int c, r;
        const char* button;
    } clicks[] = {{3, 1, "left"}, {2, 5, "left"}, {1, 3, "right"}, {5, 4, "right"}};
    for (const auto& click : clicks) {
        const auto [x, y] = middle(g, click.c, click.r);
        const std::string square = xy(static_cast<int>(x), static_cast<int>(y));
        const ScriptResult run = folder.run("pixel " + square + "\npixel " + top + "\npixel " + right + "\nclick " +
                                            square + " " + click.button + "\nwait\npixel " + square + "\n");
        ASSERT_EQ(run.lines.size(), 4u);  // front, top, right, then the square after the click
        const std::string& after = run.lines[3];
        const bool hidden = after != run.lines[0] && after != run.lines[1] && after != run.lines[2];
        switch (turnCursor(g, 5, x, y, false)) {
        case TurnCursor::Up:
        case TurnCursor::Right: EXPECT_TRUE(hidden) << click.button; break;
        case TurnCursor::Down: EXPECT_EQ(after, run.lines[1]) << click.button; break;
        case TurnCursor::Left: EXPECT_EQ(after, run.lines[2]) << click.button; break;
        default: ADD_FAILURE() << click.c << ", " << click.r << ": no arrow";
        }
    }
}

}  // namespace
}  // namespace vx::test
