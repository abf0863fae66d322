#pragma once
// Runs of equal cells in a row piece, found sixteen cells at a time: the writers' token loop
// then costs a step per run rather than a branch per cell.

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Calls run(first cell, count) for each run of `cells` in which every cell equals the first
// (`byState`) or is live exactly when the first is (by liveness). Consecutive calls may split
// one run; the writers add such pieces up.
template <class TRun>
void ForEachRun(const uint8_t* cells, size_t count, bool byState, TRun run)
{
    const auto differ = [byState](uint8_t a, uint8_t b) {
        return byState ? a != b : (a != 0) != (b != 0);
    };
    size_t start = 0, i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 17 <= count; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cells + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cells + i + 1));
        const __m128i same = byState
                                 ? _mm_cmpeq_epi8(a, b)
                                 : _mm_cmpeq_epi8(_mm_cmpeq_epi8(a, zero), _mm_cmpeq_epi8(b, zero));
        // Bit k: the run ends with cell i + k.
        for (unsigned ends = ~unsigned(_mm_movemask_epi8(same)) & 0xFFFF; ends != 0;
             ends &= ends - 1) {
            const size_t end = i + size_t(__builtin_ctz(ends)) + 1;
            run(cells[start], end - start);
            start = end;
        }
    }
#endif
    for (; i + 1 < count; ++i)
        if (differ(cells[i], cells[i + 1])) {
            run(cells[start], i + 1 - start);
            start = i + 1;
        }
    if (start < count) run(cells[start], count - start);
}
