#include "base/u_Host.h"
#include "engine/u_Globals.h"
#include "ui/u_ColorsBar.h"
#include "ui/u_EasyChart.h"
#include "ui/u_PopulationChart.h"
#include "ui/u_QtCanvas.h"
#include "ui/u_StatisticsWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <initializer_list>
#include <utility>

namespace {

// Answers the core's refresh requests for the colors bar as the main window does.
class TBarHost : public TSilentHost {
public:
    void Refresh(unsigned what) override
    {
        Refreshed |= what;
        if ((what & rfColorsBar) && Bar) Bar->RefreshBar();
    }
    TMsgAnswer ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                           TMsgButtons buttons) override
    {
        Messages << QString::fromUtf8(text.data(), qsizetype(text.size()));
        return TSilentHost::ShowMessage(text, caption, icon, buttons);
    }
    TfrmColorBar* Bar = nullptr;
    unsigned Refreshed = 0;
    QStringList Messages;
};

struct TSetup {
    TBarHost Host;
    TGlobals G{Host};

    TSetup()
    {
        G.Board.SetSize(200, 200);
        for (int i = 0; i < kPaletteColors; ++i)
            G.Palette.Colors.SetColor(i, 0x102030u + 0x0A0705u * unsigned(i));
    }
    void Put(std::initializer_list<std::pair<int, int>> cells, uint8_t state)
    {
        for (auto [x, y] : cells) G.Board.SetCell(x, y, state);
    }
};

template <class T = QWidget>
T* Child(const QWidget& window, const char* name)
{
    auto* child = window.findChild<T*>(name);
    if (!child) qFatal("no control %s", name);
    return child;
}

QStringList Lines(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

QColor Colour(const TGlobals& g, int state)
{
    return TQtCanvas::ToQColor(g.Palette.Colors.StateColor(state));
}

} // namespace

class TestStatisticsAndColors : public QObject {
    Q_OBJECT

private slots:
    void StatisticsShowTheBoardAndFollowHandEdits()
    {
        TSetup s;
        s.Put({{0, 0}, {2, 1}}, 1);
        TfrmStatistics window(s.G, nullptr);
        QCOMPARE(window.windowTitle(), QString("Statistics"));
        QVERIFY(!Child<QTimer>(window, "tmrUpdate")->isActive());
        window.show();
        auto* tmrUpdate = Child<QTimer>(window, "tmrUpdate");
        QVERIFY(tmrUpdate->isActive());
        QCOMPARE(tmrUpdate->interval(), 800);

        auto* lisCounts = Child<QListWidget>(window, "lisCounts");
        QCOMPARE(Child<QLabel>(window, "fldUniv")->text(),
                 QString("Inhabited universe size: 3 x 2  (0,0)-(2,1)"));
        QCOMPARE(Lines(lisCounts), QStringList({"0\t4\t 66.7%", "1\t2\t 33.3%"}));

        // Drawn by hand: the cycle stays, the next tick sees the population and its maximum.
        s.G.Board.SetCell(5, 1, 1);
        window.tmrUpdateTimer();
        QCOMPARE(Child<QLabel>(window, "fldCells")->text(),
                 QString("Generation 0.  Cells: 3.  Maximum was 3 cell(s) in generation 0"));
        QCOMPARE(Lines(lisCounts), QStringList({"0\t9\t 75.0%", "1\t3\t 25.0%"}));

        // Nothing changed: the tick leaves the window alone.
        s.G.Board.SetStatesCount(3);
        window.tmrUpdateTimer();
        QCOMPARE(lisCounts->count(), 2);

        s.G.Board.Clear(false);
        window.hide();
        QVERIFY(!tmrUpdate->isActive());
        // Shown again, it starts afresh.
        window.show();
        QCOMPARE(Child<QLabel>(window, "fldCells")->text(),
                 QString("Generation 0.  Cells: 0.  Maximum was 0 cell(s) in generation 0"));
        QCOMPARE(lisCounts->count(), 3);

        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QVERIFY(!tmrUpdate->isActive());
    }

    void PopulationChartPeriodAndSavedHistoryAfterARun()
    {
        TSetup s;
        s.G.Palette.Colors.SetColor(piBackground, 0x000000u);
        s.G.Palette.Colors.SetColor(piState1, 0x00FF00u);
        s.Put({{0, 0}, {1, 0}, {2, 0}}, 1);
        for (int i = 0; i < 10; ++i) s.G.Board.Step(false);
        TfrmStatistics window(s.G, nullptr);
        window.show();
        QCOMPARE(Child<QLabel>(window, "fldPeriod")->text(), QString("Period 2 since cycle 0"));

        auto* chart = Child<TPopulationChart>(window, "chtPopulation");
        const QImage whole = chart->grab().toImage();
        QCOMPARE(chart->ShownFirstCycle(), 0);
        QCOMPARE(chart->ShownLastCycle(), 10);
        QCOMPARE(chart->ShownMaximum(), 3);
        // Drawn in the colour of state 1.
        const QColor line(0, 255, 0);
        int linePixels = 0;
        for (int y = 0; y < whole.height(); ++y)
            for (int x = 0; x < whole.width(); ++x)
                if (whole.pixelColor(x, y) == line) ++linePixels;
        QVERIFY2(linePixels > whole.width() / 2, qPrintable(QString::number(linePixels)));

        // The last cycles only.
        Child<QSpinBox>(window, "spnLastCycles")->setValue(4);
        Child<QCheckBox>(window, "chkLastCycles")->setChecked(true);
        chart->grab();
        QCOMPARE(chart->ShownFirstCycle(), 7);

        const QTemporaryDir dir;
        const QString path = dir.filePath("history.csv");
        QVERIFY(window.SaveHistory(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 13); // the header, cycles 0..10 and the empty end
        QCOMPARE(lines[0], QByteArray("cycle,population,changed\r"));
        QCOMPARE(lines[11], QByteArray("10,3,4\r"));
        QVERIFY(s.Host.Messages.isEmpty());
        QVERIFY(!window.SaveHistory(dir.filePath("no/such/folder/history.csv")));
        QCOMPARE(s.Host.Messages.size(), 1);
        QVERIFY(s.Host.Messages[0].startsWith("Cannot write "));
    }

    void StatisticsBarsTakeTheStatesColours()
    {
        TSetup s;
        s.Put({{0, 0}}, 1);
        s.Put({{1, 0}, {2, 0}, {3, 0}}, 2);
        TfrmStatistics window(s.G, nullptr);
        window.show();
        auto* graph = Child<TEasyChart>(window, "Graph");
        QCOMPARE(graph->Bars().size(), size_t(1));
        QCOMPARE(graph->Bars()[0].Value, 1.0);

        s.G.Board.SetStatesCount(5);
        s.G.Board.SetCycle(1);
        window.tmrUpdateTimer();
        QCOMPARE(graph->Bars().size(), size_t(4));
        for (int state = 1; state <= 4; ++state) {
            QCOMPARE(graph->Bars()[state - 1].Fill, Colour(s.G, state));
            QCOMPARE(graph->Bars()[state - 1].Outline, Colour(s.G, state));
        }
        QCOMPARE(graph->Bars()[1].Value, 3.0);
        QCOMPARE(graph->MaxValue(), 5);
        QCOMPARE(graph->viewport()->palette().color(QPalette::Window),
                 TQtCanvas::ToQColor(s.G.Palette.Colors.BackColor()));
    }

    void ChartLaysOutItsBars()
    {
        TEasyChart chart;
        chart.SetMaxValue(100);
        chart.SetBarWidth(6);
        chart.SetSpace(3);
        chart.SetTopSpace(5);
        chart.SetBottomSpace(10);
        chart.resize(200, 130);
        chart.show();
        chart.AddBar(50, Qt::red, Qt::red);
        chart.AddBar(-0.1, Qt::red, Qt::red); // kept as its magnitude
        chart.AddBar(0, Qt::red, Qt::red);
        const int client = chart.viewport()->height();
        const int plot = client - 15;
        QCOMPARE(chart.BarRect(0),
                 QRect(3, client - 10 - qRound(plot * 0.5), 6, qRound(plot * 0.5)));
        QCOMPARE(chart.BarRect(1), QRect(12, client - 13, 6, 3)); // visible however small
        QCOMPARE(chart.BarRect(2).height(), 0);
        QCOMPARE(chart.BarRect(2).left(), 21);

        // MaxValue 0 scales to the largest bar.
        chart.SetMaxValue(0);
        QCOMPARE(chart.BarRect(0).height(), plot);

        QCOMPARE(chart.horizontalScrollBar()->maximum(), 0);
        for (int i = 0; i < 30; ++i) chart.AddBar(i, Qt::blue, Qt::blue);
        QCOMPARE(chart.horizontalScrollBar()->maximum(), 3 + 33 * 9 - chart.viewport()->width());
    }

    void SwatchesBeyondTheCountAreGrayAndDead()
    {
        TSetup s;
        s.G.Board.SetStatesCount(3);
        TfrmColorBar bar(s.G, nullptr);
        s.Host.Bar = &bar;
        QCOMPARE(bar.windowTitle(), QString("Colors/states bar"));
        bar.show();
        QVERIFY(Child<QTimer>(bar, "tmrMark")->isActive());
        QCOMPARE(Child<QTimer>(bar, "tmrMark")->interval(), 500);

        auto* pnlClo02 = Child(bar, "pnlClo02");
        auto* pnlClo03 = Child(bar, "pnlClo03");
        QCOMPARE(pnlClo02->toolTip(), QString("State 2"));
        QVERIFY(pnlClo02->isEnabled());
        QVERIFY(!pnlClo03->isEnabled());
        QVERIFY(!Child(bar, "pnlClo24")->isEnabled());
        QCOMPARE(pnlClo02->grab().toImage().pixelColor(3, 3), Colour(s.G, 2));
        QCOMPARE(pnlClo03->grab().toImage().pixelColor(3, 3), QColor(128, 128, 128));
        QCOMPARE(Child(bar, "pnlClo00")->grab().toImage().pixelColor(3, 3),
                 TQtCanvas::ToQColor(s.G.Palette.Colors.BackColor()));

        QTest::mouseClick(pnlClo03, Qt::LeftButton);
        QCOMPARE(s.G.Board.DrawingState(), 1);
        QTest::mouseClick(pnlClo02, Qt::LeftButton);
        QCOMPARE(s.G.Board.DrawingState(), 2);
        QCOMPARE(Child<QLabel>(bar, "lblStatus")->text(), QString("2/3"));
        QCOMPARE(Child(bar, "shpMarkClo")->pos(), pnlClo02->pos() - QPoint(4, 4));

        bar.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&bar));
        QTest::keyClick(&bar, Qt::Key_Escape);
        QVERIFY(!bar.isVisible());
        QVERIFY(!Child<QTimer>(bar, "tmrMark")->isActive());
    }

    void SpinnerSetsTheCountAndKeepsTheDrawingStateBelowIt()
    {
        TSetup s;
        s.G.Board.SetStatesCount(5);
        s.G.Board.SetDrawingState(4);
        TfrmColorBar bar(s.G, nullptr);
        s.Host.Bar = &bar;
        bar.show();
        auto* spnCloCnt = Child<QSpinBox>(bar, "spnCloCnt");
        QCOMPARE(spnCloCnt->value(), 5);
        QCOMPARE(spnCloCnt->minimum(), 2);
        QCOMPARE(spnCloCnt->maximum(), 25);
        QVERIFY(spnCloCnt->isVisible());

        s.Host.Refreshed = 0;
        spnCloCnt->setValue(3);
        QCOMPARE(s.G.Board.StatesCount(), 3);
        QCOMPARE(s.G.Board.DrawingState(), 2);
        QCOMPARE(Child<QLabel>(bar, "lblStatus")->text(), QString("2/3"));
        QCOMPARE(Child(bar, "shpMarkClo")->pos(), Child(bar, "pnlClo02")->pos() - QPoint(4, 4));
        QVERIFY(!Child(bar, "pnlClo04")->isEnabled());
        QCOMPARE(s.Host.Refreshed & rfBoard, 0u);

        // A game with a fixed count hides the spinner.
        s.G.Life.SetGame(2);
        bar.RefreshBar();
        QVERIFY(!spnCloCnt->isVisible());
    }

    void MarkerOfTheSecondRowAndThePicker()
    {
        TSetup s;
        s.G.Board.SetStatesCount(25);
        TfrmColorBar bar(s.G, nullptr);
        s.Host.Bar = &bar;
        bar.show();
        s.G.Board.SetDrawingState(13);
        auto* marker = Child(bar, "shpMarkClo");
        auto* pnlClo01 = Child(bar, "pnlClo01");
        auto* pnlClo13 = Child(bar, "pnlClo13");
        QCOMPARE(pnlClo13->x(), pnlClo01->x());
        QVERIFY(pnlClo13->y() > pnlClo01->y());
        QCOMPARE(marker->pos(), pnlClo13->pos() - QPoint(4, 4));
        QCOMPARE(Child(bar, "pnlClo12")->y(), pnlClo01->y());

        // The marker blinks.
        const bool shown = marker->isVisible();
        QTRY_VERIFY_WITH_TIMEOUT(marker->isVisible() != shown, 1500);

        int picked = 0;
        bar.OnColorPicker = [&picked] { ++picked; };
        auto* btnColorPick = Child<QToolButton>(bar, "btnColorPick");
        QCOMPARE(btnColorPick->x(), Child(bar, "pnlClo00")->x());
        QCOMPARE(btnColorPick->y(), pnlClo13->y());
        btnColorPick->click();
        QCOMPARE(picked, 1);
    }
};

QTEST_MAIN(TestStatisticsAndColors)
#include "test_StatisticsAndColors.moc"
