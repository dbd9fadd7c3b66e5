// `squarecopy` must hold the whole cube as it was before the last turn: the
// puzzle file stores it.
#include <gtest/gtest.h>

#include "cube/coloring.h"
#include "cube/layer_turn.h"

namespace vx {
namespace {

Cube patterned(int n) {
    Cube cube;
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) cube.setSquarecolor(a, b, f, (a + 3 * b + 5 * f) % 14 + 1);
    return cube;
}

void expectSnapshotIs(const Cube& cube, const Cube& before, int n) {
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a)
                ASSERT_EQ(cube.squarecopy(a, b, f), before.squarecolor(a, b, f))
                    << "square (" << a << ", " << b << ") of face " << f;
}

TEST(Snapshot, HoldsTheCubeFromBeforeEachTurn) {
    for (int n : {2, 3, 7, 20}) {
        Cube cube = patterned(n);
        Random rnd;
        for (int i = 0; i < 50; ++i) {
            const Cube before = cube;
            const int line = rnd.upTo(n);
            const int edge = rnd.upTo(2) == 1 ? 1 : n;
            const ScreenMove m = rnd.upTo(2) == 1 ? ScreenMove{1, line, edge} : ScreenMove{2, edge, line};
            ASSERT_NE(layerTurn(cube, {rnd.upTo(6), rnd.upTo(4)}, m, n), 0);
            expectSnapshotIs(cube, before, n);
        }
        const Cube before = cube;
        cube.turnWhole(rnd.upTo(3) - 1, 1, n);
        expectSnapshotIs(cube, before, n);
    }
}

TEST(Snapshot, DirectWritesKeepTheLastSnapshotAndTheSquaresSetAlone) {
    const int n = 3;
    Cube cube = patterned(n);
    const Cube before = cube;
    layerTurn(cube, {1, 1}, {1, 2, 1}, n);
    const Cube afterTurn = cube;
    cube.setSquarecolor(1, 1, 1, 9);  // as the colouring of a new cube does
    expectSnapshotIs(cube, before, n);
    EXPECT_EQ(cube.squarecolor(1, 1, 1), 9);
    cube.setSquarecopy(2, 2, 2, 11);  // as a puzzle file does
    EXPECT_EQ(cube.squarecopy(2, 2, 2), 11);
    EXPECT_EQ(cube.squarecopy(3, 3, 3), before.squarecolor(3, 3, 3));
    EXPECT_EQ(cube.squarecolor(2, 1, 2), afterTurn.squarecolor(2, 1, 2));
}

TEST(Snapshot, UnwrittenSquaresReadZero) {
    Cube cube;
    EXPECT_EQ(cube.squarecolor(25, 25, 7), 0);
    EXPECT_EQ(cube.squarecopy(0, 0, 0), 0);
}

TEST(Coloring, SixFacesInSixDifferentColoursWhateverTheDraws) {
    for (int seed = 0; seed < 200; ++seed) {
        Random rnd;
        rnd.seed(seed);
        Cube cube;
        std::array<int, 7> used{};
        const int n = 2 + seed % 19;
        colourNewCube(cube, n, kDefaultFaceColors, used, rnd);
        EXPECT_TRUE(cube.solved(n));
        std::array<int, 16> seen{};
        for (int f = 1; f <= 6; ++f) {
            EXPECT_EQ(cube.squarecolor(1, 1, f), used[f]);
            ++seen[static_cast<std::size_t>(cube.squarecolor(1, 1, f))];
        }
        for (int c : {9, 10, 12, 13, 14, 15}) EXPECT_EQ(seen[static_cast<std::size_t>(c)], 1);
    }
}

TEST(Coloring, UnusableColoursFallBackToTheDefaults) {
    Random rnd;
    Cube cube;
    std::array<int, 7> used{};
    colourNewCube(cube, 3, {0, 1, 1, 2, 3, 4, 5}, used, rnd);  // would never finish
    for (int f = 1; f <= 6; ++f) EXPECT_TRUE(usableFaceColors(kDefaultFaceColors) && used[f] >= 9);
    EXPECT_FALSE(usableFaceColors({0, 1, 2, 3, 4, 5, 7}));
    EXPECT_FALSE(usableFaceColors({0, 1, 2, 3, 4, 5, 0}));
    EXPECT_TRUE(usableFaceColors({0, 1, 10, 5, 9, 11, 13}));
}

}  // namespace
}  // namespace vx
