#include "ui/u_RuleEditor1D.h"

#include "rules/u_RuleEditing.h"
#include "ui/u_SettingsControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

T1DRuleEditor::T1DRuleEditor(TRuleEditorSite& site)
    : TRuleEditor(site, "pnlRules1DTo", "fld1DToRules")
{
    spn1DToRange = NamedSpinner("1DToRange", 1, 10);
    auto* grpS = new QGroupBox("Survivals");
    auto* grpB = new QGroupBox("Births");
    auto* survivals = new QGridLayout(grpS);
    auto* births = new QGridLayout(grpB);
    for (size_t i = 0; i < chk1DToS.size(); ++i) {
        const QString number = QString("%1").arg(i, 2, 10, QChar('0'));
        chk1DToS[i] = NamedCheckBox("chk1DToS" + number, QString::number(i));
        chk1DToB[i] = NamedCheckBox("chk1DToB" + number, QString::number(i));
        survivals->addWidget(chk1DToS[i], int(i / 11), int(i % 11));
        births->addWidget(chk1DToB[i], int(i / 11), int(i % 11));
        for (QCheckBox* box : {chk1DToS[i], chk1DToB[i]})
            connect(box, &QCheckBox::toggled, this, [this] { ControlsToText(); });
    }
    chk1DToCenter = NamedCheckBox("chk1DToCenter", "Include the center cell");
    chk1DToHistory = NamedCheckBox("chk1DToHistory", "History");
    connect(spn1DToRange, &QSpinBox::valueChanged, this, [this] {
        EnableBoxes();
        ControlsToText();
    });
    connect(chk1DToCenter, &QCheckBox::toggled, this, [this] {
        EnableBoxes();
        ControlsToText();
    });
    connect(chk1DToHistory, &QCheckBox::toggled, this, [this] { ControlsToText(); });

    auto* top = new QHBoxLayout;
    top->addWidget(Caption("Range (1..10):", spn1DToRange));
    top->addWidget(spn1DToRange);
    top->addSpacing(16);
    top->addWidget(chk1DToCenter);
    top->addWidget(chk1DToHistory);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grpS);
    layout->addWidget(grpB);
    layout->addLayout(TextRow());
    layout->addStretch();
}

bool T1DRuleEditor::ShowsStatesCount(int) const
{
    return true;
}

void T1DRuleEditor::EnableBoxes()
{
    const int32_t most = OneDMaxCount(spn1DToRange->value(), chk1DToCenter->isChecked());
    for (size_t i = 0; i < chk1DToS.size(); ++i) {
        chk1DToS[i]->setEnabled(int32_t(i) <= most);
        chk1DToB[i]->setEnabled(int32_t(i) <= most);
    }
}

void T1DRuleEditor::WriteText()
{
    TRules1DTo::TFlags survival{}, birth{};
    for (size_t i = 0; i < chk1DToS.size(); ++i) {
        survival[i] = chk1DToS[i]->isChecked();
        birth[i] = chk1DToB[i]->isChecked();
    }
    TRules1DTo rule;
    rule.InitFromPrm(Site.StatesCount(), spn1DToRange->value(), chk1DToHistory->isChecked(),
                     chk1DToCenter->isChecked(), survival, birth);
    SetRuleText(rule.GetAsString());
}

// A text without "C" has the history of the board's states count, whatever the page's count.
void T1DRuleEditor::ReadText(const std::string& text)
{
    TRules1DTo rule;
    rule.InitFromString(text, Site.BoardStatesCount());
    Site.SetStatesCount(rule.StatesCount);
    spn1DToRange->setValue(rule.Range);
    chk1DToCenter->setChecked(rule.Centre);
    chk1DToHistory->setChecked(rule.History);
    for (size_t i = 0; i < chk1DToS.size(); ++i) {
        chk1DToS[i]->setChecked(rule.Survival[i]);
        chk1DToB[i]->setChecked(rule.Birth[i]);
    }
    EnableBoxes();
}

// Each sum the range reaches survives and is born with odds of 0.35, drawn in this order.
void T1DRuleEditor::DrawRandomRule()
{
    Site.SetStatesCount(RandomBelow(24) + 2);
    spn1DToRange->setValue(RandomBelow(10) + 1);
    chk1DToCenter->setChecked(RandomReal() > 0.3);
    chk1DToHistory->setChecked(RandomReal() > 0.7);
    EnableBoxes();
    const int n = 2 * spn1DToRange->value() + (chk1DToCenter->isChecked() ? 1 : 0);
    for (size_t i = 0; i < chk1DToS.size(); ++i) {
        const bool survival = int(i) <= n && RandomReal() > 0.65;
        const bool birth = int(i) <= n && RandomReal() > 0.65;
        chk1DToS[i]->setChecked(survival);
        chk1DToB[i]->setChecked(birth);
    }
}
