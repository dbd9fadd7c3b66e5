// The option panels: six colours, the scramble count, the rotation time, the
// size menu, and the settings file that keeps them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "game/game_support.h"

namespace vx::test {
namespace {

std::vector<int> faceColours(const Json& d) {
    std::vector<int> out;
    for (const Json& c : d["facecolor"].array()) out.push_back(c.integer());
    return out;
}

const char* const kBoxes[] = {"Check35", "Check36", "Check37", "Check38", "Check39", "Check3", "Check4",
                              "Check42", "Check43", "Check44", "Check45", "Check46", "Check1", "Check2"};

TEST(ColourPanel, OpensWithTheSixColoursTickedAndOnlyThoseUsable) {
    ScriptFolder folder;
    const ScriptResult r = folder.run("menu choosecolors\ndump\nwait\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const Json d = r.lastDump();
    const std::set<std::string> defaults = {"Check42", "Check43", "Check45", "Check46", "Check1", "Check2"};
    for (const char* box : kBoxes) {
        const Json& c = d["controls"][box];
        EXPECT_TRUE(c["visible"].boolean()) << box;
        EXPECT_EQ(c["ticked"].boolean(), defaults.count(box) == 1) << box;
        EXPECT_EQ(c["enabled"].boolean(), defaults.count(box) == 1) << box;
    }
    EXPECT_TRUE(d["controls"]["Command1"]["enabled"].boolean());
    EXPECT_FALSE(d["controls"]["Check40"]["visible"].boolean());
    EXPECT_EQ(d["colorcount"].integer(), 6);
    EXPECT_FALSE(enabled(d, "choosecolors"));
    EXPECT_FALSE(enabled(d, "solvingoptions"));
    EXPECT_EQ(d["panelopen"].integer(), 1);
}

TEST(ColourPanel, SixColourRuleAndDoneInPaletteOrder) {
    ScriptFolder folder;
    const ScriptResult r =
        folder.run("menu choosecolors\nwait\ntoggle Check2\nwait\ndump\ntoggle Check35\nwait\ndump\npress Command1\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    // Five ticked: Done is off and every box can be ticked.
    EXPECT_FALSE(d[0]["controls"]["Command1"]["enabled"].boolean());
    for (const char* box : kBoxes) EXPECT_TRUE(d[0]["controls"][box]["enabled"].boolean()) << box;
    EXPECT_EQ(d[0]["colorcount"].integer(), 5);
    // Six again: the unticked boxes are off, Done is on.
    EXPECT_TRUE(d[1]["controls"]["Command1"]["enabled"].boolean());
    EXPECT_FALSE(d[1]["controls"]["Check37"]["enabled"].boolean());
    EXPECT_TRUE(d[1]["controls"]["Check2"]["ticked"].boolean() == false);
    EXPECT_EQ(faceColours(d[2]), (std::vector<int>{1, 9, 10, 12, 13, 14}));
    EXPECT_FALSE(visible(d[2], "Check35"));
    EXPECT_EQ(d[2]["panelopen"].integer(), 0);
    EXPECT_TRUE(enabled(d[2], "choosecolors"));
}

TEST(ColourPanel, DefaultAndFluorescentSetsTakeEffectAtOnceDoneSortsThem) {
    ScriptFolder folder;
    const ScriptResult r = folder.run("menu choosecolors\npress Command4\ndump\npress Command1\ndump\n"
                                      "menu choosecolors\npress Command2\ndump\npress Command1\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    EXPECT_EQ(faceColours(d[0]), (std::vector<int>{1, 10, 5, 9, 11, 13}));
    EXPECT_EQ(d[0]["colorcount"].integer(), 6);
    EXPECT_EQ(faceColours(d[1]), (std::vector<int>{1, 5, 9, 10, 11, 13}));
    EXPECT_EQ(faceColours(d[2]), (std::vector<int>{10, 9, 12, 13, 14, 15}));
    EXPECT_EQ(faceColours(d[3]), (std::vector<int>{9, 10, 12, 13, 14, 15}));
}

TEST(ColourPanel, NewColoursWaitForTheNextCube) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", solvedStart());
    const ScriptResult r = folder.run("dump\nmenu choosecolors\npress Command4\npress Command1\ndump\n"
                                      "menu newpuzzle\nsettle\ndump\n");
    const std::vector<Json> d = r.dumps();
    for (int f = 1; f <= 6; ++f) EXPECT_EQ(square(d[1], 2, 2, f), square(d[0], 2, 2, f));
    std::set<int> colours;
    for (int f = 1; f <= 6; ++f) colours.insert(square(d[2], 2, 2, f));
    EXPECT_EQ(colours, (std::set<int>{1, 5, 9, 10, 11, 13}));
}

TEST(NumberPanels, ScrambleCountIsCleanedUpOnDone) {
    const std::pair<const char*, const char*> cases[] = {
        {"7x", "7"}, {"", "0"}, {"ab", "0"}, {"-5", "0"}, {"05", "5"}, {".5", ".5"}, {"123", "12"}};
    for (const auto& [typed, shown] : cases) {
        ScriptFolder folder;
        const Json d = folder.run(std::string("menu difficulty\ntype Text1 ") + typed + "\npress Command3\ndump\n")
                           .lastDump();
        EXPECT_EQ(text(d, "Text1"), shown) << "typed " << typed;
        EXPECT_FALSE(visible(d, "Text1"));
        EXPECT_EQ(d["focus"].string(), "");
    }
}

TEST(NumberPanels, CountTakesEffectAtTheNextNewPuzzle) {
    ScriptFolder folder;
    const ScriptResult r = folder.run("menu difficulty\ntype Text1 9\npress Command3\ndump\nmenu newpuzzle\nsettle\ndump\n"
                                      "menu difficulty\ntype Text1 x\npress Command3\nmenu newpuzzle\nsettle\ndump\n");
    const std::vector<Json> d = r.dumps();
    EXPECT_EQ(d[0]["histcount"].integer(), 3);
    EXPECT_EQ(d[1]["histcount"].integer(), 9);
    EXPECT_EQ(d[2]["histcount"].integer(), 0) << "no number: no scramble";
}

TEST(NumberPanels, RotationTime) {
    const std::pair<const char*, double> cases[] = {{"-3", -3}, {"25", 25}, {"05", 5}, {"", 0}, {".5", 0.5}};
    for (const auto& [typed, value] : cases) {
        ScriptFolder folder;
        const ScriptResult r =
            folder.run(std::string("menu choosetime\ntype Text2 ") + typed + "\npress Command5\nmenu choosetime\ndump\n");
        const Json d = r.lastDump();
        EXPECT_EQ(d["rotationtime"].number(), value) << typed;
        EXPECT_TRUE(visible(d, "Text2"));
    }
    ScriptFolder folder;
    const Json d = folder.run("menu choosetime\ntype Text2 05\npress Command5\nmenu choosetime\ndump\n").lastDump();
    EXPECT_EQ(text(d, "Text2"), "5");
}

TEST(NumberPanels, NegativeRotationTimeMeansNoPauses) {
    ScriptFolder folder;
    const Json d =
        folder.run("menu choosetime\ntype Text2 -3\npress Command5\nmenu csolve\nsettle\ndump\n").lastDump();
    EXPECT_TRUE(solved(d));
    EXPECT_EQ(d["time_ms"].integer(), 0);
}

TEST(SizeMenu, TakesEffectAtTheNextNewCube) {
    ScriptFolder folder;
    const ScriptResult r = folder.run("menu by12\ndump\nmenu newpuzzle\nsettle\ndump\nmenu by12\ndump\n");
    const std::vector<Json> d = r.dumps();
    EXPECT_EQ(d[0]["cubesize"].integer(), 3);
    EXPECT_EQ(d[0]["pendingsize"].integer(), 12);
    EXPECT_TRUE(checked(d[0], "by12"));
    EXPECT_FALSE(checked(d[0], "by3"));
    EXPECT_EQ(d[1]["cubesize"].integer(), 12);
    EXPECT_EQ(d[1]["geometry"]["squarewidth"].integer(), 19);
    EXPECT_TRUE(checked(d[2], "by12"));
    EXPECT_EQ(d[0]["menu"]["by12"]["caption"].string(), "12 by 12 by 12");
    EXPECT_EQ(d[0]["menu"]["by3"]["caption"].string(), "3 by 3 by 3 (standard)");
}

TEST(Settings, SavedThenReadAtTheNextStart) {
    ScriptFolder folder;
    const ScriptResult r = folder.run(
        "menu by7\nmenu difficulty\ntype Text1 5\npress Command3\nmenu choosetime\ntype Text2 12\npress Command5\n"
        "menu choosecolors\npress Command4\npress Command1\nmenu savesettings\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(folder.read("vexelcz.settings"), " 1  5  9  10  11  13  7  5  12  0 \r\n");
    const Json d = folder.run("dump\n").lastDump();
    EXPECT_EQ(d["cubesize"].integer(), 7);
    EXPECT_EQ(d["histcount"].integer(), 5);
    EXPECT_EQ(d["rotationtime"].number(), 12);
    EXPECT_EQ(faceColours(d), (std::vector<int>{1, 5, 9, 10, 11, 13}));
}

TEST(Settings, DrawModeAndCountZeroAreKept) {
    ScriptFolder folder;
    folder.run("menu difficulty\ntype Text1 0\npress Command3\nmenu createp\nmenu savesettings\n");
    EXPECT_EQ(folder.read("vexelcz.settings"), " 10  9  12  13  14  15  3  0  0  1 \r\n");
}

TEST(Settings, AFailedSaveShowsANoticeAndChangesNothingElse) {
    ScriptFolder folder;
    std::filesystem::create_directory(folder.path() / "vexelcz.settings");
    const ScriptResult r = folder.run("dump\nmenu savesettings\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    EXPECT_TRUE(visible(d[1], "Notice"));
    EXPECT_NE(caption(d[1], "Notice").find("settings"), std::string::npos);
    EXPECT_EQ(d[1]["caption"].string(), d[0]["caption"].string());
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "vexelcz.settings"));
}

// The two files a save writes: one marked read-only is kept with a notice,
// and a link is replaced itself, never the file outside the folder it names.
TEST(Settings, ReadOnlyFilesAndLinksAreNeverWrittenThrough) {
    namespace fs = std::filesystem;
    const std::string turned = "key left\nclick 300 230 left\nkey right\nwait\n";
    const char* saves[] = {"menu savesettings\n", "menu savepuzzle\ntype Text4 x\npress Command10\n"};
    const char* files[] = {"vexelcz.settings", "x.cube"};
    for (int i = 0; i < 2; ++i) {
        ScriptFolder folder;
        folder.write(files[i], "keep");
        fs::permissions(folder.path() / files[i], fs::perms::owner_read);
        const Json kept = folder.run(turned + saves[i] + "dump\n").lastDump();
        EXPECT_TRUE(visible(kept, "Notice")) << files[i];
        EXPECT_EQ(folder.read(files[i]), "keep") << files[i];

        ScriptFolder linked;
        const fs::path victim = linked.path() / "outside" / "victim";
        fs::create_directory(victim.parent_path());
        fs::create_directory(linked.path() / "game");
        std::ofstream(victim) << "keep";
        fs::create_symlink("../outside/victim", linked.path() / "game" / files[i]);
        linked.write("game/script.txt", turned + saves[i] + "dump\n");
        const std::string command = "cd '" + (linked.path() / "game").string() + "' && QT_QPA_PLATFORM=offscreen '" +
                                    VEXELCUBE_PATH + "' --script script.txt --clock 1000 > /dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0);
        EXPECT_EQ(linked.read("outside/victim"), "keep") << files[i];
        EXPECT_FALSE(fs::is_symlink(linked.path() / "game" / files[i])) << files[i];
        EXPECT_TRUE(fs::is_regular_file(linked.path() / "game" / files[i])) << files[i];
    }
}

}  // namespace
}  // namespace vx::test
