// plexa-cli: runs a pattern for a number of generations without a window, for batch work and
// benchmarks, over the same core as the desktop program.

#include "base/u_Host.h"
#include "cli/u_CliOptions.h"
#include "cli/u_CliRules.h"
#include "edit/u_RandomFill.h"
#include "engine/u_Globals.h"
#include "io/u_InOut.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>

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

    TInOut io(g);
    if (!o.PatternFile.empty() && !io.ReadPattern(o.PatternFile, true, false)) return 1;
    // The command line overrides what the file carries.
    TLoadedPattern& pattern = io.Pattern();
    if (o.Game) pattern.Game = uint8_t(*o.Game);
    if (o.Rule) pattern.Rule = *o.Rule;
    if (o.Width) {
        pattern.BoardWidth = *o.Width;
        pattern.BoardHeight = *o.Height;
    }
    if (o.Wrap) pattern.Wrap = 1;
    io.OpenPattern(o.PatternFile.empty() ? kNonameFile : o.PatternFile, false);
    if (o.States) board.SetStatesCount(*o.States);
    if (o.RandomPercent) TRandomFill(g, io).FillSoup(*o.RandomPercent, 1, o.Seed);
    g.Random.Seed(o.Seed); // the games that draw random numbers repeat with the seed

    const auto start = std::chrono::steady_clock::now();
    for (int64_t gen = 0; gen < o.Generations; ++gen) board.Step(false);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    if (!o.OutFile.empty() && !io.WriteFile(o.OutFile, o.Format)) {
        std::cerr << "plexa-cli: cannot write " << o.OutFile << "\n";
        return 1;
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
    if (options->ListRules) {
        TCliHost host(options->Quiet);
        ListRules(host, ProgramFolder(argv[0]), std::cout);
        return 0;
    }
    return Run(*options, ProgramFolder(argv[0]));
}
