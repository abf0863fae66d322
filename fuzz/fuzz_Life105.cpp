// Arbitrary text through the Life 1.05 reader; what it read is written and read back, and the
// live cells, the rule and the description must survive that round trip.
#include "FuzzLines.h"
#include "io/u_Life105.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TLoadedPattern pattern;
    const bool read = ReadLife105(SplitLines(data, size), pattern);
    if (read != !pattern.Cells.empty()) abort();

    const TRect rect = pattern.MinRectangle({-50000, -1250, 49999, 1249});
    if (!Writable(rect)) return 0;
    const TCellSet live = LiveCells(pattern);
    const auto source = [&live](int32_t x, int32_t y) -> uint8_t {
        return live.count({x, y}) != 0 ? 1 : 0;
    };
    TLoadedPattern again;
    ReadLife105(WriteLife105(rect, source, pattern.Rule, pattern.Description), again);
    // Without a block line the first written row and column read back at (0, 0).
    TCellSet moved;
    for (const TLoadedCell& c : again.Cells) {
        if (c.State != 1) abort();
        moved.insert({int32_t(int64_t(c.X) + rect.Left), int32_t(int64_t(c.Y) + rect.Top)});
    }
    if (moved != live || again.Cells.size() != live.size()) abort();
    if (again.Rule != pattern.Rule || again.Description != pattern.Description) abort();
    return 0;
}
