#pragma once
// Cyclic CA of range 1 on the binary planes of the bit mirror (plane p holds bit p of a cell's
// state), 64 cells a word: the successor of each cell is compared plane by plane with every
// neighbour, and the matches are summed by full adders and compared with the threshold.
// Included only by the units that build it for one instruction set each, after the two-state
// kernel whose vectors it shares.

#include "engine/u_StepBitKernel.h"

#include <bit>

namespace PLEXA_SIMD_NS {
namespace {

// The columns of a tile and one on either side, in whole vectors.
constexpr int kCyclicSpan = (TBitMirror::kTileColumns + 2 + kWords - 1) / kWords * kWords;

PLEXA_INLINE void StoreWords(uint64_t* p, TWords v)
{
    std::memcpy(p, &v, sizeof v);
}

// Where more than `Spare` of the neighbours do not hold the successor, that is where fewer
// than the threshold do; `kept` are the neighbours that do not, summed by full adders.
template <bool Moore, int Spare>
PLEXA_INLINE TWords TooFew(const TWords* kept)
{
    const auto adder = [](TWords a, TWords b, TWords c, TWords& carry) {
        const TWords t = a ^ b;
        carry = (a & b) | (t & c);
        return t ^ c;
    };
    constexpr int kBits = Moore ? 4 : 3;
    TWords count[kBits];
    if constexpr (Moore) {
        TWords c0, c1, c3, d0;
        const TWords s0 = adder(kept[0], kept[1], kept[2], c0);
        const TWords s1 = adder(kept[3], kept[4], kept[5], c1);
        const TWords s2 = kept[6] ^ kept[7], c2 = kept[6] & kept[7];
        count[0] = adder(s0, s1, s2, c3);
        const TWords t = adder(c0, c1, c2, d0);
        count[1] = t ^ c3;
        const TWords c4 = t & c3;
        count[2] = d0 ^ c4;
        count[3] = d0 & c4;
    } else {
        TWords c0;
        const TWords s0 = adder(kept[0], kept[1], kept[2], c0);
        count[0] = s0 ^ kept[3];
        const TWords c1 = s0 & kept[3];
        count[1] = c0 ^ c1;
        count[2] = c0 & c1;
    }
    // Count > Spare, from the lowest bit up.
    TWords above{};
    PLEXA_UNROLL
    for (int k = 0; k < kBits; ++k) above = Spare >> k & 1 ? count[k] & above : count[k] | above;
    return above;
}

// Spare: the neighbours less the threshold, below 0 when it is never reached.
template <int Planes, bool Moore, int Spare>
void StepCyclicTiles(const TBitCyclicRule& rule, const TBitStripeJob& shared)
{
    // A copy that the stores through its pointers cannot alias, so that its fields stay in
    // registers.
    const TBitStripeJob job = shared;
    const size_t stride = job.PlaneStride;
    TWords last[Planes];
    for (int p = 0; p < Planes; ++p) last[p] = TWords{} - uint64_t((rule.States - 1) >> p & 1);
    const TWords rows = TWords{} + job.RowMask, one = TWords{} + 1;
    const TWords advancing = TWords{} - uint64_t(rule.GreenbergHastings);
    // Each plane's columns of the tile, moved down a row (each cell sees the row above) and up
    // a row (the row below), the stripes' facing rows filled in.
    alignas(kLanes) uint64_t above[Planes][kCyclicSpan], below[Planes][kCyclicSpan];
    const TBlockColumns blockColumns;
    for (int k = 0; k < job.TileCount; ++k) {
        const int32_t x0 = job.Tiles[k] * TBitMirror::kTileColumns;
        const int32_t x1 = std::min(x0 + TBitMirror::kTileColumns, job.Width);
        // The tile's columns and the two beside it, in whole vectors, which the padding after
        // the last column holds.
        const int span = (x1 - x0 + 2 + kWords - 1) / kWords * kWords;
        PLEXA_UNROLL
        for (int p = 0; p < Planes; ++p) {
            const uint64_t *mid = job.Mid + p * stride - 1 + x0,
                           *up = job.Above + p * stride - 1 + x0,
                           *down = job.Below + p * stride - 1 + x0;
            PLEXA_UNROLL
            for (int j = 0; j < span; j += kWords) {
                const TWords m = LoadWords(mid + j);
                StoreWords(above[p] + j, (m << 1) | ((LoadWords(up + j) >> job.AboveBit) & one));
                // Below's rows past its row 0 land beyond the stripe's rows, which the step
                // masks off.
                StoreWords(below[p] + j, (m >> 1) | (LoadWords(down + j) << job.TopBit));
            }
        }
        // With more planes the board keeps a count of cells not 0 per tile.
        TTileSums<(Planes > 1)> sums;
        for (int32_t x = x0, v = 0; x < x1; x += kWords, ++v) {
            const int j = x - x0 + 1;
            TWords cell[Planes], successor[Planes], zero = ~TWords{}, isLast = ~TWords{},
                                                    carry = ~TWords{};
            PLEXA_UNROLL
            for (int p = 0; p < Planes; ++p) {
                cell[p] = LoadWords(job.Mid + p * stride + x);
                successor[p] = cell[p] ^ carry;
                carry &= cell[p];
                zero &= ~cell[p];
                isLast &= ~(cell[p] ^ last[p]);
            }
            // The last state's successor is 0.
            PLEXA_UNROLL
            for (int p = 0; p < Planes; ++p) successor[p] &= ~isLast;
            // Where a neighbour, at `at` on each plane, does not hold the successor; one
            // neighbour after the other, so that few vectors are live at a time.
            const auto differs = [&](auto at) {
                TWords d{};
                PLEXA_UNROLL
                for (int p = 0; p < Planes; ++p) d |= LoadWords(at(p)) ^ successor[p];
                return d;
            };
            const auto mid = [&](int p) { return job.Mid + p * stride + x; };
            constexpr int kNeighbours = Moore ? 8 : 4;
            TWords kept[kNeighbours];
            kept[0] = differs([&](int p) { return above[p] + j; });
            kept[1] = differs([&](int p) { return mid(p) - 1; });
            kept[2] = differs([&](int p) { return mid(p) + 1; });
            kept[3] = differs([&](int p) { return below[p] + j; });
            if constexpr (Moore) {
                kept[4] = differs([&](int p) { return above[p] + j - 1; });
                kept[5] = differs([&](int p) { return above[p] + j + 1; });
                kept[6] = differs([&](int p) { return below[p] + j - 1; });
                kept[7] = differs([&](int p) { return below[p] + j + 1; });
            }
            TWords advances = advancing & ~zero;
            if constexpr (Spare >= 0) advances |= ~TooFew<Moore, Spare>(kept);
            advances &= rows;
            // Every state differs from its successor: the advancing cells are the changed ones.
            TWords live{};
            PLEXA_UNROLL
            for (int p = 0; p < Planes; ++p) {
                const TWords next = cell[p] ^ ((cell[p] ^ successor[p]) & advances);
                StoreWords(job.Out + p * stride + x, next);
                live |= next;
            }
            StoreWords(job.Changed + x, advances);
            if constexpr (Planes > 1)
                sums.Add(advances, advances, advances & zero, live, blockColumns.Of[v]);
            else
                sums.Add(cell[0], live, blockColumns.Of[v]);
        }
        job.Changes[k] = sums.Total();
    }
}

// The kernel of `spare` (Spare and below) built for it.
template <int Planes, bool Moore, int Spare = Moore ? 7 : 3>
void StepCyclicSpare(int spare, const TBitCyclicRule& rule, const TBitStripeJob& job)
{
    if constexpr (Spare < 0)
        StepCyclicTiles<Planes, Moore, -1>(rule, job);
    else if (spare == Spare)
        StepCyclicTiles<Planes, Moore, Spare>(rule, job);
    else
        StepCyclicSpare<Planes, Moore, Spare - 1>(spare, rule, job);
}

template <int Planes>
void StepCyclicPlanes(const TBitCyclicRule& rule, const TBitStripeJob& job)
{
    // Thresholds beyond the neighbours are never reached.
    if (rule.Moore)
        StepCyclicSpare<Planes, true>(std::max(8 - rule.Threshold, -1), rule, job);
    else
        StepCyclicSpare<Planes, false>(std::max(4 - rule.Threshold, -1), rule, job);
}

} // namespace

void StepBitCyclicStripe(const TBitCyclicRule& rule, const TBitStripeJob& job)
{
    ByPlanes(std::bit_width(unsigned(rule.States - 1)),
             [&]<int Planes>() { StepCyclicPlanes<Planes>(rule, job); });
}

} // namespace PLEXA_SIMD_NS
