#include "io/u_Life105.h"

#include "PatternFiles.h"
#include "io/u_LoadedPattern.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const TRect kBoard{-100, -100, 99, 99};

TLoadedPattern Read105(const TLines& lines)
{
    TLoadedPattern pattern;
    EXPECT_TRUE(ReadLife105(lines, pattern));
    return pattern;
}

TLoadedPattern Read106(const TLines& lines, const TRect& board = kBoard)
{
    TLoadedPattern pattern;
    EXPECT_TRUE(ReadLife106(lines, pattern, board));
    return pattern;
}

TLines RandomRows(unsigned seed, size_t width, size_t height)
{
    std::mt19937 random(seed);
    TLines rows(height, std::string(width, '.'));
    for (std::string& row : rows)
        for (char& c : row)
            if (random() % 3 == 0) c = '1' + random() % 5;
    return rows;
}

// Every live state reads back as 1.
std::vector<TLoadedCell> LiveCells(const TLines& rows)
{
    std::vector<TLoadedCell> cells = CellsOfRows(rows);
    for (TLoadedCell& c : cells) c.State = 1;
    return cells;
}

} // namespace

TEST(Life105Golden, ReadsTheExpectedCells)
{
    const TLoadedPattern gun = Read105(ReadDataLines("life105/gun.lif"));
    EXPECT_EQ(DescribeSorted(gun.Cells), DescribeSorted(CellsOfRows(GunRows(), -18, -4)));
    EXPECT_EQ(gun.Rule, "23/3");
    EXPECT_EQ(gun.Description,
              (TLines{"Gosper glider gun: the first pattern found to grow without bound.",
                      "It sends a glider to the south-east every 30 generations."}));

    const TLoadedPattern glider = Read105(ReadDataLines("life105/glider.lif"));
    EXPECT_EQ(DescribeSorted(glider.Cells), DescribeSorted(CellsOfRows(GliderRows(), 10, 20)));
    EXPECT_EQ(glider.Rule, "B3/S23");
    EXPECT_EQ(glider.Speed, 100);
    EXPECT_EQ(glider.Description, (TLines{"Glider, heading south-east", ""}));
}

TEST(Life105Read, RowSymbolsAndRepeatCounts)
{
    const struct {
        TLines Lines;
        std::vector<TLoadedCell> Cells;
    } cases[] = {
        {{"3*2.o"}, {{0, 0, 1}, {1, 0, 1}, {2, 0, 1}, {5, 0, 1}}},
        {{"O.o", "...", ".", "x*"}, {{0, 0, 1}, {2, 0, 1}, {1, 3, 1}}}, // empty rows still count
        {{"  .*  ", "", "*"}, {{1, 0, 1}, {0, 1, 1}}},                  // blank lines are no rows
        {{"3", "*"}, {{0, 1, 1}}}, // a count never reaches the next row
    };
    for (const auto& c : cases)
        EXPECT_EQ(Describe(Read105(c.Lines).Cells), Describe(c.Cells)) << c.Lines.front();
}

TEST(Life105Read, BlocksPlaceTheirRows)
{
    const TLoadedPattern pattern =
        Read105({"*", "#P -2 -3", "*", ".*", "#P 5 5", ".*", "#P 7", "*", "#p  1   2 ", "*"});
    EXPECT_EQ(Describe(pattern.Cells), Describe({{0, 0, 1},
                                                 {-2, -3, 1},
                                                 {-1, -2, 1},
                                                 {6, 5, 1},
                                                 {5, 5, 1}, // no second number: same origin
                                                 {1, 2, 1}}));
}

TEST(Life105Read, KeyAndDescriptionLines)
{
    const TLoadedPattern pattern = Read105({"#Life 1.05", "#R  B36/S23 ", "#S 250", "#D  two",
                                            "#C x", "!Name: thing", "/ a comment", "#X *", "*"});
    EXPECT_EQ(pattern.Rule, "B36/S23");
    EXPECT_EQ(pattern.Speed, 250);
    EXPECT_EQ(pattern.Description, (TLines{" two", "x", "Name: thing"}));
    EXPECT_EQ(pattern.Cells.size(), 1u);
    EXPECT_EQ(Read105({"#R 3/23", "#n", "*"}).Rule, "23/3");
}

TEST(Life105Read, FailsWithoutALiveCell)
{
    for (const TLines& lines : {TLines{}, TLines{"#Life 1.05"}, TLines{"#Life 1.05", "...", "."},
                                TLines{"#Life 1.06", "0 1", "-1 5"}}) {
        TLoadedPattern pattern;
        EXPECT_FALSE(ReadLife105(lines, pattern)) << lines.size();
    }
}

TEST(Life105Read, HostileCountsAndOriginsStayBounded)
{
    TLoadedPattern pattern;
    ReadLife105({"99999999999999999999*"}, pattern);
    ASSERT_EQ(pattern.Cells.size(), 100000u);
    EXPECT_EQ(pattern.Cells.back().X, 99999);

    pattern.Reset();
    ReadLife105({"#P 2147483647 -2147483648", "100000*", "#P -2147483648 0",
                 "100000*100000.100000*", "#P 99999999999 0", "*"},
                pattern); // a number past the int32 range reads as 0
    // Runs stop at the int32 edge; far but whole blocks are kept for opening to centre.
    ASSERT_EQ(pattern.Cells.size(), 200002u);
    EXPECT_EQ(Describe({pattern.Cells.front()}), Describe({{2147483647, -2147483648, 1}}));
    EXPECT_EQ(Describe({pattern.Cells[100001]}), Describe({{-2147483648 + 200000, 0, 1}}));
    EXPECT_EQ(Describe({pattern.Cells.back()}), Describe({{0, 0, 1}}));

    pattern.Reset();
    ReadLife105({"#P 250000 10", "3*"}, pattern);
    EXPECT_EQ(Describe(pattern.Cells),
              Describe({{250000, 10, 1}, {250001, 10, 1}, {250002, 10, 1}}));
}

TEST(Life105Write, HeaderAndRowsAsDocumented)
{
    EXPECT_EQ(WriteLife105({0, 0, 2, 2}, SourceOfRows(GliderRows()), "23/3", {"a glider", ""}),
              (TLines{"#Life 1.05", "#N", "#D a glider", "#D ", ".*", "..*", "***"}));
    // Any other rule text, even the same rule spelt otherwise, is written as it is; rows lose
    // their trailing dead cells, and an empty row is a lone ".".
    const TLines rows = {"1....", ".....", ".3.2.", "....."};
    EXPECT_EQ(WriteLife105({0, 0, 4, 3}, SourceOfRows(rows), "B3/S23", {}),
              (TLines{"#Life 1.05", "#R B3/S23", "*", ".", ".*.*", "."}));
    EXPECT_EQ(WriteLife105({5, 5, 4, 4}, SourceOfRows(rows), "23/3", {}),
              (TLines{"#Life 1.05", "#N"}));
}

TEST(Life105Write, ReadsBackTheSameCellsRuleAndDescription)
{
    const TLines rows = RandomRows(3, 90, 40);
    const TLines description = {"first", "", "  indented"};
    const TLoadedPattern pattern =
        Read105(WriteLife105({0, 0, 89, 39}, SourceOfRows(rows), "2345/3", description));
    EXPECT_EQ(Describe(pattern.Cells), Describe(LiveCells(rows)));
    EXPECT_EQ(pattern.Rule, "2345/3");
    EXPECT_EQ(pattern.Description, description);
}

TEST(Life106Golden, ReadsTheExpectedCells)
{
    const TLoadedPattern glider = Read106(ReadDataLines("life106/glider.lif"));
    EXPECT_EQ(DescribeSorted(glider.Cells), DescribeSorted(CellsOfRows(GliderRows(), -1, -1)));
    EXPECT_EQ(glider.Description, (TLines{"Glider", "drawn by hand"}));

    const TLoadedPattern gun = Read106(ReadDataLines("life106/gun.lif"));
    EXPECT_EQ(DescribeSorted(gun.Cells), DescribeSorted(CellsOfRows(GunRows(), -18, -4)));
}

TEST(Life106Read, OnlyWellFormedCellsOnTheBoardAreKept)
{
    const TLoadedPattern pattern = Read106(
        {"9 9", "10 0", "0 -11", "-10 -10", "3\t4", "5", "3   4", "!note 1 2", "* 1", ". 2 3"},
        {-10, -10, 9, 9});
    EXPECT_EQ(Describe(pattern.Cells), Describe({{9, 9, 1}, {-10, -10, 1}, {3, 4, 1}}));
    EXPECT_EQ(pattern.Description, TLines{"note 1 2"}); // a note, never a cell at (0, 0)

    TLoadedPattern none;
    EXPECT_FALSE(ReadLife106({"#Life 1.06", "#N", "100 100"}, none, kBoard));
    EXPECT_TRUE(none.Cells.empty());
}

TEST(Life106Write, CellsColumnByColumnInBoardCoordinates)
{
    const TLines rows = {"1.1", ".2."};
    EXPECT_EQ(WriteLife106({0, 0, 2, 1}, SourceOfRows(rows), "23/3"),
              (TLines{"#Life 1.06", "#N", "0 0", "1 1", "2 0"}));
    const TCellSource shifted = [&](int32_t x, int32_t y) {
        return SourceOfRows(rows)(x + 5, y + 7);
    };
    EXPECT_EQ(WriteLife106({-5, -7, -3, -6}, shifted, "R2/T4/C5/NM"),
              (TLines{"#Life 1.06", "#R R2/T4/C5/NM", "-5 -7", "-4 -6", "-3 -7"}));
}

TEST(Life106Write, ReadsBackTheSameCells)
{
    const TLines rows = RandomRows(5, 60, 30);
    const TLoadedPattern pattern =
        Read106(WriteLife106({0, 0, 59, 29}, SourceOfRows(rows), "B3/S23"));
    EXPECT_EQ(DescribeSorted(pattern.Cells), DescribeSorted(LiveCells(rows)));
    EXPECT_EQ(pattern.Rule, "B3/S23");
}
