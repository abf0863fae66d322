// Arbitrary text through the RLE reader; what it read is written and read back, and the live
// cells must survive that round trip.
#include "FuzzLines.h"
#include "io/u_Rle.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TLoadedPattern pattern;
    ReadRle(SplitLines(data, size), pattern);

    const TRect board{-50000, -1250, 49999, 1249};
    const TRect rect = pattern.MinRectangle(board);
    if (!Writable(rect)) return 0;
    const TCellSet live = LiveCells(pattern);
    const auto source = [&live](int32_t x, int32_t y) -> uint8_t {
        return live.count({x, y}) != 0 ? 1 : 0;
    };
    const std::vector<std::string> written =
        WriteRle(rect, source, pattern.Rule, pattern.Description);

    TLoadedPattern again;
    if (!ReadRle(written, again) || again.Cells.size() != live.size()) abort();
    const TRect moved = again.MinRectangle(board);
    for (const TLoadedCell& c : again.Cells) {
        const int64_t x = int64_t(c.X) - moved.Left + rect.Left;
        const int64_t y = int64_t(c.Y) - moved.Top + rect.Top;
        if (c.State != 1 || live.count({int32_t(x), int32_t(y)}) == 0) abort();
    }
    return 0;
}
