#include "base/u_Caption.h"
#include "base/u_Document.h"
#include "engine/u_Globals.h"
#include "ui/u_BoardWidget.h"
#include "ui/u_Main.h"
#include "ui/u_QtCanvas.h"
#include "ui/u_QtHost.h"
#include "view/u_BoardView.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

#include <vector>

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    static QString Caption(bool modified, const char* fileName)
    {
        return QString::fromStdString(FormCaption(ProgramVersion(), false, modified, fileName));
    }

    static QImage BlankImage()
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::black);
        return image;
    }

    static int CountPixels(const QImage& image, QRgb color)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == color;
        return n;
    }

private slots:
    void StartsWithAnUnmodifiedNewPattern()
    {
        TfrmMain w;
        QCOMPARE(w.windowTitle(),
                 QString("Velko's Gridfest v.") + ProgramVersion() + " -  Noname.plx");
        QCOMPARE(w.Globals().Board.Width(), 400);
        QCOMPARE(w.Globals().Board.Height(), 300);
        auto* board = w.findChild<TBoardWidget*>("pbBoard");
        QVERIFY(board);
        QVERIFY(w.centralWidget()->isAncestorOf(board));
        QVERIFY(w.statusBar());
    }

    void CaptionFollowsTheModifiedFlag()
    {
        TfrmMain w;
        w.Globals().Board.SetCell(0, 0, 1);
        w.ShowFormCaption();
        QCOMPARE(w.windowTitle(), Caption(true, kNonameFile));

        // Clearing reports through the host; the window must refresh its caption by itself.
        w.Globals().Document.FileName = "/tmp/patterns/glider.plx";
        w.Globals().Board.Clear(false);
        QCOMPARE(w.windowTitle(), Caption(false, kNonameFile));
    }

    void CaptionShowsTheFileNameWithoutFolder()
    {
        TfrmMain w;
        w.Globals().Document.FileName = "/tmp/patterns/glider.plx";
        w.Host().Refresh(rfCaption);
        QCOMPARE(w.windowTitle(), Caption(false, "glider.plx"));
    }

    void ClipboardRoundTripsAndLongTextIsCut()
    {
        TfrmMain w;
        TQtHost& host = w.Host();
        host.SetClipboardText("x = 3, y = 1\r\n3o!");
        QCOMPARE(host.ClipboardText(), std::string("x = 3, y = 1\r\n3o!"));

        host.SetClipboardText(std::string(TQtHost::kMaxClipboardChars + 10, 'o'));
        QCOMPARE(host.ClipboardText().size(), size_t(TQtHost::kMaxClipboardChars));

        // A cut that would split a character made of two UTF-16 units drops the whole one.
        std::string text(TQtHost::kMaxClipboardChars - 1, 'o');
        text += "\xF0\x9F\x98\x80"; // one character outside the basic plane
        host.SetClipboardText(text);
        QCOMPARE(host.ClipboardText(), std::string(TQtHost::kMaxClipboardChars - 1, 'o'));
    }

    void CanvasTakesColoursRedFirst()
    {
        QImage image = BlankImage();
        {
            TQtCanvas canvas(image);
            canvas.SetColor(0x00336699); // blue 0x33, green 0x66, red 0x99
            canvas.FillRect({1, 1, 3, 2});
        }
        QCOMPARE(image.pixel(1, 1), qRgb(0x99, 0x66, 0x33));
        QCOMPARE(image.pixel(2, 1), qRgb(0x99, 0x66, 0x33));
        QCOMPARE(image.pixel(3, 1), qRgb(0, 0, 0)); // Right is exclusive
        QCOMPARE(image.pixel(1, 2), qRgb(0, 0, 0)); // and so is Bottom
    }

    void CanvasPixelsPaintAsOnePixelRectangles()
    {
        // Pixels off the image are left out; in Xor mode a pixel given twice flips back.
        const std::vector<TPoint> pixels{{0, 0}, {7, 7}, {3, 5}, {-1, 2}, {8, 0}, {2, 9}, {3, 5}};
        for (const TPenMode mode : {TPenMode::Copy, TPenMode::Xor}) {
            QImage byPixels = BlankImage(), byRects = BlankImage();
            {
                TQtCanvas a(byPixels), b(byRects);
                for (TQtCanvas* canvas : {&a, &b}) {
                    canvas->SetMode(mode);
                    canvas->SetColor(0x00336699);
                }
                a.FillPixels(pixels);
                for (const TPoint& p : pixels) b.FillRect({p.X, p.Y, p.X + 1, p.Y + 1});
            }
            QCOMPARE(byPixels, byRects);
            QCOMPARE(CountPixels(byPixels, qRgb(0, 0, 0)),
                     mode == TPenMode::Copy ? 64 - 3 : 64 - 2);
        }
    }

    void CanvasLineLeavesOutItsEndPixel()
    {
        QImage image = BlankImage();
        {
            TQtCanvas canvas(image);
            canvas.SetColor(0x00FFFFFF);
            canvas.Line(5, 2, 1, 2); // right to left
            canvas.Line(0, 4, 0, 7); // top to bottom
        }
        for (int x = 0; x < 8; ++x)
            QCOMPARE(image.pixel(x, 2) == qRgb(255, 255, 255), x >= 2 && x <= 5);
        for (int y = 0; y < 8; ++y)
            QCOMPARE(image.pixel(0, y) == qRgb(255, 255, 255), y >= 4 && y <= 6);
    }

    void CanvasXorFrameFlipsEveryPixelOnce()
    {
        QImage image = BlankImage();
        const QRgb flipped = qRgb(0xFF, 0, 0xFF);
        TQtCanvas canvas(image);
        canvas.SetMode(TPenMode::Xor);
        canvas.SetColor(kMarkColor);
        // A frame three wide around a small box: the bands meet at the corners and inside.
        canvas.Frame({2, 2, 4, 5}, 3);
        // Columns 1..5 by rows 1..6, the inside closed up, each pixel flipped exactly once.
        QCOMPARE(CountPixels(image, flipped), 5 * 6);
        QCOMPARE(CountPixels(image, qRgb(0, 0, 0)), 64 - 5 * 6);
        canvas.Frame({2, 2, 4, 5}, 3);
        QCOMPARE(CountPixels(image, qRgb(0, 0, 0)), 64);
    }

    void RunOnceTurnsTheBlinkerAndPaintsIt()
    {
        TfrmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        TGlobals& g = w.Globals();
        TBoardView& view = w.View();
        QVERIFY(view.AreaWidth() > 0 && view.AreaHeight() > 0);
        const int32_t cx = view.ViewLeft() + view.ViewCols() / 2;
        const int32_t cy = view.ViewTop() + view.ViewRows() / 2;
        for (int32_t dx = -1; dx <= 1; ++dx) g.Board.SetCell(cx + dx, cy, 1);
        w.Host().Refresh(rfBoard);

        auto* run = w.findChild<QAction*>("cmdRunOnce");
        QVERIFY(run);
        QCOMPARE(run->shortcut(), QKeySequence(Qt::Key_Space));
        run->trigger();
        for (int32_t d = -1; d <= 1; ++d) {
            QCOMPARE(int(g.Board.GetCell(cx, cy + d)), 1);
            if (d != 0) QCOMPARE(int(g.Board.GetCell(cx + d, cy)), 0);
        }

        const QImage& image = w.findChild<TBoardWidget*>("pbBoard")->Image();
        const QRgb background = TQtCanvas::ToQColor(g.Palette.Colors.BackColor()).rgb();
        const int half = view.CellSize() / 2;
        const TPoint born = view.CellToPixel(cx, cy - 1);
        const TPoint died = view.CellToPixel(cx - 1, cy);
        QVERIFY(image.pixel(born.X + half, born.Y + half) != background);
        QCOMPARE(image.pixel(died.X + half, died.Y + half), background);
    }

    void QuestionsOfferTheirDefaultToEnter()
    {
        QWidget owner;
        TQtHost host(owner);
        const struct {
            TMsgButtons Buttons;
            QMessageBox::StandardButton Default;
            TMsgAnswer Enter;
        } cases[] = {{TMsgButtons::YesNo, QMessageBox::Yes, TMsgAnswer::Yes},
                     {TMsgButtons::YesNoDefaultNo, QMessageBox::No, TMsgAnswer::No}};
        for (const auto& c : cases) {
            QMessageBox::StandardButton shown = QMessageBox::NoButton;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                shown = box->standardButton(box->defaultButton());
                QTest::keyClick(box, Qt::Key_Return);
            });
            QCOMPARE(host.ShowMessage("Sure?", "Confirm", TMsgIcon::Question, c.Buttons), c.Enter);
            QCOMPARE(shown, c.Default);
        }
    }

    void WaitCursorIsBalanced()
    {
        {
            TfrmMain w;
            TQtHost& host = w.Host();
            host.SetWaitCursor(true);
            host.SetWaitCursor(true);
            QVERIFY(QApplication::overrideCursor());
            host.SetWaitCursor(false);
            QVERIFY(QApplication::overrideCursor());
            host.SetWaitCursor(false);
            QVERIFY(!QApplication::overrideCursor());
            // An unmatched "off" must not take away a cursor set by someone else.
            QApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
            host.SetWaitCursor(false);
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
            QApplication::restoreOverrideCursor();
            host.SetWaitCursor(true);
        }
        // Closing the window during a long operation gives the cursor back.
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_MainWindow.moc"
