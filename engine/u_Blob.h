#pragma once
// A block of 10x10 cells, the unit in which the board stores, visits and skips cells.

#include <cstdint>

// Cells are [column][row]. Each column is padded to 16 bytes so that the step loads it as one
// vector; the padding is always 0, and so is every cell while LiveCount is 0.
struct alignas(16) TBlob {
    static constexpr int kSize = 10;
    static constexpr int kStride = 16;

    uint8_t Cells[kSize][kStride];
    uint8_t LiveCount;
};
