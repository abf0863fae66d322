#include "ui/u_SettingsControls.h"

#include "ui/u_QtCanvas.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>

namespace {

constexpr int kPitch = 7;

} // namespace

QCheckBox* NamedCheckBox(const QString& name, const QString& caption, const QString& hint)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    if (!hint.isEmpty()) box->setToolTip(hint);
    return box;
}

QSpinBox* NamedSpinner(const QString& name, int min, int max)
{
    auto* spinner = new QSpinBox;
    spinner->setObjectName("spn" + name);
    spinner->findChild<QLineEdit*>()->setObjectName("fld" + name);
    spinner->setRange(min, max);
    return spinner;
}

TColorPanel::TColorPanel(const QString& name, const QString& caption) : QPushButton(caption)
{
    setObjectName(name);
    setAutoDefault(false);
    setMinimumWidth(fontMetrics().horizontalAdvance("000") + 8);
    SetColor(0);
}

void TColorPanel::SetColor(TColor color)
{
    FColor = color & 0xFFFFFF;
    const QColor fill = TQtCanvas::ToQColor(FColor);
    const QColor ink = fill.lightness() > 128 ? Qt::black : Qt::white;
    setStyleSheet(QString("background-color: %1; color: %2; border: 1px solid gray; "
                          "padding: 2px;")
                      .arg(fill.name(), ink.name()));
}

TPreview::TPreview()
{
    setObjectName("pbCloSample");
    setMinimumSize(18 * kPitch + 1, 12 * kPitch + 1);
}

void TPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), TQtCanvas::ToQColor(Colors.BackColor()));
    const int cols = (width() - 1) / kPitch, rows = (height() - 1) / kPitch;
    auto lines = [&](TColor color, auto wanted) {
        painter.setPen(TQtCanvas::ToQColor(color));
        for (int i = 0; i <= cols; ++i)
            if (wanted(i)) painter.drawLine(i * kPitch, 0, i * kPitch, height());
        for (int j = 0; j <= rows; ++j)
            if (wanted(j)) painter.drawLine(0, j * kPitch, width(), j * kPitch);
    };
    lines(Colors.GridColor(), [](int) { return true; });
    if (BoldLines && BoldStep >= 2)
        lines(Colors.GridBoldColor(), [this](int i) { return (i + BoldStep - 1) % BoldStep == 0; });

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    auto cell = [&](int c, int r, int state) {
        painter.setBrush(TQtCanvas::ToQColor(Colors.StateColor(state)));
        painter.drawEllipse(QRectF(kPitch * c + 1, kPitch * r + 1, kPitch - 1, kPitch - 1));
    };
    for (int k = 1; k <= 8; ++k) {
        cell(2 * k - 1, 1, k);
        cell(2 * k - 1, 2, k);
        cell(2 * k - 1, 3, k);
        cell(2 * k, 4, k);
        cell(2 * k - 1, 5, k);
    }
    for (int c = 1; c <= 12; ++c) {
        cell(c, 7, c);
        cell(c, 8, c);
        cell(c, 9, c + 12);
        cell(c, 10, c + 12);
    }
}
