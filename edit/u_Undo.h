#pragma once
// The undo history. Operations that change cells or rules announce themselves here before they
// change anything; snapshots of the whole board are taken from these announcements and on
// request, and any of them can be brought back.

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

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
inline constexpr int kUndoEventCount = 14;

// Each event's configuration key, whether its snapshots are on by default, and its list icon.
struct TUndoEventInfo {
    const char* Key;
    bool DefaultOn;
    const char* Icon;
};
inline constexpr std::array<TUndoEventInfo, kUndoEventCount> kUndoEvents{{
    {"Event_RUN", true, "BMP_RUN"},
    {"Event_RUN1", false, "BMP_RUNONCE"},
    {"Event_RUNN", true, "BMP_RUNNCYCLES"},
    {"Event_TIME", false, "BMP_CYCLESTIMER"},
    {"Event_CYCL", true, "BMP_CYCLESCOUNT"},
    {"Event_EDIT", true, "BMP_MODEEDIT"},
    {"Event_SELE", true, "BMP_SELEDIT"},
    {"Event_MOVE", true, "BMP_MOVE"},
    {"Event_RAND", true, "BMP_NEWRANDOM"},
    {"Event_UNDO", true, "BMP_UNDO"},
    {"Event_RULE", true, "BMP_RULES"},
    {"Event_OPEN", true, "BMP_FILEOPEN"},
    {"Event_NEW", true, "BMP_NEW"},
    {"Event_MANU", true, "BMP_UNDOADD"},
}};

// The history's settings, kept in the configuration section "Undo" under the keys named.
struct TUndoSettings {
    int32_t MaxSteps = 200;   // "MaxUndoSteps"; 0 or less: unlimited
    bool IsOn = true;         // "IsOn"
    int32_t MaxCells = 60000; // "MaxUndoCells"; boards with as many live cells are not snapped
    bool ResetOnNew = true;   // "ResetOnNew": New and Open empty the list
    int32_t SnapTime = 60;    // "UndoSnapTime": seconds between timed snapshots while running
    int32_t SnapCycles = 500; // "UndoSnapCycles": generations between counted snapshots, >= 1
    std::array<bool, kUndoEventCount> Events = [] {
        std::array<bool, kUndoEventCount> on{};
        for (int e = 0; e < kUndoEventCount; ++e) on[e] = kUndoEvents[e].DefaultOn;
        return on;
    }();

    bool IsEventOn(TUndoEvent e) const { return Events[static_cast<size_t>(e)]; }
};

// One snapshot: the board's live cells and what else a restore brings back.
struct TUndoStep {
    TUndoEvent Event = TUndoEvent::Manual;
    std::string FileName;
    int32_t Cycle = 0;
    int32_t Cells = 0; // live cells, one record each in CellText
    int32_t Width = 0, Height = 0;
    // Per live cell, in the board's block order: the column and the row counted from the
    // board's left and top edges in decimal with leading zeros, then the letter 'A' - 1 + state.
    // Rows take 4 digits; columns take 4, or 5 on boards wider than kWideBoard.
    std::string CellText;
    uint8_t Game = 0;
    std::string Rule;
    int32_t Row1D = 0;
    int32_t StatesCount = 2; // the rule texts of some games do not carry it

    static constexpr int32_t kWideBoard = 10000;
    int ColumnDigits() const { return Width > kWideBoard ? 5 : 4; }
    int RecordLength() const { return ColumnDigits() + 5; }
};

struct TGlobals;

class TUndo {
public:
    explicit TUndo(TGlobals& globals) : FGlobals(globals) {}
    TUndo(const TUndo&) = delete;
    TUndo& operator=(const TUndo&) = delete;

    const TUndoSettings& Settings() const { return FSettings; }
    void SetSettings(const TUndoSettings& settings);

    // Takes a snapshot of the board before the change `e` announces, when the settings allow;
    // true when one was taken.
    bool AddEvent(TUndoEvent e);

    int Count() const { return static_cast<int>(FSteps.size()); }
    const TUndoStep& Step(int index) const { return *FSteps[static_cast<size_t>(index)]; }
    int CurrentIndex() const { return FCurrent; }
    std::optional<TUndoEvent> LastEvent() const { return FLastEvent; }
    bool UndoInProgress() const { return FUndoInProgress; }
    bool CanUndo() const;
    bool CanRedo() const;
    // True while a snapshot is encoded or restored; requests to go elsewhere are ignored then.
    bool Busy() const { return FEncoding != nullptr || FRestoring; }

    // Undo, Redo and UndoAll stop a run first.
    void Undo();
    void Redo();
    // Restores step `index`. Going backwards first snapshots the board as it is, so that Redo
    // can come back to it; unless `exact`, the target is then the step after `index`.
    void GoTo(int index, bool backwards, bool exact);
    void UndoAll();
    void Clear();

private:
    class TEncoding;

    std::optional<TUndoStep> TakeSnapshot(TUndoEvent e);
    bool Append(TUndoStep step);
    void Restore(int index);
    void ReportMemoryLow();

    TGlobals& FGlobals;
    TUndoSettings FSettings;
    // Shared so that a restore keeps its step even if the list is cleared meanwhile.
    std::deque<std::shared_ptr<const TUndoStep>> FSteps;
    int FCurrent = -1;
    std::optional<TUndoEvent> FLastEvent;
    bool FUndoInProgress = false;
    TEncoding* FEncoding = nullptr; // the snapshot being taken while the host runs events
    bool FRestoring = false;
};
