// The main window's toolbars, board area and status bar.

#include "ui/u_Main.h"

#include "ui/u_BoardWidget.h"
#include "ui/u_Pictures.h"
#include "ui/u_SettingsDialog.h"
#include "ui/u_StatusBar.h"
#include "view/u_BoardMouse.h"
#include "view/u_BoardView.h"

#include <QGridLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

namespace {

// Right-button presses on a toolbar button open a menu at the pointer.
class TRightPressMenu : public QObject {
public:
    TRightPressMenu(QWidget* widget, QMenu* menu) : QObject(widget), FMenu(menu)
    {
        widget->installEventFilter(this);
        // The press's context-menu event must not reach the window, whose toolbar menu would
        // open over this one.
        widget->setContextMenuPolicy(Qt::PreventContextMenu);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress) return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton) return false;
        FMenu->popup(mouse->globalPosition().toPoint());
        return true;
    }

private:
    QMenu* FMenu;
};

} // namespace

QToolBar* TfrmMain::AddToolbar(const char* name, const QString& title, Qt::ToolBarArea area,
                               const std::vector<const char*>& commands)
{
    auto* bar = new QToolBar(title, this);
    bar->setObjectName(name);
    bar->setIconSize(QSize(20, 20));
    for (const char* command : commands) bar->addAction(Command(command));
    addToolBar(area, bar);
    return bar;
}

QToolButton* TfrmMain::DropDownButton(QToolBar* bar, const char* name, const QString& hint,
                                      QMenu* menu)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    bar->addWidget(button);
    return button;
}

void TfrmMain::CreateToolbars()
{
    // The toolbar buttons' hints.
    static const char* const kHints[][2] = {{"cmdNew", "New"},
                                            {"cmdRandom", "Randomize / seed"},
                                            {"cmdFileOpen", "Open"},
                                            {"cmdFileInsert", "Insert"},
                                            {"cmdSave", "Save"},
                                            {"cmdSaveAs", "Save as..."},
                                            {"cmdStatistics", "Statistics"},
                                            {"cmdZoomBestFit", "Best fit"},
                                            {"cmdRedraw", "Redraw"},
                                            {"cmdModePan", "Panning mode"},
                                            {"cmdModeZoom", "Zooming mode"},
                                            {"cmdRunOnce", "Perform one cycle"},
                                            {"cmdUndo", "Undo last action"},
                                            {"cmdUndoToCycle", "Undo to cycle n"},
                                            {"cmdUndoAddManually", "Add this state to Undo"},
                                            {"cmdRedo", "Redo"},
                                            {"cmdRunNCycles", "Run n/to n cycle(s)..."},
                                            {"cmdModeEdit", "Editing mode"},
                                            {"cmdModeMark", "Marking mode"},
                                            {"cmdSelFill", "Fill selection"},
                                            {"cmdSelClear", "Clear selection"},
                                            {"cmdSelInvert", "Invert selection"},
                                            {"cmdSelRect", "Rectangle around selection"},
                                            {"cmdSelRotate90", "Rotate selection +90°"},
                                            {"cmdSelMirrorV", "Mirror selection vertically"},
                                            {"cmdSelMirrorH", "Mirror selection horizontally"},
                                            {"cmdSelRotate270", "Rotate selection -90°"},
                                            {"cmdSettings", "Settings"},
                                            {"cmdColorsBar", "Show the colors bar"}};
    for (const auto& hint : kHints) Command(hint[0])->setToolTip(tr(hint[1]));
    static const std::pair<const char*, TPicture> kPictures[] = {
        {"cmdNew", TPicture::New},
        {"cmdRandom", TPicture::Randomize},
        {"cmdFileOpen", TPicture::Open},
        {"cmdFileInsert", TPicture::Insert},
        {"cmdSave", TPicture::Save},
        {"cmdSaveAs", TPicture::SaveAs},
        {"cmdPatternDescription", TPicture::Description},
        {"cmdStatistics", TPicture::Statistics},
        {"cmdZoomIn", TPicture::ZoomIn},
        {"cmdZoomOut", TPicture::ZoomOut},
        {"cmdZoomBestFit", TPicture::BestFit},
        {"cmdRedraw", TPicture::Redraw},
        {"cmdModePan", TPicture::ModePan},
        {"cmdModeZoom", TPicture::ModeZoom},
        {"cmdRunOnce", TPicture::RunOnce},
        {"cmdRunOnce1", TPicture::RunOnce},
        {"cmdRun", TPicture::Run},
        {"cmdUndo", TPicture::Undo},
        {"cmdRunFaster", TPicture::RunFaster},
        {"cmdRunSlower", TPicture::RunSlower},
        {"cmdUndoToCycle", TPicture::UndoToCycle},
        {"cmdUndoAddManually", TPicture::UndoAdd},
        {"cmdRedo", TPicture::Redo},
        {"cmdRunNCycles", TPicture::RunNCycles},
        {"cmdRecord", TPicture::Record},
        {"cmdModeEdit", TPicture::ModeEdit},
        {"cmdModeMark", TPicture::ModeMark},
        {"cmdSelFill", TPicture::SelFill},
        {"cmdSelClear", TPicture::SelClear},
        {"cmdSelInvert", TPicture::SelInvert},
        {"cmdSelRect", TPicture::SelRect},
        {"cmdSelRotate90", TPicture::SelRotate90},
        {"cmdSelMirrorV", TPicture::SelMirrorV},
        {"cmdSelMirrorH", TPicture::SelMirrorH},
        {"cmdSelRotate270", TPicture::SelRotate270},
        {"cmdSettings", TPicture::Settings},
        {"cmdColorsBar", TPicture::ColorsBar},
        {"cmdModeCPik", TPicture::ColorPicker},
        {"cmdHelp", TPicture::Help},
        {"cmdAbout", TPicture::About},
        {"cmdExit", TPicture::Exit}};
    for (const auto& [name, picture] : kPictures) Command(name)->setIcon(Picture(picture));

    QToolBar* standard =
        AddToolbar("tlbStandard", tr("Standard"), Qt::TopToolBarArea,
                   {"cmdNew", "cmdRandom", "cmdFileOpen", "cmdFileInsert", "cmdSave", "cmdSaveAs",
                    "cmdPatternDescription", "cmdStatistics"});
    QToolBar* animation = AddToolbar("tlbAnimation", tr("Animation"), Qt::TopToolBarArea,
                                     {"cmdRunOnce", "cmdRun", "cmdUndo", "cmdRunFaster",
                                      "cmdRunSlower", "cmdUndoToCycle", "cmdUndoAddManually"});
    QToolButton* speed =
        DropDownButton(animation, "btnSpeedSelect", tr("Select the speed"), popSpeed);
    speed->setIcon(Picture(TPicture::Speed));
    for (const char* name : {"cmdRedo", "cmdRunNCycles", "cmdRecord"})
        animation->addAction(Command(name));
    QToolBar* view = AddToolbar(
        "tlbView", tr("View"), Qt::TopToolBarArea,
        {"cmdZoomIn", "cmdZoomOut", "cmdZoomBestFit", "cmdRedraw", "cmdModePan", "cmdModeZoom"});
    QToolButton* cellSize =
        DropDownButton(view, "btnCellSize", tr("Select the cell size"), popCellSize);
    cellSize->setIcon(Picture(TPicture::CellSize));
    QToolBar* edit = AddToolbar("tlbEdit", tr("Edit"), Qt::BottomToolBarArea,
                                {"cmdModeEdit", "cmdModeMark", "cmdSelFill", "cmdSelClear",
                                 "cmdSelInvert", "cmdSelRect", "cmdSelRotate90", "cmdSelMirrorV",
                                 "cmdSelMirrorH", "cmdSelRotate270"});
    QToolBar* settings =
        AddToolbar("tlbSettings", tr("Settings"), Qt::BottomToolBarArea, {"cmdSettings"});
    auto* shape = new QToolButton(settings);
    shape->setObjectName("btnCellShape");
    shape->setDefaultAction(Command("cmdCellShape"));
    shape->setToolTip(tr("Shape of cells"));
    shape->setMenu(popShapes);
    shape->setPopupMode(QToolButton::MenuButtonPopup);
    settings->addWidget(shape);
    settings->addAction(Command("cmdColorsBar"));
    FToolbars = {standard, animation, view, edit, settings};

    // Toolbar buttons carry the names their commands are known by in the toolbars.
    static const char* const kButtonNames[][2] = {
        {"cmdRunOnce", "btnOneCycle"},      {"cmdRun", "btnRun"},
        {"cmdRunNCycles", "btnRunNCycles"}, {"cmdRunFaster", "btnRunFaster"},
        {"cmdRunSlower", "btnRunSlower"},   {"cmdZoomIn", "btnCellBigger"},
        {"cmdZoomOut", "btnCellSmaller"}};
    for (const auto& [command, button] : kButtonNames)
        for (QToolBar* bar : FToolbars)
            if (QWidget* widget = bar->widgetForAction(Command(command)))
                widget->setObjectName(button);

    // A right-button press on the zoom or speed buttons opens their menu at the pointer.
    for (const char* name : {"btnCellBigger", "btnCellSmaller"})
        new TRightPressMenu(findChild<QWidget*>(name), popCellSize);
    new TRightPressMenu(cellSize, popCellSize);
    for (const char* name : {"btnRunFaster", "btnRunSlower"})
        new TRightPressMenu(findChild<QWidget*>(name), popSpeed);
    new TRightPressMenu(speed, popSpeed);

    const char* const toggles[] = {"cmdViewTlbStd", "cmdViewTlbAnim", "cmdViewTlbView",
                                   "cmdViewTlbEdit", "cmdViewTlbSet"};
    const char* const toggleCaptions[] = {"\"&Standard\" toolbar", "\"Animation\" toolbar",
                                          "\"View\" toolbar", "\"Edit\" toolbar",
                                          "\"Se&ttings\" toolbar"};
    for (size_t i = 0; i < FToolbars.size(); ++i) {
        QAction* toggle = FToolbars[i]->toggleViewAction();
        toggle->setObjectName(toggles[i]);
        toggle->setText(tr(toggleCaptions[i]));
    }
}

void TfrmMain::CreateBoardArea()
{
    auto* area = new QWidget(this);
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    pbBoard = new TBoardWidget(*FView, area);
    pbBoard->setObjectName("pbBoard");
    pbBoard->SetMouse(FMouse.get());
    sbHorizontal = new QScrollBar(Qt::Horizontal, area);
    sbHorizontal->setObjectName("sbHorizontal");
    sbVertical = new QScrollBar(Qt::Vertical, area);
    sbVertical->setObjectName("sbVertical");
    // The keys belong to the board, never to its scroll bars.
    sbHorizontal->setFocusPolicy(Qt::NoFocus);
    sbVertical->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(pbBoard, 0, 0);
    layout->addWidget(sbVertical, 0, 1);
    layout->addWidget(sbHorizontal, 1, 0);
    setCentralWidget(area);
    connect(sbHorizontal, &QScrollBar::valueChanged, this,
            [this](int x) { ScrollTo(x, FView->ViewTop()); });
    connect(sbVertical, &QScrollBar::valueChanged, this,
            [this](int y) { ScrollTo(FView->ViewLeft(), y); });
    connect(pbBoard, &TBoardWidget::PopupRequested, this,
            [this](QPoint at) { popBoard->popup(at); });
    connect(pbBoard, &TBoardWidget::PointerMoved, this, [this](QPoint pixel) {
        sttBar->ShowCoordinates(
            QString::fromStdString(FMouse->CoordinatesText({pixel.x(), pixel.y()})));
    });
}

void TfrmMain::CreateStatusBar()
{
    sttBar = new TMainStatusBar(this);
    setStatusBar(sttBar);
    connect(sttBar->sttFldGame, &TStatusField::RightPressed, this,
            [this](QPoint at) { popGames->popup(at); });
    connect(sttBar->sttFldSpeed, &TStatusField::RightPressed, this,
            [this](QPoint at) { popSpeed->popup(at); });
    connect(sttBar->sttFldRules, &TStatusField::RightPressed, this,
            [this](QPoint at) { ShowRulesPopup(at); });
    for (TStatusField* field : {sttBar->sttFldGame, sttBar->sttFldRules})
        connect(field, &TStatusField::DoubleClicked, this,
                [this] { ShowSettings(TfrmSettings::pgRules); });
    connect(sttBar->sttFldBoard, &TStatusField::DoubleClicked, this,
            [this] { ShowSettings(TfrmSettings::pgBoard); });
}
