#pragma once
// Puts runs of a pattern's cells onto the board through a band of block rows, so that the
// board takes whole areas: a pattern that comes row by row, as most formats give it, costs a
// copy a cell however big it is.

#include "engine/u_Blob.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

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
        if (n <= 8) // most runs of a soup are short
            for (size_t k = 0; k < n; ++k) cells[k] = state;
        else
            std::fill_n(cells, n, state);
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

    TBoard& FBoard;
    int32_t FMinX, FMinY, FMaxX, FMaxY; // the board's
    size_t FWidth;
    std::vector<uint8_t> FBand; // the board's width by a block's height, kKeepCell where unset
    int32_t FTop;               // the band's first row
    int32_t FLeft = 0, FRight = -1, FFirstRow = 0, FLastRow = -1; // what the band holds
    size_t FLeftOut = 0;
};
