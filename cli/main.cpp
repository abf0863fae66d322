// plexa-cli: runs a pattern for a number of generations without a window, for batch work and
// benchmarks, over the same core as the desktop program.

#include "base/u_Host.h"
#include "base/u_LineFile.h"
#include "cli/u_CliOptions.h"
#include "engine/u_Globals.h"
#include "io/u_LoadedPattern.h"
#include "io/u_Rle.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <random>

namespace {

constexpr int32_t kDefaultWidth = 400;
constexpr int32_t kDefaultHeight = 300;

// Messages go to standard error; questions are answered No.
class TCliHost : public TSilentHost {
public:
    explicit TCliHost(bool quiet) : FQuiet(quiet) {}
    TMsgAnswer ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                           TMsgButtons buttons) override
    {
        if (!FQuiet) std::cerr << "plexa-cli: " << caption << ": " << text << "\n";
        return TSilentHost::ShowMessage(text, caption, icon, buttons);
    }

private:
    bool FQuiet;
};

void PlacePattern(TGlobals& g, const TLoadedPattern& pattern)
{
    const TRect rect = pattern.MinRectangle(g.Board.Extents());
    TPoint offset = CentringOffset(rect);
    // One-dimensional games grow downwards from the top row.
    if (g.Life.Dimension() == 1) offset.Y = g.Board.MinY() - rect.Top;
    for (const TLoadedCell& c : pattern.Cells)
        g.Board.SetCell(int32_t(int64_t(c.X) + offset.X), int32_t(int64_t(c.Y) + offset.Y),
                        c.State);
}

void FillAtRandom(TBoard& board, double percent, uint64_t seed)
{
    std::mt19937_64 rng(seed);
    const double chance = percent / 100.0;
    for (int32_t x = board.MinX(); x <= board.MaxX(); ++x)
        for (int32_t y = board.MinY(); y <= board.MaxY(); ++y)
            if (double(rng() >> 11) * 0x1.0p-53 < chance) board.SetCell(x, y, 1);
}

// The folder of this executable, ending in '/': the data folders sit beside it.
std::string ProgramFolder(const char* argv0)
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) exe = fs::absolute(argv0, error);
    return exe.parent_path().string() + '/';
}

int Run(const TCliOptions& o, const std::string& programFolder)
{
    TCliHost host(o.Quiet);
    TGlobals g(host);
    g.ProgramFolder = programFolder;
    TBoard& board = g.Board;
    board.SetSize(kDefaultWidth, kDefaultHeight);

    TLoadedPattern pattern;
    if (!o.PatternFile.empty()) {
        const auto lines = ReadLineFile(o.PatternFile);
        if (!lines) {
            std::cerr << "plexa-cli: cannot read " << o.PatternFile << "\n";
            return 1;
        }
        if (!ReadRle(*lines, pattern)) {
            std::cerr << "plexa-cli: " << o.PatternFile << " holds no RLE pattern\n";
            return 1;
        }
    }

    if (o.Width) {
        board.SetSize(*o.Width, *o.Height);
    } else if (!pattern.Cells.empty()) {
        const TPoint size =
            FittedBoardSize(pattern.MinRectangle(board.Extents()), board.Width(), board.Height());
        board.SetSize(size.X, size.Y);
    }
    g.Life.SetGame(o.Game.value_or(pattern.Game));
    board.SetRules(o.Rule.value_or(pattern.Rule));
    if (o.States) board.SetStatesCount(*o.States);
    board.SetWrap(o.Wrap);
    PlacePattern(g, pattern);
    g.Document.Description = pattern.Description;
    if (o.RandomPercent) FillAtRandom(board, *o.RandomPercent, o.Seed);
    g.Random.Seed(o.Seed); // the games that draw random numbers repeat with the seed

    const auto start = std::chrono::steady_clock::now();
    for (int64_t gen = 0; gen < o.Generations; ++gen) board.Step(false);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    if (!o.OutFile.empty()) {
        const TRect rect = board.MinRectangle();
        const auto lines = WriteRle(
            rect, [&board](int32_t x, int32_t y) { return board.GetCell(x, y); }, board.RuleText(),
            g.Document.Description);
        if (!WriteLineFile(o.OutFile, lines)) {
            std::cerr << "plexa-cli: cannot write " << o.OutFile << "\n";
            return 1;
        }
    }

    const TRect box = board.MinRectangle();
    std::printf("cycle=%d population=%d box=%d,%d,%d,%d seconds=%.6f gens_per_second=%.1f\n",
                board.Cycle(), board.LiveCount(), box.Left, box.Top, box.Right, box.Bottom, seconds,
                seconds > 0 ? double(o.Generations) / seconds : 0.0);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::string error;
    const auto options = ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "plexa-cli: " << error << "\n" << CliUsage();
        return 2;
    }
    if (options->Help) {
        std::cout << CliUsage();
        return 0;
    }
    return Run(*options, ProgramFolder(argv[0]));
}
