// The file a player picks is the file used, a damaged puzzle file is refused
// whole with its reason, and a save says why it failed: played through the
// script mode as a player would, on a scrambled cube with a history.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "files/fields.h"
#include "files/puzzle_file.h"
#include "game/game_support.h"
#include "support/small_disk.h"
#include "support/solved_cube.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

// Start-up scrambles a 3-cube four turns: a history a wrong load would wipe.
const std::string kScrambled = scrambledStart(3, 4);

// A whole puzzle file: an unsolved n-cube with `entries` turns of history,
// so that files tell apart by size and length.
std::string puzzleText(int n, int entries) {
    History h;
    for (int k = 0; k < entries; ++k) h.push({1, (n + 1) / 2, 1});
    Cube cube = solvedCube(n);
    cube.setSquarecolor(1, 1, 1, kGameColours[2]);
    return formatPuzzle(n, {2, 3}, h, cube);
}

// The fields of `text` one a line, with field `at` (from 1) replaced.
std::string withValue(const std::string& text, std::size_t at, const std::string& value) {
    std::string out;
    std::size_t k = 0;
    for (const std::string_view f : splitFields(text)) out += " " + (++k == at ? value : std::string(f)) + " \r\n";
    return out;
}

// The first `count` values of `text`, one a line.
std::string firstValues(const std::string& text, std::size_t count) {
    std::string out;
    const std::vector<std::string_view> fields = splitFields(text);
    for (std::size_t k = 0; k < count && k < fields.size(); ++k) out += " " + std::string(fields[k]) + " \r\n";
    return out;
}

// The puzzle files of every load case, side by side in one folder.
std::map<std::string, std::string> puzzleFolder() {
    const std::string three = puzzleText(3, 3);
    return {
        {"x.cube", puzzleText(3, 2)},
        {"x.v2.cube", puzzleText(4, 1)},
        {" lead.cube", puzzleText(2, 3)},
        {"mine.old.cube", puzzleText(5, 2)},
        {"empty.cube", ""},
        {"header.cube", " 3  1  1  0  0 \r\n"},
        {"cut.cube", firstValues(three, 118)},  // the last entry and a half cut off
        {"size.cube", withValue(three, 1, "21")},
        {"color.cube", withValue(three, 6, "7")},
        {"history.cube", withValue(three, 114, "5")},
        {"word.cube", withValue(three, 3, "one")},
        {"junk.cube", std::string("\x00\x01\xfe\xff binary \x7f", 13)},
        {"huge.cube", " 3  1  1  999999999999  1 \r\n"},
    };
}

// What a refused load must leave exactly as it was.
const char* const kKept[] = {"cubesize",   "pendingsize",   "frontface", "frontturn", "faces",
                             "history",    "histcount",     "geometry",  "caption",   "solvedcount",
                             "gamepuzzle", "scramblesleft", "menu"};

struct LoadCase {
    const char* pick;    // the entry clicked in the load list
    int size, entries;   // the puzzle that arrives, or 0, 0 for a refusal
    const char* reason;  // a part of the notice a refusal shows
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << '"' << c.pick << '"'; }

class Load : public testing::TestWithParam<LoadCase> {};

TEST_P(Load, TakesThePickedFileWholeOrRefusesItWithItsReason) {
    const LoadCase& c = GetParam();
    ScriptFolder folder(kScrambled);
    for (const auto& [name, bytes] : puzzleFolder()) folder.write(name, bytes);
    const ScriptResult r = folder.run("settle\ndump\npng before.png\nmenu loadpuzzle\nselect File2 " +
                                      std::string(c.pick) + "\npress Command8\nsettle\ndump\npng after.png\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.errors, "");
    const std::vector<Json> d = r.dumps();
    ASSERT_EQ(d.size(), 2u);
    ASSERT_EQ(d[0]["histcount"].integer(), 4);
    EXPECT_EQ(d[1]["panelopen"].integer(), 0);
    if (c.size != 0) {
        EXPECT_EQ(d[1]["cubesize"].integer(), c.size);
        EXPECT_EQ(d[1]["histcount"].integer(), c.entries);
        EXPECT_FALSE(visible(d[1], "Notice"));
        return;
    }
    for (const char* key : kKept) EXPECT_EQ(d[1][key], d[0][key]) << key;
    EXPECT_EQ(folder.read("after.png"), folder.read("before.png")) << "the picture stays";
    ASSERT_TRUE(visible(d[1], "Notice"));
    EXPECT_EQ(caption(d[1], "Notice").rfind(c.pick, 0), 0u) << "names the file: " << caption(d[1], "Notice");
    EXPECT_NE(caption(d[1], "Notice").find(c.reason), std::string::npos) << caption(d[1], "Notice");
}

INSTANTIATE_TEST_SUITE_P(Files, Load,
                         testing::Values(
                             // A dotted or blank-led name picked from the list is that very file.
                             LoadCase{"x.v2.cube", 4, 1, ""}, LoadCase{"x.cube", 3, 2, ""},
                             LoadCase{" lead.cube", 2, 3, ""}, LoadCase{"mine.old.cube", 5, 2, ""},
                             // Files that do not hold every value they announce.
                             LoadCase{"empty.cube", 0, 0, " holds no numbers."},
                             LoadCase{"header.cube", 0, 0, " is cut short: it ends after 5 of the 113 values"},
                             LoadCase{"cut.cube", 0, 0, " is cut short: it ends after 118 of the 122 values"},
                             // One value out of range of each kind, and one that is no number.
                             LoadCase{"size.cube", 0, 0, "value 1 (the size) is 21, not 2..20."},
                             LoadCase{"color.cube", 0, 0, "value 6 (a square's color) is 7, not 1..6 or 8..15."},
                             LoadCase{"history.cube", 0, 0, "value 114 (a history entry's axis) is 5, not 1..3."},
                             LoadCase{"word.cube", 0, 0, "value 3 is not a number."},
                             LoadCase{"junk.cube", 0, 0, "value 1 is not a number."},
                             LoadCase{"huge.cube", 0, 0,
                                      "value 4 (the history's length) is 999999999999, not 0..1000000."}));

struct SaveCase {
    const char* how;      // how the player names the puzzle in the save panel
    const char* written;  // the one file the save writes ("": none, a notice says why)
};

void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.how; }

class Save : public testing::TestWithParam<SaveCase> {};

TEST_P(Save, WritesTheNamedFileAndNoOther) {
    const SaveCase& c = GetParam();
    ScriptFolder folder(kScrambled);
    const std::map<std::string, std::string> before = {
        {"x.cube", puzzleText(3, 2)}, {"x.v2.cube", puzzleText(4, 1)}, {" lead.cube", puzzleText(2, 3)}};
    for (const auto& [name, bytes] : before) folder.write(name, bytes);
    // Return in the name box saves as Done does.
    const std::string done = std::string(c.how).ends_with("key 13") ? "" : "press Command10\n";
    const ScriptResult r = folder.run("settle\nmenu savepuzzle\n" + std::string(c.how) + "\n" + done + "dump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.lastDump()["panelopen"].integer(), 0);
    EXPECT_EQ(visible(r.lastDump(), "Notice"), !*c.written) << caption(r.lastDump(), "Notice");
    for (const auto& [name, bytes] : before) {
        if (name == c.written) continue;
        EXPECT_EQ(folder.read(name), bytes) << '"' << name << "\" is kept";
    }
    const bool added = *c.written && !before.contains(c.written);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), added ? 5 : 4);
    EXPECT_FALSE(fs::exists(folder.path().parent_path() / "evil.cube"));
    if (!*c.written) return;
    // The file written holds the scrambled cube: its size and its four turns.
    const PuzzleRead written = parsePuzzle(folder.read(c.written));
    ASSERT_TRUE(written.puzzle) << '"' << c.written << '"';
    EXPECT_EQ(written.puzzle->cubesize, 3);
    EXPECT_EQ(written.puzzle->histcount, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Save,
    testing::Values(
        // A listed name, picked or typed exactly, is that file.
        SaveCase{"select File1 x.v2.cube", "x.v2.cube"}, SaveCase{"type Text4 x.v2.cube", "x.v2.cube"},
        SaveCase{"select File1  lead.cube", " lead.cube"}, SaveCase{"select File1 x.cube", "x.cube"},
        // A new name is cut at its first dot, its leading blanks dropped.
        SaveCase{"type Text4 abc.def", "abc.cube"}, SaveCase{"type Text4 x.v2", "x.cube"},
        SaveCase{"type Text4 mine.old.cube", "mine.cube"}, SaveCase{"type Text4   lead", "lead.cube"},
        SaveCase{"type Text4 kept\nkey 66\nkey 13", "kept.cube"},
        // Every file a save writes can be loaded: a name that is empty once
        // cut at its first dot, or holds a path separator or a control
        // character anywhere, is refused.
        SaveCase{"type Text4 .mine", ""}, SaveCase{"type Text4 ../evil", ""}, SaveCase{"type Text4  .x", ""},
        SaveCase{"type Text4 a.b/c", ""}, SaveCase{"type Text4 ..\\x", ""}, SaveCase{"type Text4 esc\x1b", ""},
        SaveCase{"type Text4 tab\tx", ""}, SaveCase{"type Text4 del\x7f", ""}, SaveCase{"type Text4   ", ""},
        SaveCase{"type Text4 \tlead", ""}, SaveCase{"type Text4 unit\x1f", ""}, SaveCase{"type Text4 \x1f", ""}));

// "Save puzzle" asks the cube whether it is solved, not the picture: a
// solved puzzle loaded onto a solved cube keeps its history and shows no
// "Solved Cube!", and is still no puzzle to save.
TEST(SaveSolved, ASolvedCubeIsNotSavedWhateverThePictureShows) {
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

// A save says why it failed, and keeps the file that was there; settings
// saved say so too.
TEST(SaveNotices, TellWhatHappened) {
    const auto savePuzzle = [](const std::string& name) {
        return "settle\nmenu savepuzzle\ntype Text4 " + name + "\npress Command10\ndump\n";
    };
    const std::string saveSettings = "menu savesettings\ndump\n";
    const auto notice = [](const ScriptFolder& folder, const std::string& script) {
        const Json d = folder.run(script).lastDump();
        return visible(d, "Notice") ? caption(d, "Notice") : "(no notice)";
    };
    {
        ScriptFolder folder(kScrambled);
        EXPECT_EQ(notice(folder, saveSettings), "The settings are saved in vexelcz.settings.");
        fs::permissions(folder.path() / "vexelcz.settings", fs::perms::owner_read);
        EXPECT_EQ(notice(folder, saveSettings), "Could not save the settings in vexelcz.settings: it is read-only.");
        folder.write("x.cube", "keep");
        fs::permissions(folder.path() / "x.cube", fs::perms::owner_read);
        EXPECT_EQ(notice(folder, savePuzzle("x")), "Could not save the puzzle x.cube: it is read-only.");
        EXPECT_EQ(folder.read("x.cube"), "keep");
        fs::create_directory(folder.path() / "y.cube");
        EXPECT_EQ(notice(folder, savePuzzle("y")), "Could not save the puzzle y.cube: a folder has its name.");
    }
    ScriptFolder folder;
    const SmallDisk disk(folder.path());
    if (!disk.mounted()) GTEST_SKIP() << "no full disk to be had here";
    folder.write("vexelcz.settings", kScrambled);
    folder.write("filler", std::string(64 << 10, 'x'));  // more than the disk holds
    EXPECT_EQ(notice(folder, savePuzzle("x")), "Could not save the puzzle x.cube: the disk is full.");
    EXPECT_FALSE(folder.exists("x.cube"));
}

// "Start new cube" in a game on a puzzle whose file has since been damaged
// tells why, as the load panel would, and what it did instead.
TEST(GamePuzzle, ThatNoLongerLoadsIsToldAndARandomCubeFollows) {
    ScriptFolder folder(solvedStart());
    // A solved cube with a history: loaded into a game, it is solved at once.
    History identity;
    for (int k = 0; k < 4; ++k) identity.push({1, 2, 1});
    folder.write("p.cube", formatPuzzle(3, {1, 1}, identity, solvedCube(3)));
    const ScriptResult r = folder.run(
        "menu gamemode\nsettle\nmenu loadpuzzle\nselect File2 p.cube\npress Command8\nsettle\ndump\n"
        // The picture written over the puzzle file damages it.
        "png p.cube\npress Command6\nsettle\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    ASSERT_TRUE(visible(d[0], "Command6")) << "the game's puzzle is solved";
    EXPECT_EQ(caption(d[1], "Notice"),
              "p.cube is not a puzzle: value 1 is not a number. A random cube was started instead.");
    EXPECT_TRUE(visible(d[1], "Notice"));
    EXPECT_FALSE(solved(d[1]));
}

}  // namespace
}  // namespace vx::test
