#pragma once
// The statistics window: the inhabited rectangle, the population and the cells by state, as a
// list and as a bar chart. It stays above the main window without blocking it and refreshes
// itself from a timer while it is shown, only when the cycle or the population changed.

#include <QWidget>

#include <cstdint>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTimer;
class TEasyChart;
class TPopulationChart;
struct TGlobals;

class TfrmStatistics : public QWidget {
public:
    TfrmStatistics(TGlobals& globals, QWidget* parent);

    // The timer's tick: refreshes when the cycle or the live-cell count differs from what
    // was shown last.
    void tmrUpdateTimer();
    // Writes the population history as CSV; a failed write says so and returns false.
    bool SaveHistory(const QString& path);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Refresh();
    void ShowChartRange();
    void cmdSaveHistoryClick();

    TGlobals& FGlobals;
    QListWidget* lisCounts = nullptr;
    TEasyChart* Graph = nullptr;
    QLabel* fldUniv = nullptr;
    QLabel* fldCells = nullptr;
    TPopulationChart* chtPopulation = nullptr;
    QCheckBox* chkLastCycles = nullptr;
    QSpinBox* spnLastCycles = nullptr;
    QLabel* fldPeriod = nullptr;
    QPushButton* cmdSaveHistory = nullptr;
    QPushButton* cmdClose = nullptr;
    QTimer* tmrUpdate = nullptr;
    int32_t FShownCycle = -1;
    int32_t FShownCount = -1;
};
