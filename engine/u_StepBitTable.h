#pragma once
// The rules table a bit per cell (u_BitTable.h): the counts and states of a chunk of columns
// are spread into one-hot planes, vector by vector, and the table's terms are then applied
// over the whole chunk, so that each term is read once per chunk and not once per vector. Included
// by the bit kernel, in its instruction set's namespace.

#include "engine/u_BitTable.h"
#include "engine/u_StepBitKernel.h"

namespace PLEXA_SIMD_NS {
namespace {

// The columns worked on at once: every tile and every board width is a multiple of them.
constexpr int kChunkColumns = 20;
constexpr int kChunkVectors = kChunkColumns / kWords;
static_assert(TBitMirror::kTileColumns % kChunkColumns == 0 && kChunkColumns % kWords == 0);
typedef TWords TChunk[kChunkVectors];

// The one-hot planes of a chunk: the counts 0..9, then the states 0..24.
struct TOneHot {
    static constexpr int kStatesAt = TBitTable::kMaxCounts;
    // Every code of five planes, states or not.
    TChunk Planes[TBitTable::kMaxCounts + 32];
};

// Count c of the bits n0..n3 is set in plane c, for every count 0..9.
PLEXA_INLINE void SpreadCounts(const TWords (&n)[4], TOneHot& hot, int v)
{
    const TWords low[4] = {~(n[0] | n[1]), n[0] & ~n[1], n[1] & ~n[0], n[0] & n[1]};
    // Counts of 8 and 9 have n2 and n1 clear.
    const TWords high[3] = {~(n[2] | n[3]), n[2] & ~n[3], n[3]};
    PLEXA_UNROLL
    for (int c = 0; c < TBitTable::kMaxCounts; ++c) hot.Planes[c][v] = high[c >> 2] & low[c & 3];
}

// State s of the planes' bits is set in plane kStatesAt + s, for every code of the planes.
template <int Planes>
PLEXA_INLINE void SpreadStates(const TWords (&bits)[Planes], TOneHot& hot, int v)
{
    TChunk* out = hot.Planes + TOneHot::kStatesAt;
    if constexpr (Planes == 1) {
        out[0][v] = ~bits[0];
        out[1][v] = bits[0];
    } else {
        const TWords low[4] = {~(bits[0] | bits[1]), bits[0] & ~bits[1], bits[1] & ~bits[0],
                               bits[0] & bits[1]};
        TWords high[8];
        high[0] = ~TWords{};
        PLEXA_UNROLL
        for (int p = 2, n = 1; p < Planes; ++p, n *= 2)
            for (int k = 0; k < n; ++k) {
                high[n + k] = high[k] & bits[p];
                high[k] &= ~bits[p];
            }
        PLEXA_UNROLL
        for (int s = 0; s < 1 << Planes; ++s) out[s][v] = high[s >> 2] & low[s & 3];
    }
}

// The OR of the listed one-hot planes, or of all but them.
PLEXA_INLINE void Union(const TChunk* planes, const uint8_t* list, int count, bool other,
                        TChunk& to)
{
    PLEXA_UNROLL
    for (int v = 0; v < kChunkVectors; ++v) to[v] = count == 0 ? TWords{} : planes[list[0]][v];
    for (int k = 1; k < count; ++k) {
        const TChunk& plane = planes[list[k]];
        PLEXA_UNROLL
        for (int v = 0; v < kChunkVectors; ++v) to[v] |= plane[v];
    }
    if (other) {
        PLEXA_UNROLL
        for (int v = 0; v < kChunkVectors; ++v) to[v] = ~to[v];
    }
}

// The new state's planes of a chunk, each summed in registers from its terms.
inline void ApplyTerms(const TBitTable& table, const TOneHot& hot, TChunk* out)
{
    const TBitTableTerm* term = table.Terms;
    const TBitTableTerm* const end = term + table.TermCount;
    for (int p = 0; p < table.Planes; ++p) {
        TChunk plane{};
        for (; term != end && term->Plane == p; ++term) {
            TChunk states, counts;
            Union(hot.Planes + TOneHot::kStatesAt, term->States, term->StateCount,
                  term->OtherStates, states);
            Union(hot.Planes, term->Counts, term->CountCount, term->OtherCounts, counts);
            PLEXA_UNROLL
            for (int v = 0; v < kChunkVectors; ++v) plane[v] |= states[v] & counts[v];
        }
        PLEXA_UNROLL
        for (int v = 0; v < kChunkVectors; ++v) out[p][v] = plane[v];
    }
}

// The cells of 64 rows a word at column x of a stripe that fire: the odd states, or state 1.
PLEXA_INLINE TWords Firing(const TBitTable& table, const uint64_t* stripe, size_t stride, int32_t x)
{
    TWords f = LoadWords(stripe + x);
    if (table.OddStates) return f;
    for (int p = 1; p < table.Planes; ++p) f &= ~LoadWords(stripe + size_t(p) * stride + x);
    return f;
}

// The bits n0..n3 of each cell's count of firing neighbours (and itself with the centre).
PLEXA_INLINE void CountFiring(const TBitTable& table, const TBitStripeJob& job, int32_t x,
                              TWords (&n)[4])
{
    const size_t stride = job.PlaneStride;
    const TWords one = TWords{} + 1;
    const TWords cL = Firing(table, job.Mid, stride, x - 1), cC = Firing(table, job.Mid, stride, x),
                 cR = Firing(table, job.Mid, stride, x + 1);
    const TWords aC = Firing(table, job.Above, stride, x), bC = Firing(table, job.Below, stride, x);
    if (!table.Moore) {
        // North and south, west and east, and the cell.
        const TWords up = (cC << 1) | ((aC >> job.AboveBit) & one);
        const TWords down = (cC >> 1) | ((bC & one) << job.TopBit);
        const TWords s0 = up ^ down ^ cL, s1 = Majority(up, down, cL);
        const TWords e = table.Centre ? cC : TWords{};
        const TWords t0 = s0 ^ cR ^ e, t1 = Majority(s0, cR, e);
        n[0] = t0;
        n[1] = s1 ^ t1;
        n[2] = s1 & t1;
        n[3] = TWords{};
        return;
    }
    const TWords aL = Firing(table, job.Above, stride, x - 1),
                 aR = Firing(table, job.Above, stride, x + 1);
    const TWords bL = Firing(table, job.Below, stride, x - 1),
                 bR = Firing(table, job.Below, stride, x + 1);
    CountMoore(table.Centre, cL, cC, cR, aL, aC, aR, bL, bC, bR, job, n);
}

// One plane sums its changes as two states do; more planes count their cells not 0.
template <int Planes>
using TTableSums = TTileSums<(Planes > 1)>;

// The chunk of the rules table at columns x..x + kChunkColumns - 1; `blockColumns` are the
// block columns in its tile of its vectors' columns.
template <int Planes>
inline void StepTableChunk(const TBitTable& table, const TBitStripeJob& job, int32_t x,
                           const TWords* blockColumns, TTableSums<Planes>& sums)
{
    TOneHot hot;
    const size_t stride = job.PlaneStride;
    PLEXA_UNROLL
    for (int v = 0; v < kChunkVectors; ++v) {
        const int32_t xv = x + v * kWords;
        TWords count[4];
        CountFiring(table, job, xv, count);
        SpreadCounts(count, hot, v);
        TWords bits[Planes];
        PLEXA_UNROLL
        for (int p = 0; p < Planes; ++p) bits[p] = LoadWords(job.Mid + p * stride + xv);
        SpreadStates<Planes>(bits, hot, v);
    }
    TChunk next[Planes];
    ApplyTerms(table, hot, next);
    const TWords rows = TWords{} + job.RowMask;
    PLEXA_UNROLL
    for (int v = 0; v < kChunkVectors; ++v) {
        const int32_t xv = x + v * kWords;
        TWords changed{}, was{}, is{};
        PLEXA_UNROLL
        for (int p = 0; p < Planes; ++p) {
            const TWords old = LoadWords(job.Mid + p * stride + xv), now = next[p][v] & rows;
            std::memcpy(job.Out + p * stride + xv, &now, sizeof now);
            changed |= old ^ now;
            was |= old;
            is |= now;
        }
        if constexpr (Planes > 1) {
            std::memcpy(job.Changed + xv, &changed, sizeof changed);
            sums.Add(changed, changed, is & ~was, is, blockColumns[v]);
        } else {
            sums.Add(was, is, blockColumns[v]);
        }
    }
}

template <int Planes>
void StepTableTiles(const TBitTable& table, const TBitStripeJob& job)
{
    const TBlockColumns blockColumns;
    for (int k = 0; k < job.TileCount; ++k) {
        const int32_t x0 = job.Tiles[k] * TBitMirror::kTileColumns;
        const int32_t x1 = std::min(x0 + TBitMirror::kTileColumns, job.Width);
        TTableSums<Planes> sums;
        for (int32_t x = x0; x < x1; x += kChunkColumns)
            StepTableChunk<Planes>(table, job, x, blockColumns.Of + (x - x0) / kWords, sums);
        job.Changes[k] = sums.Total();
    }
}

} // namespace

void StepBitTableStripe(const TBitTable& table, const TBitStripeJob& job)
{
    ByPlanes(table.Planes, [&]<int Planes>() { StepTableTiles<Planes>(table, job); });
}

} // namespace PLEXA_SIMD_NS
