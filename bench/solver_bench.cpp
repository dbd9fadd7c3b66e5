// The solver on 200 random states per size (random by state, in random
// colours and orientations): solution lengths, time per solve, the time to
// set up the tables, and the peak memory of the process. Beside it, what the
// computer replays today: the history a 99-turn scramble leaves.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "history/scrambler.h"
#include "solver/big/orbit_tables.h"
#include "solver/random_states.h"
#include "solver/solver.h"
#include "solver/three/tables.h"
#include "solver/three/three_solver.h"
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

// The processor time this thread has had, in milliseconds: on a busy
// machine it tells the search's own cost better than the clock on the wall.
double threadMillis() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double meanOf(const std::vector<double>& v) {
    double sum = 0;
    for (double x : v) sum += x;
    return sum / static_cast<double>(v.size());
}

// range(1): the budget in thousands of nodes, -1 for the default one.
// range(2) = 1: the 3-cube with outer layers only, as bigger cubes use it.
vx::solver::Solution solveFor(const vx::Cube& c, int n, const vx::solver::Budget& budget, bool outerOnly) {
    if (!outerOnly) return vx::solver::solve(c, n, budget);
    return vx::solver::solveThree(c, false, budget);
}

void BM_SolveRandomStates(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const vx::solver::Budget budget =
        state.range(1) < 0 ? vx::solver::Budget{} : vx::solver::Budget{state.range(1) * 1000};
    const bool outerOnly = state.range(2) == 1;
    std::mt19937 rng(1000 + static_cast<unsigned>(n));
    std::vector<vx::Cube> cubes;
    for (int i = 0; i < kStates; ++i) cubes.push_back(vx::test::randomCube(n, rng));
    vx::solver::prepare();  // the tables, once
    std::vector<double> lengths, millis, cpuMillis;
    for (auto _ : state) {
        lengths.clear();
        millis.clear();
        cpuMillis.clear();
        for (const vx::Cube& c : cubes) {
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = threadMillis();
            const auto s = solveFor(c, n, budget, outerOnly);
            cpuMillis.push_back(threadMillis() - cpuStart);
            millis.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            if (!s.solved() || !vx::test::solves(c, n, s.moves)) state.SkipWithError("not solved");
            lengths.push_back(static_cast<double>(s.moves.size()));
        }
    }
    lengthCounters(state, lengths);
    state.counters["ms_per_solve"] = meanOf(millis);
    state.counters["cpu_ms_per_solve"] = meanOf(cpuMillis);
    state.counters["max_ms"] = *std::max_element(millis.begin(), millis.end());
    state.counters["peak_MB"] = vx::bench::peakMegabytes();
}
BENCHMARK(BM_SolveRandomStates)
    ->Args({2, 0, 0})
    ->Args({3, 0, 0})
    ->Args({3, -1, 0})
    ->Args({3, 4000, 0})
    ->Args({3, 0, 1})
    ->Args({3, 300, 1})
    ->Args({3, -1, 1})
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
    double cpu = 0;
    for (auto _ : state) {
        const double start = threadMillis();
        bytes = vx::solver::three::buildTables().bytes();
        cpu += threadMillis() - start;
    }
    state.counters["table_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["cpu_ms"] = cpu / static_cast<double>(state.iterations());
    state.counters["peak_MB"] = vx::bench::peakMegabytes();
}
BENCHMARK(BM_ThreeSetUp)->Unit(benchmark::kMillisecond)->Iterations(3);

// The tables of the 4- and 5-cube's centre searches.
void BM_SmallCentresSetUp(benchmark::State& state) {
    using vx::solver::big::OrbitKind;
    const OrbitKind kind = state.range(0) == 4 ? OrbitKind::fourCentres : OrbitKind::fiveNextToMiddle;
    vx::solver::big::orbitTables(OrbitKind::fiveNextToCorner);  // what the 5-cube's kind uses
    std::size_t bytes = 0;
    double cpu = 0;
    for (auto _ : state) {
        const double start = threadMillis();
        bytes = vx::solver::big::orbitTableBytes(vx::solver::big::buildOrbitTables(kind));
        cpu += threadMillis() - start;
    }
    state.counters["table_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["cpu_ms"] = cpu / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SmallCentresSetUp)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(3);

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
