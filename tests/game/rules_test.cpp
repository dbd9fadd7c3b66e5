// The game's rules as a player meets them, each through the script mode.
#include <gtest/gtest.h>

#include "game/game_support.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "support/test_glyphs.h"

namespace vx::test {
namespace {

// A run in a fresh folder that holds `settings`; the dumps it printed.
std::vector<Json> play(const std::string& settings, const std::string& script) {
    const ScriptResult r = ScriptFolder(settings).run(script);
    EXPECT_EQ(r.status, 0) << r.errors;
    return r.dumps();
}

// While the computer solves, and while a panel is open, keys and clicks on
// the cube or the mode boxes do nothing; a panel also closes the menus that
// open other panels, their items with them.
TEST(Clicks, KeysAndMenusThatMustWait) {
    const std::vector<Json> d = play(solvedStart(),
                                     "menu csolve\nsettle\ndump\nkey left\nkey r\nkey b\nclick 272 251 left\ndump\n"
                                     "menu usolve\nmenu choosecolors\nclick 50 110 left\nkey left\nmenu csolve\n"
                                     "click 272 251 left\ndump\n");
    EXPECT_EQ(d[1]["frontface"].integer(), d[0]["frontface"].integer());
    EXPECT_EQ(d[1]["frontturn"].integer(), d[0]["frontturn"].integer());
    EXPECT_EQ(d[1]["histcount"].integer(), 0);
    EXPECT_EQ(d[2]["computersolves"].integer(), 0);
    EXPECT_FALSE(checked(d[2], "csolve"));
    EXPECT_EQ(d[2]["frontface"].integer() * 10 + d[2]["frontturn"].integer(), 11);
    EXPECT_EQ(d[2]["histcount"].integer(), 0);
}

// Every move waits for Timer1 at its rotation time (tenths of a second);
// the interval is that in milliseconds, halves rounded to the even whole
// number and never below 1 ms. With none the computer moves at once.
TEST(Computer, MovesArePacedByTheRotationTime) {
    const std::pair<double, int> cases[] = {{0, 0}, {.001, 1}, {.125, 12}, {.375, 38}, {.5, 50}, {.625, 62}, {4, 400}};
    for (const auto& [tenths, tick] : cases) {
        std::string script = "dump\nmenu csolve\ndump\n";
        for (int i = 0; i < 40; ++i) script += "wait\ndump\n";
        const std::vector<Json> d = play(scrambledStart(3, 6, tenths), script);
        ASSERT_EQ(d.front()["histcount"].integer(), 6);
        int moves = 0;
        for (std::size_t i = 1; i < d.size(); ++i) {
            const int done = d[i - 1]["histcount"].integer() - d[i]["histcount"].integer();
            EXPECT_GE(d[i]["time_ms"].integer() - d[i - 1]["time_ms"].integer(), tick * done) << tenths;
            moves += done;
        }
        EXPECT_EQ(moves, 6) << tenths;
        EXPECT_TRUE(solved(d.back())) << tenths;
        EXPECT_EQ(d.back()["time_ms"].integer() == 0, tick == 0) << tenths;
        if (tick > 0) {
            EXPECT_TRUE(d[1]["timer"]["enabled"].boolean()) << tenths;
            EXPECT_EQ(d[1]["timer"]["interval"].integer(), tick) << tenths;
        }
    }
}

// A game of difficulty 2 solved by hand: counted, the next cube offered;
// the next cube is scrambled as hard; quitting goes back to practice.
TEST(Game, SolvedCubesCountAndTheNextIsOffered) {
    ScriptFolder folder(scrambledStart(3, 2));
    const std::string start = "menu gamemode\nsettle\n";
    const Json g = folder.run(start + "dump\n").lastDump();
    EXPECT_EQ(g["caption"].string(), "Vexel-cube Zandrel: by Kestrin (Solving \"3 by 3 by 3\" Vexel-cubes)");
    EXPECT_EQ(caption(g, "Label5"), "Difficulty level: 2");
    EXPECT_FALSE(enabled(g, "createmode"));
    EXPECT_FALSE(enabled(g, "savepuzzle"));
    const std::vector<Json> d = folder
                                    .run(start + undoByClicks(g) +
                                         "dump\nmenu choosecolors\npress Command1\ndump\n"
                                         "press Command6\nsettle\ndump\nmenu usolve\ndump\n")
                                    .dumps();
    EXPECT_EQ(d[0]["solvedcount"].integer(), 1);
    EXPECT_EQ(caption(d[0], "Label4"), "Number of cubes solved: 1");
    EXPECT_TRUE(visible(d[0], "Command6") && visible(d[0], "Command7"));
    EXPECT_EQ(d[0]["solvewasnew"].integer(), 0);
    EXPECT_FALSE(enabled(d[1], "savepuzzle")) << "a panel does not offer a game's cube for saving";
    EXPECT_EQ(d[2]["histcount"].integer(), 2);
    EXPECT_FALSE(visible(d[2], "Command6"));
    EXPECT_EQ(d[3]["gameon"].integer(), 0);
    EXPECT_EQ(d[3]["caption"].string(), "Vexel-cube Zandrel: by Kestrin (Practice-mode)");
}

TEST(Panels, NumbersAreCleanedUpAndSettingsKept) {
    const std::pair<const char*, const char*> counts[] = {
        {"7x", "7"}, {"", "0"}, {"-5", "0"}, {".5", ".5"}, {"123", "12"}};
    for (const auto& [typed, shown] : counts) {
        const Json d = play("", std::string("menu difficulty\ntype Text1 ") + typed + "\npress Command3\ndump\n").at(0);
        EXPECT_EQ(text(d, "Text1"), shown) << typed;
    }
    ScriptFolder folder;
    folder.run(
        "menu difficulty\ntype Text1 9\npress Command3\nmenu choosetime\ntype Text2 05\npress Command5\n"
        "menu by7\nmenu shortest\nmenu savesettings\n");
    EXPECT_EQ(folder.read("vexelcz.settings"), " 10  9  12  13  14  15  7  9  5  0  1 \r\n");
    const Json d = folder.run("dump\nmenu shortest\nmenu savesettings\n").lastDump();
    EXPECT_EQ(d["cubesize"].integer(), 7);
    EXPECT_EQ(d["histcount"].integer(), 9);
    EXPECT_EQ(d["rotationtime"].number(), 5);
    EXPECT_TRUE(d["shortest"].integer() == 1 && checked(d, "shortest"));
    EXPECT_EQ(folder.read("vexelcz.settings"), " 10  9  12  13  14  15  7  9  5  0  0 \r\n");
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
