#pragma once
// The Cyclic CA editor: range, threshold, neighbourhood and the Greenberg-Hastings model.

#include "ui/u_RuleEditor.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class QSpinBox;

class TCyclicRuleEditor : public TRuleEditor {
    Q_OBJECT

public:
    explicit TCyclicRuleEditor(TRuleEditorSite& site);

    bool ShowsStatesCount(int game) const override;

private:
    void WriteText() override;
    void ReadText(const std::string& text) override;
    void DrawRandomRule() override;

    void RangeChanged();

    QSpinBox* spnCyclRange = nullptr;
    QSpinBox* spnCyclThreshold = nullptr;
    QLabel* lblCyclThreshold = nullptr;
    QRadioButton* chkCyclNghTyp1 = nullptr;
    QRadioButton* chkCyclNghTyp2 = nullptr;
    QCheckBox* chkCyclGH = nullptr;
};
