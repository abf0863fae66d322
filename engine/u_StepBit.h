#pragma once
// How the two-state games meet the bit mirror (u_BitMirror.h): the step computes the new words
// of a stripe's tiles from the stripe and the rows next to it, a full adder summing the 3x3
// neighbourhood of 64 cells at once. Built once for every instruction set the step may run on.

#include <cstdint>

// The rule as the kernels read it: the new state by the cell (0 or 1) and a count of live
// cells around it (0..9). The count's bits n3 n2 n1 select a leaf (0..3 for n3 = 0, by n2 n1;
// 4 for n3 = 1), and the leaf's code gives the new state by n0: bit 0 for n0 = 0, bit 1 for
// n0 = 1.
struct TBitRule {
    // How the new state is found: "23/3", the rule most run, in a few instructions; by the
    // leaves of the cell's state and its neighbour count; by the leaves of state 0 and the
    // count of the 3x3 neighbourhood, the cell included (0..9), which is all a vote reads.
    // Generations: by the leaves as Counts, and the dying cells count down on their planes.
    enum class TForm : uint8_t { Conway, Counts, Sums, Generations };
    TForm Form;
    uint8_t Leaves[2][5];

    // Life (and Generations with two states): born on B, surviving on S, by the neighbours.
    static TBitRule Life(uint16_t survival, uint16_t birth);
    // Vote for Life: alive when the sum is in S.
    static TBitRule Vote(uint16_t survival);
    // Generations of more than two states.
    static TBitRule Generations(uint16_t survival, uint16_t birth);
};

// What changed in a computed tile: the rows where a cell changed (two states and Generations:
// where state 1 did) and where cells were born, the counts of changed, born and emptied cells,
// the blocks with a change (bit 4 * block row + block column), and with more than one plane,
// instead of the born and the emptied, the cells not 0.
struct TBitTileChanges {
    uint64_t Rows;
    uint64_t BornRows;
    int32_t Changed;
    int32_t Born;
    int32_t Emptied;
    uint32_t Blocks;
    int32_t Live;
};

struct TBitStripeJob {
    // Column 0 of the stripe and of the stripes above and below; the ghost columns -1 and
    // Width are set.
    const uint64_t* Above;
    const uint64_t* Mid;
    const uint64_t* Below;
    uint64_t* Out;    // the new words, at the same columns
    int AboveBit;     // the bit of Above that is the row above row 0
    int TopBit;       // the stripe's last row, below which Below's row 0 lies
    uint64_t RowMask; // the stripe's rows
    int32_t Width;
    // Generations: the planes after the first (TBitMirror::PlaneStride() apart, in Mid and
    // Out alike) and the countdown of a cell that starts to die.
    size_t PlaneStride;
    int CountdownPlanes;
    unsigned Countdown;
    uint64_t* Changed;    // by column, the cells whose state changed (more than one plane)
    const int32_t* Tiles; // the tiles to compute, TBitMirror::kTileColumns columns each
    int TileCount;
    TBitTileChanges* Changes; // by computed tile
};

// Cyclic CA of range 1 on the binary planes (u_StepBitCyclic.h): a cell advances to its
// successor when at least Threshold of its neighbours hold it, with Greenberg-Hastings a live
// cell always.
struct TBitCyclicRule {
    int States;    // 2..25
    int Threshold; // 1 and up; more than the neighbours is never reached
    bool Moore;    // else von Neumann
    bool GreenbergHastings;
};

struct TBitTable;

using TBitStripeStep = void (*)(const TBitRule&, const TBitStripeJob&);
using TBitCyclicStep = void (*)(const TBitCyclicRule&, const TBitStripeJob&);
// The rules table on the binary planes (u_StepBitTable.h).
using TBitTableStep = void (*)(const TBitTable&, const TBitStripeJob&);
namespace simd_sse2 {
void StepBitStripe(const TBitRule& rule, const TBitStripeJob& job);
void StepBitCyclicStripe(const TBitCyclicRule& rule, const TBitStripeJob& job);
void StepBitTableStripe(const TBitTable& table, const TBitStripeJob& job);
} // namespace simd_sse2
namespace simd_avx2 {
void StepBitStripe(const TBitRule& rule, const TBitStripeJob& job);
void StepBitCyclicStripe(const TBitCyclicRule& rule, const TBitStripeJob& job);
void StepBitTableStripe(const TBitTable& table, const TBitStripeJob& job);
} // namespace simd_avx2
