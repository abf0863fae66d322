#pragma once
// The undo history. Operations that change cells or rules announce themselves here before they
// change anything; snapshots are taken from these announcements.

enum class TUndoEvent {
    Run,
    RunOnce,
    RunN,
    Time,
    Cycles,
    Edit,
    Selection,
    Move,
    Random,
    Undo,
    Rule,
    Open,
    New,
    Manual,
};

struct TGlobals;

class TUndo {
public:
    explicit TUndo(TGlobals& globals) : FGlobals(globals) {}
    // Snapshots arrive with the undo history itself; until then nothing is recorded.
    void AddEvent(TUndoEvent) {}
    void Clear() {}

private:
    [[maybe_unused]] TGlobals& FGlobals;
};
