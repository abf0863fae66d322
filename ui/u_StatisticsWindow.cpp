#include "ui/u_StatisticsWindow.h"

#include "base/u_Host.h"
#include "base/u_LineFile.h"
#include "engine/u_Globals.h"
#include "ui/u_DialogButtons.h"
#include "ui/u_EasyChart.h"
#include "ui/u_PopulationChart.h"
#include "ui/u_QtCanvas.h"
#include "view/u_StatisticsTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int kUpdateMs = 800;
constexpr int kPadding = 6;
constexpr int kDefaultLastCycles = 500;
constexpr int kMostLastCycles = 100000000;

// Draws a line's tab-separated fields in columns: the state on the left, the count and the
// share right-aligned, so that the numbers line up whatever the font.
class TTabStopDelegate : public QStyledItemDelegate {
public:
    explicit TTabStopDelegate(const QFontMetrics& metrics, QObject* parent)
        : QStyledItemDelegate(parent)
    {
        const std::array<QString, 3> widest = {"00", "0000000000", "100.0%"};
        for (size_t i = 0; i < widest.size(); ++i)
            FColumns[i] = metrics.horizontalAdvance(widest[i]) + 2 * kPadding;
    }

    int Width() const { return FColumns[0] + FColumns[1] + FColumns[2]; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QStringList fields = item.text.split('\t');
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        painter->save();
        const bool selected = item.state & QStyle::State_Selected;
        painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        int left = item.rect.left();
        for (int i = 0; i < int(FColumns.size()) && i < fields.size(); ++i) {
            const QRect cell(left + kPadding, item.rect.top(), FColumns[i] - 2 * kPadding,
                             item.rect.height());
            const Qt::Alignment align = i == 0 ? Qt::AlignLeft : Qt::AlignRight;
            painter->drawText(cell, align | Qt::AlignVCenter, fields[i].trimmed());
            left += FColumns[i];
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {Width(), QStyledItemDelegate::sizeHint(option, index).height()};
    }

private:
    std::array<int, 3> FColumns{};
};

QLabel* Field(const char* name)
{
    auto* field = new QLabel;
    field->setObjectName(name);
    field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return field;
}

} // namespace

TfrmStatistics::TfrmStatistics(TGlobals& globals, QWidget* parent)
    : QWidget(parent, Qt::Tool), FGlobals(globals)
{
    setObjectName("frmStatistics");
    setWindowTitle("Statistics");

    lisCounts = new QListWidget;
    lisCounts->setObjectName("lisCounts");
    lisCounts->setUniformItemSizes(true);
    // Shown, not chosen from.
    lisCounts->setSelectionMode(QAbstractItemView::NoSelection);
    lisCounts->setFocusPolicy(Qt::NoFocus);
    auto* tabStops = new TTabStopDelegate(lisCounts->fontMetrics(), lisCounts);
    lisCounts->setItemDelegate(tabStops);
    lisCounts->setFixedWidth(tabStops->Width() + 2 * lisCounts->frameWidth() +
                             lisCounts->style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    Graph = new TEasyChart;
    Graph->setObjectName("Graph");
    Graph->SetMaxValue(5000);
    Graph->SetBarWidth(6);
    Graph->SetSpace(3);
    Graph->SetTopSpace(5);
    Graph->SetBottomSpace(10);
    // Room for the bars of every live state without scrolling.
    Graph->setMinimumWidth(Graph->Space() +
                           (TBoard::kMaxStates - 1) * (Graph->BarWidth() + Graph->Space()) +
                           2 * Graph->frameWidth());

    fldUniv = Field("fldUniv");
    fldCells = Field("fldCells");
    fldPeriod = Field("fldPeriod");

    chtPopulation = new TPopulationChart(FGlobals.History);
    chtPopulation->setObjectName("chtPopulation");
    chkLastCycles = new QCheckBox("Last");
    chkLastCycles->setObjectName("chkLastCycles");
    chkLastCycles->setToolTip("Show only the last cycles, not the whole history");
    spnLastCycles = new QSpinBox;
    spnLastCycles->setObjectName("spnLastCycles");
    spnLastCycles->setRange(2, kMostLastCycles);
    spnLastCycles->setValue(kDefaultLastCycles);
    spnLastCycles->setEnabled(false);
    connect(chkLastCycles, &QCheckBox::toggled, this, [this](bool on) {
        spnLastCycles->setEnabled(on);
        ShowChartRange();
    });
    connect(spnLastCycles, &QSpinBox::valueChanged, this, [this] { ShowChartRange(); });
    cmdSaveHistory = CommandButton("cmdSaveHistory", "Save &history...", false);
    connect(cmdSaveHistory, &QPushButton::clicked, this, &TfrmStatistics::cmdSaveHistoryClick);
    cmdClose = CommandButton("cmdClose", "&Close", true);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    tmrUpdate = new QTimer(this);
    tmrUpdate->setObjectName("tmrUpdate");
    tmrUpdate->setInterval(kUpdateMs);
    connect(tmrUpdate, &QTimer::timeout, this, &TfrmStatistics::tmrUpdateTimer);

    auto* distribution = new QHBoxLayout;
    distribution->addWidget(lisCounts);
    distribution->addWidget(Graph, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cmdClose);

    auto* chartRow = new QHBoxLayout;
    chartRow->addWidget(chkLastCycles);
    chartRow->addWidget(spnLastCycles);
    chartRow->addWidget(new QLabel("cycles"));
    chartRow->addStretch();
    chartRow->addWidget(cmdSaveHistory);

    auto* form = new QVBoxLayout(this);
    form->addWidget(new QLabel("Distribution:"));
    form->addLayout(distribution, 1);
    form->addWidget(fldUniv);
    form->addWidget(fldCells);
    form->addWidget(new QLabel("Population:"));
    form->addWidget(chtPopulation, 1);
    form->addLayout(chartRow);
    form->addWidget(fldPeriod);
    form->addLayout(buttonRow);
    resize(fontMetrics().horizontalAdvance(QString(64, 'x')), fontMetrics().height() * 38);
}

void TfrmStatistics::tmrUpdateTimer()
{
    const TBoard& board = FGlobals.Board;
    if (board.Cycle() == FShownCycle && board.LiveCount() == FShownCount) return;
    Refresh();
}

void TfrmStatistics::Refresh()
{
    TBoard& board = FGlobals.Board;
    // Cells drawn by hand count too.
    board.UpdateMaximum();
    const TStatisticsTexts texts = StatisticsTexts(FGlobals);
    fldUniv->setText(QString::fromStdString(texts.Universe));
    fldCells->setText(QString::fromStdString(texts.Cells));

    // Rewritten in place, so that a running pattern does not reset the list's scrolling.
    const int lines = int(texts.Lines.size());
    while (lisCounts->count() > lines) delete lisCounts->takeItem(lisCounts->count() - 1);
    for (int i = 0; i < lines; ++i) {
        const QString line = QString::fromStdString(texts.Lines[i]);
        if (i < lisCounts->count())
            lisCounts->item(i)->setText(line);
        else
            lisCounts->addItem(line);
    }

    Graph->Clear();
    for (const TStatisticsBar& bar : texts.Bars) {
        const QColor color = TQtCanvas::ToQColor(bar.Color);
        Graph->AddBar(bar.Value, color, color);
    }
    Graph->SetBackground(TQtCanvas::ToQColor(texts.Background));
    Graph->SetMaxValue(texts.LargestCount + 2);
    fldPeriod->setText(QString::fromStdString(texts.Period));
    const QColor line = TQtCanvas::ToQColor(FGlobals.Palette.Colors.StateColor(1));
    chtPopulation->SetColors(TQtCanvas::ToQColor(texts.Background), line);

    FShownCycle = board.Cycle();
    FShownCount = board.LiveCount();
}

void TfrmStatistics::ShowChartRange()
{
    chtPopulation->SetLastCycles(chkLastCycles->isChecked() ? spnLastCycles->value() : 0);
}

void TfrmStatistics::cmdSaveHistoryClick()
{
    const QString path = QFileDialog::getSaveFileName(
        this, "Save history", QString::fromStdString(FGlobals.Document.LastDir),
        "CSV files (*.csv);;All files (*)");
    if (!path.isEmpty()) SaveHistory(path);
}

bool TfrmStatistics::SaveHistory(const QString& path)
{
    // The newest entry holds cells drawn since the last generation too.
    FGlobals.History.Track(FGlobals.Board.Cycle(), FGlobals.Board.LiveCount());
    if (WriteLineFile(path.toStdString(), FGlobals.History.CsvLines())) return true;
    FGlobals.Host.ShowMessage("Cannot write " + path.toStdString(), "Save history", TMsgIcon::Error,
                              TMsgButtons::Ok);
    return false;
}

bool TfrmStatistics::event(QEvent* event)
{
    // Coming back to the window always brings it up to date at the next tick.
    if (event->type() == QEvent::WindowActivate) FShownCycle = FShownCount = -1;
    return QWidget::event(event);
}

void TfrmStatistics::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FShownCycle = FShownCount = -1;
    tmrUpdateTimer();
    tmrUpdate->start();
}

void TfrmStatistics::hideEvent(QHideEvent* event)
{
    tmrUpdate->stop();
    QWidget::hideEvent(event);
}
