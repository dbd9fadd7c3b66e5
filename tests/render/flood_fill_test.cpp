// Flood fill: 4-connected, stopped by the border colour alone, exact on
// regions of any shape.
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <vector>

#include "render/surface.h"

namespace vx {
namespace {

// The fill as its definition reads, one pixel at a time.
std::vector<int> referenceFill(const Surface& s, int x, int y, int fill, int border) {
    const int w = s.width(), h = s.height();
    std::vector<int> out(static_cast<std::size_t>(w) * h);
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) out[py * w + px] = s.pixel(px, py);
    if (s.pixel(x, y) < 0 || s.pixel(x, y) == border) return out;
    std::vector<char> seen(out.size(), 0);
    std::deque<std::pair<int, int>> queue{{x, y}};
    seen[y * w + x] = 1;
    while (!queue.empty()) {
        auto [px, py] = queue.front();
        queue.pop_front();
        out[py * w + px] = fill;
        const int nx[4] = {px - 1, px + 1, px, px};
        const int ny[4] = {py, py, py - 1, py + 1};
        for (int i = 0; i < 4; ++i)
            if (s.pixel(nx[i], ny[i]) >= 0 && s.pixel(nx[i], ny[i]) != border && !seen[ny[i] * w + nx[i]]) {
                seen[ny[i] * w + nx[i]] = 1;
                queue.push_back({nx[i], ny[i]});
            }
    }
    return out;
}

std::vector<int> pixels(const Surface& s) {
    std::vector<int> out;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) out.push_back(s.pixel(x, y));
    return out;
}

// A diamond of four 45-degree border lines: the fill stays inside although
// the border pixels touch only at their corners.
TEST(FloodFill, StopsAtFortyFiveDegreeLines) {
    Surface s(41, 41);
    const int cx = 20, cy = 20, r = 15;
    s.line(cx, cy - r, cx + r, cy, 7);
    s.line(cx + r, cy, cx, cy + r, 7);
    s.line(cx, cy + r, cx - r, cy, 7);
    s.line(cx - r, cy, cx, cy - r, 7);
    s.floodFill(cx, cy, 12, 7);
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 41; ++x) {
            const int d = std::abs(x - cx) + std::abs(y - cy);
            const int want = d < r ? 12 : d == r ? 7 : 0;
            ASSERT_EQ(s.pixel(x, y), want) << x << ", " << y;
        }
}

// One diagonal across the whole surface: only the seed's side is filled.
TEST(FloodFill, DiagonalSplitsTheSurface) {
    for (bool rising : {false, true}) {
        Surface s(30, 30);
        if (rising)
            s.line(0, 29, 30, -1, 7);
        else
            s.line(0, 0, 30, 30, 7);
        s.floodFill(rising ? 2 : 25, 2, 4, 7);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x) {
                const int side = rising ? (x + y) - 29 : x - y;  // < 0 on the seed's side when rising
                const bool border = side == 0;
                const bool seedSide = rising ? side < 0 : side > 0;
                ASSERT_EQ(s.pixel(x, y), border ? 7 : seedSide ? 4 : 0) << x << ", " << y;
            }
    }
}

TEST(FloodFill, PixelsAlreadyOfTheFillColourDoNotStopIt) {
    Surface s(20, 10);
    s.box(0, 0, 19, 9, 3);
    s.box(2, 2, 17, 7, 0);
    s.line(2, 2, 2, 8, 7);   // border: left side
    s.line(17, 2, 17, 8, 7);  // right side
    s.line(2, 2, 17, 2, 7);
    s.line(2, 7, 18, 7, 7);
    s.line(9, 3, 9, 7, 5);  // a wall of the fill colour across the inside
    s.box(12, 4, 13, 5, 5);
    s.floodFill(4, 4, 5, 7);
    for (int y = 3; y <= 6; ++y)
        for (int x = 3; x <= 16; ++x) EXPECT_EQ(s.pixel(x, y), 5) << x << ", " << y;
    EXPECT_EQ(s.pixel(1, 1), 3);  // outside the border, untouched
    EXPECT_EQ(s.pixel(2, 4), 7);
}

TEST(FloodFill, OtherColoursAreFilledOver) {
    Surface s(10, 10);
    s.box(3, 3, 6, 6, 9);
    s.box(0, 0, 1, 1, 14);
    s.floodFill(8, 8, 2, 7);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(s.pixel(x, y), 2);
}

TEST(FloodFill, SeedOnTheBorderOrOutsideDoesNothing) {
    Surface s(10, 10);
    s.line(0, 5, 10, 5, 7);
    const Surface before = s;
    s.floodFill(3, 5, 4, 7);
    EXPECT_TRUE(s == before);
    for (auto [x, y] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{10, 3}, std::pair{3, 10}}) {
        s.floodFill(x, y, 4, 7);
        EXPECT_TRUE(s == before);
    }
    s.floodFill(3, 3, 16, 7);  // not a palette colour
    s.floodFill(3, 3, 4, -1);
    EXPECT_TRUE(s == before);
}

TEST(FloodFill, GoesThroughOnePixelGapsButNotCorners) {
    Surface s(9, 5);
    s.line(4, 0, 4, 5, 7);
    s.box(4, 2, 4, 2, 0);  // a one-pixel gap in the wall
    s.floodFill(0, 0, 6, 7);
    EXPECT_EQ(s.pixel(8, 4), 6);

    // The bottom-left room's walls meet the rest only corner to corner, at
    // (4, 4) and (5, 5): a 4-connected fill does not get in.
    Surface t(9, 9);
    t.line(0, 4, 4, 4, 7);
    t.line(5, 5, 5, 9, 7);
    t.line(4, 0, 4, 4, 7);
    t.box(4, 4, 4, 4, 7);
    t.floodFill(8, 0, 6, 7);
    EXPECT_EQ(t.pixel(6, 8), 6);
    EXPECT_EQ(t.pixel(0, 8), 0);
    EXPECT_EQ(t.pixel(0, 0), 0);
}

// Random pictures in a few colours against the fill done pixel by pixel.
TEST(FloodFill, AgreesWithAPlainFillOnRandomPictures) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        const int w = 1 + random() % 40, h = 1 + random() % 30;
        Surface s(w, h);
        const int colours = 2 + random() % 3;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) s.box(x, y, x, y, static_cast<int>(random() % colours));
        const int x = random() % w, y = random() % h;
        const int fill = random() % (colours + 1), border = random() % colours;
        const auto want = referenceFill(s, x, y, fill, border);
        s.floodFill(x, y, fill, border);
        ASSERT_EQ(pixels(s), want) << "round " << round;
    }
}

// Random drawings of border lines, at all slopes, over a scattering of
// pixels already of the fill colour: large regions of odd shapes.
TEST(FloodFill, AgreesWithAPlainFillOnRandomDrawings) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const int w = 20 + random() % 100, h = 20 + random() % 80;
        Surface s(w, h);
        for (int i = 0; i < w * h / 20; ++i) {
            const int x = random() % w, y = random() % h;
            s.box(x, y, x, y, 4);
        }
        const int lines = 3 + random() % 25;
        for (int i = 0; i < lines; ++i)
            s.line(static_cast<int>(random() % (w + 20)) - 10, static_cast<int>(random() % (h + 20)) - 10,
                   static_cast<int>(random() % (w + 20)) - 10, static_cast<int>(random() % (h + 20)) - 10, 7);
        for (int seeds = 0; seeds < 3; ++seeds) {
            const int x = random() % w, y = random() % h, fill = seeds == 0 ? 4 : 1 + seeds;
            const auto want = referenceFill(s, x, y, fill, 7);
            s.floodFill(x, y, fill, 7);
            ASSERT_EQ(pixels(s), want) << "round " << round << " seed " << seeds;
        }
    }
}

TEST(FloodFill, FillsAWholeLargeSurfaceAndCanFillAgain) {
    Surface s(800, 560);
    s.floodFill(400, 300, 13, 7);
    s.floodFill(0, 0, 13, 7);  // everything already of the fill colour
    s.floodFill(799, 559, 1, 7);
    for (int y = 0; y < 560; y += 7)
        for (int x = 0; x < 800; x += 7) ASSERT_EQ(s.pixel(x, y), 1);
}

}  // namespace
}  // namespace vx
