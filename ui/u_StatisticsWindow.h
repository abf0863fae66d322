#pragma once
// The statistics window: the inhabited rectangle, the population and the cells by state, as a
// list and as a bar chart. It stays above the main window without blocking it and refreshes
// itself from a timer while it is shown, only when the cycle or the population changed.

#include <QWidget>

#include <cstdint>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class TEasyChart;
struct TGlobals;

class TfrmStatistics : public QWidget {
public:
    TfrmStatistics(TGlobals& globals, QWidget* parent);

    // The timer's tick: refreshes when the cycle or the live-cell count differs from what
    // was shown last.
    void tmrUpdateTimer();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Refresh();

    TGlobals& FGlobals;
    QListWidget* lisCounts = nullptr;
    TEasyChart* Graph = nullptr;
    QLabel* fldUniv = nullptr;
    QLabel* fldCells = nullptr;
    QPushButton* cmdClose = nullptr;
    QTimer* tmrUpdate = nullptr;
    int32_t FShownCycle = -1;
    int32_t FShownCount = -1;
};
