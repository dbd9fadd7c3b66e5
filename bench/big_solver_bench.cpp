// The solver on cubes of 4 to 20: for each size, 20 cubes scrambled by the
// game's own scrambler with 50 n^2 turns; the solution's length (mean and
// longest), the time per solve, the process's peak memory, and beside them
// what the computer's replay of the history makes for the same cubes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "history/scrambler.h"
#include "solver/solver.h"

namespace {

constexpr int kCubes = 20;

struct Scrambled {
    vx::Cube cube;
    int history = 0;  // the entries the scramble left on the history
};

Scrambled scrambled(int n, int seed) {
    Scrambled s{vx::bench::newCube(n)};
    vx::Random rnd;
    rnd.seed(1000.0 + seed);
    vx::History h;
    vx::View view{1, 1};
    vx::ScrambleCounters counters;
    for (int t = 0; t < 50 * n * n; ++t) vx::layerTurn(s.cube, view, vx::scrambleStep(counters, view, h, rnd, n), n);
    s.history = h.histcount;
    return s;
}

double mean(const std::vector<double>& v) {
    double sum = 0;
    for (double x : v) sum += x;
    return sum / static_cast<double>(v.size());
}

void BM_SolveBigCube(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<Scrambled> cubes;
    for (int i = 0; i < kCubes; ++i) cubes.push_back(scrambled(n, i));
    vx::solver::solve(cubes.front().cube, n);  // the 3-cube tables, once
    std::vector<double> lengths, millis, history;
    for (auto _ : state) {
        lengths.clear();
        millis.clear();
        history.clear();
        for (const Scrambled& s : cubes) {
            const auto start = std::chrono::steady_clock::now();
            const auto solution = vx::solver::solve(s.cube, n);
            millis.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            vx::Cube check = s.cube;
            for (const auto& m : solution.moves) check.turn(m, n);
            if (!solution.solved() || !check.solved(n)) state.SkipWithError("not solved");
            lengths.push_back(static_cast<double>(solution.moves.size()));
            history.push_back(s.history);
        }
    }
    state.counters["mean_moves"] = mean(lengths);
    state.counters["max_moves"] = *std::max_element(lengths.begin(), lengths.end());
    state.counters["ms_per_solve"] = mean(millis);
    state.counters["max_ms"] = *std::max_element(millis.begin(), millis.end());
    state.counters["history"] = mean(history);
    state.counters["peak_MB"] = vx::bench::peakMegabytes();
}
BENCHMARK(BM_SolveBigCube)->DenseRange(4, 20)->ArgName("n")->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
