// One layer turn as the loop's turn stage makes it: a screen move in a view,
// over a mix of inner and outer layers and all four edges.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_support.h"
#include "cube/coloring.h"
#include "cube/layer_turn.h"

namespace {

using vx::bench::newCube;

// Every move a click can make in one view, in turn: columns from the top and
// bottom rows, rows from the left and right columns, inner and outer alike.
void BM_LayerTurn(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    vx::Cube cube = newCube(n);
    std::vector<vx::ScreenMove> moves;
    for (int line = 1; line <= n; ++line)
        for (int edge : {1, n}) {
            moves.push_back({1, line, edge});
            moves.push_back({2, edge, line});
        }
    const vx::View view{4, 2};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vx::layerTurn(cube, view, moves[i], n));
        if (++i == moves.size()) i = 0;
    }
    benchmark::ClobberMemory();
}
BENCHMARK(BM_LayerTurn)->Arg(3)->Arg(20);

// The same with a random view and move every time: what the branch predictor
// cannot learn is paid for here.
void BM_LayerTurnRandom(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    vx::Cube cube = newCube(n);
    vx::Random rnd;
    std::vector<std::pair<vx::View, vx::ScreenMove>> moves;
    for (int i = 0; i < 256; ++i) {
        const vx::View view{rnd.upTo(6), rnd.upTo(4)};
        const int line = rnd.upTo(n);
        const int edge = rnd.upTo(2) == 1 ? 1 : n;
        moves.push_back({view, rnd.upTo(2) == 1 ? vx::ScreenMove{1, line, edge} : vx::ScreenMove{2, edge, line}});
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [view, move] = moves[i++ & 255];
        benchmark::DoNotOptimize(vx::layerTurn(cube, view, move, n));
    }
    benchmark::ClobberMemory();
}
BENCHMARK(BM_LayerTurnRandom)->Arg(3)->Arg(20);

}  // namespace

namespace {
// The turn alone, without working out the move from the screen.
void BM_PhysicalTurn(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    vx::Cube cube = newCube(n);
    vx::Random rnd;
    std::vector<vx::PhysicalMove> moves;
    for (int i = 0; i < 256; ++i) moves.push_back({rnd.upTo(3) - 1, rnd.upTo(n), rnd.upTo(2) == 1 ? 1 : -1});
    std::size_t i = 0;
    for (auto _ : state) cube.turn(moves[i++ & 255], n);
    benchmark::ClobberMemory();
}
BENCHMARK(BM_PhysicalTurn)->Arg(3)->Arg(20);

}  // namespace
