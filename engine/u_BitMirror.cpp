#include "engine/u_BitMirror.h"

#include <algorithm>
#include <cstring>
#include <new>

void TBitMirror::Resize(int32_t width, int32_t height)
{
    FWidth = width;
    FHeight = height;
    FStripes = (height + kRows - 1) / kRows;
    FLastRows = height - (FStripes - 1) * kRows;
    FTiles = (width + kTileColumns - 1) / kTileColumns;
    // Whole vectors of the widest kind on both sides of the columns.
    FStride = size_t(kPad) + size_t((width + kPad - 1) / kPad * kPad) + kPad;
    Valid = false;
    Stirred = true;
}

bool TBitMirror::Allocate(TMemoryGate& gate)
{
    const size_t words = size_t(FStripes) * FStride, tiles = size_t(FStripes) * FTiles;
    if (words > FAllocatedWords) {
        if (!gate.Allow()) return false;
        FWords.reset(new (std::nothrow) uint64_t[words]);
        FAllocatedWords = FWords ? words : 0;
        if (!FWords) return false;
    }
    if (FStride > FScratchStride) {
        if (!gate.Allow()) return false;
        FScratch.reset(new (std::nothrow) uint64_t[kScratch * FStride]);
        FScratchStride = FScratch ? FStride : 0;
        if (!FScratch) return false;
    }
    if (tiles > FAllocatedTiles) {
        if (!gate.Allow()) return false;
        FFresh.reset(new (std::nothrow) uint16_t[tiles]);
        FNext.reset(new (std::nothrow) uint16_t[tiles]);
        if (!FFresh || !FNext) {
            FFresh.reset();
            FNext.reset();
            FAllocatedTiles = 0;
            return false;
        }
        FAllocatedTiles = tiles;
    }
    std::fill_n(FScratch.get(), kScratch * FStride, 0);
    return true;
}

void TBitMirror::Zero()
{
    std::fill_n(FWords.get(), size_t(FStripes) * FStride, 0);
}

void TBitMirror::RefreshGhosts(bool wrap)
{
    for (int w = 0; w < FStripes; ++w) {
        uint64_t* s = Stripe(w);
        s[-1] = wrap ? s[FWidth - 1] : 0;
        s[FWidth] = wrap ? s[0] : 0;
    }
}

void TBitMirror::Set(int32_t column, int32_t row, bool alive)
{
    uint64_t& word = Stripe(row / kRows)[column];
    const uint64_t bit = uint64_t(1) << (row % kRows);
    word = alive ? word | bit : word & ~bit;
    MarkChanged(column, row);
}
