#include "ui/u_RuleEditorLife.h"

#include "base/u_Host.h"
#include "rules/u_Life.h"
#include "rules/u_RuleEditing.h"
#include "ui/u_DialogButtons.h"
#include "ui/u_SettingsControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TLifeRuleEditor::TLifeRuleEditor(TRuleEditorSite& site)
    : TRuleEditor(site, "pnlRulesLife", "fldRules")
{
    grpRulesS = new QGroupBox("Survivals");
    grpRulesS->setObjectName("grpRulesS");
    grpRulesB = new QGroupBox("Births");
    grpRulesB->setObjectName("grpRulesB");
    auto* survivals = new QHBoxLayout(grpRulesS);
    auto* births = new QHBoxLayout(grpRulesB);
    for (size_t k = 0; k < chkRuleS.size(); ++k) {
        chkRuleS[k] = NamedCheckBox(QString("chkRuleS%1").arg(k), QString::number(k));
        chkRuleB[k] = NamedCheckBox(QString("chkRuleB%1").arg(k), QString::number(k));
        survivals->addWidget(chkRuleS[k]);
        births->addWidget(chkRuleB[k]);
        for (QCheckBox* box : {chkRuleS[k], chkRuleB[k]})
            connect(box, &QCheckBox::toggled, this, [this] { ControlsToText(); });
    }
    cmdNLUKY = CommandButton("cmdNLUKY", "NLUKY", false);
    cmdNLUKY->setToolTip("Enter Ardo's Venner NLUKY code");
    connect(cmdNLUKY, &QPushButton::clicked, this, [this] { NlukyClick(); });

    QHBoxLayout* text = TextRow();
    text->addWidget(cmdNLUKY);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grpRulesS);
    layout->addWidget(grpRulesB);
    layout->addLayout(text);
    layout->addStretch();
}

// Vote for Life counts the cell itself, so its "Alive" boxes run 1..9 and it has no births.
void TLifeRuleEditor::ShowFor(int game)
{
    const bool vote = game == gmVoteForLife;
    grpRulesS->setTitle(vote ? "Alive" : "Survivals");
    chkRuleS[0]->setEnabled(!vote);
    chkRuleS[9]->setEnabled(vote);
    grpRulesB->setVisible(!vote);
    chkRuleB[0]->setEnabled(false);
    chkRuleB[9]->setEnabled(false);
    cmdNLUKY->setVisible(game == gmGenerations);
}

bool TLifeRuleEditor::ShowsStatesCount(int game) const
{
    return game == gmGenerations;
}

void TLifeRuleEditor::WriteText()
{
    uint16_t survival = 0, birth = 0;
    for (size_t k = 0; k < chkRuleS.size(); ++k) {
        if (chkRuleS[k]->isChecked()) survival |= uint16_t(1u << k);
        if (chkRuleB[k]->isChecked()) birth |= uint16_t(1u << k);
    }
    SetRuleText(LifeEditorText(survival, birth, Site.Game(), Site.StatesCount()));
}

// Birth at 0 never happens, so B0 is left as it is.
void TLifeRuleEditor::ReadText(const std::string& text)
{
    const std::optional<TLifeRule> rule = TLife::ParseLifeRule(text, uint8_t(Site.Game()));
    const uint16_t survival = rule ? rule->Survival : 0, birth = rule ? rule->Birth : 0;
    for (size_t k = 0; k < chkRuleS.size(); ++k) {
        chkRuleS[k]->setChecked(survival & (1u << k));
        if (k > 0) chkRuleB[k]->setChecked(birth & (1u << k));
    }
    if (rule && rule->StatesCount) Site.SetStatesCount(*rule->StatesCount);
}

// Boxes the game does not use are drawn as well; WriteText ignores them.
void TLifeRuleEditor::DrawRandomRule()
{
    Site.SetStatesCount(RandomBelow(24) + 2);
    chkRuleS[0]->setChecked(RandomBelow(3) == 0);
    for (size_t k = 1; k < chkRuleS.size(); ++k) chkRuleS[k]->setChecked(RandomBelow(2) == 0);
    chkRuleB[0]->setChecked(RandomBelow(3) == 0);
    chkRuleB[1]->setChecked(RandomBelow(5) < 2);
    for (size_t k = 2; k < chkRuleB.size(); ++k) chkRuleB[k]->setChecked(RandomBelow(2) == 0);
}

void TLifeRuleEditor::NlukyClick()
{
    const std::optional<QString> answer = Site.Ask("NLUKY", "Enter Ardo's Venner NLUKY code:");
    if (!answer) return;
    const std::optional<std::string> rule = NlukyRule(StdText(*answer));
    if (!rule) {
        Site.Tell("NLUKY code must be at least 5 digits long!", "NLUKY", TMsgIcon::Warning);
        return;
    }
    SetRuleText(*rule);
}
