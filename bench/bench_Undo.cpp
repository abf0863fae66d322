// Taking and restoring an undo snapshot of a board at the default cell limit.

#include "base/u_Host.h"
#include "engine/u_Globals.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kCells = 60000;

// `kCells` live cells of mixed states scattered over a board of the given size.
void Scatter(TGlobals& g, int width, int height)
{
    g.Board.SetSize(width, height);
    g.Board.SetStatesCount(25);
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> x(g.Board.MinX(), g.Board.MaxX());
    std::uniform_int_distribution<int> y(g.Board.MinY(), g.Board.MaxY());
    std::uniform_int_distribution<int> state(1, 24);
    while (g.Board.LiveCount() < kCells)
        g.Board.SetCell(x(rng), y(rng), static_cast<uint8_t>(state(rng)));
}

void BM_UndoSnapshot(benchmark::State& state)
{
    TSilentHost host;
    TGlobals g(host);
    Scatter(g, int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        if (!g.Undo.AddEvent(TUndoEvent::Manual)) state.SkipWithError("no snapshot");
        state.PauseTiming();
        g.Undo.Clear();
        state.ResumeTiming();
    }
    state.counters["cells/s"] =
        benchmark::Counter(kCells, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_UndoRestore(benchmark::State& state)
{
    TSilentHost host;
    TGlobals g(host);
    Scatter(g, int(state.range(0)), int(state.range(1)));
    if (!g.Undo.AddEvent(TUndoEvent::Manual)) state.SkipWithError("no snapshot");
    for (auto _ : state) g.Undo.GoTo(0, false, true);
    if (g.Board.LiveCount() != kCells) state.SkipWithError("restored the wrong cells");
    state.counters["cells/s"] =
        benchmark::Counter(kCells, benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

// Arguments: board width and height. The widest board snaps with wider records and has the
// most blocks to visit.
BENCHMARK(BM_UndoSnapshot)
    ->Args({400, 300})
    ->Args({2000, 2000})
    ->Args({100000, 2500})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRestore)
    ->Args({400, 300})
    ->Args({2000, 2000})
    ->Args({100000, 2500})
    ->Unit(benchmark::kMillisecond);
