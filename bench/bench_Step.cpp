// Generation speed of each two-dimensional family on a random soup.

#include "base/u_Host.h"
#include "engine/u_Globals.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

// A wrapped board filled half at random, advanced `warmup` generations before timing, on the
// processor's widest vectors unless `isa` names narrower ones.
void RunSoup(benchmark::State& state, uint8_t game, const char* rule, int warmup,
             TBoard::TStepIsa isa = TBoard::BestStepIsa())
{
    TSilentHost host;
    TGlobals g(host);
    if (isa > TBoard::BestStepIsa()) {
        state.SkipWithError("the processor lacks these instructions");
        return;
    }
    g.Board.SetStepIsa(isa);
    const int side = int(state.range(0));
    g.Board.SetSize(side, side);
    g.Board.SetWrap(true);
    g.Life.SetGame(game);
    g.Board.SetRules(rule);
    std::mt19937_64 rng(42);
    for (int x = g.Board.MinX(); x <= g.Board.MaxX(); ++x)
        for (int y = g.Board.MinY(); y <= g.Board.MaxY(); ++y)
            if (rng() & 1) g.Board.SetCell(x, y, 1);
    for (int i = 0; i < warmup; ++i) g.Board.Step(false);
    for (auto _ : state) g.Board.Step(false);
    state.counters["cells/s"] =
        benchmark::Counter(double(side) * side, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["population"] = g.Board.LiveCount();
}

void BM_Life(benchmark::State& s)
{
    RunSoup(s, gmLife, "23/3", int(s.range(1)));
}
// The same with each instruction set: 0 SSE2, 1 AVX2, 2 AVX-512.
void BM_LifeByIsa(benchmark::State& s)
{
    RunSoup(s, gmLife, "23/3", int(s.range(1)), TBoard::TStepIsa(s.range(2)));
}
void BM_Generations(benchmark::State& s)
{
    RunSoup(s, gmGenerations, "345/2/4", int(s.range(1)));
}
void BM_WeightedLife(benchmark::State& s)
{
    RunSoup(s, gmWeightedLife, "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0,RS2,RS3,RB3",
            int(s.range(1)));
}
void BM_VoteForLife(benchmark::State& s)
{
    RunSoup(s, gmVoteForLife, "46789", int(s.range(1)));
}

} // namespace

// Arguments: board side, generations before timing (0: the dense start; 1000: the ash).
BENCHMARK(BM_Life)->Args({2000, 0})->Args({2000, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LifeByIsa)
    ->Args({2000, 100, 0})
    ->Args({2000, 100, 1})
    ->Args({2000, 100, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generations)->Args({2000, 0})->Args({2000, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WeightedLife)->Args({2000, 0})->Args({2000, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VoteForLife)->Args({2000, 0})->Args({2000, 1000})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
