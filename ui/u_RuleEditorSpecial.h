#pragma once
// The Special rules editor: the four parameters of the rule, Delta2 following Delta1 while
// only the three main ones are wanted.

#include "ui/u_RuleEditor.h"

#include <array>

class QCheckBox;

class TSpecialRuleEditor : public TRuleEditor {
    Q_OBJECT

public:
    explicit TSpecialRuleEditor(TRuleEditorSite& site);

private:
    void WriteText() override;
    void ReadText(const std::string& text) override;
    void DrawRandomRule() override;

    void Only3Changed();

    // Delta1, Delta2, Epsilon, Gamma.
    std::array<QLineEdit*, 4> FFields{};
    QLineEdit* fldTRCADelta1 = nullptr;
    QLineEdit* fldTRCADelta2 = nullptr;
    QCheckBox* chkTRCAOnly3 = nullptr;
};
