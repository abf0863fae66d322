#include "io/u_ProLife.h"

#include "PatternFiles.h"
#include "io/u_LoadedPattern.h"

#include <gtest/gtest.h>

namespace {

using TBytes = std::vector<uint8_t>;

TLoadedPattern Read(const TBytes& bytes)
{
    TLoadedPattern pattern;
    EXPECT_EQ(ReadProLife(bytes, pattern), TProLifeResult::Read);
    return pattern;
}

} // namespace

TEST(ProLifeGolden, ReadsTheExpectedCells)
{
    const struct {
        const char* Name;
        std::vector<TLoadedCell> Cells;
    } cases[] = {
        {"glider.plf", CellsOfRows(GliderRows())},
        {"gun.plf", CellsOfRows(GunRows())},
        {"wide.plf", {{0, 0, 1}, {63, 0, 1}, {17, 1, 1}}}, // the first and last bit of a row
    };
    for (const auto& c : cases) {
        const TLoadedPattern pattern = Read(ReadDataBytes(std::string("prolife/") + c.Name));
        EXPECT_EQ(DescribeSorted(pattern.Cells), DescribeSorted(c.Cells)) << c.Name;
    }
}

TEST(ProLifeRead, EachWordIsReadFromItsHighBit)
{
    const TBytes header = {0, 0, 0, 0, 0, 0};
    TBytes full = header;
    full.insert(full.end(), {0xFF, 0xFF});
    EXPECT_EQ(Read(full).Cells.size(), 16u);

    TBytes ends = header;
    ends.insert(ends.end(), {0x01, 0x80});
    EXPECT_EQ(Describe(Read(ends).Cells), Describe({{0, 0, 1}, {15, 0, 1}}));

    TBytes empty = header;
    empty.insert(empty.end(), {0, 0});
    EXPECT_TRUE(Read(empty).Cells.empty()); // proper, but the open finds no cell
}

TEST(ProLifeRead, WrongSizesAreImproperAndAddNothing)
{
    const TBytes cases[] = {
        {},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0, 0},                                           // 0 by 0 needs one word
        {0, 0, 0, 0, 0, 0, 0xFF},                                     // half a word
        {0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF},                         // a byte too many
        {0, 0, 1, 0, 1, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, // 2 by 2 words: 14 bytes
        {0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},                   // the largest header, no rows
    };
    for (const TBytes& bytes : cases) {
        TLoadedPattern pattern;
        EXPECT_EQ(ReadProLife(bytes, pattern), TProLifeResult::Improper) << bytes.size();
        EXPECT_TRUE(pattern.Cells.empty()) << bytes.size();
    }
}
