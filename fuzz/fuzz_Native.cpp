// Arbitrary text through the native reader; what it read is written back with every setting
// and read again, and the cells, their states and the settings must survive that round trip.
#include "FuzzLines.h"
#include "base/u_Text.h"
#include "io/u_Native.h"

#include <cstdlib>
#include <map>

namespace {

using TCellMap = std::map<std::pair<int32_t, int32_t>, uint8_t>;

// The reader cuts counts at the largest board's width, so longer gaps do not come back.
bool WithinCounts(const TRect& rect)
{
    return rect.IsEmpty() || (rect.Width() <= 100000 && rect.Height() <= 100000);
}

TNativeHeader HeaderOf(const TLoadedPattern& pattern)
{
    TNativeHeader header;
    header.Game = pattern.Game;
    header.Rule = Trim(pattern.Rule);
    header.BoardWidth = pattern.BoardWidth;
    header.BoardHeight = pattern.BoardHeight;
    header.Speed = pattern.Speed;
    header.Wrap = pattern.Wrap != 0;
    header.StatesCount = pattern.StatesCount;
    header.Save = {true, true, true, true, false};
    return header;
}

bool SameSettings(const TLoadedPattern& a, const TLoadedPattern& b)
{
    return a.Game == b.Game && Trim(a.Rule) == Trim(b.Rule) && a.BoardWidth == b.BoardWidth &&
           a.BoardHeight == b.BoardHeight && a.Speed == b.Speed && (a.Wrap != 0) == (b.Wrap != 0) &&
           a.StatesCount == b.StatesCount && a.Description == b.Description;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TLoadedPattern pattern;
    const bool read = ReadNative(SplitLines(data, size), pattern);
    if (read != !pattern.Cells.empty()) abort();

    const TRect rect = pattern.MinRectangle({-50000, -1250, 49999, 1249});
    if (!Writable(rect) || !WithinCounts(rect)) return 0;
    TCellMap cells;
    for (const TLoadedCell& c : pattern.Cells) {
        if (c.State < 1 || c.State > 24) abort();
        cells[{c.X, c.Y}] = c.State;
    }
    const auto source = [&cells](int32_t x, int32_t y) -> uint8_t {
        const auto it = cells.find({x, y});
        return it == cells.end() ? 0 : it->second;
    };

    TLoadedPattern again;
    ReadNative(WriteNative(rect, source, HeaderOf(pattern), pattern.Description), again);
    if (again.Cells.size() != cells.size() || !SameSettings(pattern, again)) abort();
    // The written rectangle's top-left cell reads back at (0, 0).
    for (const TLoadedCell& c : again.Cells) {
        const int64_t x = int64_t(c.X) + rect.Left;
        const int64_t y = int64_t(c.Y) + rect.Top;
        if (source(int32_t(x), int32_t(y)) != c.State) abort();
    }
    return 0;
}
