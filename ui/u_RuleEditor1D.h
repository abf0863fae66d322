#pragma once
// The 1-D totalistic editor: range, centre cell, history, and the survival and birth boxes for
// the sums the range reaches.

#include "rules/u_Rules.h"
#include "ui/u_RuleEditor.h"

#include <array>

class QCheckBox;
class QSpinBox;

class T1DRuleEditor : public TRuleEditor {
    Q_OBJECT

public:
    explicit T1DRuleEditor(TRuleEditorSite& site);

    bool ShowsStatesCount(int game) const override;

private:
    void WriteText() override;
    void ReadText(const std::string& text) override;
    void DrawRandomRule() override;

    void EnableBoxes();

    QSpinBox* spn1DToRange = nullptr;
    std::array<QCheckBox*, TRules1DTo::kFlagCount> chk1DToS{};
    std::array<QCheckBox*, TRules1DTo::kFlagCount> chk1DToB{};
    QCheckBox* chk1DToCenter = nullptr;
    QCheckBox* chk1DToHistory = nullptr;
};
