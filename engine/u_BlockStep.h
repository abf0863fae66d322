#pragma once
// How the two-dimensional games meet the board. A generation is computed one column of blocks
// at a time: the step reads the blocks of three columns and returns the new contents of every
// block that changes; the board writes them back one column late, when no block still to be
// computed reads them.

#include "engine/u_Blob.h"
#include "plugins/sdk/plexa_rule.h"

#include <cstdint>

// What of a block changed in its latest change: any cell, and the edges and corners that its
// neighbours read. Kept by slot beside the change stamp.
enum TBlockEdge : uint16_t {
    beAny = 1 << 0,
    beColumn0 = 1 << 1,  // read by the block on the left
    beColumn9 = 1 << 2,  // read by the block on the right
    beRow0 = 1 << 3,     // read by the block above
    beRow9 = 1 << 4,     // read by the block below
    beCorner00 = 1 << 5, // column 0, row 0: read by the block above on the left
    beCorner90 = 1 << 6, // column 9, row 0: read by the block above on the right
    beCorner09 = 1 << 7, // column 0, row 9: read by the block below on the left
    beCorner99 = 1 << 8, // column 9, row 9: read by the block below on the right
    beAll = (1 << 9) - 1,
};

// One column of blocks to compute. Each pointer addresses the slots (or change stamps) of a
// block column from row -1, the ring, on: element by + 1 belongs to block row by.
struct TBlockColumnJob {
    static constexpr int kMaxRows = 250; // the board's block rows at most
    const TBlob* const* Slots[3];        // the columns left of, at and right of the computed one
    const uint32_t* Stamps[3];
    const uint16_t* Edges[3];
    const TBlob* Void;         // the stand-in for blocks that could not be allocated
    int32_t FirstRow, LastRow; // the block rows to compute
    int32_t LastBoardRow;      // the board's last block row, for wrapping
    bool Wrap;
    // When set, blocks are passed over unless a cell of their neighbour window changed at or
    // after stamp `Recent`: in the block itself or on a facing edge or corner of a neighbour.
    bool SkipQuiet;
    uint32_t Recent;
    // The rule reads beyond the window, into the whole of the neighbouring blocks.
    bool FarReach;
};

// The new contents of a block that changed.
struct alignas(64) TBlockResult {
    // The new columns, padding 0 as on the board, and room for the unused columns of the
    // widest vectors, which the kernels store whole.
    static constexpr int kColumns = 12;
    uint8_t Cells[kColumns][TBlob::kStride];
    // By column, as bits: the rows that changed, and those where an empty cell became live.
    uint16_t Changed[kColumns];
    uint16_t Born[kColumns];
    bool AnyBorn;
    uint16_t Edges; // TBlockEdge bits
    uint8_t LiveCount;
    int8_t LiveDelta; // LiveCount less the block's live cells before
    uint8_t ChangedCount;
    int32_t Row; // the block row
};

// Cell states run from 0 to kCellStates - 1.
inline constexpr int kCellStates = 25;

// Of a user rule's result the low byte counts; beyond the last state means the last state.
constexpr uint8_t UserRuleState(int32_t result)
{
    return uint8_t((result & 0xFF) > kCellStates - 1 ? kCellStates - 1 : result & 0xFF);
}

// The two-dimensional games' rules in the form the kernels read them.
enum class TBlockKernel : uint8_t {
    Life,
    Generations,
    Weighted,
    Vote,
    RulesTable,
    Cyclic,
    UserRule,
};

struct TBlockRule {
    TBlockKernel Kernel;
    uint8_t LastState; // states count - 1
    // Life, Generations, Vote for Life: neighbour counts as bits.
    uint16_t Survival;
    uint16_t Birth;
    // Weighted Life: only state 1 counts and dying cells decay (History); the outcome of every
    // 9-bit neighbourhood pattern, bit 0 born, bit 1 survives.
    bool History;
    const uint8_t* Outcome;
    // Rules table: next state by [state][firing count] (25 x 10); a cell fires when its state
    // AND FiringMask is 1; Moore counts the diagonal neighbours, Centre the cell itself.
    const uint8_t (*Table)[10];
    uint8_t FiringMask;
    bool Moore;
    bool Centre;
    // Cyclic CA (Moore as above).
    int Range; // 1..10
    int Threshold;
    bool GreenbergHastings;
    // User rules: the library's entry point (null gives state 0) and the cycle number.
    TCARule UserRule;
    int32_t Cycle;
};

// Computes the job's blocks into `results` (room for every row of the job) and returns how
// many changed. Built once for every instruction set the step may run on.
using TBlockColumnStep = int (*)(const TBlockRule&, const TBlockColumnJob&, TBlockResult*);
namespace simd_sse2 {
int StepBlockColumn(const TBlockRule& rule, const TBlockColumnJob& job, TBlockResult* results);
}
namespace simd_avx2 {
int StepBlockColumn(const TBlockRule& rule, const TBlockColumnJob& job, TBlockResult* results);
}
namespace simd_avx512 {
int StepBlockColumn(const TBlockRule& rule, const TBlockColumnJob& job, TBlockResult* results);
}
