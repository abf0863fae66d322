#pragma once
// The Rules table editor: the next state for every current state and count of firing
// neighbours, the neighbourhood, the centre cell and which states fire.

#include "ui/u_RuleEditor.h"

class QCheckBox;
class QRadioButton;
class QTableWidget;

class TTableRuleEditor : public TRuleEditor {
    Q_OBJECT

public:
    explicit TTableRuleEditor(TRuleEditorSite& site);

private:
    void WriteText() override;
    void ReadText(const std::string& text) override;
    void DrawRandomRule() override;

    void TableChanged();
    void ShowCountColumns();

    QTableWidget* grdRTable = nullptr;
    QRadioButton* chkRTNghTyp1 = nullptr;
    QRadioButton* chkRTNghTyp2 = nullptr;
    QCheckBox* chkRTableCtrCell = nullptr;
    QCheckBox* chkRTableAll1Fire = nullptr;
};
