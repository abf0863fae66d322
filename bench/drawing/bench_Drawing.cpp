// plexa_bench_drawing [--size WxH] [--cell-size S] [--generations N]: what painting costs a
// continuous run. The main window runs a 50 % soup on the board (400 x 300 unless told), once
// painting every generation's changes and once without, turn for turn as the run loop does
// (a generation, the status bar, pending events), at each cell size (7 and 1 unless told;
// sub-zoom sizes as negative numbers, -64 for 1/64). Prints one line per cell size.
// plexa_bench_drawing --open FILE: how long the window takes from its start to showing the
// file's board painted; prints one line.

#include "engine/u_Globals.h"
#include "ui/u_Main.h"
#include "ui/u_QtHost.h"
#include "view/u_BoardView.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

struct TBenchOptions {
    int32_t Width = 400;
    int32_t Height = 300;
    std::vector<int32_t> CellSizes{7, 1};
    int Generations = 2000;
    std::string OpenFile;
};

bool ParseOptions(int argc, char* argv[], TBenchOptions& o)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--size") {
            if (std::sscanf(value, "%dx%d", &o.Width, &o.Height) != 2) return false;
        } else if (name == "--cell-size") {
            o.CellSizes = {std::atoi(value)};
        } else if (name == "--generations") {
            o.Generations = std::atoi(value);
        } else if (name == "--open") {
            o.OpenFile = value;
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && o.Generations > 0 && o.CellSizes[0] != 0;
}

void Soup(TBoard& board)
{
    board.Clear(false);
    std::mt19937 random(1);
    for (int32_t y = board.MinY(); y <= board.MaxY(); ++y)
        for (int32_t x = board.MinX(); x <= board.MaxX(); ++x)
            if (random() % 2) board.SetCell(x, y, 1);
}

// Mean milliseconds per generation.
double MillisecondsPerGeneration(TfrmMain& window, bool draw, int generations)
{
    TGlobals& g = window.Globals();
    Soup(g.Board);
    window.View().Redraw();
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < generations; ++i) {
        g.Board.Step(draw);
        g.Host.Refresh(rfStatusBar);
        g.Host.ProcessEvents();
    }
    return clock.nsecsElapsed() / 1e6 / generations;
}

// Starts the window as the program does with the file on its command line, and paints it.
int OpenAndShow(TfrmMain& window, const std::string& file, const QElapsedTimer& sinceStart)
{
    window.StartShown(std::string(), nullptr, QString::fromStdString(file));
    window.repaint();
    QCoreApplication::processEvents();
    const TBoard& board = window.Globals().Board;
    std::printf("open_ms=%.0f board=%dx%d population=%lld\n", sinceStart.nsecsElapsed() / 1e6,
                board.Width(), board.Height(), static_cast<long long>(board.LiveCount()));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    TBenchOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: plexa_bench_drawing [--size WxH] [--cell-size S] "
                             "[--generations N] | --open FILE\n");
        return 2;
    }
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TfrmMain window;
    window.resize(800, 600);
    if (!options.OpenFile.empty()) return OpenAndShow(window, options.OpenFile, sinceStart);
    window.show();
    TBoard& board = window.Globals().Board;
    board.SetSize(options.Width, options.Height);
    for (int32_t size : options.CellSizes) {
        window.View().SetCellSize(size);
        window.View().CenterOn(0, 0, false);
        const double undrawn = MillisecondsPerGeneration(window, false, options.Generations);
        const double drawn = MillisecondsPerGeneration(window, true, options.Generations);
        std::printf("size=%d board=%dx%d drawn_ms=%.4f undrawn_ms=%.4f ratio=%.2f\n", size,
                    board.Width(), board.Height(), drawn, undrawn, drawn / undrawn);
        std::fflush(stdout);
    }
    return 0;
}
