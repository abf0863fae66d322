#include "view/u_BoardMouse.h"

#include "base/u_Host.h"
#include "engine/u_Globals.h"
#include "view/u_BoardView.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// Cursor images by mode, while stopped and while running.
constexpr std::array<std::array<const char*, 2>, kCursorModeCount> kCursorNames{{
    {"CRS_C_EDIT", "CRS_M_EDIT"},
    {"CRS_C_MARK", "CRS_M_MARK"},
    {"CRS_C_ZOOM", "CRS_M_ZOOM"},
    {"CRS_C_PANU", "CRS_M_PANU"},
    {"CRS_C_CPIK", "CRS_M_CPIK"},
}};
constexpr const char* kPanDownCursor = "CRS_C_PAND";

// A click may wander this many pixels in one direction and still set the cell it began on.
constexpr int64_t kClickSlack = 2;

int64_t SignOf(int64_t v)
{
    return v < 0 ? -1 : 1;
}

int32_t ClampTo(int64_t v, int32_t lo, int32_t hi)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, lo, hi));
}

} // namespace

TBoardMouse::TBoardMouse(TGlobals& globals, TBoardView& view) : FGlobals(globals), FView(view) {}

void TBoardMouse::SetCursorMode(uint8_t mode)
{
    FMode = mode < kCursorModeCount ? mode : uint8_t(cmEdit);
    FGlobals.Host.Refresh(rfCursor);
}

TPoint TBoardMouse::CellAt(TPoint pixel) const
{
    return FView.PixelToCell(pixel.X, pixel.Y);
}

void TBoardMouse::Press(TMouseButton button, TPoint pixel, unsigned)
{
    if (button != TMouseButton::Left) return;
    FLeftDown = true;
    const TPoint cell = CellAt(pixel);
    FDownOnBoard = FGlobals.Board.IsOnBoard(cell.X, cell.Y);
    if (FDownOnBoard) {
        FDownCell = FLastCell = cell;
        FDownPixel = pixel;
        FDownOrigin = FPanOrigin = {FView.ViewLeft(), FView.ViewTop()};
    }
    TSelection& selection = FGlobals.Selection;
    FDraggingSelection = selection.PointIn(cell.X, cell.Y);
    if (FDraggingSelection)
        selection.BeginDrag();
    else if (selection.Active())
        selection.SwitchOff();
    FGlobals.Host.Refresh(rfCursor);
}

void TBoardMouse::Move(TPoint pixel, unsigned shift)
{
    if (!FLeftDown) return;
    // A drag that began off the board has no cell to start from.
    if (FDownOnBoard) {
        TPoint cell = CellAt(pixel);
        switch (FMode) {
        case cmEdit:
            if (cell != FDownCell) Stroke(FLastCell, cell, shift);
            break;
        case cmMark:
            // Kept on the board, so that a selection dragged beyond the edge and back returns
            // to where it was.
            cell = OnBoard(cell);
            MarkMove(cell, shift);
            break;
        case cmPan:
            PanMove(pixel);
            break;
        default:
            break;
        }
        FLastCell = cell;
    }
    FGlobals.Host.Refresh(rfStatusBar);
}

void TBoardMouse::Release(TMouseButton button, TPoint pixel, unsigned shift)
{
    if (button != TMouseButton::Left || !FLeftDown) return;
    FLeftDown = false;
    const TPoint cell = CellAt(pixel);
    switch (FMode) {
    case cmEdit:
        if (FDownOnBoard && IsClick(cell, pixel)) Stroke(cell, cell, shift);
        break;
    case cmMark:
        if (FDownOnBoard && !FDraggingSelection) MarkRelease(pixel, shift);
        break;
    case cmZoom:
        if (FDownOnBoard && cell == FDownCell)
            FView.ZoomAt(cell.X, cell.Y, true, !(shift & ssShift));
        break;
    case cmColorPicker: {
        TBoard& board = FGlobals.Board;
        if (!board.IsOnBoard(cell.X, cell.Y)) break;
        board.SetDrawingState(
            std::min<int32_t>(board.GetCell(cell.X, cell.Y), board.StatesCount() - 1));
        SetCursorMode(cmEdit);
        break;
    }
    default:
        break;
    }
    FDraggingSelection = false;
    FGlobals.Host.Refresh(rfStatusBar | rfCursor);
}

void TBoardMouse::Wheel(bool up)
{
    if (up)
        FView.ZoomIn(true);
    else
        FView.ZoomOut(true);
}

std::string TBoardMouse::CoordinatesText(TPoint pixel) const
{
    const TPoint cell = CellAt(pixel);
    const TBoard& board = FGlobals.Board;
    if (!board.IsOnBoard(cell.X, cell.Y)) return "-";
    return std::to_string(board.GetCell(cell.X, cell.Y)) + " (" + std::to_string(cell.X) + "," +
           std::to_string(cell.Y) + ")";
}

const char* TBoardMouse::CursorName() const
{
    const bool running = FGlobals.Run.IsRunning();
    if (FMode == cmPan && FLeftDown && !running) return kPanDownCursor;
    return kCursorNames[FMode][running ? 1 : 0];
}

uint8_t TBoardMouse::StrokeState(unsigned shift) const
{
    if (shift & ssShift) return 0;
    if (shift & ssCtrl) return 1;
    return static_cast<uint8_t>(FGlobals.Board.DrawingState());
}

void TBoardMouse::Stroke(TPoint from, TPoint to, unsigned shift)
{
    // Every stroke announces itself; the history keeps one snapshot for a run of them.
    FGlobals.Undo.AddEvent(TUndoEvent::Edit);
    FView.DrawCellLine(from, to, true, true, StrokeState(shift));
    FGlobals.Host.Refresh(rfCaption);
}

bool TBoardMouse::IsClick(TPoint cell, TPoint pixel) const
{
    if (cell != FDownCell) return false;
    const int64_t dx = std::abs(int64_t(pixel.X) - FDownPixel.X);
    const int64_t dy = std::abs(int64_t(pixel.Y) - FDownPixel.Y);
    return dx <= kClickSlack || dy <= kClickSlack;
}

TPoint TBoardMouse::OnBoard(TPoint cell) const
{
    const TBoard& board = FGlobals.Board;
    return {std::clamp(cell.X, board.MinX(), board.MaxX()),
            std::clamp(cell.Y, board.MinY(), board.MaxY())};
}

TPoint TBoardMouse::MarkCorner(TPoint cell, unsigned shift) const
{
    int64_t x = cell.X, y = cell.Y;
    if (shift & ssShift) {
        const int64_t ex = std::abs(x - FDownCell.X), ey = std::abs(y - FDownCell.Y);
        if (ex <= ey)
            x = FDownCell.X + SignOf(x - FDownCell.X) * ey;
        else
            y = FDownCell.Y + SignOf(y - FDownCell.Y) * ex;
    }
    // Both ends lie on the board, so the square's side fits a coordinate.
    return {static_cast<int32_t>(x), static_cast<int32_t>(y)};
}

void TBoardMouse::MarkMove(TPoint cell, unsigned shift)
{
    if (FDraggingSelection) {
        FGlobals.Selection.DragBy(cell.X - FLastCell.X, cell.Y - FLastCell.Y,
                                  (shift & ssCtrl) != 0);
        return;
    }
    const TPoint corner = MarkCorner(cell, shift);
    FView.DrawMarkRect({FDownCell.X, FDownCell.Y, corner.X, corner.Y}, true);
}

void TBoardMouse::MarkRelease(TPoint pixel, unsigned shift)
{
    TSelection& selection = FGlobals.Selection;
    if (pixel == FDownPixel) {
        // A click, not a drag: nothing is marked.
        selection.SwitchOff();
        return;
    }
    const TPoint corner = MarkCorner(OnBoard(CellAt(pixel)), shift);
    if (selection.SetRectangle({FDownCell.X, FDownCell.Y, corner.X, corner.Y})) selection.Lift();
}

void TBoardMouse::PanMove(TPoint pixel)
{
    // The picture follows the pointer: the cell grabbed at the press stays under it.
    const int64_t dx = int64_t(FDownPixel.X) - pixel.X, dy = int64_t(FDownPixel.Y) - pixel.Y;
    const int32_t size = FView.CellSize();
    const int64_t cx = size >= 1 ? dx / size : dx * -int64_t(size);
    const int64_t cy = size >= 1 ? dy / size : dy * -int64_t(size);
    // At least one column and one row of the board stay in view, so that it can be grabbed
    // again.
    const TBoard& board = FGlobals.Board;
    const TPoint origin{ClampTo(FDownOrigin.X + cx, board.MinX(), board.MaxX()),
                        ClampTo(FDownOrigin.Y + cy, board.MinY(), board.MaxY())};
    if (origin == FPanOrigin) return;
    FPanOrigin = origin;
    FView.SetViewOrigin(origin.X, origin.Y);
    FView.Redraw(rdAll);
}
