#pragma once
// A block's column (16 bytes, the first TBlob::kSize of them its cells) as one SSE2 vector, and
// the rows picked out of it as bits 0 .. TBlob::kSize - 1. For the units that turn blocks into
// bits: the bit mirror's rebuild and the period watch's hash.

#include "engine/u_Blob.h"

#include <emmintrin.h>

// The rows of a column whose byte has its top bit set.
inline unsigned RowBits(__m128i column)
{
    return unsigned(_mm_movemask_epi8(column)) & ((1u << TBlob::kSize) - 1);
}

// The rows of a column whose byte has bit `bit` set.
inline unsigned RowsWithBit(__m128i column, int bit)
{
    return RowBits(_mm_sll_epi16(column, _mm_cvtsi32_si128(7 - bit)));
}

inline __m128i LoadColumn(const uint8_t (&cells)[TBlob::kStride])
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(cells));
}
