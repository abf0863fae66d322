#pragma once
// Running: one generation, continuous running at a chosen speed, and runs of n cycles. The loops
// run on the window's thread and let pending events run between generations, so anything may
// happen meanwhile; the running flag they test each turn is cleared first by every command that
// changes the board wholesale.

#include <array>
#include <cstdint>
#include <functional>

struct TGlobals;

// What the Run n cycles dialog asks for; the request lives as long as the program, so the dialog
// reopens with the last choices.
struct TRunN {
    enum TMode : int32_t { rmFor = 1, rmUpTo = 2, rmContinuously = 3 };
    int32_t RunMode = rmFor;
    int32_t ForCycles = 20;
    int32_t UpToCycle = 1000;
    int32_t RedrawEvery = 50;  // redraw the whole board every so many generations
    bool StopPeriodic = false; // stop once the board has repeated for one full period
};

// The intervals offered by the speed menus, in milliseconds.
inline constexpr std::array<int32_t, 16> kSpeedTable{0,   1,   2,   5,   10,  20,   50,   75,
                                                     100, 200, 300, 500, 750, 1000, 2000, 5000};
// The next smaller value of the table (0 stays 0), and the next larger one (5000 stays 5000).
int32_t FasterInterval(int32_t v);
int32_t SlowerInterval(int32_t v);

// The generations `request` computes from cycle `cycle`; never negative.
int32_t RunNCount(const TRunN& request, int32_t cycle);

class TRunControl {
public:
    // Milliseconds since some midnight; it may wrap back to 0 at any turn.
    using TClock = std::function<int32_t()>;

    explicit TRunControl(TGlobals& globals);
    TRunControl(const TRunControl&) = delete;
    TRunControl& operator=(const TRunControl&) = delete;

    bool IsRunning() const { return FRunning; }
    // Starting drops the selection when DropSelection is on.
    void SetRunning(bool running);
    void Start() { SetRunning(true); }
    void Stop() { SetRunning(false); }

    // The least time between the starts of two generations; 0 runs as fast as possible.
    int32_t Interval() const { return FInterval; }
    void SetInterval(int32_t milliseconds); // stores the magnitude
    void RunFaster() { SetInterval(FasterInterval(FInterval)); }
    void RunSlower() { SetInterval(SlowerInterval(FInterval)); }

    // "SelDrop": the selection is dropped when a run starts.
    bool DropSelection = true;

    // An empty clock puts back the default, a steady clock folded into one day.
    void SetClock(TClock clock);

    // One drawn generation.
    void RunOnce();
    // Starts a continuous run, or stops the one in progress; the run ends by itself when a
    // generation changes nothing.
    void ToggleRun();
    // Runs as `request` asks; the caller has stopped any run before asking for it.
    void RunN(const TRunN& request);
    // A run command is on the call stack and may be letting events run; the window must not go
    // away under it.
    bool InLoop() const { return FDepth > 0; }

    TRunN Request; // the Run n cycles dialog's last choices

    // Told of every generation the run commands compute, and of the end of every continuous
    // run and run of n cycles; the window's recorder listens.
    enum class TRunEvent { Generation, RunEnded };
    std::function<void(TRunEvent)> OnRun;

private:
    class TDepthScope;

    int32_t Now() const { return FClock(); }
    void Notify(TRunEvent event)
    {
        if (OnRun) OnRun(event);
    }
    // One generation of a continuous run, with what follows it; `snap` is when the last timed
    // snapshot was asked for.
    void ContinuousGeneration(int32_t now, int32_t& snap);

    TGlobals& FGlobals;
    TClock FClock;
    bool FRunning = false;
    int32_t FInterval = 0;
    int FDepth = 0;
};
