#include "io/u_DbLife.h"

#include "base/u_Text.h"
#include "io/u_Life105.h"
#include "io/u_LoadedPattern.h"
#include "io/u_Rle.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

namespace {

using TReader = std::function<bool(TLoadedPattern&)>;

// Lower case only, as the RLE reader takes its header: it would read "X = 3" as cells.
bool IsRleHeader(std::string_view line)
{
    const std::string_view text = Trim(line);
    return text.starts_with("x =") || text.starts_with("x=");
}

// The index of the first RLE header line, or none.
std::optional<size_t> RleHeaderAt(const TLineSource& lines)
{
    std::optional<size_t> header;
    size_t index = 0;
    lines.ForEach([&](std::string_view line) {
        if (IsRleHeader(line)) header = index;
        ++index;
        return !header;
    });
    return header;
}

// The text from the RLE header on, after the "#" lines above it: the RLE reader takes "#C" and
// "#D" lines as notes and skips other "#" lines, while any other line there would be run data.
bool ReadRleFromHeader(const TLineSource& lines, size_t header, TLoadedPattern& pattern)
{
    std::vector<std::string> notes;
    size_t index = 0;
    lines.ForEach([&](std::string_view line) {
        if (index++ >= header) return false;
        if (Trim(line).starts_with('#')) notes.emplace_back(line);
        return true;
    });
    // The notes, then the lines from the header on, as one text.
    const TLineSource rle = TLineSource::OfVisits([&](const TLineSource::TVisit& visit) {
        for (const std::string& note : notes)
            if (!visit(note)) return;
        size_t at = 0;
        lines.ForEach([&](std::string_view line) { return at++ < header || visit(line); });
    });
    return ReadRle(rle, pattern);
}

// Runs `read` on a copy of the record and keeps the copy only when it gained cells.
bool Attempt(TLoadedPattern& pattern, const TReader& read)
{
    TLoadedPattern attempt = pattern;
    if (!read(attempt) || attempt.CellCount() <= pattern.CellCount()) return false;
    pattern = std::move(attempt);
    return true;
}

} // namespace

bool ReadDbLife(const TLineSource& lines, TLoadedPattern& pattern, const TRect& board)
{
    if (const auto header = RleHeaderAt(lines)) {
        if (Attempt(pattern,
                    [&](TLoadedPattern& p) { return ReadRleFromHeader(lines, *header, p); }))
            return true;
    }
    const TReader readers[] = {
        [&](TLoadedPattern& p) { return ReadLife105(lines, p); },
        [&](TLoadedPattern& p) { return ReadLife106(lines, p, board); },
        [&](TLoadedPattern& p) { return ReadRle(lines, p); },
    };
    return std::any_of(std::begin(readers), std::end(readers),
                       [&](const TReader& read) { return Attempt(pattern, read); });
}
