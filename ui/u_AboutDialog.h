#pragma once
// The about box: the program's icon, name and version.

#include <QDialog>

class QIcon;

class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    // With `beta`, the version carries the "*Beta*" mark.
    TfrmAbout(QWidget* parent, bool beta);
};

// The program's icon, drawn at run time: a glider on a small grid of cells.
QIcon ProgramIcon();
