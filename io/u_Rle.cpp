#include "io/u_Rle.h"

#include "base/u_Text.h"
#include "io/u_LoadedPattern.h"
#include "io/u_RunLength.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Counts are cut at the largest board's width: no run or row gap of a pattern that can be
// placed is longer, and a count such as 99999999999999b then neither overflows nor sends the
// reader through a loop it cannot finish.
constexpr int64_t kMaxCount = 100000;
// The cursor stops far beyond every cell AddCell keeps, so its sums cannot overflow.
constexpr int64_t kFarAway = int64_t(1) << 40;

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

uint8_t LetterState(char c)
{
    switch (c) {
    case 'x':
    case 'X':
        return 2;
    case 'y':
    case 'Y':
        return 3;
    case 'z':
    case 'Z':
        return 4;
    default:
        return 1;
    }
}

// Half the header's size, to the left of and above the origin, so the pattern reads centred.
int64_t HeaderStart(std::string_view line, size_t keyAt)
{
    if (keyAt == std::string_view::npos) return 0;
    int pos = static_cast<int>(keyAt) + 2; // 1-based, just after the key letter
    return -(std::abs(int64_t(SafeInt(ExtractField(line, pos, " =,")))) / 2);
}

class TRleReader {
public:
    explicit TRleReader(TLoadedPattern& pattern) : FPattern(pattern) {}

    void ReadLine(std::string_view line);
    bool HeaderSeen() const { return FHeaderSeen; }

private:
    void ReadHeader(std::string_view line);
    void ReadRunData(std::string_view line);
    void ReadSymbol(char c);
    void AddRun(uint8_t state);
    void Advance(int64_t& coord) const { coord = std::min(coord + FCount, kFarAway); }

    TLoadedPattern& FPattern;
    int64_t FX = 0;
    int64_t FY = 0;
    int64_t FRowStart = 0;
    int64_t FCount = 0;
    bool FHeaderSeen = false;
    bool FEndSeen = false;
};

void TRleReader::ReadLine(std::string_view line)
{
    if (StartsWithNoCase(line, "#D") || StartsWithNoCase(line, "#C")) {
        std::string_view text = line.substr(2);
        if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        FPattern.Description.emplace_back(text);
        return;
    }
    if (FEndSeen) {
        FPattern.Description.emplace_back(line);
        return;
    }
    // Other "#" lines (name, author, ...) are no run data: their letters would become cells.
    if (line.empty() || line.front() == '#') return;
    if (!FHeaderSeen && line.front() == 'x')
        ReadHeader(line);
    else
        ReadRunData(line);
}

void TRleReader::ReadHeader(std::string_view line)
{
    FHeaderSeen = true;
    FX = FRowStart = HeaderStart(line, 0);
    FY = HeaderStart(line, line.find('y'));
    for (std::string_view key : {"rules", "rule"}) {
        const size_t at = line.find(key);
        if (at == std::string_view::npos) continue;
        int pos = static_cast<int>(at + key.size()) + 1;
        FPattern.Rule = ExtractField(line, pos, " =");
        break;
    }
}

void TRleReader::ReadRunData(std::string_view line)
{
    for (char c : line) {
        if (c >= '0' && c <= '9') {
            FCount = std::min(FCount * 10 + (c - '0'), kMaxCount);
            continue;
        }
        ReadSymbol(c);
        FCount = 0;
        if (FEndSeen) return;
    }
}

void TRleReader::ReadSymbol(char c)
{
    if (FCount == 0) FCount = 1;
    if (c == '.' || c == 'b' || c == 'B') {
        Advance(FX);
    } else if (c == '$') {
        Advance(FY);
        FX = FRowStart;
    } else if (c == '!') {
        FEndSeen = true;
    } else if (IsLetter(c)) {
        AddRun(LetterState(c));
        Advance(FX);
    }
}

void TRleReader::AddRun(uint8_t state)
{
    // Only the part of the run that AddCell would keep is visited.
    const int64_t limit = TLoadedPattern::kCoordLimit;
    if (FY < -limit || FY > limit) return;
    const int64_t last = std::min(FX + FCount - 1, limit);
    for (int64_t x = std::max(FX, -limit); x <= last; ++x)
        FPattern.AddCell(static_cast<int32_t>(x), static_cast<int32_t>(FY), state);
}

std::string HeaderLine(const TRect& rect, std::string_view ruleText)
{
    // An empty rectangle still gives a well-formed file: a 0 by 0 header and a lone "!".
    const int64_t width = rect.IsEmpty() ? 0 : rect.Width();
    const int64_t height = rect.IsEmpty() ? 0 : rect.Height();
    std::string header = "x = " + std::to_string(width) + ", y = " + std::to_string(height);
    if (ruleText != "23/3") header += ", rule = " + std::string(ruleText);
    return header;
}

} // namespace

bool ReadRle(const std::vector<std::string>& lines, TLoadedPattern& pattern)
{
    const size_t cellsBefore = pattern.Cells.size();
    TRleReader reader(pattern);
    for (const std::string& line : lines) reader.ReadLine(Trim(line));
    return reader.HeaderSeen() || pattern.Cells.size() > cellsBefore;
}

std::vector<std::string> WriteRle(const TRect& rect, const TCellSource& cells,
                                  std::string_view ruleText,
                                  const std::vector<std::string>& description)
{
    std::vector<std::string> lines{HeaderLine(rect, ruleText)};
    TRunLineWriter writer(lines);
    int64_t rows = 0;
    int64_t live = 0;
    int64_t dead = 0;
    char previous = '$';
    // 64-bit loops: a rectangle may reach the int32 limits.
    for (int64_t y = rect.Top; y <= rect.Bottom; ++y) {
        for (int64_t x = rect.Left; x <= rect.Right; ++x) {
            if (cells(static_cast<int32_t>(x), static_cast<int32_t>(y)) != 0) {
                if (previous != 'o') {
                    writer.Flush(rows, '$');
                    writer.Flush(dead, 'b');
                }
                ++live;
                previous = 'o';
            } else {
                if (previous == 'o') writer.Flush(live, 'o');
                ++dead;
                previous = 'b';
            }
        }
        // Trailing dead cells of a row are never written.
        if (previous == 'o') writer.Flush(live, 'o');
        live = dead = 0;
        ++rows;
        previous = '$';
    }
    writer.Finish("!");
    lines.insert(lines.end(), description.begin(), description.end());
    return lines;
}
