// Game mode: scrambled cubes one after another, solves counted.
#include <gtest/gtest.h>

#include "game/game_support.h"

namespace vx::test {
namespace {

// A 3-cube game of difficulty 2 started from a solved cube.
struct Game : testing::Test {
    ScriptFolder folder;
    void SetUp() override { folder.write("vexelcz.settings", settingsLine({10, 9, 12, 13, 14, 15, 3, 2, 0, 0})); }
    Json started() { return folder.run("menu gamemode\nsettle\ndump\n").lastDump(); }
};

TEST_F(Game, SolvingByHandCountsAndOffersTheNextCube) {
    const Json g = started();
    EXPECT_EQ(g["gameon"].integer(), 1);
    EXPECT_EQ(g["caption"].string(), "Vexel-cube Zandrel: by Kestrin (Solving \"3 by 3 by 3\" Vexel-cubes)");
    EXPECT_EQ(g["menu"]["newpuzzle"]["caption"].string(), "New game");
    EXPECT_FALSE(enabled(g, "createmode"));
    EXPECT_TRUE(checked(g, "gamemode"));
    EXPECT_TRUE(visible(g, "Label4"));
    EXPECT_EQ(caption(g, "Label5"), "Difficulty level: 2");
    EXPECT_EQ(g["histcount"].integer(), 2);

    const ScriptResult r = folder.run("menu gamemode\nsettle\n" + undoByClicks(g) + "dump\npixel 9 299\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const Json d = r.lastDump();
    EXPECT_TRUE(solved(d));
    EXPECT_EQ(d["solvedcount"].integer(), 1);
    EXPECT_EQ(caption(d, "Label4"), "Number of cubes solved: 1");
    EXPECT_TRUE(visible(d, "Command6"));
    EXPECT_TRUE(visible(d, "Command7"));
    EXPECT_EQ(r.lines.back(), "10");
}

TEST_F(Game, StartNewCubeAndQuitPlaying) {
    const Json g = started();
    const std::string solve = "menu gamemode\nsettle\n" + undoByClicks(g);
    const ScriptResult r = folder.run(solve + "press Command6\nsettle\ndump\npress Command7\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_NE(r.errors.find("dropped"), std::string::npos) << "Quit playing went with Start new cube";
    const Json next = r.lastDump();
    EXPECT_FALSE(visible(next, "Command6"));
    EXPECT_EQ(next["histcount"].integer(), 2) << "a new cube of the same difficulty";
    EXPECT_FALSE(solved(next));
    EXPECT_EQ(next["solvedcount"].integer(), 1);
    EXPECT_EQ(caption(next, "Label5"), "Difficulty level: 2");

    const Json quit = folder.run(solve + "press Command7\ndump\n").lastDump();
    EXPECT_EQ(quit["gameon"].integer(), 0);
    EXPECT_TRUE(checked(quit, "usolve"));
    EXPECT_FALSE(checked(quit, "gamemode"));
    EXPECT_FALSE(visible(quit, "Label4"));
    EXPECT_TRUE(enabled(quit, "createmode"));
    EXPECT_EQ(quit["caption"].string(), "Vexel-cube Zandrel: by Kestrin (Practice-mode)");
    EXPECT_EQ(quit["menu"]["newpuzzle"]["caption"].string(), "New puzzle");
}

TEST_F(Game, ClicksWaitWhileTheNextCubeIsOffered) {
    const Json g = started();
    const Json d = folder.run("menu gamemode\nsettle\n" + undoByClicks(g) + clickCell(g, 1, 1, "left") + "dump\n").lastDump();
    EXPECT_TRUE(solved(d)) << "no turn while \"Start new cube\" is shown";
    EXPECT_EQ(d["solvedcount"].integer(), 1);
}

TEST_F(Game, QuittingAndStartingAgainCountsAfresh) {
    const Json g = started();
    const Json d =
        folder.run("menu gamemode\nsettle\n" + undoByClicks(g) + "press Command7\nmenu gamemode\nsettle\ndump\n").lastDump();
    EXPECT_EQ(d["solvedcount"].integer(), 0) << "a new game starts its count again";
}

TEST_F(Game, AGameStartedOnAnUnsolvedCubeDoesNotCountItsFreshCube) {
    folder.write("vexelcz.settings", settingsLine({10, 9, 12, 13, 14, 15, 3, 3, 0, 0}));
    const ScriptResult r = folder.run("menu gamemode\nsettle\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const Json d = r.lastDump();
    EXPECT_EQ(d["solvedcount"].integer(), 0);
    EXPECT_FALSE(visible(d, "Command6"));
    EXPECT_EQ(caption(d, "Label4"), "Number of cubes solved: 0");
    EXPECT_EQ(d["gamestartstate"].integer(), 0) << "the uncounted solve is spent";
    EXPECT_EQ(d["histcount"].integer(), 3);
    // The first real solve counts.
    const Json s = folder.run("menu gamemode\nsettle\n" + undoByClicks(d) + "dump\n").lastDump();
    EXPECT_EQ(s["solvedcount"].integer(), 1);
}

TEST_F(Game, NewGameStartsAgainAtZero) {
    const Json g = started();
    const Json d = folder.run("menu gamemode\nsettle\n" + undoByClicks(g) + "menu newpuzzle\nsettle\ndump\n").lastDump();
    EXPECT_EQ(d["solvedcount"].integer(), 0);
    EXPECT_EQ(caption(d, "Label4"), "Number of cubes solved: 0");
    EXPECT_EQ(d["gameon"].integer(), 1);
    EXPECT_EQ(d["histcount"].integer(), 2);
}

TEST_F(Game, AGameAlwaysScramblesAtLeastOnce) {
    folder.write("vexelcz.settings", settingsLine({10, 9, 12, 13, 14, 15, 3, 0, 0, 0}));
    const Json d = started();
    EXPECT_EQ(d["histcount"].integer(), 1);
    EXPECT_EQ(d["gamescrambles"].integer(), 2);
    EXPECT_EQ(caption(d, "Label5"), "Difficulty level: 1");
}

TEST_F(Game, ChoosingGameModeAgainDoesNothing) {
    const Json a = started();
    const Json b = folder.run("menu gamemode\nsettle\nmenu gamemode\nsettle\ndump\n").lastDump();
    EXPECT_EQ(a["history"].size(), b["history"].size());
    for (int f = 1; f <= 6; ++f) EXPECT_EQ(square(a, 2, 1, f), square(b, 2, 1, f));
}

}  // namespace
}  // namespace vx::test
