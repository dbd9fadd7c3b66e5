// The script mode as an outside driver sees it: lines, yields, statuses.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

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
    auto d = nlohmann::json::parse(ScriptFolder().run("dump\n").lines.back());  // a missing key reads as null
    for (const char* key :
         {"cubesize",       "pendingsize", "frontface",    "frontturn",  "histcount",    "scramblesleft",
          "computersolves", "onemove",     "gameon",       "drawmode",   "solvedcount",  "gamescrambles",
          "gamestartstate", "solvewasnew", "cubefinished", "gamepuzzle", "rotationtime", "colorcount",
          "panelopen",      "panelshown",  "fontsize",     "time_ms"})
        EXPECT_TRUE(d[key].is_number()) << key;
    EXPECT_TRUE(d["caption"].is_string());
    EXPECT_EQ(d["faces"].size(), 6u);
    EXPECT_EQ(d["faces"][0].size(), 3u);
    EXPECT_EQ(d["facecolor"].size(), 6u);
    EXPECT_EQ(d["history"][0].size(), 3u);
    EXPECT_TRUE(d["menu"]["usolve"]["checked"].is_boolean());
    EXPECT_EQ(d["menu"]["csolve"]["caption"], "Computer solves cube (press \"b\" for one move)");
    EXPECT_TRUE(d["controls"]["Check1"]["ticked"].is_boolean());
    EXPECT_TRUE(d["controls"]["File1"]["entries"].is_array());
    EXPECT_EQ(d["controls"]["Text1"]["text"], "3");
}

// The dump's keys have one home, the dump itself; the page outside drivers
// read must describe each of them, nested ones included.
TEST(ScriptMode, ThePageOfTheScriptModeDescribesEveryKeyOfTheDump) {
    std::ifstream in(VEXEL_DOCS_DIR "/script-mode.md");
    std::stringstream page;
    page << in.rdbuf();
    ASSERT_FALSE(page.str().empty());
    const auto d = nlohmann::json::parse(ScriptFolder().run("dump\n").lines.back());
    for (const auto& [key, value] : d.items()) {
        EXPECT_NE(page.str().find('`' + key + '`'), std::string::npos) << key;
        if (key == "menu" || key == "controls") continue;  // named by the form, not by the dump
        if (!value.is_object()) continue;
        for (const auto& [inner, unused] : value.items())
            EXPECT_NE(page.str().find('`' + inner + '`'), std::string::npos) << key << "." << inner;
    }
}

}  // namespace
}  // namespace vx::test
