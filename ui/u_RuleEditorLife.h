#pragma once
// The editor of Life, Generations and Vote for Life: survival and birth boxes for the counts
// 0..9, and for Generations the NLUKY code.

#include "ui/u_RuleEditor.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;

class TLifeRuleEditor : public TRuleEditor {
    Q_OBJECT

public:
    explicit TLifeRuleEditor(TRuleEditorSite& site);

    void ShowFor(int game) override;
    bool ShowsStatesCount(int game) const override;

private:
    void WriteText() override;
    void ReadText(const std::string& text) override;
    void DrawRandomRule() override;
    void NlukyClick();

    QGroupBox* grpRulesS = nullptr;
    QGroupBox* grpRulesB = nullptr;
    std::array<QCheckBox*, 10> chkRuleS{};
    std::array<QCheckBox*, 10> chkRuleB{};
    QPushButton* cmdNLUKY = nullptr;
};
