#pragma once
// The "Record animation" dialog: what of the coming run to record as an animated GIF, and where.

#include "view/u_Recorder.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TfrmRecord : public QDialog {
    Q_OBJECT

public:
    explicit TfrmRecord(QWidget* parent);

    // Shows Options and runs modally; closed with Record and a file chosen, stores the choices
    // into Options, the file into `path`, and returns true.
    bool Execute(QString& path);

    // The last choices, offered the next time.
    TRecordOptions Options;

    // The GIF file to write; empty when the person cancels.
    std::function<QString()> AskSaveFile;
    // Opens a help topic; while it is empty the Help button is disabled.
    std::function<void(const char* topic)> OnHelp;

private:
    QSpinBox* NumberBox(const char* name, int min, int max);

    QButtonGroup* FAreas = nullptr; // button ids are the TRecordArea values
    QSpinBox* spnCellSize = nullptr;
    QCheckBox* chkGrid = nullptr;
    QSpinBox* spnEvery = nullptr;
    QSpinBox* spnFrames = nullptr;
    QRadioButton* rdiDelayRun = nullptr;
    QRadioButton* rdiDelayGiven = nullptr;
    QSpinBox* spnDelay = nullptr;
    QPushButton* cmdHelp = nullptr;
};
