#include "base/u_Text.h"
#include "edit/u_Undo.h"
#include "engine/u_Run.h"
#include "ui/u_Cursors.h"
#include "ui/u_Pictures.h"
#include "ui/u_RunDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <string>
#include <vector>

class TestRunDialog : public QObject {
    Q_OBJECT

private:
    template <class T>
    static T* Child(const TfrmRun& dialog, const char* name)
    {
        auto* child = dialog.findChild<T*>(name);
        if (!child) qFatal("no control %s", name);
        return child;
    }

    // Runs the dialog on `request`; `act` works the visible dialog and closes it.
    static bool Execute(TfrmRun& dialog, TRunN& request, std::function<void()> act,
                        int32_t boardHeight = 300)
    {
        QTimer::singleShot(0, &dialog, [&dialog, act] {
            QVERIFY(dialog.isVisible());
            act();
            // A failed check above must not leave the dialog open.
            if (dialog.isVisible()) dialog.reject();
        });
        return dialog.Execute(request, boardHeight);
    }

private slots:
    void ShowsTheStoredRequest()
    {
        TfrmRun dialog(nullptr);
        TRunN request{TRunN::rmUpTo, 7, 1234, 9};
        const bool ran = Execute(dialog, request, [&] {
            QVERIFY(Child<QRadioButton>(dialog, "rdiMdeTo")->isChecked());
            QCOMPARE(Child<QLineEdit>(dialog, "fldRunFor")->text(), QString("7"));
            QCOMPARE(Child<QLineEdit>(dialog, "fldRunUpTo")->text(), QString("1234"));
            QCOMPARE(Child<QLineEdit>(dialog, "fldRedraw")->text(), QString("9"));
            QCOMPARE(dialog.windowTitle(), QString("Run n cycles"));
            QVERIFY(!Child<QPushButton>(dialog, "cmdHelp")->isEnabled());
            Child<QPushButton>(dialog, "cmdCancel")->click();
        });
        QVERIFY(!ran);

        // A mode the dialog does not know shows as the first one.
        request.RunMode = 7;
        Execute(dialog, request, [&] {
            QVERIFY(Child<QRadioButton>(dialog, "rdiMdeFor")->isChecked());
            dialog.reject();
        });
        QCOMPARE(request.RunMode, 7);
    }

    void StopWhenPeriodicIsShownAndStored()
    {
        TfrmRun dialog(nullptr);
        TRunN request;
        request.StopPeriodic = true;
        QVERIFY(Execute(dialog, request, [&] {
            auto* chk = Child<QCheckBox>(dialog, "chkStopPeriodic");
            QCOMPARE(chk->text(), QString("Stop when periodic"));
            QVERIFY(chk->isChecked());
            chk->setChecked(false);
            Child<QPushButton>(dialog, "cmdRun")->click();
        }));
        QVERIFY(!request.StopPeriodic);
    }

    void TypingInAFieldSelectsItsMode()
    {
        TfrmRun dialog(nullptr);
        TRunN request{TRunN::rmContinuously, 20, 1000, 50};
        Execute(dialog, request, [&] {
            auto* rdiMdeFor = Child<QRadioButton>(dialog, "rdiMdeFor");
            auto* rdiMdeTo = Child<QRadioButton>(dialog, "rdiMdeTo");
            QTest::keyClicks(Child<QLineEdit>(dialog, "fldRunUpTo"), "5");
            QVERIFY(rdiMdeTo->isChecked());
            QTest::keyClicks(Child<QLineEdit>(dialog, "fldRunFor"), "5");
            QVERIFY(rdiMdeFor->isChecked());
            // Redraw is no mode of its own.
            QTest::keyClicks(Child<QLineEdit>(dialog, "fldRedraw"), "5");
            QVERIFY(rdiMdeFor->isChecked());
            dialog.reject();
        });
    }

    void RedrawButtonsFillTheField()
    {
        TfrmRun dialog(nullptr);
        TRunN request;
        Execute(
            dialog, request,
            [&] {
                auto* fldRedraw = Child<QLineEdit>(dialog, "fldRedraw");
                for (const char* step : {"1", "10", "20", "50", "100", "200", "500", "1000"}) {
                    Child<QPushButton>(dialog, (std::string("cmdRedr") + step).c_str())->click();
                    QCOMPARE(fldRedraw->text(), QString(step));
                }
                auto* height = Child<QPushButton>(dialog, "cmdRedrBHeight");
                QCOMPARE(height->toolTip(), QString("Especially useful in 1-D CA"));
                height->click();
                QCOMPARE(fldRedraw->text(), QString("480"));
                dialog.reject();
            },
            480);
    }

    void RunStoresLenientNumbers()
    {
        TfrmRun dialog(nullptr);
        TRunN request{TRunN::rmContinuously, 20, 1000, 50};
        const bool ran = Execute(dialog, request, [&] {
            auto* fldRunFor = Child<QLineEdit>(dialog, "fldRunFor");
            fldRunFor->clear();
            QTest::keyClicks(fldRunFor, "12abc");
            Child<QLineEdit>(dialog, "fldRunUpTo")->clear();
            Child<QLineEdit>(dialog, "fldRedraw")->setText(" 25 ");
            Child<QPushButton>(dialog, "cmdRun")->click();
        });
        QVERIFY(ran);
        QCOMPARE(request.RunMode, TRunN::rmFor);
        QCOMPARE(request.ForCycles, SafeInt("12abc"));
        QCOMPARE(request.UpToCycle, 0);
        QCOMPARE(request.RedrawEvery, 25);
    }

    void EnterRunsAndEscCancels()
    {
        TfrmRun dialog(nullptr);
        TRunN request{TRunN::rmFor, 20, 1000, 50};
        QVERIFY(Execute(dialog, request, [&] {
            QTest::keyClicks(Child<QLineEdit>(dialog, "fldRunUpTo"), "777");
            QTest::keyClick(Child<QLineEdit>(dialog, "fldRunUpTo"), Qt::Key_Return);
        }));
        QCOMPARE(request.RunMode, TRunN::rmUpTo);

        const TRunN before = request;
        QVERIFY(!Execute(dialog, request, [&] {
            QTest::keyClicks(Child<QLineEdit>(dialog, "fldRunFor"), "99");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        }));
        QCOMPARE(request.RunMode, before.RunMode);
        QCOMPARE(request.ForCycles, before.ForCycles);
        QCOMPARE(request.UpToCycle, before.UpToCycle);
        QCOMPARE(request.RedrawEvery, before.RedrawEvery);
    }

    void HelpAsksForItsTopic()
    {
        TfrmRun dialog(nullptr);
        std::vector<std::string> topics;
        dialog.OnHelp = [&](const char* topic) { topics.emplace_back(topic); };
        TRunN request;
        Execute(dialog, request, [&] {
            auto* cmdHelp = Child<QPushButton>(dialog, "cmdHelp");
            QVERIFY(cmdHelp->isEnabled());
            cmdHelp->click();
            QVERIFY(dialog.isVisible());
            dialog.reject();
        });
        QCOMPARE(topics, std::vector<std::string>{"ID_RUN_N"});
    }

    void EveryPictureAndCursorIsDrawn()
    {
        for (int i = 0; i < kPictureCount; ++i) {
            const QImage image = Picture(static_cast<TPicture>(i)).pixmap(16).toImage();
            int inked = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) inked += qAlpha(image.pixel(x, y)) > 0;
            QVERIFY2(inked >= 12, qPrintable(QString("picture %1 is nearly empty").arg(i)));
        }
        for (const auto& event : kUndoEvents) QVERIFY2(PictureByName(event.Icon), event.Icon);
        QVERIFY(!PictureByName("BMP_NONE"));

        for (const char* set : {"CRS_C_", "CRS_M_"})
            for (const char* mode : {"EDIT", "MARK", "ZOOM", "PANU", "PAND", "CPIK"}) {
                const QCursor cursor = BoardCursor(std::string(set) + mode);
                QCOMPARE(cursor.shape(), Qt::BitmapCursor);
                QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
            }
        // The running set looks different from the stopped one.
        QVERIFY(BoardCursor("CRS_C_EDIT").pixmap().toImage() !=
                BoardCursor("CRS_M_EDIT").pixmap().toImage());
        QCOMPARE(BoardCursor("CRS_X_EDIT").shape(), Qt::ArrowCursor);
        QCOMPARE(BoardCursor("CRS_C_").shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestRunDialog)
#include "test_RunDialog.moc"
