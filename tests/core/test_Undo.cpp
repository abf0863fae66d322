#include "BoardFixture.h"

#include <string>

namespace {

class TUndoTest : public TBoardTest {
protected:
    TUndo& Undo = G.Undo;

    // Adds a live cell and snaps the board; the cell's x tells the steps apart.
    void Snap(int x, TUndoEvent e = TUndoEvent::Manual)
    {
        Board.SetCell(x, 0, 1);
        ASSERT_TRUE(Undo.AddEvent(e)) << x;
    }
    // The x of the live cells on row 0, left to right.
    std::string Row0()
    {
        std::string xs;
        for (int x = Board.MinX(); x <= Board.MaxX(); ++x)
            if (Board.GetCell(x, 0)) xs += std::to_string(x) + " ";
        return xs;
    }
    void Configure(void (*change)(TUndoSettings&))
    {
        TUndoSettings settings = Undo.Settings();
        change(settings);
        Undo.SetSettings(settings);
    }
};

} // namespace

TEST_F(TUndoTest, UndoSnapsTheBoardOnceThenStepsBackAndRedoComesForward)
{
    Snap(1);
    Snap(2);
    Snap(3);
    Board.SetCell(4, 0, 1); // a change after the last snapshot
    EXPECT_TRUE(Undo.CanUndo());
    EXPECT_FALSE(Undo.CanRedo());

    Undo.Undo(); // snaps the board as it is, then goes back to the last step
    EXPECT_EQ(Undo.Count(), 4);
    EXPECT_EQ(Undo.Step(3).Event, TUndoEvent::Undo);
    EXPECT_EQ(Undo.CurrentIndex(), 2);
    EXPECT_EQ(Row0(), "1 2 3 ");
    Undo.Undo(); // no second snapshot
    EXPECT_EQ(Undo.Count(), 4);
    EXPECT_EQ(Undo.CurrentIndex(), 1);
    EXPECT_EQ(Row0(), "1 2 ");

    Undo.Redo();
    EXPECT_EQ(Row0(), "1 2 3 ");
    Undo.Redo();
    EXPECT_EQ(Row0(), "1 2 3 4 ");
    EXPECT_EQ(Undo.CurrentIndex(), 3);
    EXPECT_FALSE(Undo.CanRedo());
    Undo.Redo(); // nothing further
    EXPECT_EQ(Undo.CurrentIndex(), 3);

    // A snapshot after an undo goes behind the later steps, which stay.
    Undo.Undo();
    Undo.Undo();
    Snap(9);
    EXPECT_EQ(Undo.Count(), 5);
    EXPECT_EQ(Undo.CurrentIndex(), 4);
}

TEST_F(TUndoTest, UndoOfTheOnlyStepKeepsTheBoardForRedo)
{
    Snap(1);
    Board.SetCell(2, 0, 1);
    EXPECT_TRUE(Undo.CanUndo());
    Undo.Undo();
    EXPECT_EQ(Undo.Count(), 2);
    EXPECT_EQ(Undo.CurrentIndex(), 0);
    EXPECT_EQ(Row0(), "1 ");
    Undo.Redo();
    EXPECT_EQ(Row0(), "1 2 ");
}

TEST_F(TUndoTest, RunsOfEqualEditsKeepTheirFirstSnapshotOnly)
{
    Snap(1, TUndoEvent::Edit);
    Board.SetCell(2, 0, 1);
    EXPECT_FALSE(Undo.AddEvent(TUndoEvent::Edit));
    EXPECT_TRUE(Undo.AddEvent(TUndoEvent::New));
    EXPECT_TRUE(Undo.AddEvent(TUndoEvent::Edit));
    // Kinds other than run once, edit, selection, move and undo snap every time.
    EXPECT_TRUE(Undo.AddEvent(TUndoEvent::Random));
    EXPECT_TRUE(Undo.AddEvent(TUndoEvent::Random));
    EXPECT_EQ(Undo.Count(), 5);
    // A restore forgets the last event, so the same kind snaps again.
    Undo.GoTo(0, false, true);
    EXPECT_TRUE(Undo.AddEvent(TUndoEvent::Random));
}

TEST_F(TUndoTest, EventSwitchesApplyFromTheSecondSnapshotOn)
{
    EXPECT_FALSE(Undo.Settings().IsEventOn(TUndoEvent::RunOnce));
    EXPECT_FALSE(Undo.Settings().IsEventOn(TUndoEvent::Time));
    EXPECT_TRUE(Undo.Settings().IsEventOn(TUndoEvent::Cycles));
    Put({{0, 0}});
    EXPECT_TRUE(Undo.AddEvent(TUndoEvent::RunOnce)); // the first one, switch or not
    EXPECT_FALSE(Undo.AddEvent(TUndoEvent::Time));
    Undo.Clear();
    EXPECT_EQ(Undo.CurrentIndex(), -1);
    EXPECT_TRUE(Undo.AddEvent(TUndoEvent::Time));
}

TEST_F(TUndoTest, NothingIsSnappedOfAnEmptyOrDisabledHistoryBoard)
{
    EXPECT_FALSE(Undo.AddEvent(TUndoEvent::Manual));
    Put({{0, 0}});
    Configure([](TUndoSettings& s) { s.IsOn = false; });
    EXPECT_FALSE(Undo.AddEvent(TUndoEvent::Manual));
    EXPECT_EQ(Undo.Count(), 0);
    EXPECT_FALSE(Undo.CanUndo());
    EXPECT_FALSE(Undo.CanRedo());

    TTestHost host;
    TGlobals unsized(host); // a board not yet given a size
    EXPECT_FALSE(unsized.Undo.AddEvent(TUndoEvent::Manual));
}

TEST_F(TUndoTest, BoardsAtTheCellLimitAreSnappedOnlyOnRequest)
{
    Board.SetSize(400, 300);
    for (int x = -200; x < 100; ++x)
        for (int y = -150; y < 49; ++y) Board.SetCell(x, y, 1);
    ASSERT_EQ(Board.LiveCount(), 59700);
    for (int x = -200; x < 99; ++x) Board.SetCell(x, 49, 1);
    ASSERT_EQ(Board.LiveCount(), 59999);
    EXPECT_TRUE(Undo.AddEvent(TUndoEvent::Open));
    Board.SetCell(99, 49, 1);
    EXPECT_FALSE(Undo.AddEvent(TUndoEvent::Open));
    EXPECT_TRUE(Undo.AddEvent(TUndoEvent::Manual));
    EXPECT_EQ(Undo.Step(1).Cells, 60000);
    EXPECT_EQ(Undo.Step(1).CellText.size(), 60000u * 9);
}

TEST_F(TUndoTest, MaximumStepsDropsTheOldest)
{
    Configure([](TUndoSettings& s) { s.MaxSteps = 3; });
    Snap(1);
    Snap(2);
    Snap(3);
    Snap(4);
    ASSERT_EQ(Undo.Count(), 3);
    EXPECT_EQ(Undo.Step(0).Cells, 2);
    EXPECT_EQ(Undo.CurrentIndex(), 2);
    // A lowered maximum is reached at the next snapshot.
    Configure([](TUndoSettings& s) { s.MaxSteps = 1; });
    Snap(5);
    EXPECT_EQ(Undo.Count(), 1);
}

TEST_F(TUndoTest, UndoOnAFullListStillGoesBackOneStep)
{
    Configure([](TUndoSettings& s) { s.MaxSteps = 3; });
    Snap(1);
    Snap(2);
    Snap(3);
    Board.SetCell(4, 0, 1);
    Undo.Undo(); // the undo snapshot pushes out the oldest step
    EXPECT_EQ(Undo.Count(), 3);
    EXPECT_EQ(Row0(), "1 2 3 ");
    Undo.Undo();
    EXPECT_EQ(Row0(), "1 2 ");
    Undo.Redo();
    Undo.Redo();
    EXPECT_EQ(Row0(), "1 2 3 4 ");

    // Going to the oldest step when it must make room reaches the oldest that remains.
    Undo.Clear();
    Snap(5);
    Snap(6);
    Snap(7);
    Board.SetCell(8, 0, 1);
    Undo.UndoAll();
    EXPECT_EQ(Row0(), "1 2 3 4 5 6 ");
}

TEST_F(TUndoTest, GoingOutsideTheListChangesNothingButTheLastEvent)
{
    Snap(1, TUndoEvent::Edit);
    Board.SetCell(2, 0, 1);
    Undo.GoTo(5, false, true);
    Undo.GoTo(-1, false, true);
    EXPECT_EQ(Row0(), "1 2 ");
    EXPECT_EQ(Undo.CurrentIndex(), 0);
    EXPECT_FALSE(Undo.LastEvent().has_value());
    EXPECT_TRUE(Undo.AddEvent(TUndoEvent::Edit));
}

TEST_F(TUndoTest, CellRecordsFollowTheBlocks)
{
    // Blocks column by column, and within a block column offset before row offset.
    Board.SetStatesCount(5);
    Board.SetCell(-90, -100, 3); // block (1, 0)
    Board.SetCell(-100, -90, 2); // block (0, 1)
    Board.SetCell(-99, -100, 1);
    Board.SetCell(-100, -99, 4);
    Board.SetCell(99, 99, 1); // the last cell of the board
    ASSERT_TRUE(Undo.AddEvent(TUndoEvent::Manual));
    EXPECT_EQ(Undo.Step(0).CellText, "00000001D"
                                     "00010000A"
                                     "00000010B"
                                     "00100000C"
                                     "01990199A");
    EXPECT_EQ(Undo.Step(0).Cells, 5);
}

TEST_F(TUndoTest, RestoringBringsBackTheBoardsSettings)
{
    Board.SetSize(400, 300);
    UseGame(gmGenerations, "345/2/4");
    Board.SetCell(-200, -150, 3);
    Board.SetCell(199, 149, 1);
    Board.SetCycle(17);
    Board.SetCurrentRow1D(-120);
    G.Document.FileName = "/patterns/glider.plx";
    ASSERT_TRUE(Undo.AddEvent(TUndoEvent::Manual));

    Board.SetSize(200, 200);
    UseGame(gmCyclic, ""); // on an empty board: nothing to snap
    Board.SetCell(0, 0, 1);
    ASSERT_EQ(Undo.Count(), 1);

    Undo.GoTo(0, false, true);
    EXPECT_EQ(Undo.Count(), 1); // the restored rule recorded nothing
    EXPECT_EQ(Board.Width(), 400);
    EXPECT_EQ(Board.Height(), 300);
    EXPECT_EQ(G.Life.Game(), gmGenerations);
    EXPECT_EQ(Board.RuleText(), "345/2/4");
    EXPECT_EQ(Board.StatesCount(), 4);
    EXPECT_EQ(Board.Cycle(), 17);
    EXPECT_EQ(Board.CurrentRow1D(), -120);
    EXPECT_EQ(G.Document.FileName, "/patterns/glider.plx");
    EXPECT_EQ(Board.LiveCount(), 2);
    EXPECT_EQ(Board.GetCell(-200, -150), 3);
    EXPECT_EQ(Board.GetCell(199, 149), 1);
    EXPECT_EQ(Board.GetCell(0, 0), 0);
    EXPECT_TRUE(Host.Refreshed & rfMenus);
}

TEST_F(TUndoTest, RestoringKeepsAStatesCountTheRuleTextDoesNotCarry)
{
    UseGame(gmLife, "23/3/6");
    Board.SetCell(0, 0, 5);
    ASSERT_TRUE(Undo.AddEvent(TUndoEvent::Manual));
    Board.SetRules("23/3/2"); // recorded as a rule change
    Undo.GoTo(0, false, true);
    EXPECT_EQ(Board.StatesCount(), 6);
    EXPECT_EQ(Board.GetCell(0, 0), 5);
}

TEST_F(TUndoTest, RestoringAppliesTheRuleToItsOwnGame)
{
    Put({{0, 0}});
    ASSERT_TRUE(Undo.AddEvent(TUndoEvent::Manual));
    Board.SetRules("34/34");
    UseGame(gm1DTotalistic, "R1,C0,M1,B1");
    Undo.GoTo(0, false, true);
    EXPECT_EQ(G.Life.Game(), gmLife);
    EXPECT_EQ(G.Life.Dimension(), 2);
    EXPECT_EQ(Board.RuleText(), "23/3");
}

TEST_F(TUndoTest, ARuleChangeIsSnappedBeforeItHappens)
{
    Put({{0, 0}});
    UseGame(gmLife, "34/34");
    ASSERT_EQ(Undo.Count(), 1);
    EXPECT_EQ(Undo.Step(0).Event, TUndoEvent::Rule);
    EXPECT_EQ(Undo.Step(0).Rule, "23/3");
}

TEST_F(TUndoTest, WideBoardsKeepEveryColumn)
{
    for (int width : {10000, 100000}) {
        Undo.Clear();
        Board.SetSize(width, 20);
        const int first = Board.MinX(), last = Board.MaxX();
        Board.SetCell(first, -10, 1);
        Board.SetCell(first + 9999, 0, 1);
        Board.SetCell(last, 9, 2);
        ASSERT_TRUE(Undo.AddEvent(TUndoEvent::Manual));
        EXPECT_EQ(Undo.Step(0).CellText.size(), width > 10000 ? 30u : 27u);
        Board.SetSize(200, 200);
        Undo.GoTo(0, false, true);
        EXPECT_EQ(Board.Width(), width);
        EXPECT_EQ(Board.LiveCount(), 3);
        EXPECT_EQ(Board.GetCell(first, -10), 1);
        EXPECT_EQ(Board.GetCell(first + 9999, 0), 1);
        EXPECT_EQ(Board.GetCell(last, 9), 2);
    }
}

TEST_F(TUndoTest, LargeBoardsShowProgressAndLetEventsRun)
{
    Board.SetSize(2000, 2000);
    Put({{-1000, -1000}, {999, 999}});
    int turns = 0;
    Host.OnProcessEvents = [&] { ++turns; };
    ASSERT_TRUE(Undo.AddEvent(TUndoEvent::Manual));
    EXPECT_GT(turns, 1);
    ASSERT_FALSE(Host.Progress.empty());
    EXPECT_EQ(Host.Progress.front(), "10%");
    EXPECT_EQ(Host.ProgressEnds, 1);
    EXPECT_EQ(Undo.Step(0).Cells, 2);
}

TEST_F(TUndoTest, AChangeAnnouncedDuringASnapshotWaitsForIt)
{
    Board.SetSize(2000, 2000);
    Put({{-1000, -1000}, {999, 999}});
    Host.OnProcessEvents = [&] {
        EXPECT_FALSE(Undo.AddEvent(TUndoEvent::Edit));
        Board.SetCell(999, 999, 0);
        Undo.Undo(); // ignored while the snapshot is taken
    };
    ASSERT_TRUE(Undo.AddEvent(TUndoEvent::Manual));
    EXPECT_EQ(Undo.Count(), 1);
    EXPECT_EQ(Undo.Step(0).Cells, 2);
    EXPECT_EQ(Undo.Step(0).CellText.substr(9), "19991999A");
}

TEST_F(TUndoTest, ClearingDuringASnapshotDropsIt)
{
    Board.SetSize(2000, 2000);
    Put({{0, 0}});
    Host.OnProcessEvents = [&] { Undo.Clear(); };
    EXPECT_FALSE(Undo.AddEvent(TUndoEvent::Manual));
    EXPECT_EQ(Undo.Count(), 0);
    EXPECT_EQ(Host.ProgressEnds, 1);
    Host.OnProcessEvents = nullptr;
    EXPECT_TRUE(Undo.AddEvent(TUndoEvent::Manual));
}

TEST_F(TUndoTest, MemoryFailureIsReportedAndSnapsNothing)
{
    Put({{0, 0}});
    G.Memory.FailAfter(0);
    EXPECT_FALSE(Undo.AddEvent(TUndoEvent::Manual));
    G.Memory.AllowAll();
    EXPECT_EQ(Undo.Count(), 0);
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0].Caption, "Undo allocation error");
    EXPECT_EQ(Host.Messages[0].Text, "Memory low - restart the program!");
}
