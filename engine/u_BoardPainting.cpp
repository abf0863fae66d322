// How a generation's changes reach the painter: only those in the window it shows are listed,
// by cell or by block as it asks, so that a drawn generation costs what is visible.

#include "engine/u_Board.h"
#include "engine/u_Globals.h"

#include <algorithm>

void TBoard::ResetPaintLists(bool collect)
{
    for (TChangeList& list : FChanges) list.Reset();
    FChangedBlocks.Reset();
    FPaintBlocks = {};
    FWindowChanged = false;
    if (!collect) return;
    const TPaintRequest request = FGlobals.Painter->PaintRequest();
    FPaintByCell = request.ByCell;
    FPaintMaxBlocks = request.MaxBlocks;
    const TRect& w = request.Window;
    const TRect shown{std::max(w.Left, FMinX), std::max(w.Top, FMinY), std::min(w.Right, FMaxX),
                      std::min(w.Bottom, FMaxY)};
    if (shown.IsEmpty()) return;
    const TPoint first = CellToBlock(shown.Left, shown.Top);
    const TPoint last = CellToBlock(shown.Right, shown.Bottom);
    FPaintBlocks = {first.X, first.Y, last.X, last.Y};
}

bool TBoard::ListBlockChanges(int32_t bx, const TBlockResult& r)
{
    if (!FPaintBlocks.Contains(bx, r.Row)) return true;
    if (!FPaintByCell) return ListChangedBlock(bx, r.Row);
    const int32_t x0 = FMinX + bx * TBlob::kSize, y0 = FMinY + r.Row * TBlob::kSize;
    for (int i = 0; i < TBlob::kSize; ++i)
        for (unsigned rows = r.Changed[i]; rows != 0; rows &= rows - 1) {
            const int j = __builtin_ctz(rows);
            const uint8_t state = r.Cells[i][j];
            if (!FChanges[state].Append({x0 + i, y0 + j, state}, FGlobals.Memory)) return false;
        }
    return true;
}

bool TBoard::ListRowChanges(int32_t y, const uint8_t* row)
{
    // Every shown column is listed, changed or not, since the new row replaces what it held.
    const int32_t by = (y - FMinY) / TBlob::kSize;
    if (by < FPaintBlocks.Top || by > FPaintBlocks.Bottom) return true;
    for (int32_t bx = FPaintBlocks.Left; bx <= FPaintBlocks.Right; ++bx) {
        if (!FPaintByCell) {
            if (!ListChangedBlock(bx, by)) return false;
            continue;
        }
        for (int i = 0; i < TBlob::kSize; ++i) {
            const int32_t x = bx * TBlob::kSize + i;
            const uint8_t state = row[x];
            if (!FChanges[state].Append({FMinX + x, y, state}, FGlobals.Memory)) return false;
        }
    }
    return true;
}

bool TBoard::ListChangedBlock(int32_t bx, int32_t by)
{
    if (FWindowChanged) return true;
    if (FChangedBlocks.Count() < FPaintMaxBlocks)
        return FChangedBlocks.Append({bx, by}, FGlobals.Memory);
    FWindowChanged = true;
    return true;
}

// Paints the generation's changes: the emptied cells first, then each live state in order.
void TBoard::PaintChanges()
{
    TStepPainter& painter = *FGlobals.Painter;
    if (FWindowChanged)
        painter.PaintWindow();
    else if (FChangedBlocks.Count() > 0)
        painter.PaintBlocks(FChangedBlocks.Items());
    for (int state = 0; state < kMaxStates; ++state) {
        const auto items = FChanges[state].Items();
        if (!items.empty()) painter.PaintCells(uint8_t(state), items);
    }
}

uint8_t TBoard::TopStateIn(const TRect& cells, uint8_t top) const
{
    if (top == 1 && FBits.Valid) {
        // Whether any cell is live, from the mirror, whose words hold what blocks not yet
        // written from it would show.
        const TRect a = OnBoard(cells);
        if (a.IsEmpty()) return 0;
        const int32_t c0 = a.Left - FMinX, c1 = a.Right - FMinX;
        const int32_t r0 = a.Top - FMinY, r1 = a.Bottom - FMinY;
        constexpr int kRows = TBitMirror::kRows;
        for (int w = r0 / kRows; w <= r1 / kRows; ++w) {
            const int first = std::max(r0 - w * kRows, 0);
            const int last = std::min(r1 - w * kRows, kRows - 1);
            const uint64_t rows = (~uint64_t(0) >> (63 - last)) & (~uint64_t(0) << first);
            const uint64_t* words = FBits.Stripe(w);
            for (int p = 0; p < FBits.Planes(); ++p, words += FBits.PlaneStride())
                for (int32_t x = c0; x <= c1; ++x)
                    if (words[x] & rows) return 1;
        }
        return 0;
    }
    uint8_t best = 0;
    ForEachLiveBlock(cells, [&](const TBlob& blob, int32_t x0, int32_t y0) {
        const int i1 = std::min(cells.Right - x0, TBlob::kSize - 1);
        const int j0 = std::max(cells.Top - y0, 0);
        const int j1 = std::min(cells.Bottom - y0, TBlob::kSize - 1);
        for (int i = std::max(cells.Left - x0, 0); i <= i1; ++i)
            for (int j = j0; j <= j1; ++j) best = std::max(best, blob.Cells[i][j]);
        return best < top;
    });
    return best;
}
