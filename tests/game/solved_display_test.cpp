// "Solved Cube!": shown in the pass the cube becomes solved, gone when it is
// turned again.
#include <gtest/gtest.h>

#include "game/game_support.h"

namespace vx::test {
namespace {

TEST(SolvedDisplay, GreenBandAppearsWhenSolvedAndGoesWhenTurned) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", solvedStart());
    const Json start = folder.run("dump\n").lastDump();
    const ScriptResult r = folder.run("pixel 9 299\npixel 784 240\n" + clickCell(start, 1, 1, "left") +
                                      "pixel 9 299\n" + clickCell(start, 1, 3, "left") +
                                      "pixel 9 299\npixel 784 240\npng solved.png\n" + clickCell(start, 3, 1, "left") +
                                      "pixel 9 299\npixel 784 240\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.lines, (std::vector<std::string>{"0", "0", "0", "10", "10", "0", "0"}));
}

TEST(SolvedDisplay, NoGlyphInksTheSavePanelsTestPixelAndTextStaysInItsBand) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", solvedStart());
    const Json start = folder.run("dump\n").lastDump();
    std::string script = clickCell(start, 2, 1, "left") + clickCell(start, 2, 3, "left");
    // The whole left band: the text is black on green inside it, black around it.
    for (int y = 255; y <= 355; y += 1) script += "pixel 100 " + std::to_string(y) + "\n";
    script += "pixel 9 299\n";
    const ScriptResult r = folder.run(script);
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.lines.back(), "10");
    for (int y = 255; y <= 355; ++y) {
        const std::string& p = r.lines[static_cast<std::size_t>(y - 255)];
        if (y < 288 || y > 329) EXPECT_EQ(p, "0") << "y " << y;
        else EXPECT_TRUE(p == "10" || p == "0") << "y " << y;
    }
}

TEST(SolvedDisplay, InDrawModeTheTextsGoAtOnce) {
    ScriptFolder folder;
    folder.write("vexelcz.settings", solvedStart());
    const Json start = folder.run("dump\n").lastDump();
    const ScriptResult r = folder.run("menu createp\n" + clickCell(start, 2, 2, "left") + clickCell(start, 2, 2, "left") +
                                      clickCell(start, 2, 2, "left") + clickCell(start, 2, 2, "left") +
                                      clickCell(start, 2, 2, "left") + clickCell(start, 2, 2, "left") + "dump\npixel 9 299\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.lines.back(), "0");
}

}  // namespace
}  // namespace vx::test

namespace vx::test {
namespace {

// In a window wider than 800 pixels the cube reaches into the place of the
// right-hand "Solved Cube!": the cube stays whole, scrambled or solved.
TEST(SolvedDisplay, TheCubeStaysInFrontOfTheTextsInAWideWindow) {
    ScriptFolder folder;
    const std::vector<std::string> client = {"--clock", "1000", "--client", "1366x749"};
    const Json start = folder.run("dump\n", client).lastDump();
    const Json& g = start["geometry"];
    const int n = 3, s = g["squarewidth"].integer(), d = g["depthsize"].integer();
    // The seed of the top face's back-right cell, inside the text's place.
    const int x = g["cubeleft"].integer() + d + (n - 1) * s + 3;
    const int y = g["cubetop"].integer() - d + 3;
    ASSERT_GE(x, 591);
    ASSERT_LE(y, 267);
    const std::string probe = "pixel " + std::to_string(x) + " " + std::to_string(y) + "\n";
    const ScriptResult r = folder.run(probe + "menu csolve\nsettle\n" + probe + "pixel 9 299\n", client);
    ASSERT_EQ(r.status, 0) << r.errors;
    for (std::size_t i = 0; i < 2; ++i) {
        const int colour = std::stoi(r.lines[i]);
        EXPECT_TRUE(colour != 0 && colour != 7) << "probe " << i << " shows colour " << colour;
    }
    EXPECT_EQ(r.lines[2], "10") << "the left-hand text is shown";
}

}  // namespace
}  // namespace vx::test
