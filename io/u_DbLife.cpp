#include "io/u_DbLife.h"

#include "base/u_Text.h"
#include "io/u_Life105.h"
#include "io/u_LoadedPattern.h"
#include "io/u_Rle.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <string_view>
#include <utility>

namespace {

using TLines = std::vector<std::string>;
using TReader = std::function<bool(TLoadedPattern&)>;

// Lower case only, as the RLE reader takes its header: it would read "X = 3" as cells.
bool IsRleHeader(const std::string& line)
{
    const std::string_view text = Trim(line);
    return text.starts_with("x =") || text.starts_with("x=");
}

// The text from the RLE header on, after the "#" lines above it: the RLE reader takes "#C" and
// "#D" lines as notes and skips other "#" lines, while any other line there would be run data.
TLines RleFromHeader(const TLines& lines, TLines::const_iterator header)
{
    TLines rle;
    std::copy_if(lines.begin(), header, std::back_inserter(rle),
                 [](const std::string& line) { return Trim(line).starts_with('#'); });
    rle.insert(rle.end(), header, lines.end());
    return rle;
}

// Runs `read` on a copy of the record and keeps the copy only when it gained cells.
bool Attempt(TLoadedPattern& pattern, const TReader& read)
{
    TLoadedPattern attempt = pattern;
    if (!read(attempt) || attempt.Cells.size() <= pattern.Cells.size()) return false;
    pattern = std::move(attempt);
    return true;
}

} // namespace

bool ReadDbLife(const TLines& lines, TLoadedPattern& pattern, const TRect& board)
{
    const auto header = std::find_if(lines.begin(), lines.end(), IsRleHeader);
    if (header != lines.end()) {
        const TLines rle = RleFromHeader(lines, header);
        if (Attempt(pattern, [&](TLoadedPattern& p) { return ReadRle(rle, p); })) return true;
    }
    const TReader readers[] = {
        [&](TLoadedPattern& p) { return ReadLife105(lines, p); },
        [&](TLoadedPattern& p) { return ReadLife106(lines, p, board); },
        [&](TLoadedPattern& p) { return ReadRle(lines, p); },
    };
    return std::any_of(std::begin(readers), std::end(readers),
                       [&](const TReader& read) { return Attempt(pattern, read); });
}
