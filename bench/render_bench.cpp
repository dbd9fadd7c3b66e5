// A full repaint of the cube on the usual 800 x 560 client area.
#include <benchmark/benchmark.h>

#include "render/painter.h"

namespace vx {
namespace {

constexpr int kSquareColours[14] = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15};

Cube colouredCube(int n) {
    Cube cube;
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) cube.setSquarecolor(a, b, f, kSquareColours[(a + 2 * b + 3 * f) % 14]);
    return cube;
}

void BM_Repaint(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Cube cube = colouredCube(n);
    Surface surface(800, 560);
    Geometry g;
    setUpGeometry(g, n, 800, 560);
    PaintedArea last;
    for (auto _ : state) {
        paintCube(surface, g, cube, {1, 1}, n, last);
        benchmark::DoNotOptimize(surface.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Repaint)->Arg(3)->Arg(20)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vx
