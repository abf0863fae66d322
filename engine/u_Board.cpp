#include "engine/u_Board.h"

#include "base/u_Host.h"
#include "engine/u_Globals.h"

#include <algorithm>
#include <cstring>
#include <new>

TBoard::TBoard(TGlobals& globals)
    : FGlobals(globals), FSlots(std::make_unique<TBlob*[]>(kSlotCount)),
      FSlotStamps(std::make_unique<uint32_t[]>(kSlotCount)),
      FSlotEdges(std::make_unique<uint16_t[]>(kSlotCount)),
      FBlockResults(std::make_unique<TBlockResult[]>(3 * size_t(kSlotsY)))
{
    SetStepIsa(BestStepIsa());
    std::fill_n(FSlots.get(), kSlotCount, &FVoid);
    ResetLiveBox();
    SetRules("23/3");
}

TBoard::~TBoard() = default;

TBlob* TBoard::AllocateBlob()
{
    if (!FGlobals.Memory.Allow()) return nullptr;
    auto* blob = new (std::nothrow) TBlob{};
    if (blob) FBlobs.emplace_back(blob);
    return blob;
}

void TBoard::SetSize(int32_t width, int32_t height)
{
    if (width == FWidth && height == FHeight) return;

    width = std::max(std::min(width, kMaxWidth), kMinSize);
    height = std::max(std::min(height, kMaxHeight), kMinSize);
    width -= width % 20;
    height -= height % 20;

    FWidth = width;
    FHeight = height;
    FMinX = -width / 2;
    FMaxX = width / 2 - 1;
    FMinY = -height / 2;
    FMaxY = height / 2 - 1;
    FBXMax = width / TBlob::kSize - 1;
    FBYMax = height / TBlob::kSize - 1;

    bool allocated = true;
    for (int32_t bx = -1; bx <= FBXMax + 1 && allocated; ++bx)
        for (int32_t by = -1; by <= FBYMax + 1; ++by) {
            TBlob*& slot = FSlots[SlotIndex(bx, by)];
            if (slot != &FVoid) continue;
            TBlob* blob = AllocateBlob();
            if (!blob) {
                allocated = false;
                break;
            }
            slot = blob;
        }
    if (!allocated)
        FGlobals.Host.ShowMessage("Memory low!", "Board initialization error", TMsgIcon::Error,
                                  TMsgButtons::Ok);
    // A pattern opened on a board of its own size keeps the view where it was.
    Clear(false, TClearView::Keep);
}

void TBoard::ExtendLiveBox(int32_t x, int32_t y, int32_t bx, int32_t by)
{
    FBox.MinX = std::min(FBox.MinX, x);
    FBox.MaxX = std::max(FBox.MaxX, x);
    FBox.MinY = std::min(FBox.MinY, y);
    FBox.MaxY = std::max(FBox.MaxY, y);
    FBox.MinBX = std::min(FBox.MinBX, bx);
    FBox.MaxBX = std::max(FBox.MaxBX, bx);
    FBox.MinBY = std::min(FBox.MinBY, by);
    FBox.MaxBY = std::max(FBox.MaxBY, by);
}

void TBoard::ExtendLiveBox(int32_t x0, int32_t y0, int32_t bx, int32_t by,
                           const uint16_t (&born)[TBlockResult::kColumns])
{
    unsigned rows = 0;
    int first = -1, last = -1;
    for (int i = 0; i < TBlob::kSize; ++i)
        if (born[i] != 0) {
            rows |= born[i];
            last = i;
            if (first < 0) first = i;
        }
    ExtendLiveBox(x0 + first, y0 + __builtin_ctz(rows), bx, by);
    ExtendLiveBox(x0 + last, y0 + 31 - __builtin_clz(rows), bx, by);
}

void TBoard::SetCell(int32_t x, int32_t y, uint8_t state)
{
    if (!IsOnBoard(x, y)) return;
    const int32_t bx = (x - FMinX) / TBlob::kSize, i = (x - FMinX) % TBlob::kSize;
    const int32_t by = (y - FMinY) / TBlob::kSize, j = (y - FMinY) % TBlob::kSize;
    const int slot = SlotIndex(bx, by);
    TBlob* blob = FSlots[slot];
    // Blocks that could not be allocated read as empty and take no cells.
    if (blob != &FVoid) {
        const uint8_t old = blob->Cells[i][j];
        if (state != old) {
            blob->Cells[i][j] = state;
            ++FEditCount;
            FSlotStamps[slot] = FStepStamp;
            FSlotEdges[slot] = beAll;
            if (!FStateCountsStale) {
                ++FStateCounts[state];
                --FStateCounts[old];
            }
            if (state == 0) {
                --FLiveCount;
                --blob->LiveCount;
            } else if (old == 0) {
                ++FLiveCount;
                ++blob->LiveCount;
                ExtendLiveBox(x, y, bx, by);
            }
        }
    }
    FModified = true;
}

uint8_t TBoard::GetCell(int32_t x, int32_t y) const
{
    if (!IsOnBoard(x, y)) return 0;
    const int32_t rx = x - FMinX, ry = y - FMinY;
    const TBlob& blob = *FSlots[SlotIndex(rx / TBlob::kSize, ry / TBlob::kSize)];
    return blob.LiveCount == 0 ? 0 : blob.Cells[rx % TBlob::kSize][ry % TBlob::kSize];
}

bool TBoard::Clear(bool ask, TClearView view)
{
    if (ask && FModified &&
        FGlobals.Host.ShowMessage("Are you sure you want to clear the board?", "Confirm",
                                  TMsgIcon::Question, TMsgButtons::YesNo) != TMsgAnswer::Yes) {
        FGlobals.Host.Refresh(rfStatusBar);
        return false;
    }
    FCycle = 0;
    FMaxPopulation = 0;
    FMaxPopulationCycle = 0;
    FCurrentRow1D = FMinY;
    FGlobals.Document.FileName = kNonameFile;
    FGlobals.Run.Stop();
    EmptyCells();
    FGlobals.Selection.SwitchOff();
    FGlobals.Document.Description.clear();
    ResetLiveBox();
    FGlobals.History.Clear();
    FGlobals.Period.Reset();
    FModified = false;
    FGlobals.Host.Refresh(rfCaption | rfStatusBar | rfBoard |
                          (view == TClearView::Center ? rfCenterView : 0u));
    return true;
}

void TBoard::EmptyCells()
{
    // Every allocated block, the ring and blocks beyond a shrunk board included.
    for (const auto& blob : FBlobs)
        if (blob->LiveCount != 0) {
            std::memset(blob->Cells, 0, sizeof blob->Cells);
            blob->LiveCount = 0;
        }
    FLiveCount = 0;
    ++FEditCount;
    FGlobals.Selection.ClearFloating();
    FLastParamsValid = false; // the next step looks at every block again
    FStateCounts.fill(0);
    FStateCountsStale = false;
}

int32_t TBoard::StateCount(int state) const
{
    if (FStateCountsStale) RecountStates();
    return FStateCounts[state];
}

void TBoard::RecountStates() const
{
    FStateCounts.fill(0);
    // Every live cell lies in the block box.
    for (int32_t bx = FBox.MinBX; bx <= FBox.MaxBX; ++bx)
        for (int32_t by = FBox.MinBY; by <= FBox.MaxBY; ++by) {
            const TBlob& blob = BlobAt(bx, by);
            if (blob.LiveCount == 0) continue;
            for (const auto& column : blob.Cells)
                for (int j = 0; j < TBlob::kSize; ++j) ++FStateCounts[column[j]];
        }
    FStateCounts[0] = 0;
    FStateCountsStale = false;
}

void TBoard::ResetLiveBox()
{
    FBox = {FMaxX, FMaxY, FMinX, FMinY, FBXMax, FBYMax, 0, 0};
}

void TBoard::RecomputeLiveBox(bool currentBoxOnly)
{
    TRect area = currentBoxOnly ? TRect{FBox.MinX, FBox.MinY, FBox.MaxX, FBox.MaxY} : Extents();
    area.Left = std::max(area.Left, FMinX);
    area.Top = std::max(area.Top, FMinY);
    area.Right = std::min(area.Right, FMaxX);
    area.Bottom = std::min(area.Bottom, FMaxY);
    ResetLiveBox();
    if (area.Left > area.Right || area.Top > area.Bottom) return;
    // Only blocks with live cells are looked into.
    const TPoint first = CellToBlock(area.Left, area.Top),
                 last = CellToBlock(area.Right, area.Bottom);
    for (int32_t bx = first.X; bx <= last.X; ++bx)
        for (int32_t by = first.Y; by <= last.Y; ++by) {
            const TBlob& blob = BlobAt(bx, by);
            if (blob.LiveCount == 0) continue;
            for (int i = 0; i < TBlob::kSize; ++i)
                for (int j = 0; j < TBlob::kSize; ++j) {
                    const int32_t x = FMinX + bx * TBlob::kSize + i;
                    const int32_t y = FMinY + by * TBlob::kSize + j;
                    if (blob.Cells[i][j] != 0 && x >= area.Left && x <= area.Right &&
                        y >= area.Top && y <= area.Bottom)
                        ExtendLiveBox(x, y, bx, by);
                }
        }
}

TRect TBoard::MinRectangle() const
{
    TRect r{FMaxX, FMaxY, FMinX, FMinY};
    if (FBox.MaxBX < FBox.MinBX) return r;
    for (int32_t bx = FBox.MinBX; bx <= FBox.MaxBX; ++bx)
        for (int32_t by = FBox.MinBY; by <= FBox.MaxBY; ++by) {
            const TBlob& blob = BlobAt(bx, by);
            if (blob.LiveCount == 0) continue;
            for (int i = 0; i < TBlob::kSize; ++i)
                for (int j = 0; j < TBlob::kSize; ++j)
                    if (blob.Cells[i][j] != 0) {
                        const int32_t x = FMinX + bx * TBlob::kSize + i;
                        const int32_t y = FMinY + by * TBlob::kSize + j;
                        r.Left = std::min(r.Left, x);
                        r.Right = std::max(r.Right, x);
                        r.Top = std::min(r.Top, y);
                        r.Bottom = std::max(r.Bottom, y);
                    }
        }
    return r;
}

TPoint TBoard::CellToBlock(int32_t x, int32_t y) const
{
    return {(x - FMinX) / TBlob::kSize, (y - FMinY) / TBlob::kSize};
}

void TBoard::UpdateMaximum()
{
    if (FLiveCount > FMaxPopulation) {
        FMaxPopulation = FLiveCount;
        FMaxPopulationCycle = FCycle;
    }
}

void TBoard::SetStatesCount(int32_t count)
{
    FStatesCount = std::clamp(count, 2, kMaxStates);
    if (FDrawingState >= FStatesCount) FDrawingState = FStatesCount - 1;
    FGlobals.Host.Refresh(rfColorsBar | rfMenus);
}

void TBoard::SetDrawingState(int32_t state)
{
    if (state < 0 || state >= kMaxStates) return;
    FDrawingState = std::min(state, FStatesCount - 1);
    FGlobals.Host.Refresh(rfColorsBar | rfMenus);
}
