#pragma once
// The two-dimensional games on a column of blocks: the outer-totalistic ones (Life,
// Generations, Weighted Life, Vote for Life) and Cyclic CA on byte vectors, user rules cell by
// cell, the rules table from u_StepTableKernel.h. Included only by the units that build it for
// one instruction set each; see u_Simd.h for why everything here sits in that set's namespace.

#include "engine/u_StepTableKernel.h"
#include "engine/u_StepWindow.h"

namespace PLEXA_SIMD_NS {
namespace {

// 1 in every lane whose cell counts as a neighbour: any live state, or state 1 only.
PLEXA_INLINE TV Counted(TV cells, bool stateOneOnly)
{
    return stateOneOnly ? Mask(cells == One()) & One() : MinU8(cells, One());
}

// Live cells that survive age up to the last state; dead cells are born as 1.
PLEXA_INLINE TV AgingNext(TV c, TV born, TV survives, TV lastState)
{
    const TV alive = Mask(c != 0);
    return (alive & survives & MinU8(c + 1, lastState)) | (~alive & born & One());
}

// State 1 survives or starts to decay; decaying states run to the last state, then to 0.
PLEXA_INLINE TV DecayNext(TV c, TV born, TV survives, TV lastState, TV firstDecay)
{
    const TV is0 = Mask(c == 0), is1 = Mask(c == One());
    const TV from1 = (survives & One()) | (~survives & firstDecay);
    const TV decayed = Mask(c < lastState) & (c + 1);
    return (is0 & born & One()) | (is1 & from1) | (~(is0 | is1) & decayed);
}

// The counted cells of the window and their vertical sums: lane b of Sums holds rows b..b+2.
struct TColumnSums {
    TV Counted[kWindowVectors];
    TV Sums[kWindowVectors];

    PLEXA_INLINE TColumnSums(const TV* window, bool stateOneOnly)
    {
        PLEXA_UNROLL
        for (int v = 0; v < kWindowVectors; ++v) {
            Counted[v] = PLEXA_SIMD_NS::Counted(window[v], stateOneOnly);
            Sums[v] = Counted[v] + LanesDown<1>(Counted[v]) + LanesDown<2>(Counted[v]);
        }
    }
    // The counted cells of the 3x3 neighbourhoods of block vector v, the centre included.
    PLEXA_INLINE TV Around(int v) const { return Sums[v] + Next1(Sums, v) + Next2(Sums, v); }
};

// Life ages its survivors; Generations (Decay) counts only state 1 and lets dying cells decay.
template <bool Decay>
class TCountKernel {
public:
    explicit TCountKernel(const TBlockRule& rule)
        : FSurvival(rule.Survival), FBirth(rule.Birth), FLast(Splat(rule.LastState)),
          FFirstDecay(Splat(rule.LastState > 1 ? 2 : 0))
    {}
    static constexpr bool kSkipsEmpty = true;
    PLEXA_INLINE void Compute(const TBlob* const[3][3], const TV* window, const TV* old,
                              TV* next) const
    {
        const TColumnSums s(window, Decay);
        PLEXA_UNROLL
        for (int v = 0; v < kBlockVectors; ++v) {
            const TV c = old[v];
            const TV k = s.Around(v) - PLEXA_SIMD_NS::Counted(c, Decay);
            const TV born = FBirth.Holds(k), survives = FSurvival.Holds(k);
            next[v] = Decay ? DecayNext(c, born, survives, FLast, FFirstDecay)
                            : AgingNext(c, born, survives, FLast);
        }
    }

private:
    TCountSet FSurvival, FBirth;
    TV FLast, FFirstDecay;
};

// The cell and its eight neighbours vote: the cell lives when the count of live cells among
// the nine is in the survival set.
class TVoteKernel {
public:
    explicit TVoteKernel(const TBlockRule& rule) : FSurvival(rule.Survival) {}
    static constexpr bool kSkipsEmpty = true;
    PLEXA_INLINE void Compute(const TBlob* const[3][3], const TV* window, const TV* old,
                              TV* next) const
    {
        const TColumnSums s(window, false);
        PLEXA_UNROLL
        for (int v = 0; v < kBlockVectors; ++v) {
            const TV c = old[v];
            const TV toLive = FSurvival.Holds(s.Around(v)), alive = Mask(c != 0);
            const TV born = toLive & ~alive, dies = ~toLive & alive;
            next[v] = (born & One()) | (~(born | dies) & c);
        }
    }

private:
    TCountSet FSurvival;
};

// Weighted Life looks the nine counted positions up as a 9-bit pattern: bit 0 NW, 1 NN, 2 NE,
// 3 WW, 4 ME, 5 EE, 6 SW, 7 SS, 8 SE, in the order of the rule's weights.
class TWeightedKernel {
public:
    explicit TWeightedKernel(const TBlockRule& rule)
        : FOutcome(rule.Outcome), FHistory(rule.History), FLast(Splat(rule.LastState)),
          FFirstDecay(Splat(rule.LastState > 1 ? 2 : 0))
    {}
    static constexpr bool kSkipsEmpty = true;
    PLEXA_INLINE void Compute(const TBlob* const[3][3], const TV* window, const TV* old,
                              TV* next) const
    {
        TV counted[kWindowVectors]; // 0xFF where counted
        PLEXA_UNROLL
        for (int v = 0; v < kWindowVectors; ++v)
            counted[v] = Mask(PLEXA_SIMD_NS::Counted(window[v], FHistory) != 0);
        PLEXA_UNROLL
        for (int v = 0; v < kBlockVectors; ++v) {
            const TV L = counted[v], M = Next1(counted, v), R = Next2(counted, v);
            const TV low = (L & Splat(0x01)) | (M & Splat(0x02)) | (R & Splat(0x04)) |
                           (LanesDown<1>(L) & Splat(0x08)) | (LanesDown<1>(M) & Splat(0x10)) |
                           (LanesDown<1>(R) & Splat(0x20)) | (LanesDown<2>(L) & Splat(0x40)) |
                           (LanesDown<2>(M) & Splat(0x80));
            const TV high = LanesDown<2>(R) & One();
            const TV outcome = Lookup(low, high, RowLaneBits(v));
            const TV born = Mask((outcome & One()) != 0);
            const TV survives = Mask((outcome & Splat(2)) != 0);
            const TV c = old[v];
            next[v] = FHistory ? DecayNext(c, born, survives, FLast, FFirstDecay)
                               : AgingNext(c, born, survives, FLast);
        }
    }

private:
    // The outcome of every lane's pattern; only lanes with a counted cell around are looked
    // up, the others share the outcome of the empty pattern.
    PLEXA_INLINE TV Lookup(TV low, TV high, TLaneBits rows) const
    {
        alignas(64) uint8_t lows[kLanes], highs[kLanes], outcomes[kLanes];
        Store(lows, low);
        Store(highs, high);
        Store(outcomes, Splat(FOutcome[0]));
        for (TLaneBits lanes = ~EqualLanes(low | high, TV{}) & rows; lanes != 0;
             lanes &= lanes - 1) {
            const int lane = LowestBit(lanes);
            outcomes[lane] = FOutcome[lows[lane] | (highs[lane] << 8)];
        }
        return Load(outcomes);
    }

    const uint8_t* FOutcome;
    bool FHistory;
    TV FLast, FFirstDecay;
};

// User rules: the library's CARule for every cell, i and j being the cell's place in its block.
class TUserKernel {
public:
    static constexpr bool kSkipsEmpty = true;
    explicit TUserKernel(const TBlockRule& rule) : FRule(rule) {}
    PLEXA_INLINE void Compute(const TBlob* const[3][3], const TV* window, const TV*, TV* next) const
    {
        const TWindowBytes w(window);
        TBlockBytes out;
        if (FRule.UserRule)
            for (int i = 0; i < TBlob::kSize; ++i)
                for (int j = 0; j < TBlob::kSize; ++j) {
                    const int32_t result =
                        FRule.UserRule(FRule.Cycle, i, j, w(i, j), w(i + 1, j), w(i + 2, j),
                                       w(i, j + 1), w(i + 1, j + 1), w(i + 2, j + 1), w(i, j + 2),
                                       w(i + 1, j + 2), w(i + 2, j + 2));
                    out(i, j) = UserRuleState(result);
                }
        out.LoadInto(next);
    }

private:
    const TBlockRule& FRule;
};

// Cyclic CA: a cell advances to its successor state when at least `Threshold` cells within the
// range hold that successor; with Greenberg-Hastings a live cell advances regardless. Every
// block is computed, since empty cells advance when enough neighbours hold state 1.
class TCyclicKernel {
public:
    static constexpr bool kSkipsEmpty = false;
    explicit TCyclicKernel(const TBlockRule& rule) : FRule(rule) {}
    PLEXA_INLINE void Compute(const TBlob* const nb[3][3], const TV* window, const TV* old,
                              TV* next) const
    {
        if (FRule.Range <= 1) {
            ComputeNear(window, old, next);
            return;
        }
        TBlockBytes out;
        ComputeFar(nb, out);
        out.LoadInto(next);
    }

private:
    static constexpr int kMaxRange = 10;

    PLEXA_INLINE int Successor(int c) const { return c < FRule.LastState ? c + 1 : 0; }
    // The new state when `count` cells around hold the successor of `c`.
    PLEXA_INLINE uint8_t Next(int c, int count) const
    {
        const int successor = Successor(c);
        if (count >= FRule.Threshold) return uint8_t(successor);
        return uint8_t(c > FRule.LastState ? FRule.LastState : c);
    }
    PLEXA_INLINE bool Advances(int c) const { return FRule.GreenbergHastings && c != 0; }

    // Range 1: the eight or four neighbours, from the window, on whole vectors.
    PLEXA_INLINE void ComputeNear(const TV* window, const TV* old, TV* next) const
    {
        const TV last = Splat(FRule.LastState), one = One();
        // Thresholds above 8 are never reached; below 1 always.
        const TV threshold = Splat(uint8_t(FRule.Threshold < 1   ? 0
                                           : FRule.Threshold > 9 ? 9
                                                                 : FRule.Threshold));
        PLEXA_UNROLL
        for (int v = 0; v < kBlockVectors; ++v) {
            const TV c = old[v];
            const TV successor = Mask(c < last) & (c + one);
            // Each neighbour that holds the successor adds 0xFF, that is subtracts 1.
            const auto holds = [&successor](TV cells) { return Mask(cells == successor); };
            const TV left = window[v], middle = Next1(window, v), right = Next2(window, v);
            TV minus = holds(LanesDown<1>(left)) + holds(middle) + holds(LanesDown<2>(middle)) +
                       holds(LanesDown<1>(right));
            if (FRule.Moore)
                minus += holds(left) + holds(LanesDown<2>(left)) + holds(right) +
                         holds(LanesDown<2>(right));
            const TV count = TV{} - minus;
            TV advances = Mask(MinU8(count, threshold) == threshold);
            if (FRule.GreenbergHastings) advances |= Mask(c != 0);
            next[v] = (advances & successor) | (~advances & MinU8(c, last));
        }
    }

    // Ranges 2..10 reach up to ten cells into the neighbouring blocks (the Moore neighbourhood
    // is swept by TCyclicSweep instead): the 30x30 cells of the nine blocks are copied once, and
    // each successor state gets running counts along the rows, so that a cell's count takes one
    // subtraction per row of its neighbourhood.
    void ComputeFar(const TBlob* const nb[3][3], TBlockBytes& out) const
    {
        constexpr int kSide = 3 * TBlob::kSize;
        uint8_t area[kSide][kSide]; // [row][column]
        for (int br = 0; br < 3; ++br)
            for (int bc = 0; bc < 3; ++bc)
                for (int i = 0; i < TBlob::kSize; ++i)
                    for (int j = 0; j < TBlob::kSize; ++j)
                        area[br * TBlob::kSize + j][bc * TBlob::kSize + i] =
                            nb[br][bc]->Cells[i][j];

        uint32_t wanted = 0; // the successors the block's cells look for, as bits
        for (int i = 0; i < TBlob::kSize; ++i)
            for (int j = 0; j < TBlob::kSize; ++j) {
                const int c = area[TBlob::kSize + j][TBlob::kSize + i];
                if (!Advances(c)) wanted |= 1u << Successor(c);
            }

        uint16_t runs[kSide][kSide + 1]; // runs[y][x]: cells of the state in row y before x
        const int range = FRule.Range > kMaxRange ? kMaxRange : FRule.Range;
        for (int state = 0; wanted != 0; ++state, wanted >>= 1) {
            if ((wanted & 1) == 0) continue;
            for (int y = 0; y < kSide; ++y) {
                runs[y][0] = 0;
                for (int x = 0; x < kSide; ++x)
                    runs[y][x + 1] = uint16_t(runs[y][x] + (area[y][x] == state));
            }
            for (int i = 0; i < TBlob::kSize; ++i)
                for (int j = 0; j < TBlob::kSize; ++j) {
                    const int x = TBlob::kSize + i, y = TBlob::kSize + j;
                    const int c = area[y][x];
                    if (Advances(c) || Successor(c) != state) continue;
                    int k = 0;
                    for (int dy = -range; dy <= range; ++dy) {
                        const int reach = FRule.Moore ? range : range - (dy < 0 ? -dy : dy);
                        k += runs[y + dy][x + reach + 1] - runs[y + dy][x - reach];
                    }
                    out(i, j) = Next(c, k);
                }
        }
        for (int i = 0; i < TBlob::kSize; ++i)
            for (int j = 0; j < TBlob::kSize; ++j) {
                const int c = area[TBlob::kSize + j][TBlob::kSize + i];
                if (Advances(c)) out(i, j) = uint8_t(Successor(c));
            }
    }

    const TBlockRule& FRule;
};

// Fills `r` from the block's old and new columns; false when nothing changed.
PLEXA_INLINE bool Summarise(const TV* old, TV* next, int oldLive, TBlockResult& r)
{
    const TV rowLanes = RowLanes();
    TLaneBits changedAll = 0, bornAll = 0;
    int changedCount = 0, live = 0;
    PLEXA_UNROLL
    for (int v = 0; v < kBlockVectors; ++v) {
        next[v] &= rowLanes;
        const TLaneBits rows = RowLaneBits(v);
        const TLaneBits empty = EqualLanes(next[v], TV{});
        const TLaneBits changed = ~EqualLanes(next[v], old[v]) & rows;
        const TLaneBits born = EqualLanes(old[v], TV{}) & ~empty & rows;
        changedCount += CountBits(changed);
        live += CountBits(~empty & rows);
        changedAll |= changed;
        bornAll |= born;
        // Little-endian: the lowest 16 lane bits are those of column W * v.
        std::memcpy(&r.Changed[W * v], &changed, sizeof changed);
        std::memcpy(&r.Born[W * v], &born, sizeof born);
        Store(r.Cells[W * v], next[v]);
    }
    if (changedCount == 0) return false;

    uint64_t rowsAll = changedAll;
    rowsAll |= rowsAll >> 32;
    rowsAll |= rowsAll >> 16;
    const unsigned first = r.Changed[0], last = r.Changed[TBlob::kSize - 1];
    constexpr unsigned kFirstRow = 1, kLastRow = 1u << (TBlob::kSize - 1);
    r.Edges = uint16_t(beAny | (first != 0 ? beColumn0 : 0) | (last != 0 ? beColumn9 : 0) |
                       (rowsAll & kFirstRow ? beRow0 : 0) | (rowsAll & kLastRow ? beRow9 : 0) |
                       (first & kFirstRow ? beCorner00 : 0) | (last & kFirstRow ? beCorner90 : 0) |
                       (first & kLastRow ? beCorner09 : 0) | (last & kLastRow ? beCorner99 : 0));
    r.AnyBorn = bornAll != 0;
    r.LiveCount = uint8_t(live);
    r.LiveDelta = int8_t(live - oldLive);
    r.ChangedCount = uint8_t(changedCount);
    return true;
}

// What the step needs to know of one block row across the three columns: its blocks and what
// of them changed recently. The blocks' cells are not read here: most blocks of a quiet board
// are passed over, and reading them would cost a trip to memory each.
struct TBlockRow {
    const TBlob* Blobs[3];
    unsigned Fresh[3]; // TBlockEdge bits of changes at or after the job's Recent stamp

    PLEXA_INLINE TBlockRow(const TBlockColumnJob& job, int index)
    {
        PLEXA_UNROLL
        for (int c = 0; c < 3; ++c) {
            Blobs[c] = job.Slots[c][index];
            // Arithmetic rather than a branch: which blocks are fresh is hard to predict.
            Fresh[c] = job.Edges[c][index] & -unsigned(job.Stamps[c][index] >= job.Recent);
        }
    }
    PLEXA_INLINE unsigned Live() const
    {
        return Blobs[0]->LiveCount | Blobs[1]->LiveCount | Blobs[2]->LiveCount;
    }
};

// Whether a cell of the block's neighbour window changed: an edge or corner facing it in the
// rows above and below, an edge or anything in its own row.
PLEXA_INLINE bool WindowChanged(const TBlockRow& up, const TBlockRow& mid, const TBlockRow& down)
{
    return ((up.Fresh[0] & beCorner99) | (up.Fresh[1] & beRow9) | (up.Fresh[2] & beCorner09) |
            (mid.Fresh[0] & beColumn9) | mid.Fresh[1] | (mid.Fresh[2] & beColumn0) |
            (down.Fresh[0] & beCorner90) | (down.Fresh[1] & beRow0) |
            (down.Fresh[2] & beCorner00)) != 0;
}

// Whether any cell of the block or its eight neighbours changed.
PLEXA_INLINE bool NeighbourhoodChanged(const TBlockRow& up, const TBlockRow& mid,
                                       const TBlockRow& down)
{
    unsigned fresh = 0;
    PLEXA_UNROLL
    for (int c = 0; c < 3; ++c) fresh |= up.Fresh[c] | mid.Fresh[c] | down.Fresh[c];
    return fresh != 0;
}

// Computes one block from its rows of blocks; false when it does not change.
template <class TKernel>
PLEXA_INLINE bool StepBlock(const TKernel& kernel, const TBlockColumnJob& job, const TBlockRow& up,
                            const TBlockRow& mid, const TBlockRow& down, TBlockResult& r)
{
    const TBlob* self = mid.Blobs[1];
    if (self == job.Void) return false; // takes no cells
    // A block whose window did not change since the previous step computes exactly what it
    // computed then: nothing new.
    if (job.SkipQuiet &&
        !(job.FarReach ? NeighbourhoodChanged(up, mid, down) : WindowChanged(up, mid, down)))
        return false;
    if (TKernel::kSkipsEmpty && (up.Live() | mid.Live() | down.Live()) == 0) return false;

    const TBlob* const nb[3][3] = {{up.Blobs[0], up.Blobs[1], up.Blobs[2]},
                                   {mid.Blobs[0], mid.Blobs[1], mid.Blobs[2]},
                                   {down.Blobs[0], down.Blobs[1], down.Blobs[2]}};
    TV window[kWindowVectors], old[kBlockVectors], next[kBlockVectors];
    BuildWindow(nb, window);
    PLEXA_UNROLL
    for (int v = 0; v < kBlockVectors; ++v) old[v] = Load(self->Cells[W * v], Columns(v));
    kernel.Compute(nb, window, old, next);
    return Summarise(old, next, self->LiveCount, r);
}

// Element by + 1 of the job's arrays is block row by; rows wrap when the board does.
PLEXA_INLINE int RowIndex(const TBlockColumnJob& job, int32_t by)
{
    return (!job.Wrap ? by : by < 0 ? job.LastBoardRow : by > job.LastBoardRow ? 0 : by) + 1;
}

// The blocks of the column on the right are new to the caches when the step reaches them;
// their cells are asked for this many block rows ahead, where a block around may be computed.
constexpr int kPrefetchRows = 4;

PLEXA_INLINE void Prefetch(const TBlockColumnJob& job, int32_t by)
{
    if (by > job.LastRow + 1) return;
    const int index = RowIndex(job, by);
    // Without a branch, which would be hard to predict: quiet rows ask for the stand-in block,
    // which the caches hold anyway.
    const bool quiet = job.SkipQuiet && (job.Stamps[0][index] < job.Recent) &
                                            (job.Stamps[1][index] < job.Recent) &
                                            (job.Stamps[2][index] < job.Recent);
    const char* blob = reinterpret_cast<const char*>(quiet ? job.Void : job.Slots[2][index]);
    for (size_t offset = 0; offset < sizeof(TBlob); offset += 64) __builtin_prefetch(blob + offset);
    __builtin_prefetch(blob + sizeof(TBlob) - 1);
}

template <class TKernel>
int StepColumn(const TKernel& kernel, const TBlockColumnJob& job, TBlockResult* results)
{
    const auto index = [&job](int32_t by) { return RowIndex(job, by); };
    int count = 0;
    TBlockRow up(job, index(job.FirstRow - 1)), mid(job, index(job.FirstRow));
    for (int32_t by = job.FirstRow; by <= job.LastRow; ++by) {
        Prefetch(job, by + 1 + kPrefetchRows);
        const TBlockRow down(job, index(by + 1));
        if (StepBlock(kernel, job, up, mid, down, results[count])) results[count++].Row = by;
        up = mid;
        mid = down;
    }
    return count;
}

// Cyclic CA of ranges 2..10 on the Moore neighbourhood, whose square counts split into rows:
// the column is swept once from top to bottom, keeping for every state its count in each
// row's window of 2 * range + 1 cells and the sum of those counts over the last 2 * range + 1
// rows. A cell then costs a few additions per state whatever the range, where a block by
// itself would recount the nine blocks around it.
class TCyclicSweep {
public:
    TCyclicSweep(const TBlockRule& rule, const TBlockColumnJob& job)
        : FRule(rule), FJob(job), FRange(rule.Range < kMaxRange ? rule.Range : kMaxRange),
          FStates(rule.LastState + 1 < kCellStates ? rule.LastState + 1 : kCellStates)
    {}

    int Run(TBlockResult* results)
    {
        constexpr int S = TBlob::kSize;
        const int span = 2 * FRange + 1;
        std::memset(FSums, 0, sizeof FSums);
        // Cell rows from `range` above the first block row to `range` below the last; row y
        // is row y % S of block row y / S, both counted from the job's first block row.
        const int32_t first = FJob.FirstRow * S - FRange, last = FJob.LastRow * S + S - 1 + FRange;
        int count = 0;
        TBlockBytes out;
        for (int32_t y = first; y <= last; ++y) {
            uint8_t(&counts)[kCellStates][S] = FRowCounts[(y - first) % span];
            if (y - first >= span) Add(counts, -1); // the row that leaves the window
            CountRow(y, counts);
            Add(counts, 1);
            if (y - first < 2 * FRange) continue;
            // The sums now cover the rows around row y - range.
            const int32_t yc = y - FRange, by = FloorDiv(yc), j = yc - by * S;
            const TBlob& self = *FJob.Slots[1][RowIndex(FJob, by)];
            for (int i = 0; i < S; ++i) out(i, j) = Next(self.Cells[i][j], i);
            if (j == S - 1 && Finish(by, out, results[count])) results[count++].Row = by;
        }
        return count;
    }

private:
    static constexpr int kMaxRange = 10;

    static int32_t FloorDiv(int32_t y)
    {
        return (y >= 0 ? y : y - TBlob::kSize + 1) / TBlob::kSize;
    }

    // The counts of every state in the windows of the middle block's cells in row y.
    void CountRow(int32_t y, uint8_t (&counts)[kCellStates][TBlob::kSize]) const
    {
        constexpr int S = TBlob::kSize;
        const int32_t by = FloorDiv(y), j = y - by * S, index = RowIndex(FJob, by);
        const TBlob &left = *FJob.Slots[0][index], &mid = *FJob.Slots[1][index],
                    &right = *FJob.Slots[2][index];
        // Cells -range..S-1+range of the row; states beyond the table's share one count.
        uint8_t cells[S + 2 * kMaxRange];
        const auto bounded = [](uint8_t state) {
            return state < kCellStates ? state : kCellStates;
        };
        for (int d = 0; d < FRange; ++d) {
            cells[d] = bounded(left.Cells[S - FRange + d][j]);
            cells[FRange + S + d] = bounded(right.Cells[d][j]);
        }
        for (int i = 0; i < S; ++i) cells[FRange + i] = bounded(mid.Cells[i][j]);
        uint8_t histogram[kCellStates + 1] = {};
        for (int x = 0; x <= 2 * FRange; ++x) ++histogram[cells[x]];
        for (int i = 0;; ++i) {
            for (int state = 0; state < FStates; ++state) counts[state][i] = histogram[state];
            if (i + 1 == S) break;
            ++histogram[cells[i + 2 * FRange + 1]];
            --histogram[cells[i]];
        }
    }

    void Add(const uint8_t (&counts)[kCellStates][TBlob::kSize], int sign)
    {
        for (int state = 0; state < FStates; ++state)
            for (int i = 0; i < TBlob::kSize; ++i)
                FSums[state][i] = uint16_t(FSums[state][i] + sign * counts[state][i]);
    }

    // The new state of cell c in column i of the row the sums are centred on.
    uint8_t Next(uint8_t c, int i) const
    {
        const int successor = c < FRule.LastState ? c + 1 : 0;
        if ((FRule.GreenbergHastings && c != 0) || FSums[successor][i] >= FRule.Threshold)
            return uint8_t(successor);
        return c > FRule.LastState ? FRule.LastState : c;
    }

    // Fills `r` for block row by from its new cells; false when it takes none or nothing changed.
    bool Finish(int32_t by, const TBlockBytes& out, TBlockResult& r) const
    {
        const TBlockRow up(FJob, RowIndex(FJob, by - 1)), mid(FJob, RowIndex(FJob, by)),
            down(FJob, RowIndex(FJob, by + 1));
        const TBlob* self = mid.Blobs[1];
        if (self == FJob.Void) return false;
        // A block whose neighbourhood did not change computes what it holds.
        if (FJob.SkipQuiet && !NeighbourhoodChanged(up, mid, down)) return false;
        TV old[kBlockVectors], next[kBlockVectors];
        PLEXA_UNROLL
        for (int v = 0; v < kBlockVectors; ++v) old[v] = Load(self->Cells[W * v], Columns(v));
        out.LoadInto(next);
        return Summarise(old, next, self->LiveCount, r);
    }

    const TBlockRule& FRule;
    const TBlockColumnJob& FJob;
    const int FRange, FStates;
    uint8_t FRowCounts[2 * kMaxRange + 1][kCellStates][TBlob::kSize]; // a ring, by row
    uint16_t FSums[kCellStates][TBlob::kSize];
};

} // namespace

int StepBlockColumn(const TBlockRule& rule, const TBlockColumnJob& job, TBlockResult* results)
{
    switch (rule.Kernel) {
    case TBlockKernel::Life:
        return StepColumn(TCountKernel<false>(rule), job, results);
    case TBlockKernel::Generations:
        return StepColumn(TCountKernel<true>(rule), job, results);
    case TBlockKernel::Weighted:
        return StepColumn(TWeightedKernel(rule), job, results);
    case TBlockKernel::Vote:
        return StepColumn(TVoteKernel(rule), job, results);
    case TBlockKernel::RulesTable:
        return StepTable(rule,
                         [&](const auto& kernel) { return StepColumn(kernel, job, results); });
    case TBlockKernel::Cyclic:
        if (rule.Range > 1 && rule.Moore) return TCyclicSweep(rule, job).Run(results);
        return StepColumn(TCyclicKernel(rule), job, results);
    case TBlockKernel::UserRule:
        return StepColumn(TUserKernel(rule), job, results);
    }
    return 0;
}

} // namespace PLEXA_SIMD_NS
