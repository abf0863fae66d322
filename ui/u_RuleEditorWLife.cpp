#include "ui/u_RuleEditorWLife.h"

#include "base/u_Host.h"
#include "base/u_Text.h"
#include "rules/u_Life.h"
#include "rules/u_RuleEditing.h"
#include "ui/u_DialogButtons.h"
#include "ui/u_SettingsControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kWeightLimit = 256;
constexpr const char* kWeightHints[] = {
    "Weight of left top neighbour",    "Weight of top neighbour",
    "Weight of right top neighbour",   "Weight of left neighbour",
    "Self weight neighbour",           "Weight of right neighbour",
    "Weight of left bottom neighbour", "Weight of bottom neighbour",
    "Weight of right bottom neighbour"};

// The weighted sums a rule holds, ascending.
template <class THolds>
std::vector<int32_t> HeldSums(THolds holds)
{
    std::vector<int32_t> sums;
    for (int32_t s = -TRulesWLife::kSumLimit; s <= TRulesWLife::kSumLimit; ++s)
        if (holds(s)) sums.push_back(s);
    return sums;
}

void FillSums(QListWidget* list, const std::vector<int32_t>& sums)
{
    list->clear();
    for (int32_t sum : sums) list->addItem(QString::number(sum));
}

std::vector<int32_t> Sums(const QListWidget* list)
{
    std::vector<int32_t> sums;
    for (int i = 0; i < list->count(); ++i) sums.push_back(SafeInt(StdText(list->item(i)->text())));
    return sums;
}

} // namespace

TWLifeRuleEditor::TWLifeRuleEditor(TRuleEditorSite& site)
    : TRuleEditor(site, "pnlRulesWLife", "fldWRules")
{
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
    HideText();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(grpWeights);
    layout->addWidget(SumsGroup("Survivals", "S", lisWeightS));
    layout->addWidget(SumsGroup("Births", "B", lisWeightB));
}

// A list of sums in three columns with its Add, Del and Clr buttons.
QGroupBox* TWLifeRuleEditor::SumsGroup(const QString& title, const char* kind, QListWidget*& list)
{
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
}

bool TWLifeRuleEditor::ShowsStatesCount(int) const
{
    return true;
}

bool TWLifeRuleEditor::Symmetry() const
{
    return chkWLifeSymmetry->isChecked();
}

void TWLifeRuleEditor::SetSymmetry(bool on)
{
    chkWLifeSymmetry->setChecked(on);
}

std::array<int32_t, 9> TWLifeRuleEditor::Weights() const
{
    std::array<int32_t, 9> weights{};
    for (size_t i = 0; i < weights.size(); ++i) weights[i] = spnWeight[i]->value();
    return weights;
}

void TWLifeRuleEditor::ShowWeights(const std::array<int32_t, 9>& weights)
{
    for (size_t i = 0; i < weights.size(); ++i) spnWeight[i]->setValue(weights[i]);
}

void TWLifeRuleEditor::WriteText()
{
    const std::array<int32_t, 9> w = Weights();
    TRulesWLife rule;
    rule.InitFromPrm(w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7], w[8], Site.StatesCount(),
                     chkWLifeHist->isChecked());
    for (int32_t sum : Sums(lisWeightS)) rule.SetSurvival(sum, true);
    for (int32_t sum : Sums(lisWeightB)) rule.SetBirth(sum, true);
    SetRuleText(rule.GetAsString());
}

// A text without "HI" has the history of the board's states count, whatever the page's count.
// The weights are taken as they are: the site is busy, so a library rule is not made
// symmetrical.
void TWLifeRuleEditor::ReadText(const std::string& text)
{
    TRulesWLife rule;
    rule.InitFromString(text, Site.BoardStatesCount());
    ShowWeights(rule.Weights);
    chkWLifeHist->setChecked(rule.History);
    Site.SetStatesCount(rule.StatesCount);
    FillSums(lisWeightS, HeldSums([&](int32_t s) { return rule.Survives(s); }));
    FillSums(lisWeightB, HeldSums([&](int32_t s) { return rule.IsBorn(s); }));
}

void TWLifeRuleEditor::WeightChanged(int index)
{
    if (Site.Busy) return;
    if (chkWLifeSymmetry->isChecked()) {
        std::array<int32_t, 9> w = Weights();
        SpreadSymmetricWeight(w, index);
        Site.Busy = true;
        ShowWeights(w);
        Site.Busy = false;
    }
    ControlsToText();
}

void TWLifeRuleEditor::AddSumsTo(QListWidget* list)
{
    const std::optional<QString> answer =
        Site.Ask("Rule", "Single value (-2048..2048) or a set (e.g., 2,5,12,517)");
    if (!answer) return;
    std::vector<int32_t> sums = Sums(list);
    AddSums(sums, StdText(*answer));
    FillSums(list, sums);
    ControlsToText();
}

void TWLifeRuleEditor::DeleteSum(QListWidget* list)
{
    QListWidgetItem* item = list->currentItem();
    if (!item || !item->isSelected()) {
        Site.Tell("First mark the rule to be deleted!", "Rule", TMsgIcon::Information);
        return;
    }
    delete item;
    ControlsToText();
}

void TWLifeRuleEditor::DrawRandomRule()
{
    Site.SetStatesCount(RandomBelow(24) + 2);
    chkWLifeSymmetry->setChecked(RandomBelow(2) > 0);
    chkWLifeHist->setChecked(RandomBelow(3) > 0);
    std::array<int32_t, 9> w{};
    for (int32_t& weight : w) weight = RandomBelow(16);
    std::vector<int32_t> survival, birth;
    for (int i = RandomBelow(9); i >= 0; --i) survival.push_back(RandomBelow(32) + 1);
    for (int i = RandomBelow(9); i >= 0; --i) birth.push_back(RandomBelow(32) + 1);
    if (chkWLifeSymmetry->isChecked()) {
        SpreadSymmetricWeight(w, 0);
        SpreadSymmetricWeight(w, 1);
    }
    ShowWeights(w);
    AddSums(survival, "");
    AddSums(birth, "");
    FillSums(lisWeightS, survival);
    FillSums(lisWeightB, birth);
}
