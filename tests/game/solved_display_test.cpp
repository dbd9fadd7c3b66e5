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
