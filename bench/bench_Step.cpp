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

// A board of `width` x `height` filled half at random with the rule's states.
void RunRandomBoard(benchmark::State& state, uint8_t game, const char* rule, int width, int height)
{
    TSilentHost host;
    TGlobals g(host);
    g.Board.SetSize(width, height);
    g.Board.SetWrap(true);
    g.Life.SetGame(game);
    g.Board.SetRules(rule);
    std::mt19937_64 rng(42);
    const int states = g.Board.StatesCount();
    for (int x = g.Board.MinX(); x <= g.Board.MaxX(); ++x)
        for (int y = g.Board.MinY(); y <= g.Board.MaxY(); ++y)
            if (rng() & 1) g.Board.SetCell(x, y, uint8_t(1 + rng() % (states - 1)));
    for (auto _ : state) g.Board.Step(false);
    state.counters["cells/s"] =
        benchmark::Counter(double(width) * height, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_CyclicRange1(benchmark::State& s)
{
    RunRandomBoard(s, gmCyclic, "R1/T3/C5/NM", int(s.range(0)), int(s.range(1)));
}
void BM_CyclicRange10(benchmark::State& s)
{
    RunRandomBoard(s, gmCyclic, "R10/T50/C4/NM", 400, 300);
}
// "Balloons" from the rule library: Moore with the centre, odd states firing, 16 states.
void BM_RulesTableBalloons(benchmark::State& s)
{
    RunRandomBoard(s, gmRulesTable,
                   "1,0,1,0,0,15,0,0,0,5,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
                   "0,0,0,0,0,0,4,4,8,4,4,4,4,4,4,0,5,5,5,5,5,7,7,9,11,0,2,2,2,2,2,2,2,2,2,0,5,5,"
                   "5,5,5,13,13,9,11,0,8,8,10,8,8,8,8,8,8,0,2,2,2,2,2,9,13,9,11,0,10,10,0,10,10,"
                   "10,10,10,10,0,14,14,14,14,14,14,14,14,11,0,12,12,4,12,12,12,12,12,12,0,6,6,6,"
                   "6,13,13,13,9,11,0,14,14,14,12,14,14,14,14,14,0,2,2,2,2,2,2,2,2,2",
                   2000, 2000);
}

// One row per generation on the widest board.
void BM_Totalistic1D(benchmark::State& state)
{
    TSilentHost host;
    TGlobals g(host);
    g.Board.SetSize(100000, 2500);
    g.Board.SetWrap(true);
    g.Life.SetGame(gm1DTotalistic);
    g.Board.SetRules("R2,M1,S2,S3,B1,B3");
    std::mt19937_64 rng(42);
    for (int x = g.Board.MinX(); x <= g.Board.MaxX(); ++x)
        if (rng() & 1) g.Board.SetCell(x, g.Board.MinY(), 1);
    for (auto _ : state) g.Board.Step(false);
    state.counters["rows/s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
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

BENCHMARK(BM_CyclicRange1)->Args({400, 300})->Args({2000, 2000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CyclicRange10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RulesTableBalloons)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Totalistic1D)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
