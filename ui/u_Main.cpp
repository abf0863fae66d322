#include "ui/u_Main.h"

#include "base/u_Caption.h"
#include "base/u_Host.h"
#include "engine/u_Globals.h"
#include "ui/u_QtHost.h"

#include <QColor>
#include <QFrame>
#include <QPalette>
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
      FGlobals(std::make_unique<TGlobals>(*FHost))
{
    TGlobals& g = *FGlobals;
    g.Board.SetSize(kStartWidth, kStartHeight);
    g.Life.OneD.InitFromString(kStartRule1D, g.Board.StatesCount());

    CreateBoardArea();
    statusBar();
    resize(kStartFormWidth, kStartFormHeight);
    // Only now that every widget exists may the core's notifications reach the window.
    FHost->OnRefresh = [this](unsigned what) { HostRefresh(what); };
    ShowFormCaption();
}

TfrmMain::~TfrmMain()
{
    // The objects may still report while they are destroyed; the window no longer listens.
    FHost->OnRefresh = nullptr;
    FGlobals.reset();
}

void TfrmMain::CreateBoardArea()
{
    pbBoard = new QFrame(this);
    pbBoard->setObjectName("pbBoard");
    pbBoard->setMinimumSize(kBoardAreaMinWidth, kBoardAreaMinHeight);
    QPalette palette = pbBoard->palette();
    palette.setColor(QPalette::Window, QColor(Qt::black));
    pbBoard->setPalette(palette);
    pbBoard->setAutoFillBackground(true);
    setCentralWidget(pbBoard);
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
}
