#include "ui/u_RulesPage.h"

#include "base/u_Host.h"
#include "base/u_Text.h"
#include "engine/u_Config.h"
#include "engine/u_Globals.h"
#include "rules/u_RuleEditing.h"
#include "ui/u_DialogButtons.h"
#include "ui/u_SettingsControls.h"
#include "ui/u_UserRuleDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWeightLimit = 256;
constexpr const char* kWeightHints[] = {
    "Weight of left top neighbour",    "Weight of top neighbour",
    "Weight of right top neighbour",   "Weight of left neighbour",
    "Self weight neighbour",           "Weight of right neighbour",
    "Weight of left bottom neighbour", "Weight of bottom neighbour",
    "Weight of right bottom neighbour"};
constexpr const char* kSpecialNotes[] = {"(0 10 0)", "(1 10 1)", "(1 10 0)", "(0 10 1)"};
constexpr const char* kClearedTable = "1,0,0,0,0,0,0,0,0,0,0,0,0";

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string Text(const QString& text)
{
    return text.toStdString();
}

QLabel* Caption(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

// The weighted sums a rule holds, ascending.
template <class THolds>
std::vector<int32_t> HeldSums(THolds holds)
{
    std::vector<int32_t> sums;
    for (int32_t s = -TRulesWLife::kSumLimit; s <= TRulesWLife::kSumLimit; ++s)
        if (holds(s)) sums.push_back(s);
    return sums;
}

} // namespace

TRulesPage::TRulesPage(TGlobals& globals, TConfiguration& config, QWidget* parent)
    : QWidget(parent), FGlobals(globals), FConfig(config)
{
    setObjectName("tabRules");
    Asking = [](const std::function<void()>& ask) { ask(); };
    AskText = [this](const QString& caption, const QString& prompt) -> std::optional<QString> {
        bool ok = false;
        const QString text =
            QInputDialog::getText(this, caption, prompt, QLineEdit::Normal, {}, &ok);
        return ok ? std::optional(text) : std::nullopt;
    };
    AskUserRule = [this](TUserRuleFields& fields) {
        TfrmUserRule dialog(this);
        dialog.OnHelp = OnHelp;
        return dialog.Execute(fields);
    };

    cmbGame = new QComboBox;
    cmbGame->setObjectName("cmbGame");
    for (int g = 1; g <= kGameCount; ++g)
        cmbGame->addItem(QString("%1 - ").arg(g) + Text(TLife::GameName(g)));
    spnGame = new QSpinBox;
    spnGame->setObjectName("spnGame");
    spnGame->setRange(1, kGameCount);
    spnGame->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    spnGame->setMaximumWidth(fontMetrics().horizontalAdvance("00") + 30);
    connect(cmbGame, &QComboBox::currentIndexChanged, this, [this] { ShowGamePage(); });
    connect(spnGame, &QSpinBox::valueChanged, this,
            [this](int game) { cmbGame->setCurrentIndex(game - 1); });

    pnlColorsCount = new QWidget;
    pnlColorsCount->setObjectName("pnlColorsCount");
    spnColorsCount = NamedSpinner("ColorsCount", 2, TBoard::kMaxStates);
    auto* count = new QHBoxLayout(pnlColorsCount);
    count->setContentsMargins(0, 0, 0, 0);
    count->addWidget(Caption("Count of states/colors (2..25):", spnColorsCount));
    count->addWidget(spnColorsCount);
    connect(spnColorsCount, &QSpinBox::valueChanged, this, [this] {
        ControlsToText();
        if (OnStatesCountChanged) OnStatesCountChanged();
    });

    auto* top = new QHBoxLayout;
    top->addWidget(Caption("&Game:", cmbGame));
    top->addWidget(cmbGame);
    top->addWidget(spnGame);
    top->addSpacing(16);
    top->addWidget(pnlColorsCount);
    top->addStretch();

    FEditors = new QStackedWidget;
    pnlRulesUserDLL = new QWidget;
    pnlRulesUserDLL->setObjectName("pnlRulesUserDLL");
    fldUserRules = TextField("fldUserRules");
    fldUserRules->setParent(pnlRulesUserDLL);
    fldUserRules->hide();
    auto* dll = new QVBoxLayout(pnlRulesUserDLL);
    dll->addWidget(new QLabel("Choose the rule library from the famous rules."));
    dll->addStretch();
    for (QWidget* editor :
         {CreateLifeEditor(), CreateWLifeEditor(), CreateRTableEditor(), CreateCyclicEditor(),
          Create1DEditor(), pnlRulesUserDLL, CreateSpecialEditor()})
        FEditors->addWidget(editor);

    cmdRandomRules = CommandButton("cmdRandomRules", "&Random rules", false);
    cmdRandomRules->setToolTip("Random rules");
    cmdRuleSaveAs = CommandButton("cmdRuleSaveAs", "&Save as...", false);
    cmdRuleSaveAs->setToolTip("Save this user rule");
    cmdRuleEdit = CommandButton("cmdRuleEdit", "&Edit...", false);
    cmdRuleEdit->setToolTip("Edit user rule description");
    cmdRuleDelete = CommandButton("cmdRuleDelete", "&Delete", false);
    cmdRuleDelete->setToolTip("Delete user rule");
    connect(cmdRandomRules, &QPushButton::clicked, this, [this] { RandomRules(); });
    connect(cmdRuleSaveAs, &QPushButton::clicked, this, [this] { SaveRuleAs(); });
    connect(cmdRuleEdit, &QPushButton::clicked, this, [this] { EditRule(); });
    connect(cmdRuleDelete, &QPushButton::clicked, this, [this] { DeleteRule(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    auto* body = new QHBoxLayout;
    body->addWidget(FEditors, 1);
    body->addWidget(CreateFamousRules());
    layout->addLayout(body, 1);
}

std::array<QPushButton*, 4> TRulesPage::Buttons() const
{
    return {cmdRandomRules, cmdRuleSaveAs, cmdRuleEdit, cmdRuleDelete};
}

QLineEdit* TRulesPage::TextField(const char* name)
{
    auto* field = new QLineEdit;
    field->setObjectName(name);
    return field;
}

// ---- editors ----

QWidget* TRulesPage::CreateLifeEditor()
{
    pnlRulesLife = new QWidget;
    pnlRulesLife->setObjectName("pnlRulesLife");
    grpRulesS = new QGroupBox("Survivals");
    grpRulesS->setObjectName("grpRulesS");
    grpRulesB = new QGroupBox("Births");
    grpRulesB->setObjectName("grpRulesB");
    auto* survivals = new QHBoxLayout(grpRulesS);
    auto* births = new QHBoxLayout(grpRulesB);
    for (int k = 0; k < 10; ++k) {
        chkRuleS[size_t(k)] = NamedCheckBox(QString("chkRuleS%1").arg(k), QString::number(k));
        chkRuleB[size_t(k)] = NamedCheckBox(QString("chkRuleB%1").arg(k), QString::number(k));
        survivals->addWidget(chkRuleS[size_t(k)]);
        births->addWidget(chkRuleB[size_t(k)]);
        for (QCheckBox* box : {chkRuleS[size_t(k)], chkRuleB[size_t(k)]})
            connect(box, &QCheckBox::toggled, this, [this] { ControlsToText(); });
    }
    fldRules = TextField("fldRules");
    connect(fldRules, &QLineEdit::textChanged, this, [this] { LifeTextToControls(); });
    cmdNLUKY = CommandButton("cmdNLUKY", "NLUKY", false);
    cmdNLUKY->setToolTip("Enter Ardo's Venner NLUKY code");
    connect(cmdNLUKY, &QPushButton::clicked, this, [this] { NlukyClick(); });

    auto* text = new QHBoxLayout;
    text->addWidget(Caption("Text version", fldRules));
    text->addWidget(fldRules, 1);
    text->addWidget(cmdNLUKY);
    auto* layout = new QVBoxLayout(pnlRulesLife);
    layout->addWidget(grpRulesS);
    layout->addWidget(grpRulesB);
    layout->addLayout(text);
    layout->addStretch();
    return pnlRulesLife;
}

QWidget* TRulesPage::CreateWLifeEditor()
{
    pnlRulesWLife = new QWidget;
    pnlRulesWLife->setObjectName("pnlRulesWLife");
    auto* weights = new QGridLayout;
    weights->setSpacing(2);
    for (int i = 0; i < 9; ++i) {
        QSpinBox* spinner =
            NamedSpinner(QString("Weight%1").arg(i + 1), -kWeightLimit, kWeightLimit);
        spinner->setToolTip(kWeightHints[i]);
        spnWeight[size_t(i)] = spinner;
        weights->addWidget(spinner, i / 3, i % 3);
        connect(spinner, &QSpinBox::valueChanged, this, [this, i] { WeightChanged(i); });
    }
    auto* grpWeights = new QGroupBox("Weights");
    auto* weightsBox = new QVBoxLayout(grpWeights);
    weightsBox->addLayout(weights);
    chkWLifeSymmetry = NamedCheckBox("chkWLifeSymmetry", "Symmetrical rule", "Symmetrical rules?");
    chkWLifeHist = NamedCheckBox("chkWLifeHist", "History", "Game with generations history?");
    connect(chkWLifeHist, &QCheckBox::toggled, this, [this] { ControlsToText(); });
    weightsBox->addWidget(chkWLifeSymmetry);
    weightsBox->addWidget(chkWLifeHist);
    weightsBox->addStretch();

    auto sumsGroup = [this](const QString& title, const char* kind, QListWidget*& list) {
        auto* group = new QGroupBox(title);
        list = new QListWidget;
        list->setObjectName(QString("lisWeight") + kind);
        list->setFlow(QListView::TopToBottom);
        list->setWrapping(true);
        list->setResizeMode(QListView::Adjust);
        list->setGridSize(
            QSize(fontMetrics().horizontalAdvance("-00000") + 8, fontMetrics().height() + 4));
        QListWidget* target = list;
        const std::string addName = std::string("cmdWeightAdd") + kind;
        const std::string delName = std::string("cmdWeightDel") + kind;
        const std::string clrName = std::string("cmdWeightClr") + kind;
        auto* add = CommandButton(addName.c_str(), "Add", false);
        auto* del = CommandButton(delName.c_str(), "Del", false);
        auto* clr = CommandButton(clrName.c_str(), "Clr", false);
        connect(add, &QPushButton::clicked, this, [this, target] { AddSumsTo(target); });
        connect(del, &QPushButton::clicked, this, [this, target] { DeleteSum(target); });
        connect(clr, &QPushButton::clicked, this, [this, target] {
            target->clear();
            ControlsToText();
        });
        auto* buttons = new QHBoxLayout;
        for (QPushButton* b : {add, del, clr}) buttons->addWidget(b);
        auto* box = new QVBoxLayout(group);
        box->addWidget(list);
        box->addLayout(buttons);
        return group;
    };
    fldWRules = TextField("fldWRules");
    fldWRules->setParent(pnlRulesWLife);
    fldWRules->hide();
    connect(fldWRules, &QLineEdit::textChanged, this, [this] { WLifeTextToControls(); });

    auto* layout = new QHBoxLayout(pnlRulesWLife);
    layout->addWidget(grpWeights);
    layout->addWidget(sumsGroup("Survivals", "S", lisWeightS));
    layout->addWidget(sumsGroup("Births", "B", lisWeightB));
    return pnlRulesWLife;
}

QWidget* TRulesPage::CreateRTableEditor()
{
    pnlRulesRTable = new QWidget;
    pnlRulesRTable->setObjectName("pnlRulesRTable");
    grdRTable = new QTableWidget(TRulesTable::kStates, TRulesTable::kCounts);
    grdRTable->setObjectName("grdRTable");
    for (int s = 0; s < TRulesTable::kStates; ++s)
        for (int c = 0; c < TRulesTable::kCounts; ++c)
            grdRTable->setItem(s, c, new QTableWidgetItem("0"));
    QStringList counts, states;
    for (int c = 0; c < TRulesTable::kCounts; ++c) counts << QString::number(c);
    for (int s = 0; s < TRulesTable::kStates; ++s) states << QString::number(s);
    grdRTable->setHorizontalHeaderLabels(counts);
    grdRTable->setVerticalHeaderLabels(states);
    grdRTable->horizontalHeader()->setDefaultSectionSize(fontMetrics().horizontalAdvance("000") +
                                                         10);
    grdRTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    connect(grdRTable, &QTableWidget::itemChanged, this, [this] { RTableChanged(); });

    chkRTNghTyp1 = NamedRadio("chkRTNghTyp1", "Moore");
    chkRTNghTyp2 = NamedRadio("chkRTNghTyp2", "von Neumann");
    auto* neighbourhood = new QButtonGroup(pnlRulesRTable);
    neighbourhood->addButton(chkRTNghTyp1);
    neighbourhood->addButton(chkRTNghTyp2);
    chkRTableCtrCell = NamedCheckBox("chkRTableCtrCell", "Include the center cell");
    chkRTableAll1Fire = NamedCheckBox("chkRTableAll1Fire", "All odd states are firing",
                                      "Full 1st bitplane fires, else only the state 1");
    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(chkRTNghTyp1), static_cast<QAbstractButton*>(chkRTNghTyp2),
          static_cast<QAbstractButton*>(chkRTableCtrCell),
          static_cast<QAbstractButton*>(chkRTableAll1Fire)})
        connect(b, &QAbstractButton::toggled, this, [this] { RTableChanged(); });
    auto* cmdRTClear = CommandButton("cmdRTClear", "Clear", false);
    cmdRTClear->setToolTip("Empty the table");
    connect(cmdRTClear, &QPushButton::clicked, this,
            [this] { fldRTRules->setText(kClearedTable); });
    fldRTRules = TextField("fldRTRules");
    connect(fldRTRules, &QLineEdit::textChanged, this, [this] { RTableTextToControls(); });

    auto* options = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(chkRTNghTyp1), static_cast<QWidget*>(chkRTNghTyp2),
                       static_cast<QWidget*>(chkRTableCtrCell),
                       static_cast<QWidget*>(chkRTableAll1Fire), static_cast<QWidget*>(cmdRTClear)})
        options->addWidget(w);
    options->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(grdRTable, 1);
    top->addLayout(options);
    auto* text = new QHBoxLayout;
    text->addWidget(Caption("Text version", fldRTRules));
    text->addWidget(fldRTRules, 1);
    auto* layout = new QVBoxLayout(pnlRulesRTable);
    layout->addLayout(top, 1);
    layout->addLayout(text);
    return pnlRulesRTable;
}

QWidget* TRulesPage::CreateCyclicEditor()
{
    pnlRulesCyclic = new QWidget;
    pnlRulesCyclic->setObjectName("pnlRulesCyclic");
    spnCyclRange = NamedSpinner("CyclRange", 1, 10);
    spnCyclThreshold = NamedSpinner("CyclThreshold", 1, 8);
    lblCyclThreshold = Caption("Threshold (1..8):", spnCyclThreshold);
    lblCyclThreshold->setObjectName("lblCyclThreshold");
    chkCyclNghTyp1 = NamedRadio("chkCyclNghTyp1", "Moore");
    chkCyclNghTyp2 = NamedRadio("chkCyclNghTyp2", "von Neumann");
    auto* neighbourhood = new QButtonGroup(pnlRulesCyclic);
    neighbourhood->addButton(chkCyclNghTyp1);
    neighbourhood->addButton(chkCyclNghTyp2);
    chkCyclGH = NamedCheckBox("chkCyclGH", "Greenberg-Hastings Model",
                              "Cells change from color 0 to 1 if they have\r\nat least threshold "
                              "1's in their neighbor set.\r\nAll other colors advance "
                              "automatically.");
    fldCyclRules = TextField("fldCyclRules");
    connect(spnCyclRange, &QSpinBox::valueChanged, this, [this] { CyclicRangeChanged(); });
    connect(spnCyclThreshold, &QSpinBox::valueChanged, this, [this] { ControlsToText(); });
    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(chkCyclNghTyp1),
          static_cast<QAbstractButton*>(chkCyclNghTyp2), static_cast<QAbstractButton*>(chkCyclGH)})
        connect(b, &QAbstractButton::toggled, this, [this] { ControlsToText(); });
    connect(fldCyclRules, &QLineEdit::textChanged, this, [this] { CyclicTextToControls(); });

    auto* grid = new QGridLayout;
    grid->addWidget(Caption("Range (1..10):", spnCyclRange), 0, 0);
    grid->addWidget(spnCyclRange, 0, 1);
    grid->addWidget(lblCyclThreshold, 1, 0);
    grid->addWidget(spnCyclThreshold, 1, 1);
    grid->addWidget(chkCyclNghTyp1, 2, 0);
    grid->addWidget(chkCyclNghTyp2, 3, 0);
    grid->addWidget(chkCyclGH, 4, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    auto* text = new QHBoxLayout;
    text->addWidget(Caption("Text version", fldCyclRules));
    text->addWidget(fldCyclRules, 1);
    auto* layout = new QVBoxLayout(pnlRulesCyclic);
    layout->addLayout(grid);
    layout->addLayout(text);
    layout->addStretch();
    return pnlRulesCyclic;
}

QWidget* TRulesPage::Create1DEditor()
{
    pnlRules1DTo = new QWidget;
    pnlRules1DTo->setObjectName("pnlRules1DTo");
    spn1DToRange = NamedSpinner("1DToRange", 1, 10);
    auto* grpS = new QGroupBox("Survivals");
    auto* grpB = new QGroupBox("Births");
    auto* survivals = new QGridLayout(grpS);
    auto* births = new QGridLayout(grpB);
    for (int i = 0; i < TRules1DTo::kFlagCount; ++i) {
        const QString number = QString("%1").arg(i, 2, 10, QChar('0'));
        chk1DToS[size_t(i)] = NamedCheckBox("chk1DToS" + number, QString::number(i));
        chk1DToB[size_t(i)] = NamedCheckBox("chk1DToB" + number, QString::number(i));
        survivals->addWidget(chk1DToS[size_t(i)], i / 11, i % 11);
        births->addWidget(chk1DToB[size_t(i)], i / 11, i % 11);
        for (QCheckBox* box : {chk1DToS[size_t(i)], chk1DToB[size_t(i)]})
            connect(box, &QCheckBox::toggled, this, [this] { ControlsToText(); });
    }
    chk1DToCenter = NamedCheckBox("chk1DToCenter", "Include the center cell");
    chk1DToHistory = NamedCheckBox("chk1DToHistory", "History");
    fld1DToRules = TextField("fld1DToRules");
    connect(spn1DToRange, &QSpinBox::valueChanged, this, [this] {
        EnableOneDBoxes();
        ControlsToText();
    });
    connect(chk1DToCenter, &QCheckBox::toggled, this, [this] {
        EnableOneDBoxes();
        ControlsToText();
    });
    connect(chk1DToHistory, &QCheckBox::toggled, this, [this] { ControlsToText(); });
    connect(fld1DToRules, &QLineEdit::textChanged, this, [this] { OneDTextToControls(); });

    auto* top = new QHBoxLayout;
    top->addWidget(Caption("Range (1..10):", spn1DToRange));
    top->addWidget(spn1DToRange);
    top->addSpacing(16);
    top->addWidget(chk1DToCenter);
    top->addWidget(chk1DToHistory);
    top->addStretch();
    auto* text = new QHBoxLayout;
    text->addWidget(Caption("Text version", fld1DToRules));
    text->addWidget(fld1DToRules, 1);
    auto* layout = new QVBoxLayout(pnlRules1DTo);
    layout->addLayout(top);
    layout->addWidget(grpS);
    layout->addWidget(grpB);
    layout->addLayout(text);
    layout->addStretch();
    return pnlRules1DTo;
}

QWidget* TRulesPage::CreateSpecialEditor()
{
    pnlRulesSpec = new QWidget;
    pnlRulesSpec->setObjectName("pnlRulesSpec");
    fldTRCADelta1 = TextField("fldTRCADelta1");
    fldTRCADelta2 = TextField("fldTRCADelta2");
    fldTRCAEpsilon = TextField("fldTRCAEpsilon");
    fldTRCAGamma = TextField("fldTRCAGamma");
    chkTRCAOnly3 = NamedCheckBox("chkTRCAOnly3", "Only 3 main parameters",
                                 "When checked, delta2=delta1, gamma2=gamma1");
    fldSpecRules = TextField("fldSpecRules");
    auto* grid = new QGridLayout;
    const std::pair<const char*, QLineEdit*> fields[] = {{"Delta1", fldTRCADelta1},
                                                         {"Delta2", fldTRCADelta2},
                                                         {"Epsilon", fldTRCAEpsilon},
                                                         {"Gamma", fldTRCAGamma}};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(Caption(fields[i].first, fields[i].second), i, 0);
        grid->addWidget(fields[i].second, i, 1);
        grid->addWidget(new QLabel(kSpecialNotes[i]), i, 2);
        connect(fields[i].second, &QLineEdit::textEdited, this, [this] {
            if (chkTRCAOnly3->isChecked()) fldTRCADelta2->setText(fldTRCADelta1->text());
            ControlsToText();
        });
    }
    grid->addWidget(chkTRCAOnly3, 4, 0, 1, 3);
    grid->setColumnStretch(3, 1);
    connect(chkTRCAOnly3, &QCheckBox::toggled, this, [this] { Only3Changed(); });
    connect(fldSpecRules, &QLineEdit::textChanged, this, [this] { SpecialTextToControls(); });
    auto* text = new QHBoxLayout;
    text->addWidget(Caption("Text version", fldSpecRules));
    text->addWidget(fldSpecRules, 1);
    auto* layout = new QVBoxLayout(pnlRulesSpec);
    layout->addLayout(grid);
    layout->addLayout(text);
    layout->addStretch();
    return pnlRulesSpec;
}

QWidget* TRulesPage::CreateFamousRules()
{
    auto* group = new QGroupBox("Famous rules");
    lvRules = new QTreeWidget;
    lvRules->setObjectName("lvRules");
    lvRules->setHeaderLabels({"#", "Rule's name", "Definition"});
    lvRules->setRootIsDecorated(false);
    lvRules->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvRules->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvRules->header()->resizeSection(0, fontMetrics().horizontalAdvance("000") + 8);
    lvRules->header()->resizeSection(1, fontMetrics().horizontalAdvance("Conway's Life ....."));
    lvRules->setMinimumWidth(fontMetrics().horizontalAdvance("000 Conway's Life ..... 23/36/25") +
                             40);
    connect(lvRules, &QTreeWidget::itemSelectionChanged, this, [this] { FamousRuleSelected(); });
    connect(lvRules, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (OnAccept) OnAccept();
    });
    memoRules = new QPlainTextEdit;
    memoRules->setObjectName("memoRules");
    memoRules->setReadOnly(true);
    memoRules->setToolTip("Description of the current rule");
    memoRules->setMaximumHeight(fontMetrics().height() * 6);
    lblRuleCharacter = new QLabel("???");
    lblRuleCharacter->setObjectName("lblRuleCharacter");
    auto* kind = new QHBoxLayout;
    kind->addWidget(new QLabel("Rule character:"));
    kind->addWidget(lblRuleCharacter, 1);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(lvRules, 1);
    layout->addWidget(memoRules);
    layout->addLayout(kind);
    return group;
}

// ---- state ----

int TRulesPage::Game() const
{
    return cmbGame->currentIndex() + 1;
}

int32_t TRulesPage::StatesCount() const
{
    return spnColorsCount->value();
}

bool TRulesPage::Symmetry() const
{
    return chkWLifeSymmetry->isChecked();
}

void TRulesPage::SetSymmetry(bool on)
{
    chkWLifeSymmetry->setChecked(on);
}

QLineEdit* TRulesPage::TextFieldOf(int game) const
{
    switch (game) {
    case gmWeightedLife:
        return fldWRules;
    case gmRulesTable:
        return fldRTRules;
    case gmCyclic:
        return fldCyclRules;
    case gm1DTotalistic:
        return fld1DToRules;
    case gmUserDll:
        return fldUserRules;
    case gmSpecial:
        return fldSpecRules;
    default:
        return fldRules;
    }
}

std::string TRulesPage::RuleText() const
{
    return Text(TextFieldOf(Game())->text());
}

void TRulesPage::Load()
{
    if (!FReload) return;
    FReload = false;
    TLife& life = FGlobals.Life;
    const TBoard& board = FGlobals.Board;
    {
        const QSignalBlocker block(cmbGame);
        cmbGame->setCurrentIndex(life.Game() - 1);
    }
    fldWRules->setText(Text(life.WLife.GetAsString()));
    fldRTRules->setText(Text(board.RulesTableText()));
    TRulesCycl cyclic = life.Cycl;
    fldCyclRules->setText(Text(cyclic.GetAsString()));
    fld1DToRules->setText(Text(life.OneD.GetAsString()));
    fldSpecRules->setText(Text(life.Special.GetAsString()));
    fldRules->setText(Text(board.LifeRuleText()));
    spnColorsCount->setValue(board.StatesCount());
    ShowGamePage();
    TextFieldOf(life.Game())->setText(Text(board.RuleText()));
    SelectMatchingRule();
    chkWLifeSymmetry->setChecked(FConfig.Window.WLifeSymmetry);
}

void TRulesPage::ApplyRules()
{
    TBoard& board = FGlobals.Board;
    board.SetStatesCount(StatesCount());
    FGlobals.Life.SetGame(Game());
    board.SetRules(RuleText());
    FConfig.Window.WLifeSymmetry = Symmetry();
}

void TRulesPage::ShowGamePage()
{
    const int game = Game();
    {
        const QSignalBlocker block(spnGame);
        spnGame->setValue(game);
    }
    for (QPushButton* b : {cmdRuleSaveAs, cmdRuleEdit, cmdRuleDelete}) b->setEnabled(true);
    cmdNLUKY->hide();
    pnlColorsCount->hide();
    switch (game) {
    case gmLife:
    case gmGenerations:
    case gmVoteForLife: {
        const bool vote = game == gmVoteForLife;
        FEditors->setCurrentWidget(pnlRulesLife);
        grpRulesS->setTitle(vote ? "Alive" : "Survivals");
        chkRuleS[0]->setEnabled(!vote);
        chkRuleS[9]->setEnabled(vote);
        grpRulesB->setVisible(!vote);
        chkRuleB[0]->setEnabled(false);
        chkRuleB[9]->setEnabled(false);
        cmdNLUKY->setVisible(game == gmGenerations);
        pnlColorsCount->setVisible(game == gmGenerations);
        break;
    }
    case gmWeightedLife:
        FEditors->setCurrentWidget(pnlRulesWLife);
        pnlColorsCount->show();
        break;
    case gmRulesTable:
        FEditors->setCurrentWidget(pnlRulesRTable);
        break;
    case gmCyclic:
        FEditors->setCurrentWidget(pnlRulesCyclic);
        pnlColorsCount->show();
        break;
    case gm1DTotalistic:
        FEditors->setCurrentWidget(pnlRules1DTo);
        pnlColorsCount->show();
        break;
    case gmUserDll:
        FEditors->setCurrentWidget(pnlRulesUserDLL);
        for (QPushButton* b : {cmdRuleSaveAs, cmdRuleEdit, cmdRuleDelete}) b->setEnabled(false);
        break;
    default:
        FEditors->setCurrentWidget(pnlRulesSpec);
        cmdRuleEdit->setEnabled(false);
        cmdRuleDelete->setEnabled(false);
        break;
    }
    FillFamousRules();
    ControlsToText();
    SelectMatchingRule();
}

// ---- controls to text ----

void TRulesPage::ControlsToText()
{
    if (FBusy) return;
    FBusy = true;
    const int game = Game();
    const int32_t states = StatesCount();
    switch (game) {
    case gmLife:
    case gmGenerations:
    case gmVoteForLife: {
        uint16_t survival = 0, birth = 0;
        for (int k = 0; k < 10; ++k) {
            if (chkRuleS[size_t(k)]->isChecked()) survival |= uint16_t(1u << k);
            if (chkRuleB[size_t(k)]->isChecked()) birth |= uint16_t(1u << k);
        }
        fldRules->setText(Text(LifeEditorText(survival, birth, game, states)));
        break;
    }
    case gmWeightedLife: {
        TRulesWLife rule;
        std::array<int32_t, 9> w{};
        for (size_t i = 0; i < w.size(); ++i) w[i] = spnWeight[i]->value();
        rule.InitFromPrm(w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7], w[8], states,
                         chkWLifeHist->isChecked());
        for (int32_t sum : Sums(lisWeightS)) rule.SetSurvival(sum, true);
        for (int32_t sum : Sums(lisWeightB)) rule.SetBirth(sum, true);
        fldWRules->setText(Text(rule.GetAsString()));
        break;
    }
    case gmRulesTable: {
        TRulesTable table;
        for (int s = 0; s < TRulesTable::kStates; ++s)
            for (int c = 0; c < TRulesTable::kCounts; ++c)
                table.Table[s][c] = uint8_t(std::clamp(SafeInt(Text(grdRTable->item(s, c)->text())),
                                                       0, TRulesTable::kStates - 1));
        table.Neighbourhood = chkRTNghTyp1->isChecked() ? 1 : 2;
        table.Centre = chkRTableCtrCell->isChecked();
        table.OddStates = chkRTableAll1Fire->isChecked();
        fldRTRules->setText(Text(TLife::FormatRulesTable(table)));
        SetRTableColumns();
        break;
    }
    case gmCyclic: {
        TRulesCycl rule;
        rule.InitFromPrm(states, spnCyclRange->value(), spnCyclThreshold->value(),
                         chkCyclNghTyp1->isChecked() ? 1 : 2, chkCyclGH->isChecked());
        fldCyclRules->setText(Text(rule.GetAsString()));
        break;
    }
    case gm1DTotalistic: {
        TRules1DTo::TFlags survival{}, birth{};
        for (size_t i = 0; i < survival.size(); ++i) {
            survival[i] = chk1DToS[i]->isChecked();
            birth[i] = chk1DToB[i]->isChecked();
        }
        TRules1DTo rule;
        rule.InitFromPrm(states, spn1DToRange->value(), chk1DToHistory->isChecked(),
                         chk1DToCenter->isChecked(), survival, birth);
        fld1DToRules->setText(Text(rule.GetAsString()));
        break;
    }
    case gmSpecial: {
        TRulesSpec rule;
        rule.InitFromStrings(Text(fldTRCADelta1->text()), Text(fldTRCADelta2->text()),
                             Text(fldTRCAEpsilon->text()), Text(fldTRCAGamma->text()));
        fldSpecRules->setText(Text(rule.GetAsString()));
        break;
    }
    default:
        break;
    }
    FBusy = false;
    SelectMatchingRule();
}

// ---- text to controls ----

void TRulesPage::LifeTextToControls()
{
    if (FBusy) return;
    FBusy = true;
    const std::optional<TLifeRule> rule =
        TLife::ParseLifeRule(Text(fldRules->text()), uint8_t(Game()));
    const uint16_t survival = rule ? rule->Survival : 0, birth = rule ? rule->Birth : 0;
    for (int k = 0; k < 10; ++k) {
        chkRuleS[size_t(k)]->setChecked(survival & (1u << k));
        if (k > 0) chkRuleB[size_t(k)]->setChecked(birth & (1u << k));
    }
    if (rule && rule->StatesCount) spnColorsCount->setValue(*rule->StatesCount);
    FBusy = false;
    SelectMatchingRule();
}

void TRulesPage::WLifeTextToControls()
{
    if (FBusy) return;
    FBusy = true;
    TRulesWLife rule;
    rule.InitFromString(Text(fldWRules->text()), StatesCount());
    for (size_t i = 0; i < spnWeight.size(); ++i) spnWeight[i]->setValue(rule.Weights[i]);
    chkWLifeHist->setChecked(rule.History);
    spnColorsCount->setValue(rule.StatesCount);
    FillSums(lisWeightS, HeldSums([&](int32_t s) { return rule.Survives(s); }));
    FillSums(lisWeightB, HeldSums([&](int32_t s) { return rule.IsBorn(s); }));
    FBusy = false;
    SelectMatchingRule();
}

void TRulesPage::RTableTextToControls()
{
    if (FBusy) return;
    FBusy = true;
    const TRulesTable table = TLife::ParseRulesTable(Text(fldRTRules->text()));
    chkRTableCtrCell->setChecked(table.Centre);
    chkRTableAll1Fire->setChecked(table.OddStates);
    (table.Neighbourhood == 2 ? chkRTNghTyp2 : chkRTNghTyp1)->setChecked(true);
    for (int s = 0; s < TRulesTable::kStates; ++s)
        for (int c = 0; c < TRulesTable::kCounts; ++c)
            grdRTable->item(s, c)->setText(QString::number(table.Table[s][c]));
    SetRTableColumns();
    FBusy = false;
    SelectMatchingRule();
}

void TRulesPage::CyclicTextToControls()
{
    if (FBusy) return;
    FBusy = true;
    TRulesCycl rule;
    rule.InitFromString(Text(fldCyclRules->text()));
    rule.Validate();
    spnColorsCount->setValue(rule.StatesCount);
    spnCyclRange->setValue(rule.Range);
    CyclicRangeChanged();
    spnCyclThreshold->setValue(rule.Threshold);
    (rule.Neighbourhood == 2 ? chkCyclNghTyp2 : chkCyclNghTyp1)->setChecked(true);
    chkCyclGH->setChecked(rule.GreenbergHastings);
    FBusy = false;
    SelectMatchingRule();
}

void TRulesPage::OneDTextToControls()
{
    if (FBusy) return;
    FBusy = true;
    TRules1DTo rule;
    rule.InitFromString(Text(fld1DToRules->text()), StatesCount());
    spnColorsCount->setValue(rule.StatesCount);
    spn1DToRange->setValue(rule.Range);
    chk1DToCenter->setChecked(rule.Centre);
    chk1DToHistory->setChecked(rule.History);
    for (size_t i = 0; i < rule.Survival.size(); ++i) {
        chk1DToS[i]->setChecked(rule.Survival[i]);
        chk1DToB[i]->setChecked(rule.Birth[i]);
    }
    EnableOneDBoxes();
    FBusy = false;
    SelectMatchingRule();
}

void TRulesPage::SpecialTextToControls()
{
    if (FBusy) return;
    FBusy = true;
    TRulesSpec rule;
    rule.InitFromString(Text(fldSpecRules->text()));
    fldTRCADelta1->setText(Text(RealToText(rule.Delta1)));
    fldTRCADelta2->setText(Text(RealToText(rule.Delta2)));
    fldTRCAEpsilon->setText(Text(RealToText(rule.Epsilon)));
    fldTRCAGamma->setText(Text(RealToText(rule.Gamma)));
    FBusy = false;
    SelectMatchingRule();
}

// ---- other control events ----

void TRulesPage::RTableChanged()
{
    if (FBusy) return;
    {
        const QSignalBlocker block(grdRTable);
        grdRTable->item(0, 0)->setText("0");
    }
    ControlsToText();
}

// Counts 0..8 (Moore) or 0..4 (von Neumann), and one more with the centre cell.
void TRulesPage::SetRTableColumns()
{
    const int last = (chkRTNghTyp1->isChecked() ? 8 : 4) + (chkRTableCtrCell->isChecked() ? 1 : 0);
    for (int c = 0; c < TRulesTable::kCounts; ++c) grdRTable->setColumnHidden(c, c > last);
}

void TRulesPage::CyclicRangeChanged()
{
    const int32_t most = TRulesCycl::MaxThreshold(spnCyclRange->value());
    spnCyclThreshold->setMaximum(most);
    lblCyclThreshold->setText(QString("Threshold (1..%1):").arg(most));
    ControlsToText();
}

void TRulesPage::EnableOneDBoxes()
{
    const int32_t most = OneDMaxCount(spn1DToRange->value(), chk1DToCenter->isChecked());
    for (int i = 0; i < TRules1DTo::kFlagCount; ++i) {
        chk1DToS[size_t(i)]->setEnabled(i <= most);
        chk1DToB[size_t(i)]->setEnabled(i <= most);
    }
}

void TRulesPage::WeightChanged(int index)
{
    if (FBusy) return;
    if (chkWLifeSymmetry->isChecked()) {
        std::array<int32_t, 9> w{};
        for (size_t i = 0; i < w.size(); ++i) w[i] = spnWeight[i]->value();
        SpreadSymmetricWeight(w, index);
        FBusy = true;
        for (size_t i = 0; i < w.size(); ++i) spnWeight[i]->setValue(w[i]);
        FBusy = false;
    }
    ControlsToText();
}

void TRulesPage::FillSums(QListWidget* list, const std::vector<int32_t>& sums)
{
    list->clear();
    for (int32_t sum : sums) list->addItem(QString::number(sum));
}

std::vector<int32_t> TRulesPage::Sums(const QListWidget* list) const
{
    std::vector<int32_t> sums;
    for (int i = 0; i < list->count(); ++i) sums.push_back(SafeInt(Text(list->item(i)->text())));
    return sums;
}

void TRulesPage::AddSumsTo(QListWidget* list)
{
    std::optional<QString> answer;
    Asking([&] {
        answer = AskText("Rule", "Single value (-2048..2048) or a set (e.g., 2,5,12,517)");
    });
    if (!answer) return;
    std::vector<int32_t> sums = Sums(list);
    AddSums(sums, Text(*answer));
    FillSums(list, sums);
    ControlsToText();
}

void TRulesPage::DeleteSum(QListWidget* list)
{
    QListWidgetItem* item = list->currentItem();
    if (!item || !item->isSelected()) {
        Asking([this] {
            FGlobals.Host.ShowMessage("First mark the rule to be deleted!", "Rule",
                                      TMsgIcon::Information, TMsgButtons::Ok);
        });
        return;
    }
    delete item;
    ControlsToText();
}

void TRulesPage::Only3Changed()
{
    const bool only3 = chkTRCAOnly3->isChecked();
    fldTRCADelta2->setEnabled(!only3);
    if (only3) fldTRCADelta2->setText(fldTRCADelta1->text());
    ControlsToText();
}

void TRulesPage::NlukyClick()
{
    std::optional<QString> answer;
    Asking([&] { answer = AskText("NLUKY", "Enter Ardo's Venner NLUKY code:"); });
    if (!answer) return;
    const std::optional<std::string> rule = NlukyRule(Text(*answer));
    if (!rule) {
        Asking([this] {
            FGlobals.Host.ShowMessage("NLUKY code must be at least 5 digits long!", "NLUKY",
                                      TMsgIcon::Warning, TMsgButtons::Ok);
        });
        return;
    }
    fldRules->setText(Text(*rule));
}

// ---- random rules ----

void TRulesPage::RandomRules()
{
    TRandom& random = FGlobals.Random;
    auto r = [&random](int32_t n) { return random.Integer(0, n - 1); };
    const int game = Game();
    switch (game) {
    case gmLife:
    case gmGenerations:
    case gmVoteForLife:
        FBusy = true;
        spnColorsCount->setValue(r(24) + 2);
        chkRuleS[0]->setChecked(r(3) == 0);
        for (int k = 1; k < 10; ++k) chkRuleS[size_t(k)]->setChecked(r(2) == 0);
        chkRuleB[0]->setChecked(r(3) == 0);
        chkRuleB[1]->setChecked(r(5) < 2);
        for (int k = 2; k < 10; ++k) chkRuleB[size_t(k)]->setChecked(r(2) == 0);
        FBusy = false;
        break;
    case gmWeightedLife: {
        FBusy = true;
        spnColorsCount->setValue(r(24) + 2);
        chkWLifeSymmetry->setChecked(r(2) > 0);
        chkWLifeHist->setChecked(r(3) > 0);
        std::array<int32_t, 9> w{};
        for (int32_t& weight : w) weight = r(16);
        std::vector<int32_t> survival, birth;
        for (int i = r(9); i >= 0; --i) survival.push_back(r(32) + 1);
        for (int i = r(9); i >= 0; --i) birth.push_back(r(32) + 1);
        if (chkWLifeSymmetry->isChecked()) {
            SpreadSymmetricWeight(w, 0);
            SpreadSymmetricWeight(w, 1);
        }
        for (size_t i = 0; i < w.size(); ++i) spnWeight[i]->setValue(w[i]);
        lisWeightS->clear();
        lisWeightB->clear();
        AddSums(survival, "");
        AddSums(birth, "");
        FillSums(lisWeightS, survival);
        FillSums(lisWeightB, birth);
        FBusy = false;
        break;
    }
    case gmRulesTable: {
        FBusy = true;
        chkRTableAll1Fire->setChecked(r(3) > 1);
        const bool moore = r(2) == 0;
        (moore ? chkRTNghTyp1 : chkRTNghTyp2)->setChecked(true);
        chkRTableCtrCell->setChecked(r(3) > 1);
        const int m = (moore ? 8 : 4) + (chkRTableCtrCell->isChecked() ? 1 : 0);
        const int top = r(16) + 1;
        const int32_t sparseness = FConfig.Window.RndTabSparseness;
        const QSignalBlocker block(grdRTable);
        for (int s = 0; s < TRulesTable::kStates; ++s)
            for (int c = 0; c < TRulesTable::kCounts; ++c) {
                const bool filled = s <= top && c <= m && r(100) >= sparseness;
                grdRTable->item(s, c)->setText(QString::number(filled ? r(top + 1) : 0));
            }
        grdRTable->item(0, 0)->setText("0");
        FBusy = false;
        break;
    }
    case gmCyclic: {
        FBusy = true;
        spnColorsCount->setValue(r(24) + 2);
        const int range = r(10) + 1;
        spnCyclRange->setValue(range);
        CyclicRangeChanged();
        spnCyclThreshold->setValue(r(TRulesCycl::MaxThreshold(range)) + 1);
        FBusy = false;
        break;
    }
    case gm1DTotalistic: {
        FBusy = true;
        spnColorsCount->setValue(r(24) + 2);
        spn1DToRange->setValue(r(10) + 1);
        chk1DToCenter->setChecked(random.Uniform() > 0.3);
        chk1DToHistory->setChecked(random.Uniform() > 0.7);
        EnableOneDBoxes();
        const int n = 2 * spn1DToRange->value() + (chk1DToCenter->isChecked() ? 1 : 0);
        for (int i = 0; i < TRules1DTo::kFlagCount; ++i) {
            const bool survival = i <= n && random.Uniform() > 0.65;
            const bool birth = i <= n && random.Uniform() > 0.65;
            chk1DToS[size_t(i)]->setChecked(survival);
            chk1DToB[size_t(i)]->setChecked(birth);
        }
        FBusy = false;
        break;
    }
    case gmSpecial: {
        FBusy = true;
        auto value = [&random] {
            return Text(RealToText(std::round(random.Uniform() * 100) / 100));
        };
        for (QLineEdit* field : {fldTRCADelta1, fldTRCADelta2, fldTRCAEpsilon, fldTRCAGamma})
            field->setText(value());
        chkTRCAOnly3->setChecked(random.Uniform() > 0.3);
        FBusy = false;
        Only3Changed();
        break;
    }
    default:
        break;
    }
    ControlsToText();
}

// ---- famous rules ----

void TRulesPage::FillFamousRules()
{
    const QSignalBlocker block(lvRules);
    lvRules->clear();
    const TRuleLibrary& library = FGlobals.Life.Library;
    const int game = Game();
    for (int i = 0; i < library.EntryCount(game); ++i) {
        const TFamousRule* entry = library.Entry(game, i);
        lvRules->addTopLevelItem(
            new QTreeWidgetItem({QString::number(i + 1), Text(entry->Name), Text(entry->Rule)}));
    }
    ShowRuleDetails();
}

int TRulesPage::SelectedRule() const
{
    const QList<QTreeWidgetItem*> selected = lvRules->selectedItems();
    return selected.isEmpty() ? -1 : lvRules->indexOfTopLevelItem(selected.first());
}

// The description, the character and the enabling of Edit and Delete of the selected row.
void TRulesPage::ShowRuleDetails()
{
    const TFamousRule* entry = FGlobals.Life.Library.Entry(Game(), SelectedRule());
    memoRules->setPlainText(entry ? Text(entry->Description) : QString());
    lblRuleCharacter->setText(entry ? Text(entry->Kind) : "???");
    const bool user = entry && entry->User && Game() != gmUserDll && Game() != gmSpecial;
    cmdRuleEdit->setEnabled(user);
    cmdRuleDelete->setEnabled(user);
}

void TRulesPage::FamousRuleSelected()
{
    const TFamousRule* entry = FGlobals.Life.Library.Entry(Game(), SelectedRule());
    if (entry && !entry->Rule.empty()) {
        // A library rule is taken as it is, its weights not made symmetrical.
        TextFieldOf(Game())->setText(Text(entry->Rule));
    }
    ShowRuleDetails();
}

void TRulesPage::SelectMatchingRule()
{
    const QString rule = TextFieldOf(Game())->text();
    const QSignalBlocker block(lvRules);
    lvRules->clearSelection();
    for (int i = 0; i < lvRules->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lvRules->topLevelItem(i);
        if (item->text(2) == rule) {
            item->setSelected(true);
            lvRules->setCurrentItem(item);
            lvRules->scrollToItem(item);
            break;
        }
    }
    ShowRuleDetails();
}

void TRulesPage::SaveRuleAs()
{
    TUserRuleFields fields{Game(), RuleText(), "", "", ""};
    bool ok = false;
    Asking([&] { ok = AskUserRule(fields); });
    if (!ok) return;
    TRuleLibrary& library = FGlobals.Life.Library;
    library.AddEntry(fields.Game, fields.Name, fields.Rule, fields.Kind, fields.Description, true);
    library.WriteUserRules(FGlobals.ProgramFolder);
    FillFamousRules();
    SelectMatchingRule();
}

void TRulesPage::EditRule()
{
    const int position = SelectedRule();
    TRuleLibrary& library = FGlobals.Life.Library;
    const TFamousRule* entry = library.Entry(Game(), position);
    if (!entry || !entry->User) return;
    TUserRuleFields fields{Game(), RuleText(), entry->Name, entry->Kind, entry->Description};
    bool ok = false;
    Asking([&] { ok = AskUserRule(fields); });
    if (!ok) return;
    library.EditEntry(Game(), position, fields.Name, fields.Kind, fields.Description);
    library.WriteUserRules(FGlobals.ProgramFolder);
    FillFamousRules();
    SelectMatchingRule();
}

void TRulesPage::DeleteRule()
{
    const int position = SelectedRule();
    TRuleLibrary& library = FGlobals.Life.Library;
    const TFamousRule* entry = library.Entry(Game(), position);
    if (!entry || !entry->User) return;
    TMsgAnswer answer = TMsgAnswer::No;
    Asking([&] {
        answer = FGlobals.Host.ShowMessage("Are you sure?", "Confirm", TMsgIcon::Question,
                                           TMsgButtons::YesNo);
    });
    if (answer != TMsgAnswer::Yes) return;
    library.DeleteEntry(Game(), position);
    library.WriteUserRules(FGlobals.ProgramFolder);
    FillFamousRules();
    SelectMatchingRule();
}
