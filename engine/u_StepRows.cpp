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
    // Running counts over the cells x - range .. x + range: live cells, and cells in state 1.
    int live = 0, ones = 0;
    for (int d = -range; d <= range; ++d) {
        live += row[d] != 0;
        ones += row[d] == 1;
    }
    for (int x = 0; x < width; ++x) {
        const uint8_t c = row[x];
        if (!rule.History) {
            const int k = live - (c != 0) + (rule.Centre && c != 0);
            out[x] = c == 0             ? uint8_t(rule.Birth[k])
                     : rule.Survival[k] ? uint8_t(std::min(c + 1, last))
                                        : 0;
        } else if (c <= 1) {
            const int k = ones - (c == 1) + (rule.Centre && c == 1);
            out[x] = c == 0 ? uint8_t(rule.Birth[k]) : rule.Survival[k] ? 1 : last > 1 ? 2 : 0;
        } else {
            out[x] = c < last ? uint8_t(c + 1) : 0;
        }
        if (x + 1 == width) break; // the window would slide past the margin
        live += (row[x + range + 1] != 0) - (row[x - range] != 0);
        ones += (row[x + range + 1] == 1) - (row[x - range] == 1);
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

void TBoard::ReadRow(int32_t y, uint8_t* cells) const
{
    const int32_t by = (y - FMinY) / TBlob::kSize, j = (y - FMinY) % TBlob::kSize;
    for (int32_t bx = 0; bx <= FBXMax; ++bx) {
        const TBlob& blob = BlobAt(bx, by);
        for (int i = 0; i < TBlob::kSize; ++i)
            cells[bx * TBlob::kSize + i] = blob.LiveCount == 0 ? 0 : blob.Cells[i][j];
    }
}

// Writes a whole row, keeping every count as SetCell would.
void TBoard::WriteRow(int32_t y, const uint8_t* cells)
{
    const int32_t by = (y - FMinY) / TBlob::kSize, j = (y - FMinY) % TBlob::kSize;
    FStateCountsStale = true;
    FModified = true;
    for (int32_t bx = 0; bx <= FBXMax; ++bx) {
        const int slot = SlotIndex(bx, by);
        TBlob& blob = *FSlots[slot];
        if (&blob == &FVoid) continue; // takes no cells
        bool changed = false;
        for (int i = 0; i < TBlob::kSize; ++i) {
            const uint8_t old = blob.Cells[i][j], state = cells[bx * TBlob::kSize + i];
            if (state == old) continue;
            changed = true;
            blob.Cells[i][j] = state;
            if (state == 0) {
                --FLiveCount;
                --blob.LiveCount;
            } else if (old == 0) {
                ++FLiveCount;
                ++blob.LiveCount;
                ExtendLiveBox(FMinX + bx * TBlob::kSize + i, y, bx, by);
            }
        }
        if (changed) {
            FSlotStamps[slot] = FStepStamp;
            FSlotEdges[slot] = beAll;
        }
    }
}
