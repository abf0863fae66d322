#include "ui/u_Main.h"

#include "base/u_Caption.h"
#include "base/u_Host.h"
#include "engine/u_Globals.h"
#include "ui/u_BoardWidget.h"
#include "ui/u_QtHost.h"
#include "view/u_BoardView.h"

#include <QAction>
#include <QScreen>
#include <QStatusBar>
#include <QString>

namespace {

constexpr bool kBetaBuild = false;
constexpr int32_t kStartWidth = 400;
constexpr int32_t kStartHeight = 300;
constexpr const char* kStartRule1D = "R1,C0,M1,B1";
constexpr int kBoardAreaMinWidth = 400;
constexpr int kBoardAreaMinHeight = 300;
// The window's size in its normal state until the configuration store provides one.
constexpr int kStartFormWidth = 640;
constexpr int kStartFormHeight = 480;

} // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent), FHost(std::make_unique<TQtHost>(*this)),
      FGlobals(std::make_unique<TGlobals>(*FHost)), FView(std::make_unique<TBoardView>(*FGlobals))
{
    TGlobals& g = *FGlobals;
    g.Board.SetSize(kStartWidth, kStartHeight);
    g.Life.OneD.InitFromString(kStartRule1D, g.Board.StatesCount());
    g.Palette.Colors = TCPalette::Defaults(screen()->depth());
    g.Painter = FView.get();
    g.Selection.SetPainter(FView.get());

    CreateBoardArea();
    CreateActions();
    statusBar();
    resize(kStartFormWidth, kStartFormHeight);
    // Only now that every widget exists may the core's notifications reach the window.
    FHost->OnRefresh = [this](unsigned what) { HostRefresh(what); };
    ShowFormCaption();
    RedrawBoard();
}

TfrmMain::~TfrmMain()
{
    // The objects may still report while they are destroyed; the window no longer listens,
    // and the view, which dies first, no longer paints for them.
    FHost->OnRefresh = nullptr;
    FGlobals->Painter = nullptr;
    FGlobals->Selection.SetPainter(nullptr);
    FView.reset();
    FGlobals.reset();
}

void TfrmMain::CreateBoardArea()
{
    pbBoard = new TBoardWidget(*FView, this);
    pbBoard->setObjectName("pbBoard");
    pbBoard->setMinimumSize(kBoardAreaMinWidth, kBoardAreaMinHeight);
    setCentralWidget(pbBoard);
}

void TfrmMain::CreateActions()
{
    cmdRunOnce = new QAction(tr("Run one &cycle"), this);
    cmdRunOnce->setObjectName("cmdRunOnce");
    // A window shortcut: Space acts on the board only while this window is the active one.
    cmdRunOnce->setShortcut(Qt::Key_Space);
    cmdRunOnce->setShortcutContext(Qt::WindowShortcut);
    connect(cmdRunOnce, &QAction::triggered, this, &TfrmMain::RunOnce);
    addAction(cmdRunOnce);
}

void TfrmMain::ShowFormCaption()
{
    const TGlobals& g = *FGlobals;
    setWindowTitle(QString::fromStdString(
        FormCaption(ProgramVersion(), kBetaBuild, g.Board.IsModified(), g.Document.FileName)));
}

void TfrmMain::HostRefresh(unsigned what)
{
    if (what & rfCaption) ShowFormCaption();
    if (what & rfBoard) RedrawBoard();
}

void TfrmMain::RedrawBoard()
{
    FView->Redraw();
    pbBoard->update();
}

void TfrmMain::RunOnce()
{
    // The step paints the cells it changes on the image; the widget shows them at its next paint.
    FGlobals->Board.Step(true);
    pbBoard->update();
}
