#include "io/u_VLife.h"

#include "base/u_Caption.h"
#include "base/u_Text.h"
#include "io/u_LoadedPattern.h"

namespace {

// The column is read from at most this many characters after the ",".
constexpr size_t kColumnLength = 100;

void ReadCellLine(std::string_view line, TLoadedPattern& pattern)
{
    if (line.empty() || line.starts_with("//")) return;
    const size_t comma = line.find(',');
    if (comma == std::string_view::npos || comma == 0) return;
    const int32_t y = SafeInt(line.substr(0, comma));
    const int32_t x = SafeInt(line.substr(comma + 1, kColumnLength));
    pattern.AddCell(x, y, 1);
}

} // namespace

bool ReadVLife(const std::vector<std::string>& lines, TLoadedPattern& pattern)
{
    const size_t cellsBefore = pattern.Cells.size();
    for (const std::string& line : lines) ReadCellLine(Trim(line), pattern);
    return pattern.Cells.size() > cellsBefore;
}

std::vector<std::string> WriteVLife(const TRect& rect, const TCellSource& cells)
{
    std::vector<std::string> lines{"// Velko's Gridfest data file",
                                   std::string("// Plexa v.") + ProgramVersion()};
    // 64-bit loops: a rectangle may reach the int32 limits.
    for (int64_t x = rect.Left; x <= rect.Right; ++x) {
        for (int64_t y = rect.Top; y <= rect.Bottom; ++y) {
            if (cells(static_cast<int32_t>(x), static_cast<int32_t>(y)) != 0)
                lines.push_back(std::to_string(y) + "," + std::to_string(x));
        }
    }
    return lines;
}
