// Period detection and the population history, fed by the board's generations.

#include "BoardFixture.h"

#include "engine/u_PeriodDetector.h"

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

// Rows of text, 'O' a live cell, with the top left corner at (x0, y0).
void Draw(TBoard& board, int x0, int y0, const std::vector<std::string>& rows)
{
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] == 'O') board.SetCell(x0 + int(x), y0 + int(y), 1);
}

struct TPeriodCase {
    const char* Name;
    std::vector<std::string> Rows;
    int Generations;
    TPeriod Expected; // Since -1: wherever the pattern settles
};

const std::vector<TPeriodCase> kCases = {
    {"still block", {"OO", "OO"}, 3, {1, 0, 0, 0}},
    {"blinker", {"OOO"}, 10, {2, 0, 0, 0}},
    {"glider", {".O.", "..O", "OOO"}, 40, {4, 0, 1, 1}},
    {"pulsar",
     {"..OOO...OOO..", ".............", "O....O.O....O", "O....O.O....O", "O....O.O....O",
      "..OOO...OOO..", ".............", "..OOO...OOO..", "O....O.O....O", "O....O.O....O",
      "O....O.O....O", ".............", "..OOO...OOO.."},
     30,
     {3, 0, 0, 0}},
    // The pentadecathlon's predecessor: a row of ten settles into it after a few generations.
    {"pentadecathlon", {"OOOOOOOOOO"}, 60, {15, -1, 0, 0}},
};

} // namespace

TEST_F(TBoardTest, PeriodsOfKnownPatterns)
{
    for (const TPeriodCase& c : kCases) {
        SCOPED_TRACE(c.Name);
        Board.Clear(false);
        Draw(Board, -10, -10, c.Rows);
        TPeriod found;
        int foundAt = -1;
        for (int i = 0; i < c.Generations; ++i) {
            Board.Step(false);
            if (foundAt < 0 && G.Period.Current().Found()) {
                foundAt = Board.Cycle();
                found = G.Period.Current();
            }
        }
        TPeriod expected = c.Expected;
        if (expected.Since < 0) {
            EXPECT_GT(found.Since, 0);
            expected.Since = found.Since;
        }
        EXPECT_EQ(found, expected) << found.Period << " since " << found.Since;
        // Found in the generation where it has held one full period, and it still holds.
        EXPECT_EQ(foundAt, found.Since + (found.Period == 1 ? 0 : found.Period));
        EXPECT_EQ(G.Period.Current(), found);
    }
}

TEST_F(TBoardTest, PeriodOfAGenerationsOscillatorTellsTheDyingStatesApart)
{
    // Period 4 in "12/3/4", its cells passing through both dying states; taken for another
    // state, a dying cell would make it repeat sooner or not at all.
    UseGame(gmGenerations, "12/3/4");
    const std::vector<std::string> rows = {"...1", ".1..", ".121", ".211"};
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] != '.') Board.SetCell(int(x), int(y), uint8_t(rows[y][x] - '0'));
    for (int i = 0; i < 30 && !G.Period.Current().Found(); ++i) Board.Step(false);
    const TPeriod found = G.Period.Current();
    EXPECT_EQ(found.Period, 4);
    EXPECT_EQ(found.Dx, 0);
    EXPECT_EQ(found.Dy, 0);
}

TEST_F(TBoardTest, PeriodNeedsTheSameCellsAndIsLostByAnEdit)
{
    // On a wrapped board a moving pattern does not count as repeating before it comes round.
    Board.SetWrap(true);
    Draw(Board, 0, 0, {".O.", "..O", "OOO"});
    for (int i = 0; i < 20; ++i) Board.Step(false);
    EXPECT_FALSE(G.Period.Current().Found());

    // Cells drawn by hand, or written in bulk as a fill or a paste does, start a new run from
    // the cycle they were written in; a new rule from the first generation it ran.
    const uint8_t block[] = {1, 1, 1, 1};
    struct TEdit {
        const char* Name;
        std::function<void()> Edit;
        int Since;
    };
    const std::vector<TEdit> edits = {
        {"drawn",
         [&] {
             Draw(Board, 20, 20, {"OO", "OO"});
         },
         4},
        {"written",
         [&] {
             Board.WriteArea({20, 20, 21, 21}, block, 2);
         },
         4},
        {"rule", [&] { Board.SetRules("23/36"); }, 5},
    };
    Board.SetWrap(false);
    for (const TEdit& e : edits) {
        SCOPED_TRACE(e.Name);
        Board.SetRules("23/3");
        Board.Clear(false);
        Draw(Board, 0, 0, {"OOO"});
        for (int i = 0; i < 4; ++i) Board.Step(false);
        ASSERT_EQ(G.Period.Current().Period, 2);
        e.Edit();
        Board.Step(false);
        EXPECT_FALSE(G.Period.Current().Found());
        Board.Step(false);
        Board.Step(false);
        EXPECT_EQ(G.Period.Current(), (TPeriod{2, e.Since, 0, 0}));
    }
}

TEST(TPeriodDetector, BlockSumsAreTheWeightsTimesTheStates)
{
    // Against the plain sum over the cells, on blocks of every state at every density and of
    // mixed states: stored hashes and the updates by changed cell rely on that sum.
    const TPeriodDetector detector;
    constexpr uint64_t kPrime = (uint64_t(1) << 61) - 1;
    const auto mulMod = [](uint64_t a, uint64_t b) {
        return uint64_t((unsigned __int128)a * b % kPrime);
    };
    alignas(16) uint8_t unit[TBlob::kSize][TBlob::kStride] = {};
    unit[0][0] = 1;
    std::mt19937 random(7);
    for (int trial = 0; trial < 2 * 256; ++trial) {
        // First one state at a time, then states drawn at random.
        const int state = trial < 256 ? trial : -1;
        const unsigned density = random() % 101;
        alignas(16) uint8_t cells[TBlob::kSize][TBlob::kStride] = {};
        unsigned __int128 hash = 0;
        int64_t count = 0, sumI = 0, sumJ = 0;
        for (int i = 0; i < TBlob::kSize; ++i)
            for (int j = 0; j < TBlob::kSize; ++j) {
                if (random() % 100 >= density) continue;
                const uint8_t s = uint8_t(state >= 0 ? state : int(random() % 256));
                cells[i][j] = s;
                hash += (unsigned __int128)detector.Weight(i, j) * s;
                count += s != 0;
                sumI += s != 0 ? i : 0;
                sumJ += s != 0 ? j : 0;
            }
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        EXPECT_EQ(detector.BlockSums(cells, 0, 0).Hash, uint64_t(hash % kPrime));
        const int32_t bx = int32_t(random() % TBoard::kSlotsX),
                      by = int32_t(random() % TBoard::kSlotsY);
        const TPeriodDetector::TSums sums = detector.BlockSums(cells, bx, by);
        EXPECT_EQ(sums.Hash,
                  mulMod(uint64_t(hash % kPrime), detector.BlockSums(unit, bx, by).Hash));
        EXPECT_EQ(sums.Count, count);
        EXPECT_EQ(sums.SumX, count * bx * TBlob::kSize + sumI);
        EXPECT_EQ(sums.SumY, count * by * TBlob::kSize + sumJ);
    }
}

TEST_F(TBoardTest, RunNStopsWhenPeriodicOnlyWhenAsked)
{
    for (const bool stop : {true, false}) {
        Board.Clear(false);
        Draw(Board, 0, 0, {"OOO"});
        TRunN request;
        request.ForCycles = 30;
        request.RedrawEvery = 5;
        request.StopPeriodic = stop;
        G.Run.RunN(request);
        EXPECT_EQ(Board.Cycle(), stop ? 2 : 30);
    }
}

TEST_F(TBoardTest, RandomSpecialRulesNeverRepeat)
{
    UseGame(gmSpecial, "TRCA,0,0,1,1");
    Board.SetCell(0, Board.MinY(), 1);
    for (int i = 0; i < 50; ++i) Board.Step(false);
    EXPECT_FALSE(G.Period.Current().Found());
}

TEST_F(TBoardTest, HistoryFollowsTheGenerationsFromTheLastClear)
{
    Draw(Board, 0, 0, {"OOO"});
    for (int i = 0; i < 3; ++i) Board.Step(false);
    const std::vector<std::string> expected = {"cycle,population,changed", "0,3,0", "1,3,4",
                                               "2,3,4", "3,3,4"};
    EXPECT_EQ(G.History.CsvLines(), expected);
    Board.Clear(false);
    EXPECT_TRUE(G.History.Empty());
}

TEST(TPopulationHistory, DecimatesBeyondItsCapacityAndKeepsTheNewest)
{
    TPopulationHistory history(8);
    history.Track(0, 100);
    for (int32_t c = 1; c <= 20; ++c) history.Add(c, 100 + c, c);
    // 8 samples reached twice: every 4th generation is kept, and the newest apart.
    EXPECT_EQ(history.Stride(), 4);
    std::vector<int32_t> cycles;
    for (size_t i = 0; i < history.Count(); ++i) cycles.push_back(history.At(i).Cycle);
    EXPECT_EQ(cycles, (std::vector<int32_t>{0, 4, 8, 12, 16, 20}));
    EXPECT_EQ(history.At(history.Count() - 1).Population, 120);
    EXPECT_EQ(history.Maximum().Cycle, 20);
    // A cycle number that went back (an undo) starts again.
    history.Track(5, 7);
    EXPECT_EQ(history.Count(), 1u);
    EXPECT_EQ(history.At(0).Population, 7);
}
