#include "engine/u_Run.h"

#include "base/u_Host.h"
#include "engine/u_Globals.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iterator>
#include <limits>

namespace {

constexpr int64_t kDayMs = 24 * 60 * 60 * 1000;
// A run of n cycles lets events run, and looks whether the pattern still changes, this often.
constexpr int32_t kRunNTurn = 10;
constexpr const char* kEndOfRunSound = "SND_BLIP01";

int32_t SteadyTimeOfDay()
{
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<int32_t>(ms % kDayMs);
}

} // namespace

int32_t FasterInterval(int32_t v)
{
    const auto next = std::lower_bound(kSpeedTable.begin(), kSpeedTable.end(), v);
    return next == kSpeedTable.begin() ? 0 : *std::prev(next);
}

int32_t SlowerInterval(int32_t v)
{
    const auto next = std::upper_bound(kSpeedTable.begin(), kSpeedTable.end(), std::max(v, 0));
    return next == kSpeedTable.end() ? kSpeedTable.back() : *next;
}

int32_t RunNCount(const TRunN& request, int32_t cycle)
{
    int64_t count = 0;
    switch (request.RunMode) {
    case TRunN::rmFor:
        count = request.ForCycles;
        break;
    case TRunN::rmUpTo:
        count = int64_t(request.UpToCycle) - cycle;
        break;
    case TRunN::rmContinuously:
        count = std::numeric_limits<int32_t>::max();
        break;
    default:
        break;
    }
    return static_cast<int32_t>(std::clamp<int64_t>(count, 0, std::numeric_limits<int32_t>::max()));
}

// Counts the run commands on the call stack.
class TRunControl::TDepthScope {
public:
    explicit TDepthScope(int& depth) : FDepth(depth) { ++FDepth; }
    ~TDepthScope() { --FDepth; }
    TDepthScope(const TDepthScope&) = delete;
    TDepthScope& operator=(const TDepthScope&) = delete;

private:
    int& FDepth;
};

TRunControl::TRunControl(TGlobals& globals) : FGlobals(globals), FClock(SteadyTimeOfDay) {}

void TRunControl::SetRunning(bool running)
{
    FRunning = running;
    if (running && DropSelection && FGlobals.Selection.Active()) FGlobals.Selection.SwitchOff();
    FGlobals.Host.Refresh(rfRunState | rfStatusBar);
}

void TRunControl::SetInterval(int32_t milliseconds)
{
    FInterval = milliseconds == std::numeric_limits<int32_t>::min()
                    ? std::numeric_limits<int32_t>::max()
                    : std::abs(milliseconds);
    FGlobals.Host.Refresh(rfSpeed | rfStatusBar);
}

void TRunControl::SetClock(TClock clock)
{
    FClock = clock ? std::move(clock) : TClock(SteadyTimeOfDay);
}

void TRunControl::RunOnce()
{
    const TDepthScope depth(FDepth);
    // Running shows while the generation is computed.
    SetRunning(false);
    SetRunning(true);
    FGlobals.Undo.AddEvent(TUndoEvent::RunOnce);
    FGlobals.Host.ProcessEvents();
    FGlobals.Board.Step(true);
    Notify(TRunEvent::Generation);
    SetRunning(false);
}

void TRunControl::ToggleRun()
{
    const TDepthScope depth(FDepth);
    SetRunning(!FRunning);
    FGlobals.Host.ProcessEvents();
    // Stopping ends here: the loop of the run in progress sees the flag at its next turn.
    if (!FRunning) return;

    int32_t last = Now();
    int32_t snap = last;
    bool first = true; // the first generation comes at once
    FGlobals.Undo.AddEvent(TUndoEvent::Run);
    while (FRunning) {
        const int32_t now = Now();
        // The clock went back, past midnight: count the interval from now on.
        last = std::min(last, now);
        snap = std::min(snap, now);
        // Events may have changed the speed.
        const int64_t wait = first ? 0 : FInterval - (int64_t(now) - last);
        if (wait <= 0) {
            first = false;
            last = now;
            ContinuousGeneration(now, snap);
            FGlobals.Host.ProcessEvents();
        } else {
            FGlobals.Host.WaitForEvents(static_cast<int32_t>(wait));
        }
    }
    Notify(TRunEvent::RunEnded);
    FGlobals.Host.PlaySound(kEndOfRunSound);
}

void TRunControl::ContinuousGeneration(int32_t now, int32_t& snap)
{
    TBoard& board = FGlobals.Board;
    board.Step(true);
    Notify(TRunEvent::Generation);
    const bool changed = board.ChangedCount() > 0;
    FGlobals.Host.Refresh(rfStatusBar);
    if (FGlobals.Life.AutoFit) FGlobals.Host.Refresh(rfFitView);
    // A generation that changed nothing did not reach a new cycle number.
    if (changed && board.Cycle() % FGlobals.Undo.Settings().SnapCycles == 0)
        FGlobals.Undo.AddEvent(TUndoEvent::Cycles);
    if (int64_t(now) - snap >= int64_t(FGlobals.Undo.Settings().SnapTime) * 1000) {
        FGlobals.Undo.AddEvent(TUndoEvent::Time);
        snap = Now();
    }
    // A continuous run ends by itself when the pattern stops changing.
    if (!changed) SetRunning(false);
}

void TRunControl::RunN(const TRunN& request)
{
    const TDepthScope depth(FDepth);
    // Copies: `request` may be the stored one, which events may change.
    const int32_t count = RunNCount(request, FGlobals.Board.Cycle());
    const int32_t redrawEvery = request.RedrawEvery;
    const bool stopPeriodic = request.StopPeriodic;
    SetRunning(true);
    FGlobals.Undo.AddEvent(TUndoEvent::RunN);
    FGlobals.Host.ProcessEvents();

    for (int32_t i = 0; FRunning && i < count;) {
        TBoard& board = FGlobals.Board;
        if (redrawEvery >= 2) {
            board.Step(false);
            if (board.Cycle() % redrawEvery == 0) FGlobals.Host.Refresh(rfStatusBar | rfBoard);
        } else {
            board.Step(true);
        }
        Notify(TRunEvent::Generation);
        ++i;
        if (stopPeriodic && FGlobals.Period.Current().Found()) break;
        if (i % kRunNTurn == 0) {
            const bool changed = board.ChangedCount() > 0;
            FGlobals.Host.Refresh(rfStatusBar);
            FGlobals.Host.ProcessEvents();
            if (!changed) break;
        }
    }
    SetRunning(false);
    Notify(TRunEvent::RunEnded);
    FGlobals.Host.PlaySound(kEndOfRunSound);
    FGlobals.Host.Refresh(rfBoard);
}
