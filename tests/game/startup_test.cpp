// Starting the game: defaults, a settings file, a damaged one, draw-mode.
#include <algorithm>

#include <gtest/gtest.h>

#include "game/game_support.h"

namespace vx::test {
namespace {

TEST(StartUp, WithoutSettingsFileTheDefaultsHold) {
    ScriptFolder folder;
    const ScriptResult r = folder.run("dump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const Json d = r.lastDump();
    EXPECT_EQ(d["cubesize"].integer(), 3);
    EXPECT_EQ(d["pendingsize"].integer(), 3);
    EXPECT_EQ(d["rotationtime"].number(), 0);
    EXPECT_EQ(d["drawmode"].integer(), 0);
    EXPECT_EQ(text(d, "Text1"), "3");
    // Three scramble turns were made; the scrambled cube is shown upright.
    EXPECT_EQ(d["histcount"].integer(), 3);
    EXPECT_EQ(d["scramblesleft"].integer(), 0);
    EXPECT_EQ(d["frontface"].integer(), 1);
    EXPECT_EQ(d["frontturn"].integer(), 1);
    std::vector<int> colours;
    for (const Json& c : d["facecolor"].array()) colours.push_back(c.integer());
    EXPECT_EQ(colours, (std::vector<int>{10, 9, 12, 13, 14, 15}));
    EXPECT_EQ(d["caption"].string(), "Vexel-cube Zandrel: by Kestrin (Practice-mode)");
    EXPECT_TRUE(checked(d, "usolve"));
    EXPECT_TRUE(checked(d, "messup"));
    EXPECT_TRUE(checked(d, "by3"));
    EXPECT_FALSE(checked(d, "by4"));
    EXPECT_TRUE(enabled(d, "savepuzzle"));
    EXPECT_FALSE(visible(d, "Label4"));
    EXPECT_EQ(d["gamestartstate"].integer(), 1);
}

TEST(StartUp, ScrambleCountZeroShowsTheSolvedCubeUpright) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", solvedStart());
    const ScriptResult r = folder.run("dump\npixel 9 299\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const Json d = r.lastDump();
    EXPECT_TRUE(solved(d));
    EXPECT_EQ(d["histcount"].integer(), 0);
    EXPECT_EQ(d["frontface"].integer(), 1);
    EXPECT_EQ(d["frontturn"].integer(), 1);
    EXPECT_EQ(text(d, "Text1"), "0");
    EXPECT_FALSE(enabled(d, "savepuzzle"));
    // Solved from the start: no "Solved Cube!" is shown.
    EXPECT_EQ(r.lines.back(), "0");
}

TEST(StartUp, SettingsFileGivesColoursSizeCountTimeAndTicks) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", settingsLine({1, 2, 3, 4, 5, 6, 7, 2, 15, 0}));
    const ScriptResult r = folder.run("dump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const Json d = r.lastDump();
    std::vector<int> colours;
    for (const Json& c : d["facecolor"].array()) colours.push_back(c.integer());
    EXPECT_EQ(colours, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(d["cubesize"].integer(), 7);
    EXPECT_EQ(d["pendingsize"].integer(), 7);
    EXPECT_TRUE(checked(d, "by7"));
    EXPECT_FALSE(checked(d, "by3"));
    EXPECT_EQ(d["histcount"].integer(), 2);
    EXPECT_EQ(text(d, "Text1"), "2");
    EXPECT_EQ(d["rotationtime"].number(), 15);
    // Every face of the new cube has one of the chosen colours.
    for (int f = 1; f <= 6; ++f) EXPECT_LE(square(d, 4, 4, f), 6);
}

TEST(StartUp, DamagedSettingsFilesNeverStopTheGame) {
    const std::string files[] = {
        std::string("\x00\xff\x13garbage,,,\r\n\x7f", 15),
        " 10  10  10  10  10  10  3  3  0  0 \r\n",  // one colour six times
        " 10  9  12  13  14  15  25  3  0  0 \r\n",  // no such size
        " 10  9  12 ",                               // cut short
        "99999999999999999999999999 -7 1e400 nan \r\n",
        "",
    };
    for (const std::string& file : files) {
        ScriptFolder folder;
        folder.write("vexelcz.settings", file);
        const ScriptResult r = folder.run("dump\n");
        ASSERT_EQ(r.status, 0) << r.errors;
        const Json d = r.lastDump();
        const int n = d["cubesize"].integer();
        EXPECT_GE(n, 2);
        EXPECT_LE(n, 20);
        // Six different colours a square may have, so that a cube can be coloured.
        std::set<int> colours;
        for (const Json& c : d["facecolor"].array()) {
            EXPECT_TRUE(c.integer() >= 1 && c.integer() <= 15 && c.integer() != 7);
            colours.insert(c.integer());
        }
        EXPECT_EQ(colours.size(), 6u);
    }
}

TEST(StartUp, ShortSettingsFileKeepsTheDefaultsItDoesNotReach) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", " 1  2  3  4  5  6  4 ");
    const Json d = folder.run("dump\n").lastDump();
    EXPECT_EQ(d["cubesize"].integer(), 4);
    EXPECT_EQ(text(d, "Text1"), "3");
    EXPECT_EQ(d["histcount"].integer(), 3);
}

TEST(StartUp, DrawModeFromSettingsKeepsTheRandomViewAndMakesNoScramble) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", settingsLine({10, 9, 12, 13, 14, 15, 3, 3, 0, 1}));
    const ScriptResult r = folder.run("dump\npixel 40 40\npng start.png\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const Json d = r.lastDump();
    EXPECT_EQ(d["drawmode"].integer(), 1);
    EXPECT_EQ(d["scramblesleft"].integer(), 0);
    EXPECT_EQ(d["histcount"].integer(), 0);
    EXPECT_TRUE(solved(d));
    EXPECT_EQ(d["caption"].string(), "Vexel-cube Zandrel: by Kestrin (Draw-mode)");
    EXPECT_TRUE(checked(d, "createp"));
    EXPECT_FALSE(checked(d, "messup"));
    EXPECT_FALSE(enabled(d, "savepuzzle"));
    EXPECT_EQ(text(d, "Text1"), "3");
    EXPECT_EQ(r.lines[1], "0") << "the mode panel is not shown in draw-mode";
}

// Counts from the settings are held to 0..10000 before the game counts with
// them: the box shows the count in force, and New puzzle and Gamemode owe
// only that many turns.
TEST(StartUp, ScrambleCountsFromTheSettingsAreHeldToTheirRange) {
    const struct {
        const char* count;
        const char* shown;
        int turns;
    } cases[] = {{"-2147483649", "0", 0}, {"-1", "0", 0}, {"-99999999999999999999", "0", 0}, {"12", "12", 12}};
    for (const auto& c : cases) {
        ScriptFolder folder;
        folder.write("vexelcz.settings", std::string(" 10  9  12  13  14  15  2 ") + c.count + "  0  0 \r\n");
        const ScriptResult r = folder.run("dump\nmenu newpuzzle\nsettle\ndump\nmenu gamemode\nsettle\ndump\n");
        ASSERT_EQ(r.status, 0) << r.errors;
        const std::vector<Json> d = r.dumps();
        ASSERT_EQ(d.size(), 3u);
        EXPECT_EQ(text(d[0], "Text1"), c.shown) << c.count;
        EXPECT_EQ(d[0]["scramblesleft"].integer(), 0) << c.count;
        EXPECT_LE(d[1]["histcount"].integer(), c.turns) << c.count;
        EXPECT_LE(d[2]["histcount"].integer(), std::max(c.turns, 1)) << c.count;
        EXPECT_EQ(d[2]["gamescrambles"].integer(), std::max(c.turns, 1) + 1) << c.count;
    }
}

// Exactly one draw-mode item is ticked whatever the file says, and the
// computer then solves.
TEST(StartUp, DrawModeOtherThanOneReadsAsOff) {
    for (const char* mode : {"2", "-1", "7", "0"}) {
        ScriptFolder folder;
        folder.write("vexelcz.settings", std::string(" 10  9  12  13  14  15  3  4  0 ") + mode + " \r\n");
        const ScriptResult r = folder.run("dump\nmenu csolve\nsettle\ndump\n");
        ASSERT_EQ(r.status, 0) << r.errors;
        const std::vector<Json> d = r.dumps();
        EXPECT_EQ(d[0]["drawmode"].integer(), 0) << mode;
        EXPECT_TRUE(checked(d[0], "messup")) << mode;
        EXPECT_FALSE(checked(d[0], "createp")) << mode;
        EXPECT_GT(d[0]["histcount"].integer(), 0) << mode;
        EXPECT_TRUE(solved(d[1])) << mode;
    }
}

TEST(StartUp, TheSameClockGivesTheSameCube) {
    ScriptFolder a, b, c;
    const Json first = a.run("dump\n").lastDump();
    const Json second = b.run("dump\n").lastDump();
    const Json other = c.run("dump\n", {"--clock", "2000"}).lastDump();
    for (int f = 1; f <= 6; ++f)
        for (int x = 1; x <= 3; ++x) EXPECT_EQ(square(first, x, 2, f), square(second, x, 2, f));
    EXPECT_EQ(first["history"].size(), second["history"].size());
    bool differs = false;
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t k = 0; k < 3; ++k)
            differs |= first["history"][i][k].integer() != other["history"][i][k].integer();
    EXPECT_TRUE(differs) << "another clock, another scramble";
}

}  // namespace
}  // namespace vx::test
