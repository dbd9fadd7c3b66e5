// The drawing primitives: lines, boxes, text, resizing, and clipping at every
// edge.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <set>
#include <utility>

#include "render/surface.h"

namespace vx {
namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet inked(const Surface& s) {
    PixelSet set;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) != 0) set.insert({x, y});
    return set;
}

struct Direction {
    int dx, dy;
};

class LineDirections : public ::testing::TestWithParam<Direction> {};

// Straight and 45-degree lines: the start pixel and every pixel up to the end,
// but not the end itself.
TEST_P(LineDirections, FirstPointInLastPointOut) {
    const auto [dx, dy] = GetParam();
    Surface s(40, 40);
    s.line(20, 20, 20 + 7 * dx, 20 + 7 * dy, 5);
    PixelSet want;
    for (int i = 0; i < 7; ++i) want.insert({20 + i * dx, 20 + i * dy});
    EXPECT_EQ(inked(s), want);
    EXPECT_EQ(s.pixel(20 + 7 * dx, 20 + 7 * dy), 0);
    EXPECT_EQ(s.currentX, 20 + 7 * dx);
    EXPECT_EQ(s.currentY, 20 + 7 * dy);
}

INSTANTIATE_TEST_SUITE_P(EightWays, LineDirections,
                         ::testing::Values(Direction{1, 0}, Direction{1, 1}, Direction{0, 1}, Direction{-1, 1},
                                           Direction{-1, 0}, Direction{-1, -1}, Direction{0, -1},
                                           Direction{1, -1}));

class SlopedLines : public ::testing::TestWithParam<Direction> {};

// Any other slope: one pixel per step along the longer axis, each within half
// a pixel of the true line, 8-connected, ending next to the end point.
TEST_P(SlopedLines, OnePixelPerStepNearTheTrueLine) {
    const auto [dx, dy] = GetParam();
    Surface s(300, 300);
    const int x1 = 150, y1 = 150, x2 = 150 + dx, y2 = 150 + dy;
    s.line(x1, y1, x2, y2, 9);
    const PixelSet got = inked(s);
    const int steps = std::max(std::abs(dx), std::abs(dy));
    EXPECT_EQ(static_cast<int>(got.size()), steps);
    EXPECT_TRUE(got.count({x1, y1}));
    EXPECT_FALSE(got.count({x2, y2}));
    for (auto [x, y] : got) {
        // Distance along the shorter axis from the true line.
        if (std::abs(dx) >= std::abs(dy))
            EXPECT_LE(std::abs((y - y1) - double(x - x1) * dy / dx), 0.5) << x << "," << y;
        else
            EXPECT_LE(std::abs((x - x1) - double(y - y1) * dx / dy), 0.5) << x << "," << y;
        // Each pixel but the last has a neighbour one step further on.
        bool linked = std::max(std::abs(x - x2), std::abs(y - y2)) == 1;
        for (int ny = y - 1; ny <= y + 1; ++ny)
            for (int nx = x - 1; nx <= x + 1; ++nx)
                if ((nx != x || ny != y) && got.count({nx, ny}) &&
                    std::max(std::abs(nx - x1), std::abs(ny - y1)) > std::max(std::abs(x - x1), std::abs(y - y1)))
                    linked = true;
        EXPECT_TRUE(linked) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Slopes, SlopedLines,
                         ::testing::Values(Direction{7, 3}, Direction{3, 7}, Direction{-7, 3}, Direction{-3, -7},
                                           Direction{20, -1}, Direction{-1, 20}, Direction{25, 24},
                                           Direction{-24, -25}, Direction{113, 112}, Direction{-2, 1}));

TEST(Line, ZeroLengthDrawsNothingButMovesThePosition) {
    Surface s(20, 20);
    s.line(10, 14, 10, 14, 10);
    EXPECT_TRUE(inked(s).empty());
    EXPECT_EQ(s.currentX, 10);
    EXPECT_EQ(s.currentY, 14);
}

TEST(Box, BothCornersInWhateverTheirOrder) {
    const std::pair<int, int> corners[4][2] = {
        {{3, 4}, {9, 7}}, {{9, 7}, {3, 4}}, {{3, 7}, {9, 4}}, {{9, 4}, {3, 7}}};
    for (const auto& c : corners) {
        Surface s(20, 20);
        s.box(c[0].first, c[0].second, c[1].first, c[1].second, 4);
        PixelSet want;
        for (int y = 4; y <= 7; ++y)
            for (int x = 3; x <= 9; ++x) want.insert({x, y});
        EXPECT_EQ(inked(s), want);
        EXPECT_EQ(s.currentX, c[1].first);
        EXPECT_EQ(s.currentY, c[1].second);
    }
}

TEST(Box, OnePointBoxIsOnePixel) {
    Surface s(20, 20);
    s.box(5, 6, 5, 6, 15);
    EXPECT_EQ(inked(s), (PixelSet{{5, 6}}));
}

// Drawing on a small surface gives exactly the matching window of the same
// drawing on a surface big enough to hold all of it.
TEST(Clipping, SmallSurfaceShowsAWindowOfTheWholeDrawing) {
    constexpr int kWidth = 23, kHeight = 17, kPad = 40;
    struct Shape {
        bool isBox;
        int x1, y1, x2, y2;
    };
    const Shape shapes[] = {
        {false, -10, 5, 40, 5},   {false, 40, 6, -10, 6},   {false, 3, -10, 3, 40},  {false, 4, 40, 4, -10},
        {false, -10, -10, 30, 30}, {false, 30, -10, -10, 30}, {false, -20, 3, 40, 11}, {false, 7, -30, 15, 40},
        {false, 22, 16, 23, 17},  {false, 0, 0, -1, -1},    {false, -5, 0, 0, 0},    {false, 23, 0, 30, 0},
        {true, -5, -5, 4, 4},     {true, 20, 14, 30, 30},   {true, -3, 8, 50, 9},    {true, 8, -3, 9, 50},
        {true, -9, -9, -1, -1},   {true, 23, 17, 25, 19},
    };
    for (const Shape& shape : shapes) {
        Surface small(kWidth, kHeight), big(kWidth + 2 * kPad, kHeight + 2 * kPad);
        if (shape.isBox) {
            small.box(shape.x1, shape.y1, shape.x2, shape.y2, 6);
            big.box(shape.x1 + kPad, shape.y1 + kPad, shape.x2 + kPad, shape.y2 + kPad, 6);
        } else {
            small.line(shape.x1, shape.y1, shape.x2, shape.y2, 6);
            big.line(shape.x1 + kPad, shape.y1 + kPad, shape.x2 + kPad, shape.y2 + kPad, 6);
        }
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                ASSERT_EQ(small.pixel(x, y), big.pixel(x + kPad, y + kPad))
                    << (shape.isBox ? "box " : "line ") << shape.x1 << "," << shape.y1 << " " << shape.x2 << ","
                    << shape.y2 << " at " << x << "," << y;
    }
}

// Coordinates at the ends of the int range neither overflow nor take long.
TEST(Clipping, ExtremeCoordinates) {
    Surface s(30, 20);
    s.line(INT_MIN, 3, INT_MAX, 3, 2);
    s.line(7, INT_MAX, 7, INT_MIN, 2);
    s.line(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 3);
    s.line(INT_MAX, INT_MIN, INT_MIN, INT_MAX, 3);
    s.line(INT_MIN, 0, INT_MIN + 5, 5, 3);
    s.box(INT_MIN, INT_MIN, INT_MAX, 0, 4);
    for (int x = 0; x < 30; ++x) EXPECT_EQ(s.pixel(x, 0), 4);
    for (int x = 0; x < 30; ++x) EXPECT_EQ(s.pixel(x, 3), x == 7 ? 2 : (x == 3 ? 3 : 2));
    for (int y = 4; y < 20; ++y) EXPECT_EQ(s.pixel(7, y), y == 7 ? 3 : 2);
    EXPECT_EQ(s.pixel(-1, 0), -1);
    EXPECT_EQ(s.pixel(30, 0), -1);
    EXPECT_EQ(s.pixel(0, 20), -1);
}

TEST(Surface, ColoursOutsideThePaletteDrawNothing) {
    Surface s(10, 10);
    s.line(0, 0, 9, 9, 16);
    s.box(0, 0, 9, 9, -1);
    s.box(0, 0, 9, 9, 255);
    s.print({2, 1, {1, 1}}, 99);
    EXPECT_TRUE(inked(s).empty());
    EXPECT_EQ(s.currentY, 10);  // the text position still moves
}

TEST(Surface, NewSurfaceIsBlackAndCompares) {
    Surface a(5, 4), b(5, 4), c(4, 5);
    EXPECT_TRUE(inked(a).empty());
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a == c);
    b.box(1, 1, 1, 1, 1);
    EXPECT_FALSE(a == b);
    a.currentX = 3;  // the text position is not part of the picture
    a.box(1, 1, 1, 1, 1);
    EXPECT_TRUE(a == b);
}

TEST(Resize, KeepsTheSharedPixelsAndClearsTheNewOnes) {
    Surface s(6, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) s.box(x, y, x, y, (x + 2 * y) % 15 + 1);
    Surface grown = s;
    grown.resize(9, 7);
    ASSERT_EQ(grown.width(), 9);
    ASSERT_EQ(grown.height(), 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) EXPECT_EQ(grown.pixel(x, y), x < 6 && y < 5 ? s.pixel(x, y) : 0);
    Surface shrunk = s;
    shrunk.resize(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(shrunk.pixel(x, y), s.pixel(x, y));
    EXPECT_EQ(shrunk.pixel(4, 0), -1);
    Surface mixed = s;
    mixed.resize(3, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(mixed.pixel(x, y), y < 5 ? s.pixel(x, y) : 0);
}

TEST(Resize, NegativeSizesGiveAnEmptySurfaceThatStillWorks) {
    Surface s(-4, 10);
    EXPECT_EQ(s.width(), 0);
    s.resize(5, -1);
    EXPECT_EQ(s.width(), 5);
    EXPECT_EQ(s.height(), 0);
    s.line(0, 0, 5, 5, 1);
    s.box(0, 0, 5, 5, 1);
    s.floodFill(0, 0, 1, 2);
    s.print({1, 1, {1}}, 1);
    EXPECT_EQ(s.pixel(0, 0), -1);
}

TEST(Print, InkAtTheTextPositionThenNextLine) {
    Surface s(10, 10);
    s.currentX = 2;
    s.currentY = 3;
    // 3 wide, 2 high: an L.
    s.print({3, 2, {1, 0, 0, 1, 1, 1}}, 12);
    EXPECT_EQ(inked(s), (PixelSet{{2, 3}, {2, 4}, {3, 4}, {4, 4}}));
    EXPECT_EQ(s.pixel(2, 3), 12);
    EXPECT_EQ(s.currentX, 2);
    EXPECT_EQ(s.currentY, 5);
    // Paper pixels leave what is below them.
    s.box(0, 5, 9, 5, 3);
    s.currentX = 2;
    s.currentY = 5;
    s.print({2, 1, {0, 1}}, 12);
    EXPECT_EQ(s.pixel(2, 5), 3);
    EXPECT_EQ(s.pixel(3, 5), 12);
}

TEST(Print, ClipsAndSurvivesAShortMask) {
    Surface s(4, 4);
    s.currentX = -1;
    s.currentY = 2;
    s.print({3, 3, std::vector<std::uint8_t>(9, 1)}, 14);
    EXPECT_EQ(inked(s), (PixelSet{{0, 2}, {1, 2}, {0, 3}, {1, 3}}));
    EXPECT_EQ(s.currentY, 5);
    Surface t(4, 4);
    t.print({4, 4, {1, 1}}, 14);  // claims 16 pixels, holds 2
    EXPECT_EQ(inked(t), (PixelSet{{0, 0}, {1, 0}}));
    t.print({-3, -2, {}}, 14);
    EXPECT_EQ(t.currentY, 4);
}

}  // namespace
}  // namespace vx
