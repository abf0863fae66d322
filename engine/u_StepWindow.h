#pragma once
// The neighbour window of a block, shared by the two-dimensional kernels. Included only by
// the kernel headers; see u_Simd.h for why everything here sits in that set's namespace.

#include "engine/u_BlockStep.h"
#include "engine/u_Simd.h"

namespace PLEXA_SIMD_NS {
namespace {

constexpr int W = kColumnsPerVector;
// The block's ten columns in vectors of W columns; with W = 4 the last vector holds two.
constexpr int kBlockVectors = (TBlob::kSize + W - 1) / W;
// The 12x12 neighbour window of a block: window column a = 0..11 holds rows 0..11 in lanes
// 0..11, columns and rows 1..10 being the block itself and the others the facing cells of its
// eight neighbours. Block vector v reads window vectors v..v+2 (one column each) or v..v+1.
// Lanes 12..15 and columns beyond 11 hold whatever the loads bring; they reach only result
// lanes 10..15 and result columns beyond 9, which nothing stores or counts.
constexpr int kWindowVectors = W == 1 ? 12 : kBlockVectors + 1;

// Constants are made where they are used: a namespace-scope vector would be initialised at
// start-up, with this unit's instructions, on any processor.
PLEXA_INLINE TV One()
{
    return Splat(1);
}

PLEXA_INLINE TV RowLanes()
{
    TV keep{};
    for (int lane = 0; lane < kLanes; ++lane) keep[lane] = lane % 16 < TBlob::kSize ? 0xFF : 0;
    return keep;
}

// How many block columns block vector v holds, and the lane bits of their rows.
constexpr int Columns(int v)
{
    return TBlob::kSize - W * v < W ? TBlob::kSize - W * v : W;
}
constexpr TLaneBits RowLaneBits(int v)
{
    TLaneBits bits = 0;
    for (int h = 0; h < Columns(v); ++h) bits |= TLaneBits(0x3FF) << (16 * h);
    return bits;
}

// Window vector v of one block row of the neighbourhood (left, middle and right blocks): the
// left block's last column, the middle block's columns, the right block's first column.
PLEXA_INLINE TV WindowRowVector(const TBlob* const row[3], int v)
{
    const uint8_t* leftEdge = row[0]->Cells[TBlob::kSize - 1];
    const uint8_t* rightEdge = row[2]->Cells[0];
    const TBlob& mid = *row[1];
#if defined(__AVX512BW__)
    const auto pair = [](const uint8_t* low, const uint8_t* high) {
        return _mm256_loadu2_m128i((const __m128i*)high, (const __m128i*)low);
    };
    const auto quad = [](__m256i low, __m256i high) {
        typedef uint64_t TQuarter __attribute__((vector_size(32)));
        return (TV)__builtin_shufflevector((TQuarter)low, (TQuarter)high, 0, 1, 2, 3, 4, 5, 6, 7);
    };
    const auto load = [](const uint8_t* p) { return _mm256_loadu_si256((const __m256i*)p); };
    switch (v) {
    case 0:
        return quad(pair(leftEdge, mid.Cells[0]), load(mid.Cells[1]));
    case 1:
        return Load(mid.Cells[3]);
    case 2:
        return quad(load(mid.Cells[7]), pair(mid.Cells[TBlob::kSize - 1], rightEdge));
    default:
        return TV{};
    }
#elif defined(__AVX2__)
    const auto pair = [](const uint8_t* low, const uint8_t* high) {
        return (TV)_mm256_loadu2_m128i((const __m128i*)high, (const __m128i*)low);
    };
    return v == 0                    ? pair(leftEdge, mid.Cells[0])
           : v == kWindowVectors - 1 ? pair(mid.Cells[TBlob::kSize - 1], rightEdge)
                                     : Load(mid.Cells[2 * v - 1]);
#else
    return Load(v == 0 ? leftEdge : v == kWindowVectors - 1 ? rightEdge : mid.Cells[v - 1]);
#endif
}

// nb[row][column] are the block and its neighbours; nb[1][1] is the block itself.
PLEXA_INLINE void BuildWindow(const TBlob* const nb[3][3], TV window[kWindowVectors])
{
    PLEXA_UNROLL
    for (int v = 0; v < kWindowVectors; ++v)
        window[v] = LanesUp<1>(WindowRowVector(nb[1], v)) |
                    LanesDown<TBlob::kSize - 1>(WindowRowVector(nb[0], v)) |
                    LanesUp<11>(WindowRowVector(nb[2], v));
}

// For the block vector v, the window vectors whose first column lies one or two columns on.
PLEXA_INLINE TV Next1(const TV* w, int v)
{
    return ColumnsOn<1>(w[v], w[v + 1]);
}
PLEXA_INLINE TV Next2(const TV* w, int v)
{
    if constexpr (W == 1)
        return w[v + 2];
    else
        return ColumnsOn<2>(w[v], w[v + 1]);
}

// The rules that look at cells one by one read the window as bytes, W(a, b) being window
// column a, row b, and write the new state of block cell (i, j).
class TWindowBytes {
public:
    PLEXA_INLINE explicit TWindowBytes(const TV* window)
    {
        PLEXA_UNROLL
        for (int v = 0; v < kWindowVectors; ++v) Store(FBytes + v * kLanes, window[v]);
    }
    PLEXA_INLINE uint8_t operator()(int a, int b) const { return FBytes[16 * a + b]; }

private:
    alignas(64) uint8_t FBytes[kWindowVectors * kLanes];
};

class TBlockBytes {
public:
    PLEXA_INLINE uint8_t& operator()(int i, int j) { return FBytes[16 * i + j]; }
    PLEXA_INLINE void LoadInto(TV* next) const
    {
        PLEXA_UNROLL
        for (int v = 0; v < kBlockVectors; ++v) next[v] = Load(FBytes + v * kLanes);
    }

private:
    alignas(64) uint8_t FBytes[kBlockVectors * kLanes] = {};
};

// States beyond the last one can only come from outside; tables are never indexed with them.
PLEXA_INLINE int Bounded(uint8_t state)
{
    return state < kCellStates ? state : kCellStates - 1;
}

} // namespace
} // namespace PLEXA_SIMD_NS
