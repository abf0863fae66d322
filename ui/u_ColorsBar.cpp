#include "ui/u_ColorsBar.h"

#include "engine/u_Globals.h"
#include "ui/u_Pictures.h"
#include "ui/u_QtCanvas.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

constexpr int kFirstRow = 13;       // states 0..12; the second row starts under state 1
constexpr int kSwatch = 24;         // side of a swatch
constexpr int kPitch = kSwatch + 4; // from one swatch to the next, across and down
constexpr int kMargin = 8;          // round the swatches, room for the marker
constexpr int kMarkerOut = 4;       // how far the marker reaches beyond its swatch
constexpr int kMarkerPen = 3;
constexpr int kBlinkMs = 500;
const QColor kDisabledGray(128, 128, 128);

// One state's colour with its number; a click picks the state unless the swatch is disabled.
class TSwatch : public QWidget {
public:
    TSwatch(int state, std::function<void(int)> onClick, QWidget* parent)
        : QWidget(parent), FState(state), FOnClick(std::move(onClick))
    {
        setObjectName(QString("pnlClo%1").arg(state, 2, 10, QChar('0')));
        setToolTip("State " + QString::number(state));
        setCursor(Qt::PointingHandCursor);
    }

    void SetColor(const QColor& color)
    {
        FColor = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        // Gray while the state is out of reach.
        const QColor fill = isEnabled() ? FColor : kDisabledGray;
        painter.fillRect(rect(), fill);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        // The number in black or white, whichever stands out on the colour.
        const int light = (299 * fill.red() + 587 * fill.green() + 114 * fill.blue()) / 1000;
        painter.setPen(light >= 128 ? Qt::black : Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QString::number(FState));
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) FOnClick(FState);
    }

private:
    int FState;
    std::function<void(int)> FOnClick;
    QColor FColor;
};

// A red dashed outline that lets clicks through to the swatch under it.
class TMarker : public QWidget {
public:
    explicit TMarker(QWidget* parent) : QWidget(parent)
    {
        setObjectName("shpMarkClo");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(kSwatch + 2 * kMarkerOut, kSwatch + 2 * kMarkerOut);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QPen pen(Qt::red, kMarkerPen, Qt::DashLine);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        const double inset = kMarkerPen / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
};

} // namespace

TfrmColorBar::TfrmColorBar(TGlobals& globals, QWidget* parent)
    : QWidget(parent, Qt::Tool), FGlobals(globals)
{
    setObjectName("frmColorBar");
    setWindowTitle("Colors/states bar");

    spnCloCnt = new QSpinBox;
    spnCloCnt->setObjectName("spnCloCnt");
    spnCloCnt->setToolTip("Count of states");
    spnCloCnt->setRange(2, kStates);
    spnCloCnt->setAlignment(Qt::AlignCenter);
    // A horizontal spinner: the count between a left and a right arrow.
    spnCloCnt->setButtonSymbols(QAbstractSpinBox::NoButtons);
    // A count takes effect once typed, not digit by digit.
    spnCloCnt->setKeyboardTracking(false);
    // The board lowers the drawing state if needed and reports back; the cells keep their
    // look until the next repaint.
    connect(spnCloCnt, &QSpinBox::valueChanged, this,
            [this](int count) { FGlobals.Board.SetStatesCount(count); });
    lblStatus = new QLabel;
    lblStatus->setObjectName("lblStatus");
    lblStatus->setAlignment(Qt::AlignCenter);

    pnlCloCnt = new QWidget;
    auto* countBox = new QHBoxLayout(pnlCloCnt);
    countBox->setContentsMargins(0, 0, 0, 0);
    countBox->setSpacing(0);
    for (const Qt::ArrowType arrow : {Qt::LeftArrow, Qt::RightArrow}) {
        auto* step = new QToolButton;
        step->setObjectName(arrow == Qt::LeftArrow ? "btnCloCntDown" : "btnCloCntUp");
        step->setArrowType(arrow);
        step->setToolTip(spnCloCnt->toolTip());
        step->setAutoRepeat(true);
        step->setFocusPolicy(Qt::NoFocus);
        connect(step, &QToolButton::clicked, spnCloCnt,
                arrow == Qt::LeftArrow ? &QSpinBox::stepDown : &QSpinBox::stepUp);
        countBox->addWidget(step);
        if (arrow == Qt::LeftArrow) countBox->addWidget(spnCloCnt);
    }

    auto* frame = new QFrame;
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* frameBox = new QVBoxLayout(frame);
    frameBox->addStretch();
    frameBox->addWidget(pnlCloCnt);
    frameBox->addWidget(lblStatus);
    frameBox->addStretch();
    // As wide without the spinner, so that the swatches stay where they are.
    frame->setFixedWidth(frame->sizeHint().width());

    auto* form = new QHBoxLayout(this);
    form->setSizeConstraint(QLayout::SetFixedSize);
    form->setContentsMargins(4, 4, 4, 4);
    form->addWidget(frame);
    form->addWidget(SwatchArea());

    tmrMark = new QTimer(this);
    tmrMark->setObjectName("tmrMark");
    tmrMark->setInterval(kBlinkMs);
    connect(tmrMark, &QTimer::timeout, this,
            [this] { shpMarkClo->setVisible(!shpMarkClo->isVisible()); });
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    RefreshBar();
}

QPoint TfrmColorBar::SwatchCell(int state)
{
    return state < kFirstRow ? QPoint(state, 0) : QPoint(state - kFirstRow + 1, 1);
}

QWidget* TfrmColorBar::SwatchArea()
{
    auto* area = new QWidget;
    const auto place = [](QWidget* w, QPoint cell) {
        w->setGeometry(kMargin + cell.x() * kPitch, kMargin + cell.y() * kPitch, kSwatch, kSwatch);
    };
    for (int k = 0; k < kStates; ++k) {
        pnlClo[k] = new TSwatch(
            k, [this](int state) { FGlobals.Board.SetDrawingState(state); }, area);
        place(pnlClo[k], SwatchCell(k));
    }
    btnColorPick = new QToolButton(area);
    btnColorPick->setObjectName("btnColorPick");
    btnColorPick->setToolTip("Color picker");
    btnColorPick->setIcon(Picture(TPicture::ColorPicker));
    btnColorPick->setAutoRaise(true);
    place(btnColorPick, {0, 1});
    connect(btnColorPick, &QToolButton::clicked, this, [this] {
        if (OnColorPicker) OnColorPicker();
    });

    shpMarkClo = new TMarker(area);
    area->setFixedSize(2 * kMargin + (kFirstRow - 1) * kPitch + kSwatch,
                       2 * kMargin + kPitch + kSwatch);
    return area;
}

void TfrmColorBar::RefreshBar()
{
    const TBoard& board = FGlobals.Board;
    const TCPalette& colors = FGlobals.Palette.Colors;
    const int count = board.StatesCount();
    for (int k = 0; k < kStates; ++k) {
        auto* swatch = static_cast<TSwatch*>(pnlClo[k]);
        swatch->SetColor(TQtCanvas::ToQColor(k == 0 ? colors.BackColor() : colors.StateColor(k)));
        swatch->setEnabled(k < count);
    }
    PlaceMarker(board.DrawingState());
    {
        const QSignalBlocker quiet(spnCloCnt);
        spnCloCnt->setValue(count);
    }
    pnlCloCnt->setVisible(FGlobals.Life.StatesCountSelectable());
    lblStatus->setText(QString::number(board.DrawingState()) + "/" +
                       QString::number(spnCloCnt->value()));
}

void TfrmColorBar::PlaceMarker(int state)
{
    const QWidget* swatch = pnlClo[std::clamp(state, 0, kStates - 1)];
    shpMarkClo->move(swatch->x() - kMarkerOut, swatch->y() - kMarkerOut);
    shpMarkClo->raise();
}

void TfrmColorBar::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    RefreshBar();
    shpMarkClo->show();
    tmrMark->start();
}

void TfrmColorBar::hideEvent(QHideEvent* event)
{
    tmrMark->stop();
    QWidget::hideEvent(event);
}
