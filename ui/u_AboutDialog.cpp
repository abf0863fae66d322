#include "ui/u_AboutDialog.h"

#include "base/u_Caption.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr const char* kProgramName = "Velko's Gridfest";
constexpr int kIconSizes[] = {16, 32, 48, 64};
constexpr int kAboutIconSize = 64;
constexpr int kGridCells = 5;
// A glider heading down and to the right, one cell in from each edge.
// clang-format off
constexpr const char* kGlider[kGridCells] = {
    ".....",
    "..#..",
    "...#.",
    ".###.",
    ".....",
};
// clang-format on

QPixmap IconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(0.5, 0.5, size - 1.0, size - 1.0);
    const double radius = size / 6.0;
    painter.setPen(QPen(QColor(0x26, 0x32, 0x38), size >= 32 ? 1.5 : 1.0));
    painter.setBrush(QColor(0x17, 0x2a, 0x3a));
    painter.drawRoundedRect(frame, radius, radius);

    // Whole pixels keep the cells crisp; small icons show the glider without its surroundings.
    const int cells = size < 32 ? 3 : kGridCells;
    const int skip = (kGridCells - cells) / 2;
    const int pitch = (size - size / 4) / cells;
    const int gap = std::max(1, pitch / 4);
    const int origin = (size - cells * pitch + gap) / 2;
    const double round = pitch >= 8 ? gap / 2.0 : 0;
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < cells; ++row)
        for (int column = 0; column < cells; ++column) {
            const bool live = kGlider[row + skip][column + skip] == '#';
            painter.setBrush(live ? QColor(0x7c, 0xd9, 0x5a) : QColor(0x2b, 0x45, 0x59));
            painter.drawRoundedRect(
                QRectF(origin + column * pitch, origin + row * pitch, pitch - gap, pitch - gap),
                round, round);
        }
    return pixmap;
}

} // namespace

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : kIconSizes) icon.addPixmap(IconPixmap(size));
    return icon;
}

TfrmAbout::TfrmAbout(QWidget* parent, bool beta) : QDialog(parent)
{
    setObjectName("frmAbout");
    setWindowTitle(kProgramName);

    auto* imgIcon = new QLabel;
    imgIcon->setObjectName("imgIcon");
    imgIcon->setPixmap(IconPixmap(kAboutIconSize));
    imgIcon->setAlignment(Qt::AlignTop);

    auto* lblName = new QLabel(kProgramName);
    lblName->setObjectName("lblName");
    QFont nameFont = lblName->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    lblName->setFont(nameFont);
    auto* lblVersion = new QLabel(QString("v.") + ProgramVersion());
    lblVersion->setObjectName("lblVersion");

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblName);
    texts->addWidget(lblVersion);
    if (beta) {
        auto* lblBeta = new QLabel("*Beta*");
        lblBeta->setObjectName("lblBeta");
        texts->addWidget(lblBeta);
    }
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(imgIcon);
    top->addLayout(texts, 1);

    auto* cmdOk = new QPushButton("&Ok");
    cmdOk->setObjectName("cmdOk");
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cmdOk);
    buttonRow->addStretch();

    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(20, 20, 20, 12);
    form->addLayout(top);
    form->addSpacing(12);
    form->addLayout(buttonRow);
    setFixedSize(sizeHint());
}
