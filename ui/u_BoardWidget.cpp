#include "ui/u_BoardWidget.h"

#include "ui/u_QtCanvas.h"
#include "view/u_BoardMouse.h"
#include "view/u_BoardView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

#include <algorithm>

namespace {

// Showing the image more often than the display refreshes only costs time.
constexpr qint64 kFrameMilliseconds = 16;

TMouseButton ToMouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return TMouseButton::Left;
    case Qt::RightButton:
        return TMouseButton::Right;
    default:
        return TMouseButton::Middle;
    }
}

unsigned ToShiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? ssShift : 0u) |
           (modifiers & Qt::ControlModifier ? ssCtrl : 0u) |
           (modifiers & Qt::AltModifier ? ssAlt : 0u);
}

TPoint ToPixel(const QPointF& position)
{
    const QPoint p = position.toPoint();
    return {p.x(), p.y()};
}

} // namespace

TBoardWidget::TBoardWidget(TBoardView& view, QWidget* parent) : QWidget(parent), FView(view)
{
    // The image covers every pixel, so Qt need not clear the widget first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    FUpdateTimer.setSingleShot(true);
    FUpdateTimer.setTimerType(Qt::PreciseTimer);
    connect(&FUpdateTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    FSinceShown.start();
}

TBoardWidget::~TBoardWidget() = default;

void TBoardWidget::ScheduleUpdate()
{
    if (FUpdateTimer.isActive()) return;
    FUpdateTimer.start(int(std::max<qint64>(0, kFrameMilliseconds - FSinceShown.elapsed())));
}

void TBoardWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FView.SetCanvas(nullptr);
    FCanvas.reset();
    FImage = QImage(size(), QImage::Format_RGB32);
    // An empty area has no image to paint on; the view then paints nowhere.
    if (!FImage.isNull()) {
        FCanvas = std::make_unique<TQtCanvas>(FImage);
        FCanvas->OnFirstPaint = [this] { ScheduleUpdate(); };
    }
    FView.SetCanvas(FCanvas.get());
    FView.SetAreaSize(width(), height());
    // The cells have not changed: the live box stays as it is.
    FView.Redraw(rdDrawCells);
}

void TBoardWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), FImage, event->rect());
    if (FCanvas) FCanvas->Shown();
    FSinceShown.restart();
}

void TBoardWidget::mousePressEvent(QMouseEvent* event)
{
    if (FMouse)
        FMouse->Press(ToMouseButton(event->button()), ToPixel(event->position()),
                      ToShiftState(event->modifiers()));
    if (event->button() == Qt::RightButton) emit PopupRequested(event->globalPosition().toPoint());
}

void TBoardWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (FMouse) FMouse->Move(ToPixel(event->position()), ToShiftState(event->modifiers()));
    emit PointerMoved(event->position().toPoint());
}

void TBoardWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (FMouse)
        FMouse->Release(ToMouseButton(event->button()), ToPixel(event->position()),
                        ToShiftState(event->modifiers()));
}

void TBoardWidget::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (FMouse && delta != 0) FMouse->Wheel(delta > 0);
    event->accept();
}
