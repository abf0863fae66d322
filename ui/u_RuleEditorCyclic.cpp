#include "ui/u_RuleEditorCyclic.h"

#include "rules/u_Rules.h"
#include "ui/u_DialogButtons.h"
#include "ui/u_SettingsControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

TCyclicRuleEditor::TCyclicRuleEditor(TRuleEditorSite& site)
    : TRuleEditor(site, "pnlRulesCyclic", "fldCyclRules")
{
    spnCyclRange = NamedSpinner("CyclRange", 1, 10);
    spnCyclThreshold = NamedSpinner("CyclThreshold", 1, 8);
    lblCyclThreshold = Caption("Threshold (1..8):", spnCyclThreshold);
    lblCyclThreshold->setObjectName("lblCyclThreshold");
    chkCyclNghTyp1 = NamedRadio("chkCyclNghTyp1", "Moore");
    chkCyclNghTyp2 = NamedRadio("chkCyclNghTyp2", "von Neumann");
    auto* neighbourhood = new QButtonGroup(this);
    neighbourhood->addButton(chkCyclNghTyp1);
    neighbourhood->addButton(chkCyclNghTyp2);
    chkCyclGH = NamedCheckBox("chkCyclGH", "Greenberg-Hastings Model",
                              "Cells change from color 0 to 1 if they have\r\nat least threshold "
                              "1's in their neighbor set.\r\nAll other colors advance "
                              "automatically.");
    connect(spnCyclRange, &QSpinBox::valueChanged, this, [this] { RangeChanged(); });
    connect(spnCyclThreshold, &QSpinBox::valueChanged, this, [this] { ControlsToText(); });
    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(chkCyclNghTyp1),
          static_cast<QAbstractButton*>(chkCyclNghTyp2), static_cast<QAbstractButton*>(chkCyclGH)})
        connect(b, &QAbstractButton::toggled, this, [this] { ControlsToText(); });

    auto* grid = new QGridLayout;
    grid->addWidget(Caption("Range (1..10):", spnCyclRange), 0, 0);
    grid->addWidget(spnCyclRange, 0, 1);
    grid->addWidget(lblCyclThreshold, 1, 0);
    grid->addWidget(spnCyclThreshold, 1, 1);
    grid->addWidget(chkCyclNghTyp1, 2, 0);
    grid->addWidget(chkCyclNghTyp2, 3, 0);
    grid->addWidget(chkCyclGH, 4, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(TextRow());
    layout->addStretch();
}

bool TCyclicRuleEditor::ShowsStatesCount(int) const
{
    return true;
}

// The threshold reaches every cell of the range.
void TCyclicRuleEditor::RangeChanged()
{
    const int32_t most = TRulesCycl::MaxThreshold(spnCyclRange->value());
    spnCyclThreshold->setMaximum(most);
    lblCyclThreshold->setText(QString("Threshold (1..%1):").arg(most));
    ControlsToText();
}

void TCyclicRuleEditor::WriteText()
{
    TRulesCycl rule;
    rule.InitFromPrm(Site.StatesCount(), spnCyclRange->value(), spnCyclThreshold->value(),
                     chkCyclNghTyp1->isChecked() ? 1 : 2, chkCyclGH->isChecked());
    SetRuleText(rule.GetAsString());
}

void TCyclicRuleEditor::ReadText(const std::string& text)
{
    TRulesCycl rule;
    rule.InitFromString(text);
    rule.Validate();
    Site.SetStatesCount(rule.StatesCount);
    spnCyclRange->setValue(rule.Range);
    RangeChanged();
    spnCyclThreshold->setValue(rule.Threshold);
    (rule.Neighbourhood == 2 ? chkCyclNghTyp2 : chkCyclNghTyp1)->setChecked(true);
    chkCyclGH->setChecked(rule.GreenbergHastings);
}

// The neighbourhood and the model stay as they are.
void TCyclicRuleEditor::DrawRandomRule()
{
    Site.SetStatesCount(RandomBelow(24) + 2);
    const int range = RandomBelow(10) + 1;
    spnCyclRange->setValue(range);
    RangeChanged();
    spnCyclThreshold->setValue(RandomBelow(TRulesCycl::MaxThreshold(range)) + 1);
}
