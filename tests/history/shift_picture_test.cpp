// A merge that turns the whole cube must not change what the player sees.
#include <gtest/gtest.h>

#include "helpers.h"
#include "history/convert.h"
#include "history/merge.h"
#include "render/geometry.h"
#include "render/painter.h"
#include "render/surface.h"

namespace vx {
namespace {

// Colours 1..6 and 8..15 spread over the squares so that hardly two
// neighbours agree.
Cube patterned(int n) {
    static constexpr int kColours[14] = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    Cube c;
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) c.setSquarecolor(a, b, f, kColours[(a + 2 * b + 3 * f) % 14]);
    return c;
}

Surface painted(const Cube& cube, View view, int n) {
    Surface s(800, 560);
    Geometry g;
    setUpGeometry(g, n, 800, 560);
    PaintedArea area;
    paintCube(s, g, cube, view, n, area);
    return s;
}

TEST(ShiftPicture, PaintedPictureStaysPixelForPixel) {
    for (int n : {2, 3, 4, 7, 20})
        for (View view : test::allViews())
            for (int axis = 1; axis <= 3; ++axis) {
                if (parallelToScreen(view, axis)) continue;
                for (int q : {1, -1}) {
                    Cube cube = patterned(n);
                    const Cube start = cube;
                    View now = view;
                    Random rnd;
                    ScrambleCounters counters;
                    History h;
                    // More than half of the layers a quarter the same way.
                    for (int layer = 1; layer <= n / 2 + 1; ++layer) h.push(test::quarterEntry(axis, layer, q, n));
                    const Surface before = painted(cube, view, n);

                    mergeTopRun(h, {cube, now, rnd, counters, n});
                    ASSERT_NE(now, view) << "the merge turned the cube";
                    ASSERT_FALSE(test::sameSquares(cube, start, n));
                    EXPECT_TRUE(painted(cube, now, n) == before)
                        << "n " << n << " view " << view.face << "," << view.turn << " axis " << axis << " q " << q;
                }
            }
}

}  // namespace
}  // namespace vx
