// The one-dimensional games: each generation computes one new row below the newest one, so the
// board shows the automaton's history row by row.

#include "base/u_Random.h"
#include "engine/u_Board.h"
#include "engine/u_Globals.h"

#include <algorithm>
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
    constexpr int kCounts = 2 * kMargin + 2;
    uint8_t next[kCellStates][kCounts];
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
        for (k = 0; k < n; ++k)
            out[x0 + k] = next[std::min<int>(states[k], kCellStates - 1)][counts[k]];
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
// slots of a row lie far apart, this list is read once per ten generations.
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

namespace {

// The blocks of a row lie far apart in memory: fetching the cache lines that row j of a block
// some blocks ahead touches hides the wait for them.
constexpr int kAhead = 16;

void FetchRowAhead(TBlob* const* blobs, int32_t bx, int32_t count, int j)
{
    if (bx + kAhead >= count) return;
    const TBlob* blob = blobs[bx + kAhead];
    if (!blob) return;
    __builtin_prefetch(&blob->Cells[0][j], 1);
    __builtin_prefetch(&blob->Cells[4][j], 1);
    __builtin_prefetch(&blob->Cells[8][j], 1);
    __builtin_prefetch(&blob->LiveCount, 1);
}

} // namespace

void TBoard::ReadRow(int32_t y, uint8_t* cells)
{
    const int32_t by = (y - FMinY) / TBlob::kSize, j = (y - FMinY) % TBlob::kSize;
    TBlob* const* blobs = RowBlobs(by);
    const int32_t count = FBXMax + 1;
    for (int32_t bx = 0; bx < count; ++bx) {
        FetchRowAhead(blobs, bx, count, j);
        const TBlob* blob = blobs[bx];
        for (int i = 0; i < TBlob::kSize; ++i)
            cells[bx * TBlob::kSize + i] = !blob || blob->LiveCount == 0 ? 0 : blob->Cells[i][j];
    }
}

// Writes a whole row, keeping every count as SetCell would. Block by block and without a
// branch per cell: in a soup the cells change at random. The stamps of the blocks are left
// alone: a row step marks the block skip invalid, so the next block step looks at every
// block. False when a block could not take its cells.
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
    for (int32_t bx = 0; bx < count; ++bx) {
        FetchRowAhead(blobs, bx, count, j);
        TBlob* blob = blobs[bx];
        if (!blob) { // takes no cells
            complete = false;
            continue;
        }
        const uint8_t* in = cells + bx * TBlob::kSize;
        unsigned born = 0;
        int blockLive = 0;
        for (int i = 0; i < TBlob::kSize; ++i) {
            const uint8_t old = blob->Cells[i][j], state = in[i];
            born |= unsigned(old == 0 && state != 0) << i;
            blockLive += int(state != 0) - int(old != 0);
            blob->Cells[i][j] = state;
        }
        live += blockLive;
        blob->LiveCount = uint8_t(blob->LiveCount + blockLive);
        if (born != 0) {
            const int32_t x0 = bx * TBlob::kSize;
            if (firstBorn < 0) firstBorn = x0 + __builtin_ctz(born);
            lastBorn = x0 + 31 - __builtin_clz(born);
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
