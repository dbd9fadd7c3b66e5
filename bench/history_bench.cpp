// The history's hot paths as the main loop runs them: a long scramble, a
// long stretch of player turns with their merges, and the computer undoing a
// long history. Each turn is also carried out on the cube.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_support.h"
#include "cube/coloring.h"
#include "history/computer_step.h"
#include "history/convert.h"
#include "history/record.h"
#include "history/scrambler.h"

namespace {

constexpr int kTurns = 10000;

using vx::bench::newCube;

void scramble(vx::Cube& cube, vx::View& view, vx::History& h, vx::Random& rnd, int n) {
    vx::ScrambleCounters counters;
    for (int i = 0; i < kTurns; ++i) vx::layerTurn(cube, view, vx::scrambleStep(counters, view, h, rnd, n), n);
    view = {1, 1};
}

void BM_Scramble10k(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    vx::Cube cube = newCube(n);
    vx::Random rnd;
    rnd.seed(4321);
    vx::History h;
    for (auto _ : state) {
        h.clear();
        vx::View view{1, 1};
        scramble(cube, view, h, rnd, n);
        benchmark::DoNotOptimize(h.histcount);
    }
    state.SetItemsProcessed(state.iterations() * kTurns);
}
BENCHMARK(BM_Scramble10k)->Arg(3)->Arg(20)->Unit(benchmark::kMillisecond);

// Player turns in runs about one axis from a changing view, most of a run
// from one edge, so that merges and whole-cube shifts happen all the time.
struct Click {
    vx::View view;
    vx::ScreenMove move;
};

std::vector<Click> playerClicks(int n) {
    vx::Random dice;
    dice.seed(99);
    std::vector<Click> clicks;
    while (static_cast<int>(clicks.size()) < kTurns) {
        const vx::View view{dice.upTo(6), dice.upTo(4)};
        const int kind = dice.upTo(2);
        const int favourite = dice.upTo(2) == 1 ? 1 : n;
        const int length = dice.upTo(2 * n);
        for (int i = 0; i < length && static_cast<int>(clicks.size()) < kTurns; ++i) {
            const int edge = dice.upTo(5) == 1 ? n + 1 - favourite : favourite;
            const int line = dice.upTo(n);
            clicks.push_back({view, kind == 1 ? vx::ScreenMove{1, line, edge} : vx::ScreenMove{2, edge, line}});
        }
    }
    return clicks;
}

void BM_RecordWithMerge10k(benchmark::State& state) {
    const int n = 20;
    const std::vector<Click> clicks = playerClicks(n);
    vx::Cube cube = newCube(n);
    vx::Random rnd;
    vx::ScrambleCounters counters;
    vx::History h;
    for (auto _ : state) {
        h.clear();
        vx::View view{1, 1};
        const vx::MergeContext ctx{cube, view, rnd, counters, n};
        // A click is made in the view the player had then; a merge may have
        // turned the view since, which the loop's next click would see.
        for (const Click& c : clicks) {
            view = c.view;
            vx::recordTurn(h, vx::toAbsolute(view, c.move, n), ctx);
            vx::layerTurn(cube, view, c.move, n);
        }
        benchmark::DoNotOptimize(h.histcount);
    }
    state.SetItemsProcessed(state.iterations() * kTurns);
    state.counters["entries_left"] = h.histcount;
}
BENCHMARK(BM_RecordWithMerge10k)->Unit(benchmark::kMillisecond);

void BM_Solve10k(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    vx::Cube cube = newCube(n);
    vx::Random rnd;
    rnd.seed(8765);
    vx::History h;
    int steps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        h.clear();
        vx::View view{1, 1};
        scramble(cube, view, h, rnd, n);
        state.ResumeTiming();
        while (h.histcount > 0) {
            const vx::ComputerAction a = vx::computerStep(h, view, rnd, n);
            if (!a.wholeCube) vx::layerTurn(cube, view, a.move, n);
            ++steps;
        }
        benchmark::DoNotOptimize(cube.squarecolor(1, 1, 1));
    }
    state.SetItemsProcessed(state.iterations() * kTurns);
    state.counters["steps"] = benchmark::Counter(steps, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Solve10k)->Arg(3)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace
