#pragma once
// Puts runs of a pattern's cells onto the board through a band of block rows, so that the
// board takes whole areas: a pattern that comes row by row, as most formats give it, costs a
// copy a cell however big it is.

#include <cstddef>
#include <cstdint>
#include <vector>

class TBoard;

class TCellPlacer {
public:
    explicit TCellPlacer(TBoard& board);

    // `count` cells of `state` rightwards from (x, y) in board coordinates; those off the board
    // are left out. Later cells replace earlier ones, as SetCell would.
    void Run(int64_t x, int64_t y, int64_t count, uint8_t state);
    // Writes what the band still holds; the cells left out so far.
    size_t Finish();

private:
    void Flush();

    TBoard& FBoard;
    size_t FWidth;
    std::vector<uint8_t> FBand; // the board's width by a block's height, kKeepCell where unset
    int32_t FTop;               // the band's first row
    int32_t FLeft = 0, FRight = -1, FFirstRow = 0, FLastRow = -1; // what the band holds
    size_t FLeftOut = 0;
};
