// Arbitrary text through the RLE reader; what it read is written and read back, and the live
// cells must survive that round trip.
#include "io/u_LoadedPattern.h"
#include "io/u_Rle.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using TCellSet = std::set<std::pair<int32_t, int32_t>>;

// Line ends as files have them: CR, LF or CR LF.
std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++start;
    }
    return lines;
}

// The writer visits every cell of the rectangle, and the reader cuts runs at the largest
// board's width (100000); bigger rectangles are read but not written.
bool Writable(const TRect& rect)
{
    return rect.Width() <= 100000 && rect.Height() <= 100000 &&
           rect.Width() * rect.Height() <= (int64_t(1) << 22);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TLoadedPattern pattern;
    ReadRle(SplitLines({reinterpret_cast<const char*>(data), size}), pattern);

    const TRect board{-50000, -1250, 49999, 1249};
    const TRect rect = pattern.MinRectangle(board);
    if (!rect.IsEmpty() && !Writable(rect)) return 0;
    TCellSet live;
    for (const TLoadedCell& c : pattern.Cells) live.insert({c.X, c.Y});
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
