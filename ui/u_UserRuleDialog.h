#pragma once
// The user rule dialog: names, characterises and describes a rule the user keeps.

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
struct TUserRuleFields;

class TfrmUserRule : public QDialog {
    Q_OBJECT

public:
    explicit TfrmUserRule(QWidget* parent);

    // Shows `fields` and runs modally; closed with Ok (a name is required), stores the trimmed
    // name, character and description ("???" for an empty one) and returns true.
    bool Execute(TUserRuleFields& fields);

    std::function<void(const char* topic)> OnHelp;

private:
    void OkClick();

    QLineEdit* fldGame = nullptr;
    QLineEdit* fldRule = nullptr;
    QLineEdit* fldName = nullptr;
    QComboBox* cmbKind = nullptr;
    QPlainTextEdit* memoRules = nullptr;
};
