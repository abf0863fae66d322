// The main window's commands that do more than call the core once.

#include "ui/u_Main.h"

#include "engine/u_Globals.h"
#include "io/u_InOut.h"
#include "ui/u_HelpWindow.h"
#include "ui/u_QtHost.h"
#include "ui/u_RunDialog.h"
#include "ui/u_SettingsDialog.h"
#include "view/u_BoardMouse.h"
#include "view/u_BoardView.h"

#include <QAction>
#include <QMenu>

void TfrmMain::NewClick()
{
    TGlobals& g = *FGlobals;
    g.Undo.AddEvent(TUndoEvent::New);
    if (g.Board.Clear(FConfig->Window.ConfirmNew) && g.Undo.Settings().ResetOnNew) g.Undo.Clear();
}

void TfrmMain::ExitClick()
{
    close();
}

void TfrmMain::RunOnceClick()
{
    FGlobals->Run.RunOnce();
    AfterRun();
}

void TfrmMain::RunClick()
{
    FGlobals->Run.ToggleRun();
    AfterRun();
}

void TfrmMain::RunNCyclesClick()
{
    TGlobals& g = *FGlobals;
    g.Run.Stop();
    if (!frmRun->Execute(g.Run.Request, g.Board.Height())) return;
    g.Run.RunN(g.Run.Request);
    AfterRun();
}

void TfrmMain::AfterRun()
{
    FlushRefresh();
    // Closing was asked for while the run went on; the last loop has ended, so close now.
    if (FCloseAfterRun && !FGlobals->Run.InLoop()) {
        FCloseAfterRun = false;
        close();
    }
}

void TfrmMain::SetCursorMode(uint8_t mode)
{
    FMouse->SetCursorMode(mode);
}

void TfrmMain::ModeEditClick()
{
    SetCursorMode(cmEdit);
    FGlobals->Selection.SwitchOff();
}

void TfrmMain::CopyClick()
{
    TGlobals& g = *FGlobals;
    if (FInOut->PutRectOnClipboard(g.Selection.Rect())) FHost->PlaySound("SND_BLIP02");
    UpdateSttBar(true);
}

void TfrmMain::CutClick()
{
    TGlobals& g = *FGlobals;
    if (FInOut->PutRectOnClipboard(g.Selection.Rect())) {
        FHost->PlaySound("SND_DELETE");
        g.Selection.ClearFloating();
        g.Selection.SwitchOff();
    }
    UpdateSttBar(true);
}

void TfrmMain::PasteClick()
{
    TGlobals& g = *FGlobals;
    if (!FConfig->Window.SelReplace) g.Selection.Drop();
    if (FInOut->GetFromClipboard({FView->ViewLeft() + 15, FView->ViewTop() + 15})) {
        FHost->PlaySound("SND_DROP");
        SetCursorMode(cmMark);
    }
    UpdateSttBar(true);
}

void TfrmMain::OpenFromClipboardClick()
{
    FGlobals->Run.Stop();
    FInOut->OpenFromClipboard();
}

void TfrmMain::SetStatesCount(int32_t count)
{
    TBoard& board = FGlobals->Board;
    if (count == board.StatesCount()) return;
    board.SetStatesCount(count);
    RedrawBoard(rdDrawCells);
}

void TfrmMain::SetDrawingState(int32_t state)
{
    TBoard& board = FGlobals->Board;
    state = std::min(state, board.StatesCount() - 1);
    if (state != board.DrawingState()) board.SetDrawingState(state);
    RefreshMenus();
    UpdateSttBar(true);
}

void TfrmMain::StepDrawingState(int delta)
{
    const TBoard& board = FGlobals->Board;
    const int32_t states = board.StatesCount();
    SetDrawingState((board.DrawingState() + delta + states) % states);
}

void TfrmMain::ColorizeClick()
{
    FView->ColorizePattern(FGlobals->Board.StatesCount() - 1);
}

void TfrmMain::SetCellSize(int32_t size)
{
    FView->SetCellSize(size);
    RedrawBoard(rdAll);
}

void TfrmMain::SetGame(int game)
{
    FGlobals->Life.SetGame(game);
}

void TfrmMain::ToggleWrap()
{
    TBoard& board = FGlobals->Board;
    board.SetWrap(!board.Wrap());
    RefreshMenus();
    UpdateSttBar(true);
}

void TfrmMain::ToggleGrid()
{
    TViewSettings settings = FView->Settings();
    settings.ShowGrid = !settings.ShowGrid;
    FView->ApplySettings(settings);
    RedrawBoard(rdBackground | rdDrawCells);
}

void TfrmMain::ShowSettings(int page)
{
    if (!frmSettings) {
        const auto setMode = [this](uint8_t mode) {
            if (mode == cmEdit)
                ModeEditClick();
            else
                SetCursorMode(mode);
        };
        frmSettings = new TfrmSettings(
            {*FGlobals, *FConfig, *FView, *FMouse, FInOut->Options, FHost->SoundOn, setMode}, this);
        frmSettings->OnApplied = [this] { ApplyRefresh(kShowEverything); };
        frmSettings->OnPalettesChanged = [this] { FillPaletteMenu(); };
        frmSettings->OnHelp = [this](const char* topic) { frmHelp->ShowTopic(topic); };
    }
    frmSettings->ShowPage(page);
}

void TfrmMain::ShowToolWindow(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void TfrmMain::ShowRulesPopup(QPoint globalPos)
{
    TGlobals& g = *FGlobals;
    popRules->clear();
    for (const TRuleMenuItem& item :
         RuleMenuItems(g.Life.Library, g.Life.Game(), g.Board.RuleText())) {
        // Names are shown as they are: an ampersand is no accelerator here.
        QAction* action =
            popRules->addAction(QString::fromStdString(item.Caption).replace('&', "&&"));
        action->setCheckable(true);
        action->setChecked(item.Checked);
        connect(action, &QAction::triggered, this, [this, rule = item.Rule] {
            FGlobals->Board.SetRules(rule);
            UpdateSttBar(true);
        });
    }
    popRules->addSeparator();
    popRules->addAction(tr("&Cancel"));
    popRules->popup(globalPos);
}

void TfrmMain::FillPaletteMenu()
{
    const TGlobals& g = *FGlobals;
    submnuPalSel->clear();
    const std::vector<std::string> names = ListPalettes(g.ProgramFolder);
    if (names.empty()) {
        submnuPalSel->addAction(tr("Error - no palettes found"));
        return;
    }
    for (const std::string& name : names) {
        connect(submnuPalSel->addAction(QString::fromStdString(name).replace('&', "&&")),
                &QAction::triggered, this, [this, name] {
                    if (FGlobals->Palette.Load(name)) RedrawBoard(rdAll);
                });
    }
}
