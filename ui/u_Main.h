#pragma once
// The program's only top-level window and the owner of every long-lived object: it turns
// commands, keys and the mouse into calls on the core and keeps the caption, the status bar and
// the commands' state current.

#include <QElapsedTimer>
#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QKeyEvent;
class QMenu;
class QScrollBar;
class QToolBar;
class QToolButton;
class TBoardMouse;
class TBoardView;
class TBoardWidget;
class TInOut;
class TMainStatusBar;
class TQtHost;
class TfrmRun;
struct TGlobals;

class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    TGlobals& Globals() { return *FGlobals; }
    TQtHost& Host() { return *FHost; }
    TBoardView& View() { return *FView; }
    TBoardMouse& Mouse() { return *FMouse; }
    TInOut& InOut() { return *FInOut; }
    TfrmRun& RunDialog() { return *frmRun; }

    // Takes the program's folder, then reads what lies there: the rule plug-ins, the user's
    // rules and the palettes.
    void Start(const std::string& programFolder);

    // The command named `name`, e.g. "cmdRunOnce"; null for no such command.
    QAction* Command(const char* name) const;

    // Shows the version, the modified mark and the document's file name in the title.
    void ShowFormCaption();
    // The status, cycle and alive fields; with `full` every field and the grid's check mark.
    void UpdateSttBar(bool full);

    bool SelReplace = true;
    bool ConfirmNew = false;
    // After opening a pattern: 0 keep the view, 1 centre the pattern, 2 best fit.
    int32_t OpenAction = 1;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Window parts (u_MainMenus.cpp).
    QAction* AddCommand(const char* name, const QString& caption, std::function<void()> handler);
    void CreateCommands();
    void CreateFileAndEditCommands();
    void CreateViewCommands();
    void CreateRunCommands();
    void CreateColorCommands();
    void CreatePanAndZoomCommands();
    void CreateSettingsCommands();
    void CreateMenus();
    void CreatePopups();
    void CreateToolbars();
    QToolBar* AddToolbar(const char* name, const QString& title, Qt::ToolBarArea area,
                         const std::vector<const char*>& commands);
    QToolButton* DropDownButton(QToolBar* bar, const char* name, const QString& hint, QMenu* menu);
    void CreateBoardArea();
    void CreateStatusBar();

    // Keeping the window current (u_Main.cpp).
    void HostRefresh(unsigned what);
    void ApplyRefresh(unsigned what);
    void FlushRefresh();
    void RefreshMenus();
    void RefreshGame();
    void RefreshRunState();
    void RefreshSpeed();
    void RefreshCursor();
    void RefreshScrollBars();
    void SetWhileActiveShortcuts(bool assign);
    bool KeyReleased(const QKeyEvent& event);
    bool KeyPressed(const QKeyEvent& event);
    void RedrawBoard(unsigned flags);

    // Commands with more to do than one call (u_MainCommands.cpp).
    void NewClick();
    void ExitClick();
    void RunOnceClick();
    void RunClick();
    void RunNCyclesClick();
    void AfterRun();
    void SetCursorMode(uint8_t mode);
    void ModeEditClick();
    void CopyClick();
    void CutClick();
    void PasteClick();
    void OpenFromClipboardClick();
    void SelClearClick();
    void SetStatesCount(int32_t count);
    void SetDrawingState(int32_t state);
    // Steps the drawing state by `delta` within the states count, wrapping round.
    void StepDrawingState(int delta);
    void ColorizeClick();
    void SetCellSize(int32_t size);
    void SetGame(int game);
    void ToggleWrap();
    void ToggleGrid();
    void ShowRulesPopup(QPoint globalPos);
    void FillPaletteMenu();
    void ScrollTo(int x, int y);

    // The host comes first: the program's objects report through it from their creation on.
    std::unique_ptr<TQtHost> FHost;
    std::unique_ptr<TGlobals> FGlobals;
    // Paints for the globals, so it comes after them and goes before them.
    std::unique_ptr<TBoardView> FView;
    std::unique_ptr<TBoardMouse> FMouse;
    std::unique_ptr<TInOut> FInOut;

    TBoardWidget* pbBoard = nullptr;
    QScrollBar* sbHorizontal = nullptr;
    QScrollBar* sbVertical = nullptr;
    TMainStatusBar* sttBar = nullptr;
    TfrmRun* frmRun = nullptr;
    std::array<QToolBar*, 5> FToolbars{};
    QMenu* popBoard = nullptr;
    QMenu* popShapes = nullptr;
    QMenu* popCellSize = nullptr;
    QMenu* popSpeed = nullptr;
    QMenu* popGames = nullptr;
    QMenu* popRules = nullptr;
    QMenu* mnuSpeed = nullptr;
    QMenu* mnuStatesCount = nullptr;
    QMenu* mnuDrawingState = nullptr;
    QMenu* submnuPalSel = nullptr;

    // Commands enabled exactly while a selection is active.
    std::vector<QAction*> FSelectionCommands;
    // Shortcuts that belong to the board while this window is the active one.
    std::vector<std::pair<QAction*, QList<QKeySequence>>> FWhileActive;
    std::array<QAction*, 9> FGameCommands{};
    std::vector<QAction*> FSpeedCommands;     // the speed submenu's and popup's entries
    std::vector<QAction*> FCellSizeCommands;  // the cell-size popup's entries
    std::vector<QAction*> FStatesCommands;    // 2..25 states
    std::vector<QAction*> FDrawStateCommands; // drawing states 0..24

    // Refreshes asked for during a run wait for the next display frame.
    unsigned FPendingRefresh = 0;
    QElapsedTimer FSinceRefresh;
    bool FCloseAfterRun = false;
    bool FShown = false;
};
