#include "view/u_BoardView.h"

#include "base/u_Host.h"
#include "engine/u_Globals.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace {

constexpr std::array kSizeLadder{-64, -32, -16, -8, -4, -2, 1,  2,  3,
                                 4,   5,   7,   9,  11, 13, 15, 17, 21};

// Best fit: the largest size whose cells still fit, by pixels available per cell.
struct TFitStep {
    double PixelsPerCell;
    int32_t Size;
};
// clang-format off
constexpr std::array<TFitStep, 17> kFitSteps{{
    {22, 21}, {18, 17}, {16, 15}, {14, 13}, {12, 11}, {10, 9}, {7, 7}, {5, 5}, {4, 4}, {3, 3},
    {2, 2}, {1, 1}, {0.5, -2}, {0.25, -4}, {0.125, -8}, {0.0625, -16}, {0.03125, -32}}};
// clang-format on

int32_t FitSize(double pixelsPerCell)
{
    for (const TFitStep& step : kFitSteps)
        if (pixelsPerCell >= step.PixelsPerCell) return step.Size;
    return kMinCellSize;
}

int32_t Narrow(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int32_t Middle(int32_t a, int32_t b)
{
    return static_cast<int32_t>((int64_t(a) + b) / 2);
}

// Keeps a pan inside the board along one axis; the window may still reach beyond its far end.
void ClampPan(int64_t& first, int64_t& count, int64_t min, int64_t max)
{
    count = std::min(count, max - min + 1);
    if (min > first) first = min;
    if (max <= first) first = max - 1;
}

} // namespace

std::string CellSizeText(int32_t size)
{
    return size >= 1 ? std::to_string(size) : "1/" + std::to_string(-int64_t(size));
}

TBoardView::TBoardView(TGlobals& globals) : FGlobals(globals), FCanvas(&FNoCanvas) {}

void TBoardView::SetCanvas(TCanvas* canvas)
{
    FCanvas = canvas != nullptr ? canvas : &FNoCanvas;
    // Nothing of the old surface is on the new one.
    FColorKnown = false;
    FMarkShown = false;
}

void TBoardView::SetAreaSize(int32_t width, int32_t height)
{
    FWidth = std::max(width, 0);
    FHeight = std::max(height, 0);
}

void TBoardView::ApplySettings(const TViewSettings& settings)
{
    FSettings.ShowGrid = settings.ShowGrid;
    FSettings.ShowBoldLines = settings.ShowBoldLines;
    // Bold lines are placed by a remainder of the step.
    FSettings.BoldLinesStep = std::max(settings.BoldLinesStep, 1);
    FSettings.OptSubzoomRedraw = settings.OptSubzoomRedraw;
    FSettings.MaxBestFitCellSize = std::clamp(settings.MaxBestFitCellSize, 1, kMaxCellSize);
    SetCellSize(settings.CellSize);
    SetCellShape(settings.CellShape, false);
}

TScrollState TBoardView::HorizontalScroll() const
{
    const TBoard& board = FGlobals.Board;
    return {board.MinX(), board.MaxX(), FViewLeft, FViewCols / 4};
}

TScrollState TBoardView::VerticalScroll() const
{
    const TBoard& board = FGlobals.Board;
    return {board.MinY(), board.MaxY(), FViewTop, FViewRows / 4};
}

int64_t TBoardView::ToPixel(int64_t cell, int32_t origin) const
{
    const int64_t d = cell - origin;
    return FSettings.CellSize >= 1 ? d * FSettings.CellSize : d / -FSettings.CellSize;
}

int64_t TBoardView::ToCell(int64_t pixel, int32_t origin) const
{
    return FSettings.CellSize >= 1 ? pixel / FSettings.CellSize + origin
                                   : -int64_t(FSettings.CellSize) * pixel + origin;
}

TPoint TBoardView::CellToPixel(int32_t x, int32_t y) const
{
    return {Narrow(ToPixel(x, FViewLeft)), Narrow(ToPixel(y, FViewTop))};
}

TPoint TBoardView::PixelToCell(int32_t px, int32_t py) const
{
    return {Narrow(ToCell(px, FViewLeft)), Narrow(ToCell(py, FViewTop))};
}

void TBoardView::ComputeCounts()
{
    const int64_t w = int64_t(FWidth) - 1, h = int64_t(FHeight) - 1;
    if (FSettings.CellSize >= 1) {
        FViewCols = Narrow(w / FSettings.CellSize);
        FViewRows = Narrow(h / FSettings.CellSize);
    } else {
        FViewCols = Narrow(-int64_t(FSettings.CellSize) * w);
        FViewRows = Narrow(-int64_t(FSettings.CellSize) * h);
    }
}

void TBoardView::ClampWindow()
{
    const TBoard& board = FGlobals.Board;
    FViewLeft = std::max(FViewLeft, board.MinX());
    FViewTop = std::max(FViewTop, board.MinY());
    if (int64_t(FViewLeft) + FViewCols > board.MaxX())
        FViewCols = Narrow(int64_t(board.MaxX()) - FViewLeft + 1);
    if (int64_t(FViewTop) + FViewRows > board.MaxY())
        FViewRows = Narrow(int64_t(board.MaxY()) - FViewTop + 1);
    // A window starting beyond the board, or an area too small for one cell, shows no cells.
    FViewCols = std::max(FViewCols, 0);
    FViewRows = std::max(FViewRows, 0);
}

void TBoardView::ComputeWindow()
{
    ComputeCounts();
    ClampWindow();
}

TColor TBoardView::StateColor(int state) const
{
    const int32_t count = FGlobals.Board.StatesCount();
    if (count > 2 && state > count - 1) state = count - 1;
    if (count <= 2 && state > 1) state = 1;
    return FGlobals.Palette.Colors.StateColor(state);
}

void TBoardView::SelectColor(TColor color)
{
    if (FColorKnown && color == FColor) return;
    FCanvas->SetColor(color);
    FColor = color;
    FColorKnown = true;
}

void TBoardView::Redraw(unsigned flags)
{
    TSelection& selection = FGlobals.Selection;
    selection.HideFloating();
    HideMarkRect();
    ComputeWindow();

    const TCPalette& palette = FGlobals.Palette.Colors;
    FCanvas->SetMode(TPenMode::Copy);
    SelectColor(palette.BackColor());
    FCanvas->FillRect({0, 0, FWidth, FHeight});
    PaintGrid();
    PaintBorder();
    if (flags & rdDrawCells) {
        PaintLiveCells();
        // The box grows with births only; every live cell lies in it, so scanning it is enough.
        if (flags & rdTrackBounds) FGlobals.Board.RecomputeLiveBox(true);
    }

    if (selection.Active()) DrawMarkRect(selection.Rect(), true);
    selection.ShowFloating();
    FGlobals.Host.Refresh(rfStatusBar);
}

void TBoardView::PaintGrid()
{
    if (!FSettings.ShowGrid || FSettings.CellSize < 3) return;
    const TCPalette& palette = FGlobals.Palette.Colors;
    const int32_t n = FSettings.CellSize;
    const int32_t right = FViewCols * n, bottom = FViewRows * n;
    // Bold lines alone at size 3, where normal lines would cover every third pixel.
    if (n > 3) {
        SelectColor(palette.GridColor());
        for (int32_t i = 0; i <= FViewCols; ++i) FCanvas->Line(i * n, 0, i * n, bottom);
        for (int32_t j = 0; j <= FViewRows; ++j) FCanvas->Line(0, j * n, right, j * n);
    }
    if (!FSettings.ShowBoldLines) return;
    // The remainder is 0 on multiples of the step on both sides of 0.
    SelectColor(palette.GridBoldColor());
    for (int32_t i = 0; i <= FViewCols; ++i)
        if ((int64_t(FViewLeft) + i) % FSettings.BoldLinesStep == 0)
            FCanvas->Line(i * n, 0, i * n, bottom);
    for (int32_t j = 0; j <= FViewRows; ++j)
        if ((int64_t(FViewTop) + j) % FSettings.BoldLinesStep == 0)
            FCanvas->Line(0, j * n, right, j * n);
}

void TBoardView::PaintBorder()
{
    const int32_t right =
        FSettings.CellSize >= 1 ? FViewCols * FSettings.CellSize : FViewCols / -FSettings.CellSize;
    const int32_t bottom =
        FSettings.CellSize >= 1 ? FViewRows * FSettings.CellSize : FViewRows / -FSettings.CellSize;
    SelectColor(FGlobals.Palette.Colors.GridBoldColor());
    FCanvas->Line(right + 1, 0, right + 1, bottom + 1);
    FCanvas->Line(right + 2, 0, right + 2, bottom + 2);
    FCanvas->Line(0, bottom + 1, right + 1, bottom + 1);
    FCanvas->Line(0, bottom + 2, right + 2, bottom + 2);
}

void TBoardView::CollectBlocks(const TRect& blocks)
{
    FBlocks.clear();
    const TBoard& board = FGlobals.Board;
    for (int32_t bx = blocks.Left; bx <= blocks.Right; ++bx)
        for (int32_t by = blocks.Top; by <= blocks.Bottom; ++by)
            if (board.BlobAt(bx, by).LiveCount != 0) FBlocks.push_back({bx, by});
}

template <class F>
void TBoardView::ForEachCollectedCell(F&& f) const
{
    const TBoard& board = FGlobals.Board;
    for (const TPoint& b : FBlocks) {
        const TBlob& blob = board.BlobAt(b.X, b.Y);
        const int32_t x0 = board.MinX() + b.X * TBlob::kSize;
        const int32_t y0 = board.MinY() + b.Y * TBlob::kSize;
        for (int i = 0; i < TBlob::kSize; ++i)
            for (int j = 0; j < TBlob::kSize; ++j)
                if (blob.Cells[i][j] != 0) f(x0 + i, y0 + j, blob.Cells[i][j]);
    }
}

void TBoardView::PaintLiveCells()
{
    if (FViewCols <= 0 || FViewRows <= 0) return;
    const TBoard& board = FGlobals.Board;
    // The clamped window lies on the board.
    const TPoint first = board.CellToBlock(FViewLeft, FViewTop);
    const TPoint last = board.CellToBlock(FViewLeft + FViewCols - 1, FViewTop + FViewRows - 1);
    CollectBlocks({first.X, first.Y, last.X, last.Y});
    // The states in view, not the board's counts: on a large board counting them all costs
    // more than painting the window.
    std::array<bool, TBoard::kMaxStates> shown{};
    ForEachCollectedCell([&](int32_t, int32_t, uint8_t s) { shown[s] = true; });
    // From the lowest state up, so that in sub-zoom a pixel shows the highest state of its cells.
    for (int state = 1; state < TBoard::kMaxStates; ++state) {
        if (!shown[size_t(state)]) continue;
        SelectColor(StateColor(state));
        ForEachCollectedCell([&](int32_t x, int32_t y, uint8_t s) {
            if (s == state) DrawCell(x, y, false, state);
        });
    }
}

void TBoardView::DrawCell(int32_t x, int32_t y, bool setColor, int state)
{
    const TBoard& board = FGlobals.Board;
    if (x < FViewLeft || int64_t(x) >= int64_t(FViewLeft) + FViewCols || y < FViewTop ||
        int64_t(y) >= int64_t(FViewTop) + FViewRows || x > board.MaxX() || y > board.MaxY())
        return;
    if (setColor) SelectColor(StateColor(state));
    PaintShape(x, y);
}

void TBoardView::PaintShape(int32_t x, int32_t y)
{
    int32_t s = FSettings.CellSize;
    if (FSettings.CellSize < 0) {
        const int32_t k = -FSettings.CellSize;
        if (FSettings.OptSubzoomRedraw && (x % k != 0 || y % k != 0)) return;
        s = 1;
    }
    const TPoint p = CellToPixel(x, y);
    int32_t shape = FSettings.CellShape;
    // Too small to tell from a square.
    if (s < 6 && (shape == csSmallSquare || shape == csCircle)) shape = csBigSquare;
    // Without grid lines cells fill their whole pitch.
    if (s > 2 && !FSettings.ShowGrid) ++s;
    if (s == 2) s = 3;
    if (s == 1) shape = csPixel;
    switch (shape) {
    case csPixel:
        FCanvas->FillRect({p.X, p.Y, p.X + 1, p.Y + 1});
        break;
    case csSmallSquare:
        FCanvas->FillRect({p.X + 2, p.Y + 2, p.X + s - 1, p.Y + s - 1});
        break;
    case csCircle:
        FCanvas->FillEllipse({p.X + 1, p.Y + 1, p.X + s, p.Y + s});
        break;
    default:
        FCanvas->FillRect({p.X + 1, p.Y + 1, p.X + s, p.Y + s});
        break;
    }
}

void TBoardView::SetCellSize(int32_t size)
{
    if (size == 0 || size == FSettings.CellSize) return;
    ComputeWindow();
    const int32_t cx = Narrow(int64_t(FViewLeft) + FViewCols / 2);
    const int32_t cy = Narrow(int64_t(FViewTop) + FViewRows / 2);
    FSettings.CellSize = std::clamp(size, kMinCellSize, kMaxCellSize);
    FGlobals.Host.Refresh(rfMenus);
    CenterOn(cx, cy, false);
}

void TBoardView::SetCellShape(int32_t shape, bool repaint)
{
    if (shape < csBigSquare || shape > csRectangle) shape = csBigSquare;
    if (shape == FSettings.CellShape) return;
    FSettings.CellShape = shape;
    FGlobals.Host.Refresh(rfMenus);
    if (repaint) Redraw(rdBackground | rdDrawCells);
}

void TBoardView::NextCellShape()
{
    SetCellShape(FSettings.CellShape % csRectangle + 1, true);
}

void TBoardView::ZoomIn(bool repaint)
{
    // From a size between two steps of the ladder, the next step up.
    const auto next = std::ranges::upper_bound(kSizeLadder, FSettings.CellSize);
    if (next == kSizeLadder.end()) return;
    SetCellSize(*next);
    if (repaint) Redraw();
}

void TBoardView::ZoomOut(bool repaint)
{
    const auto next = std::ranges::lower_bound(kSizeLadder, FSettings.CellSize);
    if (next == kSizeLadder.begin()) return;
    SetCellSize(*(next - 1));
    if (repaint) Redraw();
}

void TBoardView::ZoomAt(int32_t x, int32_t y, bool repaint, bool zoomIn)
{
    const int64_t px = ToPixel(x, FViewLeft), py = ToPixel(y, FViewTop);
    if (zoomIn)
        ZoomIn(false);
    else
        ZoomOut(false);
    // The next redraw clamps the window to the board.
    FViewLeft = Narrow(int64_t(FViewLeft) - (ToCell(px, FViewLeft) - x));
    FViewTop = Narrow(int64_t(FViewTop) - (ToCell(py, FViewTop) - y));
    if (repaint) Redraw();
}

void TBoardView::CenterOn(int32_t x, int32_t y, bool repaint)
{
    const int32_t oldLeft = FViewLeft, oldTop = FViewTop;
    ComputeCounts();
    FViewLeft = Narrow(int64_t(x) - FViewCols / 2);
    FViewTop = Narrow(int64_t(y) - FViewRows / 2);
    ClampWindow();
    if (repaint && (FViewLeft != oldLeft || FViewTop != oldTop)) Redraw();
}

void TBoardView::CenterPattern(bool repaint)
{
    const TRect r = FGlobals.Board.MinRectangle();
    CenterOn(Middle(r.Left, r.Right), Middle(r.Top, r.Bottom), repaint);
}

void TBoardView::BestFit(bool repaint)
{
    const TRect r = FGlobals.Board.MinRectangle();
    if (r.Left > r.Right) {
        SetCellSize(7);
        CenterOn(0, 0, false);
    } else {
        const double rx = double(FWidth) / double(r.Width());
        const double ry = double(FHeight) / double(r.Height());
        SetCellSize(std::min(FitSize(rx < ry ? rx : ry), FSettings.MaxBestFitCellSize));
        CenterOn(Middle(r.Left, r.Right), Middle(r.Top, r.Bottom), false);
    }
    if (repaint) Redraw();
}

void TBoardView::FitIfOutside()
{
    TBoard& board = FGlobals.Board;
    board.RecomputeLiveBox(true);
    const TLiveBox& box = board.LiveBox();
    if (box.MaxX < box.MinX) return;
    // A cell one beyond the last visible column still counts as inside, so that a pattern that
    // best fit leaves one column short of the window is not fitted again every generation.
    const bool inside = FViewLeft <= box.MinX && FViewTop <= box.MinY &&
                        box.MaxX <= int64_t(FViewLeft) + FViewCols &&
                        box.MaxY <= int64_t(FViewTop) + FViewRows;
    if (!inside) BestFit(true);
}

void TBoardView::Pan(int direction, int step)
{
    ComputeWindow();
    int64_t cols = FViewCols, rows = FViewRows;
    const int64_t dx = step == 2 ? cols / 2 : step == 10 ? cols / 10 : 1;
    const int64_t dy = step == 2 ? rows / 2 : step == 10 ? rows / 10 : 1;
    int64_t left = FViewLeft, top = FViewTop;
    switch (direction) {
    case pdLeft:
        left -= dx;
        break;
    case pdRight:
        left += dx;
        break;
    case pdUp:
        top -= dy;
        break;
    case pdDown:
        top += dy;
        break;
    case pdUpRight:
        left += dx;
        top -= dy;
        break;
    case pdDownRight:
        left += dx;
        top += dy;
        break;
    case pdDownLeft:
        left -= dx;
        top += dy;
        break;
    case pdUpLeft:
        left -= dx;
        top -= dy;
        break;
    default:
        return;
    }
    const TBoard& board = FGlobals.Board;
    ClampPan(left, cols, board.MinX(), board.MaxX());
    ClampPan(top, rows, board.MinY(), board.MaxY());
    FViewCols = Narrow(std::max<int64_t>(cols, 0));
    FViewRows = Narrow(std::max<int64_t>(rows, 0));
    if (left == FViewLeft && top == FViewTop) return;
    FViewLeft = Narrow(left);
    FViewTop = Narrow(top);
    Redraw();
}

void TBoardView::SetViewOrigin(int32_t x, int32_t y)
{
    FViewLeft = x;
    FViewTop = y;
    ClampWindow();
}

void TBoardView::DrawCellLine(TPoint from, TPoint to, bool paint, bool inclusive, uint8_t state)
{
    int64_t dx = std::abs(int64_t(to.X) - from.X), dy = std::abs(int64_t(to.Y) - from.Y);
    if (inclusive) ++dx, ++dy;
    const bool xMajor = dy < dx;
    const int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    if (major == 0) return;
    const int sx = from.X < to.X ? 1 : -1, sy = to.Y > from.Y ? 1 : -1;

    // Only the stretch whose major coordinate lies on the board is walked, so that ends far
    // apart cost no more than the board is wide.
    TBoard& board = FGlobals.Board;
    const int64_t start = xMajor ? from.X : from.Y;
    const int64_t lo = xMajor ? board.MinX() : board.MinY();
    const int64_t hi = xMajor ? board.MaxX() : board.MaxY();
    const bool forward = (xMajor ? sx : sy) > 0;
    const int64_t first = std::max<int64_t>(forward ? lo - start : start - hi, 0);
    const int64_t last = std::min<int64_t>(forward ? hi - start : start - lo, major - 1);
    if (first > last) return;
    // After i cells the minor counter is i * minor / major and the accumulator the remainder.
    const uint64_t reach = uint64_t(first) * uint64_t(minor);
    int64_t j = int64_t(reach / uint64_t(major));
    int64_t a = int64_t(reach % uint64_t(major));
    for (int64_t i = first; i <= last; ++i) {
        const int64_t x = from.X + (xMajor ? i : j) * sx;
        const int64_t y = from.Y + (xMajor ? j : i) * sy;
        if (board.IsOnBoard(Narrow(x), Narrow(y))) {
            board.SetCell(int32_t(x), int32_t(y), state);
            if (paint) DrawCell(int32_t(x), int32_t(y), true, state);
        }
        a += minor;
        if (a >= major) {
            a -= major;
            ++j;
        }
    }
}

void TBoardView::XorMarkFrame()
{
    FCanvas->SetMode(TPenMode::Xor);
    SelectColor(kMarkColor);
    FCanvas->Frame(FMarkRect, 3);
    FCanvas->SetMode(TPenMode::Copy);
}

void TBoardView::HideMarkRect()
{
    if (!FMarkShown) return;
    XorMarkFrame();
    FMarkShown = false;
}

void TBoardView::DrawMarkRect(const TRect& rect, bool show)
{
    HideMarkRect();
    if (!show) return;
    const int64_t left = std::min(rect.Left, rect.Right), right = std::max(rect.Left, rect.Right);
    const int64_t top = std::min(rect.Top, rect.Bottom), bottom = std::max(rect.Top, rect.Bottom);
    // Sides beyond the area are kept just outside it, where the pen leaves no trace.
    const auto onArea = [](int64_t pixel, int32_t size) {
        return static_cast<int32_t>(std::clamp<int64_t>(pixel, -3, int64_t(size) + 3));
    };
    FMarkRect = {onArea(ToPixel(left, FViewLeft), FWidth), onArea(ToPixel(top, FViewTop), FHeight),
                 onArea(ToPixel(right + 1, FViewLeft), FWidth),
                 onArea(ToPixel(bottom + 1, FViewTop), FHeight)};
    XorMarkFrame();
    FMarkShown = true;
}

void TBoardView::ColorizePattern(int n)
{
    n = std::clamp(n, 1, TBoard::kMaxStates - 1);
    TBoard& board = FGlobals.Board;
    const TLiveBox& box = board.LiveBox();
    CollectBlocks({box.MinBX, box.MinBY, box.MaxBX, box.MaxBY});
    ForEachCollectedCell([&](int32_t x, int32_t y, uint8_t) {
        const auto state = static_cast<uint8_t>(FGlobals.Random.Integer(1, n));
        board.SetCell(x, y, state);
        DrawCell(x, y, true, state);
    });
}

TPaintRequest TBoardView::PaintRequest() const
{
    const TRect window{FViewLeft, FViewTop, Narrow(int64_t(FViewLeft) + FViewCols - 1),
                       Narrow(int64_t(FViewTop) + FViewRows - 1)};
    TPaintRequest request{window, FSettings.CellSize >= 1};
    // Past one changed block a pixel, repainting every pixel costs less than listing them.
    if (!request.ByCell)
        request.MaxBlocks = Narrow(int64_t(PixelsOf(FViewCols)) * PixelsOf(FViewRows));
    return request;
}

template <class F>
void TBoardView::PaintUnderOverlays(F&& paint)
{
    // The overlays are exclusive-or pictures of what lies under them: they are lifted while
    // cells under them change, or lifting them later would bring back the old cells.
    TSelection& selection = FGlobals.Selection;
    const bool mark = FMarkShown;
    selection.HideFloating();
    if (mark) XorMarkFrame();
    paint();
    if (mark) XorMarkFrame();
    selection.ShowFloating();
}

void TBoardView::PaintCells(uint8_t state, std::span<const TCellChange> cells)
{
    PaintUnderOverlays([&] {
        SelectColor(StateColor(state));
        if (FSettings.CellSize != 1) {
            for (const TCellChange& c : cells) DrawCell(c.X, c.Y, false, state);
            return;
        }
        // A pixel a cell: the common case of a whole board in view, painted by the thousand.
        const int64_t right = int64_t(FViewLeft) + FViewCols,
                      bottom = int64_t(FViewTop) + FViewRows;
        FPixels.clear();
        for (const TCellChange& c : cells)
            if (c.X >= FViewLeft && c.X < right && c.Y >= FViewTop && c.Y < bottom)
                FPixels.push_back({c.X - FViewLeft, c.Y - FViewTop});
        FCanvas->FillPixels(FPixels);
    });
}

int32_t TBoardView::PixelsOf(int32_t cells) const
{
    const int32_t k = -FSettings.CellSize;
    return (cells + k - 1) / k;
}

void TBoardView::PaintWindow()
{
    if (FSettings.CellSize >= 1 || FViewCols <= 0 || FViewRows <= 0) return;
    FDirtyPixels.clear();
    const int32_t columns = PixelsOf(FViewCols), rows = PixelsOf(FViewRows);
    for (int32_t py = 0; py < rows; ++py)
        for (int32_t px = 0; px < columns; ++px) FDirtyPixels.push_back({px, py});
    PaintDirtyPixels();
}

void TBoardView::PaintBlocks(std::span<const TPoint> blocks)
{
    if (FSettings.CellSize >= 1 || FViewCols <= 0 || FViewRows <= 0) return;
    const int32_t k = -FSettings.CellSize;
    const int32_t pixelCols = PixelsOf(FViewCols);
    FDirty.assign(size_t(pixelCols) * size_t(PixelsOf(FViewRows)), 0);
    FDirtyPixels.clear();
    // The window's block columns and rows, each with the pixels it falls on: a generation that
    // changes a million blocks would otherwise divide four times for each.
    const TBoard& board = FGlobals.Board;
    const TPoint first = board.CellToBlock(FViewLeft, FViewTop);
    const TPoint last = board.CellToBlock(FViewLeft + FViewCols - 1, FViewTop + FViewRows - 1);
    const auto spans = [k](int32_t b0, int32_t b1, int32_t boardMin, int32_t viewFirst,
                           int32_t viewCount, std::vector<TPixelSpan>& out) {
        out.clear();
        const int64_t viewLast = int64_t(viewFirst) + viewCount - 1;
        for (int32_t b = b0; b <= b1; ++b) {
            const int64_t c0 = int64_t(boardMin) + int64_t(b) * TBlob::kSize;
            const int64_t c1 = std::min<int64_t>(c0 + TBlob::kSize - 1, viewLast);
            out.push_back({int32_t((std::max<int64_t>(c0, viewFirst) - viewFirst) / k),
                           int32_t((c1 - viewFirst) / k)});
        }
    };
    spans(first.X, last.X, board.MinX(), FViewLeft, FViewCols, FColumnPixels);
    spans(first.Y, last.Y, board.MinY(), FViewTop, FViewRows, FRowPixels);
    for (const TPoint& b : blocks) {
        if (b.X < first.X || b.X > last.X || b.Y < first.Y || b.Y > last.Y) continue;
        const TPixelSpan columns = FColumnPixels[size_t(b.X - first.X)];
        const TPixelSpan rows = FRowPixels[size_t(b.Y - first.Y)];
        for (int32_t py = rows.First; py <= rows.Last; ++py)
            for (int32_t px = columns.First; px <= columns.Last; ++px) {
                uint8_t& dirty = FDirty[size_t(py) * size_t(pixelCols) + size_t(px)];
                if (dirty) continue;
                dirty = 1;
                FDirtyPixels.push_back({px, py});
            }
    }
    PaintDirtyPixels();
}

void TBoardView::PaintDirtyPixels()
{
    // Each pixel's state, then the pixels of each state at once.
    std::array<bool, TBoard::kMaxStates> shown{};
    FDirtyStates.resize(FDirtyPixels.size());
    for (size_t i = 0; i < FDirtyPixels.size(); ++i) {
        FDirtyStates[i] = PixelState(FDirtyPixels[i].X, FDirtyPixels[i].Y);
        shown[FDirtyStates[i]] = true;
    }
    PaintUnderOverlays([&] {
        for (int state = 0; state < TBoard::kMaxStates; ++state) {
            if (!shown[size_t(state)]) continue;
            FPixels.clear();
            for (size_t i = 0; i < FDirtyPixels.size(); ++i)
                if (FDirtyStates[i] == state) FPixels.push_back(FDirtyPixels[i]);
            SelectColor(StateColor(state));
            FCanvas->FillPixels(FPixels);
        }
    });
}

uint8_t TBoardView::PixelState(int32_t px, int32_t py) const
{
    const int32_t k = -FSettings.CellSize;
    const int64_t x0 = int64_t(FViewLeft) + int64_t(px) * k;
    const int64_t y0 = int64_t(FViewTop) + int64_t(py) * k;
    const int64_t x1 = std::min<int64_t>(x0 + k - 1, int64_t(FViewLeft) + FViewCols - 1);
    const int64_t y1 = std::min<int64_t>(y0 + k - 1, int64_t(FViewTop) + FViewRows - 1);
    if (!FSettings.OptSubzoomRedraw) {
        const int32_t count = FGlobals.Board.StatesCount();
        const uint8_t top = uint8_t(std::max(count - 1, 1));
        return FGlobals.Board.TopStateIn({int32_t(x0), int32_t(y0), int32_t(x1), int32_t(y1)}, top);
    }
    // The one cell of the pixel on multiples of k, as PaintShape picks it.
    const auto sample = [k](int64_t first) { return first + (k - (first % k + k) % k) % k; };
    const int64_t x = sample(x0), y = sample(y0);
    if (x > x1 || y > y1) return 0;
    return FGlobals.Board.GetCell(int32_t(x), int32_t(y));
}

void TBoardView::XorCells(std::span<const TPoint> cells)
{
    FCanvas->SetMode(TPenMode::Xor);
    SelectColor(kMarkColor);
    for (const TPoint& c : cells) DrawCell(c.X, c.Y, false, 0);
    FCanvas->SetMode(TPenMode::Copy);
}
