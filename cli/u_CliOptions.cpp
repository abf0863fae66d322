#include "cli/u_CliOptions.h"

#include "rules/u_Life.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

template <class T>
bool ParseNumber(const std::string& text, T& value)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

bool ParseSize(const std::string& text, int32_t& w, int32_t& h)
{
    const size_t x = text.find_first_of("xX");
    return x != std::string::npos && ParseNumber(text.substr(0, x), w) &&
           ParseNumber(text.substr(x + 1), h) && w > 0 && h > 0;
}

std::optional<TSaveFormat> FormatByName(const std::string& name)
{
    static const std::pair<const char*, TSaveFormat> kFormats[] = {
        {"optimal", TSaveFormat::Optimal}, {"rle", TSaveFormat::Rle},
        {"life105", TSaveFormat::Life105}, {"life106", TSaveFormat::Life106},
        {"plx", TSaveFormat::Native},      {"vlf", TSaveFormat::VLife}};
    for (const auto& [text, format] : kFormats)
        if (name == text) return format;
    return std::nullopt;
}

} // namespace

const char* CliUsage()
{
    return "usage: plexa-cli [options] [PATTERN]\n"
           "  PATTERN              a pattern file in any format the program opens\n"
           "  --game NAME|1..9     game to run (default: the pattern's, else Life)\n"
           "  --rule TEXT          rule text of that game (default: the pattern's)\n"
           "  --size WxH           board size (default: the pattern plus 600, at least 400x300)\n"
           "  --wrap               wrap at the edges\n"
           "  --states N           number of states, 2..25\n"
           "  --random PERCENT     fill the whole board at random with this density\n"
           "  --seed N             seed of the random fill (default 0)\n"
           "  --generations N      generations to compute (default 0)\n"
           "  --out FILE           write the result to FILE\n"
           "  --format F           its format: optimal, rle (default), life105, life106, plx,\n"
           "                       vlf\n"
           "  --history FILE       write the population history (CSV) to FILE\n"
           "  --stop-periodic      stop once the board repeats for one full period\n"
           "  --png FILE           write a PNG picture of the final live cells\n"
           "  --gif FILE           record the run as an animated GIF, cycle 0 first\n"
           "  --every K            a frame every K generations (default 1)\n"
           "  --frames N           at most N frames (default 300, at most 10000)\n"
           "  --cell-size S        pixels a cell in pictures and recordings, 1..21 (default 1)\n"
           "  --quiet              no warnings on standard error\n"
           "  --list-rules         print the rule library (game, name, kind, rule) and exit\n"
           "  --help               this text\n";
}

std::optional<TCliOptions> ParseCliOptions(const std::vector<std::string>& args, std::string& error)
{
    TCliOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string* {
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                return nullptr;
            }
            return &args[++i];
        };
        auto bad = [&](const std::string& v) {
            error = "bad value for " + arg + ": '" + v + "'";
            return std::nullopt;
        };
        if (arg == "--wrap") {
            o.Wrap = true;
        } else if (arg == "--stop-periodic") {
            o.StopPeriodic = true;
        } else if (arg == "--quiet") {
            o.Quiet = true;
        } else if (arg == "--list-rules") {
            o.ListRules = true;
        } else if (arg == "--help" || arg == "-h") {
            o.Help = true;
        } else if (arg == "--game" || arg == "--rule" || arg == "--size" || arg == "--states" ||
                   arg == "--random" || arg == "--seed" || arg == "--generations" ||
                   arg == "--out" || arg == "--format" || arg == "--history" || arg == "--png" ||
                   arg == "--gif" || arg == "--cell-size" || arg == "--every" ||
                   arg == "--frames") {
            const std::string* v = value();
            if (!v) return std::nullopt;
            if (arg == "--game") {
                const int game = TLife::GameIndex(*v);
                if (game == 0) return bad(*v);
                o.Game = game;
            } else if (arg == "--rule") {
                o.Rule = *v;
            } else if (arg == "--size") {
                int32_t w, h;
                if (!ParseSize(*v, w, h)) return bad(*v);
                o.Width = w;
                o.Height = h;
            } else if (arg == "--states") {
                int32_t n;
                if (!ParseNumber(*v, n) || n < 2 || n > 25) return bad(*v);
                o.States = n;
            } else if (arg == "--random") {
                double p;
                if (!ParseNumber(*v, p) || !(p >= 0 && p <= 100)) return bad(*v);
                o.RandomPercent = p;
            } else if (arg == "--seed") {
                if (!ParseNumber(*v, o.Seed)) return bad(*v);
            } else if (arg == "--generations") {
                if (!ParseNumber(*v, o.Generations) || o.Generations < 0) return bad(*v);
            } else if (arg == "--format") {
                const auto format = FormatByName(*v);
                if (!format) return bad(*v);
                o.Format = *format;
            } else if (arg == "--history") {
                o.HistoryFile = *v;
            } else if (arg == "--png") {
                o.PngFile = *v;
            } else if (arg == "--gif") {
                o.GifFile = *v;
            } else if (arg == "--cell-size" || arg == "--every" || arg == "--frames") {
                // Out of range is clamped, as everywhere; only text that is no number is refused.
                int64_t n;
                if (!ParseNumber(*v, n)) return bad(*v);
                const int32_t clamped = int32_t(std::clamp<int64_t>(n, 0, INT32_MAX));
                (arg == "--cell-size" ? o.CellSize
                 : arg == "--every"   ? o.Every
                                      : o.Frames) = clamped;
            } else {
                o.OutFile = *v;
            }
        } else if (arg.starts_with("-") && arg != "-") {
            error = "unknown option " + arg;
            return std::nullopt;
        } else if (o.PatternFile.empty()) {
            o.PatternFile = arg;
        } else {
            error = "more than one pattern file: " + arg;
            return std::nullopt;
        }
    }
    return o;
}
