#include "io/u_Rle.h"

#include "base/u_LineFile.h"
#include "base/u_Text.h"
#include "engine/u_Run.h"
#include "io/u_CellRuns.h"
#include "io/u_LoadedPattern.h"
#include "io/u_RunLength.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// What a symbol of the run data does, looked up at once: a soup's data is mostly symbols.
// Letters are live cells: x, y and z states 2 to 4, every other letter state 1.
enum TSymbol : uint8_t { syOther, sySkip, syRows, syEnd, syLive };
constexpr std::array<uint8_t, 256> kSymbols = [] {
    std::array<uint8_t, 256> symbols{};
    for (int c = 'A'; c <= 'Z'; ++c) symbols[size_t(c)] = symbols[size_t(c + 32)] = syLive + 1;
    for (int k = 0; k < 3; ++k)
        symbols[size_t('X' + k)] = symbols[size_t('x' + k)] = uint8_t(syLive + 2 + k);
    symbols['.'] = symbols['b'] = symbols['B'] = sySkip;
    symbols['$'] = syRows;
    symbols['!'] = syEnd;
    return symbols;
}();

// The run data a branch-light reading takes at a time; its live runs wait in an array meanwhile.
constexpr size_t kRlePiece = 256;

// What a character does to that reading, as masks and numbers rather than cases: the pending
// count becomes (count * 10 + Digit) & Digits, the cursor moves by the run & Moves, a run of
// State is kept when Live. Rare characters (row ends, "!", foreign ones) are read apart.
struct TPieceClass {
    int8_t Digits;
    uint8_t Digit;
    int8_t Moves;
    uint8_t Live, State, Rare, Unused[2];
};
constexpr std::array<TPieceClass, 256> kPieceClasses = [] {
    std::array<TPieceClass, 256> classes{};
    for (size_t c = 0; c < 256; ++c) {
        const uint8_t symbol = kSymbols[c];
        TPieceClass& k = classes[c];
        if (c >= '0' && c <= '9')
            k.Digits = -1, k.Digit = uint8_t(c - '0');
        else if (symbol == sySkip)
            k.Moves = -1;
        else if (symbol >= syLive)
            k.Moves = -1, k.Live = 1, k.State = uint8_t(symbol - syLive);
        else
            k.Rare = 1;
    }
    return classes;
}();

// Half the header's size, to the left of and above the origin, so the pattern reads centred.
int64_t HeaderStart(std::string_view line, size_t keyAt)
{
    if (keyAt == std::string_view::npos) return 0;
    int pos = static_cast<int>(keyAt) + 2; // 1-based, just after the key letter
    return -(std::abs(int64_t(SafeInt(ExtractField(line, pos, " =,")))) / 2);
}

// The leading digits of `text` as a number; 0 without any (or beyond the int32 range).
int32_t LeadingNumber(std::string_view text)
{
    size_t digits = 0;
    while (digits < text.size() && IsDigit(text[digits])) ++digits;
    return SafeInt(text.substr(0, digits));
}

// Boards come in steps of this many cells; a grid between two steps gets the larger board, so
// that none of its cells is cut off.
constexpr int64_t kBoardStep = 20;

int32_t BoardCovering(int32_t size)
{
    const int64_t covering = (int64_t(size) + kBoardStep - 1) / kBoardStep * kBoardStep;
    return static_cast<int32_t>(std::min<int64_t>(covering, std::numeric_limits<int32_t>::max()));
}

// A bounded grid as other programs append it to the rule: a type letter, the width, ",", the
// height, maybe more (shifts) that no board here has. Only a torus and a plane with both sizes
// given map onto a board; other grids keep the defaults.
void ReadBoundedGrid(std::string_view grid, TLoadedPattern& pattern)
{
    const bool torus = StartsWithNoCase(grid, "T");
    if (!torus && !StartsWithNoCase(grid, "P")) return;
    const size_t comma = grid.find(',');
    if (comma == std::string_view::npos) return;
    const int32_t width = LeadingNumber(grid.substr(1));
    const int32_t height = LeadingNumber(grid.substr(comma + 1));
    if (width <= 0 || height <= 0) return;
    pattern.Wrap = torus ? 1 : 0;
    pattern.BoardWidth = BoardCovering(width);
    pattern.BoardHeight = BoardCovering(height);
}

// The rule token of a header, which other programs may follow with "," and further fields or
// end with a bounded grid (":T100,80"). No rule text of any game holds ":" or ends with ",".
void ReadRuleToken(std::string_view token, TLoadedPattern& pattern)
{
    while (!token.empty() && token.back() == ',') token.remove_suffix(1);
    const size_t colon = token.find(':');
    pattern.Rule = token.substr(0, colon);
    if (colon != std::string_view::npos) ReadBoundedGrid(token.substr(colon + 1), pattern);
}

// The run interval of the speed table nearest to frames per second `fps`: a frame every
// 1000 / fps milliseconds. Without a positive number the speed is left alone.
int32_t IntervalOfFps(int32_t fps)
{
    if (fps <= 0) return -1;
    const double wanted = 1000.0 / fps;
    return *std::min_element(
        kSpeedTable.begin(), kSpeedTable.end(),
        [wanted](int32_t a, int32_t b) { return std::abs(a - wanted) < std::abs(b - wanted); });
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

    TLoadedPattern& FPattern;
    TRunCursor FCursor;
    int64_t FRowStart = 0;
    bool FHeaderSeen = false;
    bool FEndSeen = false;
};

void TRleReader::ReadLine(std::string_view line)
{
    if (StartsWithNoCase(line, "#D") || StartsWithNoCase(line, "#C")) {
        FPattern.Description.emplace_back(CommentText(line));
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
    FRowStart = HeaderStart(line, 0);
    FCursor.MoveTo(FRowStart, HeaderStart(line, line.find('y')));
    for (std::string_view key : {"rules", "rule"}) {
        const size_t at = line.find(key);
        if (at == std::string_view::npos) continue;
        int pos = static_cast<int>(at + key.size()) + 1;
        ReadRuleToken(ExtractField(line, pos, " ="), FPattern);
        break;
    }
    if (const size_t at = line.find("fps"); at != std::string_view::npos) {
        int pos = static_cast<int>(at) + 4; // 1-based, just after the word
        if (const int32_t interval = IntervalOfFps(LeadingNumber(ExtractField(line, pos, " =,")));
            interval >= 0)
            FPattern.Speed = interval;
    }
}

void TRleReader::ReadRunData(std::string_view line)
{
    for (const char *p = line.data(), *end = p + line.size(); p != end;) {
        const size_t length = std::min(size_t(end - p), kRlePiece);
        if (FCursor.CanReadRlePiece(FRowStart, length)) {
            const char* pieceEnd = p + length;
            p = FCursor.ReadRlePiece(p, pieceEnd, FRowStart, FPattern);
            FEndSeen = p != pieceEnd;
            if (FEndSeen) return;
            continue;
        }
        // Near the plane's edge a token at a time, cut and clamped.
        p = FCursor.ReadDigits(p, end);
        if (p == end) return;
        ReadSymbol(*p++);
        if (FEndSeen) return;
    }
}

void TRleReader::ReadSymbol(char c)
{
    const int64_t count = FCursor.TakeCount();
    switch (const uint8_t symbol = kSymbols[uint8_t(c)]) {
    case syOther:
        break;
    case sySkip:
        FCursor.Skip(count);
        break;
    case syRows:
        FCursor.NextRows(count, FRowStart);
        break;
    case syEnd:
        FEndSeen = true;
        break;
    default:
        FCursor.AddRun(FPattern, count, uint8_t(symbol - syLive));
    }
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

bool TRunCursor::ReadDigit(char c)
{
    if (!IsDigit(c)) return false;
    FCount = std::min(FCount * 10 + (c - '0'), kMaxCount);
    return true;
}

bool TRunCursor::CanReadRlePiece(int64_t rowStart, size_t length) const
{
    // Each character moves the cursor by at most a count.
    const int64_t reach = int64_t(length + 1) * kMaxCount;
    return std::min({FX, FY, rowStart}) >= std::numeric_limits<int32_t>::min() &&
           std::max({FX, FY, rowStart}) <= std::numeric_limits<int32_t>::max() - reach;
}

const char* TRunCursor::ReadRlePiece(const char* p, const char* end, int64_t rowStart,
                                     TLoadedPattern& pattern)
{
    std::array<TLoadedRun, kRlePiece> runs;
    size_t found = 0;
    int64_t x = FX, y = FY, count = FCount;
    for (; p != end; ++p) {
        const TPieceClass& k = kPieceClasses[uint8_t(*p)];
        const int64_t taken = count + (count == 0);
        if (k.Rare) {
            count = 0;
            if (*p == '!') break;
            if (*p == '$') {
                y += taken;
                x = rowStart;
            }
            continue;
        }
        // Every character writes a run; only a live symbol's is kept.
        runs[found] = {int32_t(x), int32_t(y), int32_t(taken), k.State};
        found += k.Live;
        x += taken & int64_t(k.Moves);
        // No multiplication: the count is the chain that every character waits for.
        count = std::min((count * 10 + k.Digit) & int64_t(k.Digits), kMaxCount);
    }
    FX = x;
    FY = y;
    FCount = count;
    pattern.AddRuns(runs.data(), found);
    return p;
}

int64_t TRunCursor::TakeCount()
{
    const int64_t count = FCount == 0 ? 1 : FCount;
    FCount = 0;
    return count;
}

void TRunCursor::MoveTo(int64_t x, int64_t y)
{
    FX = std::clamp(x, -kFarAway, kFarAway);
    FY = std::clamp(y, -kFarAway, kFarAway);
}

void TRunCursor::NextRows(int64_t count, int64_t rowStart)
{
    Advance(FY, count);
    FX = std::clamp(rowStart, -kFarAway, kFarAway);
}

std::string_view CommentText(std::string_view line)
{
    std::string_view text = line.substr(std::min<size_t>(2, line.size()));
    if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

bool ReadRle(const TLineSource& lines, TLoadedPattern& pattern)
{
    const size_t cellsBefore = pattern.CellCount();
    TRleReader reader(pattern);
    lines.ForEach([&reader](std::string_view line) {
        reader.ReadLine(Trim(line));
        return true;
    });
    return reader.HeaderSeen() || pattern.CellCount() > cellsBefore;
}

void WriteRle(TLineSink& sink, const TRect& rect, const TCellSource& cells,
              std::string_view ruleText, const std::vector<std::string>& description)
{
    sink.Line(HeaderLine(rect, ruleText));
    TRunLineWriter writer(sink);
    int64_t rows = 0;
    int64_t live = 0;
    int64_t dead = 0;
    char previous = '$';
    // A run of equal cells at a time: every cell of it but the first only adds to the count.
    const auto run = [&](bool alive, int64_t count) {
        if (alive) {
            if (previous != 'o') {
                writer.Flush(rows, '$');
                writer.Flush(dead, 'b');
            }
            live += count;
            previous = 'o';
        } else {
            if (previous == 'o') writer.Flush(live, 'o');
            dead += count;
            previous = 'b';
        }
    };
    ScanRows(
        rect, cells,
        [&](const uint8_t* c, size_t n) {
            ForEachRun(c, n, false,
                       [&](uint8_t first, size_t count) { run(first != 0, int64_t(count)); });
        },
        [&] {
            // Trailing dead cells of a row are never written.
            if (previous == 'o') writer.Flush(live, 'o');
            live = dead = 0;
            ++rows;
            previous = '$';
        });
    writer.Finish("!");
    for (const std::string& line : description) sink.Line(line);
}

std::vector<std::string> WriteRle(const TRect& rect, const TCellSource& cells,
                                  std::string_view ruleText,
                                  const std::vector<std::string>& description)
{
    std::vector<std::string> lines;
    TLineSink sink(lines);
    WriteRle(sink, rect, cells, ruleText, description);
    return lines;
}
