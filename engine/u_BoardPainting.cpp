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
    if (!collect) return;
    const TPaintRequest request = FGlobals.Painter->PaintRequest();
    FPaintByCell = request.ByCell;
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
    if (!FPaintByCell) return FChangedBlocks.Append({bx, r.Row}, FGlobals.Memory);
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
            if (!FChangedBlocks.Append({bx, by}, FGlobals.Memory)) return false;
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

// Paints the generation's changes: the emptied cells first, then each live state in order.
void TBoard::PaintChanges()
{
    TStepPainter& painter = *FGlobals.Painter;
    if (FChangedBlocks.Count() > 0) painter.PaintBlocks(FChangedBlocks.Items());
    for (int state = 0; state < kMaxStates; ++state) {
        const auto items = FChanges[state].Items();
        if (!items.empty()) painter.PaintCells(uint8_t(state), items);
    }
}
