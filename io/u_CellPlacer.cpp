#include "io/u_CellPlacer.h"

#include "engine/u_Board.h"

#include <cstring>

TCellPlacer::TCellPlacer(TBoard& board)
    : FBoard(board), FMinX(board.MinX()), FMinY(board.MinY()), FMaxX(board.MaxX()),
      FMaxY(board.MaxY()), FWidth(size_t(std::max(board.Width(), 0))),
      FBand(FWidth * TBlob::kSize + 16, kUnset), FTop(board.MinY()), FUnsetFrom(FBand.data())
{
    static_assert(kUnset == TBoard::kKeepCell);
}

void TCellPlacer::RunAnywhere(int64_t x, int64_t y, int64_t count, uint8_t state)
{
    const int64_t first = std::max<int64_t>(x, FMinX);
    const int64_t last = std::min<int64_t>(x + count - 1, FMaxX);
    if (y < FMinY || y > FMaxY || first > last) {
        FLeftOut += size_t(count);
        return;
    }
    FLeftOut += size_t(count - (last - first + 1));
    if (y < FTop || y >= FTop + TBlob::kSize) {
        Flush();
        FTop = int32_t(FMinY + (y - FMinY) / TBlob::kSize * TBlob::kSize);
    }
    Put(int32_t(first), int32_t(y), int32_t(last), state);
}

void TCellPlacer::Flush()
{
    if (FLastRow < FFirstRow) return;
    uint8_t* held = FBand.data() + size_t(FFirstRow - FTop) * FWidth + size_t(FLeft - FMinX);
    FBoard.WriteArea({FLeft, FFirstRow, FRight, FLastRow}, held, FWidth);
    for (int32_t y = FFirstRow; y <= FLastRow; ++y)
        std::memset(held + size_t(y - FFirstRow) * FWidth, kUnset, size_t(FRight - FLeft + 1));
    FLastRow = FFirstRow - 1;
    FUnsetFrom = FBand.data();
}

size_t TCellPlacer::Finish()
{
    Flush();
    return FLeftOut;
}
