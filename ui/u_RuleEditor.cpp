#include "ui/u_RuleEditor.h"

#include "base/u_Random.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

QLabel* Caption(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* NamedField(const char* name)
{
    auto* field = new QLineEdit;
    field->setObjectName(name);
    return field;
}

TRuleEditor::TRuleEditor(TRuleEditorSite& site, const char* panel, const char* field)
    : Site(site), FText(NamedField(field))
{
    setObjectName(panel);
    connect(FText, &QLineEdit::textChanged, this, [this] { TextToControls(); });
}

std::string TRuleEditor::RuleText() const
{
    return StdText(FText->text());
}

void TRuleEditor::SetRuleText(const std::string& text)
{
    FText->setText(QText(text));
}

void TRuleEditor::ShowFor(int) {}

bool TRuleEditor::ShowsStatesCount(int) const
{
    return false;
}

void TRuleEditor::RandomRule()
{
    Site.Busy = true;
    DrawRandomRule();
    Site.Busy = false;
    ControlsToText();
}

void TRuleEditor::WriteText() {}

void TRuleEditor::ReadText(const std::string&) {}

void TRuleEditor::DrawRandomRule() {}

int32_t TRuleEditor::RandomBelow(int32_t n) const
{
    return Site.Random().Integer(0, n - 1);
}

double TRuleEditor::RandomReal() const
{
    return Site.Random().Uniform();
}

void TRuleEditor::ControlsToText()
{
    if (Site.Busy) return;
    Site.Busy = true;
    WriteText();
    Site.Busy = false;
    Site.TextChanged();
}

void TRuleEditor::TextToControls()
{
    if (Site.Busy) return;
    Site.Busy = true;
    ReadText(RuleText());
    Site.Busy = false;
    Site.TextChanged();
}

QHBoxLayout* TRuleEditor::TextRow()
{
    auto* row = new QHBoxLayout;
    row->addWidget(Caption("Text version", FText));
    row->addWidget(FText, 1);
    return row;
}

void TRuleEditor::HideText()
{
    FText->setParent(this);
    FText->hide();
}

TUserDllRuleEditor::TUserDllRuleEditor(TRuleEditorSite& site)
    : TRuleEditor(site, "pnlRulesUserDLL", "fldUserRules")
{
    HideText();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Choose the rule library from the famous rules."));
    layout->addStretch();
}
