// The rules table, Cyclic CA and the row games against plain cell-by-cell references.

#include "BoardFixture.h"
#include "ReferenceStep.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using TIsa = TBoard::TStepIsa;

std::vector<TIsa> AvailableIsas()
{
    std::vector<TIsa> isas;
    for (TIsa isa : {TIsa::Sse2, TIsa::Avx2, TIsa::Avx512})
        if (isa <= TBoard::BestStepIsa()) isas.push_back(isa);
    return isas;
}

// A grid of the board's cells, x and y counted from the board's top-left corner.
struct TGrid : TReferenceGrid {
    uint8_t& operator()(int x, int y) { return Cells[size_t(y) * Width + x]; }
};

class TFamilyTest : public TBoardTest {
protected:
    TGrid Grid{{60, 40, std::vector<uint8_t>(60 * 40)}};

    // Fills the middle of a 60x40 board at random with states 1..states-1, on board and grid.
    void Soup(bool wrap, int states, unsigned seed)
    {
        Board.SetSize(Grid.Width, Grid.Height);
        Board.Clear(false);
        Board.SetWrap(wrap);
        std::fill(Grid.Cells.begin(), Grid.Cells.end(), 0);
        std::mt19937 rng(seed);
        for (int y = 5; y < 35; ++y)
            for (int x = 5; x < 50; ++x)
                if (rng() % 2 == 0) {
                    const uint8_t s = uint8_t(1 + rng() % (states - 1));
                    Grid(x, y) = s;
                    Board.SetCell(Board.MinX() + x, Board.MinY() + y, s);
                }
    }
    // Fills a whole board of `width` x `height` half at random with states 1..states-1.
    void SoupAll(int width, int height, bool wrap, int states, unsigned seed)
    {
        Board.SetSize(width, height);
        Board.Clear(false);
        Board.SetWrap(wrap);
        Grid = TGrid{{width, height, std::vector<uint8_t>(size_t(width) * height)}};
        std::mt19937 rng(seed);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (rng() % 2 == 0) {
                    Grid(x, y) = uint8_t(1 + rng() % (states - 1));
                    Board.SetCell(Board.MinX() + x, Board.MinY() + y, Grid(x, y));
                }
    }
    template <class TCellRule>
    void ExpectGenerationsMatch(bool wrap, int generations, const TCellRule& rule)
    {
        for (int gen = 0; gen < generations; ++gen) {
            TGrid next = Grid;
            for (int y = 0; y < Grid.Height; ++y)
                for (int x = 0; x < Grid.Width; ++x) next(x, y) = rule(Grid, x, y, wrap);
            Grid = next;
            Board.Step(false);
            ExpectBoardHolds(Grid, gen);
            if (HasFatalFailure()) return;
        }
    }
    void ExpectBoardHolds(TGrid& expected, int gen)
    {
        for (int y = 0; y < expected.Height; ++y)
            for (int x = 0; x < expected.Width; ++x)
                if (Board.GetCell(Board.MinX() + x, Board.MinY() + y) != expected(x, y)) {
                    ASSERT_EQ(Board.GetCell(Board.MinX() + x, Board.MinY() + y), expected(x, y))
                        << "generation " << gen << " at " << x << "," << y;
                }
    }
};

} // namespace

// ---- Rules table ----

TEST_F(TFamilyTest, RulesTableMatchesTheReference)
{
    std::mt19937 rng(7);
    for (const char* flags : {"1,0,0", "2,1,0", "1,1,1", "2,0,1"})
        for (TIsa isa : AvailableIsas())
            for (bool wrap : {false, true}) {
                SCOPED_TRACE(testing::Message()
                             << flags << " wrap " << wrap << " isa " << int(isa));
                // Four states; T[0][0] stays 0 so that empty space stays empty.
                std::string text = flags;
                for (int k = 0; k < 4 * 10; ++k)
                    text += "," + std::to_string(k == 0 ? 0 : rng() % 4);
                G.Life.SetGame(gmRulesTable);
                Board.SetStepIsa(isa);
                Soup(wrap, 4, 11);
                Board.SetRules(text);
                const TRulesTable& t = Board.RulesTable();
                ExpectGenerationsMatch(wrap, 12, [&](const TGrid& g, int x, int y, bool w) {
                    return TableCell(t, g, x, y, w);
                });
            }
}

TEST_F(TFamilyTest, RulesTableFiresOddStatesOnlyWhenAsked)
{
    G.Life.SetGame(gmRulesTable);
    // A cell with one firing neighbour (von Neumann) becomes state 2.
    const std::string oneFiring = ",0,2,0,0,0,0,0,0,0,0";
    for (bool odd : {true, false}) {
        Board.Clear(false);
        Board.SetRules(std::string("2,0,") + (odd ? "1" : "0") + oneFiring);
        Board.SetStatesCount(4);
        Board.SetCell(0, 0, 3);
        Board.SetCell(5, 0, 2);
        Board.Step(false);
        EXPECT_EQ(Board.GetCell(1, 0), odd ? 2 : 0) << "beside state 3, odd " << odd;
        EXPECT_EQ(Board.GetCell(6, 0), 0) << "beside state 2, odd " << odd;
    }
}

// ---- Cyclic CA ----

TEST_F(TFamilyTest, CyclicMatchesTheReferenceAtEveryRange)
{
    for (const char* rule : {"R1/T1/C3/NM", "R1/T2/C4/NN", "R2/T3/C5/NM", "R3/T4/C4/NN/GH",
                             "R10/T30/C3/NM", "R7/T20/C6/NN"})
        for (TIsa isa : AvailableIsas())
            for (bool wrap : {false, true}) {
                SCOPED_TRACE(testing::Message() << rule << " wrap " << wrap << " isa " << int(isa));
                G.Life.SetGame(gmCyclic);
                Board.SetStepIsa(isa);
                Board.SetRules(rule);
                const TRulesCycl c = G.Life.Cycl;
                Soup(wrap, c.StatesCount, 5);
                const int n = Board.StatesCount();
                ExpectGenerationsMatch(wrap, 6, [&](const TGrid& g, int x, int y, bool w) {
                    return CyclicCell(c, n, g, x, y, w);
                });
            }
}

TEST_F(TFamilyTest, CyclicAdvancesEmptyCellsAndGreenbergHastingsCells)
{
    UseGame(gmCyclic, "R1/T1/C3/NM");
    Board.SetCell(0, 0, 1);
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(1, 1), 1) << "an empty cell next to its successor advances";
    EXPECT_EQ(Board.GetCell(0, 0), 1) << "no neighbour holds 2";

    UseGame(gmCyclic, "R1/T8/C3/NM/GH");
    Board.Clear(false);
    Board.SetCell(0, 0, 1);
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(0, 0), 2) << "with Greenberg-Hastings a live cell always advances";
}

TEST_F(TFamilyTest, CyclicWakesAQuietTileWhereOnlyAHigherBitOfItsNeighbourChanged)
{
    // Two tiles of ones and of fours on a torus, static: no cell sees its successor. The four at
    // the left
    // tile's last column sees the 0 beside it and becomes 0, a change of the third bit alone;
    // the fours of the quiet right tile then see that 0.
    UseGame(gmCyclic, "R1/T1/C5/NM");
    Board.SetSize(80, 20);
    Board.Clear(false);
    Board.SetWrap(true);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x)
            Board.SetCell(Board.MinX() + x, Board.MinY() + y, x < 40 ? 1 : 4);
    Board.SetCell(Board.MinX() + 38, Board.MinY() + 10, 0);
    Board.SetCell(Board.MinX() + 39, Board.MinY() + 10, 4);
    Board.Step(false);
    ASSERT_EQ(Board.GetCell(Board.MinX() + 39, Board.MinY() + 10), 0);
    ASSERT_EQ(Board.GetCell(Board.MinX() + 40, Board.MinY() + 10), 4);
    Board.Step(false);
    for (int y = 9; y <= 11; ++y)
        EXPECT_EQ(Board.GetCell(Board.MinX() + 40, Board.MinY() + y), 0) << "row " << y;
}

// ---- Every changed kernel on odd board shapes ----

// Boards one block row or column from their wrap seam in every direction, so that soups cross
// block edges and the seam everywhere: narrow, wide and tall.
TEST_F(TFamilyTest, KernelsMatchTheReferenceOnOddBoardShapes)
{
    struct TShape {
        int Width, Height, Generations;
    };
    struct TCase {
        uint8_t Game;
        std::string Rule;
        int States;
        bool Wide; // cheap enough for the reference on the widest board
    };
    // Rules tables of 25 states with entries for states 16..24 as well, the centre counting
    // (von Neumann with odd states firing, Moore with state 1 only), next to "Balloons" (Moore,
    // 16 states, odd states firing).
    std::mt19937 rng(3);
    std::string full = "2,1,1", fullMoore = "1,1,0";
    for (int k = 0; k < 25 * 10; ++k) {
        full += "," + std::to_string(k == 0 ? 0 : rng() % 25);
        fullMoore += "," + std::to_string(k == 0 ? 0 : rng() % 25);
    }
    const TCase cases[] = {
        {gmRulesTable,
         "1,0,1,0,0,15,0,0,0,5,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,4,"
         "4,8,4,4,4,4,4,4,0,5,5,5,5,5,7,7,9,11,0,2,2,2,2,2,2,2,2,2,0,5,5,5,5,5,13,13,9,11,0,8,8,10,"
         "8,8,8,8,8,8,0,2,2,2,2,2,9,13,9,11,0,10,10,0,10,10,10,10,10,10,0,14,14,14,14,14,14,14,14,"
         "11,0,12,12,4,12,12,12,12,12,12,0,6,6,6,6,13,13,13,9,11,0,14,14,14,12,14,14,14,14,14,0,2,"
         "2,2,2,2,2,2,2,2",
         16, true},
        {gmRulesTable, full, 25, true},
        {gmRulesTable, fullMoore, 25, true},
        // Weights that only count run as Life and as Generations.
        {gmWeightedLife, "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0,RS2,RS3,RB3", 3, true},
        {gmWeightedLife, "NW2,NN2,NE2,WW2,ME1,EE2,SW2,SS2,SE2,HI4,RS5,RS6,RS7,RB4,RB6", 4, false},
        {gmCyclic, "R1/T3/C5/NM", 5, true},
        {gmCyclic, "R1/T2/C4/NN", 4, true},
        {gmCyclic, "R1/T2/C3/NM/GH", 3, true},
        {gmCyclic, "R3/T5/C4/NM/GH", 4, true},
        {gmCyclic, "R10/T50/C4/NM", 4, false},
    };
    for (const TShape& shape : {TShape{20, 20, 8}, TShape{100000, 20, 2}, TShape{20, 2500, 3}})
        for (const TCase& c : cases)
            for (bool wrap : {false, true}) {
                if (shape.Width > 1000 && !c.Wide) continue;
                SCOPED_TRACE(testing::Message()
                             << TLife::GameName(c.Game) << " " << c.Rule << " on " << shape.Width
                             << "x" << shape.Height << " wrap " << wrap);
                G.Life.SetGame(c.Game);
                Board.SetRules(c.Rule);
                Board.SetStatesCount(c.States);
                SoupAll(shape.Width, shape.Height, wrap, c.States, 9);
                const int n = Board.StatesCount();
                // The reference generations once, for every instruction set to meet.
                std::vector<TGrid> expected{Grid};
                for (int gen = 0; gen < shape.Generations; ++gen) {
                    const TGrid& g = expected.back();
                    TGrid next = g;
                    for (int y = 0; y < g.Height; ++y)
                        for (int x = 0; x < g.Width; ++x)
                            next(x, y) = c.Game == gmRulesTable
                                             ? TableCell(Board.RulesTable(), g, x, y, wrap)
                                         : c.Game == gmCyclic
                                             ? CyclicCell(G.Life.Cycl, n, g, x, y, wrap)
                                             : ReferenceCell(g, x, y, wrap,
                                                             {c.Game, 0, 0, n, &G.Life.WLife});
                    expected.push_back(std::move(next));
                }
                for (TIsa isa : AvailableIsas()) {
                    SCOPED_TRACE(testing::Message() << "isa " << int(isa));
                    Board.SetStepIsa(isa);
                    SoupAll(shape.Width, shape.Height, wrap, c.States, 9);
                    for (int gen = 1; gen <= shape.Generations; ++gen) {
                        Board.Step(false);
                        ExpectBoardHolds(expected[size_t(gen)], gen);
                        if (HasFatalFailure()) return;
                    }
                }
            }
}

// ---- Row games ----

class TRowTest : public TBoardTest {
protected:
    std::string Row(int y)
    {
        std::string s;
        for (int x = Board.MinX(); x <= Board.MaxX(); ++x) s += char('0' + Board.GetCell(x, y));
        return s;
    }
};

TEST_F(TRowTest, TotalisticBirthBesideOneCellWritesTheNextRow)
{
    Board.SetSize(20, 20);
    UseGame(gm1DTotalistic, "R1,M0,B1");
    Board.SetCell(0, Board.MinY(), 1);
    Board.Step(false);
    EXPECT_EQ(Row(Board.MinY() + 1), "00000000010100000000");
    EXPECT_EQ(Board.Cycle(), 1);
    EXPECT_EQ(Board.CurrentRow1D(), Board.MinY() + 1);
    for (int gen = 2; gen <= 25; ++gen) Board.Step(false);
    EXPECT_EQ(Board.Cycle(), 25) << "every generation counts, even one that repeats a row";
}

// Random rows of every state against a plain count of each cell's window, narrow and wide,
// wrapped and not, with and without the centre, aging, history and the widest range.
TEST_F(TRowTest, TotalisticRowsMatchTheReference)
{
    const std::pair<const char*, int> rules[] = {{"R2,M1,S2,S3,B1,B3", 2},
                                                 {"R3,M0,S1,S4,S5,B2,B5", 5},
                                                 {"R1,C4,M1,S1,S2,B1,B2", 4},
                                                 {"R10,M1,S5,S10,S21,B7,B11", 3}};
    std::mt19937 rng(5);
    for (int width : {20, 100000})
        for (const auto& [text, states] : rules)
            for (bool wrap : {false, true}) {
                SCOPED_TRACE(testing::Message() << text << " on " << width << " wrap " << wrap);
                Board.SetSize(width, 20);
                Board.Clear(false);
                Board.SetWrap(wrap);
                UseGame(gm1DTotalistic, text);
                Board.SetStatesCount(states);
                const TRules1DTo& rule = G.Life.OneD;
                const int last = Board.StatesCount() - 1, range = std::clamp(rule.Range, 1, 10);
                std::vector<uint8_t> row(static_cast<size_t>(width));
                for (int x = 0; x < width; ++x) {
                    row[size_t(x)] = rng() % 2 ? uint8_t(1 + rng() % last) : 0;
                    Board.SetCell(Board.MinX() + x, Board.MinY(), row[size_t(x)]);
                }
                const auto counted = [&rule](int s) { return rule.History ? s == 1 : s != 0; };
                for (int gen = 1; gen <= 3; ++gen) {
                    std::vector<uint8_t> next(row.size());
                    for (int x = 0; x < width; ++x) {
                        const int c = row[size_t(x)];
                        int k = rule.Centre && counted(c);
                        for (int d = -range; d <= range; ++d) {
                            const int at = wrap ? ((x + d) % width + width) % width : x + d;
                            if (d != 0 && at >= 0 && at < width) k += counted(row[size_t(at)]);
                        }
                        next[size_t(x)] = uint8_t(
                            c == 0          ? rule.Birth[size_t(k)]
                            : !rule.History ? (rule.Survival[size_t(k)] ? std::min(c + 1, last) : 0)
                            : c == 1        ? (rule.Survival[size_t(k)] ? 1
                                               : last > 1               ? 2
                                                                        : 0)
                                            : (c < last ? c + 1 : 0));
                    }
                    row = next;
                    Board.Step(false);
                    const int32_t y = Board.MinY() + gen;
                    for (int x = 0; x < width; ++x)
                        if (Board.GetCell(Board.MinX() + x, y) != row[size_t(x)]) {
                            ASSERT_EQ(Board.GetCell(Board.MinX() + x, y), row[size_t(x)])
                                << "generation " << gen << " at " << x;
                        }
                }
            }
}

TEST_F(TRowTest, RowsWrapFromTheBottomToTheTop)
{
    Board.SetSize(20, 20);
    UseGame(gm1DTotalistic, "R1,M1,S1"); // a lone cell persists, nothing is born
    Board.SetCell(0, Board.MinY(), 1);
    Board.SetCell(5, Board.MinY(), 1);
    for (int gen = 0; gen < 19; ++gen) Board.Step(false);
    EXPECT_EQ(Board.CurrentRow1D(), Board.MaxY());
    Board.SetCell(5, Board.MaxY(), 0);
    Board.Step(false);
    EXPECT_EQ(Board.CurrentRow1D(), Board.MinY());
    EXPECT_EQ(Row(Board.MinY()), "00000000001000000000") << "the top row is replaced";
}

// Rows written over older rows, across many blocks and past blocks that could not be
// allocated, keep the counts their cells give: the population, the counts by state, the live
// box and each block's own count.
TEST_F(TRowTest, RowsWrittenOverOlderRowsKeepTheirCounts)
{
    struct TCase {
        int Width, Height;
        long Blocks; // that memory allows, -1 for all
    };
    // 2600 x 40 is 262 x 6 blocks with the ring's; 900 of them leave the right side out.
    const TCase cases[] = {{20, 20, -1}, {2600, 40, -1}, {2600, 40, 900}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Width << "x" << c.Height << " " << c.Blocks);
        TTestHost host;
        TGlobals g{host};
        TBoard& board = g.Board;
        g.Memory.FailAfter(c.Blocks);
        board.SetSize(c.Width, c.Height);
        g.Memory.AllowAll();
        board.SetWrap(true);
        g.Life.SetGame(gm1DTotalistic);
        board.SetRules("R2,M1,S2,S3,B1,B3");
        std::mt19937 rng(7);
        for (int x = board.MinX(); x <= board.MaxX(); ++x)
            board.SetCell(x, board.MinY(), uint8_t(rng() % 2));
        for (int gen = 0; gen < 2 * c.Height + 5; ++gen) board.Step(false);

        int32_t live = 0;
        TRect cells{board.MaxX(), board.MaxY(), board.MinX(), board.MinY()};
        for (int32_t bx = 0; bx <= board.BXMax(); ++bx)
            for (int32_t by = 0; by <= board.BYMax(); ++by) {
                const TBlob& blob = board.BlobAt(bx, by);
                int blockLive = 0;
                for (int i = 0; i < TBlob::kSize; ++i)
                    for (int j = 0; j < TBlob::kSize; ++j) {
                        if (blob.Cells[i][j] == 0) continue;
                        ++blockLive;
                        const int32_t x = board.MinX() + bx * TBlob::kSize + i,
                                      y = board.MinY() + by * TBlob::kSize + j;
                        cells = {std::min(cells.Left, x), std::min(cells.Top, y),
                                 std::max(cells.Right, x), std::max(cells.Bottom, y)};
                    }
                ASSERT_EQ(blob.LiveCount, blockLive) << "block " << bx << "," << by;
                live += blockLive;
            }
        EXPECT_GT(live, 0);
        EXPECT_EQ(board.LiveCount(), live);
        EXPECT_EQ(board.StateCount(1), live);
        const TLiveBox& box = board.LiveBox();
        EXPECT_TRUE(box.MinX <= cells.Left && box.MinY <= cells.Top && box.MaxX >= cells.Right &&
                    box.MaxY >= cells.Bottom);
        if (c.Blocks >= 0) {
            EXPECT_EQ(board.GetCell(board.MaxX(), board.MaxY()), 0);
        }
    }
}

TEST_F(TRowTest, TotalisticRowsWrapAtTheSidesOnlyWithWrap)
{
    Board.SetSize(20, 20);
    UseGame(gm1DTotalistic, "R1,M0,B1");
    for (bool wrap : {false, true}) {
        Board.Clear(false);
        Board.SetWrap(wrap);
        Board.SetCell(Board.MaxX(), Board.MinY(), 1);
        Board.Step(false);
        EXPECT_EQ(Board.GetCell(Board.MinX(), Board.MinY() + 1), wrap ? 1 : 0);
        EXPECT_EQ(Board.GetCell(Board.MaxX() - 1, Board.MinY() + 1), 1);
    }
}

TEST_F(TRowTest, AbsurdTotalisticRangesStayInsideTheRow)
{
    Board.SetSize(20, 20);
    Board.SetWrap(true);
    UseGame(gm1DTotalistic, "R50,M1,S21,B21,B3");
    for (int x = Board.MinX(); x <= Board.MaxX(); ++x) Board.SetCell(x, Board.MinY(), 1);
    Board.Step(false);
    // The range reads as 10: every cell sees 21 live cells, itself included.
    EXPECT_EQ(Row(Board.MinY() + 1), std::string(20, '1'));
}

// The row the last generation wrote is reused as the next current row; every kind of change
// between two generations must be seen, so each run is compared with a fresh board that is
// given the same cells and settings right after the change.
TEST_F(TRowTest, ChangesBetweenGenerationsGiveTheRowsOfAFreshBoard)
{
    struct TChange {
        const char* Name;
        void (*Apply)(TGlobals& g);
    };
    const TChange changes[] = {
        {"nothing", [](TGlobals&) {}},
        {"a cell of the current row",
         [](TGlobals& g) { g.Board.SetCell(7, g.Board.CurrentRow1D(), 1); }},
        {"a cell elsewhere", [](TGlobals& g) { g.Board.SetCell(3, g.Board.MaxY(), 1); }},
        {"an area",
         [](TGlobals& g) {
             const int32_t y = g.Board.CurrentRow1D();
             const std::vector<uint8_t> cells(60, 1);
             g.Board.WriteArea({-30, y, 29, y}, cells.data(), cells.size());
         }},
        {"a run", [](TGlobals& g) { g.Board.WriteRun(-100, g.Board.CurrentRow1D(), 50, 0); }},
        {"a clear and a cell",
         [](TGlobals& g) {
             g.Board.Clear(false);
             g.Board.SetCell(0, g.Board.MinY(), 1);
         }},
        {"an undo", [](TGlobals& g) { g.Undo.Undo(); }},
        {"the rule", [](TGlobals& g) { g.Board.SetRules("R3,M0,S1,S4,B2,B5"); }},
        {"the wrap", [](TGlobals& g) { g.Board.SetWrap(!g.Board.Wrap()); }},
        {"the current row", [](TGlobals& g) { g.Board.SetCurrentRow1D(g.Board.MinY() + 5); }},
        {"a generation of Life",
         [](TGlobals& g) {
             g.Life.SetGame(gmLife);
             g.Board.SetRules("23/3");
             g.Board.Step(false);
             g.Life.SetGame(gm1DTotalistic);
             g.Board.SetRules("R2,M1,S2,S3,B1,B3");
         }},
    };
    const TRect all = {Board.MinX(), Board.MinY(), Board.MaxX(), Board.MaxY()};
    const size_t width = size_t(all.Width()), cells = width * size_t(all.Height());
    for (const TChange& change : changes) {
        SCOPED_TRACE(change.Name);
        Board.Clear(false);
        Board.SetWrap(true);
        UseGame(gm1DTotalistic, "R2,M1,S2,S3,B1,B3");
        std::mt19937 rng(3);
        for (int x = Board.MinX(); x <= Board.MaxX(); ++x)
            Board.SetCell(x, Board.MinY(), uint8_t(rng() % 2));
        Board.Step(false);
        G.Undo.AddEvent(TUndoEvent::Manual);
        Board.Step(false);
        Board.Step(false);
        change.Apply(G);

        TTestHost host;
        TGlobals fresh{host};
        fresh.Board.SetSize(Board.Width(), Board.Height());
        fresh.Board.SetWrap(Board.Wrap());
        fresh.Life.SetGame(gm1DTotalistic);
        fresh.Board.SetRules(Board.RuleText());
        std::vector<uint8_t> expected(cells), actual(cells);
        Board.ReadArea(all, expected.data(), width);
        fresh.Board.WriteArea(all, expected.data(), width);
        fresh.Board.SetCurrentRow1D(Board.CurrentRow1D());
        for (int gen = 0; gen < 3; ++gen) {
            Board.Step(false);
            fresh.Board.Step(false);
        }
        Board.ReadArea(all, actual.data(), width);
        fresh.Board.ReadArea(all, expected.data(), width);
        EXPECT_TRUE(actual == expected) << "the cells differ";
        EXPECT_EQ(Board.LiveCount(), fresh.Board.LiveCount());
        EXPECT_EQ(Board.StateCount(1), fresh.Board.StateCount(1));
    }
}

TEST_F(TRowTest, SpecialParticlesMoveRightAndAroundWithWrap)
{
    Board.SetSize(20, 20);
    Board.SetWrap(true);
    UseGame(gmSpecial, "TRCA,0,0,1,1");
    Board.SetCell(Board.MinX(), Board.MinY(), 1);
    Board.SetCell(Board.MinX() + 5, Board.MinY(), 1); // blocked by the next one
    Board.SetCell(Board.MinX() + 6, Board.MinY(), 1);
    Board.SetCell(Board.MaxX(), Board.MinY(), 1); // blocked: column MinX is taken
    Board.Step(false);
    EXPECT_EQ(Row(Board.MinY() + 1), "01000101000000000001");
    Board.Step(false);
    EXPECT_EQ(Row(Board.MinY() + 2), "10100010100000000000") << "the last column moves round";
}

TEST_F(TRowTest, SpecialRightEdgeIsAWallWithoutWrap)
{
    Board.SetSize(20, 20);
    UseGame(gmSpecial, "TRCA,0,0,1,1");
    Board.SetStatesCount(4);
    Board.SetCell(Board.MaxX(), Board.MinY(), 3);
    Board.SetCell(Board.MinX(), Board.MinY(), 2);
    Board.Step(false);
    EXPECT_EQ(Row(Board.MinY() + 1), "03000000000000000002")
        << "the moved particle ages, the one at the wall steps back a state";
}

// ---- User rules ----

class TUserStepTest : public TBoardTest {
protected:
    void Activate(const char* folder, const char* name)
    {
        G.ProgramFolder = folder;
        UseGame(gmUserDll, name);
    }
};

TEST_F(TUserStepTest, DaveGrowsACrossFromOneCell)
{
    Activate(PLEXA_PROGRAM_DIR, "Dave");
    Board.SetCell(9, 9, 1); // at a block corner, so that the cross spans four blocks
    Board.Step(false);
    EXPECT_EQ(Board.LiveCount(), 5);
    for (auto [x, y] : {std::pair{9, 9}, {8, 9}, {10, 9}, {9, 8}, {9, 10}})
        EXPECT_EQ(Board.GetCell(x, y), 1) << x << "," << y;
}

TEST_F(TUserStepTest, ResultsKeepTheirLowByteAndStopAtTheLastState)
{
    Activate(PLEXA_TEST_PROGRAM_DIR, "Absurd"); // answers 200 for every cell
    Board.SetCell(0, 0, 1);
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(0, 0), 24);
    EXPECT_EQ(Board.GetCell(5, 5), 24) << "every cell of the live neighbourhood is computed";
    EXPECT_EQ(Board.GetCell(-80, -80), 0) << "empty neighbourhoods are passed over";
}

TEST_F(TUserStepTest, OneDimensionalRulesWriteRowsAndMissingEntriesGiveZero)
{
    Board.SetSize(20, 20);
    Activate(PLEXA_TEST_PROGRAM_DIR, "Rows"); // one-dimensional: every column keeps its state
    ASSERT_EQ(G.Life.Dimension(), 1);
    Board.SetCell(3, Board.MinY(), 1);
    Board.Step(false);
    EXPECT_EQ(Board.GetCell(3, Board.MinY() + 1), 1);
    EXPECT_EQ(Board.CurrentRow1D(), Board.MinY() + 1);

    G.Life.SetGame(gmUserDll); // back to two dimensions, where the library has no CARule
    Board.Step(false);
    EXPECT_EQ(Board.LiveCount(), 0);
}

// ---- Absurd rule texts ----

TEST_F(TFamilyTest, AbsurdRuleTextsRunWithoutReachingOutside)
{
    const std::pair<int, const char*> rules[] = {
        {gmLife, "99999/99999/99999"},
        {gmGenerations, "-5/-5/-5"},
        {gmWeightedLife, "NW99999,NN-99999,HI-5,RS99999,RB-99999"},
        {gmVoteForLife, "0123456789"},
        {gmRulesTable, "9,9,9,-1,99999,300,25,24"},
        {gmCyclic, "R99999/T-7/C99999/NN/GH"},
        {gm1DTotalistic, "R50,C-3,M7,S99,B-1,B21"},
        {gmSpecial, "TRCA,-1,7,1e308,nan"},
    };
    for (const auto& [game, text] : rules)
        for (bool wrap : {false, true}) {
            SCOPED_TRACE(testing::Message() << text << " wrap " << wrap);
            G.Life.SetGame(game);
            Board.SetRules(text);
            Soup(wrap, Board.StatesCount(), 3);
            for (int gen = 0; gen < 5; ++gen) Board.Step(false);
            EXPECT_GE(Board.LiveCount(), 0);
            EXPECT_LE(Board.LiveCount(), Grid.Width * Grid.Height);
        }
}
