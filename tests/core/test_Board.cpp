#include "BoardFixture.h"

#include <random>
#include <vector>

TEST_F(TBoardTest, SetSizeClampsAndRoundsToMultiplesOfTwenty)
{
    struct {
        int W, H, ExpectW, ExpectH;
    } cases[] = {{10, 5, 20, 20}, {200000, 3000, 100000, 2500}, {39, 41, 20, 40}, {-5, 0, 20, 20}};
    for (auto c : cases) {
        Board.SetSize(c.W, c.H);
        EXPECT_EQ(Board.Width(), c.ExpectW) << c.W;
        EXPECT_EQ(Board.Height(), c.ExpectH) << c.H;
        EXPECT_EQ(Board.MinX(), -c.ExpectW / 2);
        EXPECT_EQ(Board.MaxX(), c.ExpectW / 2 - 1);
        EXPECT_EQ(Board.MinY(), -c.ExpectH / 2);
        EXPECT_EQ(Board.MaxY(), c.ExpectH / 2 - 1);
    }
}

TEST_F(TBoardTest, SetSizeComparesTheRequestBeforeRounding)
{
    Board.SetSize(200, 20);
    Board.SetCell(5, 5, 1);
    Board.SetSize(200, 20); // same request: nothing happens
    EXPECT_EQ(Board.GetCell(5, 5), 1);
    Board.SetSize(205, 33); // rounds to the same size, but still clears
    EXPECT_EQ(Board.Width(), 200);
    EXPECT_EQ(Board.Height(), 20);
    EXPECT_EQ(Board.GetCell(5, 5), 0);
    EXPECT_EQ(Board.LiveCount(), 0);
}

TEST_F(TBoardTest, CellsOutsideTheBoardReadZeroAndIgnoreWrites)
{
    Board.SetModified(false);
    for (auto [x, y] :
         {std::pair{-101, 0}, {100, 0}, {0, -101}, {0, 100}, {INT32_MIN, INT32_MAX}}) {
        Board.SetCell(x, y, 1);
        EXPECT_EQ(Board.GetCell(x, y), 0);
    }
    EXPECT_EQ(Board.LiveCount(), 0);
    EXPECT_FALSE(Board.IsModified());
    Board.SetCell(-100, -100, 1);
    Board.SetCell(99, 99, 1);
    EXPECT_EQ(Board.GetCell(-100, -100), 1);
    EXPECT_EQ(Board.GetCell(99, 99), 1);
    EXPECT_TRUE(Board.IsModified());
}

TEST_F(TBoardTest, SetCellKeepsEveryCount)
{
    Board.SetStatesCount(5);
    Board.SetCell(3, -4, 2);
    EXPECT_EQ(Board.LiveCount(), 1);
    EXPECT_EQ(Board.StateCount(2), 1);
    Board.SetCell(3, -4, 3);
    EXPECT_EQ(Board.LiveCount(), 1);
    EXPECT_EQ(Board.StateCount(2), 0);
    EXPECT_EQ(Board.StateCount(3), 1);
    Board.SetCell(3, -4, 0);
    EXPECT_EQ(Board.LiveCount(), 0);
    EXPECT_EQ(Board.StateCount(3), 0);
    const TPoint block = Board.CellToBlock(3, -4);
    EXPECT_EQ(Board.BlobAt(block.X, block.Y).LiveCount, 0);
}

TEST_F(TBoardTest, LiveBoxGrowsOnBirthsAndRecomputeShrinksIt)
{
    Put({{-50, 7}, {30, -20}});
    EXPECT_EQ(Board.LiveBox().MinX, -50);
    EXPECT_EQ(Board.LiveBox().MaxX, 30);
    Board.SetCell(-50, 7, 0);
    EXPECT_EQ(Board.LiveBox().MinX, -50) << "deaths never shrink the box";
    Board.RecomputeLiveBox(true);
    EXPECT_EQ(Board.LiveBox().MinX, 30);
    EXPECT_EQ(Board.LiveBox().MinY, -20);
    EXPECT_EQ(Board.MinRectangle(), (TRect{30, -20, 30, -20}));
}

TEST_F(TBoardTest, MinRectangleOfAnEmptyBoardIsInsideOut)
{
    EXPECT_EQ(Board.MinRectangle(), (TRect{99, 99, -100, -100}));
    Board.SetCell(0, 0, 1);
    Board.SetCell(0, 0, 0);
    EXPECT_TRUE(Board.MinRectangle().IsEmpty()) << "a box over dead cells only";
}

TEST_F(TBoardTest, ShrinkingTheBoardDropsCellsBeyondTheNewEdges)
{
    Put({{95, 0}, {96, 0}, {97, 0}, {-60, 60}});
    Board.SetSize(100, 100);
    EXPECT_EQ(Board.LiveCount(), 0);
    for (int x = -60; x < 100; ++x) EXPECT_EQ(Board.GetCell(x, 0), 0);
    // The blocks beyond the edge now form the empty ring: nothing is born from them.
    Board.SetWrap(false);
    Put({{49, 0}});
    Board.Step(false);
    EXPECT_EQ(Board.LiveCount(), 0);
    Board.SetSize(200, 200);
    EXPECT_EQ(Board.GetCell(96, 0), 0);
}

TEST_F(TBoardTest, ClearAsksOnlyWhenModified)
{
    Board.SetModified(false);
    EXPECT_TRUE(Board.Clear(true));
    EXPECT_TRUE(Host.Messages.empty());

    Put({{1, 1}});
    G.Document.FileName = "glider.rle";
    Host.Answers = {TMsgAnswer::No};
    EXPECT_FALSE(Board.Clear(true));
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0].Text, "Are you sure you want to clear the board?");
    EXPECT_EQ(Host.Messages[0].Buttons, TMsgButtons::YesNo);
    EXPECT_EQ(Board.GetCell(1, 1), 1);
    EXPECT_EQ(G.Document.FileName, "glider.rle");

    Host.Answers = {TMsgAnswer::Yes};
    G.Run.Start();
    G.Document.Description = {"a line"};
    EXPECT_TRUE(Board.Clear(true));
    EXPECT_EQ(Board.LiveCount(), 0);
    EXPECT_EQ(Board.Cycle(), 0);
    EXPECT_FALSE(Board.IsModified());
    EXPECT_FALSE(G.Run.IsRunning());
    EXPECT_EQ(G.Document.FileName, "Noname.plx");
    EXPECT_TRUE(G.Document.Description.empty());
    EXPECT_EQ(Board.CurrentRow1D(), Board.MinY());
}

TEST_F(TBoardTest, StatesCountAndDrawingStateAreClamped)
{
    Board.SetStatesCount(1);
    EXPECT_EQ(Board.StatesCount(), 2);
    Board.SetStatesCount(30);
    EXPECT_EQ(Board.StatesCount(), 25);
    Board.SetDrawingState(5);
    EXPECT_EQ(Board.DrawingState(), 5);
    Board.SetStatesCount(3);
    EXPECT_EQ(Board.DrawingState(), 2);
    Board.SetDrawingState(25);
    EXPECT_EQ(Board.DrawingState(), 2) << "25 is refused";
    Board.SetDrawingState(9);
    EXPECT_EQ(Board.DrawingState(), 2) << "lowered below the states count";
}

TEST_F(TBoardTest, MaximumPopulationRemembersItsCycle)
{
    UseGame(gmLife, "23/3");
    Put({{0, 0}, {1, 0}, {0, 1}}); // becomes a block of four in one generation
    Board.UpdateMaximum();
    EXPECT_EQ(Board.MaxPopulation(), 3);
    Board.Step(false);
    Board.Step(false);
    EXPECT_EQ(Board.MaxPopulation(), 4);
    EXPECT_EQ(Board.MaxPopulationCycle(), 1);
}

TEST_F(TBoardTest, FailedBlockAllocationIsReportedAndLeavesAUsableBoard)
{
    G.Memory.FailAfter(100);
    Board.SetSize(2000, 2000);
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0].Text, "Memory low!");
    EXPECT_EQ(Host.Messages[0].Caption, "Board initialization error");
    EXPECT_EQ(Host.Messages[0].Icon, TMsgIcon::Error);

    // Cells where blocks exist work; elsewhere they read 0 and writes are dropped.
    for (int x = Board.MinX(); x <= Board.MaxX(); x += 37)
        for (int y = Board.MinY(); y <= Board.MaxY(); y += 41) Board.SetCell(x, y, 1);
    EXPECT_GT(Board.LiveCount(), 0);
    EXPECT_EQ(Board.GetCell(Board.MaxX(), Board.MaxY()), 0);
    Board.SetWrap(true);
    UseGame(gmLife, "23/3");
    Board.Step(false);
    Board.Clear(false);
    EXPECT_EQ(Board.LiveCount(), 0);

    G.Memory.AllowAll();
    Board.SetSize(2000, 1980); // a new request allocates the missing blocks
    Board.SetCell(Board.MaxX(), Board.MaxY(), 1);
    EXPECT_EQ(Board.GetCell(Board.MaxX(), Board.MaxY()), 1);
}

// Areas and runs written in bulk leave the board exactly as the same cells set one by one:
// cells, counts by state, the live box and the modified flag; and read back as GetCell reads.
TEST_F(TBoardTest, AreaAndRunWritesMatchSetCell)
{
    TGlobals other(Host);
    TBoard& reference = other.Board;
    reference.SetSize(200, 200);
    std::mt19937 random(5);
    const TRect areas[] = {{-100, -100, 99, 99}, {-7, 3, 12, 3},       {90, 90, 130, 120},
                           {-150, -5, -95, 4},   {300, 300, 310, 305}, {0, 0, 0, 0}};
    for (int round = 0; round < 3; ++round)
        for (const TRect& area : areas) {
            const size_t width = size_t(area.Width());
            std::vector<uint8_t> cells(width * size_t(area.Height()));
            for (uint8_t& c : cells) {
                const unsigned r = random() % 8;
                c = r < 3 ? TBoard::kKeepCell : uint8_t(r % 4);
            }
            Board.WriteArea(area, cells.data(), width);
            for (int32_t y = area.Top; y <= area.Bottom; ++y)
                for (int32_t x = area.Left; x <= area.Right; ++x)
                    if (const uint8_t c =
                            cells[size_t(y - area.Top) * width + size_t(x - area.Left)];
                        c != TBoard::kKeepCell)
                        reference.SetCell(x, y, c);
            const int32_t x = int32_t(random() % 240) - 120, y = int32_t(random() % 200) - 100;
            const int32_t count = int32_t(random() % 30), state = int32_t(random() % 3);
            Board.WriteRun(x, y, count, uint8_t(state));
            for (int32_t k = 0; k < count; ++k) reference.SetCell(x + k, y, uint8_t(state));

            ASSERT_EQ(Board.LiveCount(), reference.LiveCount()) << round;
            for (int s = 1; s < 4; ++s) EXPECT_EQ(Board.StateCount(s), reference.StateCount(s));
            const TLiveBox a = Board.LiveBox(), b = reference.LiveBox();
            EXPECT_EQ((TRect{a.MinX, a.MinY, a.MaxX, a.MaxY}),
                      (TRect{b.MinX, b.MinY, b.MaxX, b.MaxY}));
            EXPECT_EQ((TRect{a.MinBX, a.MinBY, a.MaxBX, a.MaxBY}),
                      (TRect{b.MinBX, b.MinBY, b.MaxBX, b.MaxBY}));
            EXPECT_EQ(Board.MinRectangle(), reference.MinRectangle());
            EXPECT_EQ(Board.IsModified(), reference.IsModified());
        }
    const TRect all{-110, -105, 104, 100}; // beyond every edge
    std::vector<uint8_t> read(size_t(all.Width() * all.Height()), 77);
    Board.ReadArea(all, read.data(), size_t(all.Width()));
    int mismatches = 0;
    for (int32_t y = all.Top; y <= all.Bottom; ++y)
        for (int32_t x = all.Left; x <= all.Right; ++x)
            mismatches += read[size_t(y - all.Top) * size_t(all.Width()) + size_t(x - all.Left)] !=
                          reference.GetCell(x, y);
    EXPECT_EQ(mismatches, 0);
}
