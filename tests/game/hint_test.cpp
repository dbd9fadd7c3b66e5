// The computer's plan: with "Shortest solution (computer reads the colors)"
// ticked it solves from the colours when that is shorter or the history does
// not solve the cube. The hint, key h (or the menu item "Hint"), tells the
// first move of the plan as the click that makes it and rings that square
// until the next event; it makes no move and records nothing.
#include <gtest/gtest.h>

#include <regex>

#include "files/puzzle_file.h"
#include "game/game_support.h"
#include "support/solved_cube.h"

namespace vx::test {
namespace {

// A puzzle with no history: unticked the computer cannot solve it, ticked
// it solves it from the colours. A painted cube that no turns can solve
// keeps its history, and a notice says why.
TEST(Shortest, AHandMadePuzzleIsSolvedFromItsColoursOnlyWhenTicked) {
    ScriptFolder folder(solvedStart());
    Cube turned = solvedCube(3), flipped = solvedCube(3);
    for (const PhysicalMove m : {PhysicalMove{0, 1, 1}, {1, 2, -1}, {2, 3, 1}, {0, 2, 1}, {1, 1, 1}}) turned.turn(m, 3);
    flipped.setSquarecolor(2, 1, 1, kGameColours[2]);  // the edge of face 1's top row and face 2's front row
    flipped.setSquarecolor(2, 3, 2, kGameColours[1]);
    const std::string script =
        "menu loadpuzzle\nselect File2 p.cube\npress Command8\ndump\nmenu csolve\nsettle\n"
        "dump\nmenu usolve\nmenu shortest\nmenu csolve\nsettle\ndump\n";
    for (const auto& [cube, solvable] : {std::pair{turned, true}, {flipped, false}}) {
        folder.write("p.cube", formatPuzzle(3, {1, 1}, History{}, cube));
        const std::vector<Json> d = folder.run(script).dumps();
        ASSERT_EQ(d.size(), 3u);
        EXPECT_FALSE(solved(d[0]) || solved(d[1])) << "the history alone cannot solve it";
        EXPECT_EQ(d[1]["computerplan"]["source"].string(), "history");
        EXPECT_EQ(d[1]["computerplan"]["moves"].integer(), 0);
        EXPECT_EQ(d[2]["shortest"].integer(), 1);
        EXPECT_EQ(solved(d[2]), solvable);
        EXPECT_EQ(d[2]["histcount"].integer(), 0);
        EXPECT_EQ(d[2]["solvewasnew"].integer(), solvable ? 0 : 1) << "a solve clears the mark of a loaded cube";
        EXPECT_EQ(d[2]["computerplan"]["source"].string(), solvable ? "colors" : "history");
        EXPECT_EQ(d[2]["computerplan"]["moves"].integer() > 0, solvable);
        EXPECT_LE(d[2]["computerplan"]["moves"].integer(), 5);
        EXPECT_EQ(visible(d[2], "Notice"), !solvable);
        EXPECT_TRUE(solvable || caption(d[2], "Notice").find("cannot solve") != std::string::npos);
    }
}

struct Told {
    bool arrow = false;
    const char* button = "";
    int row = 0, col = 0;
};

// Reads the hint's notice; fails the test on any other sentence.
Told readHint(const std::string& notice) {
    Told t;
    std::smatch m;
    static const std::regex click(R"(Hint: (left|right)-click the square in row (\d+), column (\d+)\.)");
    if (notice == "Hint: press an arrow key first to turn the cube.") {
        t.arrow = true;
    } else if (std::regex_match(notice, m, click)) {
        t.button = m[1] == "left" ? "left" : "right";
        t.row = std::stoi(m[2]);
        t.col = std::stoi(m[3]);
    } else {
        ADD_FAILURE() << "not a hint: " << notice;
    }
    return t;
}

// Everything the game holds but the notice, which the hint changes.
std::string withoutNotice(const Json& d) {
    nlohmann::ordered_json j = nlohmann::ordered_json::parse(d.text());
    j["controls"].erase("Notice");
    return j.dump();
}

// For scrambled cubes of several sizes, with the plan from the history and
// from the colours: the player who does what the hint says makes the move
// the computer then makes with "b".
TEST(Hint, NamesTheMoveTheComputerThenMakes) {
    int clicks = 0, arrows = 0;
    for (const bool shortest : {false, true}) {
        for (const int n : {2, 3, 4}) {
            if (shortest && n == 4) continue;  // the big cubes' plans are read the same way
            for (const char* clock : {"1000", "2345", "4321"}) {
                const std::vector<std::string> args = {"--clock", clock};
                ScriptFolder folder(scrambledStart(n, 12));
                const std::string start = std::string("settle\n") + (shortest ? "menu shortest\n" : "");
                const std::vector<Json> before = folder.run(start + "dump\nkey h\ndump\n", args).dumps();
                ASSERT_EQ(before.size(), 2u);
                const Json& d = before[1];
                const Told told = readHint(caption(d, "Notice"));
                ASSERT_TRUE(visible(d, "Notice"));
                EXPECT_EQ(withoutNotice(before[0]), withoutNotice(d)) << "the hint changed the game";

                const Json computer = folder.run(start + "key b\nsettle\ndump\n", args).lastDump();
                const std::string where = "n " + std::to_string(n) + " clock " + clock;
                if (told.arrow) {
                    ++arrows;
                    EXPECT_EQ(computer["faces"], d["faces"]) << where;
                    EXPECT_NE(withoutNotice(computer), withoutNotice(d)) << where << ": the computer turned the cube";
                    continue;
                }
                ++clicks;
                const Json player =
                    folder
                        .run(start + "key h\n" + clickCell(d, told.col, told.row, told.button) + "settle\ndump\n", args)
                        .lastDump();
                EXPECT_EQ(player["faces"], computer["faces"]) << where;
                EXPECT_NE(player["faces"], d["faces"]) << where;
                if (!shortest) {
                    EXPECT_EQ(player["history"], computer["history"]) << where;
                }
            }
        }
    }
    EXPECT_GT(clicks, 0);
    EXPECT_GT(arrows, 0);
}

// The ring shows on the square the hint names and goes at the next event,
// with the notice, leaving the picture exactly as it was.
TEST(Hint, TheRingLastsUntilTheNextEvent) {
    ScriptFolder folder(scrambledStart(3, 12));
    const std::vector<Json> d = folder.run("settle\ndump\nkey h\ndump\n").dumps();
    ASSERT_EQ(d.size(), 2u);
    const Told told = readHint(caption(d[1], "Notice"));
    ASSERT_FALSE(told.arrow) << "choose a clock whose first move is a click";
    const Json& g = d[0]["geometry"];
    const int s = g["squarewidth"].integer();
    const int x = g["cubeleft"].integer() + (told.col - 1) * s + 1;
    const int y = g["cubetop"].integer() + (told.row - 1) * s + s / 2;
    const std::string ring = "pixel " + std::to_string(x) + " " + std::to_string(y) + "\npixel " +
                             std::to_string(x + 2) + " " + std::to_string(y) + "\n";
    // 65 ("a") is a key the game does nothing with.
    const ScriptResult r = folder.run("settle\n" + ring + "key h\n" + ring + "key 65\n" + ring + "dump\n");
    ASSERT_EQ(r.lines.size(), 7u);
    EXPECT_EQ(r.lines[2], "15");
    EXPECT_EQ(r.lines[3], "0");
    EXPECT_EQ(r.lines[4], r.lines[0]);
    EXPECT_EQ(r.lines[5], r.lines[1]);
    EXPECT_FALSE(visible(r.lastDump(), "Notice"));
    EXPECT_EQ(r.surfaceHash, folder.run("settle\n").surfaceHash);
}

}  // namespace
}  // namespace vx::test
