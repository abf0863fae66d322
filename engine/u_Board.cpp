#include "engine/u_Board.h"

#include "base/u_Host.h"
#include "engine/u_Globals.h"

#include <algorithm>
#include <cstring>

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
    return FGlobals.Memory.Allow() ? FBlobs.Allocate() : nullptr;
}

void TBoard::SetSize(int32_t width, int32_t height)
{
    if (width == FWidth && height == FHeight) return;

    // Every cell is emptied below; what the bits still owed the blocks is void.
    DropStaleBlocks();
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
    FBits.Resize(width, height);
    FRowBlobsBY = -1;

    // In bands of eight block rows, column by column in each: the blocks of a row, which the
    // row games write across the board, lie a few blocks apart, and those of a column, which
    // the other steps walk, come eight at a time. The rows of the ring last, so that a board
    // short of memory gets cells.
    size_t missing = 0;
    for (int32_t bx = -1; bx <= FBXMax + 1; ++bx)
        for (int32_t by = -1; by <= FBYMax + 1; ++by)
            missing += FSlots[SlotIndex(bx, by)] == &FVoid;
    FBlobs.Expect(missing);
    constexpr int32_t kBand = 8;
    bool allocated = true;
    const auto allocateBand = [&](int32_t top, int32_t bottom) {
        for (int32_t bx = -1; bx <= FBXMax + 1 && allocated; ++bx)
            for (int32_t by = top; by <= bottom; ++by) {
                TBlob*& slot = FSlots[SlotIndex(bx, by)];
                if (slot != &FVoid) continue;
                TBlob* blob = AllocateBlob();
                if (!blob) {
                    allocated = false;
                    break;
                }
                slot = blob;
            }
    };
    for (int32_t top = 0; top <= FBYMax; top += kBand)
        allocateBand(top, std::min(top + kBand - 1, FBYMax));
    allocateBand(-1, -1);
    allocateBand(FBYMax + 1, FBYMax + 1);
    FBlocksComplete = allocated;
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
        if (FStaleCount != 0) MaterializeIfStale(bx, by);
        const uint8_t old = blob->Cells[i][j];
        if (state != old) {
            if (FBits.Valid) FBits.Set(x - FMinX, y - FMinY, state);
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

TRect TBoard::OnBoard(const TRect& area) const
{
    return {std::max(area.Left, FMinX), std::max(area.Top, FMinY), std::min(area.Right, FMaxX),
            std::min(area.Bottom, FMaxY)};
}

// Block by block, so that each block's counts and live box are settled once.
template <class TRowAt>
void TBoard::WriteCells(const TRect& area, TRowAt rowAt)
{
    const TRect r = OnBoard(area);
    if (r.IsEmpty()) return;
    // The blocks take the bits' latest cells first; the bits are rebuilt at the next bit step.
    LeaveBits();
    const TPoint first = CellToBlock(r.Left, r.Top), last = CellToBlock(r.Right, r.Bottom);
    bool written = false;
    for (int32_t bx = first.X; bx <= last.X; ++bx) {
        const int32_t x0 = FMinX + bx * TBlob::kSize;
        const int i0 = std::max(r.Left - x0, 0), i1 = std::min(r.Right - x0, TBlob::kSize - 1);
        for (int32_t by = first.Y; by <= last.Y; ++by) {
            const int32_t y0 = FMinY + by * TBlob::kSize;
            const int j0 = std::max(r.Top - y0, 0), j1 = std::min(r.Bottom - y0, TBlob::kSize - 1);
            const int slot = SlotIndex(bx, by);
            TBlob* blob = FSlots[slot];
            // Blocks that could not be allocated read as empty and take no cells.
            if (blob == &FVoid) continue;
            // Branch-free, as the cells of a fill or a soup file change at random; the counts
            // are then taken from the whole block.
            TBlob before;
            std::memcpy(before.Cells, blob->Cells, sizeof before.Cells);
            unsigned kept = 0;
            for (int j = j0; j <= j1; ++j) {
                const uint8_t* given = rowAt(x0 + i0, y0 + j) - i0;
                for (int i = i0; i <= i1; ++i) {
                    const bool keep = given[i] == kKeepCell;
                    kept += keep;
                    // A mask rather than a branch, which random cells would mispredict.
                    const uint8_t take = uint8_t(keep) - 1u;
                    uint8_t& cell = blob->Cells[i][j];
                    cell = uint8_t((cell & ~take) | (given[i] & take));
                }
            }
            written |= kept < unsigned((i1 - i0 + 1) * (j1 - j0 + 1));
            if (std::memcmp(before.Cells, blob->Cells, sizeof before.Cells) == 0) continue;
            ++FEditCount;
            FSlotStamps[slot] = FStepStamp;
            FSlotEdges[slot] = beAll;
            FStateCountsStale = true;
            const uint8_t* cells = &blob->Cells[0][0];
            int live = 0;
            for (size_t k = 0; k < sizeof blob->Cells; ++k) live += cells[k] != 0;
            FLiveCount += live - blob->LiveCount;
            blob->LiveCount = uint8_t(live);
            // Every live cell lies in the live box already, so taking in the block's live cells
            // extends it just as its births would.
            if (live > 0) ExtendLiveBox(*blob, x0, y0, bx, by);
        }
    }
    if (written) FModified = true;
}

void TBoard::WriteArea(const TRect& area, const uint8_t* cells, size_t stride)
{
    WriteCells(area, [&](int32_t x, int32_t y) {
        return cells + size_t(int64_t(y) - area.Top) * stride + size_t(int64_t(x) - area.Left);
    });
}

void TBoard::WriteRun(int32_t x, int32_t y, int32_t count, uint8_t state)
{
    if (count <= 0) return;
    const int32_t right = int32_t(std::min<int64_t>(int64_t(x) + count - 1, FMaxX));
    uint8_t states[TBlob::kSize];
    std::fill_n(states, TBlob::kSize, state);
    WriteCells({x, y, right, y}, [&states](int32_t, int32_t) { return states; });
}

void TBoard::ReadArea(const TRect& area, uint8_t* cells, size_t stride) const
{
    for (int64_t y = area.Top; y <= area.Bottom; ++y)
        std::memset(cells + size_t(y - area.Top) * stride, 0, size_t(area.Width()));
    ForEachLiveBlock(area, [&](const TBlob& blob, int32_t x0, int32_t y0) {
        const int i0 = std::max(area.Left - x0, 0),
                  i1 = std::min(area.Right - x0, TBlob::kSize - 1);
        const int j0 = std::max(area.Top - y0, 0),
                  j1 = std::min(area.Bottom - y0, TBlob::kSize - 1);
        for (int j = j0; j <= j1; ++j) {
            uint8_t* row = cells + size_t(int64_t(y0) + j - area.Top) * stride +
                           size_t(int64_t(x0) - area.Left);
            for (int i = i0; i <= i1; ++i) row[i] = blob.Cells[i][j];
        }
        return true;
    });
}

uint8_t TBoard::GetCell(int32_t x, int32_t y) const
{
    if (!IsOnBoard(x, y)) return 0;
    const int32_t rx = x - FMinX, ry = y - FMinY;
    const TBlob& blob = BlobAt(rx / TBlob::kSize, ry / TBlob::kSize);
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
    DropStaleBlocks();
    FBits.Valid = false;
    // Every allocated block, the ring and blocks beyond a shrunk board included.
    FBlobs.ForEach([](TBlob& blob) {
        if (blob.LiveCount != 0) {
            std::memset(blob.Cells, 0, sizeof blob.Cells);
            blob.LiveCount = 0;
        }
    });
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
    if (CountPlaneStates()) return;
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

void TBoard::ExtendLiveBox(const TBlob& blob, int32_t x0, int32_t y0, int32_t bx, int32_t by)
{
    const TBlockSpan span = LiveSpan(blob);
    ExtendLiveBox(x0 + __builtin_ctz(span.Columns), y0 + __builtin_ctz(span.Rows), bx, by);
    ExtendLiveBox(x0 + 31 - __builtin_clz(span.Columns), y0 + 31 - __builtin_clz(span.Rows), bx,
                  by);
}

void TBoard::RecomputeLiveBox(bool currentBoxOnly)
{
    // Every live cell lies in the box, so the box's blocks hold all of them, and a block's live
    // cells count whole.
    const TRect area =
        currentBoxOnly ? TRect{FBox.MinX, FBox.MinY, FBox.MaxX, FBox.MaxY} : Extents();
    ResetLiveBox();
    ForEachLiveBlock(area, [this](const TBlob& blob, int32_t x0, int32_t y0) {
        const TPoint b = CellToBlock(x0, y0);
        ExtendLiveBox(blob, x0, y0, b.X, b.Y);
        return true;
    });
}

TBoard::TBlockSpan TBoard::LiveSpan(const TBlob& blob)
{
    // The live rows from the bytes of all columns or-ed together: rows 0..7 in the first word,
    // 8 and 9 in the second.
    TBlockSpan span{0, 0};
    uint64_t low = 0, high = 0;
    for (int i = 0; i < TBlob::kSize; ++i) {
        uint64_t column[2];
        std::memcpy(column, blob.Cells[i], sizeof column);
        low |= column[0];
        high |= column[1];
        span.Columns |= unsigned((column[0] | column[1]) != 0) << i;
    }
    for (int j = 0; j < 8; ++j) span.Rows |= unsigned(((low >> (8 * j)) & 0xFF) != 0) << j;
    for (int j = 8; j < TBlob::kSize; ++j)
        span.Rows |= unsigned(((high >> (8 * (j - 8))) & 0xFF) != 0) << j;
    return span;
}

TRect TBoard::MinRectangle() const
{
    TRect r{FMaxX, FMaxY, FMinX, FMinY};
    if (FBox.MaxBX < FBox.MinBX) return r;
    for (int32_t bx = FBox.MinBX; bx <= FBox.MaxBX; ++bx)
        for (int32_t by = FBox.MinBY; by <= FBox.MaxBY; ++by) {
            const TBlob& blob = BlobAt(bx, by);
            if (blob.LiveCount == 0) continue;
            const TBlockSpan span = LiveSpan(blob);
            const int32_t x0 = FMinX + bx * TBlob::kSize, y0 = FMinY + by * TBlob::kSize;
            r.Left = std::min(r.Left, x0 + __builtin_ctz(span.Columns));
            r.Right = std::max(r.Right, x0 + 31 - __builtin_clz(span.Columns));
            r.Top = std::min(r.Top, y0 + __builtin_ctz(span.Rows));
            r.Bottom = std::max(r.Bottom, y0 + 31 - __builtin_clz(span.Rows));
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
