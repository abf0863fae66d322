#include "ui/u_EasyChart.h"

#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMinBarHeight = 3;

} // namespace

TEasyChart::TEasyChart(QWidget* parent) : QAbstractScrollArea(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(true);
    SetBackground(Qt::white);
}

void TEasyChart::SetMaxValue(int32_t value)
{
    FMaxValue = std::max(value, 0);
    Changed();
}

void TEasyChart::SetBarWidth(int32_t pixels)
{
    FBarWidth = std::max(pixels, 1);
    Changed();
}

void TEasyChart::SetSpace(int32_t pixels)
{
    FSpace = std::max(pixels, 0);
    Changed();
}

void TEasyChart::SetTopSpace(int32_t pixels)
{
    FTopSpace = std::max(pixels, 0);
    Changed();
}

void TEasyChart::SetBottomSpace(int32_t pixels)
{
    FBottomSpace = std::max(pixels, 0);
    Changed();
}

void TEasyChart::SetBackground(const QColor& color)
{
    QPalette colors = viewport()->palette();
    colors.setColor(QPalette::Base, color);
    colors.setColor(QPalette::Window, color);
    viewport()->setPalette(colors);
}

void TEasyChart::Clear()
{
    FBars.clear();
    Changed();
}

void TEasyChart::AddBar(double value, const QColor& fill, const QColor& outline)
{
    FBars.push_back({std::abs(value), fill, outline});
    Changed();
}

QRect TEasyChart::BarRect(int index) const
{
    const TBar& bar = FBars.at(index);
    const int clientHeight = viewport()->height();
    const int plotHeight = std::max(clientHeight - FTopSpace - FBottomSpace, 0);
    double scale = FMaxValue;
    if (scale == 0)
        for (const TBar& b : FBars) scale = std::max(scale, b.Value);
    int height = scale > 0 ? int(std::lround(std::min(plotHeight * bar.Value / scale, 1e9))) : 0;
    if (bar.Value > 0) height = std::max(height, kMinBarHeight);
    const int left = FSpace + index * (FBarWidth + FSpace);
    const int bottom = clientHeight - FBottomSpace;
    return QRect(left, bottom - height, FBarWidth, height);
}

void TEasyChart::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.translate(-horizontalScrollBar()->value(), 0);
    for (int i = 0; i < int(FBars.size()); ++i) {
        const QRect r = BarRect(i);
        if (r.isEmpty()) continue;
        painter.fillRect(r, FBars[i].Fill);
        painter.setPen(FBars[i].Outline);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void TEasyChart::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    Changed();
}

void TEasyChart::Changed()
{
    const int contentWidth = FSpace + int(FBars.size()) * (FBarWidth + FSpace);
    QScrollBar* bar = horizontalScrollBar();
    bar->setRange(0, std::max(contentWidth - viewport()->width(), 0));
    bar->setPageStep(viewport()->width());
    bar->setSingleStep(FBarWidth + FSpace);
    viewport()->update();
}
