#pragma once
// How the two-dimensional games meet the board. A generation is computed one column of blocks
// at a time: the step reads the blocks of three columns and returns the new contents of every
// block that changes; the board writes them back one column late, when no block still to be
// computed reads them.

#include "engine/u_Blob.h"

#include <cstdint>

// What of a block changed in its latest change: any cell, and the edges and corners that its
// neighbours read. Kept by slot beside the change stamp.
enum TBlockEdge : uint16_t {
    beAny = 1 << 0,
    beColumn0 = 1 << 1,   // read by the block on the left
    beColumn9 = 1 << 2,   // read by the block on the right
    beRow0 = 1 << 3,      // read by the block above
    beRow9 = 1 << 4,      // read by the block below
    beCorner00 = 1 << 5,  // column 0, row 0: read by the block above on the left
    beCorner90 = 1 << 6,  // column 9, row 0: read by the block above on the right
    beCorner09 = 1 << 7,  // column 0, row 9: read by the block below on the left
    beCorner99 = 1 << 8,  // column 9, row 9: read by the block below on the right
    beAll = (1 << 9) - 1,
};

// One column of blocks to compute. Each pointer addresses the slots (or change stamps) of a
// block column from row -1, the ring, on: element by + 1 belongs to block row by.
struct TBlockColumnJob {
    static constexpr int kMaxRows = 250; // the board's block rows at most
    const TBlob* const* Slots[3]; // the columns left of, at and right of the computed one
    const uint32_t* Stamps[3];
    const uint16_t* Edges[3];
    const TBlob* Void;            // the stand-in for blocks that could not be allocated
    int32_t FirstRow, LastRow;    // the block rows to compute
    int32_t LastBoardRow;         // the board's last block row, for wrapping
    bool Wrap;
    // When set, blocks are passed over unless a cell of their neighbour window changed at or
    // after stamp `Recent`: in the block itself or on a facing edge or corner of a neighbour.
    bool SkipQuiet;
    uint32_t Recent;
};

// The new contents of a block that changed.
struct alignas(64) TBlockResult {
    // The new columns, padding 0 as on the board, and room for the unused columns of the
    // widest vectors, which the kernels store whole.
    static constexpr int kColumns = 12;
    uint8_t Cells[kColumns][TBlob::kStride];
    uint16_t Changed[TBlob::kSize];   // the changed rows, by column, as bits
    uint16_t BirthColumns, BirthRows; // where empty cells became live, as bits
    uint16_t Edges;                   // TBlockEdge bits
    uint8_t LiveCount;
    int8_t LiveDelta;                 // LiveCount less the block's live cells before
    uint8_t ChangedCount;
    int32_t Row;                      // the block row
};

// The outer-totalistic games' rules in the form the kernels read them.
enum class TLifeKernel : uint8_t { Life, Generations, Weighted, Vote };
struct TLifeKernelRule {
    TLifeKernel Kernel;
    uint16_t Survival;      // neighbour counts as bits
    uint16_t Birth;
    uint8_t LastState;      // states count - 1
    bool History;           // Weighted Life: only state 1 counts and dying cells decay
    const uint8_t* Outcome; // Weighted Life: 512 entries, bit 0 born, bit 1 survives
};

// Computes the job's blocks into `results` (room for every row of the job) and returns how
// many changed. Built once for every instruction set the step may run on.
using TLifeColumnStep = int (*)(const TLifeKernelRule&, const TBlockColumnJob&, TBlockResult*);
namespace simd_sse2 {
int StepLifeColumn(const TLifeKernelRule& rule, const TBlockColumnJob& job, TBlockResult* results);
}
namespace simd_avx2 {
int StepLifeColumn(const TLifeKernelRule& rule, const TBlockColumnJob& job, TBlockResult* results);
}
namespace simd_avx512 {
int StepLifeColumn(const TLifeKernelRule& rule, const TBlockColumnJob& job, TBlockResult* results);
}
