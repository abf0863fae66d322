#include "ui/u_RuleEditorSpecial.h"

#include "base/u_Text.h"
#include "rules/u_Rules.h"
#include "ui/u_SettingsControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>

namespace {

struct TParameter {
    const char* Name;
    const char* Caption;
    const char* Note;
};
constexpr TParameter kParameters[] = {{"fldTRCADelta1", "Delta1", "(0 10 0)"},
                                      {"fldTRCADelta2", "Delta2", "(1 10 1)"},
                                      {"fldTRCAEpsilon", "Epsilon", "(1 10 0)"},
                                      {"fldTRCAGamma", "Gamma", "(0 10 1)"}};

} // namespace

TSpecialRuleEditor::TSpecialRuleEditor(TRuleEditorSite& site)
    : TRuleEditor(site, "pnlRulesSpec", "fldSpecRules")
{
    chkTRCAOnly3 = NamedCheckBox("chkTRCAOnly3", "Only 3 main parameters",
                                 "When checked, delta2=delta1, gamma2=gamma1");
    auto* grid = new QGridLayout;
    for (int i = 0; i < int(FFields.size()); ++i) {
        QLineEdit* field = NamedField(kParameters[i].Name);
        FFields[size_t(i)] = field;
        grid->addWidget(Caption(kParameters[i].Caption, field), i, 0);
        grid->addWidget(field, i, 1);
        grid->addWidget(new QLabel(kParameters[i].Note), i, 2);
        connect(field, &QLineEdit::textEdited, this, [this] {
            if (chkTRCAOnly3->isChecked()) fldTRCADelta2->setText(fldTRCADelta1->text());
            ControlsToText();
        });
    }
    fldTRCADelta1 = FFields[0];
    fldTRCADelta2 = FFields[1];
    grid->addWidget(chkTRCAOnly3, 4, 0, 1, 3);
    grid->setColumnStretch(3, 1);
    connect(chkTRCAOnly3, &QCheckBox::toggled, this, [this] { Only3Changed(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(TextRow());
    layout->addStretch();
}

void TSpecialRuleEditor::Only3Changed()
{
    const bool only3 = chkTRCAOnly3->isChecked();
    fldTRCADelta2->setEnabled(!only3);
    if (only3) fldTRCADelta2->setText(fldTRCADelta1->text());
    ControlsToText();
}

void TSpecialRuleEditor::WriteText()
{
    TRulesSpec rule;
    rule.InitFromStrings(StdText(FFields[0]->text()), StdText(FFields[1]->text()),
                         StdText(FFields[2]->text()), StdText(FFields[3]->text()));
    SetRuleText(rule.GetAsString());
}

void TSpecialRuleEditor::ReadText(const std::string& text)
{
    TRulesSpec rule;
    rule.InitFromString(text);
    const double values[] = {rule.Delta1, rule.Delta2, rule.Epsilon, rule.Gamma};
    for (size_t i = 0; i < FFields.size(); ++i) FFields[i]->setText(QText(RealToText(values[i])));
}

// Values in hundredths of 0..1.
void TSpecialRuleEditor::DrawRandomRule()
{
    for (QLineEdit* field : FFields)
        field->setText(QText(RealToText(std::round(RandomReal() * 100) / 100)));
    chkTRCAOnly3->setChecked(RandomReal() > 0.3);
    Only3Changed();
}
