#include "view/u_SettingsChoices.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TStateColors Generate(const TColorAnchors& anchors, TColor start = 0x123456)
{
    TStateColors colors;
    colors.fill(start);
    GenerateStateColors(colors, anchors);
    return colors;
}

} // namespace

TEST(ColorGenerator, DefaultAnchorsGiveTheDefaultCellColours)
{
    const TStateColors colors = Generate({{65535, 255, 128, 100}, {1, 8, 16, 24}});
    const TCPalette defaults = TCPalette::Defaults(32);
    for (int s = 1; s <= kPaletteStates; ++s)
        EXPECT_EQ(colors[size_t(s - 1)], defaults.StateColor(s)) << "state " << s;
}

TEST(ColorGenerator, RampStepsAreTruncatedAndEndOnTheAnchor)
{
    // Yellow to red over states 1..8: green falls by 36 a state, then lands on 0.
    const TStateColors colors = Generate({{0x00FFFF, 0x0000FF, 0, 0}, {1, 8, 8, 8}});
    const int greens[] = {255, 219, 183, 147, 111, 75, 39, 0};
    for (int s = 1; s <= 8; ++s) {
        EXPECT_EQ((colors[size_t(s - 1)] >> 8) & 0xFF, TColor(greens[s - 1]));
        EXPECT_EQ(colors[size_t(s - 1)] & 0xFF, 0xFFu);
    }
    EXPECT_EQ(colors[8], 0x123456u); // beyond the last anchor nothing changes
}

TEST(ColorGenerator, RampsWithoutRoomAreSkipped)
{
    const TStateColors colors = Generate({{0xFF, 0xFF00, 0xFF0000, 0xFFFFFF}, {8, 8, 16, 24}});
    EXPECT_EQ(colors[0], 0x123456u); // the first ramp is skipped
    EXPECT_EQ(colors[7], 0xFF00u);   // the second starts on its anchor
    EXPECT_EQ(colors[15], 0xFF0000u);
    EXPECT_EQ(colors[23], 0xFFFFFFu);
}

TEST(ColorGenerator, StatesOutsideTheRangeLandOnStateOneAndStayCheap)
{
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    TStateColors colors = Generate({{0x10, 0x20, 0x30, 0x40}, {kMin, kMax, kMax, kMax}});
    EXPECT_EQ(colors[0], 0x20u); // the ramp's end, written last
    colors = Generate({{0x10, 0x20, 0x30, 0x40}, {0, 2, 2, 2}});
    EXPECT_EQ(colors[0], 0x18u); // state 0's colour is overwritten by state 1's
    EXPECT_EQ(colors[1], 0x20u);
}

TEST(SettingsChoices, OfferedSizesAndBoardPresets)
{
    EXPECT_EQ(OfferedCellSize(8), 7);
    EXPECT_EQ(OfferedCellSize(21), 21);
    EXPECT_EQ(OfferedCellSize(-16), -16);
    EXPECT_EQ(OfferedCellSize(-3), 7);
    EXPECT_EQ(BoardSizeChoice(400, 300), 5);
    EXPECT_EQ(BoardSizeChoice(300, 400), -1);
    EXPECT_EQ(BoardSizeChoice(1500, 1500), 9);
}
