// The main window's commands, menus and popups.

#include "ui/u_Main.h"

#include "engine/u_Globals.h"
#include "engine/u_Run.h"
#include "ui/u_AboutDialog.h"
#include "ui/u_BitmapDialog.h"
#include "ui/u_ColorsBar.h"
#include "ui/u_DescriptionDialog.h"
#include "ui/u_FileManager.h"
#include "ui/u_HelpWindow.h"
#include "ui/u_RandomDialog.h"
#include "ui/u_StatisticsWindow.h"
#include "ui/u_UndoDialog.h"
#include "view/u_BoardMouse.h"
#include "view/u_BoardView.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolBar>

namespace {

// The cell-size popup's entries and their sizes.
struct TSizeEntry {
    const char* Caption;
    int32_t Size;
};
constexpr TSizeEntry kCellSizes[] = {
    {"21 (biggest)", 21},
    {"17", 17},
    {"15", 15},
    {"13", 13},
    {"11", 11},
    {"9", 9},
    {"7 (default)", 7},
    {"5", 5},
    {"4", 4},
    {"3", 3},
    {"2", 2},
    {"1 (1 cell = 1 pixel)", 1},
    {"1/2 (1 pixel = 2 cells)", -2},
    {"1/4", -4},
    {"1/8", -8},
    {"1/16", -16},
    {"1/32", -32},
    {"1/64 (smallest)", -64},
};

// Ctrl+0 .. Ctrl+9 choose these speeds.
constexpr int32_t kDigitSpeeds[10] = {0, 2, 10, 20, 50, 75, 100, 300, 750, 2000};

QString SpeedCaption(int32_t speed)
{
    if (speed == kSpeedTable.front()) return QString("%1 (fastest)").arg(speed);
    if (speed == kSpeedTable.back()) return QString("%1 (slowest)").arg(speed);
    return QString::number(speed);
}

QString GameCaption(int game)
{
    // The accelerators: the first letter of four games, the "t" of Rules table.
    static const char* const kCaptions[kGameCount] = {
        "Game \"&Life\"",          "Game \"&Generations\"", "Game \"&Weighted Life\"",
        "Game \"&Vote for Life\"", "Game \"Rules &table\"", "Game \"Cyclic CA\"",
        "Game \"1-D totalistic\"", "Game \"User DLL\"",     "Game \"Special rules\""};
    return kCaptions[game - 1];
}

QString StatesCountCaption(int n)
{
    if (n == 2) return "&2 states (mono)";
    if (n <= 9) return QString("&%1 states/colors").arg(n);
    return QString("%1 states/colors").arg(n);
}

QString DrawingStateCaption(int k)
{
    if (k == 0) return "&0 - dead  (Shift-click)";
    if (k == 1) return "&1 - alive  (Ctrl-click)";
    return k <= 9 ? QString("&%1 - decay").arg(k) : QString("%1 - decay").arg(k);
}

// Checks that show which one of a set is in force: a set of radio items.
void MakeExclusive(QObject* owner, const std::vector<QAction*>& actions)
{
    // Exclusive: choosing the entry already in force keeps its check; the window may still
    // clear every check when nothing of the set is in force.
    auto* group = new QActionGroup(owner);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (QAction* action : actions) group->addAction(action);
}

// Reports left clicks on a menu's entry that opens a submenu, which otherwise only opens it.
class TEntryClick : public QObject {
public:
    TEntryClick(QMenu* menu, QAction* entry, std::function<void(bool shift)> onClick)
        : QObject(menu), FMenu(menu), FEntry(entry), FOnClick(std::move(onClick))
    {
        menu->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonRelease) return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton ||
            FMenu->actionAt(mouse->position().toPoint()) != FEntry || !FEntry->isEnabled())
            return false;
        FOnClick(mouse->modifiers() & Qt::ShiftModifier);
        return true;
    }

private:
    QMenu* FMenu;
    QAction* FEntry;
    std::function<void(bool)> FOnClick;
};

} // namespace

QAction* TfrmMain::AddCommand(const char* name, const QString& caption,
                              std::function<void()> handler)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, std::move(handler));
    return action;
}

QAction* TfrmMain::Command(const char* name) const
{
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void TfrmMain::CreateCommands()
{
    CreateFileAndEditCommands();
    CreateViewCommands();
    CreateRunCommands();
    CreateColorCommands();
    CreatePanAndZoomCommands();
    CreateSettingsCommands();
}

void TfrmMain::CreateFileAndEditCommands()
{
    TGlobals& g = *FGlobals;
    auto* cmd = AddCommand("cmdNew", tr("&New empty"), [this] { NewClick(); });
    cmd->setShortcut(QKeySequence("Ctrl+N"));
    AddCommand("cmdRandom", tr("&Randomize / seed..."), [this] {
        // With Shift the fill runs at once with the settings of last time.
        if (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier)
            frmRandom->Generate();
        else
            frmRandom->Open();
    })->setShortcuts({QKeySequence("Ctrl+R"), QKeySequence("Ctrl+Shift+R")}); // Shift: at once
    AddCommand("cmdFileOpen", tr("&Open pattern..."), [this] {
        FileOpenClick();
    })->setShortcut(QKeySequence("Ctrl+O"));
    AddCommand("cmdFileOpenSample", tr("Open sa&mple pattern..."), [this] { OpenSampleClick(); });
    // "<" and ">" are read as characters, whatever keys make them.
    AddCommand("cmdFileOpenNext", tr("Open next &pattern  (>)"), [this] { OpenNextClick(true); });
    AddCommand("cmdFileOpenPrev", tr("Open previous pa&ttern  (<)"),
               [this] { OpenNextClick(false); });
    AddCommand("cmdClipboardOpen", tr("Open from clipboard"), [this] {
        OpenFromClipboardClick();
    })->setShortcut(QKeySequence("Ctrl+Shift+V"));
    AddCommand("cmdFileInsert", tr("&Insert from file..."), [this] {
        FileInsertClick();
    })->setShortcut(QKeySequence("Ctrl+I"));
    AddCommand("cmdSave", tr("&Save"), [this] {
        SaveClick();
    })->setShortcut(QKeySequence("Ctrl+S"));
    AddCommand("cmdSaveAs", tr("Save &as..."), [this] {
        SaveAsClick();
    })->setShortcut(QKeySequence("Ctrl+Shift+S"));
    AddCommand("cmdToBitmap", tr("Create a bitmap..."), [this] { frmToBmp->Execute(); });
    AddCommand("cmdPatternDescription", tr("Pattern &description..."), [this] {
        frmDescription->Execute(*FGlobals);
    })->setShortcut(QKeySequence("Ctrl+D"));
    AddCommand("cmdExit", tr("E&xit"), [this] {
        ExitClick();
    })->setShortcut(QKeySequence("Alt+F4"));

    AddCommand("cmdModeEdit", tr("&Editing mode"), [this] {
        ModeEditClick();
    })->setShortcut(QKeySequence("E"));
    AddCommand("cmdModeMark", tr("&Marking mode"), [this] {
        SetCursorMode(cmMark);
    })->setShortcut(QKeySequence("M"));
    AddCommand("cmdClipbrdCut", tr("Cu&t"), [this] {
        CutClick();
    })->setShortcut(QKeySequence("Ctrl+X"));
    // Ctrl+Ins and Shift+Ins are read on key release, as the other navigation keys.
    AddCommand("cmdClipbrdCopy", tr("&Copy"), [this] {
        CopyClick();
    })->setShortcut(QKeySequence("Ctrl+C"));
    AddCommand("cmdClipbrdPaste", tr("&Paste"), [this] {
        PasteClick();
    })->setShortcut(QKeySequence("Ctrl+V"));
    AddCommand("cmdSelectAll", tr("Select &all"), [&g] {
        g.Selection.SelectAll();
    })->setShortcut(QKeySequence("Ctrl+A"));

    struct TSelectionCommand {
        const char* Name;
        const char* Caption;
        const char* Key;
        void (TSelection::*Operation)();
    };
    static const TSelectionCommand kSelection[] = {
        {"cmdSelOutsideClear", "Clear outside selection", "Shift+Del", &TSelection::ClearOutside},
        {"cmdSelFill", "&Fill selection", "Ins", &TSelection::Fill},
        {"cmdSelRect", "&Rectangle around selection", "", &TSelection::Outline},
        {"cmdSelInvert", "&Invert selection", "I", &TSelection::Invert},
        {"cmdSelMirrorH", "Mirror &horizontally", "X", &TSelection::MirrorH},
        {"cmdSelMirrorV", "Mirror &vertically", "Y", &TSelection::MirrorV},
        {"cmdSelRotate90", "Rotate 90°", "", &TSelection::Rotate90},
        {"cmdSelRotate270", "Rotate 270° (-90°)", "", &TSelection::Rotate270},
    };
    // Clearing the selection sounds its own delete.
    FSelectionCommands.push_back(
        AddCommand("cmdSelClear", tr("&Clear selection"), [&g] { g.Selection.Clear(); }));
    for (const TSelectionCommand& c : kSelection) {
        auto* action =
            AddCommand(c.Name, tr(c.Caption), [&g, op = c.Operation] { (g.Selection.*op)(); });
        action->setShortcut(QKeySequence(c.Key));
        FSelectionCommands.push_back(action);
    }
    FSelectionCommands.push_back(Command("cmdClipbrdCut"));
    FSelectionCommands.push_back(Command("cmdClipbrdCopy"));
    FWhileActive.push_back({Command("cmdSelClear"), {QKeySequence(Qt::Key_Delete)}});
    FWhileActive.push_back({Command("cmdSelRotate90"), {QKeySequence(Qt::Key_Tab)}});
    // Written as Shift+Tab, the key the menu shows; Qt matches it to Backtab as well.
    FWhileActive.push_back({Command("cmdSelRotate270"), {QKeySequence(Qt::SHIFT | Qt::Key_Tab)}});
}

void TfrmMain::CreateViewCommands()
{
    AddCommand("cmdRedraw", tr("&Redraw"), [this] {
        RedrawBoard(rdAll);
        // Files may have come or gone in the folder since it was read.
        FFileManager->Refresh();
    })->setShortcut(QKeySequence("F5"));
    auto* grid = AddCommand("cmdShowGrid", tr("Show &grid"), [this] { ToggleGrid(); });
    grid->setShortcut(QKeySequence("Ctrl+G"));
    grid->setCheckable(true);
    // The View menu's elements, numbered as the settings keep them.
    const struct {
        const char* Name;
        const char* Caption;
        const char* Key;
        int Element;
    } kElements[] = {{"cmdViewFileMgr", "File manager", "Ctrl+M", 7},
                     {"cmdViewSttBar", "Status &bar", "", 6},
                     {"cmdViewSclBar", "Scroll bars", "", 8}};
    for (const auto& e : kElements) {
        QAction* toggle =
            AddCommand(e.Name, tr(e.Caption), [this, element = e.Element, name = e.Name] {
                SetElementVisible(element, Command(name)->isChecked());
            });
        toggle->setShortcut(QKeySequence(e.Key));
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    // The toolbar toggles are made with the toolbars; the View menu lists them.
}

void TfrmMain::CreateRunCommands()
{
    TGlobals& g = *FGlobals;
    FWhileActive.push_back(
        {AddCommand("cmdRunOnce", tr("Run one &cycle"), [this] { RunOnceClick(); }),
         {QKeySequence(Qt::Key_Space)}});
    AddCommand("cmdRunOnce1", tr("One &cycle only"), [this] { RunOnceClick(); });
    FWhileActive.push_back({AddCommand("cmdRun", tr("&Run continuously"), [this] { RunClick(); }),
                            // The first is the one the menu shows.
                            {QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)}});
    AddCommand("cmdRunNCycles", tr("Run &n/to n cycle(s)..."), [this] {
        RunNCyclesClick();
    })->setShortcut(QKeySequence("N"));
    AddCommand("cmdUndo", tr("&Undo last action"), [&g] {
        g.Run.Stop();
        g.Undo.Undo();
    })->setShortcut(QKeySequence("Ctrl+Z"));
    AddCommand("cmdRedo", tr("Redo"), [&g] {
        g.Run.Stop();
        g.Undo.Redo();
    })->setShortcut(QKeySequence("Ctrl+Y"));
    AddCommand("cmdUndoToCycle", tr("Undo to cycle n..."), [this] {
        frmUndo->Execute(*FGlobals);
    })->setShortcut(QKeySequence("Ctrl+Shift+Z"));
    AddCommand("cmdUndoAllCycles", tr("Undo all cycles"), [&g] {
        g.Run.Stop();
        g.Undo.UndoAll();
    });
    AddCommand("cmdUndoAddManually", tr("&Add to undo"), [&g] {
        g.Undo.AddEvent(TUndoEvent::Manual);
    })->setShortcut(QKeySequence("Ctrl+U"));
    AddCommand("cmdUndoClearList", tr("&Clear Undo list"), [this, &g] {
        g.Run.Stop();
        g.Undo.Clear();
        UpdateSttBar(true);
    });
    // The NumPad keys are read on key release; the captions name them.
    AddCommand("cmdRunFaster", tr("Run &faster") + "  (Ctrl+NumPad PLUS)",
               [&g] { g.Run.RunFaster(); });
    AddCommand("cmdRunSlower", tr("Run &slower") + "  (Ctrl+NumPad MINUS)",
               [&g] { g.Run.RunSlower(); });
    AddCommand("cmdStatistics", tr("Statistics..."), [this] {
        ShowToolWindow(frmStatistics);
    })->setShortcut(QKeySequence("F9"));

    // The speeds, once for the Run menu's submenu and once for the speed popup.
    for (const char* prefix : {"cmdSp", "cmdSpd"}) {
        for (int32_t speed : kSpeedTable) {
            const QByteArray name = prefix + QByteArray::number(speed).rightJustified(4, '0');
            auto* action = AddCommand(name.constData(), SpeedCaption(speed),
                                      [&g, speed] { g.Run.SetInterval(speed); });
            action->setCheckable(true);
            action->setData(speed);
            FSpeedCommands.push_back(action);
        }
        MakeExclusive(this, {FSpeedCommands.end() - kSpeedTable.size(), FSpeedCommands.end()});
    }
    for (int digit = 0; digit < 10; ++digit) {
        QAction* action = Command(
            ("cmdSp" + QByteArray::number(kDigitSpeeds[digit]).rightJustified(4, '0')).constData());
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + digit)));
    }
}

void TfrmMain::CreateColorCommands()
{
    AddCommand("cmdColorsBar", tr("Colors bar"), [this] {
        ShowToolWindow(frmColorBar);
    })->setShortcut(QKeySequence("F2"));
    AddCommand("cmdModeCPik", tr("Color picker"), [this] {
        SetCursorMode(cmColorPicker);
    })->setShortcut(QKeySequence("F3"));
    AddCommand("cmdColorizePattern", tr("Colorize pattern randomly..."), [this] {
        ColorizeClick();
    })->setShortcut(QKeySequence("F4"));
    for (int n = 2; n <= kCellStates; ++n) {
        auto* action = AddCommand(("cmdStates" + QByteArray::number(n)).constData(),
                                  StatesCountCaption(n), [this, n] { SetStatesCount(n); });
        action->setCheckable(true);
        FStatesCommands.push_back(action);
    }
    for (int k = 0; k < kCellStates; ++k) {
        auto* action = AddCommand(("cmdDrawState" + QByteArray::number(k)).constData(),
                                  DrawingStateCaption(k), [this, k] { SetDrawingState(k); });
        action->setCheckable(true);
        FDrawStateCommands.push_back(action);
    }
    MakeExclusive(this, FStatesCommands);
    MakeExclusive(this, FDrawStateCommands);
}

void TfrmMain::CreatePanAndZoomCommands()
{
    TBoardView& view = *FView;
    AddCommand("cmdModePan", tr("&Pan mode"), [this] {
        SetCursorMode(cmPan);
    })->setShortcut(QKeySequence("P"));
    struct TPanCommand {
        const char* Direction;
        int Code;
        Qt::Key Key;
    };
    static const TPanCommand kPans[] = {{"Left", pdLeft, Qt::Key_Left},
                                        {"Right", pdRight, Qt::Key_Right},
                                        {"Up", pdUp, Qt::Key_Up},
                                        {"Down", pdDown, Qt::Key_Down}};
    for (const TPanCommand& p : kPans) {
        const QByteArray direction = p.Direction;
        auto* tenth = AddCommand(("cmdPan" + direction + "1_10").constData(),
                                 tr("Pan %1 by 1/10 of the screen").arg(p.Direction),
                                 [&view, code = p.Code] { view.Pan(code, 10); });
        FWhileActive.push_back({tenth, {QKeySequence(p.Key)}});
        AddCommand(("cmdPan" + direction + "1").constData(),
                   tr("Pan %1 by 1 cell").arg(p.Direction),
                   [&view, code = p.Code] { view.Pan(code, 1); })
            ->setShortcut(QKeySequence(Qt::SHIFT | p.Key));
        AddCommand(("cmdPan" + direction + "1_2").constData(),
                   tr("Pan %1 by 1/2 of the screen").arg(p.Direction),
                   [&view, code = p.Code] { view.Pan(code, 2); })
            ->setShortcut(QKeySequence(Qt::CTRL | p.Key));
    }
    AddCommand("cmdPanCenter00", tr("Center around (0,0)"), [&view] {
        view.CenterOn(0, 0, true);
    })->setShortcut(QKeySequence("O"));
    AddCommand("cmdPanCenterShape", tr("Cente&r pattern"), [&view] {
        view.CenterPattern(true);
    })->setShortcut(QKeySequence("R"));

    AddCommand("cmdModeZoom", tr("&Zoom mode"), [this] {
        SetCursorMode(cmZoom);
    })->setShortcut(QKeySequence("Z"));
    AddCommand("cmdZoomIn", tr("Zoom &in") + "  (NumPad PLUS)", [&view] { view.ZoomIn(true); });
    AddCommand("cmdZoomOut", tr("Zoom &out") + "  (NumPad MINUS)", [&view] { view.ZoomOut(true); });
    AddCommand("cmdZoomBestFit", tr("Best &fit"), [&view] {
        view.BestFit(true);
    })->setShortcut(QKeySequence("F"));
    for (const TSizeEntry& entry : kCellSizes) {
        auto* action = AddCommand(("cmdCellSize" + QByteArray::number(entry.Size)).constData(),
                                  entry.Caption, [this, size = entry.Size] { SetCellSize(size); });
        action->setCheckable(true);
        action->setData(entry.Size);
        FCellSizeCommands.push_back(action);
    }
    MakeExclusive(this, FCellSizeCommands);
    std::vector<QAction*> modes;
    for (const char* name :
         {"cmdModeEdit", "cmdModeMark", "cmdModeZoom", "cmdModePan", "cmdModeCPik"}) {
        modes.push_back(Command(name));
        modes.back()->setCheckable(true);
    }
    MakeExclusive(this, modes);
}

void TfrmMain::CreateSettingsCommands()
{
    AddCommand("cmdSettings", tr("Program &settings..."), [this] {
        ShowSettings(-1);
    })->setShortcut(QKeySequence("F12"));
    static const char* const kPages[][3] = {
        {"cmdSettGeneral", "Settings - &General...", "Ctrl+Alt+G"},
        {"cmdSettBoard", "Settings - &Board...", "Ctrl+Alt+B"},
        {"cmdSettColors", "Settings - &Colors...", "Ctrl+Alt+C"},
        {"cmdSettRules", "Settings - &Rules...", "Ctrl+Alt+R"},
        {"cmdSettOpenSave", "Settings - &Open/save...", "Ctrl+Alt+O"},
        {"cmdSettUndo", "Settings - &Undo...", "Ctrl+Alt+U"},
    };
    for (int page = 0; page < int(std::size(kPages)); ++page)
        AddCommand(kPages[page][0], tr(kPages[page][1]), [this, page] {
            ShowSettings(page);
        })->setShortcut(QKeySequence(kPages[page][2]));
    static const char* const kGameNames[kGameCount] = {
        "cmdGameLife",   "cmdGameGene", "cmdGameWLif", "cmdGameVote", "cmdGameRTbl",
        "cmdGameCyclic", "cmdGame1DTO", "cmdGameUser", "cmdGameSpec"};
    static const char* const kGameKeys[kGameCount] = {"L", "G", "W", "V", "T", "C", "D", "U", "S"};
    for (int game = 1; game <= kGameCount; ++game) {
        auto* action =
            AddCommand(kGameNames[game - 1], GameCaption(game), [this, game] { SetGame(game); });
        action->setShortcut(QKeySequence(kGameKeys[game - 1]));
        action->setCheckable(true);
        FGameCommands[game - 1] = action;
    }
    MakeExclusive(this, {FGameCommands.begin(), FGameCommands.end()});
    AddCommand("cmdCellShape", tr("Cells' s&hape"), [this] {
        FView->NextCellShape();
    })->setShortcut(QKeySequence("H"));
    auto* wrap = AddCommand("cmdWrapAtEdges", tr("Wrap at e&dges"), [this] { ToggleWrap(); });
    wrap->setShortcut(QKeySequence("Ctrl+W"));
    wrap->setCheckable(true);
    AddCommand("cmdHelp", tr("&Help..."), [this] {
        frmHelp->ShowTopic(QString());
    })->setShortcut(QKeySequence("F1"));
    AddCommand("cmdAbout", tr("&About..."), [this] { frmAbout->exec(); });
    static const char* const kShapes[] = {"&Big square", "&Small square", "Big &circles",
                                          "&Rectangles"};
    std::vector<QAction*> shapes;
    for (int shape = csBigSquare; shape <= csRectangle; ++shape) {
        shapes.push_back(AddCommand(("cmdShape" + QByteArray::number(shape)).constData(),
                                    tr(kShapes[shape - 1]),
                                    [this, shape] { FView->SetCellShape(shape, true); }));
        shapes.back()->setCheckable(true);
    }
    MakeExclusive(this, shapes);
}

void TfrmMain::CreateMenus()
{
    QMenuBar* bar = menuBar();
    auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (name[0] == '-')
                menu->addSeparator();
            else
                menu->addAction(Command(name));
        }
    };

    QMenu* file = mnuFile = bar->addMenu(tr("&File"));
    file->setObjectName("mnuFile");
    add(file, {"cmdNew", "cmdRandom", "-", "cmdFileOpen", "cmdFileOpenNext", "cmdFileOpenPrev",
               "cmdClipboardOpen", "cmdFileInsert", "-", "cmdSave", "cmdSaveAs", "-", "cmdToBitmap",
               "cmdPatternDescription", "-", "cmdExit"});
    file->insertAction(Command("cmdFileOpenNext"), Command("cmdFileOpenSample")); // below Open

    QMenu* edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName("mnuEdit");
    add(edit, {"cmdModeEdit", "cmdModeMark", "-", "cmdClipbrdCut", "cmdClipbrdCopy",
               "cmdClipbrdPaste", "-", "cmdSelectAll", "cmdSelClear", "cmdSelOutsideClear",
               "cmdSelFill", "cmdSelRect", "cmdSelInvert", "-", "cmdSelMirrorH", "cmdSelMirrorV",
               "cmdSelRotate90", "cmdSelRotate270"});

    QMenu* view = bar->addMenu(tr("&View"));
    view->setObjectName("mnuView");
    add(view,
        {"cmdRedraw", "cmdShowGrid", "-", "cmdViewFileMgr", "cmdViewSttBar", "cmdViewSclBar", "-"});
    for (QToolBar* toolbar : FToolbars) view->addAction(toolbar->toggleViewAction());

    QMenu* run = bar->addMenu(tr("&Animation"));
    run->setObjectName("mnuAnimation");
    add(run, {"cmdRunOnce", "cmdRun", "cmdRunNCycles", "cmdRecord", "-", "cmdUndo", "cmdRedo",
              "cmdUndoToCycle", "cmdUndoAllCycles", "cmdUndoAddManually", "cmdUndoClearList", "-",
              "cmdRunFaster", "cmdRunSlower"});
    mnuSpeed = run->addMenu(tr("Set s&peed"));
    mnuSpeed->setObjectName("mnuSpeed");
    for (size_t i = 0; i < kSpeedTable.size(); ++i) mnuSpeed->addAction(FSpeedCommands[i]);
    add(run, {"-", "cmdStatistics"});

    QMenu* colors = bar->addMenu(tr("&Colors"));
    colors->setObjectName("mnuColors");
    mnuStatesCount = colors->addMenu(tr("# of alive states (colo&rs)"));
    mnuStatesCount->setObjectName("cmdCntOfColors");
    // Clicking the entry itself, rather than one of its states, steps the drawing state.
    new TEntryClick(colors, mnuStatesCount->menuAction(),
                    [this](bool shift) { StepDrawingState(shift ? -1 : 1); });
    for (QAction* action : FStatesCommands) mnuStatesCount->addAction(action);
    mnuDrawingState = colors->addMenu(QString());
    mnuDrawingState->setObjectName("cmdActiveColor");
    for (QAction* action : FDrawStateCommands) mnuDrawingState->addAction(action);
    add(colors, {"-", "cmdColorsBar", "cmdModeCPik", "cmdColorizePattern", "-"});
    submnuPalSel = colors->addMenu(tr("Palette selection"));
    submnuPalSel->setObjectName("submnuPalSel");
    FillPaletteMenu();

    QMenu* pan = bar->addMenu(tr("&Pan"));
    pan->setObjectName("mnuPan");
    add(pan, {"cmdModePan", "-"});
    QMenu* panPattern = pan->addMenu(tr("Pan pattern"));
    for (const char* step : {"1_10", "1", "1_2"}) {
        if (!panPattern->isEmpty()) panPattern->addSeparator();
        for (const char* direction : {"Left", "Right", "Up", "Down"})
            panPattern->addAction(Command((QByteArray("cmdPan") + direction + step).constData()));
    }
    add(pan, {"-", "cmdPanCenter00", "cmdPanCenterShape"});

    QMenu* zoom = bar->addMenu(tr("&Zoom"));
    zoom->setObjectName("mnuZoom");
    add(zoom, {"cmdModeZoom", "-", "cmdZoomIn", "cmdZoomOut", "cmdZoomBestFit"});

    QMenu* settings = bar->addMenu(tr("&Settings"));
    settings->setObjectName("mnuSettings");
    add(settings, {"cmdSettings", "cmdSettGeneral", "cmdSettBoard", "cmdSettColors", "cmdSettRules",
                   "cmdSettOpenSave", "cmdSettUndo", "-"});
    for (QAction* game : FGameCommands) settings->addAction(game);
    add(settings, {"-", "cmdCellShape", "cmdWrapAtEdges"});
    connect(settings, &QMenu::aboutToShow, this, [this] { RefreshMenus(); });

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName("mnuHelp");
    add(help, {"cmdHelp", "-", "cmdAbout"});
}

void TfrmMain::CreatePopups()
{
    auto cancel = [](QMenu* menu) {
        menu->addSeparator();
        menu->addAction(tr("&Cancel"));
    };
    popBoard = new QMenu(this);
    popBoard->setObjectName("popBoard");
    for (const char* name :
         {"cmdRunOnce1", "cmdRun", "cmdRunNCycles", "-", "cmdUndo", "cmdUndoToCycle",
          "cmdUndoAddManually", "-", "cmdZoomBestFit", "cmdPatternDescription", "cmdSettings"}) {
        if (name[0] == '-')
            popBoard->addSeparator();
        else
            popBoard->addAction(Command(name));
    }
    QMenu* selection = popBoard->addMenu(tr("Selection"));
    for (const char* name : {"cmdSelClear", "cmdSelOutsideClear", "cmdSelFill", "cmdSelMirrorH",
                             "cmdSelMirrorV", "cmdSelRotate90", "cmdSelRotate270"})
        selection->addAction(Command(name));
    cancel(popBoard);

    popShapes = new QMenu(this);
    popShapes->setObjectName("popShapes");
    for (int shape = csBigSquare; shape <= csRectangle; ++shape)
        popShapes->addAction(Command(("cmdShape" + QByteArray::number(shape)).constData()));
    cancel(popShapes);

    popCellSize = new QMenu(this);
    popCellSize->setObjectName("popCellSize");
    for (QAction* action : FCellSizeCommands) popCellSize->addAction(action);
    cancel(popCellSize);

    popSpeed = new QMenu(this);
    popSpeed->setObjectName("popSpeed");
    for (size_t i = kSpeedTable.size(); i < FSpeedCommands.size(); ++i)
        popSpeed->addAction(FSpeedCommands[i]);

    popGames = new QMenu(this);
    popGames->setObjectName("popGames");
    for (QAction* game : FGameCommands) popGames->addAction(game);
    cancel(popGames);
    connect(popGames, &QMenu::aboutToShow, this, [this] { RefreshMenus(); });

    popRules = new QMenu(this);
    popRules->setObjectName("popRules");
}
