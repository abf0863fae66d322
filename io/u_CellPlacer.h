#pragma once
// Puts runs of a pattern's cells onto the board through a band of block rows, so that the
// board takes whole areas: a pattern that comes row by row, as most formats give it, costs a
// copy a cell however big it is.

#include "engine/u_Blob.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

class TBoard;

class TCellPlacer {
public:
    explicit TCellPlacer(TBoard& board);

    // `count` cells of `state` rightwards from (x, y) in board coordinates; those off the board
    // are left out. Later cells replace earlier ones, as SetCell would. Inline: a soup file
    // brings a run every two cells, nearly all of them inside the band.
    void Run(int64_t x, int64_t y, int64_t count, uint8_t state)
    {
        if (count > 0 && y >= FTop && y < FTop + TBlob::kSize && x >= FMinX &&
            x + count - 1 <= FMaxX)
            Put(int32_t(x), int32_t(y), int32_t(x + count - 1), state);
        else
            RunAnywhere(x, y, count, state);
    }
    // Writes what the band still holds; the cells left out so far.
    size_t Finish();

private:
    void RunAnywhere(int64_t x, int64_t y, int64_t count, uint8_t state);
    // Cells first..last of band row y, all on the board.
    void Put(int32_t first, int32_t y, int32_t last, uint8_t state)
    {
        uint8_t* cells = FBand.data() + size_t(y - FTop) * FWidth + size_t(first - FMinX);
        const size_t n = size_t(last - first + 1);
#if defined(__SSE2__)
        // Most runs of a soup are short and of random length: they cost a masked store, not a
        // loop of that length. The band has room for the 16 bytes after its last cell.
        if (n <= 16) {
            const __m128i iota =
                _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
            const __m128i ours = _mm_cmpgt_epi8(_mm_set1_epi8(char(n)), iota);
            __m128i* at = reinterpret_cast<__m128i*>(cells);
            // Past every cell written since the band was emptied all is unset. Runs that come
            // in reading order then need no load, which would wait for the store before it.
            __m128i held = _mm_set1_epi8(char(kUnset));
            if (cells < FUnsetFrom) held = _mm_loadu_si128(at);
            _mm_storeu_si128(at, _mm_or_si128(_mm_and_si128(ours, _mm_set1_epi8(char(state))),
                                              _mm_andnot_si128(ours, held)));
        } else
#endif
            std::fill_n(cells, n, state);
        FUnsetFrom = std::max(FUnsetFrom, cells + n);
        if (FLastRow < FFirstRow) {
            FLeft = first, FRight = last, FFirstRow = FLastRow = y;
            return;
        }
        FLeft = std::min(FLeft, first);
        FRight = std::max(FRight, last);
        FFirstRow = std::min(FFirstRow, y);
        FLastRow = std::max(FLastRow, y);
    }
    void Flush();

    static constexpr uint8_t kUnset = 0xFF; // the board's kKeepCell

    TBoard& FBoard;
    int32_t FMinX, FMinY, FMaxX, FMaxY; // the board's
    size_t FWidth;
    // The board's width by a block's height, kUnset where unset, then 16 bytes of room.
    std::vector<uint8_t> FBand;
    int32_t FTop;                                                 // the band's first row
    uint8_t* FUnsetFrom;                                          // the band is unset from here on
    int32_t FLeft = 0, FRight = -1, FFirstRow = 0, FLastRow = -1; // what the band holds
    size_t FLeftOut = 0;
};
