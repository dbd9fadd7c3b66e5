// The computer solving the cube from its history: continuously, paced by
// the rotation time, and one move at a time with "b".
#include <gtest/gtest.h>

#include "game/game_support.h"

namespace vx::test {
namespace {

TEST(ComputerSolves, WithoutRotationTimeAtOnceAndWithNoTimePassing) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", settingsLine({10, 9, 12, 13, 14, 15, 4, 40, 0, 0}));
    const ScriptResult r = folder.run("dump\nmenu csolve\nsettle\ndump\npixel 9 299\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const Json before = r.dumps().front();
    const Json after = r.lastDump();
    EXPECT_EQ(before["histcount"].integer(), 40);
    EXPECT_FALSE(solved(before));
    EXPECT_EQ(after["histcount"].integer(), 0);
    EXPECT_TRUE(solved(after));
    EXPECT_EQ(after["computersolves"].integer(), 1) << "the computer keeps solving until another mode";
    EXPECT_TRUE(checked(after, "csolve"));
    EXPECT_EQ(after["time_ms"].integer(), 0);
    EXPECT_EQ(r.lines.back(), "10") << "\"Solved Cube!\" is shown";
}

TEST(ComputerSolves, RotationTimeSpacesTheMovesOnVirtualTime) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", settingsLine({10, 9, 12, 13, 14, 15, 3, 6, 5, 0}));
    std::string script = "dump\nmenu csolve\n";
    for (int i = 0; i < 60; ++i) script += "wait\ndump\n";
    const ScriptResult r = folder.run(script);
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    ASSERT_EQ(d.front()["histcount"].integer(), 6);
    // Every move is preceded by one tick of 500 ms: between two dumps the
    // history can shrink by at most one entry per 500 ms passed.
    int moves = 0;
    for (std::size_t i = 1; i < d.size(); ++i) {
        const int done = d[i - 1]["histcount"].integer() - d[i]["histcount"].integer();
        const int passed = d[i]["time_ms"].integer() - d[i - 1]["time_ms"].integer();
        EXPECT_GE(passed, 500 * done) << "dump " << i;
        EXPECT_EQ(d[i]["timer"]["interval"].integer(), 500);
        moves += done;
    }
    EXPECT_EQ(moves, 6);
    EXPECT_TRUE(solved(d.back()));
    // Whole-cube turns also wait a tick, so at least six ticks passed.
    EXPECT_GE(d.back()["time_ms"].integer(), 3000);
}

// Timer1's interval is the rotation time in milliseconds, halves rounded to
// the even whole number and never below 1 ms.
TEST(ComputerSolves, TheIntervalRoundsHalvesToEvenWithAFloorOfOne) {
    const std::pair<double, int> cases[] = {{.125, 12}, {.375, 38}, {.625, 62}, {.001, 1}, {5, 500}, {2.5, 250}};
    for (const auto& [tenths, ms] : cases) {
        ScriptFolder folder;
        folder.write("vexelcz.settings", settingsLine({10, 9, 12, 13, 14, 15, 3, 3, tenths, 0}));
        const Json d = folder.run("menu csolve\ndump\n").lastDump();
        EXPECT_TRUE(d["timer"]["enabled"].boolean()) << tenths;
        EXPECT_EQ(d["timer"]["interval"].integer(), ms) << tenths;
    }
}

TEST(ComputerSolves, SettleTicksThroughTheMoveWaits) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", settingsLine({10, 9, 12, 13, 14, 15, 5, 20, 15, 0}));
    const Json d = folder.run("menu csolve\nsettle\ndump\n").lastDump();
    EXPECT_TRUE(solved(d));
    EXPECT_EQ(d["histcount"].integer(), 0);
    EXPECT_GE(d["time_ms"].integer(), 20 * 1500);
    EXPECT_EQ(d["time_ms"].integer() % 1500, 0);
}

TEST(ComputerSolves, KeyBMakesOneMoveAndReturnsToPractice) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", settingsLine({10, 9, 12, 13, 14, 15, 3, 5, 20, 0}));
    std::string script = "dump\n";
    for (int i = 0; i < 12; ++i) script += "key b\nsettle\ndump\n";
    const ScriptResult r = folder.run(script);
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    for (std::size_t i = 1; i < d.size(); ++i) {
        const int before = d[i - 1]["histcount"].integer();
        const int after = d[i]["histcount"].integer();
        EXPECT_TRUE(after == before || after == before - 1 || (before == 0 && after == 0));
        if (after == before && before > 0) {
            // A whole-cube turn: the layer lay parallel to the screen.
            EXPECT_TRUE(d[i]["frontface"].integer() != d[i - 1]["frontface"].integer() ||
                        d[i]["frontturn"].integer() != d[i - 1]["frontturn"].integer());
            EXPECT_GE(d[i]["solverkey"].integer(), 37);
            EXPECT_LE(d[i]["solverkey"].integer(), 40);
        }
        EXPECT_EQ(d[i]["computersolves"].integer(), 0);
        EXPECT_EQ(d[i]["onemove"].integer(), 0);
        EXPECT_TRUE(checked(d[i], "usolve"));
        EXPECT_EQ(d[i]["time_ms"].integer(), 0) << "a single move does not wait for the timer";
    }
    EXPECT_EQ(d.back()["histcount"].integer(), 0);
    EXPECT_TRUE(solved(d.back()));
}

TEST(ComputerSolves, ALayerParallelToTheScreenNeedsAWholeCubeTurnFirst) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", solvedStart());
    const Json start = folder.run("dump\n").lastDump();
    // A turn made from the right face, then back to the front: its layer
    // lies parallel to the screen.
    const ScriptResult r =
        folder.run("key left\n" + clickCell(start, 1, 1, "left") + "key right\ndump\nkey b\nsettle\ndump\nkey b\nsettle\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    ASSERT_EQ(d[0]["histcount"].integer(), 1);
    EXPECT_EQ(d[0]["history"][0][0].integer(), 2);
    EXPECT_EQ(d[1]["histcount"].integer(), 1) << "the first b only turns the whole cube";
    EXPECT_NE(d[1]["frontface"].integer(), 1);
    EXPECT_EQ(d[2]["histcount"].integer(), 0);
    EXPECT_TRUE(solved(d[2]));
}

TEST(ComputerSolves, BInGameModeOrDrawModeDoesNothing) {
    ScriptFolder folder;
    const Json game = folder.run("menu gamemode\nsettle\ndump\nkey b\nsettle\ndump\n").lastDump();
    EXPECT_EQ(game["computersolves"].integer(), 0);
    EXPECT_GT(game["histcount"].integer(), 0);
    const Json draw = folder.run("menu createp\nkey b\nsettle\ndump\n").lastDump();
    EXPECT_EQ(draw["computersolves"].integer(), 0);
    EXPECT_EQ(draw["histcount"].integer(), 3);
}

TEST(ComputerSolves, NewPuzzleEndsAMoveWaitAtOnce) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", settingsLine({10, 9, 12, 13, 14, 15, 3, 5, 90, 0}));
    const ScriptResult r = folder.run("menu csolve\nwait\nwait\ndump\nmenu newpuzzle\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    ASSERT_TRUE(d[0]["timer"]["enabled"].boolean()) << "the loop waits for the timer";
    // The wait ended without a tick; the new cube was made and scrambled.
    EXPECT_EQ(d[1]["time_ms"].integer(), d[0]["time_ms"].integer());
    EXPECT_EQ(d[1]["histcount"].integer(), 5);
    EXPECT_EQ(d[1]["frontface"].integer(), 1);
}

TEST(ComputerSolves, ModeBoxesSwitchSolverOutsideGameAndDrawMode) {
    ScriptFolder folder;
    const ScriptResult r = folder.run("click 113 129 left\nsettle\ndump\nclick 32 32 left\ndump\nclick 114 65 left\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    EXPECT_TRUE(solved(d[0])) << "the computer box starts the computer";
    EXPECT_TRUE(checked(d[0], "csolve"));
    EXPECT_EQ(d[1]["computersolves"].integer(), 0);
    EXPECT_TRUE(checked(d[1], "usolve"));
    EXPECT_EQ(d[2]["computersolves"].integer(), 0) << "x = 114 is outside the box";
}

}  // namespace
}  // namespace vx::test
