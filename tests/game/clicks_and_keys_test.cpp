// The player's clicks on the front face and keys, from the standard view of
// a solved cube.
#include <gtest/gtest.h>

#include "game/game_support.h"

namespace vx::test {
namespace {

struct Expected {
    bool turns;
    int face;        // the face that takes the front colour
    bool column;     // a column (else a row) of that face
    int line;        // which one
    std::vector<int> entry;
};

// What a click on cell (c, r) of a 3-cube in view (1, 1) does.
Expected expectedClick(int c, int r, bool left) {
    const int n = 3;
    if (left && r == 1) return {true, 2, true, c, {1, c, n}};   // column up, onto the top
    if (left && r == n) return {true, 4, true, c, {1, c, 1}};   // column down, onto the bottom
    if (!left && c == n) return {true, 6, false, r, {3, 1, r}};  // row right, onto the right face
    if (!left && c == 1) return {true, 5, false, r, {3, n, r}};  // row left, onto the left face
    return {false, 0, false, 0, {}};
}

TEST(Clicks, EveryFrontSquareWithBothButtons) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", solvedStart());
    const Json start = folder.run("dump\n").lastDump();
    const int front = square(start, 1, 1, 1);

    std::string script = "dump\n";
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            for (bool left : {true, false}) {
                script += clickCell(start, c, r, left ? "left" : "right") + "dump\npixel 9 299\n";
                const Expected e = expectedClick(c, r, left);
                if (!e.turns) continue;
                // The same layer from the opposite edge turns it back.
                script += left ? clickCell(start, c, r == 1 ? 3 : 1, "left") : clickCell(start, c == 1 ? 3 : 1, r, "right");
                script += "dump\npixel 9 299\n";
            }
    const ScriptResult result = folder.run(script);
    ASSERT_EQ(result.status, 0) << result.errors;
    const std::vector<Json> dumps = result.dumps();
    std::vector<std::string> pixels;
    for (const std::string& line : result.lines)
        if (line.front() != '{') pixels.push_back(line);

    std::size_t at = 1;
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            for (bool left : {true, false}) {
                SCOPED_TRACE(testing::Message() << (left ? "left" : "right") << " click on (" << c << ", " << r << ")");
                const Expected e = expectedClick(c, r, left);
                const Json& d = dumps.at(at);
                if (!e.turns) {
                    EXPECT_EQ(d["histcount"].integer(), 0);
                    EXPECT_TRUE(solved(d));
                    ++at;
                    continue;
                }
                ASSERT_EQ(d["histcount"].integer(), 1);
                std::vector<int> entry;
                for (const Json& v : d["history"][0].array()) entry.push_back(v.integer());
                EXPECT_EQ(entry, e.entry);
                for (int k = 1; k <= 3; ++k) {
                    const int colour = e.column ? square(d, e.line, k, e.face) : square(d, k, e.line, e.face);
                    EXPECT_EQ(colour, front);
                }
                EXPECT_NE(pixels.at(at - 1), "10") << "turned out of the solved state";
                const Json& back = dumps.at(at + 1);
                EXPECT_EQ(back["histcount"].integer(), 0) << "the turn back pops the entry";
                EXPECT_TRUE(solved(back));
                EXPECT_EQ(pixels.at(at), "10") << "\"Solved Cube!\" is shown again";
                at += 2;
            }
}

TEST(Clicks, GridLinesInnerSquaresAndOutsideHitNothing) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", solvedStart());
    const Json start = folder.run("dump\n").lastDump();
    const Json& g = start["geometry"];
    const int left = g["cubeleft"].integer(), top = g["cubetop"].integer(), s = g["squarewidth"].integer();
    const std::string script = "click " + std::to_string(left + s) + " " + std::to_string(top + s / 2) + " left\n" +
                               "click " + std::to_string(left + s / 2) + " " + std::to_string(top) + " left\n" +
                               "click " + std::to_string(left + 3 * s) + " " + std::to_string(top + s / 2) +
                               " right\n" + clickCell(start, 2, 2, "left") + clickCell(start, 2, 2, "right") +
                               "click 700 500 left\nclick 400 150 left\ndump\n";
    const Json d = folder.run(script).lastDump();
    EXPECT_EQ(d["histcount"].integer(), 0);
    EXPECT_TRUE(solved(d));
}

TEST(Clicks, TwentyCubeGridLineHitsNothingItsSquareDoes) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", solvedStart(20));
    const Json start = folder.run("dump\n").lastDump();
    const int left = start["geometry"]["cubeleft"].integer();
    const int top = start["geometry"]["cubetop"].integer();
    ASSERT_EQ(start["geometry"]["squarewidth"].integer(), 11);
    const std::string row1 = " " + std::to_string(top + 5) + " left\n";
    const Json d = folder.run("click " + std::to_string(left + 11) + row1 + "dump\nclick " +
                              std::to_string(left + 12) + row1 + "dump\n")
                       .lastDump();
    const std::vector<Json> dumps = folder.run("click " + std::to_string(left + 11) + row1 + "dump\n").dumps();
    EXPECT_EQ(dumps.back()["histcount"].integer(), 0);
    EXPECT_EQ(d["histcount"].integer(), 1) << "the pixel after the line is in column 2";
    EXPECT_EQ(d["history"][0][1].integer(), 2);
}

TEST(Keys, ArrowsAndRTChangeTheViewOnly) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", solvedStart());
    const ScriptResult r = folder.run(
        "key left\ndump\nkey right\nkey up\ndump\nkey down\nkey right\ndump\nkey left\nkey down\ndump\nkey up\n"
        "key r\ndump\nkey t\nkey 84\ndump\nkey 82\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    const std::pair<int, int> views[] = {{6, 1}, {4, 1}, {5, 1}, {2, 1}, {1, 4}, {1, 2}, {1, 1}};
    ASSERT_EQ(d.size(), std::size(views));
    for (std::size_t i = 0; i < d.size(); ++i) {
        EXPECT_EQ(d[i]["frontface"].integer(), views[i].first) << i;
        EXPECT_EQ(d[i]["frontturn"].integer(), views[i].second) << i;
        EXPECT_EQ(d[i]["histcount"].integer(), 0);
        EXPECT_TRUE(solved(d[i]));
    }
}

// Codes that are no game key: the lower-case letter codes are the keypad's
// digits and F1..F11 (98 is the keypad's 2, 114 F3, 116 F5), 123 is F12.
TEST(Keys, CodesOfOtherKeysDoNothing) {
    for (int code : {97, 98, 112, 114, 116, 122, 123, 0, 13, 27, 36, 41, 65, 83, 90, 255}) {
        ScriptFolder folder;
        folder.write("vexelcz.settings", solvedStart());
        const Json d = folder.run("key " + std::to_string(code) + "\nsettle\ndump\n").lastDump();
        EXPECT_EQ(d["frontface"].integer(), 1) << code;
        EXPECT_EQ(d["frontturn"].integer(), 1) << code;
        EXPECT_EQ(d["computersolves"].integer(), 0) << code;
        EXPECT_EQ(d["onemove"].integer(), 0) << code;
    }
}

TEST(Keys, IgnoredWhileAPanelIsShown) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", solvedStart());
    const Json d = folder.run("menu difficulty\nkey left\nkey t\ndump\n").lastDump();
    EXPECT_EQ(d["frontface"].integer(), 1);
    EXPECT_EQ(d["frontturn"].integer(), 1);
    EXPECT_EQ(d["focus"].string(), "Text1");
}

TEST(Clicks, TurnsInAnotherViewAreRecordedInAbsoluteForm) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", solvedStart());
    const Json start = folder.run("dump\n").lastDump();
    // View (3, 3) shows the back upside down: its column c from row r is the
    // reference view's column 4 - c from row 4 - r.
    const Json d = folder.run("key up\nkey up\nkey t\nkey t\n" + clickCell(start, 1, 3, "left") + "dump\n").lastDump();
    ASSERT_EQ(d["frontface"].integer(), 3);
    ASSERT_EQ(d["frontturn"].integer(), 3);
    const Json e = folder.run(clickCell(start, 3, 1, "left") + "dump\n").lastDump();
    EXPECT_EQ(d["history"][0][0].integer(), e["history"][0][0].integer());
    EXPECT_EQ(d["history"][0][1].integer(), e["history"][0][1].integer());
    EXPECT_EQ(d["history"][0][2].integer(), e["history"][0][2].integer());
}

}  // namespace
}  // namespace vx::test
