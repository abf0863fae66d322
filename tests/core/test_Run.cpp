#include "BoardFixture.h"

#include <functional>
#include <limits>
#include <vector>

namespace {

class TCountingPainter : public TStepPainter {
public:
    void PaintCells(uint8_t, std::span<const TCellChange> cells) override
    {
        Cells += static_cast<int>(cells.size());
    }
    int Cells = 0;
};

// Every ProcessEvents of the host is a turn: it may advance the scripted clock and does
// whatever the test's OnTurn does there.
class TRunTest : public TBoardTest {
protected:
    TRunControl& Run = G.Run;
    int32_t Clock = 0;
    int32_t ClockStep = 0; // added to the clock on every turn
    int Turns = 0;
    std::function<void()> OnTurn;

    void SetUp() override
    {
        TBoardTest::SetUp();
        UseGame(gmLife, "23/3");
        Run.SetClock([this] { return Clock; });
        Host.OnProcessEvents = [this] {
            ++Turns;
            Clock += ClockStep;
            if (OnTurn) OnTurn();
        };
    }
    void PutBlock() { Put({{0, 0}, {1, 0}, {0, 1}, {1, 1}}); }
    void PutBlinker() { Put({{-1, 0}, {0, 0}, {1, 0}}); }
    // Stops the run at turn `turn`, or at turn 1000 if it is still going: a stalled run fails.
    void StopAtTurn(int turn)
    {
        OnTurn = [this, turn] {
            if (Turns == turn || Turns == 1000) Run.Stop();
        };
    }
    void RunN(int32_t mode, int32_t n, int32_t redrawEvery)
    {
        TRunN request;
        request.RunMode = mode;
        (mode == TRunN::rmUpTo ? request.UpToCycle : request.ForCycles) = n;
        request.RedrawEvery = redrawEvery;
        Run.RunN(request);
    }
    void ConfigureUndo(void (*change)(TUndoSettings&))
    {
        TUndoSettings settings = G.Undo.Settings();
        change(settings);
        G.Undo.SetSettings(settings);
    }
};

} // namespace

TEST(TRunSpeed, FasterAndSlowerStepAlongTheSpeedTable)
{
    for (size_t i = 1; i < kSpeedTable.size(); ++i) {
        EXPECT_EQ(FasterInterval(kSpeedTable[i]), kSpeedTable[i - 1]);
        EXPECT_EQ(SlowerInterval(kSpeedTable[i - 1]), kSpeedTable[i]);
    }
    EXPECT_EQ(FasterInterval(75), 50);
    EXPECT_EQ(SlowerInterval(75), 100);
    EXPECT_EQ(FasterInterval(3), 2);
    EXPECT_EQ(SlowerInterval(3), 5);
    EXPECT_EQ(FasterInterval(0), 0);
    EXPECT_EQ(SlowerInterval(5000), 5000);
    // Off the table.
    EXPECT_EQ(FasterInterval(-7), 0);
    EXPECT_EQ(SlowerInterval(-7), 1);
    EXPECT_EQ(FasterInterval(9000), 5000);
    EXPECT_EQ(SlowerInterval(9000), 5000);
}

TEST_F(TRunTest, SetIntervalStoresTheMagnitudeAndReportsTheSpeed)
{
    Host.Refreshed = 0;
    Run.SetInterval(-20);
    EXPECT_EQ(Run.Interval(), 20);
    EXPECT_EQ(Host.Refreshed, rfSpeed | rfStatusBar);
    Run.SetInterval(std::numeric_limits<int32_t>::min());
    EXPECT_EQ(Run.Interval(), std::numeric_limits<int32_t>::max());
    Run.SetInterval(75);
    Run.RunFaster();
    EXPECT_EQ(Run.Interval(), 50);
    Run.RunSlower();
    Run.RunSlower();
    EXPECT_EQ(Run.Interval(), 100);
}

TEST(TRunNRequest, CountsTheGenerationsOfEachMode)
{
    TRunN request;
    request.ForCycles = 25;
    EXPECT_EQ(RunNCount(request, 400), 25);
    request.RunMode = TRunN::rmUpTo;
    EXPECT_EQ(RunNCount(request, 990), 10);
    EXPECT_EQ(RunNCount(request, 1200), 0);
    request.UpToCycle = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(RunNCount(request, 5), 0) << "no overflow";
    request.RunMode = TRunN::rmContinuously;
    EXPECT_EQ(RunNCount(request, 5), std::numeric_limits<int32_t>::max());
    request.RunMode = 7;
    EXPECT_EQ(RunNCount(request, 5), 0);
    request.RunMode = TRunN::rmFor;
    request.ForCycles = -3;
    EXPECT_EQ(RunNCount(request, 5), 0);
}

TEST_F(TRunTest, StartingDropsTheSelectionWhenSetTo)
{
    PutBlock();
    ASSERT_TRUE(G.Selection.SetRectangle({-5, -5, 5, 5}));
    Run.DropSelection = false;
    Run.Start();
    EXPECT_TRUE(G.Selection.Active());
    Run.Stop();
    Run.DropSelection = true;
    Host.Refreshed = 0;
    Run.Start();
    EXPECT_FALSE(G.Selection.Active());
    EXPECT_TRUE(Host.Refreshed & rfRunState);
}

TEST_F(TRunTest, RunOnceShowsRunningDuringItsGenerationOnly)
{
    TCountingPainter painter;
    G.Painter = &painter;
    PutBlinker();
    OnTurn = [this] { EXPECT_TRUE(Run.IsRunning() && Run.InLoop()); };
    Run.RunOnce();
    G.Painter = nullptr;
    EXPECT_EQ(Turns, 1);
    EXPECT_EQ(Board.Cycle(), 1);
    EXPECT_EQ(painter.Cells, 4);
    EXPECT_FALSE(Run.IsRunning() || Run.InLoop());
    ASSERT_EQ(G.Undo.Count(), 1);
    EXPECT_EQ(G.Undo.Step(0).Event, TUndoEvent::RunOnce);
}

TEST_F(TRunTest, ContinuousRunOfAStillLifeStopsAfterOneGeneration)
{
    PutBlock();
    Run.ToggleRun();
    EXPECT_FALSE(Run.IsRunning() || Run.InLoop());
    EXPECT_EQ(Turns, 2) << "one when starting, one after the only generation";
    EXPECT_EQ(Board.Cycle(), 0);
    EXPECT_EQ(Host.Sounds, std::vector<std::string>{"SND_BLIP01"});
    ASSERT_EQ(G.Undo.Count(), 1) << "no counted snapshot for a generation that changed nothing";
    EXPECT_EQ(G.Undo.Step(0).Event, TUndoEvent::Run);
}

TEST_F(TRunTest, ContinuousRunFitsTheViewOnlyWhenAutoFitIsOn)
{
    PutBlinker();
    StopAtTurn(3);
    Run.ToggleRun();
    EXPECT_FALSE(Host.Refreshed & rfFitView);
    G.Life.AutoFit = true;
    StopAtTurn(Turns + 3);
    Run.ToggleRun();
    EXPECT_TRUE(Host.Refreshed & rfFitView);
}

TEST_F(TRunTest, ToggleFromInsideTheLoopStopsItAtItsNextTurn)
{
    PutBlinker();
    OnTurn = [this] {
        EXPECT_TRUE(Run.InLoop());
        if (Turns == 5) Run.ToggleRun();
    };
    Run.ToggleRun();
    EXPECT_EQ(Turns, 6) << "the nested toggle lets events run once and returns";
    EXPECT_EQ(Board.Cycle(), 4);
    EXPECT_FALSE(Run.IsRunning() || Run.InLoop());
    EXPECT_EQ(Host.Sounds.size(), 1u) << "only the loop that ends plays";
}

TEST_F(TRunTest, ClearFromInsideTheLoopEndsItOnTheEmptyBoard)
{
    PutBlinker();
    OnTurn = [this] {
        if (Turns == 3) {
            EXPECT_TRUE(Board.Clear(false));
        }
    };
    Run.ToggleRun();
    EXPECT_EQ(Turns, 3);
    EXPECT_EQ(Board.LiveCount(), 0);
    EXPECT_EQ(Board.Cycle(), 0);
    EXPECT_FALSE(Run.IsRunning());
}

TEST_F(TRunTest, WithAnIntervalGenerationsComeOnlyWhenDue)
{
    PutBlinker();
    Run.SetInterval(100);
    ClockStep = 10;
    StopAtTurn(40);
    Run.ToggleRun();
    // Turn k leaves the clock at 10 k: generations at 10 (at once), 110, 210 and 310.
    EXPECT_EQ(Board.Cycle(), 4);
}

TEST_F(TRunTest, TheClockPassingMidnightDoesNotStallTheRun)
{
    PutBlinker();
    Run.SetInterval(20);
    Clock = 86'399'950;
    OnTurn = [this] {
        Clock = Clock == 86'399'990 ? 5 : Clock + 10;
        if (Turns == 20 || Board.Cycle() == 8) Run.Stop();
    };
    Run.ToggleRun();
    EXPECT_EQ(Board.Cycle(), 8);
    EXPECT_LT(Clock, 1000);
}

TEST_F(TRunTest, ContinuousRunTakesCountedAndTimedSnapshots)
{
    ConfigureUndo([](TUndoSettings& s) {
        s.SnapCycles = 5;
        s.SnapTime = 1;
        s.Events[static_cast<size_t>(TUndoEvent::Time)] = true;
    });
    PutBlinker();
    ClockStep = 100;
    StopAtTurn(31);
    Run.ToggleRun();
    // Turn k leaves the clock at 100 k, and generation k follows it.
    ASSERT_EQ(Board.Cycle(), 30);
    std::vector<std::pair<TUndoEvent, int32_t>> steps;
    for (int i = 0; i < G.Undo.Count(); ++i)
        steps.emplace_back(G.Undo.Step(i).Event, G.Undo.Step(i).Cycle);
    using E = TUndoEvent;
    const std::vector<std::pair<TUndoEvent, int32_t>> expected{
        {E::Run, 0},     {E::Cycles, 5}, {E::Cycles, 10}, {E::Time, 11},   {E::Cycles, 15},
        {E::Cycles, 20}, {E::Time, 21},  {E::Cycles, 25}, {E::Cycles, 30},
    };
    EXPECT_EQ(steps, expected);
}

TEST_F(TRunTest, RunNOfAStillLifeEndsAtTheTenthCycle)
{
    PutBlock();
    RunN(TRunN::rmFor, 25, 1);
    EXPECT_EQ(Turns, 2) << "after starting and after the tenth cycle";
    EXPECT_FALSE(Run.IsRunning() || Run.InLoop());
    EXPECT_EQ(Host.Sounds.size(), 1u);
    ASSERT_EQ(G.Undo.Count(), 1);
    EXPECT_EQ(G.Undo.Step(0).Event, TUndoEvent::RunN);
}

TEST_F(TRunTest, RunUpToACycleCountsFromTheCurrentOne)
{
    PutBlinker();
    Board.SetCycle(990);
    RunN(TRunN::rmUpTo, 1000, 1);
    EXPECT_EQ(Board.Cycle(), 1000);

    Board.SetCycle(1200);
    Host.Sounds.clear();
    Host.Refreshed = 0;
    RunN(TRunN::rmUpTo, 1000, 1);
    EXPECT_EQ(Board.Cycle(), 1200);
    EXPECT_EQ(Host.Sounds.size(), 1u);
    EXPECT_TRUE(Host.Refreshed & rfBoard);
}

TEST_F(TRunTest, RunNDrawsEachGenerationOrRedrawsEveryKCycles)
{
    TCountingPainter painter;
    G.Painter = &painter;
    PutBlinker();
    RunN(TRunN::rmFor, 20, 1);
    EXPECT_EQ(painter.Cells, 20 * 4);

    painter.Cells = 0;
    std::vector<int32_t> redraws;
    Host.OnRefresh = [&](unsigned what) {
        if (what & rfBoard) redraws.push_back(Board.Cycle());
    };
    RunN(TRunN::rmFor, 120, 50);
    G.Painter = nullptr;
    EXPECT_EQ(painter.Cells, 0);
    EXPECT_EQ(redraws, (std::vector<int32_t>{50, 100, 140})) << "the last one ends the run";
}

TEST_F(TRunTest, ToggleDuringRunNStopsItWithoutTwoLoopsRunning)
{
    PutBlinker();
    // Turn 2 follows the tenth cycle: toggling twice stops the run of n cycles and starts a
    // continuous run inside it, which is stopped at turn 8.
    OnTurn = [this] {
        if (Turns == 2) {
            Run.ToggleRun();
            EXPECT_FALSE(Run.IsRunning());
            Run.ToggleRun();
        }
        if (Turns == 5) {
            EXPECT_TRUE(Run.InLoop());
        }
        if (Turns == 8) Run.Stop();
    };
    RunN(TRunN::rmFor, 100, 1);
    EXPECT_EQ(Board.Cycle(), 14) << "10 of the run of n cycles, 4 of the continuous run";
    EXPECT_EQ(Turns, 8);
    EXPECT_FALSE(Run.IsRunning() || Run.InLoop());
    EXPECT_EQ(Host.Sounds.size(), 2u);
}

TEST_F(TRunTest, UndoAndRedoStopTheRun)
{
    Run.Start();
    G.Undo.Undo();
    EXPECT_FALSE(Run.IsRunning());
    Run.Start();
    G.Undo.Redo();
    EXPECT_FALSE(Run.IsRunning());
    Run.Start();
    G.Undo.UndoAll();
    EXPECT_FALSE(Run.IsRunning());
}
