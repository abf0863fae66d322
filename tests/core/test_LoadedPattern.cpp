#include "io/u_LoadedPattern.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
} // namespace

// Where a pattern lies does not matter: opening centres it.
TEST(LoadedPattern, AddCellKeepsCellsAnywhere)
{
    TLoadedPattern pattern;
    const TPoint kept[] = {{250000, 10}, {0, kMin32}, {kMax32, kMax32}};
    for (TPoint p : kept) pattern.AddCell(p.X, p.Y, 2);
    ASSERT_EQ(pattern.Cells.size(), std::size(kept));
    for (size_t i = 0; i < std::size(kept); ++i) {
        EXPECT_EQ(pattern.Cells[i].X, kept[i].X);
        EXPECT_EQ(pattern.Cells[i].Y, kept[i].Y);
        EXPECT_EQ(pattern.Cells[i].State, 2);
    }
}

TEST(LoadedPattern, MinRectangleBoundsTheCells)
{
    TLoadedPattern pattern;
    pattern.AddCell(4, -2, 1);
    pattern.AddCell(-3, 7, 1);
    pattern.AddCell(0, 0, 3);
    EXPECT_EQ(pattern.MinRectangle({-100, -50, 99, 49}), (TRect{-3, -2, 4, 7}));
}

TEST(LoadedPattern, MinRectangleWithoutCellsIsTheBoardInsideOut)
{
    const TRect r = TLoadedPattern().MinRectangle({-100, -50, 99, 49});
    EXPECT_EQ(r, (TRect{99, 49, -100, -50}));
    EXPECT_LE(r.Width(), 0);
}

TEST(LoadedPattern, CentringOffsetTruncatesTowardZero)
{
    const struct {
        int32_t Min, Max, Shift;
    } cases[] = {
        {-3, 4, -1},
        {0, 4, -2},
        {-4, 0, 1}, // -3 / 2 is -1, not -2
        {-5, 0, 2},
        {7, 7, -7},
        {kMin32, kMax32, 0}, // the sums do not overflow
        {kMax32, kMax32, -kMax32},
        {kMin32, kMin32, kMax32},
    };
    for (const auto& c : cases) {
        const TPoint offset = CentringOffset({c.Min, c.Min, c.Max, c.Max});
        EXPECT_EQ(offset, (TPoint{c.Shift, c.Shift})) << c.Min << ".." << c.Max;
    }
}

TEST(LoadedPattern, FittedBoardSizeAddsAMarginButNeverShrinks)
{
    const struct {
        TRect Pattern;
        int32_t Width, Height;
        TPoint Size;
    } cases[] = {
        {{0, 0, 9, 9}, 300, 300, {610, 610}},
        {{0, 0, 9, 9}, 1000, 1000, {1000, 1000}},
        {{-5, -1000, 4, 999}, 1000, 300, {1000, 2600}},
        {{kMin32, kMin32, kMax32, kMax32}, 20, 20, {kMax32, kMax32}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FittedBoardSize(c.Pattern, c.Width, c.Height), c.Size) << c.Width;
}
