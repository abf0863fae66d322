#pragma once
// The running flag that the run loop tests each turn (commands that change the board wholesale
// clear it first) and the interval between generations.

#include <cstdint>

// What the Run n cycles dialog asks for; the request lives as long as the program, so the dialog
// reopens with the last choices.
struct TRunN {
    enum TMode : int32_t { rmFor = 1, rmUpTo = 2, rmContinuously = 3 };
    int32_t RunMode = rmFor;
    int32_t ForCycles = 20;
    int32_t UpToCycle = 1000;
    int32_t RedrawEvery = 50; // redraw the whole board every so many generations
};

class TRunControl {
public:
    bool IsRunning() const { return FRunning; }
    void Start() { FRunning = true; }
    void Stop() { FRunning = false; }

    // The least time between the starts of two generations; 0 runs as fast as possible.
    int32_t Interval() const { return FInterval; }
    void SetInterval(int32_t milliseconds) { FInterval = milliseconds < 0 ? 0 : milliseconds; }

private:
    bool FRunning = false;
    int32_t FInterval = 0; // milliseconds
};
