#pragma once
// The "Undo - select the cycle" dialog: every step of the undo history, to jump back to one.

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;
class TUndo;
struct TGlobals;

class TfrmUndo : public QDialog {
    Q_OBJECT

public:
    explicit TfrmUndo(QWidget* parent);

    // Lists the steps of `globals.Undo` and runs modally. When a step is chosen, stops a run,
    // brings the step back (the board as it was stays available for Redo) and returns true.
    bool Execute(TGlobals& globals);

    // Opens a help topic; while it is empty the Help button is disabled.
    std::function<void(const char* topic)> OnHelp;

private:
    void ShowSteps(const TUndo& undo);
    // The step of the selected row; -1 when none is selected.
    int SelectedStep() const;

    QTreeWidget* lvUndo = nullptr;
    QLabel* lblIndex = nullptr;
    QPushButton* cmdGoTo = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHelp = nullptr;
};
