#include "ui/u_SettingsDialog.h"

#include "base/u_Host.h"
#include "base/u_Text.h"
#include "engine/u_Config.h"
#include "engine/u_Globals.h"
#include "io/u_InOut.h"
#include "ui/u_DialogButtons.h"
#include "ui/u_FileTypes.h"
#include "ui/u_Pictures.h"
#include "ui/u_RulesPage.h"
#include "ui/u_SettingsControls.h"
#include "view/u_BoardMouse.h"
#include "view/u_BoardView.h"
#include "view/u_SettingsChoices.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr const char* kHelpTopics[] = {"ID_SETTINGS_GENERAL",  "ID_SETTINGS_BOARD",
                                       "ID_SETTINGS_COLORS",   "ID_SETTINGS_RULES",
                                       "ID_SETTINGS_OPENSAVE", "ID_SETTINGS_UNDO"};
constexpr const char* kPageNames[] = {"General settings", "Board", "Colors", "Rules",
                                      "Open / save",      "Undo"};
constexpr const char* kModeNames[] = {"Edt", "Mrk", "Zom", "Pan"};
constexpr const char* kModeHints[] = {"Edit mode", "Mark mode", "Zoom mode", "Pan mode"};
constexpr TPicture kModePictures[] = {TPicture::ModeEdit, TPicture::ModeMark, TPicture::ModeZoom,
                                      TPicture::ModePan};
// Undo events with a button, in the order of the buttons, and their hints.
constexpr std::pair<TUndoEvent, const char*> kUndoButtons[] = {
    {TUndoEvent::Run, "Run continuously"},
    {TUndoEvent::RunOnce, "Run once"},
    {TUndoEvent::RunN, "Run for n generations"},
    {TUndoEvent::Time, "Timed snapping"},
    {TUndoEvent::Cycles, "Given count of generations"},
    {TUndoEvent::Edit, "Edit the pattern"},
    {TUndoEvent::Selection, "Edit using the selection"},
    {TUndoEvent::Move, "Shift the pattern"},
    {TUndoEvent::Random, "Fill universe randomly"},
    {TUndoEvent::Rule, "Change the game or rules"},
    {TUndoEvent::Open, "Open a pattern"},
    {TUndoEvent::New, "Create a new empty pattern"},
    {TUndoEvent::Manual, "Add pattern manually to Undo"},
};
static_assert(kUndoEventCount == 14, "TfrmSettings::FUndoEvents holds a slot per undo event");
constexpr std::pair<const char*, const char*> kAssociations[] = {
    {".*", "All supported life files"}, {".LIF", "Life105, Life106, ..."},
    {".LIFE", "Life105, Life106, ..."}, {".RLE", "Run Length Encoded"},
    {".L", "Run Length Encoded"},       {".PLF", "ProLife"},
    {".PLX", "Velko's Gridfest"},       {".VLF", "Velko's Life"},
};

QToolButton* ToggleButton(const QString& name, const QString& hint, const QIcon& icon)
{
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    button->setCheckable(true);
    button->setAutoRaise(true);
    return button;
}

QString CellSizeName(int32_t size)
{
    return size >= 1 ? QString("rdiSiz%1").arg(size, 2, 10, QChar('0'))
                     : QString("rdiSiz1_%1").arg(-size);
}

int32_t FieldInt(const QLineEdit* field)
{
    return SafeInt(field->text().toStdString());
}

// The button with `id` down in `group`, or none down when no button has it.
void Check(QButtonGroup* group, int id)
{
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(false);
    group->setExclusive(true);
}

} // namespace

TfrmSettings::TfrmSettings(TSettingsTargets targets, QWidget* parent)
    : QDialog(parent), FTargets(std::move(targets))
{
    setObjectName("frmSettings");
    setWindowTitle("Settings");
    setModal(false);
    AskText = [this](const QString& caption, const QString& prompt) -> std::optional<QString> {
        bool ok = false;
        const QString text =
            QInputDialog::getText(this, caption, prompt, QLineEdit::Normal, {}, &ok);
        return ok ? std::optional(text) : std::nullopt;
    };
    AskColor = [this](uint32_t color) -> std::optional<uint32_t> {
        const QColor chosen = QColorDialog::getColor(
            QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)), this);
        if (!chosen.isValid()) return std::nullopt;
        return uint32_t(chosen.red()) | uint32_t(chosen.green()) << 8 |
               uint32_t(chosen.blue()) << 16;
    };

    FPages = new QTabWidget;
    FPages->setObjectName("pgcSettings");
    FRules = new TRulesPage(FTargets.Globals, FTargets.Config, nullptr);
    FRules->Asking = [this](const std::function<void()>& ask) { Asking(ask); };
    FRules->OnStatesCountChanged = [this] { pbCloSample->update(); };
    FRules->OnAccept = [this] {
        Apply();
        close();
    };
    FRules->OnHelp = [this](const char* topic) {
        if (OnHelp) OnHelp(topic);
    };
    QWidget* pages[] = {CreateGeneralPage(),  CreateBoardPage(), CreateColorsPage(), FRules,
                        CreateOpenSavePage(), CreateUndoPage()};
    for (int i = 0; i < kPageCount; ++i) FPages->addTab(pages[i], kPageNames[i]);
    connect(FPages, &QTabWidget::currentChanged, this, [this] { PageChanged(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FPages);
    CreateButtons();
    FillPaletteList();
    if (lisPalettes->count() == 0)
        FTargets.Globals.Host.ShowMessage("The palettes list could not be loaded!\r\n" +
                                              FTargets.Globals.ProgramFolder + "System/*.pxp",
                                          "Color palettes", TMsgIcon::Error, TMsgButtons::Ok);
}

TfrmSettings::~TfrmSettings() = default;

void TfrmSettings::CreateButtons()
{
    auto* cmdOk = CommandButton("cmdOk", "&Ok", true);
    auto* cmdCancel = CommandButton("cmdCancel", "&Cancel", false);
    auto* cmdApply = CommandButton("cmdApply", "&Apply", false);
    cmdHelp = CommandButton("cmdHelp", "&Help", false);
    connect(cmdOk, &QPushButton::clicked, this, [this] {
        Apply();
        close();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
    connect(cmdApply, &QPushButton::clicked, this, &TfrmSettings::Apply);
    connect(cmdHelp, &QPushButton::clicked, this, [this] {
        if (OnHelp) OnHelp(kHelpTopics[FPages->currentIndex()]);
    });

    auto* row = new QHBoxLayout;
    for (QPushButton* button : FRules->Buttons()) row->addWidget(button);
    row->addStretch();
    for (QPushButton* button : {cmdOk, cmdCancel, cmdApply, cmdHelp}) row->addWidget(button);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

QWidget* TfrmSettings::CreateGeneralPage()
{
    auto* page = new QWidget;
    auto* grpModes = new QGroupBox("Cursor mode");
    auto* modes = new QGridLayout(grpModes);
    FCurrentMode = new QButtonGroup(this);
    FInitialMode = new QButtonGroup(this);
    modes->addWidget(new QLabel("Current"), 0, 0);
    modes->addWidget(new QLabel("Initial"), 1, 0);
    for (int m = 0; m < 4; ++m) {
        auto* current = ToggleButton(QString("btnCrsMde") + kModeNames[m], kModeHints[m],
                                     Picture(kModePictures[m]));
        auto* initial = ToggleButton(QString("btnIniCrsMde") + kModeNames[m], kModeHints[m],
                                     Picture(kModePictures[m]));
        FCurrentMode->addButton(current, m);
        FInitialMode->addButton(initial, m);
        modes->addWidget(current, 0, m + 1);
        modes->addWidget(initial, 1, m + 1);
    }
    modes->setColumnStretch(5, 1);

    chkSound = NamedCheckBox("chkSound", "Sound signals?");
    chkAutoFit = NamedCheckBox("chkAutoFit", "Auto &fitting each generation?");
    chkSelReplace = NamedCheckBox("chkSelReplace", "\"Paste\" and \"Insert\" replace selection?",
                                  "Marked cells would be replaced with new ones");
    chkSelDrop = NamedCheckBox("chkSelDrop", "Drop selection before running?",
                               "Else the selection is frozen");
    spnRndTabSpars = NamedSpinner("RndTabSpars", 1, 100);
    chkConfirmNew = NamedCheckBox("chkConfirmNew", "Confirm preparing new empty universe");

    auto* sparseness = new QHBoxLayout;
    sparseness->addWidget(new QLabel("Random rules tables sparseness (%):"));
    sparseness->addWidget(spnRndTabSpars);
    sparseness->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grpModes);
    for (QWidget* w : {static_cast<QWidget*>(chkSound), static_cast<QWidget*>(chkAutoFit),
                       static_cast<QWidget*>(chkSelReplace), static_cast<QWidget*>(chkSelDrop)})
        layout->addWidget(w);
    layout->addLayout(sparseness);
    layout->addWidget(chkConfirmNew);
    layout->addStretch();
    return page;
}

QWidget* TfrmSettings::CreateBoardPage()
{
    auto* page = new QWidget;
    chkShowGrid = NamedCheckBox("chkShowGrid", "Show &grid");
    chkBoldLines = NamedCheckBox("chkBoldLines", "&Bold line every");
    spnBoldLines = NamedSpinner("BoldLines", 2, 1000);
    connect(chkBoldLines, &QCheckBox::toggled, this, [this] { FillColors(); });
    connect(spnBoldLines, &QSpinBox::valueChanged, this, [this] { FillColors(); });
    auto* grid = new QHBoxLayout;
    grid->addWidget(chkShowGrid);
    grid->addSpacing(16);
    grid->addWidget(chkBoldLines);
    grid->addWidget(spnBoldLines);
    grid->addWidget(new QLabel("cells"));
    grid->addStretch();

    auto* grpShape = new QGroupBox("Cell shape");
    auto* shapes = new QHBoxLayout(grpShape);
    FShapes = new QButtonGroup(this);
    const std::pair<const char*, const char*> shapeButtons[] = {{"btnShpBigSqr", "Big squares"},
                                                                {"btnShpSmlSqr", "Small squares"},
                                                                {"btnShpBigCir", "Circles"},
                                                                {"btnShpBigRtg", "Rectangles"}};
    for (int i = 0; i < 4; ++i) {
        auto* button = ToggleButton(shapeButtons[i].first, shapeButtons[i].second, {});
        button->setText(shapeButtons[i].second);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        FShapes->addButton(button, i + 1);
        shapes->addWidget(button);
    }
    shapes->addStretch();

    auto* grpSize = new QGroupBox("Cell size");
    auto* sizes = new QGridLayout(grpSize);
    FCellSizes = new QButtonGroup(this);
    for (size_t i = 0; i < kOfferedCellSizes.size(); ++i) {
        const int32_t size = kOfferedCellSizes[i];
        auto* button = NamedRadio(CellSizeName(size), QString::fromStdString(CellSizeText(size)));
        FCellSizes->addButton(button, int(i));
        sizes->addWidget(button, int(i) / 6, int(i) % 6);
    }
    cmbMaxCellBestFit = new QComboBox;
    cmbMaxCellBestFit->setObjectName("cmbMaxCellBestFit");
    cmbMaxCellBestFit->setEditable(true);
    cmbMaxCellBestFit->addItems({"7", "9", "11", "13", "15", "17"});
    auto* bestFit = new QHBoxLayout;
    bestFit->addWidget(new QLabel("Maximum cell size in Best Fit:"));
    bestFit->addWidget(cmbMaxCellBestFit);
    bestFit->addStretch();
    sizes->addLayout(bestFit, 3, 0, 1, 6);

    auto* grpBSize = new QGroupBox("Board size");
    auto* bsizes = new QGridLayout(grpBSize);
    FBoardSizes = new QButtonGroup(this);
    for (size_t i = 0; i < kBoardSizeChoices.size(); ++i) {
        const auto [w, h] = kBoardSizeChoices[i];
        const QString caption = QString("%1x%2").arg(w).arg(h);
        auto* button =
            NamedRadio(QString("rdiBSize%1").arg(w == h ? QString::number(w) : caption), caption);
        FBoardSizes->addButton(button, int(i));
        bsizes->addWidget(button, int(i) / 5, int(i) % 5);
    }
    rdiBSizeOther = NamedRadio("rdiBSizeOther", "&Other");
    FBoardSizes->addButton(rdiBSizeOther, int(kBoardSizeChoices.size()));
    fldBSizeOtherX = new QLineEdit;
    fldBSizeOtherX->setObjectName("fldBSizeOtherX");
    fldBSizeOtherX->setToolTip(QString("Max. %1").arg(TBoard::kMaxWidth));
    fldBSizeOtherY = new QLineEdit;
    fldBSizeOtherY->setObjectName("fldBSizeOtherY");
    fldBSizeOtherY->setToolTip(QString("Max. %1").arg(TBoard::kMaxHeight));
    for (QLineEdit* field : {fldBSizeOtherX, fldBSizeOtherY}) {
        field->setMaximumWidth(fontMetrics().horizontalAdvance("0000000") + 12);
        connect(field, &QLineEdit::textEdited, rdiBSizeOther,
                [this] { rdiBSizeOther->setChecked(true); });
    }
    auto* other = new QHBoxLayout;
    other->addWidget(rdiBSizeOther);
    other->addWidget(fldBSizeOtherX);
    other->addWidget(new QLabel("x"));
    other->addWidget(fldBSizeOtherY);
    other->addStretch();
    bsizes->addLayout(other, 2, 0, 1, 5);

    chkWrap = NamedCheckBox("chkWrap", "&Wrap at edges");
    chkOptSubzoomDraw = NamedCheckBox("chkOptSubzoomDraw", "Optimized &redrawing in subzooms",
                                      "Optimized redrawing is faster,\r\nbut results in a lower "
                                      "quality.");
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addWidget(grpShape);
    layout->addWidget(grpSize);
    layout->addWidget(grpBSize);
    layout->addWidget(chkWrap);
    layout->addWidget(chkOptSubzoomDraw);
    layout->addStretch();
    return page;
}

QWidget* TfrmSettings::CreateOpenSavePage()
{
    auto* page = new QWidget;
    auto* grpOpen = new QGroupBox("After loading a drawing");
    auto* open = new QVBoxLayout(grpOpen);
    FOpenAction = new QButtonGroup(this);
    const std::pair<const char*, const char*> actions[] = {
        {"rdiOpnAct_Non", "Keep current zoom and coordinates"},
        {"rdiOpnAct_Ctr", "Center the new drawing, preserve the zoom level"},
        {"rdiOpnAct_Fit", "Best fit - center and adjust zoom level"}};
    for (int i = 0; i < 3; ++i) {
        auto* button = NamedRadio(actions[i].first, actions[i].second);
        FOpenAction->addButton(button, i);
        open->addWidget(button);
    }

    auto* grpAssoc = new QGroupBox("File associations");
    lisAssociations = new QListWidget;
    lisAssociations->setObjectName("lisAssociations");
    for (const auto& [ext, description] : kAssociations)
        lisAssociations->addItem(QString(ext) + "\t" + description);
    // All eight entries in view.
    lisAssociations->setFixedHeight(lisAssociations->sizeHintForRow(0) * 8 +
                                    2 * lisAssociations->frameWidth());
    auto* cmdAssociate = CommandButton("cmdAssociate", "&Associate", false);
    connect(cmdAssociate, &QPushButton::clicked, this, [this] { Associate(); });
    auto* assoc = new QHBoxLayout(grpAssoc);
    assoc->addWidget(lisAssociations);
    assoc->addWidget(cmdAssociate, 0, Qt::AlignTop);

    spnNumMRUFil = NamedSpinner("NumMRUFil", 0, 30);
    auto* recent = new QHBoxLayout;
    recent->addWidget(new QLabel("Number of recent files on File meu:"));
    recent->addWidget(spnNumMRUFil);
    recent->addStretch();
    chkReloadLast = NamedCheckBox("chkReloadLast", "Reload last pattern at startup?");
    chkMakeBAK = NamedCheckBox("chkMakeBAK", "make .BAK copies?");
    chkOnlyTopRow1D = NamedCheckBox("chkOnlyTopRow1D", "Save only the top row in 1-dimensional CA");

    auto* grpSave = new QGroupBox("Save with pattern");
    auto* save = new QVBoxLayout(grpSave);
    chkSaveSpeed = NamedCheckBox("chkSaveSpeed", "Game &speed");
    chkSaveBSize = NamedCheckBox("chkSaveBSize", "&Board size");
    chkSaveWrap = NamedCheckBox("chkSaveWrap", "'&Wrap at edges' status");
    chkSaveCColors = NamedCheckBox("chkSaveCColors", "Count of colors");
    for (QCheckBox* box : {chkSaveSpeed, chkSaveBSize, chkSaveWrap, chkSaveCColors})
        save->addWidget(box);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grpOpen);
    layout->addWidget(grpAssoc);
    layout->addLayout(recent);
    layout->addWidget(chkReloadLast);
    layout->addWidget(chkMakeBAK);
    layout->addWidget(chkOnlyTopRow1D);
    layout->addWidget(grpSave);
    layout->addStretch();
    return page;
}

QWidget* TfrmSettings::CreateUndoPage()
{
    auto* page = new QWidget;
    auto* grpEvents = new QGroupBox("Events causing auto snapping to Undo:");
    auto* events = new QHBoxLayout(grpEvents);
    events->setSpacing(1);
    for (const auto& [event, hint] : kUndoButtons) {
        const size_t e = size_t(event);
        const std::optional<TPicture> picture = PictureByName(kUndoEvents[e].Icon);
        auto* button = ToggleButton(QString("btnUndo") + (kUndoEvents[e].Key + 6), hint,
                                    picture ? Picture(*picture) : QIcon());
        FUndoEvents[e] = button;
        events->addWidget(button);
    }
    events->addStretch();
    // Timed and counted snapping exclude each other.
    QAbstractButton* timed = FUndoEvents[size_t(TUndoEvent::Time)];
    QAbstractButton* counted = FUndoEvents[size_t(TUndoEvent::Cycles)];
    connect(timed, &QAbstractButton::toggled, counted, [counted](bool on) {
        if (on) counted->setChecked(false);
    });
    connect(counted, &QAbstractButton::toggled, timed, [timed](bool on) {
        if (on) timed->setChecked(false);
    });

    spnUndoTime = NamedSpinner("UndoTime", 30, 6000);
    spnUndoCycles = NamedSpinner("UndoCycles", 5, 10000);
    spnUndoSteps = NamedSpinner("UndoSteps", 0, 32767);
    spnUndoSteps->setSingleStep(10);
    fldUndoMaxCells = new QLineEdit;
    fldUndoMaxCells->setObjectName("fldUndoMaxCells");
    fldUndoMaxCells->setMaximumWidth(fontMetrics().horizontalAdvance("00000000000") + 12);
    chkUndoOn = NamedCheckBox("chkUndoOn", "Undo enabled");
    chkUndoResetOnNew =
        NamedCheckBox("chkUndoResetOnNew", "Reset Undo on starting/opening new patterns");

    auto* grid = new QGridLayout;
    auto row = [grid](int r, const QString& before, QWidget* field, const QString& after) {
        grid->addWidget(new QLabel(before), r, 0);
        grid->addWidget(field, r, 1);
        grid->addWidget(new QLabel(after), r, 2);
    };
    row(0, "Snap universe every ", spnUndoTime, "s");
    row(1, "Snap universe every ", spnUndoCycles, "cycles");
    row(2, "Max. Undo steps, 0 - unlimited:", spnUndoSteps, "");
    row(3, "Don't snap the universe if it has more than ", fldUndoMaxCells, "cells");
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grpEvents);
    layout->addLayout(grid);
    layout->addWidget(chkUndoOn);
    layout->addWidget(chkUndoResetOnNew);
    layout->addStretch();
    return page;
}

void TfrmSettings::ShowPage(int page)
{
    if (page >= 0 && page < kPageCount) FLastPage = page;
    FPages->setCurrentIndex(FLastPage);
    PageChanged();
    show();
    raise();
    activateWindow();
}

void TfrmSettings::Asking(const std::function<void()>& ask)
{
    ++FAsking;
    ask();
    // The activation that follows the question's window arrives after it has gone.
    QTimer::singleShot(0, this, [this] { --FAsking; });
}

bool TfrmSettings::event(QEvent* event)
{
    // Coming back from one of the dialog's own questions keeps what is being edited.
    if ((event->type() == QEvent::WindowActivate && FAsking == 0) ||
        event->type() == QEvent::Show) {
        FillGeneralPages();
        FRules->Load();
    }
    return QDialog::event(event);
}

// However it closes, unapplied rule edits are dropped.
void TfrmSettings::closeEvent(QCloseEvent* event)
{
    FRules->MarkForReload();
    QDialog::closeEvent(event);
}

void TfrmSettings::done(int result)
{
    FRules->MarkForReload();
    QDialog::done(result);
}

void TfrmSettings::PageChanged()
{
    FLastPage = FPages->currentIndex();
    const bool rules = FLastPage == pgRules;
    for (QPushButton* button : FRules->Buttons()) button->setVisible(rules);
}

void TfrmSettings::FillGeneralPages()
{
    const TGlobals& g = FTargets.Globals;
    const TWindowSettings& w = FTargets.Config.Window;
    const TViewSettings& v = FTargets.View.Settings();
    chkSound->setChecked(FTargets.SoundOn);
    chkSelReplace->setChecked(w.SelReplace);
    chkSelDrop->setChecked(g.Run.DropSelection);
    spnRndTabSpars->setValue(w.RndTabSparseness);
    chkConfirmNew->setChecked(w.ConfirmNew);
    chkBoldLines->setChecked(v.ShowBoldLines);
    spnBoldLines->setValue(v.BoldLinesStep);
    chkAutoFit->setChecked(g.Life.AutoFit);
    chkMakeBAK->setChecked(FTargets.Save.MakeBackup);
    chkReloadLast->setChecked(w.ReloadLast);
    chkOnlyTopRow1D->setChecked(FTargets.Save.OnlyTopRow1D);
    spnNumMRUFil->setValue(g.Document.Recent.Limit());
    cmbMaxCellBestFit->setEditText(QString::number(v.MaxBestFitCellSize));
    chkShowGrid->setChecked(v.ShowGrid);
    chkWrap->setChecked(g.Board.Wrap());
    chkOptSubzoomDraw->setChecked(v.OptSubzoomRedraw);
    FRules->SetSymmetry(w.WLifeSymmetry);

    const TUndoSettings& u = g.Undo.Settings();
    chkUndoOn->setChecked(u.IsOn);
    chkUndoResetOnNew->setChecked(u.ResetOnNew);
    spnUndoSteps->setValue(u.MaxSteps);
    fldUndoMaxCells->setText(QString::number(u.MaxCells));
    spnUndoTime->setValue(u.SnapTime);
    spnUndoCycles->setValue(u.SnapCycles);
    for (size_t e = 0; e < FUndoEvents.size(); ++e)
        if (FUndoEvents[e]) FUndoEvents[e]->setChecked(u.Events[e]);

    const TCPalette& colors = g.Palette.Colors;
    for (int i = 0; i < kPaletteColors; ++i) FColorPanels[size_t(i)]->SetColor(colors.Color(i));
    for (size_t i = 0; i < FGenPanels.size(); ++i) {
        FGenPanels[i]->SetColor(w.GenColors[i]);
        FGenStates[i]->setText(QString::number(w.GenColorStates[i]));
    }

    Check(FCurrentMode, FTargets.Mouse.CursorMode());
    Check(FInitialMode, w.InitialCursorMode);
    const int preset = BoardSizeChoice(g.Board.Width(), g.Board.Height());
    Check(FBoardSizes, preset >= 0 ? preset : int(kBoardSizeChoices.size()));
    fldBSizeOtherX->setText(QString::number(g.Board.Width()));
    fldBSizeOtherY->setText(QString::number(g.Board.Height()));
    const int32_t size = OfferedCellSize(v.CellSize);
    Check(FCellSizes, int(std::ranges::find(kOfferedCellSizes, size) - kOfferedCellSizes.begin()));
    Check(FShapes, v.CellShape);
    Check(FOpenAction, w.OpenAction == 0 || w.OpenAction == 2 ? w.OpenAction : 1);
    const TSaveOptions& s = FTargets.Save;
    chkSaveSpeed->setChecked(s.Speed);
    chkSaveBSize->setChecked(s.BoardSize);
    chkSaveWrap->setChecked(s.Wrap);
    chkSaveCColors->setChecked(s.StatesCount);
    FillColors();
    PageChanged();
}

void TfrmSettings::Apply()
{
    TGlobals& g = FTargets.Globals;
    TWindowSettings& w = FTargets.Config.Window;
    FTargets.SoundOn = w.Sound = chkSound->isChecked();
    w.SelReplace = chkSelReplace->isChecked();
    g.Run.DropSelection = w.SelDrop = chkSelDrop->isChecked();
    w.RndTabSparseness = spnRndTabSpars->value();
    w.ConfirmNew = chkConfirmNew->isChecked();

    TViewSettings v = FTargets.View.Settings();
    v.ShowBoldLines = chkBoldLines->isChecked();
    v.BoldLinesStep = spnBoldLines->value();
    g.Life.AutoFit = w.AutoFit = chkAutoFit->isChecked();
    FTargets.Save.MakeBackup = chkMakeBAK->isChecked();
    w.ReloadLast = chkReloadLast->isChecked();
    FTargets.Save.OnlyTopRow1D = chkOnlyTopRow1D->isChecked();
    w.NumRecentFiles = spnNumMRUFil->value();
    g.Document.Recent.SetLimit(w.NumRecentFiles);
    v.MaxBestFitCellSize =
        CheckBestFitCellSize(SafeInt(cmbMaxCellBestFit->currentText().toStdString()));
    v.ShowGrid = chkShowGrid->isChecked();
    g.Board.SetWrap(chkWrap->isChecked());
    v.OptSubzoomRedraw = chkOptSubzoomDraw->isChecked();

    TUndoSettings u = g.Undo.Settings();
    u.IsOn = chkUndoOn->isChecked();
    u.ResetOnNew = chkUndoResetOnNew->isChecked();
    u.MaxSteps = spnUndoSteps->value();
    u.MaxCells = FieldInt(fldUndoMaxCells);
    u.SnapTime = spnUndoTime->value();
    u.SnapCycles = spnUndoCycles->value();
    for (size_t e = 0; e < FUndoEvents.size(); ++e)
        if (FUndoEvents[e]) u.Events[e] = FUndoEvents[e]->isChecked();
    g.Undo.SetSettings(u);

    ApplyColors();
    FRules->ApplyRules();

    const int mode = FCurrentMode->checkedId();
    if (FTargets.SetCursorMode) FTargets.SetCursorMode(uint8_t(mode >= 0 ? mode : cmPan));
    const int initial = FInitialMode->checkedId();
    w.InitialCursorMode = initial >= 0 ? initial : cmPan;

    const int preset = FBoardSizes->checkedId();
    if (preset >= 0 && preset < int(kBoardSizeChoices.size()))
        g.Board.SetSize(kBoardSizeChoices[size_t(preset)].Width,
                        kBoardSizeChoices[size_t(preset)].Height);
    else if (rdiBSizeOther->isChecked())
        g.Board.SetSize(FieldInt(fldBSizeOtherX), FieldInt(fldBSizeOtherY));

    const int sizeIndex = FCellSizes->checkedId();
    const int32_t size = sizeIndex >= 0 ? kOfferedCellSizes[size_t(sizeIndex)] : kMaxCellSize;
    const int shape = FShapes->checkedId();
    v.CellShape = shape == 1 || shape == 3 || shape == 4 ? shape : 2;
    FTargets.View.ApplySettings(v);
    FTargets.View.SetCellSize(size);

    const int action = FOpenAction->checkedId();
    w.OpenAction = action == 0 || action == 2 ? action : 1;
    TSaveOptions& s = FTargets.Save;
    s.Speed = chkSaveSpeed->isChecked();
    s.BoardSize = chkSaveBSize->isChecked();
    s.Wrap = chkSaveWrap->isChecked();
    s.StatesCount = chkSaveCColors->isChecked();

    FTargets.View.Redraw(rdAll);
    if (OnApplied) OnApplied();
}

void TfrmSettings::Associate()
{
    if (!lisAssociations->currentItem()) return;
    RegisterFileTypes(QCoreApplication::applicationFilePath(),
                      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                      AssociationExtensions(lisAssociations->currentItem()->text()));
}
