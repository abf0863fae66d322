#include "engine/u_BitMirror.h"

#include <emmintrin.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

// A board's mirror is written whole by its first generation: in pages of 2 MiB that costs one
// fault where pages of 4 KiB cost 512. Small mirrors are not worth the rounding.
constexpr size_t kLargePage = size_t(2) << 20;
constexpr size_t kLargePageFrom = size_t(256) << 10;

uint64_t* AllocateWords(size_t words)
{
    const size_t bytes = words * sizeof(uint64_t);
    if (bytes < kLargePageFrom) return static_cast<uint64_t*>(std::malloc(bytes));
    const size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
    void* store = std::aligned_alloc(kLargePage, rounded);
#if defined(MADV_HUGEPAGE)
    // Only advice: without large pages the store works as well.
    if (store != nullptr) madvise(store, rounded, MADV_HUGEPAGE);
#endif
    return static_cast<uint64_t*>(store);
}

} // namespace

void TBitMirror::TFreeWords::operator()(uint64_t* words) const
{
    std::free(words);
}

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
        FWords.reset(AllocateWords(words));
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
        FLive.reset(new (std::nothrow) uint16_t[tiles]);
        if (!FFresh || !FNext || !FLive) {
            FFresh.reset();
            FNext.reset();
            FLive.reset();
            FAllocatedTiles = 0;
            return false;
        }
        FAllocatedTiles = tiles;
    }
    std::fill_n(FScratch.get(), kScratch * FStripeStride, 0);
    FStripeAt.resize(size_t(FStripes));
    for (int w = 0; w < FStripes; ++w)
        FStripeAt[size_t(w)] = FWords.get() + w * FStripeStride + kPad;
    for (int k = 0; k < kScratch; ++k)
        FScratchAt[size_t(k)] = FScratch.get() + k * FStripeStride + kPad;
    return true;
}

void TBitMirror::Zero()
{
    for (uint64_t* stripe : FStripeAt) std::fill_n(stripe - kPad, FStripeStride, 0);
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
    if (FPlanes > 1) {
        bool was = false;
        for (int p = 0; p < FPlanes; ++p) was |= (words[p * FStride] & bit) != 0;
        FLive[size_t(row / kRows) * FTiles + column / kTileColumns] += int(state != 0) - int(was);
    }
    // A state the planes cannot hold is kept as a live cell until the bits are rebuilt.
    High |= !Holds(state);
    const unsigned code = Holds(state) ? CodeOf(state) : 1;
    for (int p = 0; p < FPlanes; ++p) {
        uint64_t& word = words[p * FStride];
        word = code >> p & 1 ? word | bit : word & ~bit;
    }
    MarkChanged(column, row);
}

void TBitMirror::CountTileLive()
{
    for (int w = 0; w < FStripes; ++w) {
        const uint64_t* words = Stripe(w);
        for (int t = 0; t < FTiles; ++t) {
            int live = 0;
            for (int32_t x = t * kTileColumns; x < std::min((t + 1) * kTileColumns, FWidth); ++x) {
                uint64_t any = 0;
                for (int p = 0; p < FPlanes; ++p) any |= words[x + p * FStride];
                live += Ones(any);
            }
            FLive[size_t(w) * FTiles + t] = uint16_t(live);
        }
    }
}

int TBitMirror::ColumnStates(const uint64_t* words, int k, uint8_t* states) const
{
    // The rows' codes a byte each: each plane's ten bits spread over the bytes, weighed 2^p.
    const __m128i rowBit = _mm_setr_epi8(1, 2, 4, 8, 16, 32, 64, char(128), 1, 2, 0, 0, 0, 0, 0, 0);
    const int shift = 10 * k;
    __m128i codes = _mm_setzero_si128();
    uint64_t any = 0;
    for (int p = 0; p < FPlanes; ++p) {
        const unsigned bits = unsigned(words[p * FStride] >> shift) & 0x3FF;
        any |= bits;
        // Rows 0..7 in bytes 0..7, rows 8 and 9 in bytes 8 and 9.
        __m128i spread = _mm_cvtsi32_si128(int(bits));
        spread = _mm_unpacklo_epi8(spread, spread);
        spread = _mm_unpacklo_epi16(spread, spread);
        spread = _mm_shuffle_epi32(spread, 0x50);
        const __m128i clear = _mm_cmpeq_epi8(_mm_and_si128(spread, rowBit), _mm_setzero_si128());
        codes = _mm_or_si128(codes, _mm_andnot_si128(clear, _mm_set1_epi8(char(1 << p))));
    }
    alignas(16) uint8_t code[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(code), codes);
    for (int j = 0; j < 10; ++j) states[j] = FStateOfCode[code[j]];
    return Ones(any);
}
