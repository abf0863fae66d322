// The main window's settings: read once before the window is first shown, written once when it
// goes.

#include "ui/u_Main.h"

#include "engine/u_Config.h"
#include "engine/u_Globals.h"
#include "io/u_InOut.h"
#include "ui/u_FileManager.h"
#include "ui/u_QtHost.h"
#include "ui/u_StatusBar.h"
#include "view/u_BoardView.h"

#include <QAction>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QToolBar>

namespace {

// The window's elements that the View menu shows and hides.
enum TElement { elStatusBar = 6, elFileManager = 7, elScrollBars = 8 };

const char* const kToolbarLayout = "Layout";

} // namespace

void TfrmMain::ApplySettings()
{
    TGlobals& g = *FGlobals;
    TConfiguration& c = *FConfig;
    c = TConfiguration::Read(*FStore, screen()->depth());
    c.ApplyTo({g, FInOut->Options, *FRandom});
    FHost->SoundOn = c.Window.Sound;
    g.Document.Recent.SetLimit(c.Window.NumRecentFiles);
    g.Document.Recent.Assign(ReadRecentFiles(*FStore, c.Window.NumRecentFiles));

    const TWindowSettings& w = c.Window;
    resize(w.FormWidth, w.FormHeight);
    move(w.FormLeft, w.FormTop);
    if (w.WindowState == wsMaximised) setWindowState(windowState() | Qt::WindowMaximized);
    FSplitter->setSizes({w.FileManagerWidth, std::max(1, width() - w.FileManagerWidth)});
    SetElementVisible(elFileManager, w.ShowFileManager);
    SetElementVisible(elStatusBar, w.ShowStatusBar);
    SetElementVisible(elScrollBars, w.ShowScrollBars);
    const std::string toolbars = FStore->ReadText(kToolbarsSection, kToolbarLayout, "");
    restoreState(QByteArray::fromBase64(QByteArray::fromStdString(toolbars)));

    FView->ApplySettings(c.View);
}

void TfrmMain::SaveSettings()
{
    const TGlobals& g = *FGlobals;
    TConfiguration& c = *FConfig;
    c.TakeFrom({*FGlobals, FInOut->Options, *FRandom});
    c.View = FView->Settings();
    TWindowSettings& w = c.Window;
    w.Sound = FHost->SoundOn;
    w.LastFile = g.Document.FileName;
    w.NumRecentFiles = g.Document.Recent.Limit();
    w.WindowState = isMinimized() ? wsMinimised : isMaximized() ? wsMaximised : wsNormal;
    if (w.WindowState == wsNormal) {
        w.FormWidth = width();
        w.FormHeight = height();
        w.FormLeft = x();
        w.FormTop = y();
    }
    w.FileManagerWidth = FFileManager->width();
    w.ShowFileManager = !FFileManager->isHidden();
    w.ShowStatusBar = !sttBar->isHidden();
    w.ShowScrollBars = !sbHorizontal->isHidden();
    c.Write(*FStore);
    WriteRecentFiles(*FStore, g.Document.Recent.Names());
    FStore->WriteText(kToolbarsSection, kToolbarLayout, saveState().toBase64().toStdString());
}

void TfrmMain::SetElementVisible(int element, bool visible)
{
    switch (element) {
    case elStatusBar:
        sttBar->setVisible(visible);
        Command("cmdViewSttBar")->setChecked(visible);
        break;
    case elFileManager:
        FFileManager->setVisible(visible);
        Command("cmdViewFileMgr")->setChecked(visible);
        break;
    case elScrollBars:
        sbHorizontal->setVisible(visible);
        sbVertical->setVisible(visible);
        Command("cmdViewSclBar")->setChecked(visible);
        break;
    default:
        break;
    }
}
