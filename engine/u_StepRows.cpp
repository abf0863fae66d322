// The one-dimensional games: each generation computes one new row below the newest one, so the
// board shows the automaton's history row by row.

#include "base/u_Random.h"
#include "engine/u_Board.h"
#include "engine/u_Globals.h"

#include <algorithm>

namespace {

// Cells beyond the row on either side that the buffer keeps, filled from the other end when
// the board wraps.
constexpr int kMargin = 10;

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
    // A running count over the cells x - range .. x + range.
    int count = 0;
    for (int d = -range; d <= range; ++d) count += counted(row[d]);
    for (int x = 0;; ++x) {
        out[x] = next[std::min<int>(row[x], kCellStates - 1)][count];
        if (x + 1 == width) break; // the window would slide past the margin
        count += int(counted(row[x + range + 1])) - int(counted(row[x - range]));
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

    FRowCells.assign(size_t(width) + 2 * kMargin, 0);
    FNewRow.resize(size_t(width));
    uint8_t* row = FRowCells.data() + kMargin;
    ReadRow(current, row);
    if (FWrap) // boards are at least 20 wide, wider than the margins
        for (int k = 1; k <= kMargin; ++k) {
            row[-k] = row[width - k];
            row[width - 1 + k] = row[k - 1];
        }

    const TLife& life = FGlobals.Life;
    switch (life.Game()) {
    case gm1DTotalistic:
        TotalisticRow(life.OneD, FStatesCount, row, width, FNewRow.data());
        break;
    case gmSpecial:
        SpecialRow(life.Special, FStatesCount, FWrap, FGlobals.Random, row, width, FNewRow.data());
        break;
    default:
        UserRow(FGlobals.UserRules.Rule1D(), FCycle, FMinX, row, width, FNewRow.data());
        break;
    }

    const bool collected = !collect || ListRowChanges(target, FNewRow.data());
    WriteRow(target, FNewRow.data());
    FChangedCount = 1;
    FCurrentRow1D = target;
    return collected;
}

// The blocks of a row lie far apart in memory: fetching their slots and the cells of row j
// some blocks ahead of block bx hides the wait for them.
void TBoard::FetchAhead(int32_t bx, int32_t by, int32_t j) const
{
    constexpr int kAhead = 16;
    if (bx + 2 * kAhead <= FBXMax) __builtin_prefetch(&FSlots[SlotIndex(bx + 2 * kAhead, by)]);
    if (bx + kAhead > FBXMax) return;
    const TBlob& blob = *FSlots[SlotIndex(bx + kAhead, by)];
    __builtin_prefetch(&blob.Cells[0][j]);
    __builtin_prefetch(&blob.LiveCount);
}

void TBoard::ReadRow(int32_t y, uint8_t* cells) const
{
    const int32_t by = (y - FMinY) / TBlob::kSize, j = (y - FMinY) % TBlob::kSize;
    for (int32_t bx = 0; bx <= FBXMax; ++bx) {
        const TBlob& blob = BlobAt(bx, by);
        // The blocks of a row lie far apart; fetching ahead hides the wait for them.
        FetchAhead(bx, by, j);
        for (int i = 0; i < TBlob::kSize; ++i)
            cells[bx * TBlob::kSize + i] = blob.LiveCount == 0 ? 0 : blob.Cells[i][j];
    }
}

// Writes a whole row, keeping every count as SetCell would. Block by block and without a
// branch per cell: in a soup the cells change at random.
void TBoard::WriteRow(int32_t y, const uint8_t* cells)
{
    const int32_t by = (y - FMinY) / TBlob::kSize, j = (y - FMinY) % TBlob::kSize;
    FStateCountsStale = true;
    FModified = true;
    for (int32_t bx = 0; bx <= FBXMax; ++bx) {
        const int slot = SlotIndex(bx, by);
        TBlob& blob = *FSlots[slot];
        FetchAhead(bx, by, j);
        if (&blob == &FVoid) continue; // takes no cells
        const uint8_t* in = cells + bx * TBlob::kSize;
        unsigned changed = 0, born = 0;
        int live = 0;
        for (int i = 0; i < TBlob::kSize; ++i) {
            const uint8_t old = blob.Cells[i][j], state = in[i];
            changed |= unsigned(state != old) << i;
            born |= unsigned(old == 0 && state != 0) << i;
            live += int(state != 0) - int(old != 0);
            blob.Cells[i][j] = state;
        }
        if (changed == 0) continue;
        FLiveCount += live;
        blob.LiveCount = uint8_t(blob.LiveCount + live);
        FSlotStamps[slot] = FStepStamp;
        FSlotEdges[slot] = beAll;
        if (born != 0) {
            // The first and last births reach as far as all of them.
            const int32_t x0 = FMinX + bx * TBlob::kSize;
            ExtendLiveBox(x0 + __builtin_ctz(born), y, bx, by);
            ExtendLiveBox(x0 + 31 - __builtin_clz(born), y, bx, by);
        }
    }
}
