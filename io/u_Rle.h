#pragma once
// RLE pattern text: reader into the loaded-pattern record, writer from any cell rectangle; and
// the reading of run-length cell data that the other text readers with repeat counts share.

#include "base/u_Geometry.h"
#include "base/u_LineFile.h"
#include "io/u_CellSource.h"
#include "io/u_LoadedPattern.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

class TLineSink;

// A cursor over run-length cell data. Counts are cut at the largest board's width: no run or
// row gap of a pattern that can be placed is longer, and a count such as 99999999999999b then
// neither overflows nor sends the reader through a loop it cannot finish. The cursor stops far
// beyond every cell AddCell keeps, so its sums cannot overflow either.
class TRunCursor {
public:
    TRunCursor() = default;
    TRunCursor(int64_t x, int64_t y) { MoveTo(x, y); }

    // Adds `c` to the pending count if it is a digit; false for any other character.
    bool ReadDigit(char c);
    // Adds the digits from `p` on to the pending count; where they end. The count stays in a
    // register meanwhile: in the run data of a soup every other character is a digit.
    const char* ReadDigits(const char* p, const char* end)
    {
        int64_t count = FCount;
        for (; p != end && *p >= '0' && *p <= '9'; ++p)
            count = std::min(count * 10 + (*p - '0'), kMaxCount);
        FCount = count;
        return p;
    }
    // Whether `length` characters of run data from here can reach neither the edge of the int32
    // plane nor the cursor's stops, so that ReadRlePiece may read them.
    bool CanReadRlePiece(int64_t rowStart, size_t length) const;
    // Reads RLE run data up to `end` or its "!", where it returns. A soup's digits, live and
    // dead symbols come in random order: they cost no branch here, only row ends and foreign
    // characters do. The runs go to `pattern` in order once the piece is read.
    const char* ReadRlePiece(const char* p, const char* end, int64_t rowStart,
                             TLoadedPattern& pattern);
    // The pending count, 1 when none is pending; the next count starts from 0.
    int64_t TakeCount();
    void MoveTo(int64_t x, int64_t y);
    void Skip(int64_t count) { Advance(FX, count); }
    void NextRows(int64_t count, int64_t rowStart);
    // Adds `count` cells rightwards from the cursor and moves past them. Inline, as the run
    // data of a soup is mostly runs.
    void AddRun(TLoadedPattern& pattern, int64_t count, uint8_t state)
    {
        // Only the part of the run that has int32 coordinates is visited.
        constexpr int64_t kLow = std::numeric_limits<int32_t>::min();
        constexpr int64_t kHigh = std::numeric_limits<int32_t>::max();
        if (FY >= kLow && FY <= kHigh) {
            const int64_t first = std::max(FX, kLow);
            const int64_t last = std::min(FX + count - 1, kHigh);
            if (first <= last) pattern.AddRun(int32_t(first), int32_t(FY), last - first + 1, state);
        }
        Advance(FX, count);
    }

private:
    static constexpr int64_t kMaxCount = 100000;
    static constexpr int64_t kFarAway = int64_t(1) << 40;

    static void Advance(int64_t& coord, int64_t count)
    {
        coord = std::min(coord + count, kFarAway);
    }

    int64_t FX = 0;
    int64_t FY = 0;
    int64_t FCount = 0;
};

// The text of a "#D" or "#C" line: from the third character, one leading blank removed.
std::string_view CommentText(std::string_view line);

// True when a header line was seen or at least one cell was added. A bounded-grid suffix of the
// rule (":T100,80" a torus, ":P100,80" a plane) is taken off the rule and sets wrap and a board
// that holds the whole grid. "fps = N" in the header sets the speed: the interval of the speed
// table nearest to 1000 / N milliseconds.
bool ReadRle(const TLineSource& lines, TLoadedPattern& pattern);

// The lines of an RLE file for `rect`: header (with the rule unless it is "23/3"), run data
// of at most 70 characters a line ending in "!", then the description lines as they are.
void WriteRle(TLineSink& sink, const TRect& rect, const TCellSource& cells,
              std::string_view ruleText, const std::vector<std::string>& description);
std::vector<std::string> WriteRle(const TRect& rect, const TCellSource& cells,
                                  std::string_view ruleText,
                                  const std::vector<std::string>& description);
