// The game's rules as a player meets them, through the script mode and an
// idle window. (Whole games: golden_test.cpp.)
#include <gtest/gtest.h>

#include "game/game_support.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "support/test_glyphs.h"

namespace vx::test {
namespace {

// While the computer solves, and while a panel is open, keys and clicks on
// the cube or the mode boxes do nothing; a panel also closes the menus that
// open other panels, their items with them.
TEST(Clicks, KeysAndMenusThatMustWait) {
    const std::string script =
        "menu csolve\nsettle\ndump\nkey left\nkey r\nkey b\nclick 272 251 left\ndump\nmenu usolve\n"
        "menu choosecolors\nclick 50 110 left\nkey left\nmenu csolve\nclick 272 251 left\ndump\n";
    const std::vector<Json> d = ScriptFolder(solvedStart()).run(script).dumps();
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[1]["frontface"].integer(), d[0]["frontface"].integer());
    EXPECT_EQ(d[1]["frontturn"].integer(), d[0]["frontturn"].integer());
    EXPECT_EQ(d[1]["histcount"].integer(), 0);
    EXPECT_EQ(d[2]["computersolves"].integer(), 0);
    EXPECT_FALSE(checked(d[2], "csolve"));
    EXPECT_EQ(d[2]["frontface"].integer() * 10 + d[2]["frontturn"].integer(), 11);
    EXPECT_EQ(d[2]["histcount"].integer(), 0);
}

// A window that has no events: the loop must wait for one, not spin. After
// start-up every idle poll, practising or with the computer done, waits.
class QuietWindow final : public Platform {
public:
    std::vector<bool> waits;
    void pumpEvents(Game& g, YieldPoint, bool wait) override {
        waits.push_back(wait);
        if (waits.size() == 200) csolve_Click(g);
        if (waits.size() == 400) Form_Unload(g);
    }
    void timerChanged(const Timer&) override {}
    ClientSize clientSize() override { return {800, 560}; }
    void maximise() override {}
    double clock() override { return 1000; }
    GlyphSource& glyphs() override { return blankGlyphs(); }
};

TEST(IdlePoll, AnIdleGameWaitsForEvents) {
    ScriptFolder folder;
    QuietWindow window;
    Game game(window);
    const std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    Form_Activate(game);
    std::filesystem::current_path(old);
    ASSERT_EQ(window.waits.size(), 400u);
    EXPECT_TRUE(game.s.play.cube.solved(3)) << "the computer solved meanwhile";
    EXPECT_EQ(std::count(window.waits.begin() + 2, window.waits.begin() + 200, false), 0) << "practising";
    EXPECT_EQ(std::count(window.waits.begin() + 220, window.waits.end(), false), 0) << "the computer done";
}

}  // namespace
}  // namespace vx::test
