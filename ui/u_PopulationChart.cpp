#include "ui/u_PopulationChart.h"

#include "edit/u_History.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

constexpr int kMargin = 6;
constexpr int kMark = 3; // radius of the marks

// The smallest and largest population of the entries that fall on one pixel column.
struct TColumn {
    int32_t Low = 0, High = 0;
    bool Used = false;
};

} // namespace

TPopulationChart::TPopulationChart(const TPopulationHistory& history, QWidget* parent)
    : QWidget(parent), FHistory(history)
{
    setMinimumHeight(fontMetrics().height() * 5);
}

void TPopulationChart::SetLastCycles(int32_t cycles)
{
    FLastCycles = std::max(cycles, 0);
    update();
}

void TPopulationChart::SetColors(const QColor& background, const QColor& line)
{
    FBackground = background;
    FLine = line;
    update();
}

void TPopulationChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), FBackground);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    FShownLast = -1;
    const size_t count = FHistory.Count();
    if (count == 0) return;

    // The entries shown: from the first of the last cycles asked for.
    const THistoryEntry newest = FHistory.At(count - 1);
    const int64_t from = FLastCycles > 0 ? int64_t(newest.Cycle) - FLastCycles + 1
                                         : std::numeric_limits<int64_t>::min();
    size_t first = 0;
    for (size_t hi = count - 1; first < hi;) {
        const size_t mid = (first + hi) / 2;
        if (FHistory.At(mid).Cycle < from)
            first = mid + 1;
        else
            hi = mid;
    }
    const int32_t firstCycle = FHistory.At(first).Cycle;
    int32_t maxValue = 0, maxCycle = firstCycle;
    for (size_t i = first; i < count; ++i) {
        const THistoryEntry e = FHistory.At(i);
        if (e.Population > maxValue) {
            maxValue = e.Population;
            maxCycle = e.Cycle;
        }
    }
    FShownFirst = firstCycle;
    FShownLast = newest.Cycle;
    FShownMaximum = maxValue;

    const QFontMetrics metrics = fontMetrics();
    const QRect plot =
        rect().adjusted(kMargin, kMargin + metrics.height(), -kMargin, -kMargin - metrics.height());
    if (plot.width() < 2 || plot.height() < 2) return;
    const double span = std::max<int64_t>(int64_t(newest.Cycle) - firstCycle, 1);
    const double top = std::max(maxValue, 1);
    auto x = [&](int32_t cycle) {
        return plot.left() + int((cycle - firstCycle) / span * (plot.width() - 1) + 0.5);
    };
    auto y = [&](int32_t population) {
        return plot.bottom() - int(population / top * (plot.height() - 1) + 0.5);
    };

    // One line per pixel column from its lowest to its highest value, joined to the next, so
    // that a million generations draw as fast as a few hundred.
    std::vector<TColumn> columns(size_t(plot.width()));
    for (size_t i = first; i < count; ++i) {
        const THistoryEntry e = FHistory.At(i);
        TColumn& c = columns[size_t(x(e.Cycle) - plot.left())];
        c.Low = c.Used ? std::min(c.Low, e.Population) : e.Population;
        c.High = c.Used ? std::max(c.High, e.Population) : e.Population;
        c.Used = true;
    }
    // A line that would vanish in the background takes the text colour.
    const QColor text = FBackground.lightness() < 128 ? Qt::white : Qt::black;
    const bool visible = std::abs(FLine.lightness() - FBackground.lightness()) >= 48;
    painter.setPen(QPen(visible ? FLine : text, 1));
    QPoint last;
    bool hasLast = false;
    for (size_t k = 0; k < columns.size(); ++k) {
        const TColumn& c = columns[k];
        if (!c.Used) continue;
        const int px = plot.left() + int(k);
        const QPoint low(px, y(c.Low)), high(px, y(c.High));
        if (hasLast) painter.drawLine(last, low);
        painter.drawLine(low, high);
        last = high;
        hasLast = true;
    }

    // The marks, with their values beside them.
    painter.setRenderHint(QPainter::Antialiasing);
    auto mark = [&](int32_t cycle, int32_t value, const QColor& color, const QString& label,
                    bool above) {
        const QPoint at(x(cycle), y(value));
        painter.setPen(color);
        painter.setBrush(color);
        painter.drawEllipse(at, kMark, kMark);
        painter.setPen(text);
        const int w = metrics.horizontalAdvance(label);
        const int left = std::clamp(at.x() - w / 2, 0, std::max(width() - w, 0));
        const int base =
            above ? at.y() - kMark - metrics.descent() - 1 : at.y() + kMark + metrics.ascent() + 1;
        painter.drawText(left, base, label);
    };
    mark(maxCycle, maxValue, QColor(255, 64, 64),
         QString("max %1 (cycle %2)").arg(maxValue).arg(maxCycle), true);
    if (newest.Cycle != maxCycle || newest.Population != maxValue)
        mark(newest.Cycle, newest.Population, QColor(64, 160, 255),
             QString("now %1").arg(newest.Population), false);
    painter.setPen(text);
    painter.drawText(kMargin, height() - kMargin, QString::number(firstCycle));
    const QString lastText = QString::number(newest.Cycle);
    painter.drawText(width() - kMargin - metrics.horizontalAdvance(lastText), height() - kMargin,
                     lastText);
}
