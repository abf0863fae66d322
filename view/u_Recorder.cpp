#include "view/u_Recorder.h"

#include "engine/u_Board.h"

#include <algorithm>

void TRecordOptions::Clamp()
{
    if (Area != TRecordArea::Visible && Area != TRecordArea::Universe)
        Area = TRecordArea::LiveCells;
    CellSize = std::clamp(CellSize, kMinPictureCellSize, kMaxPictureCellSize);
    Every = std::clamp(Every, 1, kMaxRecordEvery);
    MaxFrames = std::clamp(MaxFrames, 1, kMaxRecordFrames);
    DelayMs = std::clamp(DelayMs, 0, kMaxFrameDelayMs);
}

int32_t TRecordOptions::FrameDelayMs(int32_t intervalMs) const
{
    if (DelayMs > 0) return DelayMs;
    // A run as fast as possible still shows its frames one by one.
    return int32_t(std::clamp<int64_t>(int64_t(intervalMs) * Every, 20, kMaxFrameDelayMs));
}

namespace {

TRecordOptions Clamped(TRecordOptions options)
{
    options.Clamp();
    return options;
}

TRect Union(const TRect& a, const TRect& b)
{
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

} // namespace

TRecorder::TRecorder(const TBoard& board, const TImageColors& colors, std::string path,
                     TRecordOptions options, TRect visible, int32_t delayMs)
    : FBoard(board), FOptions(Clamped(options)), FWriter(std::move(path), colors, delayMs)
{
    if (TCellPicture{FArea, FOptions.CellSize, FOptions.Grid}.HasGrid())
        FWriter.Blank = [size = FOptions.CellSize](int32_t x, int32_t y) {
            return x % size == 0 || y % size == 0 ? kGridIndex : uint8_t(0);
        };
    switch (FOptions.Area) {
    case TRecordArea::Visible:
        FArea = visible.IsEmpty() ? board.Extents() : visible;
        break;
    case TRecordArea::Universe:
        FArea = board.Extents();
        break;
    case TRecordArea::LiveCells:
        FArea = LiveCellsFramed(board);
        break;
    }
}

bool TRecorder::Start()
{
    FStartCycle = FLastCycle = FBoard.Cycle();
    return AddFrame();
}

bool TRecorder::Generation()
{
    if (FOver) return false;
    const int32_t cycle = FBoard.Cycle();
    // A generation that changed nothing reached no new cycle.
    if (cycle == FLastCycle) return true;
    FLastCycle = cycle;
    if ((int64_t(cycle) - FStartCycle) % FOptions.Every != 0) return true;
    return AddFrame();
}

bool TRecorder::AddFrame()
{
    if (FOptions.Area == TRecordArea::LiveCells) FArea = Union(FArea, LiveCellsFramed(FBoard));
    const TCellPicture picture{FArea, FOptions.CellSize, FOptions.Grid};
    const bool fits = picture.Width() <= TGifWriter::kMaxSide &&
                      picture.Height() <= TGifWriter::kMaxSide &&
                      picture.Width() * picture.Height() <= kMaxFramePixels;
    if (!fits || !PaintCellPicture(FBoard, picture, FImage)) FImage = {};
    const TPoint origin{FArea.Left * FOptions.CellSize, FArea.Top * FOptions.CellSize};
    if (!FWriter.AddFrame(FImage, origin) || FWriter.Frames() >= FOptions.MaxFrames) FOver = true;
    return !FOver;
}

bool TRecorder::Finish()
{
    FOver = true;
    return FWriter.Finish();
}
