// "Solved Cube!": shown in the pass the cube becomes solved, gone when it is
// turned again.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/game_support.h"

namespace vx::test {
namespace {

// The left edge of the right-hand band of "Solved Cube!" for a client width,
// and the pixel queries of the band, row by row.
int bandLeft(int width) { return 592 + std::max(0, width / 2 - 400); }
std::string bandScript(int width) {
    std::string script;
    for (int y = 200; y <= 241; ++y)
        for (int x = bandLeft(width); x <= bandLeft(width) + 193; ++x)
            script += "pixel " + std::to_string(x) + " " + std::to_string(y) + "\n";
    return script;
}
// The band's pixels as a picture: the text on its green.
std::vector<std::string> bandPixels(const ScriptResult& r, std::size_t from) {
    return {r.lines.begin() + static_cast<std::ptrdiff_t>(from),
            r.lines.begin() + static_cast<std::ptrdiff_t>(from + 194 * 42)};
}

// Both texts show whole on their bands at every client size from 800x560
// up, the right one as far right of its place as the middle of the window
// moved, and the cube stays whole in front of neither. The left-hand text is
// black on green inside its band, black around it, and no glyph inks the
// pixel the save panel tests.
TEST(SolvedDisplay, BothTextsShowWholeBesideTheCubeAtEveryLargerSize) {
    std::vector<std::string> at800;
    for (const auto& [w, h] : {std::pair{800, 560}, {830, 600}, {1024, 768}, {1366, 700}, {1366, 768}, {1440, 900},
                               {1910, 1000}, {1920, 1080}, {2560, 1440}}) {
        ScriptFolder folder;
        const std::string size = std::to_string(w) + "x" + std::to_string(h);
        std::string column;  // across the left-hand band
        for (int y = 255; y <= 355; ++y) column += "pixel 100 " + std::to_string(y) + "\n";
        const ScriptResult r = folder.run("menu csolve\nsettle\npixel 9 299\n" + bandScript(w) + column + "dump\n",
                                          {"--clock", "1000", "--client", size});
        ASSERT_EQ(r.status, 0) << r.errors;
        const Json d = r.lastDump();
        ASSERT_TRUE(solved(d)) << size;
        EXPECT_EQ(r.lines[0], "10") << size;
        const std::vector<std::string> pixels = bandPixels(r, 1);
        if (at800.empty()) at800 = pixels;
        EXPECT_EQ(pixels, at800) << size << ": the same text on the same band";
        const Json& g = d["geometry"];
        EXPECT_LT(g["cuberight"].number() + g["depthsize"].number(), bandLeft(w)) << size;
        EXPECT_LE(bandLeft(w) + 193, w - 1) << size;
        for (int y = 255; y <= 355; ++y) {
            const std::string& p = r.lines[static_cast<std::size_t>(1 + 194 * 42 + y - 255)];
            EXPECT_TRUE(p == "0" || (p == "10" && y >= 288 && y <= 329)) << size << ", y " << y << ": " << p;
        }
    }
}

// A new client size lays the cube out again by the same formulas and
// redraws it: nothing of the old picture stays, the texts move with it.
TEST(SolvedDisplay, AResizeLaysTheCubeOutAgainAndKeepsTheTexts) {
    ScriptFolder folder;
    const ScriptResult r = folder.run("menu csolve\nsettle\n" + bandScript(800) +
                                      "resize 1366 768\ndump\npixel 9 299\npixel 240 420\npixel 40 100\n" +
                                      bandScript(1366) + "resize 900 700\ndump\nmenu newpuzzle\nsettle\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::vector<Json> d = r.dumps();
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0]["surface"]["width"].integer(), 1366);
    EXPECT_EQ(d[0]["geometry"]["cubeleft"].integer(), 516);
    EXPECT_EQ(d[0]["geometry"]["cubetop"].integer(), 318);
    const std::size_t after = 194 * 42;  // the pixels before the resize
    EXPECT_EQ(r.lines[after + 1], "10") << "the left-hand text stays";
    EXPECT_EQ(r.lines[after + 2], "0") << "nothing of the old picture of the cube";
    EXPECT_EQ(r.lines[after + 3], "11") << "the mode panel stays";
    EXPECT_EQ(bandPixels(r, after + 4), bandPixels(r, 0)) << "the right-hand text moved with the cube";
    EXPECT_EQ(d[1]["geometry"]["cubeleft"].integer(), 3 * ((450 - 165) / 3));
    // New puzzle maximises first: the new cube is laid out for the window's
    // own size.
    EXPECT_EQ(d[2]["surface"]["width"].integer(), 800);
    EXPECT_EQ(d[2]["geometry"]["cubeleft"].integer(), 234);
    EXPECT_EQ(d[2]["geometry"]["cubetop"].integer(), 213);
}

}  // namespace
}  // namespace vx::test
