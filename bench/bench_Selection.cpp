// The selection commands that visit every place of a large rectangle.

#include "base/u_Host.h"
#include "engine/u_Globals.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kSide = 1000;

// A board wide enough for a kSide x kSide selection, selected and empty.
void Select(TGlobals& g)
{
    g.Board.SetSize(2000, 2000);
    g.Selection.SetRectangle({0, 0, kSide - 1, kSide - 1});
}

void BM_SelectionFill(benchmark::State& state)
{
    TSilentHost host;
    TGlobals g(host);
    Select(g);
    for (auto _ : state) g.Selection.Fill();
    if (g.Selection.Cells().Count() != size_t(kSide) * kSide) state.SkipWithError("wrong fill");
}

// Each turn inverts the full rectangle to nothing and nothing back to the full rectangle.
void BM_SelectionInvert(benchmark::State& state)
{
    TSilentHost host;
    TGlobals g(host);
    Select(g);
    g.Selection.Fill();
    for (auto _ : state) {
        g.Selection.Invert();
        g.Selection.Invert();
    }
    if (g.Selection.Cells().Count() != size_t(kSide) * kSide) state.SkipWithError("wrong invert");
}

} // namespace

BENCHMARK(BM_SelectionFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectionInvert)->Unit(benchmark::kMillisecond);
