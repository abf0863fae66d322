#include "engine/u_BitMirror.h"

#include <algorithm>
#include <bit>
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
    FStripeStride = FStride * size_t(FPlanes);
    Valid = false;
    Stirred = true;
}

void TBitMirror::SetStates(int states, TPlaneCode code)
{
    if (Holds(states, code)) return;
    FStates = states;
    FCode = states > 2 ? code : TPlaneCode::Countdown;
    FPlanes = states <= 2                   ? 1
              : FCode == TPlaneCode::Binary ? std::bit_width(unsigned(states - 1))
                                            : 1 + std::bit_width(unsigned(states - 2));
    std::fill_n(FStateOfCode, 1 << kPlanesMax, uint8_t(0));
    for (int state = 1; state < states; ++state)
        FStateOfCode[CodeOf(unsigned(state))] = uint8_t(state);
    Resize(FWidth, FHeight);
}

bool TBitMirror::Allocate(TMemoryGate& gate)
{
    const size_t words = size_t(FStripes) * FStripeStride, tiles = size_t(FStripes) * FTiles;
    if (words > FAllocatedWords) {
        if (!gate.Allow()) return false;
        FWords.reset(new (std::nothrow) uint64_t[words]);
        FAllocatedWords = FWords ? words : 0;
        if (!FWords) return false;
    }
    if (FStripeStride > FScratchStride) {
        if (!gate.Allow()) return false;
        FScratch.reset(new (std::nothrow) uint64_t[kScratch * FStripeStride]);
        FChanged.reset(new (std::nothrow) uint64_t[FStride]);
        FScratchStride = FScratch && FChanged ? FStripeStride : 0;
        if (FScratchStride == 0) return false;
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
    std::fill_n(FScratch.get(), kScratch * FStripeStride, 0);
    return true;
}

void TBitMirror::Zero()
{
    std::fill_n(FWords.get(), size_t(FStripes) * FStripeStride, 0);
}

void TBitMirror::RefreshGhosts(bool wrap)
{
    for (int w = 0; w < FStripes; ++w)
        for (int p = 0; p < FPlanes; ++p) {
            uint64_t* s = Stripe(w) + size_t(p) * FStride;
            s[-1] = wrap ? s[FWidth - 1] : 0;
            s[FWidth] = wrap ? s[0] : 0;
        }
}

void TBitMirror::Set(int32_t column, int32_t row, uint8_t state)
{
    uint64_t* words = Stripe(row / kRows) + column;
    const uint64_t bit = uint64_t(1) << (row % kRows);
    // A state the planes cannot hold is kept as state 1 until the bits are rebuilt.
    High |= !Holds(state);
    const unsigned code = Holds(state) ? CodeOf(state) : 1;
    for (int p = 0; p < FPlanes; ++p) {
        uint64_t& word = words[p * FStride];
        word = code >> p & 1 ? word | bit : word & ~bit;
    }
    MarkChanged(column, row);
}

int TBitMirror::ColumnStates(const uint64_t* words, int k, uint8_t* states) const
{
    const int shift = 10 * k;
    unsigned planes[kPlanesMax] = {}, any = 0;
    for (int p = 0; p < FPlanes; ++p) {
        planes[p] = unsigned(words[p * FStride] >> shift) & 0x3FF;
        any |= planes[p];
    }
    for (int j = 0; j < 10; ++j) {
        unsigned code = 0;
        for (int p = 0; p < FPlanes; ++p) code |= (planes[p] >> j & 1) << p;
        states[j] = FStateOfCode[code];
    }
    return __builtin_popcount(any);
}
