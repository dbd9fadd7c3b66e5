// The solver on 200 random states per size (random by state, in random
// colours and orientations): solution lengths, time per solve, the time to
// set up the tables, and the peak memory of the process. Beside it, what the
// computer replays today: the history a 99-turn scramble leaves.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "history/scrambler.h"
#include "solver/random_states.h"
#include "solver/solver.h"
#include "solver/three/three_solver.h"
#include "solver/three/tables.h"
#include "solver/two/two_solver.h"

namespace {

constexpr int kStates = 200;

void lengthCounters(benchmark::State& state, std::vector<double> lengths) {
    std::sort(lengths.begin(), lengths.end());
    double sum = 0;
    for (double l : lengths) sum += l;
    state.counters["mean_moves"] = sum / static_cast<double>(lengths.size());
    state.counters["max_moves"] = lengths.back();
    state.counters["p95_moves"] = lengths[lengths.size() * 95 / 100];
}

// range(2) = 1: the 3-cube with outer layers only, as bigger cubes use it.
vx::solver::Solution solveFor(const vx::Cube& c, int n, const vx::solver::Budget& budget, bool outerOnly) {
    if (!outerOnly) return vx::solver::solve(c, n, budget);
    return vx::solver::solveThree(c, false, budget);
}

void BM_SolveRandomStates(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const vx::solver::Budget budget{state.range(1) * 1000};
    const bool outerOnly = state.range(2) == 1;
    std::mt19937 rng(1000 + static_cast<unsigned>(n));
    std::vector<vx::Cube> cubes;
    for (int i = 0; i < kStates; ++i) cubes.push_back(vx::test::randomCube(n, rng));
    vx::solver::solve(cubes.front(), n, budget);  // the tables, once
    std::vector<double> lengths, millis;
    for (auto _ : state) {
        lengths.clear();
        millis.clear();
        for (const vx::Cube& c : cubes) {
            const auto start = std::chrono::steady_clock::now();
            const auto s = solveFor(c, n, budget, outerOnly);
            millis.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            if (!s.solved() || !vx::test::solves(c, n, s.moves)) state.SkipWithError("not solved");
            lengths.push_back(static_cast<double>(s.moves.size()));
        }
    }
    lengthCounters(state, lengths);
    state.counters["ms_per_solve"] = [&] {
        double sum = 0;
        for (double m : millis) sum += m;
        return sum / static_cast<double>(millis.size());
    }();
    state.counters["max_ms"] = *std::max_element(millis.begin(), millis.end());
    state.counters["peak_MB"] = vx::bench::peakMegabytes();
}
BENCHMARK(BM_SolveRandomStates)
    ->Args({2, 0, 0})
    ->Args({3, 0, 0})
    ->Args({3, 1000, 0})
    ->Args({3, 4000, 0})
    ->Args({3, 16000, 0})
    ->Args({3, 0, 1})
    ->Args({3, 4000, 1})
    ->ArgNames({"n", "kilonodes", "outer_only"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_TwoSetUp(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) bytes = vx::solver::buildTwoTables();
    state.counters["table_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_TwoSetUp)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ThreeSetUp(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) bytes = vx::solver::three::buildTables().bytes();
    state.counters["table_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_ThreeSetUp)->Unit(benchmark::kMillisecond)->Iterations(3);

// What the history replay makes after a 99-turn scramble: the entries left
// once the scrambler's turns are merged.
void BM_HistoryAfter99(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<double> lengths;
    for (auto _ : state) {
        lengths.clear();
        for (int i = 0; i < kStates; ++i) {
            vx::Cube cube = vx::bench::newCube(n);
            vx::Random rnd;
            rnd.seed(100.0 + i);
            vx::History h;
            vx::View view{1, 1};
            vx::ScrambleCounters counters;
            for (int t = 0; t < 99; ++t) vx::layerTurn(cube, view, vx::scrambleStep(counters, view, h, rnd, n), n);
            lengths.push_back(static_cast<double>(h.histcount));
        }
    }
    lengthCounters(state, lengths);
}
BENCHMARK(BM_HistoryAfter99)->Arg(2)->Arg(3)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
