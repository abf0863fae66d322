#include "ui/u_RandomDialog.h"

#include "base/u_Text.h"
#include "engine/u_Globals.h"
#include "ui/u_DialogButtons.h"
#include "ui/u_FileFilters.h"
#include "view/u_BoardView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using S = TRandomSettings;

constexpr const char* kHelpTopic = "ID_RANDOMIZING";
constexpr const char* kSetFilter = "Randomizing set|*.rnd";
constexpr const char* kSetFolder = "System/Random/";
constexpr int kDensities[] = {5, 10, 15, 20, 25, 30, 33, 40, 50, 60, 80, 90, 100};
constexpr int kDensityColumns = 4;
constexpr int kOtherDensityId = 0;
constexpr int kSelectionId = 0;
// Room for any int32 with its sign.
constexpr int kFieldChars = 11;
// What a field usually holds; wider numbers scroll.
constexpr int kShownChars = 6;

QString FromText(const std::string& text)
{
    return QString::fromStdString(text);
}

int32_t FieldValue(const QLineEdit* field)
{
    const std::string text = field->text().toStdString();
    return SafeInt(Trim(text));
}

void SetField(QLineEdit* field, int32_t value)
{
    field->setText(QString::number(value));
}

} // namespace

TfrmRandomPtt::TfrmRandomPtt(TGlobals& globals, TRandomSettings& settings, TInOut& inOut,
                             const TBoardView& view, QWidget* parent)
    : QDialog(parent), FGlobals(globals), FSettings(settings), FView(view), FFill(globals, inOut)
{
    setObjectName("frmRandomPtt");
    setWindowTitle("Randomize / seed");
    setModal(false);

    pgeWhat = new QTabWidget;
    pgeWhat->setObjectName("pgeWhat");
    FRectanglePage = RectanglePage();
    FCirclePage = CirclePage();
    pgeWhat->addTab(FRectanglePage, "Rectangle");
    pgeWhat->addTab(FCirclePage, "Circle");
    chkInterior = new QCheckBox("Interior");
    chkInterior->setObjectName("chkInterior");

    auto* cmdGenerate = CommandButton("cmdGenerate", "&Generate", true);
    auto* cmdClose = CommandButton("cmdClose", "&Close", false);
    cmdHelp = CommandButton("cmdHelp", "&Help", false);
    connect(cmdGenerate, &QPushButton::clicked, this, &TfrmRandomPtt::GenerateClick);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    ConnectHelp(cmdHelp, OnHelp, kHelpTopic);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cmdGenerate);
    buttonRow->addWidget(cmdClose);
    buttonRow->addWidget(cmdHelp);

    auto* left = new QVBoxLayout;
    left->addWidget(DensityGroup());
    left->addWidget(ActionGroup());
    left->addWidget(PresetsGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(ModeGroup());
    right->addWidget(pgeWhat);
    right->addWidget(chkInterior);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);

    auto* form = new QVBoxLayout(this);
    form->addLayout(columns);
    form->addLayout(buttonRow);
    setFixedSize(sizeHint());

    AskSaveFile = [this](const QString& folder) {
        QFileDialog dialog(this, "Save as", folder);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(DialogFilters(kSetFilter));
        dialog.setDefaultSuffix("rnd");
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
}

QGroupBox* TfrmRandomPtt::DensityGroup()
{
    grpDensity = new QGroupBox("Randomizing density");
    grpDensity->setObjectName("grpDensity");
    FDensities = new QButtonGroup(this);
    auto* grid = new QGridLayout(grpDensity);
    int index = 0;
    for (int percent : kDensities) {
        const QString text = QString::number(percent) + "%";
        auto* button = NamedRadio(qPrintable("rdiRnd" + QString::number(percent)), text);
        FDensities->addButton(button, percent);
        grid->addWidget(button, index / kDensityColumns, index % kDensityColumns);
        ++index;
    }
    rdiRndOther = NamedRadio("rdiRndOther", "Other %:");
    FDensities->addButton(rdiRndOther, kOtherDensityId);
    spnRndOther = new QSpinBox;
    spnRndOther->setObjectName("spnRndOther");
    spnRndOther->setRange(1, 99);
    spnRndOther->setValue(55);
    auto* otherRow = new QHBoxLayout;
    otherRow->addWidget(rdiRndOther);
    otherRow->addWidget(spnRndOther);
    otherRow->addStretch();
    // "Other %:" follows the last percentage on its row.
    grid->addLayout(otherRow, index / kDensityColumns, index % kDensityColumns, 1,
                    kDensityColumns - index % kDensityColumns);
    return grpDensity;
}

QGroupBox* TfrmRandomPtt::ActionGroup()
{
    auto* grpAction = new QGroupBox("Action");
    grpAction->setObjectName("grpAction");
    rdiClears = NamedRadio("rdiClears", "Clear the universe before seeding/randomizing");
    rdiAdds = NamedRadio("rdiAdds", "Add new cells to the current universe");
    auto* box = new QVBoxLayout(grpAction);
    box->addWidget(rdiClears);
    box->addWidget(rdiAdds);
    return grpAction;
}

QGroupBox* TfrmRandomPtt::ModeGroup()
{
    auto* grpMode = new QGroupBox("Mode");
    grpMode->setObjectName("grpMode");
    rdiColor = NamedRadio("rdiColor", "Color, all states");
    chkUniform = new QCheckBox("Uniform (with 'zero' state)");
    chkUniform->setObjectName("chkUniform");
    rdiMono = NamedRadio("rdiMono", "Mono, one state");
    spnRandomMonoState = new QSpinBox;
    spnRandomMonoState->setObjectName("spnRandomMonoState");
    rdiSeed = NamedRadio("rdiSeed", "Seed using pattern:");
    cmbSeedFile = new QComboBox;
    cmbSeedFile->setObjectName("cmbSeedFile");
    cmbSeedFile->setEditable(true);
    cmbSeedFile->setInsertPolicy(QComboBox::NoInsert);
    cmbSeedFile->setMinimumContentsLength(16);
    cmbSeedFile->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* modes = new QButtonGroup(this);
    modes->addButton(rdiColor);
    modes->addButton(rdiMono);
    modes->addButton(rdiSeed);
    connect(modes, &QButtonGroup::buttonToggled, this, &TfrmRandomPtt::UpdateEnabling);
    connect(chkUniform, &QCheckBox::clicked, this, [this] {
        rdiColor->setChecked(true);
        UpdateEnabling();
    });
    connect(cmbSeedFile, &QComboBox::activated, rdiSeed, [this] { rdiSeed->setChecked(true); });
    connect(cmbSeedFile->lineEdit(), &QLineEdit::textEdited, rdiSeed,
            [this] { rdiSeed->setChecked(true); });

    auto* grid = new QGridLayout(grpMode);
    grid->addWidget(rdiColor, 0, 0);
    grid->addWidget(chkUniform, 0, 1);
    grid->addWidget(rdiMono, 1, 0);
    grid->addWidget(spnRandomMonoState, 1, 1, Qt::AlignLeft);
    grid->addWidget(rdiSeed, 2, 0);
    grid->addWidget(cmbSeedFile, 2, 1);
    grid->setColumnStretch(1, 1);
    return grpMode;
}

QLineEdit* TfrmRandomPtt::NumberField(const char* name, QRadioButton* choice)
{
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setMaxLength(kFieldChars);
    field->setFixedWidth(fontMetrics().horizontalAdvance(QString(kShownChars, '0')) + 12);
    // Only the person's typing makes the choice, not the values the dialog puts in.
    if (choice)
        connect(field, &QLineEdit::textEdited, choice, [choice] { choice->setChecked(true); });
    return field;
}

QWidget* TfrmRandomPtt::RectanglePage()
{
    auto* page = new QWidget;
    FKinds = new QButtonGroup(this);
    rdiRtgAll = NamedRadio("rdiRtgAll", "The whole universe");
    rdiRtgVisible = NamedRadio("rdiRtgVisible", "Visible universe");
    rdiRtgRect = NamedRadio("rdiRtgRect", "Rectangle:");
    rdiRtgArea = NamedRadio("rdiRtgArea", "Area:");
    rdiRtgSelection = NamedRadio("rdiRtgSelection", "Selection");
    FKinds->addButton(rdiRtgAll, S::rkUniverse);
    FKinds->addButton(rdiRtgVisible, S::rkVisible);
    FKinds->addButton(rdiRtgRect, S::rkCentred);
    FKinds->addButton(rdiRtgArea, S::rkArea);
    FKinds->addButton(rdiRtgSelection, kSelectionId);

    fldRectX = NumberField("fldRectX", rdiRtgRect);
    fldRectY = NumberField("fldRectY", rdiRtgRect);
    fldAreaX1 = NumberField("fldAreaX1", rdiRtgArea);
    fldAreaY1 = NumberField("fldAreaY1", rdiRtgArea);
    fldAreaX2 = NumberField("fldAreaX2", rdiRtgArea);
    fldAreaY2 = NumberField("fldAreaY2", rdiRtgArea);
    auto* lblRectBy = new QLabel("x");
    auto* lblAreaComma1 = new QLabel(",");
    auto* lblAreaComma2 = new QLabel(",");
    FSecondAxis = {fldRectY, fldAreaY1, fldAreaY2, lblRectBy, lblAreaComma1, lblAreaComma2};

    auto* grid = new QGridLayout(page);
    grid->addWidget(rdiRtgAll, 0, 0, 1, 4);
    grid->addWidget(rdiRtgVisible, 1, 0, 1, 4);
    grid->addWidget(rdiRtgRect, 2, 0);
    grid->addWidget(fldRectX, 2, 1);
    grid->addWidget(lblRectBy, 2, 2, Qt::AlignCenter);
    grid->addWidget(fldRectY, 2, 3);
    grid->addWidget(rdiRtgArea, 3, 0);
    grid->addWidget(fldAreaX1, 3, 1);
    grid->addWidget(lblAreaComma1, 3, 2, Qt::AlignCenter);
    grid->addWidget(fldAreaY1, 3, 3);
    grid->addWidget(new QLabel("to"), 4, 0, Qt::AlignRight);
    grid->addWidget(fldAreaX2, 4, 1);
    grid->addWidget(lblAreaComma2, 4, 2, Qt::AlignCenter);
    grid->addWidget(fldAreaY2, 4, 3);
    grid->addWidget(rdiRtgSelection, 5, 0, 1, 4);
    grid->setColumnStretch(4, 1);
    return page;
}

QWidget* TfrmRandomPtt::CirclePage()
{
    auto* page = new QWidget;
    fldCircleX = NumberField("fldCircleX", nullptr);
    fldCircleY = NumberField("fldCircleY", nullptr);
    fldCircleRdi = NumberField("fldCircleRdi", nullptr);
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel("Center point:"), 0, 0);
    grid->addWidget(fldCircleX, 0, 1);
    grid->addWidget(new QLabel(","), 0, 2, Qt::AlignCenter);
    grid->addWidget(fldCircleY, 0, 3);
    grid->addWidget(new QLabel("Radius:"), 1, 0);
    grid->addWidget(fldCircleRdi, 1, 1);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(2, 1);
    return page;
}

QGroupBox* TfrmRandomPtt::PresetsGroup()
{
    auto* grpPresets = new QGroupBox("Randomizing presets");
    grpPresets->setObjectName("grpPresets");
    cmbSelSet = new QComboBox;
    cmbSelSet->setObjectName("cmbSelSet");
    cmbSelSet->setEditable(true);
    cmbSelSet->setInsertPolicy(QComboBox::NoInsert);
    cmbSelSet->setMinimumContentsLength(16);
    cmbSelSet->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* btnUse = CommandButton("btnUse", "&Use", false);
    auto* btnSaveAs = CommandButton("btnSaveAs", "Save as...", false);
    connect(btnUse, &QPushButton::clicked, this, &TfrmRandomPtt::UseClick);
    connect(btnSaveAs, &QPushButton::clicked, this, &TfrmRandomPtt::SaveAsClick);
    auto* row = new QHBoxLayout(grpPresets);
    row->addWidget(cmbSelSet, 1);
    row->addWidget(btnUse);
    row->addWidget(btnSaveAs);
    return grpPresets;
}

void TfrmRandomPtt::Open()
{
    cmdHelp->setEnabled(static_cast<bool>(OnHelp));
    ShowSettings();
    show();
    raise();
    activateWindow();
}

void TfrmRandomPtt::Generate()
{
    const TRect visible{FView.ViewLeft(), FView.ViewTop(), FView.ViewLeft() + FView.ViewCols() - 1,
                        FView.ViewTop() + FView.ViewRows() - 1};
    FFill.Generate(FSettings, visible);
}

bool TfrmRandomPtt::event(QEvent* event)
{
    // The game and the selection may have changed while the board had the focus.
    if (event->type() == QEvent::WindowActivate) ShowContext();
    return QDialog::event(event);
}

void TfrmRandomPtt::hideEvent(QHideEvent* event)
{
    StoreSettings();
    QDialog::hideEvent(event);
}

void TfrmRandomPtt::ShowSettings()
{
    const S& s = FSettings;
    if (QAbstractButton* density =
            s.Density != kOtherDensityId ? FDensities->button(s.Density) : nullptr)
        density->setChecked(true);
    else {
        rdiRndOther->setChecked(true);
        spnRndOther->setValue(s.Density);
    }
    (s.FillClears ? rdiClears : rdiAdds)->setChecked(true);
    (s.Mode == S::rmMono ? rdiMono : s.Mode == S::rmSeed ? rdiSeed : rdiColor)->setChecked(true);
    chkUniform->setChecked(s.FillUniform);
    spnRandomMonoState->setMaximum(FGlobals.Board.StatesCount() - 1);
    spnRandomMonoState->setValue(s.FillColor);

    cmbSeedFile->clear();
    for (const std::string& name : ListSeedFiles(FGlobals.ProgramFolder))
        cmbSeedFile->addItem(FromText(name));
    cmbSeedFile->setEditText(FromText(s.SeedFile()));

    pgeWhat->setCurrentWidget(s.Shape == S::rsCircle ? FCirclePage : FRectanglePage);
    QAbstractButton* kind = s.RectKind != kSelectionId ? FKinds->button(s.RectKind) : nullptr;
    (kind ? kind : rdiRtgRect)->setChecked(true);
    SetField(fldRectX, s.RectX);
    SetField(fldRectY, s.RectY);
    SetField(fldAreaX1, s.AreaX1);
    SetField(fldAreaY1, s.AreaY1);
    SetField(fldAreaX2, s.AreaX2);
    SetField(fldAreaY2, s.AreaY2);
    SetField(fldCircleX, s.CircleX);
    SetField(fldCircleY, s.CircleY);
    SetField(fldCircleRdi, s.CircleRadius);
    chkInterior->setChecked(s.Interior);

    FillSetList();
    ShowContext();
}

void TfrmRandomPtt::ShowContext()
{
    const bool oneRow = FGlobals.Life.Dimension() == 1;
    rdiRtgRect->setText(oneRow ? "Line:" : "Rectangle:");
    rdiRtgArea->setText(oneRow ? "Range:" : "Area:");
    for (QWidget* widget : FSecondAxis) widget->setVisible(!oneRow);
    spnRandomMonoState->setMaximum(FGlobals.Board.StatesCount() - 1);

    if (FGlobals.Selection.Active()) {
        rdiRtgSelection->setChecked(true);
        pgeWhat->setCurrentWidget(FRectanglePage);
    } else if (rdiRtgSelection->isChecked()) {
        rdiRtgRect->setChecked(true);
    }
    UpdateEnabling();
}

void TfrmRandomPtt::UpdateEnabling()
{
    const bool seed = rdiSeed->isChecked();
    const bool selection = FGlobals.Selection.Active();
    grpDensity->setEnabled(!seed && !(rdiColor->isChecked() && chkUniform->isChecked()));
    pgeWhat->setEnabled(!seed);
    // A selection is filled as it is: of the pages only its own choice stays.
    pgeWhat->tabBar()->setEnabled(!selection);
    FCirclePage->setEnabled(!selection);
    for (QObject* child : FRectanglePage->children())
        if (auto* widget = qobject_cast<QWidget*>(child)) widget->setEnabled(!selection);
    rdiRtgSelection->setEnabled(selection);
}

void TfrmRandomPtt::FillSetList()
{
    const QString text = cmbSelSet->currentText();
    cmbSelSet->clear();
    const std::vector<std::string> names = ListRandomSets(FGlobals.ProgramFolder);
    for (const std::string& name : names) cmbSelSet->addItem(FromText(name));
    const bool none = names.size() == 1 && names.front() == kNoRandomSets;
    // The typed or chosen name stays; only the word that there were no sets goes with them.
    cmbSelSet->setEditText(none ? cmbSelSet->itemText(0) : text == kNoRandomSets ? "" : text);
}

void TfrmRandomPtt::StoreSettings()
{
    S& s = FSettings;
    const int density = FDensities->checkedId();
    s.Density = density > kOtherDensityId ? density : spnRndOther->value();
    s.FillClears = rdiClears->isChecked();
    s.Mode = rdiMono->isChecked() ? S::rmMono : rdiColor->isChecked() ? S::rmColor : S::rmSeed;
    s.FillUniform = chkUniform->isChecked();
    s.FillColor = spnRandomMonoState->value();
    s.SetSeedFile(cmbSeedFile->currentText().toStdString());
    s.Shape = pgeWhat->currentWidget() == FCirclePage ? S::rsCircle : S::rsRectangle;
    const int kind = FKinds->checkedId();
    s.RectKind = kind == S::rkUniverse || kind == S::rkVisible || kind == S::rkArea
                     ? kind
                     : int(S::rkCentred);
    s.RectX = FieldValue(fldRectX);
    s.RectY = FieldValue(fldRectY);
    s.AreaX1 = FieldValue(fldAreaX1);
    s.AreaY1 = FieldValue(fldAreaY1);
    s.AreaX2 = FieldValue(fldAreaX2);
    s.AreaY2 = FieldValue(fldAreaY2);
    s.CircleX = FieldValue(fldCircleX);
    s.CircleY = FieldValue(fldCircleY);
    s.CircleRadius = FieldValue(fldCircleRdi);
    s.Interior = chkInterior->isChecked();
}

void TfrmRandomPtt::GenerateClick()
{
    StoreSettings();
    Generate();
}

void TfrmRandomPtt::UseClick()
{
    const std::string name = cmbSelSet->currentText().toStdString();
    if (LoadRandomSet(FGlobals.Host, FGlobals.ProgramFolder, name, FSettings)) ShowSettings();
}

void TfrmRandomPtt::SaveAsClick()
{
    StoreSettings();
    const QString path = AskSaveFile(FromText(FGlobals.ProgramFolder + kSetFolder));
    if (path.isEmpty()) return;
    if (!SaveRandomSet(FGlobals.Host, path.toStdString(), FSettings)) return;
    FillSetList();
    // A set saved among the others is the one in hand now.
    const QString saved = QFileInfo(path).completeBaseName();
    if (cmbSelSet->findText(saved) >= 0) cmbSelSet->setEditText(saved);
}
