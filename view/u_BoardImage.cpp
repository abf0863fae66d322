#include "view/u_BoardImage.h"

#include "engine/u_Board.h"

#include <algorithm>
#include <new>

namespace {

// Paints the cells of `picture` into `pixels` (already the size of the picture) with the pixel
// values `values` has for each cell byte, and `grid` for grid lines.
template <class TPixel>
void PaintCells(const TBoard& board, const TCellPicture& picture,
                const std::array<TPixel, 256>& values, TPixel grid, TPixel* pixels, size_t stride)
{
    const TRect& cells = picture.Cells;
    const int32_t n = picture.CellSize;
    const bool hasGrid = picture.HasGrid();
    const size_t width = size_t(picture.Width()), height = size_t(picture.Height());

    // Empty blocks are the most common by far: the background first, then the live blocks.
    for (size_t row = 0; row < height; ++row) std::fill_n(pixels + row * stride, width, values[0]);
    if (hasGrid) {
        for (size_t row = 0; row < height; row += size_t(n))
            std::fill_n(pixels + row * stride, width, grid);
        for (size_t row = 0; row < height; ++row)
            for (size_t col = 0; col < width; col += size_t(n)) pixels[row * stride + col] = grid;
    }
    const TRect on{std::max(cells.Left, board.MinX()), std::max(cells.Top, board.MinY()),
                   std::min(cells.Right, board.MaxX()), std::min(cells.Bottom, board.MaxY())};
    if (on.IsEmpty()) return;
    const TPoint first = board.CellToBlock(on.Left, on.Top);
    const TPoint last = board.CellToBlock(on.Right, on.Bottom);
    const int32_t inset = hasGrid ? 1 : 0, side = n - inset;
    for (int32_t bx = first.X; bx <= last.X; ++bx)
        for (int32_t by = first.Y; by <= last.Y; ++by) {
            const TBlob& blob = board.BlobAt(bx, by);
            if (blob.LiveCount == 0) continue;
            const int32_t x0 = board.MinX() + bx * TBlob::kSize;
            const int32_t y0 = board.MinY() + by * TBlob::kSize;
            for (int i = 0; i < TBlob::kSize; ++i)
                for (int j = 0; j < TBlob::kSize; ++j) {
                    const uint8_t state = blob.Cells[i][j];
                    if (state == 0 || !on.Contains(x0 + i, y0 + j)) continue;
                    TPixel* corner = pixels + size_t(y0 + j - cells.Top) * n * stride +
                                     size_t(x0 + i - cells.Left) * n + inset * (stride + 1);
                    for (int32_t r = 0; r < side; ++r)
                        std::fill_n(corner + size_t(r) * stride, side, values[state]);
                }
        }
}

} // namespace

void PaintBoardImage(const TBoard& board, const TCPalette& palette, uint32_t* pixels, size_t stride)
{
    // Every byte a cell may hold; the palette gives states past its last the last colour.
    std::array<uint32_t, 256> colors;
    for (int state = 0; state < int(colors.size()); ++state)
        colors[state] = ToRgbPixel(palette.StateColor(state));
    PaintCells(board, TCellPicture{board.Extents(), 1, false}, colors, 0u, pixels, stride);
}

TImageColors ImageColors(const TCPalette& palette)
{
    TImageColors colors{};
    for (int state = 0; state <= kPaletteStates; ++state) colors[state] = palette.StateColor(state);
    colors[kGridIndex] = palette.GridColor();
    return colors;
}

bool PaintCellPicture(const TBoard& board, const TCellPicture& picture, TIndexImage& image)
{
    std::array<uint8_t, 256> indices;
    for (int state = 0; state < int(indices.size()); ++state)
        indices[state] = uint8_t(std::min(state, kPaletteStates));
    image = {};
    if (picture.Cells.IsEmpty() || picture.Width() * picture.Height() > kMaxPicturePixels)
        return false;
    try {
        image.Pixels.resize(size_t(picture.Width()) * size_t(picture.Height()));
    } catch (const std::bad_alloc&) {
        return false;
    }
    image.Width = int32_t(picture.Width());
    image.Height = int32_t(picture.Height());
    PaintCells(board, picture, indices, kGridIndex, image.Pixels.data(), size_t(image.Width));
    return true;
}

TRect LiveCellsFramed(const TBoard& board)
{
    const TRect live = board.MinRectangle();
    if (live.IsEmpty()) return {0, 0, 0, 0};
    return {live.Left - 1, live.Top - 1, live.Right + 1, live.Bottom + 1};
}
