#include "io/u_VLife.h"

#include "base/u_Caption.h"
#include "base/u_LineFile.h"
#include "base/u_Text.h"
#include "io/u_LoadedPattern.h"

#include <algorithm>
#include <charconv>

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

bool ReadVLife(const TLineSource& lines, TLoadedPattern& pattern)
{
    const size_t cellsBefore = pattern.CellCount();
    lines.ForEach([&pattern](std::string_view line) {
        ReadCellLine(Trim(line), pattern);
        return true;
    });
    return pattern.CellCount() > cellsBefore;
}

void WriteVLife(TLineSink& sink, const TRect& rect, const TCellSource& cells)
{
    sink.Line("// Velko's Gridfest data file");
    sink.Line(std::string("// Plexa v.") + ProgramVersion());
    ScanLiveByColumns(rect, cells, [&sink](int64_t x, const int32_t* ys, size_t count) {
        // "y,x": the column is formatted once.
        char column[16];
        column[0] = ',';
        const size_t columnLength = size_t(std::to_chars(column + 1, column + 13, x).ptr - column);
        char line[32];
        for (size_t k = 0; k < count; ++k) {
            char* end = std::to_chars(line, line + 11, ys[k]).ptr;
            end = std::copy_n(column, columnLength, end);
            sink.Line({line, size_t(end - line)});
        }
    });
}

std::vector<std::string> WriteVLife(const TRect& rect, const TCellSource& cells)
{
    std::vector<std::string> lines;
    TLineSink sink(lines);
    WriteVLife(sink, rect, cells);
    return lines;
}
