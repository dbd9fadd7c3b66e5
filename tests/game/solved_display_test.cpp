// "Solved Cube!" on its two green bands beside the cube, at every client
// size from 800x560 up.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "game/game_support.h"

namespace vx::test {
namespace {

constexpr std::size_t kBand = 194 * 42;  // pixels of the right-hand band
constexpr int kColumnTop = 255, kColumnBottom = 355;

// The right-hand band's left edge for a client width: as far right of its
// place as the middle of the window moved.
int bandLeft(int width) { return 592 + std::max(0, width / 2 - 400); }

// Pixel queries of a band's 194 x 42 pixels from (left, top), row by row.
std::string band(int left, int top) {
    std::string script;
    for (int y = top; y <= top + 41; ++y)
        for (int x = left; x <= left + 193; ++x)
            script += "pixel " + std::to_string(x) + " " + std::to_string(y) + "\n";
    return script;
}

// The right-hand band, and a column across the left-hand band.
std::string bandsScript(int width) {
    std::string script = band(bandLeft(width), 200);
    for (int y = kColumnTop; y <= kColumnBottom; ++y) script += "pixel 100 " + std::to_string(y) + "\n";
    return script;
}

// A cube solved at 800x560, then the window resized: the cube is laid out
// again and redrawn, nothing of the old picture stays, and both texts show
// whole beside it, the same text on the same band, the cube whole in front
// of neither. The left-hand text is black on green inside its band, black
// around it, and no glyph inks the pixel the save panel tests. A new puzzle
// maximises first: the new cube is laid out for the window's own size.
TEST(SolvedDisplay, BothTextsShowWholeBesideTheCubeAtEveryLargerSize) {
    const std::pair<int, int> sizes[] = {{830, 600},  {900, 700},   {1024, 768},  {1366, 700}, {1366, 768},
                                         {1440, 900}, {1910, 1000}, {1920, 1080}, {2560, 1440}};
    std::string script = "menu csolve\nsettle\n" + bandsScript(800);
    for (const auto& [w, h] : sizes)
        script += "resize " + std::to_string(w) + " " + std::to_string(h) +
                  "\ndump\npixel 9 299\npixel 240 420\n"
                  "pixel 40 100\n" +
                  bandsScript(w);
    const ScriptResult r = ScriptFolder().run(script + "menu newpuzzle\nsettle\ndump\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::size_t block = 4 + kBand + (kColumnBottom - kColumnTop + 1);
    ASSERT_EQ(r.lines.size(), block * std::size(sizes) + block - 3);
    const auto at = [&](std::size_t i) { return r.lines.begin() + static_cast<std::ptrdiff_t>(i); };
    const std::vector<std::string> band800(at(0), at(kBand));
    for (std::size_t k = 0; k <= std::size(sizes); ++k) {
        const std::size_t column = k * block + kBand;  // where the column's pixels begin
        for (int y = kColumnTop; y <= kColumnBottom; ++y) {
            const std::string& p = r.lines[column + static_cast<std::size_t>(y - kColumnTop)];
            EXPECT_TRUE(p == "0" || (p == "10" && y >= 288 && y <= 329)) << k << ", y " << y << ": " << p;
        }
        if (k == std::size(sizes)) break;
        const auto [w, h] = sizes[k];
        const std::size_t from = column + (kColumnBottom - kColumnTop + 1);
        const Json d = Json::parse(r.lines[from]);
        ASSERT_TRUE(solved(d));
        EXPECT_EQ(d["surface"]["width"].integer(), w);
        EXPECT_EQ(r.lines[from + 1], "10") << w << "x" << h << ": the left-hand text";
        EXPECT_EQ(r.lines[from + 2], "0") << w << "x" << h << ": nothing of the old picture of the cube";
        EXPECT_EQ(r.lines[from + 3], "11") << w << "x" << h << ": the mode panel";
        EXPECT_EQ(std::vector<std::string>(at(from + 4), at(from + 4 + kBand)), band800) << w << "x" << h;
        const Json& g = d["geometry"];
        EXPECT_LT(g["cuberight"].number() + g["depthsize"].number(), bandLeft(w)) << w << "x" << h;
        EXPECT_LE(bandLeft(w) + 193, w - 1) << w << "x" << h;
        EXPECT_TRUE(w != 900 || g["cubeleft"].integer() == 3 * ((450 - 165) / 3)) << g["cubeleft"].integer();
        EXPECT_TRUE(w != 1366 || h != 768 || (g["cubeleft"].integer() == 516 && g["cubetop"].integer() == 318));
    }
    const Json last = r.lastDump();
    EXPECT_EQ(last["surface"]["width"].integer(), 800);
    EXPECT_EQ(last["geometry"]["cubeleft"].integer(), 234);
    EXPECT_EQ(last["geometry"]["cubetop"].integer(), 213);
}

// The left-hand text stands two rows into its band when a cube is solved,
// three when switching draw-mode off finds a cube with no move since it was
// built (its own short way to show the texts); the right-hand one two rows
// into its band either way. Compared row by row with the right-hand band.
TEST(SolvedDisplay, TheLeftTextStandsOnItsRowInEitherWay) {
    const std::size_t row = 194, rows = 42;
    for (const auto& [way, settings, script, lower] :
         {std::tuple{"solved", std::string(), std::string("menu csolve\nsettle\n"), 0},
          std::tuple{"draw-mode off", solvedStart(), std::string("menu createp\nmenu messup\n"), 1}}) {
        const ScriptResult r = ScriptFolder(settings).run(script + "wait\n" + band(8, 288) + band(592, 200));
        ASSERT_EQ(r.lines.size(), 2 * row * rows) << way;
        const auto line = [&](std::size_t first, std::size_t y) {
            const auto from = r.lines.begin() + static_cast<std::ptrdiff_t>(first + y * row);
            return std::vector<std::string>(from, from + static_cast<std::ptrdiff_t>(row));
        };
        if (std::count(r.lines.begin(), r.lines.end(), "10") == static_cast<std::ptrdiff_t>(r.lines.size()))
            GTEST_SKIP() << "texts are blank without the window's fonts";
        ASSERT_GT(std::count(r.lines.begin(), r.lines.end(), "10"), 0) << way << ": no band";
        for (std::size_t y = 0; y + 1 < rows; ++y)
            EXPECT_EQ(line(0, y + static_cast<std::size_t>(lower)), line(row * rows, y)) << way << ", row " << y;
    }
}

}  // namespace
}  // namespace vx::test
