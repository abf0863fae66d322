#pragma once
// The running flag that the run loop tests each turn (commands that change the board wholesale
// clear it first) and the interval between generations.

#include <cstdint>

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
