#pragma once
// Fuzz input as the text readers get it, and the cell set the round trips compare.

#include "base/u_Geometry.h"
#include "base/u_LineFile.h"
#include "io/u_LoadedPattern.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using TCellSet = std::set<std::pair<int32_t, int32_t>>;

// The fuzz input as the lines of a file.
inline std::vector<std::string> SplitLines(const uint8_t* data, size_t size)
{
    return SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
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
