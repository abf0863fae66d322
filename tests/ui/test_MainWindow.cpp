#include "base/u_Caption.h"
#include "base/u_Document.h"
#include "engine/u_Globals.h"
#include "ui/u_Main.h"
#include "ui/u_QtHost.h"

#include <QApplication>
#include <QFrame>
#include <QStatusBar>
#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    static QString Caption(bool modified, const char* fileName)
    {
        return QString::fromStdString(FormCaption(ProgramVersion(), false, modified, fileName));
    }

private slots:
    void StartsWithAnUnmodifiedNewPattern()
    {
        TfrmMain w;
        QCOMPARE(w.windowTitle(),
                 QString("Velko's Gridfest v.") + ProgramVersion() + " -  Noname.plx");
        QCOMPARE(w.Globals().Board.Width(), 400);
        QCOMPARE(w.Globals().Board.Height(), 300);
        auto* board = w.findChild<QFrame*>("pbBoard");
        QVERIFY(board);
        QCOMPARE(w.centralWidget(), board);
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
