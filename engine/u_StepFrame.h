#pragma once
// The block frame shared by the two-dimensional games: which blocks a generation visits, the
// 12x12 neighbour window of a block, and the change lists that collect the new states.
// Included only by the step units that instantiate it with their kernels.

#include "engine/u_Board.h"
#include "engine/u_Globals.h"
#include "engine/u_Simd.h"

#include <algorithm>

// The window of one block: column a = 0..11 holds rows 0..11 in lanes 0..11, where
// columns and rows 1..10 are the block itself and the others the facing cells of its eight
// neighbours. Kernels write the new states of column i (0..9) to States[i], rows in lanes 0..9,
// and the changed rows as bits of Changed[i]; they return the changed columns as bits.
struct TBlockWindow {
    TV16 Col[12];
};
struct TBlockResult {
    TV16 States[TBlob::kSize];
    uint16_t Changed[TBlob::kSize];
};

// `x` is the block whose column `ci` is taken, `n` and `s` the blocks above and below it.
inline TV16 WindowColumn(const TBlob& x, const TBlob& n, const TBlob& s, int ci)
{
    return LanesUp1(LoadV16(x.Cells[ci])) | EdgeLanes(n.Cells[ci][9], s.Cells[ci][0]);
}

// nb[column][row] are the block and its neighbours; nb[1][1] is the block itself.
inline void BuildWindow(const TBlob* const nb[3][3], TBlockWindow& w)
{
    w.Col[0] = WindowColumn(*nb[0][1], *nb[0][0], *nb[0][2], 9);
    for (int i = 0; i < TBlob::kSize; ++i)
        w.Col[i + 1] = WindowColumn(*nb[1][1], *nb[1][0], *nb[1][2], i);
    w.Col[11] = WindowColumn(*nb[2][1], *nb[2][0], *nb[2][2], 0);
}

template <class TKernel>
bool TBoard::ComputeBlocks(const TKernel& kernel, bool skipEmpty, bool skipQuiet)
{
    int32_t bx0 = 0, bx1 = FBXMax, by0 = 0, by1 = FBYMax;
    if (!FWrap) {
        bx0 = std::max(FBox.MinBX - 1, 0);
        bx1 = std::min(FBox.MaxBX + 1, FBXMax);
        by0 = std::max(FBox.MinBY - 1, 0);
        by1 = std::min(FBox.MaxBY + 1, FBYMax);
    }
    // A block can change only if a cell of its neighbourhood changed since the previous step
    // began; older stamps mean it would compute exactly what it computed then: nothing.
    const uint32_t recent = FStepStamp - 1;
    TMemoryGate& gate = FGlobals.Memory;
    TBlockWindow window;
    TBlockResult result;

    for (int32_t bx = bx0; bx <= bx1; ++bx) {
        const int32_t bxl = FWrap && bx == 0 ? FBXMax : bx - 1;
        const int32_t bxr = FWrap && bx == FBXMax ? 0 : bx + 1;
        const int columns[3] = {SlotIndex(bxl, -1), SlotIndex(bx, -1), SlotIndex(bxr, -1)};
        for (int32_t by = by0; by <= by1; ++by) {
            const int rows[3] = {(FWrap && by == 0 ? FBYMax : by - 1) + 1, by + 1,
                                 (FWrap && by == FBYMax ? 0 : by + 1) + 1};
            if (skipQuiet) {
                uint32_t newest = 0;
                for (int c : columns)
                    for (int r : rows) newest = std::max(newest, FSlotStamps[c + r]);
                if (newest < recent) continue;
            }
            const TBlob* nb[3][3];
            unsigned live = 0;
            for (int c = 0; c < 3; ++c)
                for (int r = 0; r < 3; ++r) {
                    nb[c][r] = FSlots[columns[c] + rows[r]];
                    live |= nb[c][r]->LiveCount;
                }
            if (skipEmpty && live == 0) continue;

            BuildWindow(nb, window);
            const unsigned changedColumns = kernel.Compute(window, result);
            if (changedColumns == 0) continue;

            const int32_t x0 = FMinX + bx * TBlob::kSize, y0 = FMinY + by * TBlob::kSize;
            for (unsigned cols = changedColumns; cols != 0; cols &= cols - 1) {
                const int i = __builtin_ctz(cols);
                for (unsigned bits = result.Changed[i]; bits != 0; bits &= bits - 1) {
                    const int j = __builtin_ctz(bits);
                    const uint8_t state = result.States[i][j];
                    if (!FChanges[state].Append(x0 + i, y0 + j, state, gate)) return false;
                    ++FChangedCount;
                }
            }
        }
    }
    return true;
}
