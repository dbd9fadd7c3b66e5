// The picture in every client area a player can give the window: a size
// reached through others shows what that size shows on its own, and the cube
// fits beside the side panel with both "Solved Cube!" texts whole, each on
// its row.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "game/game_support.h"
#include "render/geometry.h"
#include "shell/layout.h"
#include "shell/side_panel.h"

namespace vx::test {
namespace {

using Size = std::pair<int, int>;

std::string client(Size s) { return std::to_string(s.first) + "x" + std::to_string(s.second); }
std::string resize(Size s) { return "resize " + std::to_string(s.first) + " " + std::to_string(s.second) + "\n"; }

// Sizes the window went through, the last one where it stays.
struct Trip {
    Size start;
    std::vector<Size> through;
};

const Trip kTrips[] = {
    {{800, 560}, {{660, 440}, {800, 560}}},
    {{800, 560}, {{700, 500}, {1366, 768}, {683, 450}}},
    {{1366, 768}, {{660, 440}, {1920, 1080}, {1366, 768}}},
    {{1000, 700}, {{799, 559}, {2560, 1440}, {900, 600}}},
};

// After the same game, the picture at the size the trip ends at is the
// picture that size gets when the game runs there from the start.
TEST(WindowSizes, ARoundTripShowsWhatTheLastSizeShowsOnItsOwn) {
    const std::pair<const char*, std::string> games[] = {{"solved", "menu csolve\nsettle\n"},
                                                         {"unsolved", "key left\n"},
                                                         {"solved in a game", "menu gamemode\nmenu csolve\nsettle\n"}};
    for (const auto& [name, game] : games)
        for (const Trip& trip : kTrips) {
            std::string moves = game;
            for (Size s : trip.through) moves += resize(s);
            const ScriptResult travelled = ScriptFolder().run(moves, {"--clock", "7", "--client", client(trip.start)});
            const ScriptResult own =
                ScriptFolder().run(game, {"--clock", "7", "--client", client(trip.through.back())});
            ASSERT_EQ(travelled.status, 0) << travelled.errors;
            EXPECT_EQ(travelled.surfaceHash, own.surfaceHash)
                << name << ": from " << client(trip.start) << " to " << client(trip.through.back());
        }
}

// Pixel queries of a box, every `step` pixels.
std::string pixels(const SideBox& b, int step) {
    std::string script;
    for (int y = b.y1; y <= b.y2; y += step)
        for (int x = b.x1; x <= b.x2; x += step)
            script += "pixel " + std::to_string(x) + " " + std::to_string(y) + "\n";
    return script;
}

// At every size (below 800 x 560 too, and below it in one side only): the
// cube of every size lies whole in the free area right of the side panel,
// the side panel and the left-hand text show exactly what they show at
// 800 x 560, and the right-hand text stands whole inside the width, on its
// band (moved as far as the middle of the window), clear of the cube.
TEST(WindowSizes, EveryClientAreaKeepsTheSidePanelAndFitsTheCube) {
    const Size sizes[] = {{660, 440}, {683, 450},  {700, 500},  {799, 559},   {1366, 440}, {660, 768},
                          {1, 1},     {1024, 768}, {1366, 768}, {1910, 1000}, {2560, 1440}};
    const SideBox side{0, 0, kSidePanelRight, 400};
    // A turn of the view after the solve repaints the cube with both texts up.
    const std::string solve = "menu csolve\nsettle\nmenu usolve\nkey left\nwait\n";
    const auto sideAndBands = [&](int width) {
        return pixels(side, 3) + pixels(kLeftSolvedBand, 1) + pixels(rightSolvedBand(width), 1);
    };
    const ScriptResult usual = ScriptFolder().run(solve + sideAndBands(800), {"--clock", "7"});
    for (const int n : {2, 3, 9, 20})
        for (const Size& size : sizes) {
            const std::string where = client(size) + ", n = " + std::to_string(n);
            const ScriptResult r =
                ScriptFolder(scrambledStart(n, 5))
                    .run("key left\ndump\n" + solve + "dump\n" + sideAndBands(std::max(size.first, 660)),
                         {"--clock", "7", "--client", client(size)});
            ASSERT_EQ(r.status, 0) << r.errors;
            const Json d = r.dumps().front();
            const int w = d["surface"]["width"].integer(), h = d["surface"]["height"].integer();
            EXPECT_EQ(w, std::max(size.first, kSmallestClient.width)) << where;
            EXPECT_EQ(h, std::max(size.second, kSmallestClient.height)) << where;
            const Json& g = d["geometry"];
            const double depth = g["depthsize"].number();
            const SideBox right = rightSolvedArea(w);
            EXPECT_GT(g["cubeleft"].number(), kSidePanelRight) << where;
            EXPECT_GE(g["cubetop"].number() - depth, 0) << where << ": under the menu bar";
            EXPECT_LT(g["cubebottom"].number(), h) << where;
            EXPECT_LT(g["cuberight"].number() + depth, right.x1) << where << ": over the right-hand text";
            EXPECT_LT(right.x2, w) << where << ": the right-hand text is cut";
            EXPECT_GE(g["squarewidth"].integer(), kLeastSquare) << where;
            // The side panel and both texts as at 800 x 560, pixel for pixel.
            const std::vector<std::string> shown(r.lines.end() - static_cast<std::ptrdiff_t>(usual.lines.size()),
                                                 r.lines.end());
            EXPECT_EQ(shown, usual.lines) << where;
        }
}

// The left-hand text stands two rows into its band when a cube is solved,
// three when switching draw-mode off finds a cube with no move since it was
// built (its own short way to show the texts); the right-hand one two rows
// into its band either way. Compared row by row with the right-hand band.
TEST(WindowSizes, TheLeftTextStandsOnItsRowInEitherWay) {
    const std::size_t row = 194, rows = 42;
    for (const auto& [way, settings, script, lower] :
         {std::tuple{"solved", std::string(), std::string("menu csolve\nsettle\n"), 0},
          std::tuple{"draw-mode off", solvedStart(), std::string("menu createp\nmenu messup\n"), 1}}) {
        const ScriptResult r =
            ScriptFolder(settings).run(script + "wait\n" + pixels(kLeftSolvedBand, 1) + pixels(kRightSolvedBand800, 1));
        ASSERT_EQ(r.lines.size(), 2 * row * rows) << way;
        const auto line = [&](std::size_t first, std::size_t y) {
            const auto from = r.lines.begin() + static_cast<std::ptrdiff_t>(first + y * row);
            return std::vector<std::string>(from, from + static_cast<std::ptrdiff_t>(row));
        };
        if (std::count(r.lines.begin(), r.lines.end(), "10") == static_cast<std::ptrdiff_t>(r.lines.size()))
            GTEST_SKIP() << "texts are blank without the window's fonts";
        ASSERT_GT(std::count(r.lines.begin(), r.lines.end(), "10"), 0) << way << ": no band";
        for (std::size_t y = 0; y + 1 < rows; ++y)
            EXPECT_EQ(line(0, y + static_cast<std::size_t>(lower)), line(row * rows, y)) << way << ", row " << y;
    }
}

}  // namespace
}  // namespace vx::test
