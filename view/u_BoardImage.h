#pragma once
// The whole universe as a picture: one pixel per cell, in the colours of the palette, without
// grid or cell shapes.

#include "view/u_Palette.h"

#include <cstddef>
#include <cstdint>

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
