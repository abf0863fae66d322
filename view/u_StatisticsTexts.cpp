#include "view/u_StatisticsTexts.h"

#include "engine/u_Globals.h"

#include <charconv>

std::string PercentText(int64_t part, int64_t whole)
{
    const double share = whole > 0 ? double(part) * 100 / double(whole) : 0.0;
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, share, std::chars_format::fixed, 1).ptr;
    std::string text(buffer, end);
    if (text.size() < 5) text.insert(0, 5 - text.size(), ' ');
    return text + "%";
}

namespace {

std::string CountLine(int state, int64_t count, int64_t area)
{
    return std::to_string(state) + "\t" + std::to_string(count) + "\t" + PercentText(count, area);
}

} // namespace

TStatisticsTexts StatisticsTexts(const TGlobals& globals)
{
    const TBoard& board = globals.Board;
    const TCPalette& palette = globals.Palette.Colors;
    TStatisticsTexts t;

    const TRect r = board.MinRectangle();
    const bool empty = board.LiveCount() == 0 || r.IsEmpty();
    const int64_t w = empty ? 0 : r.Width();
    const int64_t h = empty ? 0 : r.Height();
    const int64_t area = w * h;
    t.Universe = "Inhabited universe size: " + std::to_string(w) + " x " + std::to_string(h);
    if (!empty)
        t.Universe += "  (" + std::to_string(r.Left) + "," + std::to_string(r.Top) + ")-(" +
                      std::to_string(r.Right) + "," + std::to_string(r.Bottom) + ")";

    t.Cells = "Generation " + std::to_string(board.Cycle()) +
              ".  Cells: " + std::to_string(board.LiveCount()) + ".  Maximum was " +
              std::to_string(board.MaxPopulation()) + " cell(s) in generation " +
              std::to_string(board.MaxPopulationCycle());

    t.Lines.push_back(CountLine(0, area - board.LiveCount(), area));
    for (int s = 1; s < board.StatesCount(); ++s) {
        const int32_t c = board.StateCount(s);
        t.Lines.push_back(CountLine(s, c, area));
        t.Bars.push_back({c, palette.StateColor(s)});
        if (s == 1 || c > t.LargestCount) t.LargestCount = c;
    }
    t.Background = palette.BackColor();
    t.Period = PeriodText(globals.Period.Current());
    return t;
}

std::string PeriodText(const TPeriod& period)
{
    if (!period.Found()) return "No period found";
    std::string text =
        "Period " + std::to_string(period.Period) + " since cycle " + std::to_string(period.Since);
    if (period.Moves())
        text += " moving " + std::to_string(period.Dx) + "," + std::to_string(period.Dy);
    return text;
}
