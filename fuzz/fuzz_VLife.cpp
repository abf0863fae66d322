// Arbitrary text through the VLife data reader; what it read is written and read back, and the
// live cells must come back in place.
#include "FuzzLines.h"
#include "io/u_VLife.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TLoadedPattern pattern;
    const bool read = ReadVLife(SplitLines(data, size), pattern);
    if (read != !pattern.Cells.empty()) abort();

    const TRect rect = pattern.MinRectangle({-50000, -1250, 49999, 1249});
    if (!Writable(rect)) return 0;
    for (const TLoadedCell& c : pattern.Cells)
        if (c.State != 1) abort();
    const TCellSet live = LiveCells(pattern);
    const auto source = [&live](int32_t x, int32_t y) -> uint8_t {
        return live.count({x, y}) != 0 ? 1 : 0;
    };

    TLoadedPattern again;
    ReadVLife(WriteVLife(rect, source), again);
    if (LiveCells(again) != live || again.Cells.size() != live.size()) abort();
    return 0;
}
