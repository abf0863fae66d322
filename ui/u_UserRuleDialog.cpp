#include "ui/u_UserRuleDialog.h"

#include "base/u_Text.h"
#include "rules/u_Life.h"
#include "ui/u_DialogButtons.h"
#include "ui/u_RulesPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

std::string Filled(const QString& text)
{
    const std::string trimmed(Trim(text.toStdString()));
    return trimmed.empty() ? "???" : trimmed;
}

} // namespace

TfrmUserRule::TfrmUserRule(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmUserRule");
    setWindowTitle("User rule");
    fldGame = new QLineEdit;
    fldGame->setObjectName("fldGame");
    fldGame->setReadOnly(true);
    fldRule = new QLineEdit;
    fldRule->setObjectName("fldRule");
    fldRule->setReadOnly(true);
    fldName = new QLineEdit;
    fldName->setObjectName("fldName");
    cmbKind = new QComboBox;
    cmbKind->setObjectName("cmbKind");
    cmbKind->setEditable(true);
    cmbKind->addItems(
        {"Chaotic", "Exploding", "Expanding", "Collapsing", "Gliding", "Stable", "Cyclic"});
    memoRules = new QPlainTextEdit;
    memoRules->setObjectName("memoRules");

    auto* form = new QFormLayout;
    form->addRow("Game:", fldGame);
    form->addRow("Rule:", fldRule);
    form->addRow("Rule name:", fldName);
    form->addRow("Rule character", cmbKind);
    form->addRow("Description", memoRules);

    auto* cmdOk = CommandButton("cmdOk", "&Ok", true);
    auto* cmdHelp = CommandButton("cmdHelp", "&Help", false);
    auto* cmdCancel = CommandButton("cmdCancel", "Cancel", false);
    connect(cmdOk, &QPushButton::clicked, this, &TfrmUserRule::OkClick);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    ConnectHelp(cmdHelp, OnHelp, "ID_SETTINGS_RULES");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {cmdOk, cmdHelp, cmdCancel}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(420, 320);
}

bool TfrmUserRule::Execute(TUserRuleFields& fields)
{
    fldGame->setText(QString::fromStdString(TLife::GameName(fields.Game)));
    fldRule->setText(QString::fromStdString(fields.Rule));
    fldName->setText(QString::fromStdString(fields.Name));
    cmbKind->setEditText(QString::fromStdString(fields.Kind));
    memoRules->setPlainText(QString::fromStdString(fields.Description));
    fldName->setFocus();
    if (exec() != QDialog::Accepted) return false;
    fields.Name = Trim(fldName->text().toStdString());
    fields.Kind = Filled(cmbKind->currentText());
    // Line breaks are kept as CR LF, as every description is.
    fields.Description = Filled(memoRules->toPlainText().replace("\n", "\r\n"));
    return true;
}

void TfrmUserRule::OkClick()
{
    if (Trim(fldName->text().toStdString()).empty()) {
        QMessageBox::warning(this, windowTitle(), "The rule name cannot be left empty!");
        return;
    }
    accept();
}
