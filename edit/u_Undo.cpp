#include "edit/u_Undo.h"

#include "base/u_Host.h"
#include "engine/u_Globals.h"

#include <algorithm>
#include <new>

namespace {

// Blocks encoded between two turns of the host's event loop: a few milliseconds of work at most.
constexpr int64_t kBlocksPerTurn = 4096;

// Of a run of equal announcements of these kinds only the first is snapped: a drawing made of
// many strokes, or many single generations, is undone as one.
bool KeepsOnlyFirst(TUndoEvent e)
{
    return e == TUndoEvent::RunOnce || e == TUndoEvent::Edit || e == TUndoEvent::Selection ||
           e == TUndoEvent::Move || e == TUndoEvent::Undo;
}

void WriteDigits(char* at, int32_t value, int digits)
{
    for (int k = digits - 1; k >= 0; --k) {
        at[k] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

int32_t ReadDigits(const char* at, int digits)
{
    int32_t value = 0;
    for (int k = 0; k < digits; ++k) value = value * 10 + (at[k] - '0');
    return value;
}

} // namespace

// Encodes the board's live cells block by block, so that it can pause between blocks to let the
// window respond, and be completed at once when the board is about to change.
class TUndo::TEncoding {
public:
    // Sizes the cell text for the board's live cells; throws std::bad_alloc when it cannot.
    TEncoding(const TGlobals& globals, TUndoEvent e) : FBoard(globals.Board)
    {
        FStep.Event = e;
        FStep.FileName = globals.Document.FileName;
        FStep.Cycle = FBoard.Cycle();
        FStep.Width = FBoard.Width();
        FStep.Height = FBoard.Height();
        FStep.Game = globals.Life.Game();
        FStep.Rule = FBoard.RuleText();
        FStep.Row1D = FBoard.CurrentRow1D();
        FStep.StatesCount = FBoard.StatesCount();
        FRecordLength = static_cast<size_t>(FStep.RecordLength());
        FStep.CellText.resize(static_cast<size_t>(FBoard.LiveCount()) * FRecordLength);
        FBXMax = FBoard.BXMax();
        FBYMax = FBoard.BYMax();
        FTotal = int64_t(FBXMax + 1) * (FBYMax + 1);
    }

    bool Done() const { return FDone >= FTotal || FDropped || FFailed; }
    int Percent() const { return static_cast<int>(FDone * 100 / FTotal); }
    void Drop() { FDropped = true; }
    bool Dropped() const { return FDropped; }
    bool Failed() const { return FFailed; }

    // Never throws: a failed allocation ends the encoding as failed.
    void EncodeBlocks(int64_t count)
    {
        for (const int64_t end = std::min(FTotal, FDone + count); FDone < end && !FFailed;
             ++FDone) {
            EncodeBlock(FBlockX, FBlockY);
            if (++FBlockY > FBYMax) {
                FBlockY = 0;
                ++FBlockX;
            }
        }
    }
    void Finish() { EncodeBlocks(FTotal - FDone); }

    TUndoStep Take()
    {
        FStep.CellText.resize(FLength);
        FStep.Cells = static_cast<int32_t>(FLength / FRecordLength);
        return std::move(FStep);
    }

private:
    void EncodeBlock(int32_t bx, int32_t by)
    {
        const TBlob& blob = FBoard.BlobAt(bx, by);
        if (blob.LiveCount == 0) return;
        for (int i = 0; i < TBlob::kSize; ++i)
            for (int j = 0; j < TBlob::kSize; ++j)
                if (const uint8_t state = blob.Cells[i][j])
                    Put(bx * TBlob::kSize + i, by * TBlob::kSize + j, state);
    }

    void Put(int32_t column, int32_t row, uint8_t state)
    {
        std::string& text = FStep.CellText;
        // The live count sized the text; should the blocks hold more, it grows.
        if (FLength + FRecordLength > text.size() && !Grow()) return;
        char* at = text.data() + FLength;
        const int columnDigits = FStep.ColumnDigits();
        WriteDigits(at, column, columnDigits);
        WriteDigits(at + columnDigits, row, 4);
        at[columnDigits + 4] = static_cast<char>('A' - 1 + state);
        FLength += FRecordLength;
    }

    bool Grow()
    {
        std::string& text = FStep.CellText;
        try {
            text.resize(std::max(2 * text.size(), FLength + FRecordLength));
        } catch (const std::bad_alloc&) {
            FFailed = true;
        }
        return !FFailed;
    }

    const TBoard& FBoard;
    TUndoStep FStep;
    size_t FRecordLength = 0;
    size_t FLength = 0;
    int32_t FBXMax = 0, FBYMax = 0;
    int32_t FBlockX = 0, FBlockY = 0; // the next block; blocks go column by column
    int64_t FTotal = 0, FDone = 0;
    bool FDropped = false, FFailed = false;
};

void TUndo::SetSettings(const TUndoSettings& settings)
{
    FSettings = settings;
    FSettings.SnapCycles = std::max(FSettings.SnapCycles, 1); // the run loop divides by it
}

bool TUndo::AddEvent(TUndoEvent e)
{
    // A restore applies a rule, which announces itself; that is no change of the person's.
    if (FRestoring) return false;
    // The board is about to change under the snapshot being taken: take the rest of it now.
    if (FEncoding) {
        FEncoding->Finish();
        return false;
    }
    const TBoard& board = FGlobals.Board;
    if (board.Width() == 0 || !FSettings.IsOn || board.LiveCount() == 0) return false;
    if (e != TUndoEvent::Manual && board.LiveCount() >= FSettings.MaxCells) return false;
    FUndoInProgress = e == TUndoEvent::Undo;
    // The first snapshot of an empty list is taken whatever its switch, so there is a start.
    if (!FSteps.empty()) {
        if (!FSettings.IsEventOn(e)) return false;
        if (FLastEvent == e && KeepsOnlyFirst(e)) return false;
    }
    FLastEvent = e;
    std::optional<TUndoStep> step = TakeSnapshot(e);
    return step && Append(std::move(*step));
}

std::optional<TUndoStep> TUndo::TakeSnapshot(TUndoEvent e)
{
    THost& host = FGlobals.Host;
    if (!FGlobals.Memory.Allow()) {
        ReportMemoryLow();
        return std::nullopt;
    }
    std::optional<TEncoding> encoding;
    try {
        encoding.emplace(FGlobals, e);
    } catch (const std::bad_alloc&) {
        ReportMemoryLow();
        return std::nullopt;
    }

    FEncoding = &*encoding;
    int shownPercent = -1;
    while (!encoding->Done()) {
        encoding->EncodeBlocks(kBlocksPerTurn);
        if (encoding->Done()) break;
        if (const int percent = encoding->Percent(); percent != shownPercent) {
            host.ShowProgress(std::to_string(percent) + "%");
            shownPercent = percent;
        }
        host.ProcessEvents();
    }
    FEncoding = nullptr;
    if (shownPercent >= 0) host.EndProgress();

    if (encoding->Failed()) {
        ReportMemoryLow();
        return std::nullopt;
    }
    if (encoding->Dropped()) return std::nullopt;
    return encoding->Take();
}

bool TUndo::Append(TUndoStep step)
{
    try {
        auto shared = std::make_shared<const TUndoStep>(std::move(step));
        // A lowered maximum takes effect here, by as many steps as it takes.
        while (FSettings.MaxSteps > 0 && Count() >= FSettings.MaxSteps) FSteps.pop_front();
        FSteps.push_back(std::move(shared));
    } catch (const std::bad_alloc&) {
        ReportMemoryLow();
        return false;
    }
    FCurrent = Count() - 1;
    FGlobals.Host.Refresh(rfMenus);
    return true;
}

void TUndo::ReportMemoryLow()
{
    FGlobals.Host.ShowMessage("Memory low - restart the program!", "Undo allocation error",
                              TMsgIcon::Error, TMsgButtons::Ok);
}

bool TUndo::CanUndo() const
{
    return (Count() >= 2 && FCurrent >= 1) || (Count() == 1 && FCurrent >= 0);
}

bool TUndo::CanRedo() const
{
    return Count() >= 1 && FCurrent < Count() - 1;
}

void TUndo::Undo()
{
    FGlobals.Run.Stop();
    if (Busy()) return;
    if (FCurrent >= Count()) FCurrent = Count() - 1;
    if (FCurrent < 1)
        GoTo(0, true, true);
    else
        GoTo(FCurrent - 1, true, false);
}

void TUndo::Redo()
{
    FGlobals.Run.Stop();
    if (Busy()) return;
    FLastEvent.reset();
    if (FCurrent >= 0 && FCurrent < Count() - 1) GoTo(FCurrent + 1, false, true);
}

void TUndo::UndoAll()
{
    FGlobals.Run.Stop();
    if (!FSteps.empty()) GoTo(0, true, true);
}

void TUndo::GoTo(int index, bool backwards, bool exact)
{
    if (Busy()) return;
    // The board as it is becomes a step of its own, so that Redo can come back to it.
    if (backwards && !FUndoInProgress) {
        const int before = Count();
        if (AddEvent(TUndoEvent::Undo)) {
            if (!exact) index = index < before ? index + 1 : before;
            // Making room may have dropped the oldest steps and moved the others down.
            const int dropped = before + 1 - Count();
            if (index >= 0) index = std::max(index - dropped, 0);
        }
    }
    Restore(index);
}

void TUndo::Restore(int index)
{
    FLastEvent.reset();
    if (index < 0 || index >= Count()) return;
    const std::shared_ptr<const TUndoStep> step = FSteps[static_cast<size_t>(index)];
    TBoard& board = FGlobals.Board;
    FRestoring = true;
    // Resizing clears the board; an unchanged size needs the clear of its own.
    if (board.Width() == step->Width && board.Height() == step->Height)
        board.Clear(false, TBoard::TClearView::Keep);
    else
        board.SetSize(step->Width, step->Height);
    // The game first: a rule text means something only to the game it was written for.
    FGlobals.Life.SetGame(step->Game);
    board.SetRules(step->Rule);
    board.SetStatesCount(step->StatesCount);
    board.SetCurrentRow1D(step->Row1D);

    const std::string& text = step->CellText;
    const size_t length = static_cast<size_t>(step->RecordLength());
    const int columnDigits = step->ColumnDigits();
    for (size_t at = 0; at + length <= text.size(); at += length) {
        const char* record = text.data() + at;
        board.SetCell(board.MinX() + ReadDigits(record, columnDigits),
                      board.MinY() + ReadDigits(record + columnDigits, 4),
                      static_cast<uint8_t>(record[columnDigits + 4] - 'A' + 1));
    }
    // Clearing reset these.
    board.SetCycle(step->Cycle);
    FGlobals.Document.FileName = step->FileName;
    FRestoring = false;
    // A message box shown while restoring may have let the person empty the list.
    FCurrent = index < Count() ? index : -1;
    FGlobals.Host.Refresh(rfBoard | rfStatusBar | rfCaption | rfMenus | rfGame);
}

void TUndo::Clear()
{
    FLastEvent.reset();
    FSteps.clear();
    FCurrent = -1;
    // The snapshot being taken belongs to the list just emptied.
    if (FEncoding) FEncoding->Drop();
    FGlobals.Host.Refresh(rfMenus);
}
