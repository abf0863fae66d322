#pragma once
// A plain cell-by-cell generation of the outer-totalistic games, the rules table and Cyclic CA
// on a full grid,
// written for clarity and nothing else; the board's step must agree with it on every cell.

#include "rules/u_Life.h"
#include "rules/u_Rules.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

struct TReferenceGrid {
    int Width, Height; // cells; x = 0..Width-1 maps to the board's MinX..MaxX
    std::vector<uint8_t> Cells;

    uint8_t At(int x, int y, bool wrap) const
    {
        if (wrap) {
            x = (x + Width) % Width;
            y = (y + Height) % Height;
        } else if (x < 0 || y < 0 || x >= Width || y >= Height) {
            return 0;
        }
        return Cells[size_t(y) * Width + x];
    }
};

struct TReferenceRule {
    uint8_t Game;
    uint16_t Survival, Birth;
    int States;
    const TRulesWLife* Weighted = nullptr;
    const TRulesCycl* Cyclic = nullptr;
    const TRulesTable* Table = nullptr;
};

// The rules table's next state of cell (x, y).
inline uint8_t TableCell(const TRulesTable& t, const TReferenceGrid& g, int x, int y, bool w)
{
    const int mask = t.OddStates ? 1 : 0xFF;
    auto fires = [mask](uint8_t s) { return (s & mask) == 1; };
    int k = fires(g.At(x, y - 1, w)) + fires(g.At(x - 1, y, w)) + fires(g.At(x + 1, y, w)) +
            fires(g.At(x, y + 1, w));
    if (t.Neighbourhood == 1)
        k += fires(g.At(x - 1, y - 1, w)) + fires(g.At(x + 1, y - 1, w)) +
             fires(g.At(x - 1, y + 1, w)) + fires(g.At(x + 1, y + 1, w));
    if (t.Centre) k += fires(g.At(x, y, w));
    return t.Table[g.At(x, y, w)][k];
}

// Cyclic CA's next state of cell (x, y) with `n` states.
inline uint8_t CyclicCell(const TRulesCycl& c, int n, const TReferenceGrid& g, int x, int y, bool w)
{
    const int s = g.At(x, y, w);
    const int next = s < n - 1 ? s + 1 : 0;
    if (c.GreenbergHastings && s != 0) return uint8_t(next);
    int k = 0;
    for (int dy = -c.Range; dy <= c.Range; ++dy)
        for (int dx = -c.Range; dx <= c.Range; ++dx)
            if (c.Neighbourhood == 1 || std::abs(dx) + std::abs(dy) <= c.Range)
                k += g.At(x + dx, y + dy, w) == next;
    return uint8_t(k >= c.Threshold ? next : std::min(s, n - 1));
}

inline uint8_t ReferenceCell(const TReferenceGrid& g, int x, int y, bool wrap,
                             const TReferenceRule& r)
{
    if (r.Game == gmCyclic) return CyclicCell(*r.Cyclic, r.States, g, x, y, wrap);
    if (r.Game == gmRulesTable) return TableCell(*r.Table, g, x, y, wrap);
    const uint8_t c = g.At(x, y, wrap);
    const int last = r.States - 1;
    auto in = [](uint16_t set, int k) { return (set >> k) & 1; };
    auto decay = [&](bool survives) -> uint8_t {
        if (c == 0) return 0;
        if (c == 1) return survives ? 1 : (1 < last ? 2 : 0);
        return c < last ? c + 1 : 0;
    };
    int nonzero = 0, ones = 0;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            const uint8_t n = g.At(x + dx, y + dy, wrap);
            nonzero += n != 0;
            ones += n == 1;
        }
    switch (r.Game) {
    case gmLife:
        if (c == 0) return in(r.Birth, nonzero) ? 1 : 0;
        return in(r.Survival, nonzero) ? uint8_t(std::min(c + 1, last)) : 0;
    case gmGenerations:
        if (c == 0) return in(r.Birth, ones) ? 1 : 0;
        return decay(in(r.Survival, ones));
    case gmVoteForLife: {
        const bool live = in(r.Survival, nonzero + (c != 0));
        return live == (c != 0) ? c : (live ? 1 : 0);
    }
    default: {
        const TRulesWLife& w = *r.Weighted;
        const bool history = w.History;
        if (history && c >= 2) return decay(false);
        int64_t sum = 0;
        int k = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx, ++k) {
                const uint8_t n = g.At(x + dx, y + dy, wrap);
                if (history ? n == 1 : n != 0) sum += w.Weights[k];
            }
        if (c == 0) return w.IsBorn(sum) ? 1 : 0;
        if (history) return decay(w.Survives(sum));
        return w.Survives(sum) ? uint8_t(std::min(c + 1, last)) : 0;
    }
    }
}

inline TReferenceGrid ReferenceStep(const TReferenceGrid& g, bool wrap, const TReferenceRule& r)
{
    TReferenceGrid next = g;
    for (int y = 0; y < g.Height; ++y)
        for (int x = 0; x < g.Width; ++x)
            next.Cells[size_t(y) * g.Width + x] = ReferenceCell(g, x, y, wrap, r);
    return next;
}
