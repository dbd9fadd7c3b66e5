// The solver on big cubes: for each size, 30 cubes random by state (every
// arrangement turns can make equally likely, tests/support/random_big_cube.h).
// The solution's length in the game's moves (mean, 95th percentile, most),
// the mean moves of each stage (centres, edge pairing, parity, the 3-cube
// stage), the time of a solve (mean and most, wall clock and processor) and
// the process's peak memory.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include "bench_support.h"
#include "solver/solver.h"
#include "support/random_big_cube.h"

namespace {

constexpr int kCubes = 30;

double mean(const std::vector<double>& v) {
    double sum = 0;
    for (double x : v) sum += x;
    return sum / static_cast<double>(v.size());
}

// The smallest value that at least 95 in 100 do not exceed.
double percentile95(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const auto k = (v.size() * 95 + 99) / 100;
    return v[std::max<std::size_t>(k, 1) - 1];
}

void BM_SolveBigCube(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<vx::Cube> cubes;
    for (int i = 0; i < kCubes; ++i)
        cubes.push_back(vx::test::randomBigCube(n, 5000u + static_cast<unsigned>(n * 100 + i)));
    vx::solver::solve(cubes.front(), n);  // the 3-cube tables, once
    std::vector<double> lengths, millis, cpu, centres, edges, parity, three;
    for (auto _ : state) {
        for (auto* v : {&lengths, &millis, &cpu, &centres, &edges, &parity, &three}) v->clear();
        for (const vx::Cube& c : cubes) {
            const auto start = std::chrono::steady_clock::now();
            const std::clock_t cpuStart = std::clock();
            const auto solution = vx::solver::solve(c, n);
            cpu.push_back(1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
            millis.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            vx::Cube check = c;
            for (const auto& m : solution.moves) check.turn(m, n);
            if (!solution.solved() || !check.solved(n)) state.SkipWithError("not solved");
            lengths.push_back(static_cast<double>(solution.moves.size()));
            centres.push_back(solution.stages.centres);
            edges.push_back(solution.stages.edges);
            parity.push_back(solution.stages.parity);
            three.push_back(solution.stages.threeCube);
        }
    }
    state.counters["mean_moves"] = mean(lengths);
    state.counters["p95_moves"] = percentile95(lengths);
    state.counters["max_moves"] = *std::max_element(lengths.begin(), lengths.end());
    state.counters["centres"] = mean(centres);
    state.counters["edges"] = mean(edges);
    state.counters["parity"] = mean(parity);
    state.counters["three_cube"] = mean(three);
    state.counters["ms_per_solve"] = mean(millis);
    state.counters["max_ms"] = *std::max_element(millis.begin(), millis.end());
    // The processor time, which other work on the machine does not inflate.
    state.counters["cpu_ms"] = mean(cpu);
    state.counters["max_cpu_ms"] = *std::max_element(cpu.begin(), cpu.end());
    state.counters["peak_MB"] = vx::bench::peakMegabytes();
}
BENCHMARK(BM_SolveBigCube)
    ->Arg(4)
    ->Arg(5)
    ->Arg(6)
    ->Arg(7)
    ->Arg(10)
    ->Arg(15)
    ->Arg(20)
    ->ArgName("n")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
