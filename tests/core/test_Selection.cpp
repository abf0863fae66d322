#include "BoardFixture.h"
#include "io/u_LoadedPattern.h"

#include <map>
#include <string>
#include <utility>

namespace {

// Counts how often each board cell was painted in XOR; a cell painted an odd number of times
// is on the screen.
class TXorCounter : public TSelectionPainter {
public:
    void XorCells(std::span<const TPoint> cells) override
    {
        for (const TPoint& c : cells) Painted[{c.X, c.Y}] ^= 1;
    }
    void ShowFrame(const TRect& rect, bool show) override
    {
        Frame = rect;
        FrameShown = show;
    }
    std::map<std::pair<int, int>, int> OnScreen() const
    {
        std::map<std::pair<int, int>, int> shown;
        for (const auto& [cell, odd] : Painted)
            if (odd) shown[cell] = 1;
        return shown;
    }

    std::map<std::pair<int, int>, int> Painted;
    TRect Frame;
    bool FrameShown = false;
};

class TSelectionTest : public TBoardTest {
protected:
    TSelection& Sel = G.Selection;

    // Floating cells as "dx,dy=state" in a fixed order, for comparing whole sets.
    std::string Floating() const
    {
        std::map<std::pair<int, int>, int> cells;
        Sel.Cells().ForEach([&](int32_t dx, int32_t dy, uint8_t s) { cells[{dx, dy}] = s; });
        std::string text;
        for (const auto& [at, s] : cells)
            text += std::to_string(at.first) + "," + std::to_string(at.second) + "=" +
                    std::to_string(s) + " ";
        return text;
    }
    // Marks `r` the way the mouse does: set the rectangle, lift what is inside.
    void Mark(const TRect& r)
    {
        ASSERT_TRUE(Sel.SetRectangle(r));
        Sel.Lift();
    }
};

} // namespace

TEST_F(TSelectionTest, SetRectangleNormalisesAndCutsToTheBoard)
{
    EXPECT_TRUE(Sel.SetRectangle({10, 5, 2, 1})); // corners given the other way round
    EXPECT_EQ(Sel.Rect(), (TRect{2, 1, 10, 5}));
    EXPECT_TRUE(Sel.Active());
    EXPECT_TRUE(Sel.PointIn(2, 5));
    EXPECT_FALSE(Sel.PointIn(11, 5));

    EXPECT_TRUE(Sel.SetRectangle({150, 90, -150, 120}));
    EXPECT_EQ(Sel.Rect(), (TRect{-100, 90, 99, 99}));
}

TEST_F(TSelectionTest, RectangleMissingTheBoardSelectsNothing)
{
    Mark({0, 0, 4, 4});
    EXPECT_FALSE(Sel.SetRectangle({5000, 5000, 6000, 6000}));
    EXPECT_FALSE(Sel.Active());
    EXPECT_FALSE(Sel.PointIn(5000, 5000));
}

TEST_F(TSelectionTest, LiftTakesTheCellsAndSwitchingOffPutsThemBack)
{
    Board.SetCell(1, 1, 3);
    Board.SetCell(4, 2, 1);
    Board.SetCell(9, 9, 1); // outside
    const int undoSteps = G.Undo.Count();
    Mark({0, 0, 5, 5});
    EXPECT_EQ(G.Undo.Count(), undoSteps + 1);
    EXPECT_EQ(G.Undo.Step(G.Undo.Count() - 1).Event, TUndoEvent::Selection);
    EXPECT_EQ(Floating(), "1,1=3 4,2=1 ");
    EXPECT_EQ(Board.LiveCount(), 1);

    Sel.MoveBy(10, 20);
    Sel.SwitchOff();
    EXPECT_FALSE(Sel.Active());
    EXPECT_EQ(Sel.Cells().Count(), 0u);
    EXPECT_EQ(Board.GetCell(11, 21), 3);
    EXPECT_EQ(Board.GetCell(14, 22), 1);
    EXPECT_EQ(Board.LiveCount(), 3);
}

TEST_F(TSelectionTest, ClearDiscardsTheLiftedCells)
{
    Put({{1, 1}, {2, 2}});
    Mark({0, 0, 5, 5});
    Sel.Clear();
    Sel.SwitchOff(); // a later click elsewhere
    EXPECT_FALSE(Sel.Active());
    EXPECT_EQ(Board.LiveCount(), 0);
    EXPECT_EQ(Host.Sounds, (std::vector<std::string>{"SND_DELETE"}));
}

TEST_F(TSelectionTest, FloatingStateZeroClearsItsBoardCellWhenDropped)
{
    Board.SetCell(3, 3, 2);
    Sel.SetRectangle({0, 0, 5, 5});
    Sel.AddCell(3, 3, 0);
    Sel.AddCell(3, 3, 1); // the place is taken: the first stays
    EXPECT_TRUE(Sel.IsCellIn(3, 3));
    EXPECT_EQ(Sel.GetCellVal(3, 3), 0);
    Sel.SwitchOff();
    EXPECT_EQ(Board.GetCell(3, 3), 0);
}

TEST_F(TSelectionTest, RotatingAThreeCellLine)
{
    Put({{0, 0}, {1, 0}, {2, 0}});
    Mark({0, 0, 2, 0});
    Sel.Rotate90();
    EXPECT_EQ(Floating(), "1,-1=1 1,0=1 1,1=1 ");
    EXPECT_EQ(Sel.Rect(), (TRect{0, 0, 2, 0})); // the rectangle stays

    Sel.Rotate270();
    EXPECT_EQ(Floating(), "0,0=1 1,0=1 2,0=1 ");

    Sel.SwitchOff();
    Put({{0, 0}, {0, 1}, {0, 2}});
    Mark({0, 0, 0, 2});
    Sel.Rotate90();
    EXPECT_EQ(Floating(), "-1,1=1 0,1=1 1,1=1 ");
}

TEST_F(TSelectionTest, RotationCentreRoundsHalvesToEven)
{
    // Across 0..3 the centre 1.5 rounds up to 2; turning back, down -1..2 gives 0.5, down to 0.
    Put({{0, 0}, {3, 0}});
    Mark({0, 0, 3, 0});
    Sel.Rotate90();
    EXPECT_EQ(Floating(), "2,-1=1 2,2=1 ");
    Sel.Rotate270();
    EXPECT_EQ(Floating(), "0,0=1 3,0=1 ");
    Sel.Clear();

    // Across 0..5 the centre 2.5 rounds down to 2.
    Put({{0, 0}, {5, 0}});
    Mark({0, 0, 5, 0});
    Sel.Rotate90();
    EXPECT_EQ(Floating(), "2,-3=1 2,2=1 ");
}

TEST_F(TSelectionTest, MirroringStaysWithinTheCellsOwnExtent)
{
    Board.SetCell(2, 0, 2);
    Board.SetCell(3, 0, 3);
    Board.SetCell(4, 1, 4);
    Mark({0, 0, 6, 1});
    Sel.MirrorH();
    EXPECT_EQ(Floating(), "2,1=4 3,0=3 4,0=2 ");
    Sel.MirrorV();
    EXPECT_EQ(Floating(), "2,0=4 3,1=3 4,1=2 ");
}

TEST_F(TSelectionTest, FillThenInvertLeavesNothingAndInvertOfNothingFills)
{
    Board.SetDrawingState(1);
    Sel.SetRectangle({0, 0, 2, 1});
    Sel.Fill();
    EXPECT_EQ(Sel.Cells().Count(), 6u);
    Sel.Invert();
    EXPECT_EQ(Sel.Cells().Count(), 0u);
    Sel.Invert();
    EXPECT_EQ(Floating(), "0,0=1 0,1=1 1,0=1 1,1=1 2,0=1 2,1=1 ");
}

TEST_F(TSelectionTest, InvertDropsCellsTurnedOutOfTheRectangle)
{
    Put({{0, 0}, {1, 0}, {2, 0}});
    Mark({0, 0, 2, 0});
    Sel.Rotate90(); // (1,-1) and (1,1) now lie outside the rectangle
    Sel.Invert();
    EXPECT_EQ(Floating(), "0,0=1 2,0=1 ");
}

TEST_F(TSelectionTest, FillUsesTheDrawingState)
{
    Board.SetStatesCount(5);
    Board.SetDrawingState(4);
    Put({{0, 0}});
    Mark({0, 0, 1, 0});
    Sel.Fill();
    EXPECT_EQ(Floating(), "0,0=4 1,0=4 ");
}

TEST_F(TSelectionTest, RectangleKeepsTheStatesAlreadyOnTheBorder)
{
    Board.SetStatesCount(5);
    Board.SetDrawingState(2);
    Board.SetCell(0, 0, 4);
    Board.SetCell(3, 2, 3);
    Board.SetCell(1, 1, 1); // inside, untouched
    Mark({0, 0, 3, 2});
    Sel.Outline();
    EXPECT_EQ(Floating(), "0,0=4 0,1=2 0,2=2 1,0=2 1,1=1 1,2=2 2,0=2 2,2=2 3,0=2 3,1=2 3,2=3 ");
}

TEST_F(TSelectionTest, DraggingWithCtrlLeavesACopyBehind)
{
    Put({{1, 1}, {2, 1}});
    Mark({0, 0, 3, 3});
    Sel.BeginDrag();
    Sel.DragBy(5, 0, true);
    Sel.DragBy(5, 0, true); // only the first move copies
    EXPECT_EQ(Board.LiveCount(), 2);
    EXPECT_EQ(Board.GetCell(1, 1), 1);
    EXPECT_EQ(Board.GetCell(2, 1), 1);
    Sel.SwitchOff();
    EXPECT_EQ(Board.GetCell(11, 1), 1);
    EXPECT_EQ(Board.LiveCount(), 4);

    Mark({10, 0, 13, 3});
    Sel.BeginDrag();
    Sel.DragBy(0, 5, false);
    Sel.SwitchOff();
    EXPECT_EQ(Board.GetCell(11, 1), 0);
    EXPECT_EQ(Board.GetCell(11, 6), 1);
}

TEST_F(TSelectionTest, ASelectionMovedFarOffTheBoardDropsNothing)
{
    Put({{1, 1}});
    Mark({0, 0, 3, 3});
    Sel.MoveBy(2000000000, 0);
    Sel.MoveBy(2000000000, -2000000000); // stops at the end of the coordinates
    EXPECT_EQ(Sel.Rect().Width(), 4);
    EXPECT_GT(Sel.Rect().Right, Sel.Rect().Left);
    Sel.SwitchOff();
    EXPECT_EQ(Board.LiveCount(), 0);
}

TEST_F(TSelectionTest, ClearOutsideTouchesOnlyTheBoardOutside)
{
    Put({{-90, -90}, {1, 1}, {50, 50}});
    Board.SetCell(2, 2, 1);
    Mark({0, 0, 1, 1});
    Board.SetCell(0, 1, 1); // drawn under the selection after marking
    Sel.ClearOutside();
    EXPECT_EQ(Board.LiveCount(), 1);
    EXPECT_EQ(Board.GetCell(0, 1), 1);
    EXPECT_EQ(Floating(), "1,1=1 ");
    EXPECT_TRUE(Sel.Active());
    EXPECT_EQ(Board.MinRectangle(), (TRect{0, 1, 0, 1}));
}

TEST_F(TSelectionTest, SelectAllDropsThenTakesEveryLiveCell)
{
    Put({{-5, 3}, {7, -2}});
    Sel.SetRectangle({20, 20, 30, 30});
    Sel.AddCell(25, 25, 1);
    Sel.SelectAll();
    EXPECT_EQ(Sel.Rect(), (TRect{-5, -2, 25, 25}));
    EXPECT_EQ(Board.LiveCount(), 0);
    EXPECT_EQ(Sel.Cells().Count(), 3u);
    EXPECT_EQ(Sel.GetRectCell(25, 25), 1);

    Sel.Clear();
    Sel.SelectAll(); // an empty board selects nothing
    EXPECT_FALSE(Sel.Active());
}

TEST_F(TSelectionTest, TakePatternPlacesTheCellsAtTheGivenCorner)
{
    TLoadedPattern p;
    p.AddCell(3, 4, 2);
    p.AddCell(5, 6, 1);
    p.AddCell(5, 6, 3); // a repeat keeps the first
    Sel.SetRectangle({0, 0, 9, 9});
    Sel.AddCell(0, 0, 1); // discarded, not dropped
    ASSERT_TRUE(Sel.TakePattern(p, {-50, -40}));
    EXPECT_TRUE(Sel.Active());
    EXPECT_EQ(Sel.Rect(), (TRect{-50, -40, -48, -38}));
    EXPECT_EQ(Floating(), "0,0=2 2,2=1 ");
    // What copying reads: the rectangle's cells, 0 where nothing floats.
    EXPECT_EQ(Sel.GetRectCell(-50, -40), 2);
    EXPECT_EQ(Sel.GetRectCell(-49, -40), 0);
    EXPECT_EQ(Sel.GetRectCell(-48, -38), 1);
    EXPECT_EQ(Board.LiveCount(), 0);

    EXPECT_FALSE(Sel.TakePattern(TLoadedPattern{}, {0, 0}));
    EXPECT_EQ(Sel.Cells().Count(), 2u);
}

TEST_F(TSelectionTest, TakePatternCutsTheRectangleToTheBoardButKeepsEveryCell)
{
    TLoadedPattern wide; // 300 columns on a board 200 wide
    wide.AddCell(0, 0, 1);
    wide.AddCell(299, 0, 1);
    ASSERT_TRUE(Sel.TakePattern(wide, {-95, 0}));
    EXPECT_EQ(Sel.Rect(), (TRect{-95, 0, 4, 0}));
    EXPECT_EQ(Floating(), "0,0=1 299,0=1 ");

    TLoadedPattern beside; // wholly right of the board
    beside.AddCell(5000, 10, 1);
    beside.AddCell(5002, 11, 2);
    ASSERT_TRUE(Sel.TakePattern(beside, {-90, -90}));
    EXPECT_EQ(Sel.Rect(), (TRect{-90, -90, -88, -89}));
    Sel.SwitchOff();
    EXPECT_EQ(Board.GetCell(-90, -90), 1);
    EXPECT_EQ(Board.GetCell(-88, -89), 2);
}

TEST_F(TSelectionTest, FloatingCellsOnScreenFollowEveryChange)
{
    TXorCounter painter;
    Sel.SetPainter(&painter);
    Put({{1, 1}, {2, 1}});
    Mark({0, 0, 3, 3});
    using TShown = std::map<std::pair<int, int>, int>;
    EXPECT_EQ(painter.OnScreen(), (TShown{{{1, 1}, 1}, {{2, 1}, 1}}));
    EXPECT_TRUE(painter.FrameShown);

    Sel.MoveBy(1, 1);
    Sel.AddCell(2, 3, 1);
    Sel.MirrorV();
    EXPECT_EQ(painter.OnScreen(), (TShown{{{2, 2}, 1}, {{2, 3}, 1}, {{3, 3}, 1}}));
    EXPECT_EQ(painter.Frame, (TRect{1, 1, 4, 4}));

    Sel.SwitchOff();
    EXPECT_TRUE(painter.OnScreen().empty());
    EXPECT_FALSE(painter.FrameShown);
    Sel.SetPainter(nullptr);
}
