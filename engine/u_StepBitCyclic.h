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

// How many of the neighbours hold the successor, in bits, at least the threshold; `kept` are
// the neighbours that do not.
template <bool Moore>
PLEXA_INLINE TWords ReachesThreshold(const TWords* kept, const TWords* threshold)
{
    const auto adder = [](TWords a, TWords b, TWords c, TWords& carry) {
        carry = Majority(a, b, c);
        return a ^ b ^ c;
    };
    constexpr int kBits = Moore ? 4 : 3;
    TWords count[kBits];
    const TWords m0 = ~kept[0], m1 = ~kept[1], m2 = ~kept[2], m3 = ~kept[3];
    if constexpr (Moore) {
        const TWords m4 = ~kept[4], m5 = ~kept[5], m6 = ~kept[6], m7 = ~kept[7];
        TWords c0, c1, c3, d0;
        const TWords s0 = adder(m0, m1, m2, c0), s1 = adder(m3, m4, m5, c1);
        const TWords s2 = m6 ^ m7, c2 = m6 & m7;
        count[0] = adder(s0, s1, s2, c3);
        const TWords t = adder(c0, c1, c2, d0);
        count[1] = t ^ c3;
        const TWords c4 = t & c3;
        count[2] = d0 ^ c4;
        count[3] = d0 & c4;
    } else {
        TWords c0;
        const TWords s0 = adder(m0, m1, m2, c0);
        count[0] = s0 ^ m3;
        const TWords c1 = s0 & m3;
        count[1] = c0 ^ c1;
        count[2] = c0 & c1;
    }
    // Count - threshold borrows where the count falls short.
    TWords borrow{};
    PLEXA_UNROLL
    for (int k = 0; k < kBits; ++k) borrow = Majority(~count[k], threshold[k], borrow);
    return ~borrow;
}

inline TBitTileChanges TileChanges(const uint64_t* changed, const uint64_t* born,
                                   const uint64_t* emptied, int columns)
{
    TBitTileChanges sums{};
    for (int i = 0; i < columns; ++i) {
        sums.Rows |= changed[i];
        sums.BornRows |= born[i];
        sums.Changed += std::popcount(changed[i]);
        sums.Born += std::popcount(born[i]);
        sums.Emptied += std::popcount(emptied[i]);
    }
    return sums;
}

template <int Planes, bool Moore>
void StepCyclicTiles(const TBitCyclicRule& rule, const TBitStripeJob& job)
{
    const size_t stride = job.PlaneStride;
    // Thresholds beyond the neighbours are never reached.
    const bool reachable = rule.Threshold <= (Moore ? 8 : 4);
    TWords threshold[4], last[Planes];
    for (int k = 0; k < 4; ++k) threshold[k] = TWords{} - uint64_t(rule.Threshold >> k & 1);
    for (int p = 0; p < Planes; ++p) last[p] = TWords{} - uint64_t((rule.States - 1) >> p & 1);
    const TWords rows = TWords{} + job.RowMask, one = TWords{} + 1;
    const TWords advancing = TWords{} - uint64_t(rule.GreenbergHastings);
    // Each plane's columns of the tile, moved down a row (each cell sees the row above) and up
    // a row (the row below), the stripes' facing rows filled in.
    alignas(kLanes) uint64_t above[Planes][kCyclicSpan], below[Planes][kCyclicSpan];
    for (int k = 0; k < job.TileCount; ++k) {
        const int32_t x0 = job.Tiles[k] * TBitMirror::kTileColumns;
        const int32_t x1 = std::min(x0 + TBitMirror::kTileColumns, job.Width);
        PLEXA_UNROLL
        for (int p = 0; p < Planes; ++p) {
            const uint64_t *mid = job.Mid + p * stride - 1 + x0,
                           *up = job.Above + p * stride - 1 + x0,
                           *down = job.Below + p * stride - 1 + x0;
            PLEXA_UNROLL
            for (int j = 0; j < kCyclicSpan; j += kWords) {
                const TWords m = LoadWords(mid + j);
                StoreWords(above[p] + j, (m << 1) | ((LoadWords(up + j) >> job.AboveBit) & one));
                StoreWords(below[p] + j, (m >> 1) | ((LoadWords(down + j) & one) << job.TopBit));
            }
        }
        // The tile's born and emptied cells by column, counted with the changed ones at its end
        // by the scalar units, which the vector work leaves idle.
        uint64_t born[TBitMirror::kTileColumns], emptied[TBitMirror::kTileColumns];
        for (int32_t x = x0; x < x1; x += kWords) {
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
            constexpr int kNeighbours = Moore ? 8 : 4;
            TWords kept[kNeighbours] = {};
            PLEXA_UNROLL
            for (int p = 0; p < Planes; ++p) {
                const uint64_t* mid = job.Mid + p * stride + x;
                const TWords s = successor[p];
                kept[0] |= LoadWords(above[p] + j) ^ s;
                kept[1] |= LoadWords(mid - 1) ^ s;
                kept[2] |= LoadWords(mid + 1) ^ s;
                kept[3] |= LoadWords(below[p] + j) ^ s;
                if constexpr (Moore) {
                    kept[4] |= LoadWords(above[p] + j - 1) ^ s;
                    kept[5] |= LoadWords(above[p] + j + 1) ^ s;
                    kept[6] |= LoadWords(below[p] + j - 1) ^ s;
                    kept[7] |= LoadWords(below[p] + j + 1) ^ s;
                }
            }
            TWords advances = advancing & ~zero;
            if (reachable) advances |= ReachesThreshold<Moore>(kept, threshold);
            advances &= rows;
            // Every state differs from its successor: the advancing cells are the changed ones.
            TWords nonzero{};
            PLEXA_UNROLL
            for (int p = 0; p < Planes; ++p) {
                const TWords next = cell[p] ^ ((cell[p] ^ successor[p]) & advances);
                StoreWords(job.Out + p * stride + x, next);
                nonzero |= successor[p];
            }
            StoreWords(job.Changed + x, advances);
            StoreWords(born + (x - x0), advances & zero);
            StoreWords(emptied + (x - x0), advances & ~nonzero);
        }
        job.Changes[k] = TileChanges(job.Changed + x0, born, emptied, x1 - x0);
        if constexpr (Planes > 1) job.Changes[k].Blocks = ChangedBlocks(job, x0, x1);
    }
}

template <int Planes>
void StepCyclicPlanes(const TBitCyclicRule& rule, const TBitStripeJob& job)
{
    if (rule.Moore)
        StepCyclicTiles<Planes, true>(rule, job);
    else
        StepCyclicTiles<Planes, false>(rule, job);
}

} // namespace

void StepBitCyclicStripe(const TBitCyclicRule& rule, const TBitStripeJob& job)
{
    switch (std::bit_width(unsigned(rule.States - 1))) {
    case 1:
        return StepCyclicPlanes<1>(rule, job);
    case 2:
        return StepCyclicPlanes<2>(rule, job);
    case 3:
        return StepCyclicPlanes<3>(rule, job);
    case 4:
        return StepCyclicPlanes<4>(rule, job);
    default:
        return StepCyclicPlanes<5>(rule, job);
    }
}

} // namespace PLEXA_SIMD_NS
