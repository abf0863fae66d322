#include "BoardFixture.h"
#include "TestCanvas.h"
#include "view/u_BoardView.h"

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <random>
#include <set>
#include <tuple>
#include <utility>

namespace {

constexpr TColor kBack = 0x101010;
constexpr TColor kGrid = 0x202020;
constexpr TColor kBold = 0x303030;
constexpr TColor StateColorOf(int state)
{
    return 0x00AA0000 | TColor(state);
}

class TBoardViewTest : public TBoardTest {
protected:
    std::unique_ptr<TTestCanvas> Canvas;
    TBoardView View{G};

    void SetUp() override
    {
        TBoardTest::SetUp();
        TCPalette& p = G.Palette.Colors;
        p.SetColor(piBackground, kBack);
        p.SetColor(piGrid, kGrid);
        p.SetColor(piGridBold, kBold);
        for (int s = 1; s <= kPaletteStates; ++s) p.SetColor(piState1 + s - 1, StateColorOf(s));
        UseArea(481, 341);
    }
    void UseArea(int32_t width, int32_t height)
    {
        Canvas = std::make_unique<TTestCanvas>(width, height);
        View.SetCanvas(Canvas.get());
        View.SetAreaSize(width, height);
    }
    void Use(int32_t size, bool grid = true, int32_t shape = csBigSquare, bool bold = false)
    {
        TViewSettings s = View.Settings();
        s.CellSize = size;
        s.ShowGrid = grid;
        s.ShowBoldLines = bold;
        s.CellShape = shape;
        View.ApplySettings(s);
    }
};

// The pixel rectangle a cell fills, as offsets from its corner pixel.
struct TCellFill {
    int32_t Size;
    bool Grid;
    int32_t Shape;
    int32_t First; // first filled pixel after the corner
    int32_t Span;  // filled pixels across
    bool Full;     // every pixel of the span is filled (not a circle)
};

TEST_F(TBoardViewTest, CellsFillTheirPitchByGridAndShape)
{
    const TCellFill cases[] = {
        {7, true, csBigSquare, 1, 6, true},
        {7, false, csBigSquare, 1, 7, true},
        {7, true, csSmallSquare, 2, 4, true},
        {7, true, csRectangle, 1, 6, true},
        {3, true, csBigSquare, 1, 2, true},
        {3, false, csBigSquare, 1, 3, true},
        {2, true, csBigSquare, 1, 2, true},
        {2, false, csBigSquare, 1, 2, true},
        {1, true, csBigSquare, 0, 1, true},
        // Too small to tell small squares and circles from big squares.
        {5, true, csCircle, 1, 4, true},
        {5, false, csSmallSquare, 1, 5, true},
        {4, true, csSmallSquare, 1, 3, true},
        {9, true, csCircle, 1, 8, false},
    };
    for (const TCellFill& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "size " << c.Size << " grid " << c.Grid << " shape " << c.Shape);
        Use(c.Size, c.Grid, c.Shape);
        View.SetViewOrigin(-20, -20);
        Board.EmptyCells();
        Board.SetCell(-17, -18, 1);
        View.Redraw();
        const TPoint p = View.CellToPixel(-17, -18);
        EXPECT_EQ(p, (TPoint{3 * c.Size, 2 * c.Size}));
        const TPixelRect fill{p.X + c.First, p.Y + c.First, p.X + c.First + c.Span,
                              p.Y + c.First + c.Span};
        const int inFill = Canvas->Count(fill, StateColorOf(1));
        if (c.Full)
            EXPECT_EQ(inFill, c.Span * c.Span);
        else
            EXPECT_LT(inFill, c.Span * c.Span);
        EXPECT_GT(inFill, 0);
        EXPECT_EQ(Canvas->Count(StateColorOf(1)), inFill); // nothing outside the fill
    }
}

TEST_F(TBoardViewTest, GridAndBorderLinesSitOnTheCellCorners)
{
    Use(7, true);
    Board.SetSize(400, 300);
    View.SetViewOrigin(-100, -100);
    View.Redraw();
    EXPECT_EQ(View.ViewCols(), 68); // (481 - 1) div 7
    EXPECT_EQ(View.ViewRows(), 48);
    EXPECT_EQ(Canvas->At(7, 3), kGrid);
    EXPECT_EQ(Canvas->At(3, 14), kGrid);
    EXPECT_EQ(Canvas->At(3, 3), kBack);
    // The border just beyond the last column and row.
    EXPECT_EQ(Canvas->At(68 * 7 + 1, 10), kBold);
    EXPECT_EQ(Canvas->At(68 * 7 + 2, 10), kBold);
    EXPECT_EQ(Canvas->At(68 * 7 + 3, 10), kBack);
    EXPECT_EQ(Canvas->At(10, 48 * 7 + 2), kBold);
}

TEST_F(TBoardViewTest, BoldLinesFallOnMultiplesOfTheStepOnBothSidesOfZero)
{
    Use(7, true, csBigSquare, true);
    View.SetViewOrigin(-7, -7);
    View.Redraw();
    // Columns -5, 0, 5 are 2, 7 and 12 columns from the left edge.
    for (int i : {2, 7, 12}) EXPECT_EQ(Canvas->At(i * 7, 3), kBold) << i;
    for (int i : {1, 3, 6, 8}) EXPECT_EQ(Canvas->At(i * 7, 3), kGrid) << i;

    // At size 3 only the bold lines are drawn.
    Use(3, true, csBigSquare, true);
    View.SetViewOrigin(-7, -7);
    View.Redraw();
    EXPECT_EQ(Canvas->Count(kGrid), 0);
    EXPECT_EQ(Canvas->At(2 * 3, 1), kBold);
    EXPECT_EQ(Canvas->At(1 * 3, 1), kBack);
}

TEST_F(TBoardViewTest, VisibleWindowFollowsSizeAreaAndBoard)
{
    Board.SetSize(4000, 2000);
    Use(-2);
    View.SetViewOrigin(-1500, -500);
    View.Redraw();
    EXPECT_EQ(View.ViewCols(), 960);
    // A narrower board cuts the window at its right edge.
    Board.SetSize(200, 200);
    View.SetViewOrigin(-100, -100);
    View.Redraw();
    EXPECT_EQ(View.ViewCols(), 200);
    // The left edge never goes below the board.
    View.SetViewOrigin(-5000, -5000);
    EXPECT_EQ(View.ViewLeft(), -100);
    EXPECT_EQ(View.ViewTop(), -100);
    EXPECT_EQ(View.HorizontalScroll(), (TScrollState{-100, 99, -100, 50}));

    // Areas too small for a cell, and windows beyond the board, show no cells.
    for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {2, 9}}) {
        UseArea(w, h);
        for (int32_t size : {-64, 1, 21}) {
            Use(size);
            View.Redraw();
            EXPECT_GE(View.ViewCols(), 0);
            EXPECT_GE(View.ViewRows(), 0);
        }
    }
    UseArea(100, 100);
    Use(7);
    View.SetViewOrigin(5000, 5000);
    EXPECT_EQ(View.ViewCols(), 0);
    View.Pan(pdLeft, 2); // half of nothing is nothing, not a step backwards
    EXPECT_EQ(View.ViewLeft(), 98);
}

TEST_F(TBoardViewTest, CellAndPixelMapBackAndForthAtEverySize)
{
    Board.SetSize(2000, 1000);
    for (int32_t size : {-64, -8, -2, 1, 2, 3, 7, 21}) {
        SCOPED_TRACE(size);
        Use(size);
        View.SetViewOrigin(-300, -200);
        View.Redraw();
        for (TPoint cell : {TPoint{-300, -200}, TPoint{-237, -101}, TPoint{-1, 0}}) {
            const TPoint p = View.CellToPixel(cell.X, cell.Y);
            if (size >= 1) {
                EXPECT_EQ(View.PixelToCell(p.X, p.Y), cell);
                EXPECT_EQ(View.PixelToCell(p.X + size - 1, p.Y + size - 1), cell);
            } else {
                // k x k cells share the pixel; it maps back to the group's first cell.
                const TPoint back = View.PixelToCell(p.X, p.Y);
                EXPECT_EQ((cell.X - back.X), (cell.X + 300) % -size);
                EXPECT_EQ((cell.Y - back.Y), (cell.Y + 200) % -size);
            }
        }
    }
}

TEST_F(TBoardViewTest, ZoomAtKeepsTheClickedCellUnderThePointer)
{
    Board.SetSize(8000, 2000);
    for (size_t start = 0; start < 18; ++start) {
        for (bool in : {true, false}) {
            Use(7);
            View.CenterOn(0, 0, false);
            Use(std::array{-64, -32, -16, -8, -4, -2, 1, 2, 3, 4, 5, 7, 9, 11, 13, 15, 17,
                           21}[start]);
            View.Redraw();
            const TPoint cell{View.ViewLeft() + View.ViewCols() / 3,
                              View.ViewTop() + View.ViewRows() / 5};
            const TPoint pointer = View.CellToPixel(cell.X, cell.Y);
            // Without the repaint, which would clamp the window at the board's edges.
            View.ZoomAt(cell.X, cell.Y, false, in);
            EXPECT_EQ(View.PixelToCell(pointer.X, pointer.Y), cell)
                << "from size index " << start << (in ? " in" : " out");
        }
    }
}

TEST_F(TBoardViewTest, ZoomWalksTheLadderAndStopsAtItsEnds)
{
    Use(21);
    Host.Refreshed = 0;
    int before = Canvas->ColorChanges;
    View.ZoomIn(true);
    EXPECT_EQ(View.CellSize(), 21);
    EXPECT_FALSE(View.CanZoomIn());
    EXPECT_EQ(Canvas->ColorChanges, before); // no repaint
    EXPECT_EQ(Host.Refreshed, 0u);
    Use(-64);
    before = Canvas->ColorChanges;
    View.ZoomOut(true);
    EXPECT_EQ(View.CellSize(), -64);
    EXPECT_FALSE(View.CanZoomOut());
    EXPECT_EQ(Canvas->ColorChanges, before);

    Use(5);
    View.ZoomIn(false);
    EXPECT_EQ(View.CellSize(), 7);
    Use(1);
    View.ZoomOut(false);
    EXPECT_EQ(View.CellSize(), -2);
    EXPECT_EQ(CellSizeText(View.CellSize()), "1/2");
    // A size between two steps of the ladder zooms to the neighbouring steps.
    Use(6);
    View.ZoomIn(false);
    EXPECT_EQ(View.CellSize(), 7);
    Use(6);
    View.ZoomOut(false);
    EXPECT_EQ(View.CellSize(), 5);
}

TEST_F(TBoardViewTest, SetCellSizeKeepsTheCentreCell)
{
    Board.SetSize(8000, 2500);
    Use(7);
    View.CenterOn(123, -45, false);
    EXPECT_EQ(View.ViewLeft() + View.ViewCols() / 2, 123);
    for (int32_t size : {21, -4, 3}) {
        Use(size);
        EXPECT_EQ(View.ViewLeft() + View.ViewCols() / 2, 123) << size;
        EXPECT_EQ(View.ViewTop() + View.ViewRows() / 2, -45) << size;
    }
    Use(500); // clamped
    EXPECT_EQ(View.CellSize(), 21);
    Use(0); // ignored
    EXPECT_EQ(View.CellSize(), 21);
}

TEST_F(TBoardViewTest, SubZoomShowsTheHighestStateOfAPixel)
{
    Board.SetStatesCount(4);
    Use(-2);
    View.SetViewOrigin(-10, -10);
    Board.SetCell(-10, -10, 3);
    Board.SetCell(-9, -10, 1);
    Board.SetCell(-7, -9, 1);
    Board.SetCell(-8, -10, 1);
    Board.SetCell(-8, -9, 2);
    View.Redraw();
    EXPECT_EQ(Canvas->At(0, 0), StateColorOf(3));
    EXPECT_EQ(Canvas->At(1, 0), StateColorOf(2));
    EXPECT_EQ(Canvas->At(2, 0), kBack);

    // Painting one representative cell per pixel: the one on multiples of 2.
    TViewSettings s = View.Settings();
    s.OptSubzoomRedraw = true;
    View.ApplySettings(s);
    Board.SetCell(-10, -10, 0);
    View.Redraw();
    EXPECT_EQ(Canvas->At(0, 0), kBack);
    EXPECT_EQ(Canvas->At(1, 0), StateColorOf(1));
}

TEST_F(TBoardViewTest, CellColoursAreClampedToTheStatesInUse)
{
    Use(7);
    View.SetViewOrigin(-10, -10);
    View.Redraw();
    const TPoint p = View.CellToPixel(-10, -10);
    const std::tuple<int, int, TColor> cases[] = {
        {2, 5, StateColorOf(1)}, {4, 7, StateColorOf(3)}, {25, 24, StateColorOf(24)},
        {4, 0, kBack},           {4, 2, StateColorOf(2)},
    };
    for (auto [count, state, color] : cases) {
        Board.SetStatesCount(count);
        View.DrawCell(-10, -10, true, state);
        EXPECT_EQ(Canvas->At(p.X + 1, p.Y + 1), color) << count << " " << state;
        const TCellChange change{-10, -10, uint8_t(state)};
        View.PaintCells(uint8_t(state), {&change, 1});
        EXPECT_EQ(Canvas->At(p.X + 1, p.Y + 1), color) << count << " " << state;
    }
    // Cells outside the window are not painted, and the colour is set only when it changes.
    const auto pixels = Canvas->Pixels;
    const int changes = Canvas->ColorChanges;
    View.DrawCell(-11, -10, true, 1);
    View.DrawCell(-10 + View.ViewCols(), -10, true, 1);
    EXPECT_EQ(Canvas->Pixels, pixels);
    View.DrawCell(-9, -10, true, 1);
    View.DrawCell(-8, -10, true, 1);
    EXPECT_EQ(Canvas->ColorChanges, changes + 1);
}

// Pattern columns and area width giving r pixels per cell, and the size best fit chooses.
struct TFitCase {
    int32_t AreaWidth;
    int32_t PatternWidth;
    int32_t MaxSize;
    int32_t Expected;
};

TEST_F(TBoardViewTest, BestFitPicksTheLargestSizeThatFits)
{
    Board.SetSize(4000, 1000);
    const TFitCase cases[] = {{500, 100, 11, 5},   {690, 100, 21, 5},   {2190, 100, 21, 17},
                              {2200, 100, 21, 21}, {482, 1, 11, 11},    {482, 1, 21, 21},
                              {1000, 100, 21, 9},  {500, 500, 21, 1},   {500, 1000, 21, -2},
                              {500, 1001, 21, -4}, {100, 3500, 21, -64}};
    for (const TFitCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.AreaWidth << " / " << c.PatternWidth);
        UseArea(c.AreaWidth, 338);
        TViewSettings s = View.Settings();
        s.MaxBestFitCellSize = c.MaxSize;
        View.ApplySettings(s);
        Board.EmptyCells();
        Board.RecomputeLiveBox(false);
        const int32_t left = -c.PatternWidth / 2, right = left + c.PatternWidth - 1;
        Board.SetCell(left, 3, 1);
        Board.SetCell(right, 3, 1);
        View.BestFit(true);
        EXPECT_EQ(View.CellSize(), c.Expected);
        if (View.ViewCols() < Board.Width()) {
            EXPECT_EQ(View.ViewLeft() + View.ViewCols() / 2, (left + right) / 2);
        }
    }

    // An empty board: size 7 around (0, 0).
    Board.Clear(false);
    View.BestFit(false);
    EXPECT_EQ(View.CellSize(), 7);
    EXPECT_EQ(View.ViewLeft() + View.ViewCols() / 2, 0);
    EXPECT_EQ(View.ViewTop() + View.ViewRows() / 2, 0);
}

TEST_F(TBoardViewTest, FitIfOutsideFitsOnlyWhenCellsLeaveTheWindow)
{
    Use(7);
    View.SetViewOrigin(-30, -20);
    View.Redraw();
    Board.SetCell(-30, -20, 1);
    Board.SetCell(-30 + View.ViewCols() - 1, -20 + View.ViewRows() - 1, 1);
    View.FitIfOutside();
    EXPECT_EQ(View.CellSize(), 7);
    EXPECT_EQ(View.ViewLeft(), -30);
    Board.SetCell(-30 + View.ViewCols() + 1, -20, 1);
    View.FitIfOutside();
    EXPECT_EQ(View.CellSize(), 5);
}

TEST_F(TBoardViewTest, PanMovesByTheStepAndStaysOnTheBoard)
{
    Board.SetSize(1000, 1000);
    UseArea(141, 141); // 20 columns at size 7
    Use(7);
    View.SetViewOrigin(0, 0);
    View.Redraw();
    ASSERT_EQ(View.ViewCols(), 20);
    const std::tuple<int, int, int, int> moves[] = {
        {pdRight, 10, 2, 0},    {pdRight, 2, 10, 0},     {pdLeft, 1, -1, 0},
        {pdDown, 10, 0, 2},     {pdUpLeft, 2, -10, -10}, {pdDownRight, 1, 1, 1},
        {pdUpRight, 10, 2, -2}, {pdDownLeft, 7, -1, 1},
    };
    for (auto [direction, step, dx, dy] : moves) {
        View.SetViewOrigin(0, 0);
        View.Pan(direction, step);
        EXPECT_EQ(View.ViewLeft(), dx) << direction << " by " << step;
        EXPECT_EQ(View.ViewTop(), dy) << direction << " by " << step;
    }

    // A tenth of 9 columns is nothing: no move and no repaint.
    UseArea(64, 64);
    View.SetViewOrigin(0, 0);
    View.Redraw();
    ASSERT_EQ(View.ViewCols(), 9);
    const int changes = Canvas->ColorChanges;
    View.Pan(pdRight, 10);
    EXPECT_EQ(View.ViewLeft(), 0);
    EXPECT_EQ(Canvas->ColorChanges, changes);

    // At the edges: never left of the board, at most to its second-last column.
    View.SetViewOrigin(-500, 0);
    View.Pan(pdLeft, 2);
    EXPECT_EQ(View.ViewLeft(), -500);
    View.SetViewOrigin(497, 0);
    View.Pan(pdRight, 2);
    EXPECT_EQ(View.ViewLeft(), 498);
}

TEST_F(TBoardViewTest, CellLinesSetEveryCellBetweenTheEnds)
{
    Board.SetStatesCount(3);
    Use(7);
    View.SetViewOrigin(-10, -10);
    View.Redraw();
    const auto liveCells = [&] {
        std::set<std::pair<int, int>> cells;
        for (int x = -100; x < 100; ++x)
            for (int y = -100; y < 100; ++y)
                if (Board.GetCell(x, y) != 0) cells.insert({x, y});
        return cells;
    };
    using TCells = std::set<std::pair<int, int>>;

    View.DrawCellLine({0, 0}, {3, 1}, true, true, 2);
    EXPECT_EQ(liveCells(), (TCells{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    const TPoint p = View.CellToPixel(3, 1);
    EXPECT_EQ(Canvas->At(p.X + 1, p.Y + 1), StateColorOf(2));

    Board.EmptyCells();
    View.DrawCellLine({0, 0}, {3, 1}, false, false, 1);
    EXPECT_EQ(liveCells(), (TCells{{0, 0}, {1, 0}, {2, 0}}));

    Board.EmptyCells();
    View.DrawCellLine({2, 5}, {0, 0}, false, true, 1);
    EXPECT_EQ(liveCells(), (TCells{{2, 5}, {2, 4}, {1, 3}, {1, 2}, {0, 1}, {0, 0}}));

    Board.EmptyCells();
    View.DrawCellLine({4, 4}, {4, 4}, false, true, 1);
    EXPECT_EQ(liveCells(), (TCells{{4, 4}}));
    View.DrawCellLine({5, 5}, {5, 5}, false, false, 1);
    EXPECT_EQ(Board.GetCell(5, 5), 0);

    // Ends far beyond the board: only the cells on it, in no more steps than the board is wide.
    Board.EmptyCells();
    View.DrawCellLine({INT_MIN, 7}, {INT_MAX, 7}, false, true, 1);
    EXPECT_EQ(Board.LiveCount(), 200);
    Board.EmptyCells();
    View.DrawCellLine({1000000000, 1000000000}, {-1000000000, -1000000000}, false, true, 1);
    EXPECT_EQ(Board.LiveCount(), 200);
    EXPECT_EQ(Board.GetCell(-100, -100), 1);
    EXPECT_EQ(Board.GetCell(37, 37), 1);
}

TEST_F(TBoardViewTest, MarkRectangleIsAThickXorFrameThatErasesItself)
{
    Use(7);
    View.SetViewOrigin(-10, -10);
    View.Redraw();
    const auto clean = Canvas->Pixels;
    View.DrawMarkRect({-5, -6, -8, -9}, true); // corners in any order
    const TPoint a = View.CellToPixel(-8, -9), b = View.CellToPixel(-4, -5);
    EXPECT_EQ(Canvas->At(a.X, a.Y + 10), kGrid ^ kMarkColor);
    EXPECT_EQ(Canvas->At(a.X - 1, a.Y + 10), kBack ^ kMarkColor);
    EXPECT_EQ(Canvas->At(a.X + 1, a.Y + 10), kBack ^ kMarkColor);
    EXPECT_EQ(Canvas->At(a.X + 2, a.Y + 10), kBack);
    EXPECT_EQ(Canvas->At(b.X - 1, b.Y - 1), kBack ^ kMarkColor); // corners flipped once
    View.DrawMarkRect({0, 0, 2, 2}, true);                       // moves
    View.DrawMarkRect({}, false);
    EXPECT_EQ(Canvas->Pixels, clean);

    // A frame reaching far beyond the area keeps its sides out of sight.
    View.DrawMarkRect({INT_MIN, -9, INT_MAX, INT_MAX}, true);
    EXPECT_EQ(Canvas->At(1, a.Y + 1), kBack ^ kMarkColor);
    View.DrawMarkRect({}, false);
    EXPECT_EQ(Canvas->Pixels, clean);
}

TEST_F(TBoardViewTest, RedrawKeepsTheSelectionShownOnce)
{
    G.Painter = &View;
    G.Selection.SetPainter(&View);
    Use(7);
    View.SetViewOrigin(-10, -10);
    Put({{-8, -8}, {-7, -8}});
    View.Redraw();
    ASSERT_TRUE(G.Selection.SetRectangle({-9, -9, -6, -6}));
    G.Selection.Lift();
    const TPoint cell = View.CellToPixel(-8, -8), frame = View.CellToPixel(-9, -9);
    for (int i = 0; i < 2; ++i) {
        View.Redraw();
        EXPECT_EQ(Canvas->At(cell.X + 3, cell.Y + 3), kBack ^ kMarkColor);
        EXPECT_EQ(Canvas->At(frame.X + 1, frame.Y + 3), kBack ^ kMarkColor);
    }
    G.Selection.SwitchOff();
    View.Redraw();
    EXPECT_EQ(Canvas->At(cell.X + 3, cell.Y + 3), StateColorOf(1));
    EXPECT_EQ(Canvas->Count(kBack ^ kMarkColor), 0);
    G.Selection.SetPainter(nullptr);
    G.Painter = nullptr;
}

TEST_F(TBoardViewTest, GenerationsPaintWhatARedrawWould)
{
    G.Painter = &View;
    UseGame(gmGenerations, "345/2/4"); // dying cells take further colours
    for (int32_t size : {7, -2}) {
        Use(size);
        View.SetViewOrigin(-20, -20);
        Board.EmptyCells();
        Put({{0, 0}, {1, 0}, {2, 0}, {1, 1}, {-19, -19}});
        View.Redraw();
        for (int i = 0; i < 3; ++i) Board.Step(true);
        const auto painted = Canvas->Pixels;
        View.Redraw();
        EXPECT_EQ(Canvas->Pixels, painted) << size;
    }
    G.Painter = nullptr;
}

TEST_F(TBoardViewTest, GenerationsUnderAShownSelectionLeaveNoTraceOfIt)
{
    G.Painter = &View;
    G.Selection.SetPainter(&View);
    Use(2, false); // cells reach under the frame's pixels
    View.SetViewOrigin(-20, -20);
    Put({{-1, 0}, {0, 0}, {1, 0}, {5, 5}, {6, 5}});
    View.Redraw();
    // A selection over part of the blinker, its floating cells kept while the board runs.
    ASSERT_TRUE(G.Selection.SetRectangle({0, -1, 7, 6}));
    G.Selection.Lift();
    for (int i = 0; i < 3; ++i) Board.Step(true);
    G.Selection.SwitchOff();
    const auto painted = Canvas->Pixels;
    View.Redraw();
    EXPECT_EQ(Canvas->Pixels, painted);
    G.Selection.SetPainter(nullptr);
    G.Painter = nullptr;
}

TEST_F(TBoardViewTest, ColorizeGivesEveryLiveCellAStateInUse)
{
    Board.SetStatesCount(3);
    Use(7);
    View.SetViewOrigin(-10, -10);
    View.Redraw();
    Put({{-5, -5}, {0, 0}, {3, 4}, {50, 60}, {-99, 99}});
    std::set<int> seen;
    for (int round = 0; round < 20; ++round) {
        View.ColorizePattern(Board.StatesCount() - 1);
        for (auto [x, y] : {std::pair{-5, -5}, {0, 0}, {3, 4}, {50, 60}, {-99, 99}}) {
            const int state = Board.GetCell(x, y);
            EXPECT_TRUE(state == 1 || state == 2);
            seen.insert(state);
        }
    }
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(Board.LiveCount(), 5);
    const TPoint p = View.CellToPixel(0, 0);
    EXPECT_EQ(Canvas->At(p.X + 1, p.Y + 1), StateColorOf(Board.GetCell(0, 0)));
}

TEST_F(TBoardViewTest, RedrawOfTheLargestBoardPaintsOnlyTheWindow)
{
    Board.SetSize(TBoard::kMaxWidth, TBoard::kMaxHeight);
    for (int x = -50000; x < 50000; x += 997) Board.SetCell(x, 1249 - (x & 1023), 1);
    // Counts fills without keeping pixels, for an area too big to hold.
    struct TCount : TNullCanvas {
        void FillRect(const TPixelRect&) override { ++Fills; }
        long Fills = 0;
    } count;
    for (int32_t size : {-64, 21}) {
        View.SetCanvas(&count);
        View.SetAreaSize(20000, 9000);
        Use(size);
        View.SetViewOrigin(-60000, -2000);
        count.Fills = 0;
        View.Redraw();
        const long visible = int64_t(View.ViewCols()) * View.ViewRows();
        EXPECT_LE(count.Fills, 1 + std::min<long>(visible, Board.LiveCount())) << size;
    }
}

} // namespace

// Only the changes inside the window are listed, and in sub-zoom the touched pixels are painted
// whole from the board; either way a drawn run leaves what a full repaint would paint.
TEST_F(TBoardViewTest, DrawnSoupsLeaveWhatARedrawPaintsAtEveryZoomAndAfterPans)
{
    G.Painter = &View;
    Board.SetSize(2000, 400);
    struct TCase {
        int32_t Size;
        bool Sampled;
        int Game;
        const char* Rule;
    };
    const TCase cases[] = {
        {7, false, gmLife, "23/3"},           {1, false, gmLife, "23/3"},
        {-2, false, gmLife, "23/3"},          {-16, false, gmLife, "23/3"},
        {-4, true, gmLife, "23/3"},           {-2, false, gmGenerations, "345/2/4"},
        {-8, false, gmGenerations, "345/2/4"}};
    for (const TCase& c : cases) {
        UseGame(c.Game, c.Rule);
        Use(c.Size, false);
        TViewSettings s = View.Settings();
        s.OptSubzoomRedraw = c.Sampled;
        View.ApplySettings(s);
        Board.EmptyCells();
        std::mt19937 random(uint32_t(c.Size + 100));
        for (int32_t y = -150; y < 150; ++y)
            for (int32_t x = -900; x < 900; ++x)
                if (random() % 3 == 0) Board.SetCell(x, y, 1);
        View.CenterOn(-700, -100, false);
        View.Redraw();
        for (const int pan : {0, int(pdRight), int(pdDown)}) {
            if (pan != 0) View.Pan(pan, 10);
            for (int i = 0; i < 4; ++i) Board.Step(true);
            const auto painted = Canvas->Pixels;
            View.Redraw();
            EXPECT_EQ(Canvas->Pixels, painted) << c.Size << " " << c.Rule << " pan " << pan;
        }
    }
    G.Painter = nullptr;
}
