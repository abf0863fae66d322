#pragma once
// A line chart of the population over the cycles: the whole history or its last cycles, with
// the current value and the largest one shown marked. Drawn from the history when painted.

#include <QWidget>

#include <cstdint>

class TPopulationHistory;

class TPopulationChart : public QWidget {
public:
    TPopulationChart(const TPopulationHistory& history, QWidget* parent = nullptr);

    // 0 shows the whole history.
    int32_t LastCycles() const { return FLastCycles; }
    void SetLastCycles(int32_t cycles);
    void SetColors(const QColor& background, const QColor& line);

    // What the last painting showed: the first and last cycle and the largest population.
    int32_t ShownFirstCycle() const { return FShownFirst; }
    int32_t ShownLastCycle() const { return FShownLast; }
    int32_t ShownMaximum() const { return FShownMaximum; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TPopulationHistory& FHistory;
    int32_t FLastCycles = 0;
    QColor FBackground = Qt::black;
    QColor FLine = Qt::green;
    int32_t FShownFirst = 0, FShownLast = -1, FShownMaximum = 0;
};
