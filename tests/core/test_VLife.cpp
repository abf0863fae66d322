#include "io/u_VLife.h"

#include "PatternFiles.h"
#include "base/u_Caption.h"
#include "io/u_LoadedPattern.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

namespace {

using TCellSet = std::set<std::pair<int32_t, int32_t>>;

TCellSet SetOf(const TLoadedPattern& pattern)
{
    TCellSet set;
    for (const TLoadedCell& c : pattern.Cells) {
        EXPECT_EQ(c.State, 1);
        set.insert({c.X, c.Y});
    }
    return set;
}

TLoadedPattern Read(const TLines& lines)
{
    TLoadedPattern pattern;
    ReadVLife(lines, pattern);
    return pattern;
}

TCellSource SourceOf(const TCellSet& set, uint8_t state = 1)
{
    return [set, state](int32_t x, int32_t y) { return set.count({x, y}) ? state : uint8_t(0); };
}

const TCellSet kGlider{{0, -1}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};

} // namespace

TEST(VLifeGolden, ReadsAndWritesTheGlider)
{
    const TLines file = ReadDataLines("vlife/glider.vlf");
    EXPECT_EQ(SetOf(Read(file)), kGlider);

    // Every live state is a cell; the listing goes column by column, each from the top.
    const TLines written = WriteVLife({-1, -1, 1, 1}, SourceOf(kGlider, 7));
    ASSERT_EQ(written.size(), file.size());
    EXPECT_EQ(written[1], std::string("// Plexa v.") + ProgramVersion());
    EXPECT_EQ(TLines(written.begin() + 2, written.end()), TLines(file.begin() + 2, file.end()));
    EXPECT_EQ(written[0], file[0]);
}

TEST(VLifeRead, LinesAreReadLeniently)
{
    // "12,-30" trimmed; "7, 8"; "3 ,4" has an unreadable row; "-2,x" an unreadable column;
    // "5,6,7" takes "6,7" as the column. Comments, ",5" and "42" are no cells.
    EXPECT_EQ(SetOf(Read(ReadDataLines("vlife/loose.vlf"))),
              (TCellSet{{-30, 12}, {8, 7}, {4, 0}, {0, -2}, {0, 5}}));
}

TEST(VLifeRead, SuccessNeedsACell)
{
    TLoadedPattern pattern;
    EXPECT_FALSE(ReadVLife({"// Velko's Gridfest data file", "// 1,2", "", ",3"}, pattern));
    EXPECT_FALSE(ReadVLife({}, pattern));
    EXPECT_TRUE(ReadVLife({"0,0"}, pattern));
}

// Far cells are kept where they are (opening centres them); numbers past int32 read as 0.
TEST(VLifeRead, FarCoordinatesAreKept)
{
    const TLoadedPattern pattern = Read(
        {"2147483647,-2147483648", "-200001,0", "0,200001", "99999999999,5", "200000,-200000"});
    EXPECT_EQ(
        SetOf(pattern),
        (TCellSet{
            {-2147483648, 2147483647}, {0, -200001}, {200001, 0}, {5, 0}, {-200000, 200000}}));
}

TEST(VLifeRoundTrip, RandomCellsComeBackInPlace)
{
    std::mt19937 random(5);
    TCellSet cells;
    for (int i = 0; i < 500; ++i)
        cells.insert({int32_t(random() % 120) - 80, int32_t(random() % 50) - 10});
    const TLines lines = WriteVLife({-80, -10, 39, 39}, SourceOf(cells));
    EXPECT_EQ(lines.size(), cells.size() + 2);
    EXPECT_EQ(SetOf(Read(lines)), cells);
}
