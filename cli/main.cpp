// plexa-cli: runs a pattern for a number of generations without a window, for batch work and
// benchmarks, over the same core as the desktop program.

#include "base/u_Host.h"
#include "cli/u_CliOptions.h"
#include "cli/u_CliPictures.h"
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

    // The program's default colours, unless the pattern names a palette.
    g.Palette.Colors = TCPalette::Defaults(32);
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

    TCliRecording recording(g, o);
    const auto start = std::chrono::steady_clock::now();
    int64_t computed = 0;
    while (computed < o.Generations && !(o.StopPeriodic && g.Period.Current().Found())) {
        board.Step(false);
        ++computed;
        recording.Generation();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    if (!o.OutFile.empty() && !io.WriteFile(o.OutFile, o.Format)) {
        std::cerr << "plexa-cli: cannot write " << o.OutFile << "\n";
        return 1;
    }
    const bool recorded = recording.Finish();
    if (!WriteFinalPicture(g, o) || !recorded) return 1;

    // Cycle 0 is in the history even when nothing was computed.
    g.History.Track(board.Cycle(), board.LiveCount());
    if (!o.HistoryFile.empty() && !WriteLineFile(o.HistoryFile, g.History.CsvLines())) {
        std::cerr << "plexa-cli: cannot write " << o.HistoryFile << "\n";
        return 1;
    }

    const TRect box = board.MinRectangle();
    std::printf("cycle=%d population=%d box=%d,%d,%d,%d seconds=%.6f gens_per_second=%.1f",
                board.Cycle(), board.LiveCount(), box.Left, box.Top, box.Right, box.Bottom, seconds,
                seconds > 0 ? double(computed) / seconds : 0.0);
    if (const TPeriod& p = g.Period.Current(); p.Found()) {
        std::printf(" period=%d since=%d", p.Period, p.Since);
        if (p.Moves()) std::printf(" moving=%d,%d", p.Dx, p.Dy);
    }
    std::printf("\n");
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
