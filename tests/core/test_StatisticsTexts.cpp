#include "view/u_StatisticsTexts.h"

#include "BoardFixture.h"

#include <string>
#include <vector>

using TLines = std::vector<std::string>;

class TStatisticsTest : public TBoardTest {};

TEST_F(TStatisticsTest, TwoCellsGiveTheRectangleAndTheShares)
{
    Put({{0, 0}, {2, 1}});
    const TStatisticsTexts t = StatisticsTexts(G);
    EXPECT_EQ(t.Universe, "Inhabited universe size: 3 x 2  (0,0)-(2,1)");
    EXPECT_EQ(t.Lines, (TLines{"0\t4\t 66.7%", "1\t2\t 33.3%"}));
    ASSERT_EQ(t.Bars.size(), 1u);
    EXPECT_EQ(t.Bars[0].Value, 2);
    EXPECT_EQ(t.LargestCount, 2);

    // Negative coordinates and a rectangle wholly filled.
    Board.Clear(false);
    Put({{-3, -2}, {-2, -2}});
    const TStatisticsTexts u = StatisticsTexts(G);
    EXPECT_EQ(u.Universe, "Inhabited universe size: 2 x 1  (-3,-2)-(-2,-2)");
    EXPECT_EQ(u.Lines, (TLines{"0\t0\t  0.0%", "1\t2\t100.0%"}));
}

TEST_F(TStatisticsTest, OneBarPerLiveStateInItsColour)
{
    for (int i = 0; i < kPaletteColors; ++i) G.Palette.Colors.SetColor(i, 0x010203 * (i + 1));
    Board.SetStatesCount(5);
    Put({{0, 0}}, 1);
    Put({{1, 0}, {2, 0}, {3, 0}}, 3);
    Put({{0, 1}, {1, 1}}, 4);
    const TStatisticsTexts t = StatisticsTexts(G);
    EXPECT_EQ(t.Lines, (TLines{"0\t2\t 25.0%", "1\t1\t 12.5%", "2\t0\t  0.0%", "3\t3\t 37.5%",
                               "4\t2\t 25.0%"}));
    ASSERT_EQ(t.Bars.size(), 4u);
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(t.Bars[s - 1].Value, Board.StateCount(s));
        EXPECT_EQ(t.Bars[s - 1].Color, G.Palette.Colors.StateColor(s));
    }
    EXPECT_EQ(t.LargestCount, 3);
    EXPECT_EQ(t.Background, G.Palette.Colors.BackColor());

    // Two states: one bar, whatever cells of higher states the board still holds.
    Board.SetStatesCount(2);
    EXPECT_EQ(StatisticsTexts(G).Bars.size(), 1u);
}

TEST_F(TStatisticsTest, PopulationLineFollowsTheMaximumAndClear)
{
    Put({{0, 0}, {1, 0}, {2, 0}});
    Board.SetCycle(4);
    Board.UpdateMaximum();
    Board.SetCell(2, 0, 0);
    Board.SetCycle(6);
    EXPECT_EQ(StatisticsTexts(G).Cells,
              "Generation 6.  Cells: 2.  Maximum was 3 cell(s) in generation 4");

    Board.Clear(false);
    const TStatisticsTexts t = StatisticsTexts(G);
    EXPECT_EQ(t.Cells, "Generation 0.  Cells: 0.  Maximum was 0 cell(s) in generation 0");
    // No inhabited rectangle: no negative sizes and no shares of it.
    EXPECT_EQ(t.Universe, "Inhabited universe size: 0 x 0");
    EXPECT_EQ(t.Lines, (TLines{"0\t0\t  0.0%", "1\t0\t  0.0%"}));
    EXPECT_EQ(t.LargestCount, 0);
}

TEST(PercentText, RightAlignedInFiveWithOneDecimal)
{
    EXPECT_EQ(PercentText(2, 3), " 66.7%");
    EXPECT_EQ(PercentText(1, 1), "100.0%");
    EXPECT_EQ(PercentText(1, 200), "  0.5%");
    EXPECT_EQ(PercentText(0, 0), "  0.0%");
    EXPECT_EQ(PercentText(1, 250'000'000), "  0.0%");
}
