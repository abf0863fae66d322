#include "view/u_BoardImage.h"

#include "engine/u_Board.h"

#include <algorithm>
#include <array>

void PaintBoardImage(const TBoard& board, const TCPalette& palette, uint32_t* pixels, size_t stride)
{
    // Every byte a cell may hold; the palette gives states past its last the last colour.
    std::array<uint32_t, 256> colors;
    for (int state = 0; state < int(colors.size()); ++state)
        colors[state] = ToRgbPixel(palette.StateColor(state));

    // Empty blocks are the most common by far: the background first, then the live blocks.
    for (int32_t row = 0; row < board.Height(); ++row)
        std::fill_n(pixels + size_t(row) * stride, board.Width(), colors[0]);
    for (int32_t bx = 0; bx <= board.BXMax(); ++bx)
        for (int32_t by = 0; by <= board.BYMax(); ++by) {
            const TBlob& blob = board.BlobAt(bx, by);
            if (blob.LiveCount == 0) continue;
            uint32_t* corner = pixels + size_t(by) * TBlob::kSize * stride + bx * TBlob::kSize;
            for (int i = 0; i < TBlob::kSize; ++i)
                for (int j = 0; j < TBlob::kSize; ++j)
                    corner[j * stride + i] = colors[blob.Cells[i][j]];
        }
}
