#pragma once
// Every allocation of the core that may fail without ending the program asks the gate first.
// In the program the gate always allows; tests close it to prove that a failed allocation is
// reported and leaves usable state behind.

class TMemoryGate {
public:
    // Allows the next `count` allocations and refuses every one after them.
    void FailAfter(long count) { FRemaining = count; }
    void AllowAll() { FRemaining = -1; }

    bool Allow()
    {
        if (FRemaining < 0) return true;
        if (FRemaining == 0) return false;
        --FRemaining;
        return true;
    }

private:
    long FRemaining = -1;
};
