// The main window driven as a person drives it: commands, keys, the mouse on the board, the
// status bar, and runs that are interrupted by all of these.

#include "engine/u_Globals.h"
#include "io/u_InOut.h"
#include "ui/u_BoardWidget.h"
#include "ui/u_Main.h"
#include "ui/u_Pictures.h"
#include "ui/u_RunDialog.h"
#include "view/u_BoardMouse.h"
#include "view/u_BoardView.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <random>

class TestMainCommands : public QObject {
    Q_OBJECT

private:
    struct TWindow {
        TWindow()
        {
            w.show();
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            board = w.findChild<TBoardWidget*>("pbBoard");
        }
        TfrmMain w;
        TBoardWidget* board = nullptr;

        TGlobals& G() { return w.Globals(); }
        QAction* Command(const char* name) const
        {
            QAction* action = w.Command(name);
            if (!action) qFatal("no command %s", name);
            return action;
        }
        QString Field(const char* name) const { return w.findChild<QLabel*>(name)->text(); }
        // The middle of cell (x, y) on the board area.
        QPoint PixelOf(int32_t x, int32_t y) const
        {
            const TBoardView& view = const_cast<TfrmMain&>(w).View();
            const TPoint p = view.CellToPixel(x, y);
            const int half = std::max(view.CellSize(), 1) / 2;
            return {p.X + half, p.Y + half};
        }
        TPoint Centre()
        {
            TBoardView& view = w.View();
            return {view.ViewLeft() + view.ViewCols() / 2, view.ViewTop() + view.ViewRows() / 2};
        }
        void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button,
                   Qt::KeyboardModifiers mods = Qt::NoModifier)
        {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease
                                              ? Qt::NoButton
                                              : Qt::MouseButtons(Qt::LeftButton);
            QMouseEvent event(type, QPointF(at), QPointF(board->mapToGlobal(at)),
                              type == QEvent::MouseMove ? Qt::NoButton : button, held, mods);
            QApplication::sendEvent(board, &event);
        }
        void Click(QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier)
        {
            Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, mods);
            Mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, mods);
        }
        void Soup()
        {
            std::mt19937 random(7);
            TBoard& b = G().Board;
            for (int32_t y = b.MinY(); y <= b.MaxY(); ++y)
                for (int32_t x = b.MinX(); x <= b.MaxX(); ++x)
                    if (random() % 2) b.SetCell(x, y, 1);
        }
        void Block(TPoint at)
        {
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) G().Board.SetCell(at.X + dx, at.Y + dy, 1);
        }
    };

    // Runs `action` when a run loop lets events in after `milliseconds`, unless `window` has
    // gone by then.
    static void During(QObject* window, int milliseconds, std::function<void()> action)
    {
        QTimer::singleShot(milliseconds, window, std::move(action));
    }

    // Answers the Run n cycles dialog as it opens.
    static void AnswerRunDialog(int mode, int value, int redraw)
    {
        QTimer::singleShot(0, [=] {
            auto* dialog = qobject_cast<TfrmRun*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const char* radio = mode == 1 ? "rdiMdeFor" : mode == 2 ? "rdiMdeTo" : "rdiMdeCon";
            dialog->findChild<QRadioButton*>(radio)->setChecked(true);
            dialog->findChild<QLineEdit*>(mode == 1 ? "fldRunFor" : "fldRunUpTo")
                ->setText(QString::number(value));
            dialog->findChild<QRadioButton*>(radio)->setChecked(true);
            dialog->findChild<QLineEdit*>("fldRedraw")->setText(QString::number(redraw));
            dialog->findChild<QPushButton*>("cmdRun")->click();
        });
    }

private slots:
    void StatusBarShowsTheBoardTheRuleAndTheSpeed()
    {
        TWindow t;
        QCOMPARE(t.Field("sttFldStatus"), QString("STOPPED"));
        QCOMPARE(t.Field("sttFldCycle"), QString("C:0"));
        QCOMPARE(t.Field("sttFldGame"), QString("Life"));
        QCOMPARE(t.Field("sttFldRules"), QString("23/3"));
        QCOMPARE(t.Field("sttFldSpeed"), QString("S:0"));
        t.Command("cmdCellSize-4")->trigger();
        t.Command("cmdWrapAtEdges")->trigger();
        t.Command("cmdStates5")->trigger();
        t.Command("cmdDrawState2")->trigger();
        QCOMPARE(t.Field("sttFldBoard"), QString("B:400x300  S=1/4  W=1  C=2/5"));
        QVERIFY(t.Command("cmdWrapAtEdges")->isChecked());
        QVERIFY(!t.Command("cmdDrawState3")->isEnabled() == false); // 3 < 5 states
        QVERIFY(!t.Command("cmdDrawState5")->isEnabled());
        QVERIFY(t.Command("cmdCellSize-4")->isChecked());

        // Generations fixes its states count by its rule: the count menu is closed to it.
        t.Command("cmdGameGene")->trigger();
        QCOMPARE(t.Field("sttFldGame"), QString("Generations"));
        QVERIFY(!t.w.findChild<QMenu*>("cmdCntOfColors")->isEnabled());
        QVERIFY(t.Command("cmdGameGene")->isChecked());
    }

    void EveryCommandWithAWindowIsEnabled()
    {
        TWindow t;
        for (const char* name :
             {"cmdRandom", "cmdToBitmap", "cmdStatistics", "cmdColorsBar", "cmdPatternDescription",
              "cmdHelp", "cmdAbout", "cmdFileOpen", "cmdFileInsert", "cmdSave", "cmdSaveAs",
              "cmdViewFileMgr", "cmdSettings", "cmdSettRules"})
            QVERIFY2(t.Command(name)->isEnabled(), name);
    }

    void SettingsOpenOnTheirPageAndApplyReachesTheWindow()
    {
        TWindow t;
        // The palettes the Colors page lists sit beside the program.
        t.G().ProgramFolder = QCoreApplication::applicationDirPath().toStdString() + '/';
        t.Command("cmdSettBoard")->trigger();
        auto* settings = t.w.findChild<QDialog*>("frmSettings");
        QVERIFY(settings && settings->isVisible());
        QCOMPARE(settings->findChild<QTabWidget*>("pgcSettings")->currentIndex(), 1);
        // A changed value reaches the status bar once the dialog applies it.
        t.G().Board.SetWrap(false);
        auto* wrap = settings->findChild<QCheckBox*>("chkWrap");
        QVERIFY(wrap);
        wrap->setChecked(true);
        settings->findChild<QPushButton*>("cmdApply")->click();
        QVERIFY(t.G().Board.Wrap());
        QVERIFY(t.Field("sttFldBoard").contains("W=1"));
        settings->close();
    }

    void ClicksAndStrokesDrawAndMarkTheCaption()
    {
        TWindow t;
        const TPoint c = t.Centre();
        t.Click(t.PixelOf(c.X, c.Y));
        QCOMPARE(int(t.G().Board.GetCell(c.X, c.Y)), 1);
        QVERIFY(t.w.windowTitle().endsWith(" - *Noname.plx"));
        // Clicking a live cell does not toggle it; Shift clears it.
        t.Click(t.PixelOf(c.X, c.Y));
        QCOMPARE(int(t.G().Board.GetCell(c.X, c.Y)), 1);
        t.Click(t.PixelOf(c.X, c.Y), Qt::ShiftModifier);
        QCOMPARE(int(t.G().Board.GetCell(c.X, c.Y)), 0);

        // A stroke sets every cell it passes, both ends included.
        t.Mouse(QEvent::MouseButtonPress, t.PixelOf(c.X - 3, c.Y + 2), Qt::LeftButton);
        t.Mouse(QEvent::MouseMove, t.PixelOf(c.X + 3, c.Y + 2), Qt::LeftButton);
        t.Mouse(QEvent::MouseButtonRelease, t.PixelOf(c.X + 3, c.Y + 2), Qt::LeftButton);
        for (int dx = -3; dx <= 3; ++dx) QCOMPARE(int(t.G().Board.GetCell(c.X + dx, c.Y + 2)), 1);
        QCOMPARE(t.G().Board.LiveCount(), 7);

        // The coordinates field follows the pointer.
        t.Mouse(QEvent::MouseMove, t.PixelOf(c.X, c.Y + 2), Qt::NoButton);
        QCOMPARE(t.Field("sttFldCoords"), QString("1 (%1,%2)").arg(c.X).arg(c.Y + 2));
    }

    void SelectionCommandsAreEnabledOnlyWithASelection()
    {
        TWindow t;
        const char* const commands[] = {"cmdSelFill",     "cmdSelClear",    "cmdSelInvert",
                                        "cmdSelRotate90", "cmdClipbrdCopy", "cmdClipbrdCut"};
        for (const char* name : commands) QVERIFY(!t.Command(name)->isEnabled());
        t.Block(t.Centre());
        t.Command("cmdSelectAll")->trigger();
        for (const char* name : commands) QVERIFY(t.Command(name)->isEnabled());
        t.Command("cmdSelInvert")->trigger();
        QCOMPARE(t.G().Board.LiveCount(), 0);
        t.Command("cmdModeEdit")->trigger();
        for (const char* name : commands) QVERIFY(!t.Command(name)->isEnabled());

        // A marking drag selects; undo comes back to the empty board.
        t.Command("cmdModeMark")->trigger();
        QCOMPARE(int(t.w.Mouse().CursorMode()), int(cmMark));
        QVERIFY(t.Command("cmdModeMark")->isChecked());
    }

    void ContinuousRunOfAStillLifeStopsByItself()
    {
        TWindow t;
        t.Block(t.Centre());
        t.Command("cmdRun")->trigger();
        QVERIFY(!t.G().Run.IsRunning());
        QCOMPARE(t.G().Board.Cycle(), 0);
        QCOMPARE(t.Field("sttFldStatus"), QString("STOPPED"));
        QCOMPARE(t.Command("cmdRun")->text(), QString("Run"));
    }

    void RunNCyclesRunsAsTheDialogSays()
    {
        TWindow t;
        const TPoint c = t.Centre();
        for (int dx = -1; dx <= 1; ++dx) t.G().Board.SetCell(c.X + dx, c.Y, 1); // a blinker
        AnswerRunDialog(1, 25, 1);
        t.Command("cmdRunNCycles")->trigger();
        QCOMPARE(t.G().Board.Cycle(), 25);
        QVERIFY(!t.G().Run.IsRunning());

        t.G().Board.SetCycle(990);
        AnswerRunDialog(2, 1000, 50);
        t.Command("cmdRunNCycles")->trigger();
        QCOMPARE(t.G().Board.Cycle(), 1000);
        QCOMPARE(t.Field("sttFldCycle"), QString("C:1000"));

        // A still life: the run ends at its tenth cycle, without a generation to count.
        t.G().Board.Clear(false);
        t.Block(c);
        AnswerRunDialog(1, 25, 1);
        t.Command("cmdRunNCycles")->trigger();
        QVERIFY(!t.G().Run.IsRunning());
        QCOMPARE(t.G().Board.LiveCount(), 4);
    }

    void ARunLetsEditsStopsAndOpeningsIn()
    {
        TWindow t;
        t.Soup();
        const TPoint c = t.Centre();
        bool edited = false, running = false;
        During(&t.w, 30, [&] {
            t.Click(t.PixelOf(c.X, c.Y), Qt::ControlModifier);
            edited = t.G().Board.GetCell(c.X, c.Y) == 1;
        });
        During(&t.w, 60, [&] {
            running = t.G().Run.IsRunning() && t.Field("sttFldStatus") == "RUNNING";
            QTest::keyClick(t.board, Qt::Key_Escape);
        });
        During(&t.w, 2000, [&] { t.G().Run.Stop(); }); // in case Esc failed
        t.Command("cmdRun")->trigger();
        QVERIFY(edited);
        QVERIFY(running);
        QVERIFY(!t.G().Run.IsRunning());
        QCOMPARE(t.Field("sttFldStatus"), QString("STOPPED"));

        // Opening a pattern replaces the board wholesale: the run ends on the new pattern.
        bool opened = false;
        During(&t.w, 30, [&] {
            opened =
                t.w.InOut().OpenLifeFile(PLEXA_TEST_DATA_DIR "/rle/gun.rle", true, false, false);
        });
        During(&t.w, 300, [&] { t.Command("cmdRun")->trigger(); }); // stops it if still running
        t.Command("cmdRun")->trigger();
        QVERIFY(opened);
        QVERIFY(!t.G().Run.IsRunning());
        QVERIFY(t.G().Document.FileName.ends_with("gun.rle"));
    }

    void OpeningAPatternCentresOrFitsItAsConfigured()
    {
        TWindow t;
        const auto middle = [&t] {
            const TRect r = t.G().Board.MinRectangle();
            return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
        };
        const auto viewMiddle = [&t] {
            const TBoardView& v = t.w.View();
            return TPoint{v.ViewLeft() + v.ViewCols() / 2, v.ViewTop() + v.ViewRows() / 2};
        };
        t.w.View().SetViewOrigin(t.G().Board.MinX(), t.G().Board.MinY());
        QVERIFY(t.w.InOut().OpenLifeFile(PLEXA_TEST_DATA_DIR "/rle/gun.rle", true, false, false));
        QCOMPARE(viewMiddle(), middle());
        QCOMPARE(t.w.View().CellSize(), 7);

        t.w.Config().Window.OpenAction = 2;
        QVERIFY(t.w.InOut().OpenLifeFile(PLEXA_TEST_DATA_DIR "/rle/gun.rle", true, false, false));
        QVERIFY(t.w.View().CellSize() != 7);
    }

    void ASlowRunWaitsForItsInterval()
    {
        TWindow t;
        const TPoint c = t.Centre();
        for (int dx = -1; dx <= 1; ++dx) t.G().Board.SetCell(c.X + dx, c.Y, 1); // a blinker
        t.G().Run.SetInterval(50);
        bool stopped = false;
        During(&t.w, 300, [&] {
            stopped = true;
            t.Command("cmdRun")->trigger();
        });
        t.Command("cmdRun")->trigger();
        QVERIFY(stopped);
        // About six generations in 300 ms; never more than the interval allows.
        QVERIFY(t.G().Board.Cycle() >= 1);
        QVERIFY(t.G().Board.Cycle() <= 7);
    }

    void ClosingTheWindowDuringARunEndsCleanly()
    {
        QPointer<TfrmMain> w = new TfrmMain;
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        TBoard& board = w->Globals().Board;
        std::mt19937 random(11);
        for (int32_t y = board.MinY(); y <= board.MaxY(); ++y)
            for (int32_t x = board.MinX(); x <= board.MaxX(); ++x)
                if (random() % 2) board.SetCell(x, y, 1);
        During(w, 50, [&] { w->close(); });
        w->Command("cmdRun")->trigger();
        // The run has ended and the window has closed; it is deleted at the next turn of the
        // event loop, never inside the run.
        QVERIFY(!w.isNull());
        QVERIFY(!w->Globals().Run.IsRunning());
        QVERIFY(!w->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }

    void SpeedCommandsStepAlongTheTable()
    {
        TWindow t;
        QVERIFY(!t.Command("cmdRunFaster")->isEnabled());
        t.Command("cmdSpd0075")->trigger();
        QCOMPARE(t.G().Run.Interval(), 75);
        QVERIFY(t.Command("cmdSpd0075")->isChecked());
        QCOMPARE(t.Command("cmdRunFaster")->toolTip(), QString("Run faster (75)"));
        t.Command("cmdRunFaster")->trigger();
        QCOMPARE(t.G().Run.Interval(), 50);
        QVERIFY(t.Command("cmdSpd0050")->isChecked());
        QVERIFY(!t.Command("cmdSpd0075")->isChecked());
        QTest::keyClick(&t.w, Qt::Key_9, Qt::ControlModifier);
        QCOMPARE(t.G().Run.Interval(), 2000);
        t.Command("cmdSp5000")->trigger();
        QVERIFY(!t.Command("cmdRunSlower")->isEnabled());
        QCOMPARE(t.Field("sttFldSpeed"), QString("S:5000"));
    }

    void RightPressOnTheZoomAndSpeedButtonsOpensOnlyTheirMenu()
    {
        TWindow t;
        // Wide enough that no toolbar hides these buttons in its overflow.
        t.w.resize(1200, t.w.height());
        // Speed 0 leaves "Run faster" disabled, size 21 "Bigger cells": their menus open too.
        const struct {
            const char* Button;
            const char* Menu;
            int32_t CellSize;
        } cases[] = {{"btnCellBigger", "popCellSize", 7},  {"btnCellBigger", "popCellSize", 21},
                     {"btnCellSmaller", "popCellSize", 7}, {"btnCellSize", "popCellSize", 7},
                     {"btnRunFaster", "popSpeed", 7},      {"btnRunSlower", "popSpeed", 7},
                     {"btnSpeedSelect", "popSpeed", 7}};
        for (const auto& c : cases) {
            t.w.View().SetCellSize(c.CellSize);
            auto* button = t.w.findChild<QWidget*>(c.Button);
            QVERIFY2(button, c.Button);
            // Every menu that opens is noted and closed, the one a context menu would block in
            // included.
            QStringList opened;
            QTimer closer;
            connect(&closer, &QTimer::timeout, [&opened] {
                if (QWidget* popup = QApplication::activePopupWidget()) {
                    opened << popup->objectName();
                    popup->close();
                }
            });
            closer.start(5);
            // Through the window system, which follows the press with a context-menu event.
            QTest::mousePress(t.w.windowHandle(), Qt::RightButton, {},
                              button->mapTo(&t.w, button->rect().center()));
            QTRY_VERIFY2(!opened.isEmpty(), c.Button);
            QTest::qWait(30);
            QCOMPARE(opened, QStringList{c.Menu});
            QTest::mouseRelease(t.w.windowHandle(), Qt::RightButton, {},
                                button->mapTo(&t.w, button->rect().center()));
        }
    }

    void ChoosingTheEntryInForceKeepsItsCheck()
    {
        TWindow t;
        for (const char* name : {"cmdStates2", "cmdCellSize7", "cmdSp0000", "cmdGameLife",
                                 "cmdShape1", "cmdModeEdit", "cmdDrawState1"}) {
            QVERIFY2(t.Command(name)->isChecked(), name);
            t.Command(name)->trigger();
            QVERIFY2(t.Command(name)->isChecked(), name);
        }
        // A size beyond the popup's entries leaves none of them checked.
        t.w.View().SetCellSize(8);
        QVERIFY(!t.Command("cmdCellSize7")->isChecked());
    }

    void MenusShowTheShortcutsAsWrittenAndTheyAct()
    {
        TWindow t;
        const auto shown = [&t](const char* name) {
            return t.Command(name)->shortcut().toString(QKeySequence::NativeText);
        };
        QCOMPARE(shown("cmdSelRotate270"), QString("Shift+Tab"));
        QCOMPARE(shown("cmdRun"), QString("Enter"));
        QCOMPARE(shown("cmdSelClear"), QString("Del"));
        QCOMPARE(shown("cmdRunOnce"), QString("Space"));

        // The key arrives as Backtab, and still rotates.
        QVERIFY(t.G().Selection.SetRectangle({0, 0, 1, 0}));
        QVERIFY(t.Command("cmdSelRotate270")->isEnabled());
        QSignalSpy rotated(t.Command("cmdSelRotate270"), &QAction::triggered);
        QTest::keyClick(t.board, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(rotated.count(), 1);
    }

    void NewLooksAtTheMiddleAndTheShapeButtonShowsTheShape()
    {
        TWindow t;
        TBoardView& view = t.w.View();
        view.CenterOn(0, 0, true);
        const TPoint middle{view.ViewLeft(), view.ViewTop()};
        view.SetViewOrigin(t.G().Board.MinX(), t.G().Board.MinY());
        t.Command("cmdNew")->trigger();
        QCOMPARE((TPoint{view.ViewLeft(), view.ViewTop()}), middle);

        // Opening with "keep zoom and coordinates" clears the board but keeps the view.
        t.w.Config().Window.OpenAction = 0;
        view.SetViewOrigin(t.G().Board.MinX(), t.G().Board.MinY());
        const TPoint before{view.ViewLeft(), view.ViewTop()};
        QVERIFY(
            t.w.InOut().OpenLifeFile(PLEXA_TEST_DATA_DIR "/rle/glider.rle", true, false, false));
        QCOMPARE((TPoint{view.ViewLeft(), view.ViewTop()}), before);

        // The shape command and its button show the shape in force, each its own picture.
        const auto* button = t.w.findChild<QToolButton*>("btnCellShape");
        const auto image = [](const QIcon& icon) { return icon.pixmap(16).toImage(); };
        for (int step = 1; step <= 4; ++step) {
            t.Command("cmdCellShape")->trigger();
            const int shape = view.CellShape();
            QCOMPARE(shape, step % 4 + 1);
            QCOMPARE(image(button->icon()), image(Picture(ShapePicture(shape))));
            QCOMPARE(image(t.Command("cmdCellShape")->icon()), image(button->icon()));
            QVERIFY(image(Picture(ShapePicture(shape))) !=
                    image(Picture(ShapePicture(shape % 4 + 1))));
        }
    }

    void BoardKeysActOnlyWhileTheWindowIsActive()
    {
        TWindow t;
        const TPoint c = t.Centre();
        for (int dx = -1; dx <= 1; ++dx) t.G().Board.SetCell(c.X + dx, c.Y, 1);

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTest::keyClick(&other, Qt::Key_Space);
        QCOMPARE(t.G().Board.Cycle(), 0);
        other.close();

        t.w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.w));
        QTest::keyClick(t.board, Qt::Key_Space);
        QCOMPARE(t.G().Board.Cycle(), 1);

        // Ctrl+Home pans up and left by half the window, on the key's release.
        t.w.View().CenterOn(0, 0, true);
        const int32_t left = t.w.View().ViewLeft(), top = t.w.View().ViewTop();
        const int32_t cols = t.w.View().ViewCols(), rows = t.w.View().ViewRows();
        QTest::keyClick(t.board, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(t.w.View().ViewLeft(), left - cols / 2);
        QCOMPARE(t.w.View().ViewTop(), top - rows / 2);

        // NumPad plus zooms in; with Ctrl it runs faster.
        const int32_t size = t.w.View().CellSize();
        QTest::keyClick(t.board, Qt::Key_Plus, Qt::KeypadModifier);
        QVERIFY(t.w.View().CellSize() > size);
    }
};

QTEST_MAIN(TestMainCommands)
#include "test_MainCommands.moc"
