// Draw-mode: clicks colour squares with a four-turn sequence; the puzzle is
// saved, loaded and solved by the computer.
#include <gtest/gtest.h>

#include "game/game_support.h"

namespace vx::test {
namespace {

struct DrawMode : testing::Test {
    ScriptFolder folder;
    Json start;
    void SetUp() override {
        folder.write("vexelcz.settings", solvedStart());
        start = folder.run("dump\n").lastDump();
    }
};

TEST_F(DrawMode, AClickMakesFourTurnsThroughTheClickedSquare) {
    for (const char* button : {"left", "right"}) {
        for (auto [c, r] : {std::pair{2, 2}, std::pair{1, 1}, std::pair{3, 2}}) {
            SCOPED_TRACE(testing::Message() << button << " at (" << c << ", " << r << ")");
            const ScriptResult res =
                folder.run("menu createp\n" + clickCell(start, c, r, button) + "dump\n");
            ASSERT_EQ(res.status, 0) << res.errors;
            const Json d = res.lastDump();
            EXPECT_FALSE(solved(d));
            // Four turns about two axes: whatever merges, four entries or fewer
            // and the computer can undo them.
            EXPECT_GE(d["histcount"].integer(), 2);
            EXPECT_LE(d["histcount"].integer(), 4);
            const Json back = folder.run("menu createp\n" + clickCell(start, c, r, button) +
                                         "menu messup\nmenu csolve\nsettle\ndump\n")
                                  .lastDump();
            EXPECT_TRUE(solved(back));
        }
    }
}

TEST_F(DrawMode, SwitchingOffWithAnEmptyHistoryShowsSolvedAtOnce) {
    const ScriptResult r = folder.run("menu createp\npixel 9 299\nmenu messup\npixel 9 299\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.lines[0], "0");
    EXPECT_EQ(r.lines[1], "10");
    const Json d = r.lastDump();
    EXPECT_EQ(d["cubefinished"].integer(), 1);
    EXPECT_EQ(d["caption"].string(), "Vexel-cube Zandrel: by Kestrin (Practice-mode)");
    // With a history it does not.
    const ScriptResult m =
        folder.run("menu createp\n" + clickCell(start, 2, 2, "left") + "menu messup\npixel 9 299\n");
    EXPECT_EQ(m.lines[0], "0");
}

TEST_F(DrawMode, ANewPuzzleInDrawModeIsNotScrambled) {
    const Json d = folder.run("menu createp\nmenu newpuzzle\nsettle\ndump\n").lastDump();
    EXPECT_EQ(d["histcount"].integer(), 0);
    EXPECT_TRUE(solved(d));
    EXPECT_EQ(d["scramblesleft"].integer(), 0);
}

TEST_F(DrawMode, ComputerChosenInDrawModeWaitsForDrawModeToEnd) {
    const ScriptResult r = folder.run("menu createp\n" + clickCell(start, 2, 2, "left") +
                                      "menu csolve\nsettle\ndump\nmenu messup\nsettle\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    EXPECT_GT(d[0]["histcount"].integer(), 0) << "nothing moves in draw-mode";
    EXPECT_EQ(d[0]["computersolves"].integer(), 0);
    EXPECT_EQ(d[1]["computersolves"].integer(), 1);
    EXPECT_TRUE(solved(d[1]));
}

TEST_F(DrawMode, SavedPuzzleLoadsAndTheComputerSolvesIt) {
    const ScriptResult made = folder.run("menu createp\n" + clickCell(start, 2, 2, "left") +
                                         clickCell(start, 1, 3, "right") + "menu messup\ndump\nmenu savepuzzle\n"
                                         "type Text4 mine.txt\npress Command10\ndump\n");
    ASSERT_EQ(made.status, 0) << made.errors;
    const Json saved = made.dumps()[0];
    ASSERT_TRUE(folder.exists("mine.cube"));
    // 5 header numbers, two a square, three an entry.
    const std::string file = folder.read("mine.cube");
    std::size_t numbers = 0;
    for (std::size_t i = 1; i < file.size(); ++i) numbers += file[i] == ' ' && file[i - 1] != ' ' && file[i - 1] != '\n';
    EXPECT_EQ(numbers, 113u + 3u * static_cast<std::size_t>(saved["histcount"].integer()));
    EXPECT_EQ(file.find("\r\n"), file.find('\n') - 1);

    const ScriptResult loaded = folder.run("menu newpuzzle\nsettle\nmenu loadpuzzle\ndump\nselect File2 mine.cube\n"
                                           "press Command8\ndump\nmenu csolve\nsettle\ndump\n");
    ASSERT_EQ(loaded.status, 0) << loaded.errors;
    const std::vector<Json> d = loaded.dumps();
    EXPECT_TRUE(visible(d[0], "File2"));
    EXPECT_EQ(d[0]["controls"]["File2"]["entries"][0].string(), "mine.cube");
    const Json& puzzle = d[1];
    EXPECT_EQ(puzzle["histcount"].integer(), saved["histcount"].integer());
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= 3; ++b)
            for (int a = 1; a <= 3; ++a) EXPECT_EQ(square(puzzle, a, b, f), square(saved, a, b, f));
    EXPECT_EQ(puzzle["frontface"].integer(), saved["frontface"].integer());
    EXPECT_EQ(caption(puzzle, "Label5"), "Difficulty level: " + std::to_string(saved["histcount"].integer()));
    EXPECT_FALSE(visible(puzzle, "File2"));
    EXPECT_TRUE(solved(d[2]));
    EXPECT_EQ(d[2]["histcount"].integer(), 0);
}

TEST_F(DrawMode, LoadingAFiveCubeIntoAThreeCubeTicksFive) {
    folder.write("vexelcz.settings", solvedStart(5));
    const Json five = folder.run("dump\n").lastDump();
    ASSERT_EQ(folder.run("menu createp\n" + clickCell(five, 1, 1, "left") +
                         "menu messup\nmenu savepuzzle\ntype Text4 five\npress Command10\n")
                  .status,
              0);
    folder.write("vexelcz.settings", solvedStart(3));
    const Json d = folder.run("menu loadpuzzle\nselect File2 five.cube\npress Command8\ndump\n").lastDump();
    EXPECT_EQ(d["cubesize"].integer(), 5);
    EXPECT_EQ(d["pendingsize"].integer(), 5);
    EXPECT_TRUE(checked(d, "by5"));
    EXPECT_FALSE(checked(d, "by3"));
    // A puzzle read from a file recedes half its face.
    EXPECT_EQ(d["geometry"]["depthsize"].number(), 115);
}

TEST_F(DrawMode, ASolvedCubeCannotBeSaved) {
    const ScriptResult r = folder.run(clickCell(start, 1, 1, "left") + clickCell(start, 1, 3, "left") +
                                      "pixel 9 299\nmenu savepuzzle\ntype Text4 solved\npress Command10\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.lines[0], "10");
    EXPECT_FALSE(folder.exists("solved.cube"));
}

// An unsolved cube is saved even where its front face covers the pixel
// that shows the green band of "Solved Cube!" in a wide window.
TEST_F(DrawMode, AnUnsolvedCubeOverTheBandsPixelIsSaved) {
    const std::vector<std::string> narrow = {"--clock", "1000", "--client", "333x700"};
    const Json at = folder.run("dump\n", narrow).lastDump();
    // The face of the light green squares comes to the front.
    std::string view;
    for (const char* keys : {"", "key left\n", "key right\n", "key up\n", "key down\n", "key up\nkey up\n"}) {
        if (folder.run(std::string(keys) + "pixel 9 299\n", narrow).lines.at(0) == "10") view = keys;
        if (!view.empty()) break;
    }
    const ScriptResult r = folder.run(view + clickCell(at, 3, 3, "right") + "wait\n" +
                                          "pixel 9 299\nmenu savepuzzle\ntype Text4 narrow\npress Command10\ndump\n",
                                      narrow);
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.lines[0], "10") << "a light green square lies under the pixel";
    EXPECT_FALSE(solved(r.lastDump()));
    EXPECT_TRUE(folder.exists("narrow.cube"));
}

// Return in the save panel's name box presses Done; other keys do not.
TEST_F(DrawMode, ReturnInTheNameBoxSaves) {
    const std::string turned = "menu createp\n" + clickCell(start, 2, 2, "left") + "menu messup\n";
    const Json d = folder.run(turned + "menu savepuzzle\ntype Text4 kept\nkey 66\nkey 13\ndump\n").lastDump();
    EXPECT_TRUE(folder.exists("kept.cube"));
    EXPECT_EQ(d["panelopen"].integer(), 0);
    EXPECT_FALSE(visible(d, "Text4"));
}

TEST_F(DrawMode, NamesTakeTheTextBeforeTheFirstDot) {
    const std::string turned = "menu createp\n" + clickCell(start, 2, 2, "left") + "menu messup\n";
    const std::pair<const char*, const char*> saved[] = {{"abc.def", "abc.cube"}, {"  lead", "lead.cube"},
                                                         {"x.y/z", nullptr},      {"a\\b", nullptr}};
    for (const auto& [name, file] : saved) {
        const Json d = folder.run(turned + "menu savepuzzle\ntype Text4 " + name + "\npress Command10\ndump\n").lastDump();
        if (file) {
            EXPECT_TRUE(folder.exists(file)) << name;
        }
        EXPECT_EQ(visible(d, "Notice"), file == nullptr) << name;
        EXPECT_EQ(d["panelopen"].integer(), 0) << name;
    }
}

// Every file a save writes can be loaded: a name that is empty once cut at
// its first dot, or that holds a path separator or a control character
// anywhere, is refused with a notice and nothing is written.
TEST_F(DrawMode, NamesThatNoListWouldShowAreRefused) {
    const std::string turned = "menu createp\n" + clickCell(start, 2, 2, "left") + "menu messup\n";
    for (const std::string name : {".mine", "../evil", " .x", ".", "sub/x", "a.b/c", "..\\x", "esc\x1b", "tab\tx",
                                   "cr\rx", "del\x7f", "  "}) {
        const auto before = std::distance(std::filesystem::directory_iterator(folder.path()), {});
        const ScriptResult r = folder.run(turned + "menu savepuzzle\ntype Text4 " + name + "\npress Command10\ndump\n");
        ASSERT_EQ(r.status, 0) << r.errors;
        const Json d = r.lastDump();
        EXPECT_TRUE(visible(d, "Notice")) << name;
        EXPECT_EQ(d["panelopen"].integer(), 0) << name;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), before) << name;
    }
    EXPECT_FALSE(folder.exists(".cube"));
    EXPECT_FALSE(std::filesystem::exists(folder.path().parent_path() / "evil.cube"));
}

TEST_F(DrawMode, AFailedSaveShowsANoticeAndKeepsWhatWasThere) {
    std::filesystem::create_directory(folder.path() / "busy.cube");
    const std::string turned = "menu createp\n" + clickCell(start, 2, 2, "left") + "menu messup\n";
    const ScriptResult r = folder.run(turned + "dump\nmenu savepuzzle\ntype Text4 busy\npress Command10\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    EXPECT_TRUE(visible(d[1], "Notice"));
    EXPECT_NE(caption(d[1], "Notice").find("busy.cube"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "busy.cube"));
    // Nothing else changed: the cube, its history, the panel closed as usual.
    EXPECT_EQ(d[1]["histcount"].integer(), d[0]["histcount"].integer());
    EXPECT_EQ(d[1]["panelopen"].integer(), 0);
    EXPECT_TRUE(enabled(d[1], "savepuzzle"));
    // The next panel opened puts the notice away.
    EXPECT_FALSE(visible(folder.run(turned + "menu savepuzzle\ntype Text4 busy\npress Command10\nmenu loadpuzzle\ndump\n")
                             .lastDump(),
                         "Notice"));
}

}  // namespace
}  // namespace vx::test
