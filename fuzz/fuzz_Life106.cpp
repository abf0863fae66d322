// Arbitrary text through the Life 1.06 reader; every cell must lie on the board, and what was
// read is written and read back to the same cells and rule.
#include "FuzzLines.h"
#include "io/u_Life105.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Small enough for the writer to visit every cell of any pattern on it.
    const TRect board{-1000, -1000, 999, 999};
    TLoadedPattern pattern;
    const bool read = ReadLife106(SplitLines(data, size), pattern, board);
    if (read != !pattern.Cells.empty()) abort();
    for (const TLoadedCell& c : pattern.Cells)
        if (!board.Contains(c.X, c.Y) || c.State != 1) abort();

    const TCellSet live = LiveCells(pattern);
    const auto source = [&live](int32_t x, int32_t y) -> uint8_t {
        return live.count({x, y}) != 0 ? 1 : 0;
    };
    TLoadedPattern again;
    ReadLife106(WriteLife106(pattern.MinRectangle(board), source, pattern.Rule), again, board);
    if (LiveCells(again) != live || again.Cells.size() != live.size()) abort();
    if (again.Rule != pattern.Rule) abort();
    return 0;
}
