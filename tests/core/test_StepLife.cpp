#include "BoardFixture.h"
#include "ReferenceStep.h"

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

class TRecordingPainter : public TStepPainter {
public:
    void PaintCells(uint8_t state, std::span<const TCellChange> cells) override
    {
        for (const TCellChange& c : cells) Painted.push_back({state, c.X, c.Y});
    }
    struct TPainted {
        uint8_t State;
        int32_t X, Y;
    };
    std::vector<TPainted> Painted;
};

} // namespace

class TStepLifeTest : public TBoardTest {
protected:
    void SetUp() override
    {
        Board.SetSize(200, 200);
        UseGame(gmLife, "23/3");
    }
    std::vector<uint8_t> Column(int x, int y0, int y1)
    {
        std::vector<uint8_t> v;
        for (int y = y0; y <= y1; ++y) v.push_back(Board.GetCell(x, y));
        return v;
    }
};

TEST_F(TStepLifeTest, BlinkerAlternatesWithFourChangesPerGeneration)
{
    Put({{-1, 0}, {0, 0}, {1, 0}});
    for (int gen = 1; gen <= 4; ++gen) {
        Board.Step(false);
        EXPECT_EQ(Board.ChangedCount(), 4);
        EXPECT_EQ(Board.Cycle(), gen);
        EXPECT_EQ(Board.LiveCount(), 3);
        const bool vertical = gen % 2 == 1;
        EXPECT_EQ(Board.GetCell(0, -1), vertical ? 1 : 0);
        EXPECT_EQ(Board.GetCell(-1, 0), vertical ? 0 : 1);
    }
}

TEST_F(TStepLifeTest, StillLifeLeavesCycleAndModifiedFlagAlone)
{
    Put({{0, 0}, {1, 0}, {0, 1}, {1, 1}});
    Board.SetModified(false);
    Board.Step(false);
    EXPECT_EQ(Board.ChangedCount(), 0);
    EXPECT_EQ(Board.Cycle(), 0);
    EXPECT_FALSE(Board.IsModified());
}

TEST_F(TStepLifeTest, SurvivorsAgeUpToTheLastState)
{
    Board.SetStatesCount(4);
    Put({{0, 0}, {1, 0}, {0, 1}, {1, 1}});
    std::vector<int> ages;
    for (int gen = 0; gen < 3; ++gen) {
        Board.Step(false);
        ages.push_back(Board.GetCell(0, 0));
    }
    EXPECT_EQ(ages, (std::vector<int>{2, 3, 3}));
    // A cell in the last state that loses its support dies.
    Board.SetCell(1, 0, 0);
    Board.SetCell(1, 1, 0);
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(0, 0), 0);
}

TEST_F(TStepLifeTest, GenerationsDecayWhateverTheNeighbours)
{
    UseGame(gmGenerations, "23/3/3");
    EXPECT_EQ(Board.StatesCount(), 3);
    Board.SetCell(0, 0, 1); // a lone state-1 cell starts to decay
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(0, 0), 2);
    Put({{-1, -1}, {1, -1}, {-1, 1}}); // state-1 neighbours do not stop the decay
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(0, 0), 0);

    // Decaying cells are not counted: three state-2 cells bear nothing.
    Board.Clear(false);
    Put({{-1, 0}, {0, 0}, {1, 0}}, 2);
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(0, 1), 0);
    EXPECT_EQ(Board.GetCell(0, -1), 0);
}

TEST_F(TStepLifeTest, VoteCountsTheCellItself)
{
    UseGame(gmVoteForLife, "45678/9");
    EXPECT_EQ(Board.SurvivalSet(), 0b111110000 | 0);
    Board.SetCell(0, 0, 1);
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(0, 0), 0) << "a lone cell counts 1";

    Put({{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}});
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(0, 0), 1) << "an empty cell with five live neighbours";

    UseGame(gmVoteForLife, "1");
    Board.Clear(false);
    Board.SetCell(0, 0, 3);
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(0, 0), 3) << "a survivor keeps its state";
}

TEST_F(TStepLifeTest, WeightedLifeWithAndWithoutHistory)
{
    // Conway's Life written as weights: every neighbour 1, the cell itself 0.
    UseGame(gmWeightedLife, "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0,RS2,RS3,RB3");
    Put({{-1, 0}, {0, 0}, {1, 0}});
    Board.Step(false);
    EXPECT_EQ(Column(0, -1, 1), (std::vector<uint8_t>{1, 1, 1}));

    // With history, dying cells pass through the decay states.
    Board.Clear(false);
    UseGame(gmWeightedLife, "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI3,RS2,RS3,RB3");
    EXPECT_EQ(Board.StatesCount(), 3);
    Put({{-1, 0}, {0, 0}, {1, 0}});
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(-1, 0), 2);
    EXPECT_EQ(Board.GetCell(0, 0), 1);
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(-1, 0), 0);

    // A weight on the cell itself: a lone cell survives on its own weight.
    Board.Clear(false);
    Board.SetStatesCount(2);
    UseGame(gmWeightedLife, "NW0,NN0,NE0,WW0,ME5,EE0,SW0,SS0,SE0,HI0,RS5");
    Board.SetCell(7, 7, 1);
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(7, 7), 1);
}

TEST_F(TStepLifeTest, DyingCellsKeepTheirStatesWhenTheRuleOrItsStatesChange)
{
    // The bits' planes follow the states count and their code (Generations' countdown, Cyclic
    // CA's binary states): each change writes the cells out and reads them back, and a rule of
    // fewer states takes the higher ones through the blocks.
    UseGame(gmGenerations, "345/2/4");
    const int w = Board.Width(), h = Board.Height();
    TReferenceGrid grid{w, h, std::vector<uint8_t>(size_t(w) * h)};
    std::mt19937 rng(5);
    for (int y = 60; y < 140; ++y)
        for (int x = 60; x < 140; ++x)
            if (rng() % 2 == 0) {
                grid.Cells[size_t(y) * w + x] = uint8_t(1 + rng() % 3);
                Board.SetCell(Board.MinX() + x, Board.MinY() + y, grid.Cells[size_t(y) * w + x]);
            }
    struct TPhase {
        uint8_t Game;
        const char* Rule;
        int States;
    };
    for (const TPhase& phase :
         {TPhase{gmGenerations, "345/2/4", 4}, TPhase{gmGenerations, "345/2/7", 7},
          TPhase{gmGenerations, "345/2/5", 5}, TPhase{gmLife, "23/3", 2},
          TPhase{gmGenerations, "345/2/4", 4}, TPhase{gmCyclic, "R1/T2/C4/NM", 4},
          TPhase{gmCyclic, "R1/T1/C4/NN/GH", 4}, TPhase{gmCyclic, "R1/T3/C9/NM", 9},
          TPhase{gmCyclic, "R1/T3/C5/NM", 5}, TPhase{gmGenerations, "345/2/5", 5},
          TPhase{gmCyclic, "R1/T2/C5/NM", 5}}) {
        SCOPED_TRACE(phase.Rule);
        UseGame(phase.Game, phase.Rule);
        Board.SetStatesCount(phase.States);
        const TReferenceRule rule{phase.Game, Board.SurvivalSet(), Board.BirthSet(), phase.States,
                                  nullptr,    &G.Life.Cycl};
        for (int gen = 0; gen < 3; ++gen) {
            grid = ReferenceStep(grid, false, rule);
            Board.Step(false);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    ASSERT_EQ(Board.GetCell(Board.MinX() + x, Board.MinY() + y),
                              grid.Cells[size_t(y) * w + x])
                        << "generation " << gen << " at " << x << "," << y;
        }
    }
}

TEST_F(TStepLifeTest, GliderWrapsOnATorusOnly)
{
    for (bool wrap : {true, false}) {
        Board.SetSize(20, 20);
        Board.SetWrap(wrap);
        // A glider heading right and down, at the bottom-right corner.
        Put({{7, 6}, {8, 7}, {6, 8}, {7, 8}, {8, 8}});
        for (int gen = 0; gen < 80; ++gen) Board.Step(false);
        if (wrap) {
            EXPECT_EQ(Board.LiveCount(), 5) << "twenty cells on, back where it began";
            EXPECT_EQ(Board.GetCell(7, 6), 1);
            EXPECT_EQ(Board.GetCell(8, 8), 1);
        } else {
            EXPECT_NE(Board.LiveCount(), 5) << "it meets the edge and breaks up";
            EXPECT_GE(Board.MinRectangle().Left, 0) << "nothing re-enters at the left";
        }
        Board.Clear(false);
    }
}

TEST_F(TStepLifeTest, PatternsEvolveAlikeAcrossBlockBoundaries)
{
    // An R-pentomino inside a block and one straddling four blocks.
    const std::pair<int, int> shape[] = {{1, 0}, {2, 0}, {0, 1}, {1, 1}, {1, 2}};
    for (auto [x, y] : shape) Board.SetCell(-43 + x, -43 + y, 1);
    for (auto [x, y] : shape) Board.SetCell(-1 + x, -1 + y, 1);
    for (int gen = 0; gen < 30; ++gen) Board.Step(false);
    for (int x = -20; x <= 20; ++x)
        for (int y = -20; y <= 20; ++y)
            ASSERT_EQ(Board.GetCell(x - 42, y - 42), Board.GetCell(x, y)) << x << "," << y;
}

TEST_F(TStepLifeTest, SkippedBlocksStayEmptyWhenZeroWouldBeBorn)
{
    // Vote for Life with 0 in S would fill empty space, but blocks with no live cell in their
    // neighbourhood are passed over.
    UseGame(gmVoteForLife, "0");
    Board.SetCell(0, 0, 1);
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(5, 5), 1) << "inside the live cell's block neighbourhood";
    EXPECT_EQ(Board.GetCell(-80, -80), 0) << "far away nothing is born";
}

TEST_F(TStepLifeTest, PaintsDeathsFirstThenEachStateInOrder)
{
    TRecordingPainter painter;
    G.Painter = &painter;
    Board.SetStatesCount(3);
    Put({{-1, 0}, {0, 0}, {1, 0}});
    Board.Step(true);
    ASSERT_EQ(painter.Painted.size(), 5u);
    EXPECT_EQ(painter.Painted[0].State, 0);
    EXPECT_EQ(painter.Painted[1].State, 0);
    EXPECT_EQ(painter.Painted[2].State, 1);
    EXPECT_EQ(painter.Painted[4].State, 2) << "the surviving centre ages to 2";
    painter.Painted.clear();
    Board.Step(false);
    EXPECT_TRUE(painter.Painted.empty());
    G.Painter = nullptr;
}

TEST_F(TStepLifeTest, PaintingListsThatCannotGrowStopTheRunButNotTheGeneration)
{
    TRecordingPainter painter;
    G.Painter = &painter;
    Put({{-1, 0}, {0, 0}, {1, 0}});
    G.Run.Start();
    G.Memory.FailAfter(0);
    Host.Refreshed = 0;
    Board.Step(true);
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0].Text, "Memory low - restart the program!");
    EXPECT_EQ(Host.Messages[0].Caption, "Cell allocation error");
    EXPECT_FALSE(G.Run.IsRunning());
    EXPECT_TRUE(painter.Painted.empty());
    EXPECT_TRUE(Host.Refreshed & rfBoard) << "the view repaints what could not be listed";
    EXPECT_EQ(Board.Cycle(), 1);
    EXPECT_EQ(Column(0, -1, 1), (std::vector<uint8_t>{1, 1, 1}));
    EXPECT_EQ(Board.GetCell(-1, 0), 0);

    G.Memory.AllowAll();
    Board.Step(true);
    EXPECT_EQ(Board.Cycle(), 2);
    EXPECT_EQ(painter.Painted.size(), 4u);
    G.Painter = nullptr;
}

TEST_F(TStepLifeTest, WithoutPaintingTheStepNeedsNoMemory)
{
    Put({{-1, 0}, {0, 0}, {1, 0}});
    G.Memory.FailAfter(0);
    Board.Step(true);
    Board.Step(false);
    EXPECT_TRUE(Host.Messages.empty());
    EXPECT_EQ(Board.Cycle(), 2);
    EXPECT_EQ(Board.GetCell(-1, 0), 1);
}

// A painter of many cells a pixel gets the changed blocks of its window, or past its limit a
// call to repaint the whole window, from the bit step and the block step alike.
TEST_F(TStepLifeTest, BlockPaintersGetTheChangedBlocksOrTheWholeWindowPastTheirLimit)
{
    class TBlockPainter : public TStepPainter {
    public:
        int32_t Limit = INT32_MAX;
        std::set<std::pair<int32_t, int32_t>> Blocks;
        int Windows = 0;
        TPaintRequest PaintRequest() const override
        {
            TPaintRequest request{{-100, -100, 99, 99}, false};
            request.MaxBlocks = Limit;
            return request;
        }
        void PaintCells(uint8_t, std::span<const TCellChange>) override {}
        void PaintBlocks(std::span<const TPoint> blocks) override
        {
            for (const TPoint& b : blocks) Blocks.insert({b.X, b.Y});
        }
        void PaintWindow() override { ++Windows; }
    };
    struct TCase {
        int Game;
        const char* Rule;
        int32_t Limit;
        bool Whole;
    } const cases[] = {{gmLife, "23/3", INT32_MAX, false},
                       {gmLife, "23/3", 4, true},
                       {gmLife, "23/3", 5, false},
                       {gmCyclic, "R2/T2/C3/NM", INT32_MAX, false},
                       {gmCyclic, "R2/T2/C3/NM", 1, true}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Rule + std::string(" limit ") + std::to_string(c.Limit));
        TBlockPainter painter;
        painter.Limit = c.Limit;
        G.Painter = &painter;
        UseGame(c.Game, c.Rule);
        Board.EmptyCells();
        // Two blinkers by the corner of four blocks (which start at -100), turning in five.
        Put({{-1, -11}, {-1, -10}, {-1, -9}, {-11, -1}, {-10, -1}, {-9, -1}});
        Board.Step(true);
        EXPECT_EQ(painter.Windows, c.Whole ? 1 : 0);
        if (c.Whole) {
            EXPECT_TRUE(painter.Blocks.empty());
        } else if (c.Game == gmLife) {
            const std::set<std::pair<int32_t, int32_t>> expected{
                {8, 9}, {9, 8}, {9, 9}, {9, 10}, {10, 9}};
            EXPECT_EQ(painter.Blocks, expected);
        } else {
            EXPECT_FALSE(painter.Blocks.empty());
        }
    }
    G.Painter = nullptr;
}

// The highest state in a rectangle, read from the bit mirror while the blocks are stale, is
// what the cells hold, across stripes, block edges and the board's edges.
TEST_F(TStepLifeTest, TopStateOfARectangleMatchesItsCellsWhileTheBlocksAreStale)
{
    std::mt19937 random(7);
    for (int32_t y = -100; y < 100; ++y)
        for (int32_t x = -100; x < 100; ++x)
            if (random() % 16 == 0) Board.SetCell(x, y, 1);
    for (int i = 0; i < 3; ++i) Board.Step(false);
    std::vector<TRect> rects{{-100, -100, 99, 99}, {-40, -41, -40, -41}, {-300, -50, 300, -35}};
    for (int i = 0; i < 300; ++i) {
        const int32_t x = int32_t(random() % 240) - 120, y = int32_t(random() % 240) - 120;
        rects.push_back({x, y, x + int32_t(random() % 12), y + int32_t(random() % 70)});
    }
    std::vector<uint8_t> found;
    for (const TRect& r : rects) found.push_back(Board.TopStateIn(r, 1));
    for (size_t k = 0; k < rects.size(); ++k) {
        const TRect& r = rects[k];
        uint8_t any = 0;
        for (int32_t y = std::max(r.Top, -100); y <= std::min(r.Bottom, 99); ++y)
            for (int32_t x = std::max(r.Left, -100); x <= std::min(r.Right, 99); ++x)
                any |= Board.GetCell(x, y);
        EXPECT_EQ(found[k], any) << r.Left << "," << r.Top << " " << r.Right << "," << r.Bottom;
    }
}

// Random soups against the plain reference, for every family, with and without wrap, also
// after edits between generations (which must wake blocks that had gone quiet).
struct TSoupCase {
    uint8_t Game;
    const char* Rule;
    int States;
};

void PrintTo(const TSoupCase& sc, std::ostream* os)
{
    *os << TLife::GameName(sc.Game) << " \"" << sc.Rule << "\" with " << sc.States << " states";
}

class TSoupTest : public TBoardTest, public testing::WithParamInterface<TSoupCase> {};

TEST_P(TSoupTest, MatchesTheReferenceGeneration)
{
    const TSoupCase& sc = GetParam();
    using TIsa = TBoard::TStepIsa;
    for (TIsa isa : {TIsa::Sse2, TIsa::Avx2, TIsa::Avx512})
        for (bool wrap : {false, true}) {
            if (isa > TBoard::BestStepIsa()) continue;
            SCOPED_TRACE(testing::Message() << "wrap " << wrap << ", instruction set " << int(isa));
            std::mt19937 rng(1234);
            Board.SetStepIsa(isa);
            Board.SetSize(60, 40);
            Board.Clear(false);
            Board.SetWrap(wrap);
            G.Life.SetGame(sc.Game);
            Board.SetRules(sc.Rule);
            Board.SetStatesCount(sc.States);
            TReferenceGrid grid{60, 40, std::vector<uint8_t>(60 * 40)};
            auto put = [&](int x, int y, uint8_t s) {
                grid.Cells[size_t(y) * 60 + x] = s;
                Board.SetCell(Board.MinX() + x, Board.MinY() + y, s);
            };
            for (int y = 8; y < 32; ++y)
                for (int x = 10; x < 45; ++x)
                    if (rng() % 3 == 0) put(x, y, uint8_t(1 + rng() % (sc.States - 1)));
            const TReferenceRule rule{sc.Game, Board.SurvivalSet(), Board.BirthSet(),
                                      Board.StatesCount(), &G.Life.WLife};
            for (int gen = 0; gen < 60; ++gen) {
                if (gen == 30) put(int(rng() % 60), int(rng() % 40), 1);
                const TReferenceGrid next = ReferenceStep(grid, wrap, rule);
                int changed = 0, live = 0;
                std::vector<int> counts(TBoard::kMaxStates);
                for (size_t k = 0; k < next.Cells.size(); ++k) {
                    changed += next.Cells[k] != grid.Cells[k];
                    live += next.Cells[k] != 0;
                    ++counts[next.Cells[k]];
                }
                grid = next;
                Board.Step(false);
                ASSERT_EQ(Board.ChangedCount(), changed) << "generation " << gen;
                ASSERT_EQ(Board.LiveCount(), live) << "generation " << gen;
                for (int s = 1; s < sc.States; ++s)
                    ASSERT_EQ(Board.StateCount(s), counts[s]) << "state " << s;
                for (int y = 0; y < 40; ++y)
                    for (int x = 0; x < 60; ++x)
                        ASSERT_EQ(Board.GetCell(Board.MinX() + x, Board.MinY() + y),
                                  grid.Cells[size_t(y) * 60 + x])
                            << "generation " << gen << " at " << x << "," << y;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(
    Families, TSoupTest,
    testing::Values(
        TSoupCase{gmLife, "23/3", 2}, TSoupCase{gmLife, "23/36", 5},
        TSoupCase{gmGenerations, "345/2/4", 4}, TSoupCase{gmGenerations, "1/12", 2},
        TSoupCase{gmVoteForLife, "46789", 2},
        TSoupCase{gmWeightedLife, "NW1,NN2,NE1,WW2,ME0,EE2,SW1,SS2,SE1,HI0,RS3,RS4,RS5,RB4", 2},
        TSoupCase{gmWeightedLife, "NW-1,NN3,NE-1,WW3,ME1,EE3,SW-1,SS3,SE-1,HI5,RS4,RS6,RS7,RB3,RB6",
                  5}),
    [](const testing::TestParamInfo<TSoupCase>& info) {
        std::string name = TLife::GameName(info.param.Game) + "_" + std::to_string(info.index);
        std::erase(name, ' ');
        return name;
    });

// The games a bit per cell, on boards whose edges cut through the bits' words and tiles:
// soups over the whole board, a cell of a state the bits do not hold that sends a generation
// through the blocks and back, edits in regions gone quiet and of dying cells, the counts and
// the live-cell box kept by births.
namespace {

constexpr const char* kBalloons =
    "1,0,1,0,0,15,0,0,0,5,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,4,4,"
    "8,4,4,4,4,4,4,0,5,5,5,5,5,7,7,9,11,0,2,2,2,2,2,2,2,2,2,0,5,5,5,5,5,13,13,9,11,0,8,8,10,8,8,8,"
    "8,8,8,0,2,2,2,2,2,9,13,9,11,0,10,10,0,10,10,10,10,10,10,0,14,14,14,14,14,14,14,14,11,0,12,12,"
    "4,12,12,12,12,12,12,0,6,6,6,6,13,13,13,9,11,0,14,14,14,12,14,14,14,14,14,0,2,2,2,2,2,2,2,2,2";

// A table of 25 states with every entry at random but the first.
std::string RandomTable(const char* flags, unsigned seed)
{
    std::mt19937 rng(seed);
    std::string text = flags;
    for (int k = 0; k < 25 * 10; ++k) text += "," + std::to_string(k == 0 ? 0 : rng() % 25);
    return text;
}
const std::string kTableVonNeumann = RandomTable("2,1,1", 3), kTableMoore = RandomTable("1,1,0", 4);

} // namespace

struct TBitSoupCase {
    uint8_t Game;
    const char* Rule;
    int States;
    int Width, Height;
};

void PrintTo(const TBitSoupCase& sc, std::ostream* os)
{
    *os << TLife::GameName(sc.Game) << " \"" << sc.Rule << "\" of " << sc.States << " states on "
        << sc.Width << "x" << sc.Height;
}

class TBitSoupTest : public TBoardTest, public testing::WithParamInterface<TBitSoupCase> {};

TEST_P(TBitSoupTest, MatchesTheReferenceGenerationOnEveryEdge)
{
    const TBitSoupCase& sc = GetParam();
    const int w = sc.Width, h = sc.Height;
    using TIsa = TBoard::TStepIsa;
    for (TIsa isa : {TIsa::Sse2, TIsa::Avx2, TIsa::Avx512})
        for (bool wrap : {false, true}) {
            if (isa > TBoard::BestStepIsa()) continue;
            SCOPED_TRACE(testing::Message() << "wrap " << wrap << ", instruction set " << int(isa));
            std::mt19937 rng(99);
            Board.SetStepIsa(isa);
            Board.SetSize(w, h);
            Board.Clear(false);
            Board.SetWrap(wrap);
            UseGame(sc.Game, sc.Rule);
            Board.SetStatesCount(sc.States);
            TReferenceGrid grid{w, h, std::vector<uint8_t>(size_t(w) * h)};
            TRect box{w, h, -1, -1};
            auto mark = [&](int x, int y, uint8_t s) {
                grid.Cells[size_t(y) * w + x] = s;
                if (s != 0)
                    box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x),
                           std::max(box.Bottom, y)};
            };
            auto put = [&](int x, int y, uint8_t s) {
                mark(x, y, s);
                Board.SetCell(Board.MinX() + x, Board.MinY() + y, s);
            };
            // Dense in the corners and along the edges, sparse inside, so that some tiles
            // go quiet.
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const bool edge = x < 12 || y < 12 || x >= w - 12 || y >= h - 12;
                    if (rng() % (edge ? 2 : 9) == 0)
                        put(x, y, sc.States == 2 ? 1 : uint8_t(1 + rng() % (sc.States - 1)));
                }
            const TReferenceRule rule{
                sc.Game,       Board.SurvivalSet(), Board.BirthSet(),   sc.States,
                &G.Life.WLife, &G.Life.Cycl,        &Board.RulesTable()};
            const int high = std::min(sc.States, TBoard::kMaxStates - 1);
            // The widest board is as dense as the reference can afford.
            const int gens = w * h > 100000 ? 4 : 14;
            for (int gen = 0; gen < gens; ++gen) {
                if (gen == gens / 3) put(w / 2, h / 2, uint8_t(high));
                if (gen == 2 * gens / 3) {
                    put(int(rng() % w), int(rng() % h), 1);
                    // A dying cell back to life, and another one's age.
                    const size_t from = rng() % grid.Cells.size();
                    for (int edits = 0, k = 0; edits < 2 && k < w * h; ++k) {
                        const size_t at = (from + size_t(k)) % grid.Cells.size();
                        if (grid.Cells[at] < 2) continue;
                        put(int(at % size_t(w)), int(at / size_t(w)), uint8_t(edits == 0 ? 1 : 2));
                        ++edits;
                    }
                }
                if (gen == gens / 2) {
                    // Written in bulk, as a fill or a file writes cells.
                    const int x = int(rng() % (w - 3)), y = int(rng() % h);
                    Board.WriteRun(Board.MinX() + x, Board.MinY() + y, 3, 1);
                    for (int k = 0; k < 3; ++k) mark(x + k, y, 1);
                }
                const TReferenceGrid next = ReferenceStep(grid, wrap, rule);
                int changed = 0, live = 0;
                std::vector<int> counts(size_t(high) + 1);
                // The blocks with a changed cell, which the period watch counts.
                std::set<std::pair<int, int>> written;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        const uint8_t was = grid.Cells[size_t(y) * w + x],
                                      now = next.Cells[size_t(y) * w + x];
                        changed += was != now;
                        if (was != now) written.emplace(x / TBlob::kSize, y / TBlob::kSize);
                        live += now != 0;
                        ++counts[now];
                        if (was == 0 && now != 0)
                            box = {std::min(box.Left, x), std::min(box.Top, y),
                                   std::max(box.Right, x), std::max(box.Bottom, y)};
                    }
                // The last generation is painted: every changed cell in its new state.
                TRecordingPainter painter;
                std::vector<std::tuple<int32_t, int32_t, int>> expected, painted;
                if (gen == gens - 1) {
                    G.Painter = &painter;
                    for (int y = 0; y < h; ++y)
                        for (int x = 0; x < w; ++x)
                            if (grid.Cells[size_t(y) * w + x] != next.Cells[size_t(y) * w + x])
                                expected.emplace_back(Board.MinX() + x, Board.MinY() + y,
                                                      next.Cells[size_t(y) * w + x]);
                }
                grid = next;
                Board.Step(gen == gens - 1);
                G.Painter = nullptr;
                for (const auto& p : painter.Painted) painted.emplace_back(p.X, p.Y, p.State);
                std::sort(painted.begin(), painted.end());
                std::sort(expected.begin(), expected.end());
                ASSERT_EQ(painted, expected) << "generation " << gen;
                ASSERT_EQ(Board.ChangedCount(), changed) << "generation " << gen;
                ASSERT_EQ(Board.WrittenBlockCount(), int(written.size())) << "generation " << gen;
                ASSERT_EQ(Board.LiveCount(), live) << "generation " << gen;
                for (int state = 1; state <= high; ++state)
                    ASSERT_EQ(Board.StateCount(state), counts[size_t(state)]) << "state " << state;
                const TLiveBox& b = Board.LiveBox();
                ASSERT_EQ((TRect{b.MinX, b.MinY, b.MaxX, b.MaxY}),
                          (TRect{Board.MinX() + box.Left, Board.MinY() + box.Top,
                                 Board.MinX() + box.Right, Board.MinY() + box.Bottom}))
                    << "generation " << gen;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x)
                        ASSERT_EQ(Board.GetCell(Board.MinX() + x, Board.MinY() + y),
                                  grid.Cells[size_t(y) * w + x])
                            << "generation " << gen << " at " << x << "," << y;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(
    TwoStates, TBitSoupTest,
    testing::Values(
        TBitSoupCase{gmLife, "23/3", 2, 20, 20}, TBitSoupCase{gmLife, "23/3", 2, 100000, 20},
        TBitSoupCase{gmLife, "23/3", 2, 20, 2500}, TBitSoupCase{gmLife, "1357/1357", 2, 180, 140},
        TBitSoupCase{gmLife, "0268/478", 2, 180, 140},
        TBitSoupCase{gmVoteForLife, "46789", 2, 20, 20},
        TBitSoupCase{gmVoteForLife, "1259", 2, 180, 140},
        TBitSoupCase{gmVoteForLife, "46789", 2, 20, 2500},
        TBitSoupCase{gmGenerations, "345/2/2", 2, 20, 2500},
        TBitSoupCase{gmGenerations, "345/2/3", 3, 100000, 20},
        TBitSoupCase{gmGenerations, "345/2/4", 4, 20, 20},
        TBitSoupCase{gmGenerations, "345/2/4", 4, 20, 2500},
        TBitSoupCase{gmGenerations, "2/13/25", 25, 180, 140},
        TBitSoupCase{gmGenerations, "0178/2568/5", 5, 180, 140},
        TBitSoupCase{gmGenerations, "2/13/25", 25, 100000, 20},
        TBitSoupCase{gmWeightedLife, "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI5,RS2,RS3,RB3", 5, 20,
                     2500},
        TBitSoupCase{gmWeightedLife, "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0,RS2,RS3,RB3", 2,
                     100000, 20},
        // Every plane count, thresholds of one, most and more than all neighbours.
        TBitSoupCase{gmCyclic, "R1/T1/C2/NM", 2, 20, 2500},
        TBitSoupCase{gmCyclic, "R1/T3/C3/NN", 3, 20, 20},
        TBitSoupCase{gmCyclic, "R1/T3/C5/NM", 5, 180, 300},
        TBitSoupCase{gmCyclic, "R1/T3/C5/NM", 5, 100000, 20},
        TBitSoupCase{gmCyclic, "R1/T8/C4/NN/GH", 4, 20, 2500},
        TBitSoupCase{gmCyclic, "R1/T2/C16/NM/GH", 16, 180, 140},
        TBitSoupCase{gmCyclic, "R1/T1/C24/NN", 25, 100000, 20},
        TBitSoupCase{gmCyclic, "R1/T8/C24/NM", 25, 20, 20},
        // Moore and von Neumann, the centre counted or not, odd states or state 1 firing.
        TBitSoupCase{gmRulesTable, kBalloons, 16, 180, 140},
        TBitSoupCase{gmRulesTable, kBalloons, 16, 100000, 20},
        TBitSoupCase{gmRulesTable, "2,1,0,0,1,2,0,0,0,0,0,0,0,0,1,2,1,0,0,0,0,0,0,0,2,2,0,1", 3, 20,
                     2500},
        TBitSoupCase{gmRulesTable, "1,1,1,0,0,0,3,1,2,0,0,0,0,0,2,2,1,1,0,0,0,0,0,3,3,3,1,1,2", 4,
                     20, 20},
        TBitSoupCase{gmRulesTable, kTableVonNeumann.c_str(), 25, 20, 2500},
        TBitSoupCase{gmRulesTable, kTableMoore.c_str(), 25, 100000, 20}),
    [](const testing::TestParamInfo<TBitSoupCase>& info) {
        std::string name = TLife::GameName(info.param.Game) + "_" + std::to_string(info.index);
        std::erase(name, ' ');
        return name;
    });
