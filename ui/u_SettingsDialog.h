#pragma once
// The settings dialog: six pages of the program's settings, shown as copies and put into the
// program only by Apply or Ok. The Rules page is TRulesPage's.

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class TBoardMouse;
class TBoardView;
class TColorPanel;
class TPreview;
class TRulesPage;
struct TConfiguration;
struct TGlobals;
struct TSaveOptions;

// What the dialog shows and changes.
struct TSettingsTargets {
    TGlobals& Globals;
    TConfiguration& Config; // the window's values; the core's are read from their objects
    TBoardView& View;
    TBoardMouse& Mouse; // the current cursor mode
    TSaveOptions& Save; // the pattern input/output's options
    bool& SoundOn;      // the host's
    // Switches the main window to a cursor mode as its mode commands do.
    std::function<void(uint8_t mode)> SetCursorMode;
};

class TfrmSettings : public QDialog {
    Q_OBJECT

public:
    enum TPage { pgGeneral, pgBoard, pgColors, pgRules, pgOpenSave, pgUndo, kPageCount };

    TfrmSettings(TSettingsTargets targets, QWidget* parent);
    ~TfrmSettings() override;

    // Shows the dialog on `page`; -1 keeps the page last shown.
    void ShowPage(int page);
    TRulesPage& RulesPage() { return *FRules; }

    std::function<void()> OnApplied; // the main window repaints and refreshes
    std::function<void(const char* topic)> OnHelp;
    std::function<void()> OnPalettesChanged; // a palette was saved

    // The questions the dialog asks, replaceable for tests: a one-line text (nullopt when
    // cancelled) and a colour (nullopt when cancelled).
    std::function<std::optional<QString>(const QString& caption, const QString& prompt)> AskText;
    std::function<std::optional<uint32_t>(uint32_t color)> AskColor;

    void Apply();
    // Runs `ask`, one of the dialog's questions; the activation it causes refills nothing.
    void Asking(const std::function<void()>& ask);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override; // Esc

private:
    QWidget* CreateGeneralPage();
    QWidget* CreateBoardPage();
    QWidget* CreateColorsPage();
    QWidget* CreateOpenSavePage();
    QWidget* CreateUndoPage();
    void CreateButtons();

    void FillGeneralPages();
    void FillColors();
    void ApplyGeneralPages();
    void ApplyColors();
    void PageChanged();
    void GenerateColors();
    void ChooseColor(TColorPanel* panel);
    void FillPaletteList();
    void LoadPaletteIntoPanels();
    void SavePaletteAs();
    void UpdatePalette();
    void Associate();

    TSettingsTargets FTargets;
    QTabWidget* FPages = nullptr;
    TRulesPage* FRules = nullptr;
    int FLastPage = pgGeneral;
    int FAsking = 0; // questions open or just closed

    // General settings.
    QButtonGroup* FCurrentMode = nullptr; // ids are cursor modes 0..3
    QButtonGroup* FInitialMode = nullptr;
    QCheckBox* chkSound = nullptr;
    QCheckBox* chkAutoFit = nullptr;
    QCheckBox* chkSelReplace = nullptr;
    QCheckBox* chkSelDrop = nullptr;
    QSpinBox* spnRndTabSpars = nullptr;
    QCheckBox* chkConfirmNew = nullptr;
    // Board.
    QCheckBox* chkShowGrid = nullptr;
    QCheckBox* chkBoldLines = nullptr;
    QSpinBox* spnBoldLines = nullptr;
    QButtonGroup* FShapes = nullptr;    // ids are cell shapes 1..4
    QButtonGroup* FCellSizes = nullptr; // ids are indexes of kOfferedCellSizes
    QComboBox* cmbMaxCellBestFit = nullptr;
    QButtonGroup* FBoardSizes = nullptr; // ids are indexes of kBoardSizeChoices, "other" last
    QRadioButton* rdiBSizeOther = nullptr;
    QLineEdit* fldBSizeOtherX = nullptr;
    QLineEdit* fldBSizeOtherY = nullptr;
    QCheckBox* chkWrap = nullptr;
    QCheckBox* chkOptSubzoomDraw = nullptr;
    // Colors.
    QListWidget* lisPalettes = nullptr;
    std::array<TColorPanel*, 27> FColorPanels{}; // in palette order
    std::array<TColorPanel*, 4> FGenPanels{};
    std::array<QLineEdit*, 4> FGenStates{}; // the anchors' states
    TPreview* pbCloSample = nullptr;
    // Open / save.
    QButtonGroup* FOpenAction = nullptr; // ids are open actions 0..2
    QListWidget* lisAssociations = nullptr;
    QSpinBox* spnNumMRUFil = nullptr;
    QCheckBox* chkReloadLast = nullptr;
    QCheckBox* chkMakeBAK = nullptr;
    QCheckBox* chkOnlyTopRow1D = nullptr;
    QCheckBox* chkSaveSpeed = nullptr;
    QCheckBox* chkSaveBSize = nullptr;
    QCheckBox* chkSaveWrap = nullptr;
    QCheckBox* chkSaveCColors = nullptr;
    // Undo.
    std::array<QAbstractButton*, 14> FUndoEvents{}; // by event; none for the undo event
    QSpinBox* spnUndoTime = nullptr;
    QSpinBox* spnUndoCycles = nullptr;
    QCheckBox* chkUndoOn = nullptr;
    QCheckBox* chkUndoResetOnNew = nullptr;
    QSpinBox* spnUndoSteps = nullptr;
    QLineEdit* fldUndoMaxCells = nullptr;
    QPushButton* cmdHelp = nullptr;
};
