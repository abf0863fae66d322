#pragma once
// Byte vectors for the step kernels: GCC vector extensions over SSE2, which every x86-64
// processor has. One vector holds one window column (12 rows used of 16).

#include <emmintrin.h>

#include <cstdint>
#include <cstring>

typedef uint8_t TV16 __attribute__((vector_size(16)));
// What comparing two TV16 gives: -1 (all bits set) or 0 in each lane.
typedef signed char TCmp16 __attribute__((vector_size(16)));

inline TV16 Splat(uint8_t value)
{
    return TV16{} + value;
}

inline TV16 LoadV16(const uint8_t* p)
{
    TV16 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Moves every byte one lane up (towards the higher index); lane 0 becomes 0.
inline TV16 LanesUp1(TV16 v)
{
    return (TV16)_mm_slli_si128((__m128i)v, 1);
}
// Moves every byte `n` lanes down; the top lanes become 0.
inline TV16 LanesDown1(TV16 v)
{
    return (TV16)_mm_srli_si128((__m128i)v, 1);
}
inline TV16 LanesDown2(TV16 v)
{
    return (TV16)_mm_srli_si128((__m128i)v, 2);
}

inline TV16 MinU8(TV16 a, TV16 b)
{
    return (TV16)_mm_min_epu8((__m128i)a, (__m128i)b);
}

// 0xFF where the comparison holds, else 0.
inline TV16 Mask(TCmp16 m)
{
    return (TV16)m;
}

// One bit per lane, lane 0 in bit 0, taken from the lanes' top bits.
inline unsigned LaneBits(TV16 mask)
{
    return unsigned(_mm_movemask_epi8((__m128i)mask));
}

// A vector with `bottom` in lane 11 and `top` in lane 0, everything else 0.
inline TV16 EdgeLanes(uint8_t top, uint8_t bottom)
{
    return (TV16)_mm_insert_epi16(_mm_cvtsi32_si128(top), bottom << 8, 5);
}
