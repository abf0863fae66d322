#include "edit/u_Selection.h"

#include "base/u_Host.h"
#include "engine/u_Globals.h"
#include "io/u_LoadedPattern.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

constexpr int64_t kMinCoord = std::numeric_limits<int32_t>::min();
constexpr int64_t kMaxCoord = std::numeric_limits<int32_t>::max();

bool OnBoard(const TRect& board, int64_t x, int64_t y)
{
    return x >= board.Left && x <= board.Right && y >= board.Top && y <= board.Bottom;
}

TRect Normalised(const TRect& r)
{
    return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
            std::max(r.Top, r.Bottom)};
}

TRect CutToBoard(const TRect& r, const TRect& board)
{
    return {std::max(r.Left, board.Left), std::max(r.Top, board.Top),
            std::min(r.Right, board.Right), std::min(r.Bottom, board.Bottom)};
}

// A pattern's bounding rectangle cut to the board. A pattern lying wholly beside the board
// along an axis keeps its own start there and at most the board's size, so that its cells
// still arrive where the selection is placed.
TRect PatternRect(const TRect& bounds, const TRect& board)
{
    TRect r = CutToBoard(bounds, board);
    if (r.Left > r.Right) {
        r.Left = bounds.Left;
        r.Right = static_cast<int32_t>(std::min<int64_t>(bounds.Right, r.Left + board.Width() - 1));
    }
    if (r.Top > r.Bottom) {
        r.Top = bounds.Top;
        r.Bottom =
            static_cast<int32_t>(std::min<int64_t>(bounds.Bottom, r.Top + board.Height() - 1));
    }
    return r;
}

// Shifts a rectangle, stopping at the ends of the coordinate range rather than wrapping.
TRect Shifted(const TRect& r, int64_t ddx, int64_t ddy)
{
    const int64_t w = r.Width() - 1, h = r.Height() - 1;
    const int64_t left = std::clamp(r.Left + ddx, kMinCoord, kMaxCoord - w);
    const int64_t top = std::clamp(r.Top + ddy, kMinCoord, kMaxCoord - h);
    return {static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(left + w),
            static_cast<int32_t>(top + h)};
}

// twice / 2 rounded to the nearest integer, halves to the even one.
int64_t HalfRoundedToEven(int64_t twice)
{
    const int64_t floor = twice >= 0 ? twice / 2 : -((1 - twice) / 2);
    if (twice % 2 == 0 || floor % 2 == 0) return floor;
    return floor + 1;
}

// Calls f(x, y, state) for the live cells of `area`, passing over empty blocks.
template <class F>
void ForEachLiveCell(const TBoard& board, const TRect& area, F&& f)
{
    board.ForEachLiveBlock(area, [&](const TBlob& blob, int32_t x0, int32_t y0) {
        for (int i = 0; i < TBlob::kSize; ++i)
            for (int j = 0; j < TBlob::kSize; ++j)
                if (blob.Cells[i][j] != 0 && area.Contains(x0 + i, y0 + j))
                    f(x0 + i, y0 + j, blob.Cells[i][j]);
        return true;
    });
}

} // namespace

TRect TFloatingCells::Extent() const
{
    TRect e{std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(),
            std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min()};
    ForEach([&](int32_t dx, int32_t dy, uint8_t) {
        e.Left = std::min(e.Left, dx);
        e.Top = std::min(e.Top, dy);
        e.Right = std::max(e.Right, dx);
        e.Bottom = std::max(e.Bottom, dy);
    });
    return e;
}

// Keeps the floating cells off the screen while an operation changes them or the board under
// them, and shows them and the frame again when the outermost operation ends.
class TSelection::THidden {
public:
    explicit THidden(TSelection& selection) : FSelection(selection)
    {
        if (FSelection.FHideDepth++ == 0) FSelection.HideFloating();
    }
    ~THidden()
    {
        if (--FSelection.FHideDepth != 0) return;
        FSelection.ShowFloating();
        FSelection.ShowFrame();
    }
    THidden(const THidden&) = delete;
    THidden& operator=(const THidden&) = delete;

private:
    TSelection& FSelection;
};

void TSelection::SetPainter(TSelectionPainter* painter)
{
    HideFloating();
    FPainter = painter;
}

bool TSelection::SetRectangle(const TRect& rect)
{
    const TRect r = CutToBoard(Normalised(rect), FGlobals.Board.Extents());
    if (r.IsEmpty()) {
        SwitchOff();
        return false;
    }
    THidden hidden(*this);
    FRect = r;
    SwitchOn();
    return true;
}

void TSelection::SwitchOn()
{
    THidden hidden(*this);
    FActive = true;
    FGlobals.Host.Refresh(rfMenus);
}

void TSelection::SwitchOff()
{
    THidden hidden(*this);
    Drop();
    FActive = false;
    FGlobals.Host.Refresh(rfMenus);
}

void TSelection::Lift()
{
    FGlobals.Undo.AddEvent(TUndoEvent::Selection);
    THidden hidden(*this);
    FCells.Clear();
    if (!FActive) return;
    TBoard& board = FGlobals.Board;
    ForEachLiveCell(board, FRect, [&](int32_t x, int32_t y, uint8_t state) {
        FCells.Add(x - FRect.Left, y - FRect.Top, state);
        board.SetCell(x, y, 0);
    });
    BoardChanged();
}

void TSelection::DropAt(int32_t px, int32_t py)
{
    if (FCells.IsEmpty()) return;
    FGlobals.Undo.AddEvent(TUndoEvent::Selection);
    THidden hidden(*this);
    TBoard& board = FGlobals.Board;
    const TRect extents = board.Extents();
    FCells.ForEach([&](int32_t dx, int32_t dy, uint8_t state) {
        const int64_t x = int64_t(px) + dx, y = int64_t(py) + dy;
        if (OnBoard(extents, x, y))
            board.SetCell(static_cast<int32_t>(x), static_cast<int32_t>(y), state);
    });
    BoardChanged();
}

void TSelection::Drop()
{
    THidden hidden(*this);
    DropAt(FRect.Left, FRect.Top);
    FCells.Clear();
}

void TSelection::MoveBy(int32_t ddx, int32_t ddy)
{
    if (ddx == 0 && ddy == 0) return;
    THidden hidden(*this);
    FRect = Shifted(FRect, ddx, ddy);
}

void TSelection::MoveTo(int32_t x, int32_t y)
{
    if (x == FRect.Left && y == FRect.Top) return;
    THidden hidden(*this);
    FRect = Shifted(FRect, int64_t(x) - FRect.Left, int64_t(y) - FRect.Top);
}

void TSelection::AddCell(int32_t x, int32_t y, uint8_t state)
{
    const int32_t dx = static_cast<int32_t>(int64_t(x) - FRect.Left);
    const int32_t dy = static_cast<int32_t>(int64_t(y) - FRect.Top);
    if (!FCells.Add(dx, dy, state) || !FShown) return;
    // Painting just the new cell keeps adding many cells one by one linear.
    if (OnBoard(FGlobals.Board.Extents(), x, y)) {
        const TPoint cell{x, y};
        FPainter->XorCells({&cell, 1});
    }
}

void TSelection::ClearFloating()
{
    THidden hidden(*this);
    FCells.Clear();
}

uint8_t TSelection::GetRectCell(int32_t x, int32_t y) const
{
    return GetCellVal(static_cast<int32_t>(int64_t(x) - FRect.Left),
                      static_cast<int32_t>(int64_t(y) - FRect.Top));
}

void TSelection::Clear()
{
    THidden hidden(*this);
    FCells.Clear();
    SwitchOff();
    FGlobals.Host.PlaySound("SND_DELETE");
}

void TSelection::ClearOutside()
{
    if (!FActive) return;
    // Nothing else can bring those cells back.
    FGlobals.Undo.AddEvent(TUndoEvent::Selection);
    TBoard& board = FGlobals.Board;
    const TLiveBox& box = board.LiveBox();
    const TRect keep = FRect;
    ForEachLiveCell(board, {box.MinX, box.MinY, box.MaxX, box.MaxY},
                    [&](int32_t x, int32_t y, uint8_t) {
                        if (!keep.Contains(x, y)) board.SetCell(x, y, 0);
                    });
    // Every live cell lies in the box, so scanning it finds them all.
    board.RecomputeLiveBox(true);
    BoardChanged();
}

void TSelection::Fill()
{
    if (!FActive) return;
    THidden hidden(*this);
    const auto state = static_cast<uint8_t>(FGlobals.Board.DrawingState());
    const int64_t w = FRect.Width(), h = FRect.Height();
    FCells.Clear();
    FCells.Reserve(static_cast<size_t>(w * h));
    for (int32_t dx = 0; dx < w; ++dx)
        for (int32_t dy = 0; dy < h; ++dy) FCells.Add(dx, dy, state);
}

void TSelection::Outline()
{
    if (!FActive) return;
    THidden hidden(*this);
    const auto state = static_cast<uint8_t>(FGlobals.Board.DrawingState());
    const auto right = static_cast<int32_t>(FRect.Width() - 1);
    const auto bottom = static_cast<int32_t>(FRect.Height() - 1);
    for (int32_t dx = 0; dx <= right; ++dx) {
        FCells.Add(dx, 0, state);
        FCells.Add(dx, bottom, state);
    }
    for (int32_t dy = 1; dy < bottom; ++dy) {
        FCells.Add(0, dy, state);
        FCells.Add(right, dy, state);
    }
}

void TSelection::Invert()
{
    if (!FActive) return;
    THidden hidden(*this);
    const int64_t w = FRect.Width(), h = FRect.Height();
    TFloatingCells inverted;
    inverted.Reserve(static_cast<size_t>(std::max<int64_t>(0, w * h - int64_t(FCells.Count()))));
    for (int32_t dx = 0; dx < w; ++dx)
        for (int32_t dy = 0; dy < h; ++dy)
            if (!FCells.Contains(dx, dy)) inverted.Add(dx, dy, 1);
    FCells = std::move(inverted);
}

void TSelection::SelectAll()
{
    THidden hidden(*this);
    SwitchOff();
    const TRect live = FGlobals.Board.MinRectangle();
    if (!live.IsEmpty() && SetRectangle(live)) Lift();
}

TRect TSelection::TurnExtent() const
{
    const TRect cells = FCells.Extent();
    return {static_cast<int32_t>(std::min<int64_t>(FRect.Width(), cells.Left)),
            static_cast<int32_t>(std::min<int64_t>(FRect.Height(), cells.Top)),
            std::max(0, cells.Right), std::max(0, cells.Bottom)};
}

void TSelection::MirrorH()
{
    if (FCells.IsEmpty()) return;
    THidden hidden(*this);
    const TRect t = TurnExtent();
    const int32_t sum = t.Left + t.Right;
    FCells.Remap([&](int32_t dx, int32_t dy) { return TPoint{sum - dx, dy}; });
}

void TSelection::MirrorV()
{
    if (FCells.IsEmpty()) return;
    THidden hidden(*this);
    const TRect t = TurnExtent();
    const int32_t sum = t.Top + t.Bottom;
    FCells.Remap([&](int32_t dx, int32_t dy) { return TPoint{dx, sum - dy}; });
}

void TSelection::Rotate90()
{
    if (FCells.IsEmpty()) return;
    THidden hidden(*this);
    const TRect t = TurnExtent();
    const auto cx = static_cast<int32_t>(HalfRoundedToEven(int64_t(t.Left) + t.Right));
    const auto cy = static_cast<int32_t>(HalfRoundedToEven(int64_t(t.Top) + t.Bottom));
    FCells.Remap([&](int32_t dx, int32_t dy) { return TPoint{cx + (dy - cy), cy - (dx - cx)}; });
}

void TSelection::Rotate270()
{
    if (FCells.IsEmpty()) return;
    THidden hidden(*this);
    const TRect t = TurnExtent();
    const auto cx = static_cast<int32_t>(HalfRoundedToEven(int64_t(t.Left) + t.Right));
    const auto cy = static_cast<int32_t>(HalfRoundedToEven(int64_t(t.Top) + t.Bottom));
    FCells.Remap([&](int32_t dx, int32_t dy) { return TPoint{cx - (dy - cy), cy + (dx - cx)}; });
}

bool TSelection::TakePattern(const TLoadedPattern& pattern, TPoint topLeft)
{
    const TRect board = FGlobals.Board.Extents();
    if (pattern.Cells.empty() || board.IsEmpty()) return false;
    THidden hidden(*this);
    FCells.Clear();
    FRect = PatternRect(pattern.MinRectangle(board), board);
    for (const TLoadedCell& cell : pattern.Cells) AddCell(cell.X, cell.Y, cell.State);
    SwitchOn();
    MoveTo(topLeft.X, topLeft.Y);
    return true;
}

void TSelection::BeginDrag()
{
    FDragOrigin = {FRect.Left, FRect.Top};
    FDragFirstMove = true;
}

void TSelection::DragBy(int32_t ddx, int32_t ddy, bool copy)
{
    THidden hidden(*this);
    if (FDragFirstMove) {
        FDragFirstMove = false;
        if (copy) DropAt(FDragOrigin.X, FDragOrigin.Y);
    }
    MoveBy(ddx, ddy);
}

void TSelection::ShowFloating()
{
    if (FShown || !FActive || FHideDepth > 0 || FPainter == nullptr) return;
    XorFloating();
    FShown = true;
}

void TSelection::HideFloating()
{
    if (!FShown) return;
    XorFloating();
    FShown = false;
}

void TSelection::XorFloating()
{
    const TRect board = FGlobals.Board.Extents();
    std::vector<TPoint> cells;
    cells.reserve(FCells.Count());
    FCells.ForEach([&](int32_t dx, int32_t dy, uint8_t) {
        const int64_t x = int64_t(FRect.Left) + dx, y = int64_t(FRect.Top) + dy;
        if (OnBoard(board, x, y))
            cells.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y)});
    });
    FPainter->XorCells(cells);
}

void TSelection::ShowFrame()
{
    if (FPainter != nullptr) FPainter->ShowFrame(FRect, FActive);
}

void TSelection::BoardChanged()
{
    FGlobals.Host.Refresh(rfBoard | rfStatusBar);
}
