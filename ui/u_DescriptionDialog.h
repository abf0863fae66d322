#pragma once
// The "Pattern description" dialog: reads and edits the notes that travel with the pattern.

#include <QDialog>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
struct TGlobals;

class TfrmDescription : public QDialog {
    Q_OBJECT

public:
    explicit TfrmDescription(QWidget* parent);

    // Shows the document's description and file name and runs modally. Closed with Ok, the
    // description becomes the text's lines, the pattern counts as modified and the caption and
    // commands are refreshed; returns true.
    bool Execute(TGlobals& globals);

    // Opens a help topic; while it is empty the Help button is disabled.
    std::function<void(const char* topic)> OnHelp;

private:
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* fldFile = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHelp = nullptr;
};
