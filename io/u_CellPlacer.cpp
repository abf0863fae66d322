#include "io/u_CellPlacer.h"

#include "engine/u_Board.h"

#include <algorithm>
#include <cstring>

TCellPlacer::TCellPlacer(TBoard& board)
    : FBoard(board), FWidth(size_t(std::max(board.Width(), 0))),
      FBand(FWidth * TBlob::kSize, TBoard::kKeepCell), FTop(board.MinY())
{}

void TCellPlacer::Run(int64_t x, int64_t y, int64_t count, uint8_t state)
{
    const int64_t first = std::max<int64_t>(x, FBoard.MinX());
    const int64_t last = std::min<int64_t>(x + count - 1, FBoard.MaxX());
    if (y < FBoard.MinY() || y > FBoard.MaxY() || first > last) {
        FLeftOut += size_t(count);
        return;
    }
    FLeftOut += size_t(count - (last - first + 1));
    if (y < FTop || y >= FTop + TBlob::kSize) {
        Flush();
        FTop = int32_t(FBoard.MinY() + (y - FBoard.MinY()) / TBlob::kSize * TBlob::kSize);
    }
    uint8_t* cells = FBand.data() + size_t(y - FTop) * FWidth + size_t(first - FBoard.MinX());
    const size_t n = size_t(last - first + 1);
    if (n <= 8) // most runs of a soup are short
        for (size_t k = 0; k < n; ++k) cells[k] = state;
    else
        std::memset(cells, state, n);
    if (FLastRow < FFirstRow) {
        FLeft = int32_t(first), FRight = int32_t(last), FFirstRow = FLastRow = int32_t(y);
        return;
    }
    FLeft = std::min(FLeft, int32_t(first));
    FRight = std::max(FRight, int32_t(last));
    FFirstRow = std::min(FFirstRow, int32_t(y));
    FLastRow = std::max(FLastRow, int32_t(y));
}

void TCellPlacer::Flush()
{
    if (FLastRow < FFirstRow) return;
    uint8_t* held = FBand.data() + size_t(FFirstRow - FTop) * FWidth + (FLeft - FBoard.MinX());
    FBoard.WriteArea({FLeft, FFirstRow, FRight, FLastRow}, held, FWidth);
    for (int32_t y = FFirstRow; y <= FLastRow; ++y)
        std::memset(held + size_t(y - FFirstRow) * FWidth, TBoard::kKeepCell,
                    size_t(FRight - FLeft + 1));
    FLastRow = FFirstRow - 1;
}

size_t TCellPlacer::Finish()
{
    Flush();
    return FLeftOut;
}
