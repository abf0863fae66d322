#include "ui/u_BoardWidget.h"

#include "ui/u_QtCanvas.h"
#include "view/u_BoardView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

TBoardWidget::TBoardWidget(TBoardView& view, QWidget* parent) : QWidget(parent), FView(view)
{
    // The image covers every pixel, so Qt need not clear the widget first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TBoardWidget::~TBoardWidget() = default;

void TBoardWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FView.SetCanvas(nullptr);
    FCanvas.reset();
    FImage = QImage(size(), QImage::Format_RGB32);
    // An empty area has no image to paint on; the view then paints nowhere.
    if (!FImage.isNull()) FCanvas = std::make_unique<TQtCanvas>(FImage);
    FView.SetCanvas(FCanvas.get());
    FView.SetAreaSize(width(), height());
    FView.Redraw();
    update();
}

void TBoardWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), FImage, event->rect());
}
