#pragma once
// Byte vectors for the step kernels. A vector holds whole block columns, one per 16-byte
// lane: four when the including unit is compiled for AVX-512 (BW), two for AVX2, one on plain
// x86-64 (SSE2). A unit that includes this file gets its functions in a namespace named for its
// instruction set, so that copies built for different sets never stand in for one another at
// link time.

#include <immintrin.h>

#include <cstdint>
#include <cstring>

#if defined(__AVX512BW__)
#define PLEXA_SIMD_NS simd_avx512
#elif defined(__AVX2__)
#define PLEXA_SIMD_NS simd_avx2
#else
#define PLEXA_SIMD_NS simd_sse2
#endif

// The kernels are built from many small functions that must melt into one loop body.
#define PLEXA_INLINE [[gnu::always_inline]] inline
#define PLEXA_UNROLL _Pragma("GCC unroll 16")

namespace PLEXA_SIMD_NS {

#if defined(__AVX512BW__)
constexpr int kColumnsPerVector = 4;
typedef __m512i TRaw;
typedef uint64_t TLaneBits;
#elif defined(__AVX2__)
constexpr int kColumnsPerVector = 2;
typedef __m256i TRaw;
typedef uint32_t TLaneBits;
#else
constexpr int kColumnsPerVector = 1;
typedef __m128i TRaw;
typedef uint32_t TLaneBits;
#endif
constexpr int kLanes = 16 * kColumnsPerVector;
typedef uint8_t TV __attribute__((vector_size(kLanes)));
// What comparing two TV gives: -1 (all bits set) or 0 in each lane.
typedef signed char TCmp __attribute__((vector_size(kLanes)));

PLEXA_INLINE TV Splat(uint8_t value)
{
    return TV{} + value;
}

// Loads `columns` columns of 16 bytes, all by default; the lanes of missing columns are 0 and
// nothing beyond them is read.
PLEXA_INLINE TV Load(const uint8_t* p, int columns = kColumnsPerVector)
{
#if defined(__AVX512BW__)
    if (columns < kColumnsPerVector)
        return (TV)_mm512_maskz_loadu_epi8((uint64_t(1) << (16 * columns)) - 1, p);
#endif
    (void)columns;
    TV v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
PLEXA_INLINE void Store(uint8_t* p, TV v)
{
    std::memcpy(p, &v, sizeof v);
}

// Moves every byte of each column `N` lanes towards the higher rows; lanes shifted in are 0.
template <int N>
PLEXA_INLINE TV LanesUp(TV v)
{
#if defined(__AVX512BW__)
    return (TV)_mm512_bslli_epi128((TRaw)v, N);
#elif defined(__AVX2__)
    return (TV)_mm256_slli_si256((TRaw)v, N);
#else
    return (TV)_mm_slli_si128((TRaw)v, N);
#endif
}

// Moves every byte of each column `N` lanes towards the lower rows; lanes shifted in are 0.
template <int N>
PLEXA_INLINE TV LanesDown(TV v)
{
#if defined(__AVX512BW__)
    return (TV)_mm512_bsrli_epi128((TRaw)v, N);
#elif defined(__AVX2__)
    return (TV)_mm256_srli_si256((TRaw)v, N);
#else
    return (TV)_mm_srli_si128((TRaw)v, N);
#endif
}

// The columns that start `N` (1 or 2) columns after those of `a`: the rest of `a`, then the
// first of `b`.
template <int N>
PLEXA_INLINE TV ColumnsOn(TV a, TV b)
{
#if defined(__AVX512BW__)
    typedef uint64_t TQuads __attribute__((vector_size(64)));
    return (TV)__builtin_shufflevector((TQuads)a, (TQuads)b, 2 * N, 2 * N + 1, 2 * N + 2, 2 * N + 3,
                                       2 * N + 4, 2 * N + 5, 2 * N + 6, 2 * N + 7);
#elif defined(__AVX2__)
    return N == 1 ? (TV)_mm256_permute2x128_si256((TRaw)a, (TRaw)b, 0x21) : b;
#else
    static_assert(N == 1, "one column per vector: take the vector after b");
    (void)a;
    return b;
#endif
}

PLEXA_INLINE TV MinU8(TV a, TV b)
{
#if defined(__AVX512BW__)
    return (TV)_mm512_min_epu8((TRaw)a, (TRaw)b);
#elif defined(__AVX2__)
    return (TV)_mm256_min_epu8((TRaw)a, (TRaw)b);
#else
    return (TV)_mm_min_epu8((TRaw)a, (TRaw)b);
#endif
}

// 0xFF where the comparison holds, else 0.
PLEXA_INLINE TV Mask(TCmp m)
{
    return (TV)m;
}

// One bit per lane, lane 0 in bit 0: where the lanes of `a` and `b` are equal.
PLEXA_INLINE TLaneBits EqualLanes(TV a, TV b)
{
#if defined(__AVX512BW__)
    return _mm512_cmpeq_epi8_mask((TRaw)a, (TRaw)b);
#elif defined(__AVX2__)
    return uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi8((TRaw)a, (TRaw)b)));
#else
    return uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8((TRaw)a, (TRaw)b)));
#endif
}

PLEXA_INLINE int CountBits(TLaneBits bits)
{
    return __builtin_popcountll(bits);
}
PLEXA_INLINE int LowestBit(TLaneBits bits)
{
    return __builtin_ctzll(bits);
}

#if defined(__AVX2__)
// Byte `indices[lane] % 16` of the 16-byte column of `table` that holds the lane; 0 where the
// index has its top bit set.
PLEXA_INLINE TV Shuffle(TV table, TV indices)
{
#if defined(__AVX512BW__)
    return (TV)_mm512_shuffle_epi8((TRaw)table, (TRaw)indices);
#else
    return (TV)_mm256_shuffle_epi8((TRaw)table, (TRaw)indices);
#endif
}
#endif

// A set of small counts (0..15), tested lane by lane: a table lookup where the instruction set
// has one, comparisons otherwise.
class TCountSet {
public:
    explicit TCountSet(uint16_t bits)
    {
#if defined(__AVX2__)
        for (int k = 0; k < kLanes; ++k) FTable[k] = (bits >> (k % 16)) & 1 ? 0xFF : 0;
#else
        for (int k = 0; k < 16; ++k)
            if (bits & (1u << k)) FValues[FCount++] = Splat(uint8_t(k));
#endif
    }
    // 0xFF in the lanes whose count is in the set.
    PLEXA_INLINE TV Holds(TV counts) const
    {
#if defined(__AVX2__)
        return Shuffle(FTable, counts);
#else
        TV m{};
        for (int t = 0; t < FCount; ++t) m |= Mask(counts == FValues[t]);
        return m;
#endif
    }

private:
#if defined(__AVX2__)
    TV FTable;
#else
    TV FValues[16];
    int FCount = 0;
#endif
};

} // namespace PLEXA_SIMD_NS
