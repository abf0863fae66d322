#pragma once
// Fuzz input as the text readers get it, and the cell set the round trips compare.

#include "base/u_Geometry.h"
#include "io/u_LoadedPattern.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using TCellSet = std::set<std::pair<int32_t, int32_t>>;

// Line ends as files have them: CR, LF or CR LF.
inline std::vector<std::string> SplitLines(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
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

inline TCellSet LiveCells(const TLoadedPattern& pattern)
{
    TCellSet live;
    for (const TLoadedCell& c : pattern.Cells) live.insert({c.X, c.Y});
    return live;
}

// The writers visit every cell of their rectangle, and a pattern read back from its own origin
// keeps only what the largest board (100000 wide) could hold; bigger rectangles are read but
// not written.
inline bool Writable(const TRect& rect)
{
    return rect.IsEmpty() || (rect.Width() <= 100000 && rect.Height() <= 100000 &&
                              rect.Width() * rect.Height() <= (int64_t(1) << 22));
}
