#include "io/u_DbLife.h"

#include "PatternFiles.h"
#include "io/u_LoadedPattern.h"

#include <gtest/gtest.h>

namespace {

const TRect kBoard{-100, -100, 99, 99};

TLoadedPattern Read(const TLines& lines)
{
    TLoadedPattern pattern;
    EXPECT_TRUE(ReadDbLife(lines, pattern, kBoard));
    return pattern;
}

} // namespace

TEST(DbLifeGolden, EachKindOfTextOpensToItsCells)
{
    const struct {
        const char* Name;
        std::vector<TLoadedCell> Cells;
        TLines Description;
    } cases[] = {
        {"gun.l",
         CellsOfRows(GunRows()),
         {"Name: Gosper glider gun", "Period 30, drawn from the 1970 description"}},
        {"glider.l",
         CellsOfRows(GliderRows(), -1, -1),
         {"Glider, kept as run-length text", "in a dbLife file"}},
        // Read as Life 1.06 after Life 1.05 found no cell: its notes are there once.
        {"coords.l",
         CellsOfRows(GliderRows(), -1, -1),
         {"Glider as a list of cells, one per line", "x then y, y growing downwards"}},
    };
    for (const auto& c : cases) {
        const TLoadedPattern pattern = Read(ReadDataLines(std::string("dblife/") + c.Name));
        EXPECT_EQ(DescribeSorted(pattern.Cells), DescribeSorted(c.Cells)) << c.Name;
        EXPECT_EQ(pattern.Description, c.Description) << c.Name;
    }
}

TEST(DbLifeRead, RleHeaderBehindOtherTextIsFound)
{
    // As Life 1.05 rows, the run data's "o" letters would be cells in the wrong places.
    const TLoadedPattern pattern =
        Read({"!Name: glider", "#C note", "#N glider", "x=3,y=3,rule=B3/S23", "bo$2bo$3o!"});
    EXPECT_EQ(DescribeSorted(pattern.Cells), DescribeSorted(CellsOfRows(GliderRows(), -1, -1)));
    EXPECT_EQ(pattern.Description, TLines{"note"});
    EXPECT_EQ(pattern.Rule, "B3/S23");
}

TEST(DbLifeRead, AttemptsWithoutCellsLeaveNoTrace)
{
    TLoadedPattern pattern;
    pattern.Description = {"kept"};
    EXPECT_FALSE(
        ReadDbLife({"#C only notes", "#R 34/34", "#S 10", "1000 1000", "..."}, pattern, kBoard));
    EXPECT_TRUE(pattern.Cells.empty());
    EXPECT_EQ(pattern.Description, TLines{"kept"});
    EXPECT_EQ(pattern.Rule, "23/3");
    EXPECT_EQ(pattern.Speed, -1);
}
