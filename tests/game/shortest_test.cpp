// "Shortest solution (computer reads the colors)": with it ticked the
// computer solves from the colours when that is shorter or the history does
// not solve the cube; its plan is carried out by the ordinary replay.
#include <gtest/gtest.h>

#include <algorithm>

#include "cube/random.h"
#include "files/puzzle_file.h"
#include "game/game_support.h"
#include "support/solved_cube.h"

namespace vx::test {
namespace {

Cube turnedAtRandom(int n, int turns, unsigned seed) {
    Cube c = solvedCube(n);
    Random rnd;
    rnd.seed(seed);
    for (int i = 0; i < turns; ++i) c.turn({rnd.upTo(3) - 1, rnd.upTo(n), rnd.upTo(2) == 1 ? 1 : -1}, n);
    return c;
}

// A puzzle file of the cube with no history: only the colours can solve it.
std::string puzzle(const Cube& c, int n) { return formatPuzzle(n, {1, 1}, History{}, c); }

// The entries of history `now` are the bottom of history `before`: the
// replay took only from the top.
bool bottomOf(const Json& now, const Json& before) {
    const auto &n = now.array(), &b = before.array();
    return n.size() <= b.size() && std::equal(n.begin(), n.end(), b.begin());
}

const std::string kLoad = "menu loadpuzzle\nselect File2 p.cube\npress Command8\n";

// A puzzle with no history: unticked the computer cannot solve it, ticked
// it solves it from the colours. A painted cube that no turns can solve
// keeps its history, and a notice says why.
TEST(Shortest, AHandMadePuzzleIsSolvedFromItsColoursOnlyWhenTicked) {
    ScriptFolder folder(solvedStart());
    Cube flipped = solvedCube(3);  // the edge of face 1's top row and face 2's front row
    flipped.setSquarecolor(2, 1, 1, kGameColours[2]);
    flipped.setSquarecolor(2, 3, 2, kGameColours[1]);
    const struct {
        int n;
        Cube cube;
        bool solvable;
    } puzzles[] = {{2, turnedAtRandom(2, 40, 9), true}, {3, turnedAtRandom(3, 40, 10), true}, {3, flipped, false}};
    for (const auto& [n, cube, solvable] : puzzles) {
        folder.write("p.cube", puzzle(cube, n));
        const std::vector<Json> d =
            folder
                .run(kLoad + "dump\nmenu csolve\nsettle\ndump\nmenu usolve\nmenu shortest\nmenu csolve\nsettle\ndump\n")
                .dumps();
        ASSERT_EQ(d.size(), 3u);
        EXPECT_FALSE(solved(d[0]) || solved(d[1])) << n << ": the history alone cannot solve it";
        EXPECT_EQ(d[1]["computerplan"]["source"].string(), "history");
        EXPECT_EQ(d[1]["computerplan"]["moves"].integer(), 0);
        EXPECT_EQ(d[2]["shortest"].integer(), 1);
        EXPECT_EQ(solved(d[2]), solvable) << n;
        EXPECT_EQ(d[2]["histcount"].integer(), 0);
        EXPECT_EQ(d[2]["solvewasnew"].integer(), solvable ? 0 : 1) << "a solve clears the mark of a loaded cube";
        EXPECT_EQ(d[2]["computerplan"]["source"].string(), solvable ? "colors" : "history");
        EXPECT_EQ(d[2]["computerplan"]["moves"].integer() > 0, solvable);
        EXPECT_LE(d[2]["computerplan"]["moves"].integer(), n == 2 ? 14 : 30);
        EXPECT_EQ(visible(d[2], "Notice"), !solvable);
        EXPECT_TRUE(solvable || caption(d[2], "Notice").find("cannot solve") != std::string::npos);
    }
}

// A long scramble: unticked, the computer replays the history as it always
// did; ticked, a shorter plan takes its place and is paced the same way.
TEST(Shortest, TheSolutionTakesThePlaceOfALongerHistory) {
    for (const bool ticked : {false, true}) {
        ScriptFolder folder(scrambledStart(3, 60, 2));
        std::string script = std::string(ticked ? "menu shortest\n" : "") + "dump\nmenu csolve\n";
        for (int i = 0; i < 8; ++i) script += "wait\ndump\n";
        script += "settle\ndump\n";
        const std::vector<Json> d = folder.run(script).dumps();
        const int scrambled = d[0]["histcount"].integer();
        ASSERT_GT(scrambled, 40);
        const Json& plan = d.back()["computerplan"];
        EXPECT_EQ(plan["source"].string(), ticked ? "colors" : "history");
        if (ticked) {
            EXPECT_LT(plan["moves"].integer(), scrambled);
        } else {
            EXPECT_EQ(plan["moves"].integer(), scrambled);
            for (std::size_t i = 1; i < d.size(); ++i) EXPECT_TRUE(bottomOf(d[i]["history"], d[0]["history"])) << i;
        }
        // One entry at a time, each after its tick of the rotation time.
        for (std::size_t i = 2; i < 9; ++i) {
            const int done = d[i - 1]["histcount"].integer() - d[i]["histcount"].integer();
            EXPECT_LE(done, 1);
            EXPECT_GE(d[i]["time_ms"].integer() - d[i - 1]["time_ms"].integer(), 200 * done);
        }
        EXPECT_LT(d[8]["histcount"].integer(), d[1]["histcount"].integer());
        EXPECT_TRUE(solved(d.back()));
        EXPECT_EQ(d.back()["histcount"].integer(), 0);
    }
}

}  // namespace
}  // namespace vx::test
