#pragma once
// A bar chart that scrolls sideways when its bars do not fit: bars of equal width from the
// left, their heights scaled to the plot height between the top and bottom margins.

#include <QAbstractScrollArea>
#include <QColor>

#include <cstdint>
#include <vector>

class TEasyChart : public QAbstractScrollArea {
public:
    struct TBar {
        double Value; // never negative
        QColor Fill;
        QColor Outline;
    };

    explicit TEasyChart(QWidget* parent = nullptr);

    // The value that fills the plot height; 0 scales to the largest bar.
    int32_t MaxValue() const { return FMaxValue; }
    void SetMaxValue(int32_t value);
    int32_t BarWidth() const { return FBarWidth; }
    void SetBarWidth(int32_t pixels);
    int32_t Space() const { return FSpace; } // before each bar
    void SetSpace(int32_t pixels);
    int32_t TopSpace() const { return FTopSpace; }
    void SetTopSpace(int32_t pixels);
    int32_t BottomSpace() const { return FBottomSpace; }
    void SetBottomSpace(int32_t pixels);
    void SetBackground(const QColor& color);

    void Clear();
    // Keeps the value's magnitude.
    void AddBar(double value, const QColor& fill, const QColor& outline);
    const std::vector<TBar>& Bars() const { return FBars; }
    // Where bar `index` is drawn, before scrolling; a bar of a non-zero value is at least
    // 3 pixels high.
    QRect BarRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Changed();

    std::vector<TBar> FBars;
    int32_t FMaxValue = 0;
    int32_t FBarWidth = 6;
    int32_t FSpace = 3;
    int32_t FTopSpace = 5;
    int32_t FBottomSpace = 10;
};
