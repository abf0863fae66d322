#pragma once
// The Weighted Life editor: nine neighbour weights, kept symmetrical on request, the sums at
// which a cell survives or is born, and the history of dying cells.

#include "ui/u_RuleEditor.h"

#include <array>
#include <vector>

class QCheckBox;
class QGroupBox;
class QListWidget;
class QSpinBox;

class TWLifeRuleEditor : public TRuleEditor {
    Q_OBJECT

public:
    explicit TWLifeRuleEditor(TRuleEditorSite& site);

    bool ShowsStatesCount(int game) const override;
    // "Symmetrical rule", which the General page shows too.
    bool Symmetry() const;
    void SetSymmetry(bool on);

private:
    void WriteText() override;
    void ReadText(const std::string& text) override;
    void DrawRandomRule() override;

    QGroupBox* SumsGroup(const QString& title, const char* kind, QListWidget*& list);
    std::array<int32_t, 9> Weights() const;
    void ShowWeights(const std::array<int32_t, 9>& weights);
    void WeightChanged(int index);
    void AddSumsTo(QListWidget* list);
    void DeleteSum(QListWidget* list);

    std::array<QSpinBox*, 9> spnWeight{};
    QListWidget* lisWeightS = nullptr;
    QListWidget* lisWeightB = nullptr;
    QCheckBox* chkWLifeSymmetry = nullptr;
    QCheckBox* chkWLifeHist = nullptr;
};
