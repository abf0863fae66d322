#include "ui/u_Main.h"

#include "base/u_Caption.h"
#include "base/u_Host.h"
#include "engine/u_Config.h"
#include "engine/u_Globals.h"
#include "io/u_InOut.h"
#include "ui/u_AboutDialog.h"
#include "ui/u_BitmapDialog.h"
#include "ui/u_BoardWidget.h"
#include "ui/u_ColorsBar.h"
#include "ui/u_Cursors.h"
#include "ui/u_DescriptionDialog.h"
#include "ui/u_HelpWindow.h"
#include "ui/u_Pictures.h"
#include "ui/u_QtHost.h"
#include "ui/u_RandomDialog.h"
#include "ui/u_RunDialog.h"
#include "ui/u_StatisticsWindow.h"
#include "ui/u_StatusBar.h"
#include "ui/u_UndoDialog.h"
#include "view/u_BoardMouse.h"
#include "view/u_BoardView.h"
#include "view/u_Recorder.h"
#include "view/u_StatusTexts.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QThread>
#include <QToolBar>
#include <QWindow>

#include <utility>

namespace {

constexpr bool kBetaBuild = false;
constexpr int32_t kStartWidth = 400;
constexpr int32_t kStartHeight = 300;
constexpr const char* kStartRule1D = "R1,C0,M1,B1";
constexpr int kBoardAreaMinWidth = 200;
constexpr int kBoardAreaMinHeight = 150;
// During a run the window brings itself up to date once per display frame.
constexpr qint64 kRefreshMilliseconds = 16;

} // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent), FHost(std::make_unique<TQtHost>(*this)),
      FGlobals(std::make_unique<TGlobals>(*FHost)), FView(std::make_unique<TBoardView>(*FGlobals)),
      FMouse(std::make_unique<TBoardMouse>(*FGlobals, *FView)),
      FInOut(std::make_unique<TInOut>(*FGlobals)),
      FConfig(std::make_unique<TConfiguration>(TConfiguration::Defaults(screen()->depth()))),
      FRandom(std::make_unique<TRandomSettings>())
{
    setObjectName("frmMain");
    TGlobals& g = *FGlobals;
    g.Board.SetSize(kStartWidth, kStartHeight);
    g.Life.OneD.InitFromString(kStartRule1D, g.Board.StatesCount());
    g.Palette.Colors = FConfig->Palette;
    g.Document.Recent.SetLimit(FConfig->Window.NumRecentFiles);
    g.Painter = FView.get();
    g.Selection.SetPainter(FView.get());

    setWindowIcon(ProgramIcon());
    // The dialogs, hidden until asked for; those with a Help button open the help window.
    frmHelp = new TfrmHelp(this);
    const auto help = [this](const char* topic) { frmHelp->ShowTopic(topic); };
    frmAbout = new TfrmAbout(this, kBetaBuild);
    frmDescription = new TfrmDescription(this);
    frmDescription->OnHelp = help;
    frmUndo = new TfrmUndo(this);
    frmUndo->OnHelp = help;
    frmRandom = new TfrmRandomPtt(g, *FRandom, *FInOut, *FView, this);
    frmRandom->OnHelp = help;
    frmStatistics = new TfrmStatistics(g, this);
    frmRun = new TfrmRun(this);
    frmRun->OnHelp = help;
    frmColorBar = new TfrmColorBar(g, this);
    frmToBmp = new TfrmToBmp(
        g, *FView, [this] { return pbBoard->Image(); }, this);
    frmColorBar->OnColorPicker = [this] {
        FMouse->SetCursorMode(cmColorPicker);
        raise();
        activateWindow();
    };
    CreateCommands();
    CreateRecording();
    CreatePopups();
    CreateToolbars();
    CreateMenus();
    CreateBoardArea();
    CreateFileManager();
    CreateStatusBar();
    SetWhileActiveShortcuts(true);
    pbBoard->setFocus();
    resize(FConfig->Window.FormWidth, FConfig->Window.FormHeight);
    pbBoard->setMinimumSize(kBoardAreaMinWidth, kBoardAreaMinHeight);
    qApp->installEventFilter(this);

    // Only now that every widget exists may the core's notifications reach the window.
    FSinceRefresh.start();
    FHost->OnRefresh = [this](unsigned what) { HostRefresh(what); };
    FHost->OnProcessEvents = [this] {
        if (FSinceRefresh.elapsed() >= kRefreshMilliseconds) FlushRefresh();
    };
    ApplyRefresh(kShowEverything);
}

TfrmMain::~TfrmMain()
{
    FGlobals->Run.Stop();
    FGlobals->Run.OnRun = nullptr;
    FinishRecording();
    FGlobals->Undo.Clear();
    // The randomize dialog keeps what it shows in its record when it closes.
    frmRandom->close();
    if (FStore) SaveSettings();
    // The objects may still report while they are destroyed; the window no longer listens,
    // and the view, which dies first, no longer paints for them.
    qApp->removeEventFilter(this);
    FHost->OnRefresh = nullptr;
    FHost->OnProcessEvents = nullptr;
    pbBoard->SetMouse(nullptr);
    FGlobals->Painter = nullptr;
    FGlobals->Selection.SetPainter(nullptr);
    FInOut.reset();
    FMouse.reset();
    FView.reset();
    FGlobals.reset();
}

void TfrmMain::Start(const std::string& programFolder, std::unique_ptr<TConfigStore> store,
                     const QString& patternArgument)
{
    Configure(programFolder, std::move(store));
    OpenAtStart(patternArgument);
}

void TfrmMain::StartShown(const std::string& programFolder, std::unique_ptr<TConfigStore> store,
                          const QString& patternArgument)
{
    Configure(programFolder, std::move(store));
    show();
    // Until the window is on the screen (bounded, for a display that never exposes it): the
    // progress painted during a long reading would otherwise paint nowhere.
    QElapsedTimer waited;
    waited.start();
    while (!windowHandle()->isExposed() && waited.elapsed() < 1000) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    QCoreApplication::processEvents();
    OpenAtStart(patternArgument);
}

void TfrmMain::Configure(const std::string& programFolder, std::unique_ptr<TConfigStore> store)
{
    TGlobals& g = *FGlobals;
    g.ProgramFolder = programFolder;
    g.Document.LastDir = programFolder;
    g.Life.Library.AddProgramEntries(g.ProgramFolder);
    FStore = std::move(store);
    if (FStore) ApplySettings();
}

void TfrmMain::OpenAtStart(const QString& patternArgument)
{
    TGlobals& g = *FGlobals;
    const QString argument = patternArgument.trimmed();
    const std::string last = FConfig->Window.LastFile;
    if (argument.isEmpty()) g.Board.Clear(false);
    // The last file stays the document's name also when it is not opened again, so that the
    // program ends by writing it back as it was.
    g.Document.FileName = last;
    if (!argument.isEmpty())
        OpenFile(argument, true);
    else if (FConfig->Window.ReloadLast && last != kNonameFile && last != kClipboardFile)
        FInOut->OpenLifeFile(last, false, false, false);
    setAcceptDrops(true);
    FillPaletteMenu();
    FMouse->SetCursorMode(static_cast<uint8_t>(FConfig->Window.InitialCursorMode));
    ShowStartFolder();
    // The board is empty or just opened and painted: its live box is tight.
    ApplyRefresh(kShowEverything & ~rfBoard);
    FView->Redraw(rdDrawCells);
}

void TfrmMain::ShowFormCaption()
{
    const TGlobals& g = *FGlobals;
    setWindowTitle(QString::fromStdString(
        FormCaption(ProgramVersion(), kBetaBuild, g.Board.IsModified(), g.Document.FileName)));
}

void TfrmMain::UpdateSttBar(bool full)
{
    sttBar->Show(StatusTexts(*FGlobals, FView->CellSize()), full);
    if (full) Command("cmdShowGrid")->setChecked(FView->Settings().ShowGrid);
}

void TfrmMain::HostRefresh(unsigned what)
{
    FPendingRefresh |= what;
    // A run asks after every generation; it is shown at display rate instead.
    if (!FGlobals->Run.InLoop()) FlushRefresh();
}

void TfrmMain::FlushRefresh()
{
    FSinceRefresh.restart();
    // Refreshing may itself ask for more (a redraw updates the status bar): take them in turn.
    while (const unsigned what = std::exchange(FPendingRefresh, 0u)) ApplyRefresh(what);
}

void TfrmMain::ApplyRefresh(unsigned what)
{
    if (what & rfCenterView) FView->CenterOn(0, 0, false);
    if (what & rfPatternOpened) {
        if (FConfig->Window.OpenAction == 1) FView->CenterPattern(false);
        if (FConfig->Window.OpenAction == 2) FView->BestFit(false);
    }
    // An opened pattern was written into a cleared board, so its live box is tight already:
    // tightening it again would cost a pass over the largest board.
    if (what & rfBoard) FView->Redraw(what & rfPatternOpened ? rdDrawCells : rdAll);
    if (what & rfFitView) FView->FitIfOutside();
    if (what & rfCaption) {
        ShowFormCaption();
        RefreshDocument();
    }
    if (what & (rfMenus | rfGame | rfColorsBar)) RefreshMenus();
    if (what & (rfColorsBar | rfGame)) frmColorBar->RefreshBar();
    if (what & rfRunState) RefreshRunState();
    if (what & rfSpeed) RefreshSpeed();
    if (what & (rfCursor | rfRunState)) RefreshCursor();
    if (what & rfStatusBar) {
        UpdateSttBar(true);
        RefreshScrollBars();
    }
}

void TfrmMain::RefreshMenus()
{
    const TGlobals& g = *FGlobals;
    const bool selected = g.Selection.Active();
    for (QAction* action : FSelectionCommands) action->setEnabled(selected);
    Command("cmdUndo")->setEnabled(g.Undo.CanUndo());
    Command("cmdRedo")->setEnabled(g.Undo.CanRedo());
    Command("cmdUndoAllCycles")->setEnabled(g.Undo.CanUndo());
    Command("cmdUndoToCycle")->setEnabled(g.Undo.Count() > 0);
    Command("cmdUndoClearList")->setEnabled(g.Undo.Count() > 0);

    const TBoardView& view = *FView;
    const QString size = QString::fromStdString(CellSizeText(view.CellSize()));
    QAction* zoomIn = Command("cmdZoomIn");
    zoomIn->setEnabled(view.CanZoomIn());
    zoomIn->setToolTip(tr("Bigger cells (%1)").arg(size));
    QAction* zoomOut = Command("cmdZoomOut");
    zoomOut->setEnabled(view.CanZoomOut());
    zoomOut->setToolTip(tr("Smaller cells (%1)").arg(size));
    for (QAction* action : FCellSizeCommands)
        action->setChecked(action->data().toInt() == view.CellSize());
    for (int shape = csBigSquare; shape <= csRectangle; ++shape)
        Command(("cmdShape" + QByteArray::number(shape)).constData())
            ->setChecked(shape == view.CellShape());
    // The shape command and its button show the shape in force.
    if (view.CellShape() != std::exchange(FShownShape, view.CellShape()))
        Command("cmdCellShape")->setIcon(Picture(ShapePicture(view.CellShape())));

    for (int game = 1; game <= kGameCount; ++game)
        FGameCommands[game - 1]->setChecked(game == g.Life.Game());
    const int32_t states = g.Board.StatesCount();
    const int32_t drawing = g.Board.DrawingState();
    mnuStatesCount->setEnabled(g.Life.StatesCountSelectable());
    for (int n = 2; n <= kCellStates; ++n) FStatesCommands[n - 2]->setChecked(n == states);
    mnuDrawingState->setTitle(tr("Active color: %1/%2").arg(drawing).arg(states));
    for (int k = 0; k < kCellStates; ++k) {
        FDrawStateCommands[k]->setEnabled(k < 2 || states > k);
        FDrawStateCommands[k]->setChecked(k == drawing);
    }
    Command("cmdWrapAtEdges")->setChecked(g.Board.Wrap());
    const std::vector<std::string>& description = g.Document.Description;
    QString hint = tr("Pattern description:\r\n\r\nnone");
    if (!description.empty()) {
        QStringList lines;
        for (const std::string& line : description) lines << QString::fromStdString(line);
        hint = lines.join("\r\n");
    }
    Command("cmdPatternDescription")->setToolTip(hint);
    Command("cmdShowGrid")->setChecked(view.Settings().ShowGrid);
}

void TfrmMain::RefreshRunState()
{
    const bool running = FGlobals->Run.IsRunning();
    QAction* run = Command("cmdRun");
    run->setText(running ? tr("Stop") : tr("Run"));
    run->setToolTip(run->text());
    run->setIcon(Picture(running ? TPicture::Stop : TPicture::Run));
}

void TfrmMain::RefreshSpeed()
{
    const int32_t interval = FGlobals->Run.Interval();
    QAction* faster = Command("cmdRunFaster");
    faster->setToolTip(tr("Run faster (%1)").arg(interval));
    faster->setEnabled(interval != 0);
    QAction* slower = Command("cmdRunSlower");
    slower->setToolTip(tr("Run slower (%1)").arg(interval));
    slower->setEnabled(interval < kSpeedTable.back());
    for (QAction* action : FSpeedCommands) action->setChecked(action->data().toInt() == interval);
}

void TfrmMain::RefreshCursor()
{
    pbBoard->setCursor(BoardCursor(FMouse->CursorName()));
    static const char* const kModes[] = {"cmdModeEdit", "cmdModeMark", "cmdModeZoom", "cmdModePan",
                                         "cmdModeCPik"};
    Command(kModes[std::min<size_t>(FMouse->CursorMode(), std::size(kModes) - 1)])
        ->setChecked(true);
}

void TfrmMain::RefreshScrollBars()
{
    const auto show = [](QScrollBar* bar, const TScrollState& state) {
        const QSignalBlocker quiet(bar);
        bar->setRange(state.Min, state.Max);
        bar->setPageStep(std::max(1, state.PageStep));
        bar->setValue(state.Position);
    };
    show(sbHorizontal, FView->HorizontalScroll());
    show(sbVertical, FView->VerticalScroll());
}

void TfrmMain::ScrollTo(int x, int y)
{
    FView->SetViewOrigin(x, y);
    RedrawBoard(rdAll);
}

void TfrmMain::RedrawBoard(unsigned flags)
{
    FView->Redraw(flags);
}

void TfrmMain::SetWhileActiveShortcuts(bool assign)
{
    for (auto& [action, keys] : FWhileActive)
        action->setShortcuts(assign ? keys : QList<QKeySequence>{});
}

void TfrmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Space, Enter, Del, Tab and the arrows belong to the board only while this window is active.
    if (event->type() == QEvent::ActivationChange) SetWhileActiveShortcuts(isActiveWindow());
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (std::exchange(FShown, true)) return;
    // The board is centred on (0,0); the first view shows its middle.
    FView->CenterOn(0, 0, true);
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    TGlobals& g = *FGlobals;
    g.Run.Stop();
    if (g.Run.InLoop()) {
        // A run loop is still on the stack: it ends at its next turn and then closes the window.
        FCloseAfterRun = true;
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    // The window sees the keys of its own widgets before they do, once per key.
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) target = this;
    if (watched != target || target->window() != this) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    return type == QEvent::KeyPress ? KeyPressed(key) : KeyReleased(key);
}

bool TfrmMain::KeyPressed(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
        return true; // they pan on release
    default:
        break;
    }
    const QString text = event.text();
    if (text == "<" || text == ">") {
        QAction* open = Command(text == "<" ? "cmdFileOpenPrev" : "cmdFileOpenNext");
        if (open->isEnabled()) open->trigger();
        return true;
    }
    return false;
}

bool TfrmMain::KeyReleased(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool shift = mods & Qt::ShiftModifier, ctrl = mods & Qt::ControlModifier;
    const bool keypad = mods & Qt::KeypadModifier;
    const auto trigger = [this](const char* name) {
        QAction* action = Command(name);
        if (action->isEnabled()) action->trigger();
        return true;
    };
    switch (event.key()) {
    case Qt::Key_Plus:
        if (!keypad) return false;
        return trigger(ctrl ? "cmdRunFaster" : "cmdZoomIn");
    case Qt::Key_Minus:
        if (!keypad) return false;
        return trigger(ctrl ? "cmdRunSlower" : "cmdZoomOut");
    case Qt::Key_Insert:
        if (shift) return trigger("cmdClipbrdPaste");
        if (ctrl) return trigger("cmdClipbrdCopy");
        return false;
    case Qt::Key_Clear:
        FView->CenterOn(0, 0, true);
        return true;
    case Qt::Key_Escape:
        FGlobals->Run.Stop();
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home: {
        const int step = shift && !ctrl ? 1 : ctrl && !shift ? 2 : 10;
        const int direction = event.key() == Qt::Key_PageUp     ? pdUpRight
                              : event.key() == Qt::Key_PageDown ? pdDownRight
                              : event.key() == Qt::Key_End      ? pdDownLeft
                                                                : pdUpLeft;
        FView->Pan(direction, step);
        return true;
    }
    default:
        return false;
    }
}
