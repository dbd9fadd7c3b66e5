// Where the game does the sound thing: keys that are no game key, save
// names, files it must not write through, and numbers from the settings held
// to their ranges.
#include <gtest/gtest.h>

#include <algorithm>

#include "files/puzzle_file.h"
#include "game/game_support.h"
#include "support/solved_cube.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

// The lower-case letter codes are the keypad's digits and F1..F11 (98 is the
// keypad's 2, 114 F3, 116 F5), 123 is F12: none of them is a game key.
TEST(Sound, CodesOfOtherKeysDoNothing) {
    std::string script;
    for (int code : {97, 98, 112, 114, 116, 122, 123, 0, 13, 27, 36, 41, 65, 83, 90, 255})
        script += "key " + std::to_string(code) + "\nsettle\n";
    ScriptFolder folder(solvedStart());
    const Json d = folder.run(script + "dump\n").lastDump();
    EXPECT_EQ(d["frontface"].integer() * 10 + d["frontturn"].integer(), 11);
    EXPECT_EQ(d["computersolves"].integer() + d["onemove"].integer() + d["histcount"].integer(), 0);
}

// Every file a save writes can be loaded: a name that is empty once cut at
// its first dot, or holds a path separator or a control character anywhere,
// is refused with a notice and nothing is written. Return in the name box
// saves as Done does.
TEST(Sound, SaveNamesThatNoListWouldShowAreRefused) {
    ScriptFolder folder(solvedStart());
    const std::string turned = "menu createp\nclick 348 327 left\nmenu messup\n";
    // (Names that are saved: the Save cases of file_cases_test.cpp.)
    for (const std::string name : {".mine", "../evil", " .x", "a.b/c", "..\\x", "esc\x1b", "tab\tx", "del\x7f", "  ",
                                   "\tlead", "unit\x1f", "\x1f"}) {
        const Json d =
            folder.run(turned + "menu savepuzzle\ntype Text4 " + name + "\npress Command10\ndump\n").lastDump();
        EXPECT_TRUE(visible(d, "Notice")) << name;
        EXPECT_EQ(d["panelopen"].integer(), 0) << name;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1) << name << ": only the settings";
    }
    EXPECT_FALSE(fs::exists(folder.path().parent_path() / "evil.cube"));
    const Json d = folder.run(turned + "menu savepuzzle\ntype Text4 kept\nkey 66\nkey 13\ndump\n").lastDump();
    EXPECT_TRUE(folder.exists("kept.cube"));
    EXPECT_EQ(d["panelopen"].integer(), 0);
}

// "Save puzzle" asks the cube whether it is solved, not the picture: a
// solved puzzle loaded onto a solved cube keeps its history and shows no
// "Solved Cube!", and is still no puzzle to save.
TEST(Sound, ASolvedCubeIsNotSavedWhateverThePictureShows) {
    ScriptFolder folder(solvedStart());
    History history;
    history.push({1, 2, 1});
    folder.write("solved.cube", formatPuzzle(3, {1, 1}, history, solvedCube(3)));
    const ScriptResult r = folder.run(
        "menu loadpuzzle\nselect File2 solved.cube\npress Command8\nwait\npixel 9 299\n"
        "menu savepuzzle\ntype Text4 again\npress Command10\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.lines.at(0), "0") << "the picture shows the text";
    ASSERT_EQ(r.lastDump()["histcount"].integer(), 1);
    EXPECT_FALSE(folder.exists("again.cube"));
}

// A link is replaced itself, never the file outside the folder it names
// (read-only files: file_cases_test.cpp).
TEST(Sound, LinksAreNeverWrittenThrough) {
    const std::string turned = "key left\nclick 300 230 left\nkey right\nwait\n";
    for (const auto& [file, save] : {std::pair{"vexelcz.settings", "menu savesettings\n"},
                                     {"x.cube", "menu savepuzzle\ntype Text4 x\npress Command10\n"}}) {
        ScriptFolder outside, linked;
        outside.write("victim", "keep");
        fs::create_symlink(outside.path() / "victim", linked.path() / file);
        EXPECT_EQ(linked.run(turned + save).status, 0);
        EXPECT_EQ(outside.read("victim"), "keep") << file;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(linked.path() / file))) << file;
    }
}

// Counts from the settings are held to 0..10000 before the game counts with
// them; a draw-mode other than 1 reads as off, so the computer solves.
TEST(Sound, NumbersFromTheSettingsAreHeldToTheirRanges) {
    const struct {
        const char* count;
        const char* shown;
        int turns;
    } counts[] = {{"-2147483649", "0", 0}, {"-1", "0", 0}, {"-99999999999999999999", "0", 0}, {"12", "12", 12}};
    for (const auto& c : counts) {
        ScriptFolder folder(std::string(" 10  9  12  13  14  15  2 ") + c.count + "  0  0 \r\n");
        const std::vector<Json> d =
            folder.run("dump\nmenu newpuzzle\nsettle\ndump\nmenu gamemode\nsettle\ndump\n").dumps();
        ASSERT_EQ(d.size(), 3u);
        EXPECT_EQ(text(d[0], "Text1"), c.shown) << c.count;
        EXPECT_LE(d[1]["histcount"].integer(), c.turns) << c.count;
        EXPECT_EQ(d[2]["gamescrambles"].integer(), std::max(c.turns, 1) + 1) << c.count;
    }
}

// Draw-mode is on only when the settings' tenth value reads 1, and the new
// cube is then left unscrambled to colour; any other value, also one that
// would round to 1, leaves it off.
TEST(Sound, DrawModeFromTheSettingsIsOnOnlyForOne) {
    const std::pair<const char*, bool> modes[] = {{"1", true},  {"1.0", true}, {"0.6", false}, {"1.4", false},
                                                  {"2", false}, {"-1", false}, {"7", false},   {".5", false}};
    for (const auto& [mode, on] : modes) {
        ScriptFolder folder(std::string(" 10  9  12  13  14  15  3  4  0 ") + mode + " \r\n");
        const Json d = folder.run("settle\ndump\n").lastDump();
        EXPECT_EQ(checked(d, "createp"), on) << mode;
        EXPECT_NE(checked(d, "messup"), on) << mode;
        EXPECT_EQ(d["drawmode"].integer(), on ? 1 : 0) << mode;
        EXPECT_EQ(d["histcount"].integer(), on ? 0 : 4) << mode;
    }
}

}  // namespace
}  // namespace vx::test
