#pragma once
// The board view: the mapping between cells and the pixels of the board area, the zoom ladder,
// the visible window, and painting the board through a canvas. It paints the cells a generation
// changes (as the engine's painter) and the selection's floating cells and frame (as the
// selection's painter); its owner wires it with `G.Painter = &view` and
// `G.Selection.SetPainter(&view)` and unwires it before destroying it.

#include "base/u_Geometry.h"
#include "edit/u_Selection.h"
#include "engine/u_Config.h"
#include "engine/u_StepPainter.h"
#include "view/u_Canvas.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct TGlobals;

// What Redraw paints beyond the background, the grid and the border.
enum TRedrawFlags : unsigned {
    rdBackground = 1,  // no meaning of its own: background, grid and border are always painted
    rdDrawCells = 2,   // the live cells
    rdTrackBounds = 4, // with the cells, make the board's live-cell box tight again
    rdAll = 7,
};

// The navigation keys Pan takes, by their key codes.
enum TPanDirection : int {
    pdUpRight = 33,
    pdDownRight = 34,
    pdDownLeft = 35,
    pdUpLeft = 36,
    pdLeft = 37,
    pdUp = 38,
    pdRight = 39,
    pdDown = 40,
};

// Cell shapes; single pixels are chosen by the view itself at the smallest sizes.
enum TCellShape : int {
    csPixel = 0,
    csBigSquare = 1,
    csSmallSquare = 2,
    csCircle = 3,
    csRectangle = 4,
};

// A scroll bar's range and state.
struct TScrollState {
    int32_t Min = 0;
    int32_t Max = 0;
    int32_t Position = 0;
    int32_t PageStep = 0;
    bool operator==(const TScrollState&) const = default;
};

inline constexpr int32_t kMinCellSize = -64;
inline constexpr int32_t kMaxCellSize = 21;
// Colour of the marking rectangle, drawn in exclusive-or.
inline constexpr TColor kMarkColor = 0x00FF00FF;

// "7" for sizes of one pixel and more, "1/4" for four cells to a pixel.
std::string CellSizeText(int32_t size);

class TBoardView : public TStepPainter, public TSelectionPainter {
public:
    explicit TBoardView(TGlobals& globals);
    TBoardView(const TBoardView&) = delete;
    TBoardView& operator=(const TBoardView&) = delete;

    // The owner sets the canvas and the board area's size, and redraws after changing either.
    void SetCanvas(TCanvas* canvas);
    void SetAreaSize(int32_t width, int32_t height);
    int32_t AreaWidth() const { return FWidth; }
    int32_t AreaHeight() const { return FHeight; }

    // The stored view values: grid, bold lines, sub-zoom painting, best-fit limit, cell size
    // and shape. Applying keeps the values safe to draw with and does not repaint.
    void ApplySettings(const TViewSettings& settings);
    const TViewSettings& Settings() const { return FSettings; }

    int32_t CellSize() const { return FSettings.CellSize; }
    int32_t CellShape() const { return FSettings.CellShape; }
    // Whether the zoom commands can change the size; the window enables them by these.
    bool CanZoomIn() const { return FSettings.CellSize < kMaxCellSize; }
    bool CanZoomOut() const { return FSettings.CellSize > kMinCellSize; }
    int32_t ViewLeft() const { return FViewLeft; }
    int32_t ViewTop() const { return FViewTop; }
    int32_t ViewCols() const { return FViewCols; }
    int32_t ViewRows() const { return FViewRows; }
    // What the scroll bars show after a redraw.
    TScrollState HorizontalScroll() const;
    TScrollState VerticalScroll() const;

    TPoint CellToPixel(int32_t x, int32_t y) const;
    TPoint PixelToCell(int32_t px, int32_t py) const;

    // Paints the whole area; `flags` is a set of TRedrawFlags.
    void Redraw(unsigned flags = rdAll);
    // Paints cell (x, y) in `state`'s colour, or with the current colour unless `setColor`,
    // when it is in the visible window.
    void DrawCell(int32_t x, int32_t y, bool setColor, int state);

    // Size and shape changes ask the window to refresh its commands (hints, checks, enabling).
    // Keeps the centre cell; no repaint.
    void SetCellSize(int32_t size);
    void SetCellShape(int32_t shape, bool repaint);
    void NextCellShape();
    void ZoomIn(bool repaint);
    void ZoomOut(bool repaint);
    // Zooms keeping cell (x, y) under the same pixel.
    void ZoomAt(int32_t x, int32_t y, bool repaint, bool zoomIn);
    void CenterOn(int32_t x, int32_t y, bool repaint);
    void CenterPattern(bool repaint);
    void BestFit(bool repaint);
    // Best fit, only when the live cells reach outside the visible window.
    void FitIfOutside();
    // `direction` a TPanDirection; `step` 1 one cell, 2 half the window, 10 a tenth of it.
    void Pan(int direction, int step);
    void SetViewOrigin(int32_t x, int32_t y);

    // Sets the cells of the straight line from `from` to `to` (with `to` when inclusive) to
    // `state`, painting them when `paint`.
    void DrawCellLine(TPoint from, TPoint to, bool paint, bool inclusive, uint8_t state);
    // Erases the marking rectangle shown before and, when `show`, shows `rect` instead.
    void DrawMarkRect(const TRect& rect, bool show);
    // Gives every live cell a random state 1..n and repaints it.
    void ColorizePattern(int n);

    // The window of the last redraw; in sub-zoom the changed blocks, whose pixels are then
    // painted whole from the board, as a redraw would paint them.
    TPaintRequest PaintRequest() const override;
    void PaintCells(uint8_t state, std::span<const TCellChange> cells) override;
    void PaintBlocks(std::span<const TPoint> blocks) override;
    void PaintWindow() override;
    void XorCells(std::span<const TPoint> cells) override;
    void ShowFrame(const TRect& rect, bool show) override { DrawMarkRect(rect, show); }

private:
    // One axis of the cell <-> pixel mapping, wide enough for any cell and any pixel.
    int64_t ToPixel(int64_t cell, int32_t origin) const;
    int64_t ToCell(int64_t pixel, int32_t origin) const;
    // The visible counts for the current size and area, before clamping to the board.
    void ComputeCounts();
    void ClampWindow();
    void ComputeWindow();
    TColor StateColor(int state) const;
    void SelectColor(TColor color);
    void PaintShape(int32_t x, int32_t y);
    void PaintGrid();
    void PaintBorder();
    void PaintLiveCells();
    // The non-empty blocks of the block rectangle `blocks`, into FBlocks.
    void CollectBlocks(const TRect& blocks);
    // Calls f(x, y, state) for every live cell of the collected blocks.
    template <class F>
    void ForEachCollectedCell(F&& f) const;
    // In sub-zoom: the state whose colour a redraw leaves on pixel (px, py).
    uint8_t PixelState(int32_t px, int32_t py) const;
    // Sub-zoom: the pixels that `cells` columns or rows of the window take, and the painting
    // of FDirtyPixels.
    int32_t PixelsOf(int32_t cells) const;
    void PaintDirtyPixels();
    // Runs `paint` with the exclusive-or overlays lifted.
    template <class F>
    void PaintUnderOverlays(F&& paint);
    void XorMarkFrame();
    void HideMarkRect();

    TGlobals& FGlobals;
    TNullCanvas FNoCanvas;
    TCanvas* FCanvas;
    int32_t FWidth = 0, FHeight = 0;

    // What the configuration keeps of the view: sizes, shape, grid and bold lines.
    TViewSettings FSettings;
    int32_t FViewLeft = 0, FViewTop = 0;
    int32_t FViewCols = 0, FViewRows = 0;

    TColor FColor = 0;
    bool FColorKnown = false; // FColor is the canvas's colour
    bool FMarkShown = false;
    TPixelRect FMarkRect;
    std::vector<TPoint> FBlocks;
    // Sub-zoom painting: which pixels a generation touched, as flags and as a list with the
    // state each shows, and the pixels under each block column and row of the window.
    struct TPixelSpan {
        int32_t First, Last;
    };
    std::vector<uint8_t> FDirty, FDirtyStates;
    std::vector<TPoint> FDirtyPixels;
    std::vector<TPixelSpan> FColumnPixels, FRowPixels;
    // The pixels a generation paints in one colour; kept for its capacity.
    std::vector<TPoint> FPixels;
};
