#pragma once
// The program's only top-level window and the owner of every long-lived object: it turns
// commands, keys and the mouse into calls on the core and keeps the caption, the status bar and
// the commands' state current.

#include "base/u_Host.h"

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
class TConfigStore;
class TFileManager;
class QSplitter;
class TBoardView;
class TBoardWidget;
class TInOut;
class TMainStatusBar;
class TQtHost;
class TRandomSettings;
class TfrmAbout;
class TfrmColorBar;
class TfrmRandomPtt;
class TfrmSettings;
class TfrmToBmp;
class TfrmStatistics;
class TfrmDescription;
class TfrmHelp;
class TfrmUndo;
class TfrmRun;
class TfrmRecord;
class TRecorder;
struct TConfiguration;
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
    TfrmHelp& Help() { return *frmHelp; }

    // What the window does once, before it is first shown: takes the program's folder, reads
    // what lies there (the rule plug-ins, the user's rules, the palettes), reads every setting
    // from `store` (kept to write them back at the end; null for none) and opens the pattern
    // named on the command line, or the last one.
    void Start(const std::string& programFolder, std::unique_ptr<TConfigStore> store,
               const QString& patternArgument);
    // Start as the program does it: the window is shown before the pattern is opened, so that
    // the progress of reading a large file is seen.
    void StartShown(const std::string& programFolder, std::unique_ptr<TConfigStore> store,
                    const QString& patternArgument);

    // The command named `name`, e.g. "cmdRunOnce"; null for no such command.
    QAction* Command(const char* name) const;

    // Shows the version, the modified mark and the document's file name in the title.
    void ShowFormCaption();
    // The status, cycle and alive fields; with `full` every field and the grid's check mark.
    void UpdateSttBar(bool full);

    // The configured values; the window's own are read from here as they are needed.
    TConfiguration& Config() { return *FConfig; }

    // The file dialogs, replaceable for tests: the chosen file, or empty when cancelled. The
    // save dialog also tells the index of the filter entry chosen.
    std::function<QString(const QString& folder)> AskOpenFile;
    std::function<QString(const QString& folder, int* filterIndex)> AskSaveFile;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Window parts (u_MainMenus.cpp, u_MainToolbars.cpp).
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

    // Keeping the window current (u_Main.cpp). kShowEverything: every part of the window that
    // shows state; not the view actions that fit or centre it.
    static constexpr unsigned kShowEverything = ~0u & ~(rfFitView | rfPatternOpened | rfCenterView);
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

    // Settings (u_MainSettings.cpp).
    void ApplySettings();
    void SaveSettings();
    void SetElementVisible(int element, bool visible);

    // Files (u_MainFiles.cpp).
    void CreateFileManager();
    void FileOpenClick();
    void OpenSampleClick();
    QString SamplePatternsFolder() const;
    void FileInsertClick();
    void SaveClick();
    void SaveAsClick();
    void OpenNextClick(bool next);
    bool OpenFile(const QString& path, bool reportMissing);
    void InsertFile(const QString& path);
    // The recent files in the File menu and the document's file in the panel, when changed.
    void RefreshDocument();
    void RefreshRecentFiles();
    void ShowFileInManager();
    void ShowStartFolder();
    // The halves of Start: before the window shows and after.
    void Configure(const std::string& programFolder, std::unique_ptr<TConfigStore> store);
    void OpenAtStart(const QString& patternArgument);

    // Recording runs (u_MainRecording.cpp).
    void CreateRecording();
    void RecordClick();
    void FinishRecording();
    void ShowRecording();

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
    // Opens the settings dialog on `page`, or on the page shown last for -1.
    void ShowSettings(int page);
    // Shows a tool window beside this one and brings it to the front.
    static void ShowToolWindow(QWidget* window);
    void FillPaletteMenu();
    void ScrollTo(int x, int y);

    // The host comes first: the program's objects report through it from their creation on.
    std::unique_ptr<TQtHost> FHost;
    std::unique_ptr<TGlobals> FGlobals;
    // Paints for the globals, so it comes after them and goes before them.
    std::unique_ptr<TBoardView> FView;
    std::unique_ptr<TBoardMouse> FMouse;
    std::unique_ptr<TInOut> FInOut;
    std::unique_ptr<TConfiguration> FConfig;
    std::unique_ptr<TRandomSettings> FRandom;
    std::unique_ptr<TConfigStore> FStore;

    TBoardWidget* pbBoard = nullptr;
    QSplitter* FSplitter = nullptr;
    TFileManager* FFileManager = nullptr;
    QMenu* mnuFile = nullptr;
    QMenu* mnuReopen = nullptr;
    std::vector<QAction*> FRecentCommands;
    std::vector<std::string> FShownRecent;
    std::string FShownFileName;
    int FShownShape = 0;
    QScrollBar* sbHorizontal = nullptr;
    QScrollBar* sbVertical = nullptr;
    TMainStatusBar* sttBar = nullptr;
    TfrmRun* frmRun = nullptr;
    TfrmHelp* frmHelp = nullptr;
    TfrmAbout* frmAbout = nullptr;
    TfrmDescription* frmDescription = nullptr;
    TfrmUndo* frmUndo = nullptr;
    TfrmStatistics* frmStatistics = nullptr;
    TfrmColorBar* frmColorBar = nullptr;
    TfrmRandomPtt* frmRandom = nullptr;
    TfrmToBmp* frmToBmp = nullptr;
    TfrmRecord* frmRecord = nullptr;
    std::unique_ptr<TRecorder> FRecorder; // the recording in progress
    TfrmSettings* frmSettings = nullptr;  // made when first asked for, once the palettes are known
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
