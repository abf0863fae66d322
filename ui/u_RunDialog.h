#pragma once
// The Run n cycles dialog: how long to run and how often to redraw the board meanwhile.

#include <QDialog>

#include <cstdint>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct TRunN;

class TfrmRun : public QDialog {
    Q_OBJECT

public:
    explicit TfrmRun(QWidget* parent);

    // Shows `request` and runs modally; closed with Run, stores the choices into `request` and
    // returns true. The Board height button offers `boardHeight`.
    bool Execute(TRunN& request, int32_t boardHeight);

    // Opens a help topic; while it is empty the Help button is disabled.
    std::function<void(const char* topic)> OnHelp;

private:
    QLineEdit* NumberField(const char* name, QRadioButton* mode);
    void ShowRequest(const TRunN& request);
    void StoreRequest(TRunN& request) const;

    QButtonGroup* FModes = nullptr; // button ids are the run modes
    QRadioButton* rdiMdeFor = nullptr;
    QRadioButton* rdiMdeTo = nullptr;
    QRadioButton* rdiMdeCon = nullptr;
    QCheckBox* chkStopPeriodic = nullptr;
    QLineEdit* fldRunFor = nullptr;
    QLineEdit* fldRunUpTo = nullptr;
    QLineEdit* fldRedraw = nullptr;
    QPushButton* cmdRedrBHeight = nullptr;
    QPushButton* cmdRun = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHelp = nullptr;
    int32_t FBoardHeight = 0;
};
