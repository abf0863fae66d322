#include "ui/u_RuleEditorTable.h"

#include "base/u_Text.h"
#include "rules/u_Life.h"
#include "ui/u_DialogButtons.h"
#include "ui/u_SettingsControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr const char* kClearedTable = "1,0,0,0,0,0,0,0,0,0,0,0,0";

} // namespace

TTableRuleEditor::TTableRuleEditor(TRuleEditorSite& site)
    : TRuleEditor(site, "pnlRulesRTable", "fldRTRules")
{
    grdRTable = new QTableWidget(TRulesTable::kStates, TRulesTable::kCounts);
    grdRTable->setObjectName("grdRTable");
    for (int s = 0; s < TRulesTable::kStates; ++s)
        for (int c = 0; c < TRulesTable::kCounts; ++c)
            grdRTable->setItem(s, c, new QTableWidgetItem("0"));
    QStringList counts, states;
    for (int c = 0; c < TRulesTable::kCounts; ++c) counts << QString::number(c);
    for (int s = 0; s < TRulesTable::kStates; ++s) states << QString::number(s);
    grdRTable->setHorizontalHeaderLabels(counts);
    grdRTable->setVerticalHeaderLabels(states);
    grdRTable->horizontalHeader()->setDefaultSectionSize(fontMetrics().horizontalAdvance("000") +
                                                         10);
    grdRTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    connect(grdRTable, &QTableWidget::itemChanged, this, [this] { TableChanged(); });

    chkRTNghTyp1 = NamedRadio("chkRTNghTyp1", "Moore");
    chkRTNghTyp2 = NamedRadio("chkRTNghTyp2", "von Neumann");
    auto* neighbourhood = new QButtonGroup(this);
    neighbourhood->addButton(chkRTNghTyp1);
    neighbourhood->addButton(chkRTNghTyp2);
    chkRTableCtrCell = NamedCheckBox("chkRTableCtrCell", "Include the center cell");
    chkRTableAll1Fire = NamedCheckBox("chkRTableAll1Fire", "All odd states are firing",
                                      "Full 1st bitplane fires, else only the state 1");
    auto* cmdRTClear = CommandButton("cmdRTClear", "Clear", false);
    cmdRTClear->setToolTip("Empty the table");
    connect(cmdRTClear, &QPushButton::clicked, this, [this] { SetRuleText(kClearedTable); });

    auto* options = new QVBoxLayout;
    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(chkRTNghTyp1), static_cast<QAbstractButton*>(chkRTNghTyp2),
          static_cast<QAbstractButton*>(chkRTableCtrCell),
          static_cast<QAbstractButton*>(chkRTableAll1Fire)}) {
        connect(b, &QAbstractButton::toggled, this, [this] { TableChanged(); });
        options->addWidget(b);
    }
    options->addWidget(cmdRTClear);
    options->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(grdRTable, 1);
    top->addLayout(options);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(TextRow());
}

// A dead cell without neighbours stays dead whatever the grid says.
void TTableRuleEditor::TableChanged()
{
    if (Site.Busy) return;
    {
        const QSignalBlocker block(grdRTable);
        grdRTable->item(0, 0)->setText("0");
    }
    ControlsToText();
}

// Counts 0..8 (Moore) or 0..4 (von Neumann), and one more with the centre cell.
void TTableRuleEditor::ShowCountColumns()
{
    const int last = (chkRTNghTyp1->isChecked() ? 8 : 4) + (chkRTableCtrCell->isChecked() ? 1 : 0);
    for (int c = 0; c < TRulesTable::kCounts; ++c) grdRTable->setColumnHidden(c, c > last);
}

void TTableRuleEditor::WriteText()
{
    TRulesTable table;
    for (int s = 0; s < TRulesTable::kStates; ++s)
        for (int c = 0; c < TRulesTable::kCounts; ++c)
            table.Table[s][c] = uint8_t(std::clamp(SafeInt(StdText(grdRTable->item(s, c)->text())),
                                                   0, TRulesTable::kStates - 1));
    table.Neighbourhood = chkRTNghTyp1->isChecked() ? 1 : 2;
    table.Centre = chkRTableCtrCell->isChecked();
    table.OddStates = chkRTableAll1Fire->isChecked();
    SetRuleText(TLife::FormatRulesTable(table));
    ShowCountColumns();
}

void TTableRuleEditor::ReadText(const std::string& text)
{
    const TRulesTable table = TLife::ParseRulesTable(text);
    chkRTableCtrCell->setChecked(table.Centre);
    chkRTableAll1Fire->setChecked(table.OddStates);
    (table.Neighbourhood == 2 ? chkRTNghTyp2 : chkRTNghTyp1)->setChecked(true);
    for (int s = 0; s < TRulesTable::kStates; ++s)
        for (int c = 0; c < TRulesTable::kCounts; ++c)
            grdRTable->item(s, c)->setText(QString::number(table.Table[s][c]));
    ShowCountColumns();
}

// Fills the states up to a random top and the counts the neighbourhood reaches, leaving the
// sparseness setting's share of them 0.
void TTableRuleEditor::DrawRandomRule()
{
    chkRTableAll1Fire->setChecked(RandomBelow(3) > 1);
    const bool moore = RandomBelow(2) == 0;
    (moore ? chkRTNghTyp1 : chkRTNghTyp2)->setChecked(true);
    chkRTableCtrCell->setChecked(RandomBelow(3) > 1);
    const int m = (moore ? 8 : 4) + (chkRTableCtrCell->isChecked() ? 1 : 0);
    const int top = RandomBelow(16) + 1;
    const int32_t sparseness = Site.TableSparseness();
    const QSignalBlocker block(grdRTable);
    for (int s = 0; s < TRulesTable::kStates; ++s)
        for (int c = 0; c < TRulesTable::kCounts; ++c) {
            const bool filled = s <= top && c <= m && RandomBelow(100) >= sparseness;
            grdRTable->item(s, c)->setText(QString::number(filled ? RandomBelow(top + 1) : 0));
        }
    grdRTable->item(0, 0)->setText("0");
}
