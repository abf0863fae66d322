#include "BoardFixture.h"
#include "TestCanvas.h"
#include "view/u_BoardMouse.h"
#include "view/u_BoardView.h"

#include <climits>
#include <initializer_list>

namespace {

class TBoardMouseTest : public TBoardTest {
protected:
    TTestCanvas Canvas{481, 341};
    TBoardView View{G};
    TBoardMouse Mouse{G, View};

    void SetUp() override
    {
        TBoardTest::SetUp();
        View.SetCanvas(&Canvas);
        View.SetAreaSize(Canvas.Width, Canvas.Height);
        G.Selection.SetPainter(&View);
        Board.SetStatesCount(5);
        UseSize(7, -20, -20);
    }
    void TearDown() override { G.Selection.SetPainter(nullptr); }

    void UseSize(int32_t size, int32_t left, int32_t top)
    {
        TViewSettings s = View.Settings();
        s.CellSize = size;
        View.ApplySettings(s);
        View.SetViewOrigin(left, top);
        View.Redraw();
    }
    // A pixel of cell (x, y), `dx` and `dy` pixels right of and below its corner.
    TPoint Px(int32_t x, int32_t y, int32_t dx = 3, int32_t dy = 3) const
    {
        const TPoint p = View.CellToPixel(x, y);
        return {p.X + dx, p.Y + dy};
    }
    void Click(TPoint p, unsigned shift = 0)
    {
        Mouse.Press(TMouseButton::Left, p, shift);
        Mouse.Release(TMouseButton::Left, p, shift);
    }
    // Presses at the first point, moves through the others and releases at the last.
    void Drag(std::initializer_list<TPoint> path, unsigned shift = 0)
    {
        Mouse.Press(TMouseButton::Left, *path.begin(), shift);
        for (const TPoint& p : path) Mouse.Move(p, shift);
        Mouse.Release(TMouseButton::Left, *(path.end() - 1), shift);
    }
};

TEST_F(TBoardMouseTest, EditClickSetsTheCellByKeysAndNeverToggles)
{
    Board.SetDrawingState(3);
    const TPoint p = Px(2, 2);
    Click(p);
    EXPECT_EQ(Board.GetCell(2, 2), 3);
    EXPECT_EQ(Canvas.At(p.X, p.Y), G.Palette.Colors.StateColor(3));
    EXPECT_TRUE(Board.IsModified());
    EXPECT_EQ(Host.Refreshed & (rfStatusBar | rfCursor | rfCaption),
              rfStatusBar | rfCursor | rfCaption);
    Click(p);
    EXPECT_EQ(Board.GetCell(2, 2), 3);
    Click(p, ssShift);
    EXPECT_EQ(Board.GetCell(2, 2), 0);
    Click(p, ssCtrl);
    EXPECT_EQ(Board.GetCell(2, 2), 1);
    Click(p, ssShift | ssCtrl);
    EXPECT_EQ(Board.GetCell(2, 2), 0);

    // Only the left button edits.
    Mouse.Press(TMouseButton::Right, p, 0);
    EXPECT_FALSE(Mouse.LeftDown());
    Mouse.Release(TMouseButton::Right, p, 0);
    EXPECT_EQ(Board.GetCell(2, 2), 0);
}

TEST_F(TBoardMouseTest, EditDragDrawsLinesAndTheStrokeIsOneUndoStep)
{
    Board.SetDrawingState(2);
    Board.SetCell(50, 50, 1); // an empty board is not snapped
    const int steps = G.Undo.Count();
    Mouse.Press(TMouseButton::Left, Px(0, 0, 1, 1), 0);
    Mouse.Move(Px(0, 0, 5, 5), 0); // still the pressed cell: nothing yet
    EXPECT_EQ(Board.LiveCount(), 1);
    Mouse.Move(Px(4, 2), 0);
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}})
        EXPECT_EQ(Board.GetCell(x, y), 2) << x << "," << y;
    Mouse.Move(Px(4, 4), 0);
    Mouse.Release(TMouseButton::Left, Px(4, 4), 0);
    EXPECT_EQ(Board.GetCell(4, 3), 2);
    EXPECT_EQ(Board.GetCell(4, 4), 2);
    EXPECT_EQ(Board.LiveCount(), 8);
    EXPECT_EQ(G.Undo.Count(), steps + 1);
    EXPECT_FALSE(Mouse.LeftDown());
}

TEST_F(TBoardMouseTest, ReleaseOnThePressedCellSetsItUnlessFarInBothDirections)
{
    Board.SetDrawingState(2);
    struct TCase {
        int32_t Dx, Dy; // release pixel within the cell; the press is at (1, 1)
        bool Set;
    };
    for (const TCase c : {TCase{5, 5, false}, {4, 4, false}, {4, 3, true}, {2, 6, true}}) {
        // Out of the cell with Ctrl, so that the drag leaves state 1, and back.
        Mouse.Press(TMouseButton::Left, Px(0, 0, 1, 1), ssCtrl);
        Mouse.Move(Px(1, 0), ssCtrl);
        Mouse.Move(Px(0, 0, c.Dx, c.Dy), ssCtrl);
        Mouse.Release(TMouseButton::Left, Px(0, 0, c.Dx, c.Dy), 0);
        EXPECT_EQ(Board.GetCell(1, 0), 1);
        EXPECT_EQ(Board.GetCell(0, 0), c.Set ? 2 : 1) << c.Dx << "," << c.Dy;

        // Without leaving the cell at all.
        Board.SetCell(5, 5, 0);
        Mouse.Press(TMouseButton::Left, Px(5, 5, 1, 1), 0);
        Mouse.Release(TMouseButton::Left, Px(5, 5, c.Dx, c.Dy), 0);
        EXPECT_EQ(Board.GetCell(5, 5), c.Set ? 2 : 0) << c.Dx << "," << c.Dy;
    }
}

TEST_F(TBoardMouseTest, PressesOffTheBoardStartNothing)
{
    UseSize(7, 90, 90); // columns and rows 100 on lie beyond the board
    const TPoint off = Px(103, 95);
    EXPECT_EQ(Mouse.CoordinatesText(off), "-");
    Click(Px(95, 95));
    Board.SetCell(95, 95, 0);
    // The cell pressed before is no start for a drag from off the board.
    Drag({off, Px(95, 95)});
    EXPECT_EQ(Board.LiveCount(), 0);

    Mouse.SetCursorMode(cmZoom);
    Drag({off, Px(95, 95)});
    EXPECT_EQ(View.CellSize(), 7);

    Mouse.SetCursorMode(cmPan);
    Drag({off, Px(91, 91)});
    EXPECT_EQ(View.ViewLeft(), 90);
    EXPECT_EQ(View.ViewTop(), 90);

    Mouse.SetCursorMode(cmColorPicker);
    Board.SetCell(95, 95, 3);
    Drag({Px(95, 95), off});
    EXPECT_EQ(Mouse.CursorMode(), cmColorPicker);
    EXPECT_EQ(Board.DrawingState(), 1);
}

TEST_F(TBoardMouseTest, MarkDragLiftsTheRectangleAndAClickEndsIt)
{
    Mouse.SetCursorMode(cmMark);
    TSelection& sel = G.Selection;
    Put({{1, 1}, {2, 2}, {9, 9}});
    Drag({Px(0, 0), Px(2, 2), Px(3, 4)});
    ASSERT_TRUE(sel.Active());
    EXPECT_EQ(sel.Rect(), (TRect{0, 0, 3, 4}));
    EXPECT_EQ(sel.Cells().Count(), 2u);
    EXPECT_EQ(Board.GetCell(1, 1), 0);

    // Other buttons leave it alone; a left click beside it drops the cells back.
    Mouse.Press(TMouseButton::Right, Px(10, 10), 0);
    Mouse.Release(TMouseButton::Right, Px(10, 10), 0);
    EXPECT_TRUE(sel.Active());
    Click(Px(10, 10));
    EXPECT_FALSE(sel.Active());
    EXPECT_EQ(Board.GetCell(1, 1), 1);
    EXPECT_EQ(Board.LiveCount(), 3);

    // Moving within one cell marks that cell; a click on it keeps it.
    Drag({Px(5, 5, 1, 1), Px(5, 5, 4, 4)});
    ASSERT_TRUE(sel.Active());
    EXPECT_EQ(sel.Rect(), (TRect{5, 5, 5, 5}));
    Click(Px(5, 5));
    EXPECT_TRUE(sel.Active());
    // A click without movement elsewhere ends it and marks nothing.
    Click(Px(7, 7));
    EXPECT_FALSE(sel.Active());
}

TEST_F(TBoardMouseTest, ShiftMarksASquareOfTheLargerExtentTowardsThePointer)
{
    Mouse.SetCursorMode(cmMark);
    struct TCase {
        TPoint To;
        TRect Square;
    };
    const TCase cases[] = {
        {{3, -6}, {0, -6, 6, 0}},
        {{-7, 2}, {-7, 0, 0, 7}},
        {{0, 4}, {0, 0, 4, 4}}, // no horizontal extent: the square grows to the right
        {{5, 0}, {0, 0, 5, 5}},
    };
    for (const TCase& c : cases) {
        Drag({Px(0, 0), Px(c.To.X, c.To.Y)}, ssShift);
        ASSERT_TRUE(G.Selection.Active());
        EXPECT_EQ(G.Selection.Rect(), c.Square) << c.To.X << "," << c.To.Y;
        Click(Px(15, 15));
    }
}

TEST_F(TBoardMouseTest, DraggingTheSelectionMovesItAndCtrlLeavesACopy)
{
    Mouse.SetCursorMode(cmMark);
    TSelection& sel = G.Selection;
    Put({{0, 0}, {1, 0}});
    Drag({Px(0, 0, 1, 1), Px(1, 0)});
    ASSERT_EQ(sel.Rect(), (TRect{0, 0, 1, 0}));

    Drag({Px(0, 0), Px(2, 1), Px(5, 3)});
    EXPECT_EQ(sel.Rect(), (TRect{5, 3, 6, 3}));
    EXPECT_EQ(Board.LiveCount(), 0);

    Drag({Px(5, 3), Px(5, 5), Px(5, 7)}, ssCtrl);
    EXPECT_EQ(sel.Rect(), (TRect{5, 7, 6, 7}));
    EXPECT_EQ(Board.GetCell(5, 3), 1);
    EXPECT_EQ(Board.GetCell(6, 3), 1);
    EXPECT_EQ(Board.LiveCount(), 2); // one copy, though Ctrl was held on every move

    Click(Px(20, 20));
    EXPECT_EQ(Board.GetCell(5, 7), 1);
    EXPECT_EQ(Board.GetCell(6, 7), 1);
    EXPECT_EQ(Board.LiveCount(), 4);

    // Dragged past the board's edge the selection stops there, and comes back to its place.
    UseSize(7, 80, 80);
    Board.SetCell(95, 95, 2);
    Drag({Px(95, 95, 1, 1), Px(95, 95, 2, 2)});
    ASSERT_EQ(sel.Rect(), (TRect{95, 95, 95, 95}));
    Mouse.Press(TMouseButton::Left, Px(95, 95), 0);
    Mouse.Move(Px(110, 95), 0);
    EXPECT_EQ(sel.Rect(), (TRect{99, 95, 99, 95}));
    Mouse.Move(Px(95, 95), 0);
    Mouse.Release(TMouseButton::Left, Px(95, 95), 0);
    EXPECT_EQ(sel.Rect(), (TRect{95, 95, 95, 95}));
}

TEST_F(TBoardMouseTest, ZoomClicksKeepTheCellUnderThePointerAndTheWheelZooms)
{
    Mouse.SetCursorMode(cmZoom);
    TPoint corner = View.CellToPixel(10, 5);
    Click(Px(10, 5));
    EXPECT_EQ(View.CellSize(), 9);
    EXPECT_EQ(View.PixelToCell(corner.X, corner.Y), (TPoint{10, 5}));
    corner = View.CellToPixel(10, 5);
    Click(Px(10, 5), ssShift);
    EXPECT_EQ(View.CellSize(), 7);
    EXPECT_EQ(View.PixelToCell(corner.X, corner.Y), (TPoint{10, 5}));
    // Released on another cell: no zoom.
    Drag({Px(10, 5), Px(11, 5)});
    EXPECT_EQ(View.CellSize(), 7);

    Mouse.Wheel(true);
    EXPECT_EQ(View.CellSize(), 9);
    Mouse.Wheel(false);
    Mouse.Wheel(false);
    EXPECT_EQ(View.CellSize(), 5);
}

TEST_F(TBoardMouseTest, ColorPickerTakesTheCellsStateAndReturnsToEdit)
{
    Board.SetCell(3, 3, 3);
    Board.SetCell(4, 4, 4);
    Mouse.SetCursorMode(cmColorPicker);
    Host.Refreshed = 0;
    Click(Px(3, 3));
    EXPECT_EQ(Board.DrawingState(), 3);
    EXPECT_EQ(Mouse.CursorMode(), cmEdit);
    EXPECT_TRUE(Host.Refreshed & rfCursor);

    // A state beyond the states in use gives the highest one.
    Board.SetStatesCount(3);
    Board.SetDrawingState(1);
    Mouse.SetCursorMode(cmColorPicker);
    Click(Px(4, 4));
    EXPECT_EQ(Board.DrawingState(), 2);
}

TEST_F(TBoardMouseTest, PanningMovesTheOriginWithThePointer)
{
    Mouse.SetCursorMode(cmPan);
    const TPoint down = Px(0, 0);
    Mouse.Press(TMouseButton::Left, down, 0);
    Mouse.Move({down.X - 35, down.Y - 20}, 0);
    EXPECT_EQ(View.ViewLeft(), -15);
    EXPECT_EQ(View.ViewTop(), -18); // 20 pixels are 2 whole cells
    Mouse.Move({down.X + 6, down.Y}, 0);
    EXPECT_EQ(View.ViewLeft(), -20);
    EXPECT_EQ(View.ViewTop(), -20);
    Mouse.Release(TMouseButton::Left, {down.X + 6, down.Y}, 0);

    // At one pixel a cell, every pixel moves the picture and the grabbed cell stays put.
    UseSize(1, -100, -50);
    Mouse.Press(TMouseButton::Left, {100, 100}, 0);
    for (int32_t i = 1; i <= 10; ++i) {
        Mouse.Move({100 - i, 100 + i}, 0);
        EXPECT_EQ(View.ViewLeft(), -100 + i);
        EXPECT_EQ(View.ViewTop(), -50 - i);
        EXPECT_EQ(View.PixelToCell(100 - i, 100 + i), (TPoint{0, 50})) << i;
    }
    Mouse.Release(TMouseButton::Left, {90, 110}, 0);

    // Below one pixel a cell, a pixel is several cells; the board stays in reach.
    UseSize(-4, -50, -50);
    Mouse.Press(TMouseButton::Left, {10, 10}, 0);
    Mouse.Move({0, 20}, 0);
    EXPECT_EQ(View.ViewLeft(), -10);
    EXPECT_EQ(View.ViewTop(), -90);
    Mouse.Move({INT_MIN, INT_MAX}, 0);
    EXPECT_EQ(View.ViewLeft(), Board.MaxX());
    EXPECT_EQ(View.ViewTop(), Board.MinY());
    Mouse.Release(TMouseButton::Left, {INT_MIN, INT_MAX}, 0);
}

TEST_F(TBoardMouseTest, CoordinatesShowStateAndCell)
{
    Board.SetCell(12, -5, 1);
    EXPECT_EQ(Mouse.CoordinatesText(Px(12, -5)), "1 (12,-5)");
    EXPECT_EQ(Mouse.CoordinatesText(Px(0, 0)), "0 (0,0)");
    EXPECT_EQ(Mouse.CoordinatesText({-1000, 5}), "-");
}

TEST_F(TBoardMouseTest, CursorFollowsModeRunningAndThePanButton)
{
    struct TCase {
        uint8_t Mode;
        const char* Stopped;
        const char* Running;
    };
    const TCase cases[] = {
        {cmEdit, "CRS_C_EDIT", "CRS_M_EDIT"},        {cmMark, "CRS_C_MARK", "CRS_M_MARK"},
        {cmZoom, "CRS_C_ZOOM", "CRS_M_ZOOM"},        {cmPan, "CRS_C_PANU", "CRS_M_PANU"},
        {cmColorPicker, "CRS_C_CPIK", "CRS_M_CPIK"}, {7, "CRS_C_EDIT", "CRS_M_EDIT"},
    };
    for (const TCase& c : cases) {
        Host.Refreshed = 0;
        Mouse.SetCursorMode(c.Mode);
        EXPECT_EQ(Host.Refreshed, rfCursor);
        EXPECT_STREQ(Mouse.CursorName(), c.Stopped);
        G.Run.Start();
        EXPECT_STREQ(Mouse.CursorName(), c.Running);
        G.Run.Stop();
    }
    EXPECT_EQ(Mouse.CursorMode(), cmEdit);

    Mouse.SetCursorMode(cmPan);
    Mouse.Press(TMouseButton::Left, Px(0, 0), 0);
    EXPECT_STREQ(Mouse.CursorName(), "CRS_C_PAND");
    G.Run.Start();
    EXPECT_STREQ(Mouse.CursorName(), "CRS_M_PANU");
    G.Run.Stop();
    Mouse.Release(TMouseButton::Left, Px(0, 0), 0);
    EXPECT_STREQ(Mouse.CursorName(), "CRS_C_PANU");
}

} // namespace
