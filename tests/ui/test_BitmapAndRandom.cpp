#include "base/u_Host.h"
#include "base/u_LineFile.h"
#include "edit/u_RandomFill.h"
#include "engine/u_Globals.h"
#include "io/u_InOut.h"
#include "ui/u_BitmapDialog.h"
#include "ui/u_QtCanvas.h"
#include "ui/u_RandomDialog.h"
#include "view/u_BoardView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <string>
#include <vector>

namespace {

using S = TRandomSettings;

// Remembers the messages it was shown.
class TMessageHost : public TSilentHost {
public:
    TMsgAnswer ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                           TMsgButtons buttons) override
    {
        Messages.push_back(std::string(caption) + ": " + std::string(text));
        return TSilentHost::ShowMessage(text, caption, icon, buttons);
    }
    std::vector<std::string> Messages;
};

template <class T>
T* Child(const QWidget& dialog, const char* name)
{
    auto* child = dialog.findChild<T*>(name);
    if (!child) qFatal("no control %s", name);
    return child;
}

void Click(const QWidget& dialog, const char* name)
{
    Child<QAbstractButton>(dialog, name)->click();
}

// The program's objects on a 400 x 300 board, a board area of 320 x 240 pixels painted on an
// image, and a program folder of its own.
struct TSetup {
    TMessageHost Host;
    TGlobals G{Host};
    TInOut InOut{G};
    TBoardView View{G};
    QImage Area{320, 240, QImage::Format_RGB32};
    TQtCanvas Canvas{Area};
    QTemporaryDir Folder;

    TSetup()
    {
        G.Board.SetSize(400, 300);
        G.ProgramFolder = Folder.path().toStdString() + "/";
        QDir(Folder.path()).mkpath("System/Random");
        QDir(Folder.path()).mkpath("System/Seed");
        View.SetCanvas(&Canvas);
        View.SetAreaSize(Area.width(), Area.height());
    }
    ~TSetup() { View.SetCanvas(nullptr); }

    QRgb StatePixel(int state) const { return TQtCanvas::ToQColor(StateColor(state)).rgb(); }
    TColor StateColor(int state) const { return G.Palette.Colors.StateColor(state); }
    std::string SetPath(const char* name) const
    {
        return G.ProgramFolder + "System/Random/" + name + ".rnd";
    }
};

// A bitmap dialog whose clipboard and save dialog are stand-ins.
struct TBitmapSetup : TSetup {
    TfrmToBmp Dialog{G, View, [this] { return Area; }, nullptr};
    std::vector<QImage> Clipboard;
    QString SavePath;
    int SaveAsked = 0;

    TBitmapSetup()
    {
        Dialog.PutOnClipboard = [this](const QImage& picture) { Clipboard.push_back(picture); };
        Dialog.AskSaveFile = [this] {
            ++SaveAsked;
            return SavePath;
        };
        Dialog.show();
    }
};

// A randomize dialog on a seeded random source with a few seed patterns and sets.
struct TRandomSetup : TSetup {
    S Settings;
    TfrmRandomPtt Dialog{G, Settings, InOut, View, nullptr};
    QString SavePath;

    TRandomSetup()
    {
        G.Random.Seed(4242);
        for (const char* name : {"Glider.plx", "1 cell.plx", "Notes.txt"})
            QFile(Folder.filePath(QString("System/Seed/") + name)).open(QIODevice::WriteOnly);
        Dialog.AskSaveFile = [this](const QString&) { return SavePath; };
    }
    int32_t LiveCount() const { return G.Board.LiveCount(); }
};

} // namespace

class TestBitmapAndRandom : public QObject {
    Q_OBJECT

private slots:
    void TheWholeUniverseIsOnePixelPerCell()
    {
        TBitmapSetup t;
        t.G.Board.SetStatesCount(3);
        t.G.Board.SetCell(0, 0, 1);
        t.G.Board.SetCell(10, 10, 5);
        Click(t.Dialog, "rdiUniAll");
        Click(t.Dialog, "btnPutOnClip");

        QCOMPARE(t.Clipboard.size(), size_t(1));
        const QImage& picture = t.Clipboard.front();
        QCOMPARE(picture.size(), QSize(400, 300));
        QCOMPARE(picture.pixel(200, 150), t.StatePixel(1));
        // Not clamped to the states in use.
        QCOMPARE(picture.pixel(210, 160), t.StatePixel(5));
        QCOMPARE(picture.pixel(0, 0), t.StatePixel(0));
        QVERIFY(!t.Dialog.isVisible());
        QVERIFY(t.Host.Messages.empty());

        // The source stays chosen.
        t.Dialog.show();
        QVERIFY(Child<QRadioButton>(t.Dialog, "rdiUniAll")->isChecked());
    }

    void TheVisibleUniverseIsTheBoardAreaRepainted()
    {
        TBitmapSetup t;
        t.G.Board.SetStatesCount(3);
        t.G.Board.SetCell(0, 0, 5);
        t.Area.fill(Qt::magenta);
        QVERIFY(Child<QRadioButton>(t.Dialog, "rdiUniVsb")->isChecked());
        Click(t.Dialog, "btnPutOnClip");

        QCOMPARE(t.Clipboard.size(), size_t(1));
        const QImage picture = t.Clipboard.front().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.size(), QSize(t.View.AreaWidth(), t.View.AreaHeight()));
        QCOMPARE(picture, t.Area);
        QVERIFY(t.Area.pixel(0, 0) != QColor(Qt::magenta).rgb());
        // As the board area shows it: in the colour of the last state in use.
        const TPoint cell = t.View.CellToPixel(0, 0);
        const int middle = t.View.CellSize() / 2;
        QCOMPARE(picture.pixel(cell.X + middle, cell.Y + middle), t.StatePixel(2));
    }

    void SavingWritesABitmapOrAPngAndCancellingNothing()
    {
        TBitmapSetup t;
        QTemporaryDir out;
        Click(t.Dialog, "rdiUniAll");
        Click(t.Dialog, "btnSaveTiFile");
        QCOMPARE(t.SaveAsked, 1);
        QVERIFY(QDir(out.path()).isEmpty());
        QVERIFY(!t.Dialog.isVisible());
        QVERIFY(t.Host.Messages.empty());

        t.SavePath = out.filePath("board.bmp");
        t.Dialog.show();
        Click(t.Dialog, "btnSaveTiFile");
        QImage saved;
        QVERIFY(saved.load(t.SavePath, "BMP"));
        QCOMPARE(saved.size(), QSize(400, 300));
        QVERIFY(t.Clipboard.empty());

        // A .png name, as the PNG filter gives it, is saved as PNG; nothing else is left.
        t.G.Board.SetCell(0, 0, 1);
        t.SavePath = out.filePath("board.png");
        t.Dialog.show();
        Click(t.Dialog, "btnSaveTiFile");
        QVERIFY(saved.load(t.SavePath, "PNG"));
        QCOMPARE(saved.size(), QSize(400, 300));
        QCOMPARE(saved.pixel(200, 150), t.StatePixel(1));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList({"board.bmp", "board.png"}));
    }

    void AFailedPictureIsReportedNotMade()
    {
        TBitmapSetup t;
        Click(t.Dialog, "rdiUniAll");
        t.G.Memory.FailAfter(0);
        Click(t.Dialog, "btnPutOnClip");
        t.G.Memory.AllowAll();
        const std::vector<std::string> tooBig = {
            "Error: The bitmap was not created (size too big?)"};
        QCOMPARE(t.Host.Messages, tooBig);
        QVERIFY(t.Clipboard.empty());
        QVERIFY(!t.Dialog.isVisible());

        // A file that cannot be written fails the same way.
        t.Host.Messages.clear();
        t.SavePath = t.Folder.filePath("no such folder/board.bmp");
        t.Dialog.show();
        Click(t.Dialog, "btnSaveTiFile");
        QCOMPARE(t.Host.Messages, tooBig);
    }

    void TheDialogShowsAndStoresTheSettings()
    {
        TRandomSetup t;
        t.G.Board.SetStatesCount(5);
        S& s = t.Settings;
        s.Mode = S::rmMono;
        s.Density = 37;
        s.FillClears = false;
        s.FillColor = 3;
        s.FillUniform = false;
        s.Shape = S::rsCircle;
        s.RectKind = S::rkArea;
        s.RectX = 7;
        s.AreaX1 = -3;
        s.AreaY2 = 44;
        s.CircleX = 5;
        s.CircleRadius = 9;
        s.Interior = false;
        s.SetSeedFile("Glider");
        const S shown = s;
        t.Dialog.Open();

        auto& d = t.Dialog;
        QCOMPARE(d.windowTitle(), QString("Randomize / seed"));
        QVERIFY(!d.isModal());
        QVERIFY(Child<QRadioButton>(d, "rdiRndOther")->isChecked());
        QCOMPARE(Child<QSpinBox>(d, "spnRndOther")->value(), 37);
        QVERIFY(Child<QRadioButton>(d, "rdiAdds")->isChecked());
        QVERIFY(Child<QRadioButton>(d, "rdiMono")->isChecked());
        QCOMPARE(Child<QSpinBox>(d, "spnRandomMonoState")->value(), 3);
        QCOMPARE(Child<QSpinBox>(d, "spnRandomMonoState")->maximum(), 4);
        QCOMPARE(Child<QTabWidget>(d, "pgeWhat")->currentIndex(), 1);
        QVERIFY(Child<QRadioButton>(d, "rdiRtgArea")->isChecked());
        QCOMPARE(Child<QLineEdit>(d, "fldAreaY2")->text(), QString("44"));
        QCOMPARE(Child<QLineEdit>(d, "fldCircleRdi")->text(), QString("9"));
        QVERIFY(!Child<QCheckBox>(d, "chkInterior")->isChecked());
        auto* seeds = Child<QComboBox>(d, "cmbSeedFile");
        QCOMPARE(seeds->count(), 2);
        QCOMPARE(seeds->currentText(), QString("Glider"));
        QCOMPARE(Child<QComboBox>(d, "cmbSelSet")->currentText(), QString(kNoRandomSets));
        QVERIFY(!Child<QRadioButton>(d, "rdiRtgSelection")->isEnabled());
        d.close();
        QVERIFY(s == shown);

        // A shipped density, color mode, the whole universe on the rectangle page.
        d.Open();
        Click(d, "rdiRnd50");
        Click(d, "chkUniform");
        QVERIFY(Child<QRadioButton>(d, "rdiColor")->isChecked());
        Child<QTabWidget>(d, "pgeWhat")->setCurrentIndex(0);
        Click(d, "rdiRtgAll");
        QTest::keyClicks(Child<QLineEdit>(d, "fldRectY"), "1");
        QVERIFY(Child<QRadioButton>(d, "rdiRtgRect")->isChecked());
        QTest::keyClicks(Child<QLineEdit>(d, "fldAreaX2"), "0");
        QVERIFY(Child<QRadioButton>(d, "rdiRtgArea")->isChecked());
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(s.Density, 50);
        QCOMPARE(s.Mode, int32_t(S::rmColor));
        QVERIFY(s.FillUniform);
        QCOMPARE(s.Shape, int32_t(S::rsRectangle));
        QCOMPARE(s.RectKind, int32_t(S::rkArea));
        QCOMPARE(s.RectY, 251);
        QCOMPARE(s.AreaX2, 200);
    }

    void ControlsAreEnabledByMode()
    {
        TRandomSetup t;
        auto& d = t.Dialog;
        d.Open();
        auto* density = Child<QGroupBox>(d, "grpDensity");
        auto* pages = Child<QTabWidget>(d, "pgeWhat");
        Click(d, "rdiMono");
        QVERIFY(density->isEnabled() && pages->isEnabled());
        Click(d, "rdiColor");
        QCOMPARE(density->isEnabled(), !Child<QCheckBox>(d, "chkUniform")->isChecked());
        Click(d, "rdiSeed");
        QVERIFY(!density->isEnabled() && !pages->isEnabled());
        Click(d, "rdiMono");
        auto* seeds = Child<QComboBox>(d, "cmbSeedFile");
        QTest::keyClicks(seeds->lineEdit(), "x");
        QVERIFY(Child<QRadioButton>(d, "rdiSeed")->isChecked());
        d.close();
        QCOMPARE(t.Settings.Mode, int32_t(S::rmSeed));
    }

    void GenerateFillsTheBoardAtTheDensity()
    {
        TRandomSetup t;
        t.G.Board.SetCell(0, 0, 1);
        t.Settings.Mode = S::rmMono;
        t.Settings.Density = 20;
        t.Settings.RectKind = S::rkUniverse;
        t.Dialog.Open();
        Click(t.Dialog, "cmdGenerate");
        // 20% of 120 000 cells, well within chance.
        QVERIFY2(t.LiveCount() > 22500 && t.LiveCount() < 25500,
                 qPrintable(QString::number(t.LiveCount())));
        QVERIFY(t.Dialog.isVisible());

        // The stored settings without the dialog.
        t.Dialog.close();
        t.Settings.Density = 100;
        t.Settings.RectKind = S::rkCentred;
        t.Dialog.Generate();
        QCOMPARE(t.LiveCount(), 25 * 25);
    }

    void ASelectionIsFilledInstead()
    {
        TRandomSetup t;
        t.Settings.Mode = S::rmMono;
        t.Settings.Density = 100;
        t.Settings.RectKind = S::rkCentred;
        QVERIFY(t.G.Selection.SetRectangle({0, 0, 9, 4}));
        auto& d = t.Dialog;
        d.Open();
        auto* selection = Child<QRadioButton>(d, "rdiRtgSelection");
        QVERIFY(selection->isChecked() && selection->isEnabled());
        QVERIFY(!Child<QRadioButton>(d, "rdiRtgAll")->isEnabled());
        QVERIFY(!Child<QWidget>(d, "fldRectX")->isEnabled());
        Click(d, "cmdGenerate");
        QCOMPARE(t.G.Selection.Cells().Count(), size_t(50));
        QCOMPARE(t.Settings.RectKind, int32_t(S::rkCentred));

        // Without a selection "Selection" cannot stay chosen.
        t.G.Selection.SwitchOff();
        d.close();
        d.Open();
        QVERIFY(!selection->isEnabled());
        QVERIFY(Child<QRadioButton>(d, "rdiRtgRect")->isChecked());
        QVERIFY(Child<QRadioButton>(d, "rdiRtgAll")->isEnabled());
    }

    void RowGamesAskForALineAndARange()
    {
        TRandomSetup t;
        t.G.Life.SetGame(7);
        QCOMPARE(int(t.G.Life.Dimension()), 1);
        auto& d = t.Dialog;
        d.Open();
        QCOMPARE(Child<QRadioButton>(d, "rdiRtgRect")->text(), QString("Line:"));
        QCOMPARE(Child<QRadioButton>(d, "rdiRtgArea")->text(), QString("Range:"));
        QVERIFY(Child<QWidget>(d, "fldRectY")->isHidden());
        QVERIFY(Child<QWidget>(d, "fldAreaY1")->isHidden());
        QVERIFY(!Child<QWidget>(d, "fldAreaX2")->isHidden());
    }

    void SetsAreUsedAndSaved()
    {
        TRandomSetup t;
        auto& d = t.Dialog;
        d.Open();
        // None yet: the list says so, and using that reports the missing file.
        Click(d, "btnUse");
        QCOMPARE(t.Host.Messages.size(), size_t(1));
        QVERIFY(t.Host.Messages[0].find("could not be loaded") != std::string::npos);

        QVERIFY(WriteLineFile(t.SetPath("Only mode"), {"// Plexa randomizing set", "#Mode, 3"}));
        t.SavePath = QString::fromStdString(t.SetPath("Mine"));
        Click(d, "rdiMono");
        Click(d, "rdiRnd90");
        Click(d, "btnSaveAs");
        auto* sets = Child<QComboBox>(d, "cmbSelSet");
        QCOMPARE(sets->count(), 2);
        QCOMPARE(sets->itemText(0), QString("Mine"));
        QCOMPARE(sets->currentText(), QString("Mine"));
        S saved;
        const auto lines = ReadLineFile(t.SetPath("Mine"));
        QVERIFY(lines.has_value());
        saved.ReadSetLines(*lines);
        QCOMPARE(saved.Density, 90);
        QVERIFY(saved == t.Settings);

        sets->setEditText("  Only mode ");
        Click(d, "btnUse");
        QVERIFY(Child<QRadioButton>(d, "rdiSeed")->isChecked());
        S expected = saved;
        expected.Mode = S::rmSeed;
        QVERIFY(t.Settings == expected);
        QCOMPARE(sets->currentText(), QString("  Only mode "));
    }
};

QTEST_MAIN(TestBitmapAndRandom)
#include "test_BitmapAndRandom.moc"
