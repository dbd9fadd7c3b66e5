// The cube's measures on the screen for every size, and its place in the
// window.
#include <gtest/gtest.h>

#include "render/geometry.h"

namespace vx {
namespace {

struct Measures {
    int n, squareSize, faceSize, depth, step;
};

// Square size, face size, depth and depth step of every cube size.
constexpr Measures kMeasures[] = {
    {2, 115, 230, 114, 57}, {3, 76, 228, 114, 38}, {4, 57, 228, 112, 28}, {5, 46, 230, 115, 23},
    {6, 38, 228, 114, 19},  {7, 32, 224, 112, 16}, {8, 28, 224, 112, 14}, {9, 25, 225, 108, 12},
    {10, 23, 230, 110, 11}, {11, 20, 220, 110, 10}, {12, 19, 228, 108, 9}, {13, 17, 221, 104, 8},
    {14, 16, 224, 112, 8},  {15, 15, 225, 105, 7}, {16, 14, 224, 112, 7}, {17, 13, 221, 102, 6},
    {18, 12, 216, 108, 6},  {19, 12, 228, 114, 6}, {20, 11, 220, 100, 5},
};

class GeometryTable : public ::testing::TestWithParam<Measures> {};

TEST_P(GeometryTable, NewCubeMeasures) {
    const Measures m = GetParam();
    Geometry g;
    setUpGeometry(g, m.n, 800, 560);
    EXPECT_EQ(g.squarewidth, m.squareSize);
    EXPECT_EQ(g.squareheight, m.squareSize);
    EXPECT_EQ(g.facesize, m.faceSize);
    EXPECT_EQ(g.depthsize, m.depth);
    EXPECT_EQ(g.depthstep, m.step);
    EXPECT_EQ(g.depthstep * m.n, g.depthsize);
    // The front face's corners: multiples of n, one face apart.
    EXPECT_EQ(g.cubeleft % m.n, 0);
    EXPECT_EQ(g.cubetop % m.n, 0);
    EXPECT_EQ(g.cuberight, g.cubeleft + m.faceSize);
    EXPECT_EQ(g.cubebottom, g.cubetop + m.faceSize);
    EXPECT_EQ(g.cubeleft, m.n * ((400 - 165) / m.n));
    EXPECT_EQ(g.cubetop, m.n * ((280 - 65) / m.n));
}

// A puzzle read from a file keeps the front face where it was and goes half
// a face deep, fraction and all.
TEST_P(GeometryTable, FileMeasures) {
    const Measures m = GetParam();
    Geometry g;
    setUpGeometry(g, 3, 1000, 700);
    const int left = g.cubeleft, top = g.cubetop;
    setUpFileGeometry(g, m.n);
    EXPECT_EQ(g.squarewidth, m.squareSize);
    EXPECT_EQ(g.squareheight, m.squareSize);
    EXPECT_EQ(g.facesize, m.faceSize);
    EXPECT_EQ(g.depthsize, m.faceSize / 2.0);
    EXPECT_EQ(g.depthstep, m.squareSize / 2.0);
    EXPECT_EQ(g.cubeleft, left);
    EXPECT_EQ(g.cubetop, top);
    EXPECT_EQ(g.cuberight, left + m.faceSize);
    EXPECT_EQ(g.cubebottom, top + m.faceSize);
}

INSTANTIATE_TEST_SUITE_P(AllSizes, GeometryTable, ::testing::ValuesIn(kMeasures));

TEST(Geometry, ThreeCubeOnEightHundredBy560) {
    Geometry g;
    setUpGeometry(g, 3, 800, 560);
    EXPECT_EQ(g.squarewidth, 76);
    EXPECT_EQ(g.cubeleft, 234);
    EXPECT_EQ(g.cubetop, 213);
    EXPECT_EQ(g.cuberight, 462);
    EXPECT_EQ(g.cubebottom, 441);
    EXPECT_EQ(g.depthsize, 114);
    EXPECT_EQ(g.depthstep, 38);
}

TEST(Geometry, TwoCubeOnEightHundredBy560) {
    Geometry g;
    setUpGeometry(g, 2, 800, 560);
    EXPECT_EQ(g.squarewidth, 115);
    EXPECT_EQ(g.facesize, 230);
    EXPECT_EQ(g.depthsize, 114);
    EXPECT_EQ(g.depthstep, 57);
    EXPECT_EQ(g.cubeleft, 234);
    EXPECT_EQ(g.cubetop, 214);
}

TEST(Geometry, NineCubeFromAFileAgainstANewOne) {
    Geometry fresh;
    setUpGeometry(fresh, 9, 800, 560);
    EXPECT_EQ(fresh.depthsize, 108);
    EXPECT_EQ(fresh.depthstep, 12);
    Geometry loaded = fresh;
    setUpFileGeometry(loaded, 9);
    EXPECT_EQ(loaded.depthsize, 112.5);
    EXPECT_EQ(loaded.depthstep, 12.5);
    EXPECT_EQ(loaded.cubeleft, fresh.cubeleft);
    EXPECT_EQ(loaded.cubetop, fresh.cubetop);
}

// Int() rounds down, also below zero: a small window puts the cube partly
// off the surface to the left and top. Half pixels of the client size count
// for nothing.
TEST(Geometry, PositionRoundsDown) {
    struct Case {
        int n;
        double width, height;
        int left, top;
    };
    for (const Case c : {Case{3, 300, 100, -15, -15}, Case{3, 331, 131, 0, 0}, Case{3, 328, 130, -3, 0},
                         Case{4, 801.9, 561.9, 232, 212}, Case{20, 0, 0, -180, -80}, Case{7, 1400, 900, 532, 385}}) {
        Geometry g;
        setUpGeometry(g, c.n, c.width, c.height);
        EXPECT_EQ(g.cubeleft, c.left) << c.n << " " << c.width;
        EXPECT_EQ(g.cubetop, c.top) << c.n << " " << c.height;
        EXPECT_EQ(g.cuberight, c.left + g.facesize);
    }
}

// The window's size is read only by the position step.
TEST(Geometry, StepsAreIndependent) {
    Geometry g;
    setUpGeometry(g, 3, 800, 560);
    setSquareSize(g, 20);
    EXPECT_EQ(g.squarewidth, 11);
    EXPECT_EQ(g.cubeleft, 234);
    EXPECT_EQ(g.cuberight, 462);  // until the position is set again
    setPosition(g, 20, 800, 560);
    EXPECT_EQ(g.cubeleft, 220);
    EXPECT_EQ(g.cuberight, 440);
    EXPECT_EQ(g.depthsize, 114);
    setDepth(g, 20);
    EXPECT_EQ(g.depthsize, 100);
}

TEST(Geometry, SizesOutsideTheRangeChangeNothing) {
    Geometry g;
    setUpGeometry(g, 5, 800, 560);
    const Geometry before = g;
    for (int n : {-5, 0, 1, 21, 1 << 30}) {
        setUpGeometry(g, n, 800, 560);
        setUpFileGeometry(g, n);
        EXPECT_EQ(g.squarewidth, before.squarewidth);
        EXPECT_EQ(g.depthsize, before.depthsize);
        EXPECT_EQ(g.cubeleft, before.cubeleft);
    }
    // Absurd client sizes give absurd but harmless positions.
    setUpGeometry(g, 5, 1e300, -1e300);
    EXPECT_GT(g.cubeleft, 0);
    EXPECT_LT(g.cubetop, 0);
}

}  // namespace
}  // namespace vx
