// One generation: compute the new states of the active game and write them back.

#include "base/u_Host.h"
#include "engine/u_Board.h"
#include "engine/u_Globals.h"
#include "engine/u_StepParams.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <span>
#include <utility>

TStepParams TStepParams::Of(const TBoard& board, const TLife& life)
{
    TStepParams p;
    p.Game = life.Game();
    p.Survival = board.SurvivalSet();
    p.Birth = board.BirthSet();
    p.StatesCount = board.StatesCount();
    p.Wrap = board.Wrap();
    p.Width = board.Width();
    p.Height = board.Height();
    if (p.Game == gmWeightedLife) {
        const TRulesWLife& rule = life.WLife;
        p.WeightedHistory = rule.History;
        for (unsigned pattern = 0; pattern < p.WeightedOutcome.size(); ++pattern) {
            int64_t sum = 0;
            for (int k = 0; k < 9; ++k)
                if (pattern & (1u << k)) sum += rule.Weights[k];
            p.WeightedOutcome[pattern] =
                uint8_t((rule.IsBorn(sum) ? 1 : 0) | (rule.Survives(sum) ? 2 : 0));
        }
    }
    if (p.Game == gmRulesTable) p.RulesTable = board.RulesTable();
    if (p.Game == gmCyclic) p.Cyclic = life.Cycl;
    return p;
}

namespace {

// Whether the outcome of every Weighted Life pattern depends on the number of counted
// neighbours alone, the cell itself aside; if so, gives the counts that bear and keep cells.
// Births are read where the cell is not counted (it is empty), survival where it is.
bool CountsOnly(const std::array<uint8_t, 512>& outcome, uint16_t& birth, uint16_t& survival)
{
    constexpr unsigned kSelf = 1u << 4;
    birth = survival = 0;
    uint32_t seen = 0; // the counts met so far: bits 0..8 empty cells, 9..17 counted ones
    for (unsigned pattern = 0; pattern < outcome.size(); ++pattern) {
        const int k = std::popcount(pattern & ~kSelf);
        const bool self = pattern & kSelf;
        const bool holds = self ? outcome[pattern] & 2 : outcome[pattern] & 1;
        uint16_t& set = self ? survival : birth;
        const uint32_t bit = 1u << (k + (self ? 9 : 0));
        if (!(seen & bit)) {
            seen |= bit;
            if (holds) set = uint16_t(set | 1u << k);
        } else if (bool(set & (1u << k)) != holds) {
            return false;
        }
    }
    return true;
}

// Weighted Life whose outcomes depend on the count alone steps a bit per cell as the Life rule
// of those counts, or with History as their Generations rule; every other rule stays as it is.
TStepParams AsBitRule(const TStepParams& params)
{
    TStepParams bits = params;
    if (params.Game == gmWeightedLife &&
        CountsOnly(params.WeightedOutcome, bits.Birth, bits.Survival))
        bits.Game = params.WeightedHistory ? gmGenerations : gmLife;
    return bits;
}

} // namespace

TBoard::TStepIsa TBoard::BestStepIsa()
{
    __builtin_cpu_init();
    if (!__builtin_cpu_supports("popcnt") || !__builtin_cpu_supports("avx2")) return TStepIsa::Sse2;
    const bool avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                        __builtin_cpu_supports("avx512vl");
    return avx512 ? TStepIsa::Avx512 : TStepIsa::Avx2;
}

void TBoard::SetStepIsa(TStepIsa isa)
{
    FStepIsa = std::min(isa, BestStepIsa());
    switch (FStepIsa) {
    case TStepIsa::Sse2:
        FStepBlockColumn = simd_sse2::StepBlockColumn;
        FStepBitStripe = simd_sse2::StepBitStripe;
        FStepBitCyclic = simd_sse2::StepBitCyclicStripe;
        FStepBitTable = simd_sse2::StepBitTableStripe;
        break;
    case TStepIsa::Avx2:
        FStepBlockColumn = simd_avx2::StepBlockColumn;
        FStepBitStripe = simd_avx2::StepBitStripe;
        FStepBitCyclic = simd_avx2::StepBitCyclicStripe;
        FStepBitTable = simd_avx2::StepBitTableStripe;
        break;
    case TStepIsa::Avx512:
        FStepBlockColumn = simd_avx512::StepBlockColumn;
        // The bit step keeps to 256-bit vectors: four columns divide every tile and every
        // board width evenly, so no vector runs past the board.
        FStepBitStripe = simd_avx2::StepBitStripe;
        FStepBitCyclic = simd_avx2::StepBitCyclicStripe;
        FStepBitTable = simd_avx2::StepBitTableStripe;
        break;
    }
}

void TBoard::Step(bool draw)
{
    // Every generation, of the window and of plexa-cli, passes here.
    FGlobals.History.Track(FCycle, FLiveCount);
    FGlobals.Period.BeforeStep(*this, FGlobals.Life);
    FChangedCount = 0;
    FWrittenBlockCount = 0;
    // Painting needs the changed cells by state; without it the blocks are written as wholes.
    const bool collect = draw && FGlobals.Painter != nullptr;
    const bool collected = ComputeChanges(collect);
    if (FChangedCount > 0) {
        ++FCycle;
        FModified = true;
        FGlobals.Host.Refresh(rfCaption);
    }
    if (collected) {
        if (collect) PaintChanges();
    } else {
        // The generation is complete on the board; only its painting list is not.
        ReportStepMemoryFailure();
        FGlobals.Host.Refresh(rfBoard);
    }
    UpdateMaximum();
    if (FChangedCount > 0) FGlobals.History.Add(FCycle, FLiveCount, FChangedCount);
    FGlobals.Period.AfterStep(*this);
}

// Computes and writes the generation; false when the changed cells could not all be collected.
bool TBoard::ComputeChanges(bool collect)
{
    ResetPaintLists(collect);

    if (FStepStamp == UINT32_MAX) {
        // Stamps restart; every block is then computed once more.
        std::fill_n(FSlotStamps.get(), kSlotCount, 0);
        FStepStamp = 0;
        FLastParamsValid = false;
    }
    ++FStepStamp;

    const TLife& life = FGlobals.Life;
    const uint8_t game = life.Game();
    if (game >= gmLife && game <= gmCyclic) {
        const TStepParams params = TStepParams::Of(*this, life);
        const TStepParams bits = AsBitRule(params);
        if (BitStepFits(bits)) {
            // What the period watch compares from one generation to the next.
            FLastParams = params;
            return StepBits(bits, collect);
        }
    }
    // The steps below work on the blocks: those the bits changed are written first, and the
    // bits are rebuilt when next wanted.
    LeaveBits();
    if (game == gm1DTotalistic || game == gmSpecial ||
        (game == gmUserDll && life.Dimension() == 1)) {
        FLastParamsValid = false;
        return StepRow(collect);
    }
    if (game < gmLife || game > gmUserDll) {
        FLastParamsValid = false;
        return true;
    }
    const TStepParams params = TStepParams::Of(*this, life);
    // Quiet blocks are passed over only where a block's next state depends on its cells and
    // the rule alone: user rules may look at the cycle number.
    const bool cellsOnly = game != gmUserDll;
    const bool skipQuiet = cellsOnly && FLastParamsValid && FLastParams == params;
    FLastParams = params;
    FLastParamsValid = cellsOnly;
    const TBlockRule rule = BlockRule(params);
    return StepBlocks(rule, skipQuiet, rule.Kernel == TBlockKernel::Cyclic && rule.Range > 1,
                      collect);
}

TBlockRule TBoard::BlockRule(const TStepParams& params) const
{
    TBlockRule rule{};
    rule.LastState = uint8_t(params.StatesCount - 1);
    switch (params.Game) {
    case gmLife:
    case gmGenerations:
    case gmVoteForLife:
        rule.Kernel = params.Game == gmLife          ? TBlockKernel::Life
                      : params.Game == gmGenerations ? TBlockKernel::Generations
                                                     : TBlockKernel::Vote;
        rule.Survival = params.Survival;
        rule.Birth = params.Birth;
        break;
    case gmWeightedLife:
        if (CountsOnly(params.WeightedOutcome, rule.Birth, rule.Survival)) {
            // The same outcomes as the Life or Generations rule of those counts.
            rule.Kernel = params.WeightedHistory ? TBlockKernel::Generations : TBlockKernel::Life;
            break;
        }
        rule.Kernel = TBlockKernel::Weighted;
        rule.History = params.WeightedHistory;
        rule.Outcome = params.WeightedOutcome.data();
        break;
    case gmRulesTable:
        rule.Kernel = TBlockKernel::RulesTable;
        rule.Table = FRulesTable.Table;
        rule.FiringMask = FRulesTable.OddStates ? 1 : 0xFF;
        rule.Moore = FRulesTable.Neighbourhood != 2;
        rule.Centre = FRulesTable.Centre;
        break;
    case gmCyclic: {
        const TRulesCycl& cyclic = FGlobals.Life.Cycl;
        rule.Kernel = TBlockKernel::Cyclic;
        rule.Moore = cyclic.Neighbourhood != 2;
        rule.Range = std::clamp(cyclic.Range, 1, 10);
        rule.Threshold = cyclic.Threshold;
        rule.GreenbergHastings = cyclic.GreenbergHastings;
        break;
    }
    default:
        rule.Kernel = TBlockKernel::UserRule;
        rule.UserRule = FGlobals.UserRules.Rule2D();
        rule.Cycle = FCycle;
        break;
    }
    return rule;
}

bool TBoard::StepBlocks(const TBlockRule& rule, bool skipQuiet, bool farReach, bool collect)
{
    int32_t bx0 = 0, bx1 = FBXMax, by0 = 0, by1 = FBYMax;
    if (!FWrap) {
        bx0 = std::max(FBox.MinBX - 1, 0);
        bx1 = std::min(FBox.MaxBX + 1, FBXMax);
        by0 = std::max(FBox.MinBY - 1, 0);
        by1 = std::min(FBox.MaxBY + 1, FBYMax);
    }
    if (bx0 > bx1 || by0 > by1) return true;

    TBlockColumnJob job{};
    job.Void = &FVoid;
    job.FirstRow = by0;
    job.LastRow = by1;
    job.LastBoardRow = FBYMax;
    job.Wrap = FWrap;
    job.SkipQuiet = skipQuiet;
    job.Recent = FStepStamp - 1;
    job.FarReach = farReach;

    // A column's results are written once the next column is computed. On a wrapped board the
    // last column reads column 0 as its right neighbour, so column 0 is written last of all.
    TBlockResult* held = FBlockResults.get();
    TBlockResult* previous = held + kSlotsY;
    TBlockResult* current = previous + kSlotsY;
    int heldCount = 0, previousCount = 0;
    bool collecting = collect;
    for (int32_t bx = bx0; bx <= bx1; ++bx) {
        const int32_t columns[3] = {FWrap && bx == 0 ? FBXMax : bx - 1, bx,
                                    FWrap && bx == FBXMax ? 0 : bx + 1};
        for (int c = 0; c < 3; ++c) {
            job.Slots[c] = &FSlots[SlotIndex(columns[c], -1)];
            job.Stamps[c] = &FSlotStamps[SlotIndex(columns[c], -1)];
            job.Edges[c] = &FSlotEdges[SlotIndex(columns[c], -1)];
        }
        if (FWrap && bx == 0) {
            heldCount = FStepBlockColumn(rule, job, held);
            continue;
        }
        const int count = FStepBlockColumn(rule, job, current);
        collecting = WriteBlocks(bx - 1, previous, previousCount, collecting);
        std::swap(previous, current);
        previousCount = count;
    }
    collecting = WriteBlocks(bx1, previous, previousCount, collecting);
    if (FWrap) collecting = WriteBlocks(0, held, heldCount, collecting);
    return collecting || !collect;
}

// Writes the computed blocks of column bx back, keeping every count. While `collect` holds,
// the changes the painter shows are also listed; returns whether it still holds.
bool TBoard::WriteBlocks(int32_t bx, const TBlockResult* results, int count, bool collect)
{
    if (count == 0) return collect;
    FStateCountsStale = true;
    FWrittenBlockCount += count;
    TPeriodDetector& period = FGlobals.Period;
    const int32_t x0 = FMinX + bx * TBlob::kSize;
    // Births inside the live-cell box cannot widen it, and soon most of them are.
    const bool columnInBox = x0 >= FBox.MinX && x0 + TBlob::kSize - 1 <= FBox.MaxX;
    for (const TBlockResult& r : std::span(results, size_t(count))) {
        const int slot = SlotIndex(bx, r.Row);
        TBlob& blob = *FSlots[slot];
        const int32_t y0 = FMinY + r.Row * TBlob::kSize;
        FChangedCount += r.ChangedCount;
        if (collect) collect = ListBlockChanges(bx, r);
        if (period.Watching()) period.BlockWritten(bx, r.Row, blob, r);
        FLiveCount += r.LiveDelta;
        std::memcpy(blob.Cells, r.Cells, sizeof blob.Cells);
        blob.LiveCount = r.LiveCount;
        FSlotStamps[slot] = FStepStamp;
        FSlotEdges[slot] = r.Edges;
        if (r.AnyBorn && !(columnInBox && y0 >= FBox.MinY && y0 + TBlob::kSize - 1 <= FBox.MaxY))
            ExtendLiveBox(x0, y0, bx, r.Row, r.Born);
    }
    return collect;
}

void TBoard::ReportStepMemoryFailure()
{
    FGlobals.Host.ShowMessage("Memory low - restart the program!", "Cell allocation error",
                              TMsgIcon::Error, TMsgButtons::Ok);
    FGlobals.Run.Stop();
    FGlobals.Undo.Clear();
    FGlobals.Host.Refresh(rfStatusBar);
}
