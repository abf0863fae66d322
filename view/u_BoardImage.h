#pragma once
// Pictures of the board: the whole universe at one pixel per cell for the bitmap export, and
// rectangles of cells at a whole number of pixels a cell, as colour indices, for the picture
// and animation files. One painter serves both.

#include "base/u_Geometry.h"
#include "view/u_Palette.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class TBoard;

// A colour as 32-bit RGB pixels hold it: 0xFFRRGGBB.
constexpr uint32_t ToRgbPixel(TColor color)
{
    return 0xFF000000u | (color & 0xFFu) << 16 | (color & 0xFF00u) | (color >> 16 & 0xFFu);
}

// Fills `pixels`, `board.Width()` by `board.Height()` pixels with `stride` pixels from one row to
// the next, so that pixel (x - MinX, y - MinY) shows cell (x, y): the background for dead cells,
// the colour of its state for live ones, whatever the states count in use.
void PaintBoardImage(const TBoard& board, const TCPalette& palette, uint32_t* pixels,
                     size_t stride);

// Colour indices of indexed pictures: a cell's state (0 the background, up to 24), then the
// grid; the table is a power of two long, as GIF files want, and its last index is free.
inline constexpr int kImageColors = 32;
inline constexpr uint8_t kGridIndex = 25;
inline constexpr uint8_t kUnusedIndex = kImageColors - 1;
inline constexpr int32_t kMinPictureCellSize = 1;
inline constexpr int32_t kMaxPictureCellSize = 21;
// Larger pictures are refused rather than tried: a gigabyte of pixels.
inline constexpr int64_t kMaxPicturePixels = int64_t(1) << 30;
// Grid lines need room between cells.
inline constexpr int32_t kMinGridCellSize = 3;

using TImageColors = std::array<TColor, kImageColors>;
TImageColors ImageColors(const TCPalette& palette);

// How a rectangle of cells becomes pixels: `CellSize` pixels a cell; with `Grid` (from cell
// size 3) a line of grid colour runs between the cells and around them.
struct TCellPicture {
    TRect Cells;
    int32_t CellSize = 1;
    bool Grid = false;

    bool HasGrid() const { return Grid && CellSize >= kMinGridCellSize; }
    int64_t Width() const { return Cells.Width() * CellSize + (HasGrid() ? 1 : 0); }
    int64_t Height() const { return Cells.Height() * CellSize + (HasGrid() ? 1 : 0); }
};

// An indexed picture, row after row.
struct TIndexImage {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint8_t> Pixels;
};

// The cells of `picture` (cells off the board are dead) into `image`, sized to fit; false, with
// `image` empty, when the picture is empty, too big or its pixels cannot be allocated.
bool PaintCellPicture(const TBoard& board, const TCellPicture& picture, TIndexImage& image);

// The live-cell rectangle with a one-cell border of background; one dead cell on an empty board.
TRect LiveCellsFramed(const TBoard& board);
