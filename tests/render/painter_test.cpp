// The painted cube, pixel by pixel: every cell in the colour of the square the
// view puts there, the grid black, nothing leaking, nothing of an earlier
// picture left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "paint_support.h"
#include "render/painter.h"
#include "render/palette.h"
#include "render/pixel_round.h"

namespace vx {
namespace {

using test::Cell;
using test::Side;

// Every front face and every orientation at least once.
constexpr std::array<View, 8> kViews = {{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 1}, {6, 3}, {5, 4}, {6, 2}}};

std::vector<View> allViews() {
    std::vector<View> views;
    for (int f = 1; f <= 6; ++f)
        for (int t = 1; t <= 4; ++t) views.push_back({f, t});
    return views;
}

struct Painting {
    Surface surface;
    Geometry g;
    PaintedArea last;
};

Painting paintNew(int n, View view, int width = 800, int height = 560) {
    Painting p{Surface(width, height), {}, {}};
    setUpGeometry(p.g, n, width, height);
    paintCube(p.surface, p.g, test::manyColouredCube(n), view, n, p.last);
    return p;
}

struct Point {
    int x, y;
};

// Where a player would look for a cell's colour: a front square's middle, a
// top or right square three pixels right of and below its top-left corner.
Point probe(const Geometry& g, const Cell& cell) {
    const test::Corner k = test::cellCorner(g, cell);
    if (cell.side == Side::Front)
        return {nearestPixel(k.x + g.squarewidth / 2), nearestPixel(k.y + g.squareheight / 2)};
    return {nearestPixel(k.x + 3), nearestPixel(k.y + 3)};
}

std::string describe(const Cell& cell) {
    std::ostringstream out;
    out << (cell.side == Side::Front ? "front" : cell.side == Side::Top ? "top" : "right") << " cell (" << cell.c
        << ", " << cell.r << ")";
    return out.str();
}

// The first cell whose probe pixel does not show its square, or "" if none.
std::string wrongCell(const Painting& p, const Cube& cube, View view, int n) {
    for (const Cell& cell : test::allCells(n)) {
        const Point at = probe(p.g, cell);
        const int want = test::expectedColour(cube, view, cell, n);
        const int got = p.surface.pixel(at.x, at.y);
        if (got != want)
            return describe(cell) + " at (" + std::to_string(at.x) + ", " + std::to_string(at.y) + ") is " +
                   std::to_string(got) + ", want " + std::to_string(want);
    }
    return "";
}

int countColour(const Surface& s, int colour) {
    const std::uint8_t* pixels = s.data();
    return static_cast<int>(std::count(pixels, pixels + static_cast<std::size_t>(s.width()) * s.height(), colour));
}

std::string firstDifference(const Surface& s, const std::vector<std::uint8_t>& want) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const int expected = want[static_cast<std::size_t>(y) * s.width() + x];
            if (s.pixel(x, y) != expected)
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                       std::to_string(s.pixel(x, y)) + ", want " + std::to_string(expected);
        }
    return "";
}

TEST(PaintCube, EveryCellShowsItsSquareInAll24ViewsAndEverySize) {
    for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
        const Cube cube = test::manyColouredCube(n);
        for (View view : allViews()) {
            const Painting p = paintNew(n, view);
            ASSERT_EQ(wrongCell(p, cube, view, n), "") << "n " << n << " view (" << view.face << ", " << view.turn << ")";
            ASSERT_EQ(countColour(p.surface, kLightGrey), 0) << "n " << n;
        }
    }
}

class ExactPicture : public ::testing::TestWithParam<int> {};

// Every pixel of the surface: each cell's colour fills exactly the pixels its
// four grid lines enclose (no leak, no gap), the grid and the background are
// black.
TEST_P(ExactPicture, MatchesTheCellsPixelForPixel) {
    const int n = GetParam();
    const Cube cube = test::manyColouredCube(n);
    for (View view : kViews) {
        const Painting p = paintNew(n, view);
        const auto want = test::expectedPicture(800, 560, p.g, cube, view, n);
        EXPECT_EQ(firstDifference(p.surface, want), "") << "view (" << view.face << ", " << view.turn << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(AllSizes, ExactPicture, ::testing::Range(kMinCubeSize, kMaxCubeSize + 1));

TEST(PaintCube, ExactPictureOnOtherClientSizes) {
    const View view{6, 3};
    for (auto [width, height] : {std::pair{1400, 900}, std::pair{640, 480}, std::pair{1024, 700}}) {
        for (int n : {2, 3, 7, 20}) {
            const Painting p = paintNew(n, view, width, height);
            const auto want = test::expectedPicture(width, height, p.g, test::manyColouredCube(n), view, n);
            EXPECT_EQ(firstDifference(p.surface, want), "") << width << "x" << height << " n " << n;
        }
    }
}

// A puzzle read from a file is drawn half a square deep per square, often at
// half pixels: the cells still get their colours and stay apart.
TEST(PaintCube, FileGeometryPaintsEveryCellWithoutLeaks) {
    for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
        const Cube cube = test::manyColouredCube(n);
        for (View view : {View{1, 1}, View{4, 2}, View{6, 3}}) {
            Painting p{Surface(800, 560), {}, {}};
            setUpGeometry(p.g, n, 800, 560);
            setUpFileGeometry(p.g, n);
            paintCube(p.surface, p.g, cube, view, n, p.last);
            SCOPED_TRACE("n " + std::to_string(n) + " view (" + std::to_string(view.face) + ", " +
                         std::to_string(view.turn) + ")");
            ASSERT_EQ(wrongCell(p, cube, view, n), "");
            ASSERT_EQ(countColour(p.surface, kLightGrey), 0);
            // Well inside each cell, only the cell's colour.
            for (const Cell& cell : test::allCells(n)) {
                const int want = test::expectedColour(cube, view, cell, n);
                const test::ScanBox box = test::cellScanBox(p.g, cell);
                for (int y = box.y1; y <= box.y2; ++y)
                    for (int x = box.x1; x <= box.x2; ++x)
                        if (test::insideCell(p.g, cell, x, y, 1.5)) {
                            ASSERT_EQ(p.surface.pixel(x, y), want) << describe(cell) << " at " << x << ", " << y;
                        }
            }
            // Nothing outside the cube.
            for (int y = 0; y < 560; ++y)
                for (int x = 0; x < 800; ++x)
                    if (p.surface.data()[y * 800 + x] != kBlack) {
                        ASSERT_TRUE(test::nearCube(p.g, x, y)) << x << ", " << y;
                    }
        }
    }
}

TEST(PaintCube, NineCubeFromAFileDiffersFromANewOne) {
    const Cube cube = test::manyColouredCube(9);
    Painting fromFile{Surface(800, 560), {}, {}};
    setUpGeometry(fromFile.g, 9, 800, 560);
    setUpFileGeometry(fromFile.g, 9);
    paintCube(fromFile.surface, fromFile.g, cube, {1, 1}, 9, fromFile.last);
    const Painting fresh = paintNew(9, {1, 1});
    // The back edge of the top face: 112.5 above the front face against 108.
    EXPECT_EQ(fromFile.last.y1, nearestPixel(fromFile.g.cubetop - 112.5));
    EXPECT_EQ(fresh.last.y1, fresh.g.cubetop - 108);
    EXPECT_FALSE(fromFile.surface == fresh.surface);
    // The front faces are the same.
    for (int y = fresh.g.cubetop; y <= fresh.g.cubebottom; ++y)
        for (int x = fresh.g.cubeleft; x < fresh.g.cuberight; ++x)
            ASSERT_EQ(fromFile.surface.pixel(x, y), fresh.surface.pixel(x, y)) << x << ", " << y;
}

TEST(PaintCube, RepaintingGivesTheSamePicture) {
    Painting p = paintNew(5, {3, 2});
    const Surface once = p.surface;
    paintCube(p.surface, p.g, test::manyColouredCube(5), {3, 2}, 5, p.last);
    EXPECT_TRUE(p.surface == once);
}

TEST(PaintCube, PictureAreaOfTheThreeByThreeExample) {
    const Painting p = paintNew(3, {1, 1});
    EXPECT_EQ(p.last, (PaintedArea{234, 99, 576, 441}));
}

// Far from the fixed erase box, every pixel the painter changes lies in the
// area it reports, and the area is as tight as it can be.
TEST(PaintCube, PictureAreaIsTheBoundingBoxOfWhatIsDrawn) {
    for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
        for (bool fromFile : {false, true}) {
            Painting p{Surface(2400, 1400), {}, {}};
            p.surface.box(0, 0, 2399, 1399, 9);
            setUpGeometry(p.g, n, 2400, 1400);
            if (fromFile) setUpFileGeometry(p.g, n);
            paintCube(p.surface, p.g, test::manyColouredCube(n), {2, 4}, n, p.last);
            PaintedArea changed{2400, 1400, -1, -1};
            for (int y = 0; y < 1400; ++y)
                for (int x = 600; x < 2400; ++x)
                    if (p.surface.data()[y * 2400 + x] != 9) {
                        changed.x1 = std::min(changed.x1, x);
                        changed.y1 = std::min(changed.y1, y);
                        changed.x2 = std::max(changed.x2, x);
                        changed.y2 = std::max(changed.y2, y);
                    }
            EXPECT_EQ(changed, p.last) << "n " << n << (fromFile ? " from a file" : "");
        }
    }
}

// A repaint after another picture must look exactly like a repaint on a
// clean window.
struct Sequel {
    int firstN, firstWidth, firstHeight;
    int secondN, secondWidth, secondHeight;
};

class RepaintLeavesNothingBehind : public ::testing::TestWithParam<Sequel> {};

TEST_P(RepaintLeavesNothingBehind, LikeAFreshWindow) {
    const Sequel s = GetParam();
    Painting p = paintNew(s.firstN, {5, 2}, s.firstWidth, s.firstHeight);
    p.surface.resize(s.secondWidth, s.secondHeight);
    setUpGeometry(p.g, s.secondN, s.secondWidth, s.secondHeight);
    paintCube(p.surface, p.g, test::manyColouredCube(s.secondN), {2, 3}, s.secondN, p.last);
    const Painting fresh = paintNew(s.secondN, {2, 3}, s.secondWidth, s.secondHeight);
    EXPECT_EQ(firstDifference(p.surface, {fresh.surface.data(), fresh.surface.data() +
                                                                   fresh.surface.width() * fresh.surface.height()}),
              "");
}

INSTANTIATE_TEST_SUITE_P(
    Sequels, RepaintLeavesNothingBehind,
    ::testing::Values(Sequel{20, 800, 560, 2, 800, 560},     // smaller cube after a larger one
                      Sequel{2, 800, 560, 20, 800, 560},     // and the other way
                      Sequel{3, 1400, 900, 3, 800, 560},     // window made smaller
                      Sequel{3, 800, 560, 3, 1400, 900},     // window made larger
                      Sequel{2, 1400, 900, 20, 1400, 900},   // outside the fixed box
                      Sequel{20, 1400, 900, 2, 1400, 900},
                      Sequel{5, 1920, 1080, 2, 1400, 900}));

// At the usual width the repaint touches nothing but the fixed box: the mode
// panel on the left and the texts on the right stay.
TEST(PaintCube, AtEightHundredWideNothingOutsideTheFixedBoxIsTouched) {
    Surface surface(800, 560);
    surface.box(32, 32, 113, 65, 11);   // a mode panel box
    surface.box(0, 140, 200, 150, 10);  // the hint line
    surface.box(591, 167, 792, 267, 10);
    surface.box(219, 0, 219, 559, 12);
    surface.box(591, 0, 799, 559, 13);
    surface.box(220, 0, 220, 0, 14);
    surface.box(590, 559, 590, 559, 14);
    const Surface before = surface;
    Geometry g;
    PaintedArea last;
    for (int n : {20, 2, 9, 3}) {
        setUpGeometry(g, n, 800, 560);
        paintCube(surface, g, test::manyColouredCube(n), {4, 1}, n, last);
        for (int y = 0; y < 560; ++y)
            for (int x = 0; x < 800; ++x)
                if (x < 220 || x > 590) {
                    ASSERT_EQ(surface.pixel(x, y), before.pixel(x, y)) << x << ", " << y;
                }
    }
    // Inside the box the old pixels are gone.
    EXPECT_EQ(surface.pixel(220, 0), 0);
    EXPECT_EQ(surface.pixel(590, 559), 0);
}

// A cube partly or wholly off a small surface, a size the painter does not
// know, a view that does not exist: nothing is written outside the image and
// nothing but square colours and black appears.
TEST(PaintCube, OddInputsStayInsideTheSurface) {
    for (auto [width, height] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{100, 50}, std::pair{300, 200},
                                 std::pair{400, 120}}) {
        for (int n : {2, 3, 20}) {
            for (View view : {View{1, 1}, View{0, 0}, View{7, 5}, View{-3, 2}}) {
                Painting p{Surface(width, height), {}, {}};
                setUpGeometry(p.g, n, width, height);
                paintCube(p.surface, p.g, test::manyColouredCube(n), view, n, p.last);
                for (int y = 0; y < height; ++y)
                    for (int x = 0; x < width; ++x) {
                        const int colour = p.surface.pixel(x, y);
                        ASSERT_TRUE(colour >= 0 && colour < kPaletteSize && colour != kLightGrey);
                    }
            }
        }
    }
    Painting p{Surface(800, 560), {}, {}};
    for (int n : {-1, 0, 1, 21, 1000}) {
        setUpGeometry(p.g, n, 800, 560);
        paintCube(p.surface, p.g, Cube{}, {1, 1}, n, p.last);
    }
    EXPECT_EQ(countColour(p.surface, 0), 800 * 560);
    EXPECT_TRUE(p.last.empty());
}

}  // namespace
}  // namespace vx
