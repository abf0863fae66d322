#include "view/u_BoardImage.h"

#include "BoardFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Every colour its own, so that a pixel tells which colour it was given.
TCPalette Distinct()
{
    TCPalette palette;
    for (int i = 0; i < kPaletteColors; ++i) palette.SetColor(i, 0x010203u * (i + 1));
    return palette;
}

} // namespace

class TBoardImageTest : public TBoardTest {
protected:
    // The board's picture with `padding` unused pixels at the end of each row.
    std::vector<uint32_t> Paint(size_t padding = 0)
    {
        Stride = size_t(Board.Width()) + padding;
        std::vector<uint32_t> pixels(Stride * size_t(Board.Height()), 0xDEADBEEF);
        PaintBoardImage(Board, Palette, pixels.data(), Stride);
        return pixels;
    }
    uint32_t Pixel(const std::vector<uint32_t>& pixels, int32_t x, int32_t y) const
    {
        return pixels[size_t(y - Board.MinY()) * Stride + size_t(x - Board.MinX())];
    }

    TCPalette Palette = Distinct();
    size_t Stride = 0;
};

TEST(BoardImagePixel, ColoursBecomeRgbPixels)
{
    EXPECT_EQ(ToRgbPixel(0x00000000u), 0xFF000000u);
    EXPECT_EQ(ToRgbPixel(0x00CC8844u), 0xFF4488CCu); // blue CC, green 88, red 44
    EXPECT_EQ(ToRgbPixel(0x000000FFu), 0xFFFF0000u);
}

TEST_F(TBoardImageTest, EveryCellIsOnePixelAtItsPlace)
{
    Board.SetSize(400, 300);
    Board.SetCell(0, 0, 1);
    Board.SetCell(Board.MinX(), Board.MinY(), 2);
    Board.SetCell(Board.MaxX(), Board.MaxY(), 3);
    Board.SetCell(7, -13, 1);
    const auto pixels = Paint();
    const uint32_t back = ToRgbPixel(Palette.BackColor());

    // Cell (0, 0) is pixel (200, 150).
    EXPECT_EQ(pixels[150 * 400 + 200], ToRgbPixel(Palette.StateColor(1)));
    EXPECT_EQ(pixels[0], ToRgbPixel(Palette.StateColor(2)));
    EXPECT_EQ(pixels.back(), ToRgbPixel(Palette.StateColor(3)));
    EXPECT_EQ(Pixel(pixels, 7, -13), ToRgbPixel(Palette.StateColor(1)));
    EXPECT_EQ(Pixel(pixels, 1, 0), back);
    EXPECT_EQ(Pixel(pixels, 0, 1), back);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), back), 400 * 300 - 4);
}

TEST_F(TBoardImageTest, StatesBeyondTheStatesCountKeepTheirOwnColour)
{
    Board.SetStatesCount(3);
    Board.SetCell(5, 5, 5);
    Board.SetCell(6, 5, 24);
    const auto pixels = Paint();
    EXPECT_EQ(Pixel(pixels, 5, 5), ToRgbPixel(Palette.StateColor(5)));
    EXPECT_NE(Pixel(pixels, 5, 5), ToRgbPixel(Palette.StateColor(2)));
    EXPECT_EQ(Pixel(pixels, 6, 5), ToRgbPixel(Palette.StateColor(24)));
}

TEST_F(TBoardImageTest, RowPaddingIsLeftAlone)
{
    Board.SetCell(Board.MaxX(), 0, 1);
    const auto pixels = Paint(3);
    EXPECT_EQ(Pixel(pixels, Board.MaxX(), 0), ToRgbPixel(Palette.StateColor(1)));
    for (int32_t row = 0; row < Board.Height(); ++row)
        for (size_t pad = 0; pad < 3; ++pad)
            ASSERT_EQ(pixels[size_t(row) * Stride + size_t(Board.Width()) + pad], 0xDEADBEEF);
}
