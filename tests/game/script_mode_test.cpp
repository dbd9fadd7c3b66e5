// The script mode as an outside driver sees it: lines, yields, statuses.
#include <gtest/gtest.h>

#include "game/game_support.h"

namespace vx::test {
namespace {

TEST(ScriptMode, QueriesAnswerAtOnceAndTheEndClosesTheWindow) {
    ScriptFolder folder;
    const ScriptResult r = folder.run("# a comment\n\necho hello there\npixel 0 0\npng shot.png\n");
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0], "hello there");
    EXPECT_EQ(r.lines[1], "0");
    EXPECT_TRUE(folder.exists("shot.png"));
}

TEST(ScriptMode, BadLinesStopWithStatusTwo) {
    const char* bad[] = {"jump\n",
                         "menu nosuchitem\n",
                         "press Label4\n",
                         "toggle Command1\n",
                         "key q\n",
                         "click 10 ten left\n",
                         "click 10 10 middle\n",
                         "pixel 800 0\n",
                         "pixel -1 5\n",
                         "wait x\n",
                         "type NoBox hello\n"};
    for (const char* line : bad) {
        ScriptFolder folder;
        const ScriptResult r = folder.run(std::string(line) + "echo unreachable\n");
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_TRUE(r.lines.empty()) << line;
        EXPECT_NE(r.errors.find("line 1"), std::string::npos) << r.errors;
    }
}

TEST(ScriptMode, UnusableControlsAreDroppedWithAWarning) {
    ScriptFolder folder;
    const ScriptResult r = folder.run(
        "press Command6\ntype Text3 x\nselect File2 none.cube\nmenu usolve\n"
        "menu choosecolors\nmenu difficulty\ndump\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.errors.find("dropped"), std::string::npos);
    const Json d = r.lastDump();
    EXPECT_FALSE(visible(d, "Text1")) << "no second panel while the colour panel is open";
}

TEST(ScriptMode, DumpHasEveryKeyADriverReadsWithItsType) {
    ScriptFolder folder;
    const Json d = folder.run("dump\n").lastDump();
    for (const char* key :
         {"cubesize",       "pendingsize", "frontface",    "frontturn",  "histcount",    "scramblesleft",
          "computersolves", "onemove",     "gameon",       "drawmode",   "solvedcount",  "gamescrambles",
          "gamestartstate", "solvewasnew", "cubefinished", "gamepuzzle", "rotationtime", "colorcount",
          "panelopen",      "panelshown",  "fontsize",     "time_ms"})
        EXPECT_EQ(d[key].type(), Json::Type::Number) << key;
    EXPECT_EQ(d["caption"].type(), Json::Type::String);
    EXPECT_EQ(d["faces"].size(), 6u);
    EXPECT_EQ(d["faces"][0].size(), 3u);
    EXPECT_EQ(d["facecolor"].size(), 6u);
    EXPECT_EQ(d["history"][0].size(), 3u);
    EXPECT_EQ(d["menu"]["usolve"]["checked"].type(), Json::Type::Bool);
    EXPECT_EQ(d["menu"]["csolve"]["caption"].string(), "Computer solves cube (press \"b\" for one move)");
    EXPECT_EQ(d["controls"]["Check1"]["ticked"].type(), Json::Type::Bool);
    EXPECT_EQ(d["controls"]["File1"]["entries"].type(), Json::Type::Array);
    EXPECT_EQ(d["controls"]["Text1"]["text"].string(), "3");
}

}  // namespace
}  // namespace vx::test
