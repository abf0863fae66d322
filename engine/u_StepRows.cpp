// The one-dimensional games: each generation computes one new row below the newest one, so the
// board shows the automaton's history row by row.

#include "base/u_Random.h"
#include "engine/u_Board.h"
#include "engine/u_Globals.h"

#include <emmintrin.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

// Cells beyond the row on either side that the buffer keeps, filled from the other end when
// the board wraps.
constexpr int kMargin = 10;

constexpr int kLanes = 16;
typedef uint8_t TBytes __attribute__((vector_size(kLanes)));

TBytes Load(const uint8_t* p)
{
    TBytes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
void Store(uint8_t* p, TBytes v)
{
    std::memcpy(p, &v, sizeof v);
}

constexpr int kCounts = 2 * kMargin + 2;
typedef uint8_t TNextTable[kCellStates][kCounts];

// The table's entries other than 0 as vectors, for rules with few of them (most have): a cell
// matches one state and one count, so its new state is the or of every entry masked by whether
// both match, 16 cells at a time.
class TSparseNext {
public:
    // False when the table has too many entries for this to pay.
    bool Build(const TNextTable& next, int counts)
    {
        // States from the first of the rows that are all alike read as that row.
        FRows = kCellStates - 1;
        while (FRows > 0 && std::memcmp(next[FRows - 1], next[FRows], kCounts) == 0) --FRows;
        FEntries = 0;
        for (int c = 0; c <= FRows; ++c)
            for (int count = 0; count < counts; ++count) {
                if (next[c][count] == 0) continue;
                if (FEntries == kMaxEntries) return false;
                FState[FEntries] = TBytes{} + uint8_t(c);
                FCount[FEntries] = TBytes{} + uint8_t(count);
                FNext[FEntries++] = TBytes{} + next[c][count];
            }
        return true;
    }
    // The first n / 16 * 16 cells.
    void Apply(const uint8_t* states, const uint8_t* counts, int n, uint8_t* out) const
    {
        const TBytes rows = TBytes{} + uint8_t(FRows);
        for (int k = 0; k + kLanes <= n; k += kLanes) {
            TBytes state = Load(states + k);
            state = state < rows ? state : rows;
            const TBytes count = Load(counts + k);
            TBytes result{};
            for (int e = 0; e < FEntries; ++e)
                result |= TBytes((state == FState[e]) & (count == FCount[e])) & FNext[e];
            Store(out + k, result);
        }
    }

private:
    static constexpr int kMaxEntries = 12;
    TBytes FState[kMaxEntries], FCount[kMaxEntries], FNext[kMaxEntries];
    int FEntries = 0, FRows = 0;
};

// 1-D totalistic. Ranges beyond the margins are read as the widest the buffer holds, so a
// count never exceeds 2 * kMargin + 1 and stays inside the 22 flags.
void TotalisticRow(const TRules1DTo& rule, int statesCount, const uint8_t* row, int width,
                   uint8_t* out)
{
    const int range = std::clamp(rule.Range, 1, kMargin);
    const int last = statesCount - 1;
    // With history only state 1 counts and the older states decay whatever the neighbours.
    const auto counted = [&rule](int state) { return rule.History ? state == 1 : state != 0; };
    // The new state by the cell's state and the counted cells in its window, itself included,
    // so that the loop below takes no branch. States beyond the table's read as its last one.
    TNextTable next;
    for (int c = 0; c < kCellStates; ++c)
        for (int count = 0; count < kCounts; ++count) {
            const int k = count - counted(c) + (rule.Centre && counted(c));
            uint8_t& n = next[c][count];
            if (k < 0) // a counted cell counts itself at least
                n = 0;
            else if (c == 0)
                n = uint8_t(rule.Birth[k]);
            else if (!rule.History)
                n = rule.Survival[k] ? uint8_t(std::min(c + 1, last)) : 0;
            else if (c == 1)
                n = rule.Survival[k] ? 1 : last > 1 ? 2 : 0;
            else
                n = c < last ? uint8_t(c + 1) : 0;
        }
    // The window counts a chunk at a time: a running count is one long dependency chain, sums
    // of the shifted counted flags are independent and go 16 cells a vector; the lookups that
    // follow are independent too.
    TSparseNext vectorNext;
    const bool sparse = vectorNext.Build(next, 2 * range + 2);
    constexpr int kChunk = 4096;
    uint8_t flags[kChunk + 2 * kMargin + kLanes], counts[kChunk];
    for (int x0 = 0; x0 < width; x0 += kChunk) {
        const int n = std::min(kChunk, width - x0), span = n + 2 * range;
        const int vectors = (n + kLanes - 1) / kLanes;
        const uint8_t* from = row + x0 - range;
        int k = 0;
        for (; k + kLanes <= span; k += kLanes) {
            const TBytes v = Load(from + k);
            Store(flags + k, TBytes(rule.History ? v == 1 : v != 0) & 1);
        }
        for (; k < span; ++k) flags[k] = uint8_t(counted(from[k]));
        std::fill(flags + span, flags + vectors * kLanes + 2 * range, uint8_t(0));
        for (int v = 0; v < vectors; ++v) {
            TBytes sum{};
            for (int d = 0; d <= 2 * range; ++d) sum += Load(flags + v * kLanes + d);
            Store(counts + v * kLanes, sum);
        }
        const uint8_t* states = row + x0;
        k = 0;
        if (sparse) {
            vectorNext.Apply(states, counts, n, out + x0);
            k = n / kLanes * kLanes;
        }
        for (; k < n; ++k) out[x0 + k] = next[std::min<int>(states[k], kCellStates - 1)][counts[k]];
    }
}

// Special rules: particles move one cell right with probabilities that depend on whether the
// cells at x - 1 and x + 2 are occupied. Without wrap the right edge is a wall: the particle in
// the last column stays where it is.
void SpecialRow(const TRulesSpec& rule, int statesCount, bool wrap, TRandom& random,
                const uint8_t* row, int width, uint8_t* out)
{
    std::copy_n(row, width, out);
    const int last = statesCount - 1;
    for (int x = 0; x < width; ++x) {
        const bool l = row[x - 1] != 0, m = row[x] != 0;
        const bool r = row[x + 1] != 0 || (!wrap && x == width - 1), rr = row[x + 2] != 0;
        bool moved = false;
        if (m && !r) {
            const double u = random.Uniform();
            moved = !l ? (!rr ? u <= 1 - rule.Delta1 : u <= rule.Gamma)
                       : (!rr ? u <= rule.Epsilon : u <= 1 - rule.Delta2);
        }
        const int destination = x == width - 1 ? 0 : x + 1;
        if (moved) {
            out[x] = 0;
            out[destination] = 1;
        }
        if (statesCount > 2 && m) {
            // The state tells how long the particle has kept moving.
            int s = moved ? row[x] + 1 : row[x] - 1;
            s = s > last ? last : s == 0 ? 1 : s;
            out[moved ? destination : x] = uint8_t(s);
        }
    }
}

void UserRow(TCARule1D rule, int32_t cycle, int32_t minX, const uint8_t* row, int width,
             uint8_t* out)
{
    for (int x = 0; x < width; ++x) {
        const uint8_t* s = row + x - kMargin;
        out[x] = rule ? UserRuleState(rule(cycle, minX + x, s[0], s[1], s[2], s[3], s[4], s[5],
                                           s[6], s[7], s[8], s[9], s[10], s[11], s[12], s[13],
                                           s[14], s[15], s[16], s[17], s[18], s[19], s[20]))
                      : 0;
    }
}

} // namespace

bool TBoard::StepRow(bool collect)
{
    const int width = FWidth;
    const int32_t current = std::clamp(FCurrentRow1D, FMinY, FMaxY);
    // The rows wrap from the bottom of the board to the top whatever the wrap flag says.
    const int32_t target = current + 1 > FMaxY ? FMinY : current + 1;

    const size_t length = size_t(width) + 2 * kMargin;
    // The row the last generation wrote is this one's current row, unless a cell was edited
    // or another step ran since (either moves the counters) or a block took no cells.
    const bool kept = FRowKept.Valid && FRowKept.Row == current && FRowKept.Edits == FEditCount &&
                      FRowKept.Stamp + 1 == FStepStamp && FRowCells.size() == length;
    FRowCells.resize(length);
    FNewRow.resize(length);
    uint8_t* row = FRowCells.data() + kMargin;
    if (!kept) ReadRow(current, row);
    for (int k = 1; k <= kMargin; ++k) { // boards are at least 20 wide, wider than the margins
        row[-k] = FWrap ? row[width - k] : 0;
        row[width - 1 + k] = FWrap ? row[k - 1] : 0;
    }

    uint8_t* out = FNewRow.data() + kMargin;
    const TLife& life = FGlobals.Life;
    switch (life.Game()) {
    case gm1DTotalistic:
        TotalisticRow(life.OneD, FStatesCount, row, width, out);
        break;
    case gmSpecial:
        SpecialRow(life.Special, FStatesCount, FWrap, FGlobals.Random, row, width, out);
        break;
    default:
        UserRow(FGlobals.UserRules.Rule1D(), FCycle, FMinX, row, width, out);
        break;
    }

    const bool collected = !collect || ListRowChanges(target, out);
    FRowKept.Valid = WriteRow(target, out);
    FRowKept.Row = target;
    FRowKept.Edits = FEditCount;
    FRowKept.Stamp = FStepStamp;
    FRowCells.swap(FNewRow);
    FChangedCount = 1;
    FCurrentRow1D = target;
    return collected;
}

// The blocks of block row `by` by column, nullptr where a block could not be allocated: the
// slots of a row lie a column apart, this list is read once per ten generations.
TBlob* const* TBoard::RowBlobs(int32_t by)
{
    if (FRowBlobsBY != by || FRowBlobs.size() != size_t(FBXMax + 1)) {
        FRowBlobs.resize(size_t(FBXMax + 1));
        for (int32_t bx = 0; bx <= FBXMax; ++bx) {
            TBlob* blob = FSlots[SlotIndex(bx, by)];
            FRowBlobs[size_t(bx)] = blob == &FVoid ? nullptr : blob;
        }
        FRowBlobsBY = by;
    }
    return FRowBlobs.data();
}

void TBoard::ReadRow(int32_t y, uint8_t* cells)
{
    const int32_t by = (y - FMinY) / TBlob::kSize, j = (y - FMinY) % TBlob::kSize;
    TBlob* const* blobs = RowBlobs(by);
    const int32_t count = FBXMax + 1;
    for (int32_t bx = 0; bx < count; ++bx) {
        const TBlob* blob = blobs[bx];
        for (int i = 0; i < TBlob::kSize; ++i)
            cells[bx * TBlob::kSize + i] = !blob || blob->LiveCount == 0 ? 0 : blob->Cells[i][j];
    }
}

namespace {

// The live cells of each 10-cell run, by the bits of its cells.
constexpr auto kRunLive = [] {
    std::array<uint8_t, 1u << TBlob::kSize> counts{};
    for (unsigned bits = 0; bits < counts.size(); ++bits)
        counts[bits] = uint8_t(std::popcount(bits));
    return counts;
}();

// Bit k of `bits` tells whether cells[k] is live; `cells` holds `vectors` vectors.
void LiveBits(const uint8_t* cells, int vectors, uint8_t* bits)
{
    const __m128i zero = _mm_setzero_si128();
    for (int v = 0; v < vectors; ++v) {
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cells + v * kLanes));
        const auto live = uint16_t(~_mm_movemask_epi8(_mm_cmpeq_epi8(c, zero)));
        std::memcpy(bits + 2 * v, &live, sizeof live);
    }
}

// The bits of the block's 10 cells that start at cell `first`.
unsigned RunBits(const uint8_t* bits, int first)
{
    uint32_t word;
    std::memcpy(&word, bits + first / 8, sizeof word);
    return (word >> (first % 8)) & ((1u << TBlob::kSize) - 1);
}

} // namespace

// Writes a whole row, keeping every count as SetCell would. A chunk of blocks at a time: the
// old cells are swapped out first, a plain copy per cell; which cells live, before and after,
// is then found for a vector of cells at once, and the counts follow from those bits, a block
// at a time: a branch per cell would mispredict, as in a soup the cells change at random. The
// stamps of the blocks are left alone: a row step marks the block skip invalid, so the next
// block step looks at every block. False when a block could not take its cells.
bool TBoard::WriteRow(int32_t y, const uint8_t* cells)
{
    const int32_t by = (y - FMinY) / TBlob::kSize, j = (y - FMinY) % TBlob::kSize;
    FStateCountsStale = true;
    FModified = true;
    TBlob* const* blobs = RowBlobs(by);
    const int32_t count = FBXMax + 1;
    bool complete = true;
    int live = 0;
    int32_t firstBorn = -1, lastBorn = -1; // cells, from the board's left edge
    // Chunks small enough for the first level cache, whole vectors long.
    constexpr int kChunk = 8 * kLanes, kChunkCells = kChunk * TBlob::kSize;
    uint8_t was[kChunkCells], now[kChunkCells];
    uint8_t wasBits[kChunkCells / 8 + 4]{}, nowBits[kChunkCells / 8 + 4]{}; // RunBits reads 4 bytes
    for (int32_t b0 = 0; b0 < count; b0 += kChunk) {
        const int blocks = std::min<int>(kChunk, count - b0), n = blocks * TBlob::kSize;
        const uint8_t* in = cells + b0 * TBlob::kSize;
        for (int b = 0; b < blocks; ++b) {
            TBlob* blob = blobs[b0 + b];
            const int c = b * TBlob::kSize;
            std::memcpy(now + c, in + c, TBlob::kSize);
            if (!blob) { // takes no cells, so none of them count as changed
                std::memcpy(was + c, in + c, TBlob::kSize);
                complete = false;
                continue;
            }
#pragma GCC unroll 10
            for (int i = 0; i < TBlob::kSize; ++i) {
                was[c + i] = blob->Cells[i][j];
                blob->Cells[i][j] = in[c + i];
            }
        }
        const int vectors = (n + kLanes - 1) / kLanes;
        std::fill(was + n, was + vectors * kLanes, uint8_t(0));
        std::fill(now + n, now + vectors * kLanes, uint8_t(0));
        LiveBits(was, vectors, wasBits);
        LiveBits(now, vectors, nowBits);
        for (int b = 0; b < blocks; ++b) {
            TBlob* blob = blobs[b0 + b];
            if (!blob) continue;
            const unsigned before = RunBits(wasBits, b * TBlob::kSize),
                           after = RunBits(nowBits, b * TBlob::kSize);
            const int blockLive = kRunLive[after] - kRunLive[before];
            live += blockLive;
            blob->LiveCount = uint8_t(blob->LiveCount + blockLive);
            if (const unsigned born = after & ~before; born != 0) {
                const int32_t x0 = (b0 + b) * TBlob::kSize;
                if (firstBorn < 0) firstBorn = x0 + __builtin_ctz(born);
                lastBorn = x0 + 31 - __builtin_clz(born);
            }
        }
    }
    FLiveCount += live;
    if (firstBorn >= 0) {
        // The first and last births reach as far as all of them.
        ExtendLiveBox(FMinX + firstBorn, y, firstBorn / TBlob::kSize, by);
        ExtendLiveBox(FMinX + lastBorn, y, lastBorn / TBlob::kSize, by);
    }
    return complete;
}
