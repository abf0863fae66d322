// One generation: compute the changes of the active game, then write them back.

#include "base/u_Host.h"
#include "engine/u_Board.h"
#include "engine/u_Globals.h"
#include "engine/u_StepParams.h"

#include <algorithm>

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
    return p;
}

void TBoard::Step(bool draw)
{
    FChangedCount = 0;
    if (!ComputeChanges()) {
        ReportStepMemoryFailure();
        return;
    }
    if (FChangedCount > 0) {
        ++FCycle;
        FModified = true;
        FGlobals.Host.Refresh(rfCaption);
    }
    ApplyChanges(draw);
    UpdateMaximum();
}

bool TBoard::ComputeChanges()
{
    for (TChangeList& list : FChanges) list.Reset();

    if (FStepStamp == UINT32_MAX) {
        // Stamps restart; every block is then computed once more.
        std::fill_n(FSlotStamps.get(), kSlotCount, 0);
        FStepStamp = 0;
        FLastParamsValid = false;
    }
    ++FStepStamp;

    const TLife& life = FGlobals.Life;
    switch (life.Game()) {
    case gmLife:
    case gmGenerations:
    case gmWeightedLife:
    case gmVoteForLife: {
        const TStepParams params = TStepParams::Of(*this, life);
        const bool skipQuiet = FLastParamsValid && FLastParams == params;
        FLastParamsValid = false;
        if (!ComputeLifeFamily(params, skipQuiet)) return false;
        FLastParams = params;
        FLastParamsValid = true;
        return true;
    }
    default:
        FLastParamsValid = false;
        return true;
    }
}

void TBoard::ReportStepMemoryFailure()
{
    FGlobals.Host.ShowMessage("Memory low - restart the program!", "Cell allocation error",
                              TMsgIcon::Error, TMsgButtons::Ok);
    FGlobals.Run.Stop();
    FGlobals.Undo.Clear();
    FGlobals.Host.Refresh(rfStatusBar);
}
