// The Life-like games a bit per cell. The board keeps a bit mirror of its cells; a generation
// is computed on the mirror alone, tile by tile, passing over the tiles whose neighbourhood did
// not change. The blocks of the changed cells are written from the mirror only when someone
// reads them, so a generation that nobody looks at costs its bits and its counts.

#include "engine/u_BlobColumn.h"
#include "engine/u_Board.h"
#include "engine/u_Globals.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

// New states by neighbour count: bit n of `cell0` for a dead cell, of `cell1` for a live one.
TBitRule RuleOfCounts(uint16_t cell0, uint16_t cell1)
{
    TBitRule rule{};
    const uint16_t sums[2] = {cell0, cell1};
    for (int c = 0; c < 2; ++c)
        for (int leaf = 0; leaf < 5; ++leaf) {
            const int sum = leaf < 4 ? 2 * leaf : 8;
            rule.Leaves[c][leaf] =
                uint8_t(((sums[c] >> sum) & 1) | ((sums[c] >> (sum + 1)) & 1) << 1);
        }
    return rule;
}

// The bytes 0 or 1 of eight bits, bit 0 in the first byte.
constexpr std::array<uint64_t, 256> kByteOfBit = [] {
    std::array<uint64_t, 256> table{};
    for (unsigned bits = 0; bits < 256; ++bits)
        for (int k = 0; k < 8; ++k)
            if (bits >> k & 1) table[bits] |= uint64_t(1) << (8 * k);
    return table;
}();

} // namespace

TBitRule TBitRule::Life(uint16_t survival, uint16_t birth)
{
    TBitRule rule = RuleOfCounts(birth, survival);
    const bool conway = (survival & 0x1FF) == 0b1100 && (birth & 0x1FF) == 0b1000;
    rule.Form = conway ? TForm::Conway : TForm::Counts;
    return rule;
}

TBitRule TBitRule::Vote(uint16_t survival)
{
    TBitRule rule = RuleOfCounts(survival, survival);
    rule.Form = TForm::Sums;
    return rule;
}

// The countdown of every dying state fits the planes.
static_assert(1 + std::bit_width(unsigned(kCellStates - 2)) <= TBitMirror::kPlanesMax);

TBitRule TBitRule::Generations(uint16_t survival, uint16_t birth)
{
    TBitRule rule = RuleOfCounts(birth, survival);
    rule.Form = TForm::Generations;
    return rule;
}

bool TBoard::BitStepFits(const TStepParams& params)
{
    // Rules that bear cells from nothing would fill the blocks that the byte step passes over.
    const bool generations = params.Game == gmGenerations && (params.Birth & 1) == 0;
    const bool twoStates =
        (params.Game == gmLife && params.StatesCount == 2 && (params.Birth & 1) == 0) ||
        (generations && params.StatesCount == 2) ||
        (params.Game == gmVoteForLife && (params.Survival & 1) == 0);
    // Cyclic CA reaches one cell at range 1; a threshold below 1 advances every cell, so that
    // quiet tiles would not keep their states.
    const bool cyclic =
        params.Game == gmCyclic && params.Cyclic.Range <= 1 && params.Cyclic.Threshold >= 1;
    const bool table = params.Game == gmRulesTable;
    if (!(twoStates || generations || cyclic || table) || !FBlocksComplete || FWidth == 0)
        return false;
    if (table && !FBitTable.MadeOf(params.RulesTable, params.StatesCount))
        FBitTable = TBitTable::Of(params.RulesTable, params.StatesCount);
    // The planes of another states count or code read otherwise: the blocks take their cells
    // first.
    const int states = twoStates ? 2 : table ? FBitTable.States : params.StatesCount;
    const TPlaneCode code = cyclic || table ? TPlaneCode::Binary : TPlaneCode::Countdown;
    if (FBits.Valid && !FBits.Holds(states, code)) LeaveBits();
    FBits.SetStates(states, code);
    if (!FBits.Valid && !RebuildBits()) return false;
    return !FBits.High;
}

bool TBoard::RebuildBits()
{
    if (!FBits.Allocate(FGlobals.Memory)) return false;
    const size_t tiles = size_t(FBits.Stripes()) * size_t(FBits.Tiles());
    if (tiles > FStaleCapacity) {
        if (!FGlobals.Memory.Allow()) return false;
        FStale.reset(new (std::nothrow) uint32_t[tiles]());
        FStaleList.reset(new (std::nothrow) int32_t[tiles]);
        FStaleCapacity = FStale && FStaleList ? tiles : 0;
        if (FStaleCapacity == 0) return false;
    }
    FBitTiles.resize(4 * size_t(FBits.Tiles()));
    FBitChanges.resize(size_t(FBits.Tiles()));
    FBits.Zero();
    bool high = false;
    const __m128i zero = _mm_setzero_si128();
    // Every state but 0 and 1 has a bit beyond bit 0.
    __m128i beyondOne = zero;
    for (int32_t bx = FBox.MinBX; bx <= FBox.MaxBX; ++bx)
        for (int32_t by = FBox.MinBY; by <= FBox.MaxBY; ++by) {
            const TBlob& blob = *FSlots[SlotIndex(bx, by)];
            if (blob.LiveCount == 0) continue;
            const int stripe = by / TBitMirror::kBlockRows;
            const int shift = 10 * (by % TBitMirror::kBlockRows);
            uint64_t* words = FBits.Stripe(stripe) + bx * TBlob::kSize;
            if (FBits.Planes() > 1) {
                high |= RebuildPlanes(blob, words, shift);
                continue;
            }
            for (int i = 0; i < TBlob::kSize; ++i) {
                const __m128i column = LoadColumn(blob.Cells[i]);
                const unsigned live = ~RowBits(_mm_cmpeq_epi8(column, zero));
                words[i] |= uint64_t(live & 0x3FF) << shift;
                beyondOne = _mm_or_si128(beyondOne, column);
            }
        }
    beyondOne = _mm_and_si128(beyondOne, _mm_set1_epi8(char(0xFE)));
    high |= _mm_movemask_epi8(_mm_cmpeq_epi8(beyondOne, zero)) != 0xFFFF;
    if (FBits.Planes() > 1) FBits.CountTileLive();
    FBits.Valid = true;
    FBits.High = high;
    FBits.Stirred = true;
    return true;
}

bool TBoard::RebuildPlanes(const TBlob& blob, uint64_t* words, int shift) const
{
    const uint8_t states = uint8_t(FBits.States());
    const int planes = FBits.Planes();
    const size_t stride = FBits.PlaneStride();
    const bool countdown = FBits.Code() == TPlaneCode::Countdown;
    const __m128i one = _mm_set1_epi8(1), two = _mm_set1_epi8(2);
    const __m128i last = _mm_set1_epi8(char(states - 1));
    __m128i held = _mm_cmpeq_epi8(one, one);
    for (int i = 0; i < TBlob::kSize; ++i) {
        const __m128i cell = LoadColumn(blob.Cells[i]);
        // TBitMirror::CodeOf of 16 cells at once: a dying cell's countdown, states - cell, a
        // bit up.
        __m128i code = cell;
        if (countdown) {
            const __m128i dying = _mm_cmpeq_epi8(_mm_max_epu8(cell, two), cell);
            __m128i left = _mm_sub_epi8(_mm_set1_epi8(char(states)), cell);
            left = _mm_add_epi8(left, left);
            code = _mm_or_si128(_mm_and_si128(dying, left), _mm_andnot_si128(dying, cell));
        }
        // A state the planes cannot hold is kept as state 1 and sends the step to the blocks.
        const __m128i fits = _mm_cmpeq_epi8(_mm_min_epu8(cell, last), cell);
        held = _mm_and_si128(held, fits);
        code = _mm_or_si128(_mm_and_si128(fits, code), _mm_andnot_si128(fits, one));
        uint64_t* word = words + i;
        for (int p = 0; p < planes; ++p, word += stride)
            *word |= uint64_t(RowsWithBit(code, p)) << shift;
    }
    return _mm_movemask_epi8(held) != 0xFFFF;
}

bool TBoard::CountPlaneStates() const
{
    if (!FBits.Valid || FBits.High || FBits.Planes() == 1) return false;
    FStateCounts.fill(0);
    const size_t stride = FBits.PlaneStride();
    const int planes = FBits.Planes(), states = FBits.States();
    for (int w = 0; w < FBits.Stripes(); ++w) {
        const uint64_t* words = FBits.Stripe(w);
        for (int32_t x = 0; x < FWidth; ++x) {
            uint64_t left = 0;
            for (int p = 0; p < planes; ++p) left |= words[x + p * stride];
            // State by state until every live cell of the column is counted.
            for (int state = 1; left != 0 && state < states; ++state) {
                const unsigned code = FBits.CodeOf(unsigned(state));
                uint64_t match = left;
                for (int p = 0; p < planes; ++p) {
                    const uint64_t plane = words[x + p * stride];
                    match &= (code >> p & 1) ? plane : ~plane;
                }
                FStateCounts[size_t(state)] += TBitMirror::Ones(match);
                left &= ~match;
            }
        }
    }
    FStateCountsStale = false;
    return true;
}

void TBoard::MaterializeIfStale(int32_t bx, int32_t by) const
{
    if (unsigned(bx) > unsigned(FBXMax) || unsigned(by) > unsigned(FBYMax)) return;
    const int stripe = by / TBitMirror::kBlockRows, row = by % TBitMirror::kBlockRows;
    const int tile = bx / kTileBlocks, column = bx % kTileBlocks;
    if (FStale[size_t(stripe) * FBits.Tiles() + tile] >> (kTileBlocks * row + column) & 1)
        MaterializeBlock(bx, by);
}

void TBoard::MaterializeBlock(int32_t bx, int32_t by) const
{
    TBlob& blob = *FSlots[SlotIndex(bx, by)];
    int live = 0;
    if (FBits.Planes() > 1) {
        const uint64_t* words = FBits.Stripe(by / TBitMirror::kBlockRows) + bx * TBlob::kSize;
        for (int i = 0; i < TBlob::kSize; ++i)
            live += FBits.ColumnStates(words + i, by % TBitMirror::kBlockRows, blob.Cells[i]);
    } else {
        for (int i = 0; i < TBlob::kSize; ++i) {
            const unsigned bits = FBits.BlockColumn(bx * TBlob::kSize + i, by);
            const uint64_t low = kByteOfBit[bits & 0xFF], high = kByteOfBit[bits >> 8];
            std::memcpy(blob.Cells[i], &low, 8);
            std::memcpy(blob.Cells[i] + 8, &high, 2);
            live += TBitMirror::Ones(bits);
        }
    }
    blob.LiveCount = uint8_t(live);
    const int stripe = by / TBitMirror::kBlockRows, row = by % TBitMirror::kBlockRows;
    FStale[size_t(stripe) * FBits.Tiles() + bx / kTileBlocks] &=
        ~(1u << (kTileBlocks * row + bx % kTileBlocks));
}

void TBoard::LeaveBits()
{
    const int tiles = FBits.Tiles();
    for (size_t k = 0; k < FStaleCount; ++k) {
        const int32_t index = FStaleList[k];
        for (uint32_t blocks = FStale[index] & ~kListed; blocks != 0; blocks &= blocks - 1) {
            const int bit = __builtin_ctz(blocks);
            MaterializeBlock(index % tiles * kTileBlocks + bit % kTileBlocks,
                             index / tiles * TBitMirror::kBlockRows + bit / kTileBlocks);
        }
    }
    DropStaleBlocks();
    FBits.Valid = false;
}

void TBoard::DropStaleBlocks()
{
    for (size_t k = 0; k < FStaleCount; ++k) FStale[FStaleList[k]] = 0;
    FStaleCount = 0;
}

// The tiles of stripe w that may change: those that changed, or whose neighbours changed next
// to them. Returns how many were put in `tiles`.
int TBoard::StirredTiles(const uint16_t* fresh, int w, int32_t* tiles) const
{
    const int stripes = FBits.Stripes(), count = FBits.Tiles();
    const auto row = [&](int ws) -> const uint16_t* {
        if (ws < 0 || ws >= stripes) {
            if (!FWrap) return nullptr;
            ws = (ws + stripes) % stripes;
        }
        return fresh + size_t(ws) * count;
    };
    const uint16_t *up = row(w - 1), *mid = row(w), *down = row(w + 1);
    const auto at = [&](const uint16_t* r, int t) -> unsigned {
        if (r == nullptr) return 0;
        if (t < 0) return FWrap ? r[count - 1] : 0;
        if (t >= count) return FWrap ? r[0] : 0;
        return r[t];
    };
    int n = 0;
    for (int t = 0; t < count; ++t) {
        const unsigned stirred = at(mid, t) | (at(mid, t - 1) & teRight) |
                                 (at(mid, t + 1) & teLeft) | (at(up, t) & teBottom) |
                                 (at(down, t) & teTop) | (at(up, t - 1) & teBottomRight) |
                                 (at(up, t + 1) & teBottomLeft) | (at(down, t - 1) & teTopRight) |
                                 (at(down, t + 1) & teTopLeft);
        if (stirred != 0) tiles[n++] = t;
    }
    return n;
}

// Counts the changes of tile t of stripe w, marks the blocks they touch and lists them for
// the painter; returns the tile's TTileEdge bits.
unsigned TBoard::SummariseTile(int w, int t, const uint64_t* old, const uint64_t* next,
                               const TBitTileChanges& changes, bool& collect)
{
    if (changes.Changed == 0) return 0;
    const int32_t x0 = t * TBitMirror::kTileColumns;
    const int32_t x1 = std::min(x0 + TBitMirror::kTileColumns, FWidth);
    FChangedCount += changes.Changed;
    if (FBits.Planes() > 1) {
        uint16_t& live = FBits.TileLive()[size_t(w) * FBits.Tiles() + t];
        FLiveCount += changes.Live - live;
        live = uint16_t(changes.Live);
    } else {
        FLiveCount += changes.Born - changes.Emptied;
    }
    const int32_t row0 = w * TBitMirror::kRows;
    if (changes.BornRows != 0) {
        const int32_t y0 = row0 + __builtin_ctzll(changes.BornRows);
        const int32_t y1 = row0 + 63 - __builtin_clzll(changes.BornRows);
        // Births inside the live-cell box cannot widen it, and soon most of them are.
        const bool inBox = FMinX + x0 >= FBox.MinX && FMinX + x1 - 1 <= FBox.MaxX &&
                           FMinY + y0 >= FBox.MinY && FMinY + y1 <= FBox.MaxY;
        if (!inBox) {
            int32_t first = x0, last = x1 - 1;
            while (FBits.Born(old, next, first) == 0) ++first;
            while (FBits.Born(old, next, last) == 0) --last;
            ExtendLiveBox(FMinX + first, FMinY + y0, first / TBlob::kSize, y0 / TBlob::kSize);
            ExtendLiveBox(FMinX + last, FMinY + y1, last / TBlob::kSize, y1 / TBlob::kSize);
        }
    }
    ReportBitBlocks(w, t, old, next, changes);
    // Every block of the tile is written when read: writing one that did not change costs
    // less than finding out here.
    const int columns = (x1 - x0) / TBlob::kSize, rowsOfBlocks = FBits.Rows(w) / TBlob::kSize;
    uint32_t& stale = FStale[size_t(w) * FBits.Tiles() + t];
    if (stale == 0) FStaleList[FStaleCount++] = w * FBits.Tiles() + t;
    for (int k = 0; k < rowsOfBlocks; ++k) stale |= ((1u << columns) - 1) << (kTileBlocks * k);
    stale |= kListed;
    if (collect) collect = ListBitChanges(w, t, old, next);
    const unsigned top = 1, bottom = unsigned(FBits.Rows(w) - 1);
    const uint64_t rows = changes.Rows;
    const uint64_t first = FBits.SeenChanged(old, next, x0);
    const uint64_t last = FBits.SeenChanged(old, next, x1 - 1);
    return teAny | (first ? teLeft : 0) | (last ? teRight : 0) | (rows & top ? teTop : 0) |
           ((rows >> bottom) & 1 ? teBottom : 0) | (first & top ? teTopLeft : 0) |
           (last & top ? teTopRight : 0) | ((first >> bottom) & 1 ? teBottomLeft : 0) |
           ((last >> bottom) & 1 ? teBottomRight : 0);
}

void TBoard::ReportBitBlocks(int w, int t, const uint64_t* old, const uint64_t* next,
                             const TBitTileChanges& changes)
{
    TPeriodDetector& period = FGlobals.Period;
    const int planes = FBits.Planes();
    if (!period.Watching()) {
        // The kernels found the changed blocks already.
        FWrittenBlockCount += TBitMirror::Ones(changes.Blocks);
        return;
    }
    const int32_t x0 = t * TBitMirror::kTileColumns;
    const int32_t x1 = std::min(x0 + TBitMirror::kTileColumns, FWidth);
    const int rowsOfBlocks = FBits.Rows(w) / TBlob::kSize;
    int written = 0;
    for (int32_t xb = x0; xb < x1; xb += TBlob::kSize) {
        uint64_t any = 0, changes[TBlob::kSize];
        for (int i = 0; i < TBlob::kSize; ++i) {
            changes[i] = FBits.Changed(old, next, xb + i);
            any |= changes[i];
        }
        if (!period.Watching()) {
            for (int k = 0; k < rowsOfBlocks; ++k) written += ((any >> (10 * k)) & 0x3FF) != 0;
            continue;
        }
        for (int k = 0; k < rowsOfBlocks; ++k) {
            const int shift = TBlob::kSize * k;
            if (((any >> shift) & 0x3FF) == 0) continue;
            ++written;
            const int32_t bx = xb / TBlob::kSize, by = w * TBitMirror::kBlockRows + k;
            uint16_t changed[TBlob::kSize], now[TBlob::kSize];
            for (int i = 0; i < TBlob::kSize; ++i) {
                changed[i] = uint16_t((changes[i] >> shift) & 0x3FF);
                now[i] = uint16_t((next[xb + i] >> shift) & 0x3FF);
            }
            if (planes == 1) {
                period.BitsWritten(bx, by, changed, now);
                continue;
            }
            TBlob before, after;
            for (int i = 0; i < TBlob::kSize; ++i) {
                FBits.ColumnStates(old + xb + i, k, before.Cells[i]);
                FBits.ColumnStates(next + xb + i, k, after.Cells[i]);
            }
            period.StatesWritten(bx, by, changed, before, after);
        }
    }
    FWrittenBlockCount += written;
}

bool TBoard::ListBitChanges(int w, int t, const uint64_t* old, const uint64_t* next)
{
    // The tile's blocks in the window.
    const int32_t x0 = t * TBitMirror::kTileColumns;
    const int32_t bx0 = x0 / TBlob::kSize, by0 = w * TBitMirror::kBlockRows;
    const int columns = (std::min(x0 + TBitMirror::kTileColumns, FWidth) - x0) / TBlob::kSize;
    const int rowsOfBlocks = FBits.Rows(w) / TBlob::kSize;
    const int32_t left = std::max(bx0, FPaintBlocks.Left);
    const int32_t right = std::min(bx0 + columns - 1, FPaintBlocks.Right);
    const int top = std::max(by0, FPaintBlocks.Top) - by0;
    const int bottom = std::min(by0 + rowsOfBlocks - 1, FPaintBlocks.Bottom) - by0;
    if (left > right || top > bottom) return true;
    if (!FPaintByCell) {
        for (int32_t bx = left; bx <= right && !FWindowChanged; ++bx) {
            uint64_t changed = 0;
            for (int i = 0; i < TBlob::kSize; ++i)
                changed |= FBits.Changed(old, next, bx * TBlob::kSize + i);
            for (int k = top; k <= bottom; ++k)
                if (((changed >> (TBlob::kSize * k)) & 0x3FF) != 0 &&
                    !ListChangedBlock(bx, by0 + k))
                    return false;
        }
        return true;
    }
    // Column by column over the shown rows of the stripe, rather than block by block: most
    // columns of a changed tile change little.
    const bool planes = FBits.Planes() > 1;
    const int32_t y0 = FMinY + w * TBitMirror::kRows;
    for (int32_t x = left * TBlob::kSize; x < (right + 1) * TBlob::kSize; ++x) {
        const uint64_t now = next[x], changed = FBits.Changed(old, next, x);
        for (int k = top; k <= bottom; ++k) {
            const int shift = TBlob::kSize * k;
            unsigned rows = unsigned(changed >> shift) & 0x3FF;
            if (rows == 0) continue;
            uint8_t states[TBlob::kSize];
            if (planes) FBits.ColumnStates(next + x, k, states);
            for (; rows != 0; rows &= rows - 1) {
                const int j = __builtin_ctz(rows);
                const uint8_t state = planes ? states[j] : uint8_t((now >> (shift + j)) & 1);
                if (!FChanges[state].Append({FMinX + x, y0 + shift + j, state}, FGlobals.Memory))
                    return false;
            }
        }
    }
    return true;
}

bool TBoard::StepBits(const TStepParams& params, bool collect)
{
    TBitMirror& m = FBits;
    const bool everyTile = m.Stirred || !(FLastBitParamsValid && FLastBitParams == params);
    m.Stirred = false;
    FLastBitParams = params;
    FLastBitParamsValid = true;
    // The byte step's record of quiet blocks does not know these changes.
    FLastParamsValid = false;

    const TBitRule rule = params.Game == gmVoteForLife ? TBitRule::Vote(params.Survival)
                          : m.Planes() > 1 ? TBitRule::Generations(params.Survival, params.Birth)
                                           : TBitRule::Life(params.Survival, params.Birth);
    const bool cyclic = params.Game == gmCyclic;
    const TBitCyclicRule cyclicRule{m.States(), params.Cyclic.Threshold,
                                    params.Cyclic.Neighbourhood != 2,
                                    params.Cyclic.GreenbergHastings};
    m.RefreshGhosts(FWrap);
    const int stripes = m.Stripes(), tiles = m.Tiles();
    const uint16_t* fresh = m.Fresh();
    uint16_t* nextEdges = m.Next();
    int32_t* computed = FBitTiles.data();
    // The changed tiles of the new stripes not yet written back: stripe 0 waits until the
    // last stripe has read it, the others until the stripe below has.
    int32_t* changedTiles[3] = {computed + tiles, computed + 2 * tiles, computed + 3 * tiles};
    int changedCounts[3] = {};
    // Whether a new stripe is whole, every tile computed or copied: it then takes the
    // stripe's place.
    bool whole[3] = {};
    const auto copyTile = [&](const uint64_t* from, uint64_t* to, int t) {
        const int32_t x0 = t * TBitMirror::kTileColumns;
        const int32_t x1 = std::min(x0 + TBitMirror::kTileColumns, FWidth);
        for (size_t p = 0; p < size_t(m.Planes()); ++p)
            std::copy(from + p * m.PlaneStride() + x0, from + p * m.PlaneStride() + x1,
                      to + p * m.PlaneStride() + x0);
    };
    const auto commit = [&](int w, int scratch) {
        if (whole[scratch])
            m.Adopt(w, scratch);
        else
            for (int k = 0; k < changedCounts[scratch]; ++k)
                copyTile(m.Scratch(scratch), m.Stripe(w), changedTiles[scratch][k]);
        changedCounts[scratch] = 0;
    };

    bool collecting = collect;
    for (int w = 0; w < stripes; ++w) {
        const int scratch = w == 0 ? 2 : w & 1;
        TBitStripeJob job{};
        job.Mid = m.Stripe(w);
        job.Out = m.Scratch(scratch);
        job.Width = FWidth;
        job.PlaneStride = m.PlaneStride();
        job.CountdownPlanes = m.Planes() - 1;
        job.Countdown = unsigned(m.States() - 2);
        job.Changed = m.ChangedWords();
        job.TopBit = m.Rows(w) - 1;
        job.RowMask = (uint64_t(1) << m.Rows(w)) - 1;
        if (w > 0) {
            job.Above = m.Stripe(w - 1);
            job.AboveBit = TBitMirror::kRows - 1;
        } else {
            job.Above = FWrap ? m.Stripe(stripes - 1) : m.ZeroStripe();
            job.AboveBit = FWrap ? m.Rows(stripes - 1) - 1 : 0;
        }
        job.Below = w + 1 < stripes ? m.Stripe(w + 1) : FWrap ? m.Stripe(0) : m.ZeroStripe();
        int count = tiles;
        if (everyTile)
            for (int t = 0; t < tiles; ++t) computed[t] = t;
        else
            count = StirredTiles(fresh, w, computed);
        whole[scratch] = count == tiles;
        job.Tiles = computed;
        job.TileCount = count;
        job.Changes = FBitChanges.data();
        if (count > 0 && cyclic)
            FStepBitCyclic(cyclicRule, job);
        else if (count > 0 && params.Game == gmRulesTable)
            FStepBitTable(FBitTable, job);
        else if (count > 0)
            FStepBitStripe(rule, job);

        std::fill_n(nextEdges + size_t(w) * tiles, tiles, uint16_t(0));
        for (int k = 0; k < count; ++k) {
            const int t = computed[k];
            const unsigned edges =
                SummariseTile(w, t, job.Mid, job.Out, job.Changes[k], collecting);
            nextEdges[size_t(w) * tiles + t] = uint16_t(edges);
            if (edges != 0) changedTiles[scratch][changedCounts[scratch]++] = t;
        }
        if (!whole[scratch] && tiles - count < changedCounts[scratch]) {
            // Fewer tiles were skipped than changed: the skipped ones are copied into the new
            // stripe instead, which then takes the stripe's place.
            for (int t = 0, k = 0; t < tiles; ++t)
                if (k < count && computed[k] == t)
                    ++k;
                else
                    copyTile(m.Stripe(w), m.Scratch(scratch), t);
            whole[scratch] = true;
        }
        if (w >= 2) commit(w - 1, (w - 1) & 1);
    }
    if (stripes >= 2) commit(stripes - 1, (stripes - 1) & 1);
    commit(0, 2);
    m.SwapEdges();

    if (m.Planes() > 1) {
        // Counted from the planes when read.
        FStateCountsStale = true;
    } else {
        // Only states 0 and 1 are on the board.
        FStateCounts.fill(0);
        FStateCounts[1] = FLiveCount;
        FStateCountsStale = false;
    }
    return collecting || !collect;
}
