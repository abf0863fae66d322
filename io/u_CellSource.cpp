#include "io/u_CellSource.h"

#include <algorithm>
#include <vector>

namespace {

// Areas are read in pieces of about this many cells.
constexpr int64_t kPieceCells = int64_t(1) << 20;

} // namespace

TCellSource TCellSource::OfAreas(TAreaFn areas)
{
    TCellSource source;
    source.FArea = std::move(areas);
    return source;
}

uint8_t TCellSource::operator()(int32_t x, int32_t y) const
{
    if (FCell) return FCell(x, y);
    uint8_t cell = 0;
    FArea({x, y, x, y}, &cell, 1);
    return cell;
}

void TCellSource::ReadArea(const TRect& area, uint8_t* cells, size_t stride) const
{
    if (FArea) {
        FArea(area, cells, stride);
        return;
    }
    // 64-bit loops: an area may reach the int32 limits.
    for (int64_t y = area.Top; y <= area.Bottom; ++y) {
        uint8_t* row = cells + size_t(y - area.Top) * stride;
        for (int64_t x = area.Left; x <= area.Right; ++x)
            row[x - area.Left] = FCell(int32_t(x), int32_t(y));
    }
}

void ScanRows(const TRect& rect, const TCellSource& source,
              const std::function<void(const uint8_t* cells, size_t count)>& piece,
              const std::function<void()>& rowEnd)
{
    if (rect.IsEmpty()) return;
    const int64_t width = rect.Width();
    // Strips of whole rows, or rows in pieces when one is wider than a piece.
    const int64_t pieceWidth = std::min(width, kPieceCells);
    const int64_t stripRows = std::clamp<int64_t>(kPieceCells / width, 1, rect.Height());
    std::vector<uint8_t> cells(size_t(pieceWidth * stripRows));
    for (int64_t top = rect.Top; top <= rect.Bottom; top += stripRows) {
        const int64_t bottom = std::min<int64_t>(top + stripRows - 1, rect.Bottom);
        if (pieceWidth == width) {
            source.ReadArea({rect.Left, int32_t(top), rect.Right, int32_t(bottom)}, cells.data(),
                            size_t(width));
            for (int64_t y = top; y <= bottom; ++y) {
                piece(cells.data() + size_t((y - top) * width), size_t(width));
                rowEnd();
            }
            continue;
        }
        for (int64_t left = rect.Left; left <= rect.Right; left += pieceWidth) {
            const int64_t right = std::min<int64_t>(left + pieceWidth - 1, rect.Right);
            source.ReadArea({int32_t(left), int32_t(top), int32_t(right), int32_t(top)},
                            cells.data(), size_t(pieceWidth));
            piece(cells.data(), size_t(right - left + 1));
        }
        rowEnd();
    }
}

void ScanLiveByColumns(const TRect& rect, const TCellSource& source,
                       const std::function<void(int64_t x, const int32_t* ys, size_t count)>& live)
{
    if (rect.IsEmpty()) return;
    const int64_t height = rect.Height();
    // Strips of whole columns, or columns in pieces when one is taller than a piece.
    const int64_t pieceHeight = std::min(height, kPieceCells);
    const int64_t stripColumns = std::clamp<int64_t>(kPieceCells / height, 1, rect.Width());
    std::vector<uint8_t> cells(size_t(pieceHeight * stripColumns));
    std::vector<int32_t> ys(static_cast<size_t>(pieceHeight));
    for (int64_t left = rect.Left; left <= rect.Right; left += stripColumns) {
        const int64_t right = std::min<int64_t>(left + stripColumns - 1, rect.Right);
        const size_t stride = size_t(right - left + 1);
        for (int64_t top = rect.Top; top <= rect.Bottom; top += pieceHeight) {
            const int64_t bottom = std::min<int64_t>(top + pieceHeight - 1, rect.Bottom);
            source.ReadArea({int32_t(left), int32_t(top), int32_t(right), int32_t(bottom)},
                            cells.data(), stride);
            // A piece holds whole columns of the strip, or one column's piece (stride 1).
            for (int64_t x = left; x <= right; ++x) {
                const uint8_t* cell = cells.data() + size_t(x - left);
                size_t count = 0;
                // Without a branch: the cells of a soup are live at random.
                for (int64_t y = top; y <= bottom; ++y, cell += stride) {
                    ys[count] = int32_t(y);
                    count += *cell != 0;
                }
                if (count > 0) live(x, ys.data(), count);
            }
        }
    }
}
