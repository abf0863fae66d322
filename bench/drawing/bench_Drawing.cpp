// plexa_bench_drawing: what painting costs a continuous run. The main window runs a random soup
// on the default 400 x 300 board, once painting every generation's changed cells and once
// without painting, turn for turn as the run loop does (a generation, the status bar, pending
// events), at cell size 7 and at size 1; it prints generations per second and their ratio.

#include "engine/u_Globals.h"
#include "ui/u_Main.h"
#include "ui/u_QtHost.h"
#include "view/u_BoardView.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <random>

namespace {

constexpr int kGenerations = 2000;

void Soup(TBoard& board)
{
    board.Clear(false);
    std::mt19937 random(1);
    for (int32_t y = board.MinY(); y <= board.MaxY(); ++y)
        for (int32_t x = board.MinX(); x <= board.MaxX(); ++x)
            if (random() % 2) board.SetCell(x, y, 1);
}

double GenerationsPerSecond(TfrmMain& window, bool draw)
{
    TGlobals& g = window.Globals();
    Soup(g.Board);
    window.View().Redraw();
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kGenerations; ++i) {
        g.Board.Step(draw);
        g.Host.Refresh(rfStatusBar);
        g.Host.ProcessEvents();
    }
    return kGenerations / (clock.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TfrmMain window;
    window.resize(800, 600);
    window.show();
    std::printf("%d generations of a 50%% soup on %dx%d, board area %dx%d pixels\n", kGenerations,
                window.Globals().Board.Width(), window.Globals().Board.Height(),
                window.View().AreaWidth(), window.View().AreaHeight());
    for (int32_t size : {7, 1}) {
        window.View().SetCellSize(size);
        window.View().CenterOn(0, 0, false);
        const double undrawn = GenerationsPerSecond(window, false);
        const double drawn = GenerationsPerSecond(window, true);
        std::printf(
            "size %d: drawn %.0f gen/s, undrawn %.0f gen/s, time ratio drawn/undrawn %.2f\n", size,
            drawn, undrawn, undrawn / drawn);
    }
    return 0;
}
