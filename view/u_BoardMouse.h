#pragma once
// The mouse on the board area: the five cursor modes (edit, mark, zoom, pan, colour picker),
// what a press, a move and a release of the left button do in each, the wheel, the status
// bar's coordinates and the cursor to show. The window maps its mouse events to these calls
// with pixels of the board area; one drag is under way at a time.

#include "base/u_Geometry.h"

#include <cstdint>
#include <string>

struct TGlobals;
class TBoardView;

enum TCursorMode : uint8_t {
    cmEdit = 0,
    cmMark = 1,
    cmZoom = 2,
    cmPan = 3,
    cmColorPicker = 4,
};
inline constexpr int kCursorModeCount = 5;

enum class TMouseButton { Left, Right, Middle };

// The modifier keys held during a mouse event, as a bit set.
enum TShiftState : unsigned {
    ssShift = 1,
    ssCtrl = 2,
    ssAlt = 4,
};

class TBoardMouse {
public:
    TBoardMouse(TGlobals& globals, TBoardView& view);
    TBoardMouse(const TBoardMouse&) = delete;
    TBoardMouse& operator=(const TBoardMouse&) = delete;

    uint8_t CursorMode() const { return FMode; }
    // Modes beyond the last read as edit.
    void SetCursorMode(uint8_t mode);

    // Only the left button edits; the others are the window's (the right one opens its menu).
    void Press(TMouseButton button, TPoint pixel, unsigned shift);
    void Move(TPoint pixel, unsigned shift);
    void Release(TMouseButton button, TPoint pixel, unsigned shift);
    // Zooms in (up) or out one step, with repaint.
    void Wheel(bool up);
    bool LeftDown() const { return FLeftDown; }

    // The status bar's coordinates field: "state (x,y)" of the cell under the pixel, or "-"
    // off the board.
    std::string CoordinatesText(TPoint pixel) const;
    // The name of the cursor image for the mode, the running state and, panning, the button.
    const char* CursorName() const;

private:
    TPoint CellAt(TPoint pixel) const;
    // The state a stroke sets: 0 with Shift, 1 with Ctrl, else the drawing state.
    uint8_t StrokeState(unsigned shift) const;
    // Sets the run of cells from `from` to `to`, both included, and paints them.
    void Stroke(TPoint from, TPoint to, unsigned shift);
    // The nearest cell of the board.
    TPoint OnBoard(TPoint cell) const;
    // The far corner of a marking rectangle from the down cell towards `cell`, a cell of the
    // board; with Shift the rectangle is a square of the larger extent.
    TPoint MarkCorner(TPoint cell, unsigned shift) const;
    void MarkMove(TPoint cell, unsigned shift);
    void MarkRelease(TPoint pixel, unsigned shift);
    void PanMove(TPoint pixel);
    // Whether a release at `pixel` on `cell` is a click on the down cell: a release on it more
    // than 2 pixels away from the press both across and down is not.
    bool IsClick(TPoint cell, TPoint pixel) const;

    TGlobals& FGlobals;
    TBoardView& FView;
    uint8_t FMode = cmEdit;

    // The drag under way. The press fields hold only when the press hit the board.
    bool FLeftDown = false;
    bool FDownOnBoard = false;
    bool FDraggingSelection = false;
    TPoint FDownCell, FDownPixel;
    TPoint FLastCell;
    TPoint FDownOrigin; // the view's top-left cell at the press
    TPoint FPanOrigin;  // the origin panning last set
};
