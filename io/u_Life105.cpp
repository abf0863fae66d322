#include "io/u_Life105.h"

#include "base/u_LineFile.h"
#include "base/u_Text.h"
#include "io/u_LoadedPattern.h"

#include <charconv>
#include <cstdint>

namespace {

bool IsLiveSymbol(char c)
{
    return c == '*' || c == 'O' || c == 'o';
}

// The lines both formats share: rule, speed and description. Any other line is ignored.
void ReadKeyLine(std::string_view line, TLoadedPattern& pattern)
{
    if (StartsWithNoCase(line, "#N"))
        pattern.Rule = "23/3";
    else if (StartsWithNoCase(line, "#R"))
        pattern.Rule = Trim(line.substr(2));
    else if (StartsWithNoCase(line, "#S"))
        pattern.Speed = SafeInt(line.substr(2));
    else if (StartsWithNoCase(line, "#D") || StartsWithNoCase(line, "#C"))
        pattern.Description.emplace_back(CommentText(line));
    else if (line.front() == '!')
        pattern.Description.emplace_back(line.substr(1));
}

class TLife105Reader {
public:
    explicit TLife105Reader(TLoadedPattern& pattern) : FPattern(pattern) {}

    void ReadLine(std::string_view line);

private:
    void ReadBlockOrigin(std::string_view line);
    void ReadRow(std::string_view line);

    TLoadedPattern& FPattern;
    int32_t FBlockX = 0;
    int32_t FBlockY = 0;
    int64_t FRow = 0;
};

void TLife105Reader::ReadLine(std::string_view line)
{
    if (line.empty()) return;
    if (line.front() != '!' && line.front() != '#' && line.front() != '/')
        ReadRow(line);
    else if (StartsWithNoCase(line, "#P"))
        ReadBlockOrigin(line);
    else
        ReadKeyLine(line, FPattern);
}

// "#P x y" starts a block whose first row begins at (x, y); without both numbers the block
// starts again at the previous origin.
void TLife105Reader::ReadBlockOrigin(std::string_view line)
{
    FRow = 0;
    const std::string_view origin = Trim(line.substr(2));
    const size_t blank = origin.find(' ');
    if (blank == std::string_view::npos) return;
    FBlockX = SafeInt(origin.substr(0, blank));
    FBlockY = SafeInt(origin.substr(blank + 1));
}

void TLife105Reader::ReadRow(std::string_view line)
{
    TRunCursor cursor(FBlockX, FBlockY + FRow);
    for (char c : line) {
        if (cursor.ReadDigit(c)) continue;
        const int64_t count = cursor.TakeCount();
        if (IsLiveSymbol(c))
            cursor.AddRun(FPattern, count, 1);
        else
            cursor.Skip(count);
    }
    ++FRow;
}

// "!" lines are description in this format too, never coordinates.
bool IsCoordinateLine(std::string_view line)
{
    const char first = line.front();
    return first != '#' && first != '*' && first != '.' && first != '/' && first != '!';
}

void ReadCoordinates(std::string_view line, TLoadedPattern& pattern, const TRect& board)
{
    const size_t blank = line.find(' ');
    if (blank == std::string_view::npos || blank == 0) return;
    const int32_t x = SafeInt(line.substr(0, blank));
    const int32_t y = SafeInt(line.substr(blank + 1, 100));
    if (board.Contains(x, y)) pattern.AddCell(x, y, 1);
}

std::string RuleLine(std::string_view ruleText)
{
    return ruleText == "23/3" ? "#N" : "#R " + std::string(ruleText);
}

} // namespace

bool ReadLife105(const TLineSource& lines, TLoadedPattern& pattern)
{
    const size_t cellsBefore = pattern.CellCount();
    TLife105Reader reader(pattern);
    lines.ForEach([&reader](std::string_view line) {
        reader.ReadLine(Trim(line));
        return true;
    });
    return pattern.CellCount() > cellsBefore;
}

bool ReadLife106(const TLineSource& lines, TLoadedPattern& pattern, const TRect& board)
{
    const size_t cellsBefore = pattern.CellCount();
    lines.ForEach([&](std::string_view text) {
        const std::string_view line = Trim(text);
        if (line.empty()) return true;
        if (IsCoordinateLine(line))
            ReadCoordinates(line, pattern, board);
        else
            ReadKeyLine(line, pattern);
        return true;
    });
    return pattern.CellCount() > cellsBefore;
}

void WriteLife105(TLineSink& sink, const TRect& rect, const TCellSource& cells,
                  std::string_view ruleText, const std::vector<std::string>& description)
{
    sink.Line("#Life 1.05");
    sink.Line(RuleLine(ruleText));
    for (const std::string& text : description) sink.Line("#D " + text);
    std::string row;
    ScanRows(
        rect, cells,
        [&row](const uint8_t* c, size_t n) {
            const size_t start = row.size();
            row.resize(start + n);
            for (size_t i = 0; i < n; ++i) row[start + i] = c[i] != 0 ? '*' : '.';
        },
        [&] {
            const size_t lastLive = row.find_last_of('*');
            row.resize(lastLive == std::string::npos ? 0 : lastLive + 1);
            sink.Line(row.empty() ? "." : row);
            row.clear();
        });
}

std::vector<std::string> WriteLife105(const TRect& rect, const TCellSource& cells,
                                      std::string_view ruleText,
                                      const std::vector<std::string>& description)
{
    std::vector<std::string> lines;
    TLineSink sink(lines);
    WriteLife105(sink, rect, cells, ruleText, description);
    return lines;
}

void WriteLife106(TLineSink& sink, const TRect& rect, const TCellSource& cells,
                  std::string_view ruleText)
{
    sink.Line("#Life 1.06");
    sink.Line(RuleLine(ruleText));
    ScanLiveByColumns(rect, cells, [&sink](int64_t x, const int32_t* ys, size_t count) {
        // "x y": the column is formatted once.
        char line[24];
        char* row = std::to_chars(line, line + 11, x).ptr;
        *row++ = ' ';
        for (size_t k = 0; k < count; ++k) {
            const char* end = std::to_chars(row, line + sizeof line, ys[k]).ptr;
            sink.Line({line, size_t(end - line)});
        }
    });
}

std::vector<std::string> WriteLife106(const TRect& rect, const TCellSource& cells,
                                      std::string_view ruleText)
{
    std::vector<std::string> lines;
    TLineSink sink(lines);
    WriteLife106(sink, rect, cells, ruleText);
    return lines;
}
