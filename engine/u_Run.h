#pragma once
// The running flag that the run loop tests each turn; commands that change the board wholesale
// clear it first.

class TRunControl {
public:
    bool IsRunning() const { return FRunning; }
    void Start() { FRunning = true; }
    void Stop() { FRunning = false; }

private:
    bool FRunning = false;
};
