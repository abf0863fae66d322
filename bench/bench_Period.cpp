// What the population history and the period detection add to a generation.

#include "base/u_Host.h"
#include "engine/u_Globals.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

namespace {

using TClock = std::chrono::steady_clock;

double Microseconds(TClock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

// The 2000 x 2000 soup of the step benchmarks: per generation, the step (which feeds the history
// and the detector) and, timed apart, the same feeding once more, as a share of the step.
void BM_WatchOnSoup(benchmark::State& state)
{
    TSilentHost host;
    TGlobals g(host);
    TBoard& board = g.Board;
    board.SetSize(2000, 2000);
    board.SetWrap(state.range(0) != 0);
    std::mt19937_64 rng(42);
    for (int x = board.MinX(); x <= board.MaxX(); ++x)
        for (int y = board.MinY(); y <= board.MaxY(); ++y)
            if (rng() & 1) board.SetCell(x, y, 1);
    for (int i = 0; i < 100; ++i) board.Step(false);

    TPopulationHistory history;
    double step = 0, watch = 0;
    int32_t cycle = 0;
    for (auto _ : state) {
        const auto t0 = TClock::now();
        board.Step(false);
        const auto t1 = TClock::now();
        history.Track(cycle, board.LiveCount());
        g.Period.BeforeStep(board, g.Life);
        history.Add(++cycle, board.LiveCount(), board.ChangedCount());
        g.Period.AfterStep(board);
        benchmark::DoNotOptimize(g.Period.Current());
        const auto t2 = TClock::now();
        step += Microseconds(t1 - t0);
        watch += Microseconds(t2 - t1);
    }
    const double n = double(state.iterations());
    state.counters["step_us"] = step / n;
    state.counters["watch_us"] = watch / n;
    state.counters["watch_%"] = 100 * watch / (step - watch);
}

// A calm board whose every generation is watched: blinkers in a 1000 x 1000 square of a 2000 x
// 2000 board, one to a block, so that each generation writes about a thousand blocks.
void BM_WatchedBlinkers(benchmark::State& state)
{
    TSilentHost host;
    TGlobals g(host);
    TBoard& board = g.Board;
    board.SetSize(2000, 2000);
    const int step = int(state.range(0));
    for (int x = -500; x < 500; x += step)
        for (int y = -500; y < 500; y += step)
            for (int k = 0; k < 3; ++k) board.SetCell(x + 3 + k, y + 4, 1);
    for (int i = 0; i < 4; ++i) board.Step(false);
    for (auto _ : state) board.Step(false);
    state.counters["period"] = g.Period.Current().Period;
    state.counters["blocks"] = board.WrittenBlockCount();
}

} // namespace

BENCHMARK(BM_WatchOnSoup)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WatchedBlinkers)->Arg(30)->Arg(40)->Unit(benchmark::kMicrosecond);
