// Recording runs from the main window: the command, its dialog, the REC field and the files.

#include "engine/u_Globals.h"
#include "ui/u_Main.h"
#include "ui/u_RecordDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestRecording : public QObject {
    Q_OBJECT

private:
    struct TWindow {
        TWindow()
        {
            w.show();
            dialog = w.findChild<TfrmRecord*>("frmRecord");
            dialog->AskSaveFile = [this] { return Path; };
            // A blinker never settles: only the frame limit or a stop ends its recording.
            for (int x = -1; x <= 1; ++x) w.Globals().Board.SetCell(x, 0, 1);
        }
        QLabel* Rec() const { return w.findChild<QLabel*>("sttFldRec"); }
        QAction* Record() const { return w.Command("cmdRecord"); }
        // Opens the record dialog from the command and answers it.
        void StartRecording(int frames, int cellSize, const char* area)
        {
            QTimer::singleShot(0, dialog, [=, this] {
                QVERIFY(QApplication::activeModalWidget() == dialog);
                dialog->findChild<QRadioButton*>(area)->setChecked(true);
                dialog->findChild<QSpinBox*>("spnCellSize")->setValue(cellSize);
                dialog->findChild<QSpinBox*>("spnFrames")->setValue(frames);
                dialog->findChild<QPushButton*>("cmdRecord")->click();
            });
            Record()->trigger();
        }
        static int Frames(const QString& path)
        {
            QImageReader reader(path, "gif");
            return reader.canRead() ? reader.imageCount() : -1;
        }

        TfrmMain w;
        TfrmRecord* dialog = nullptr;
        QTemporaryDir dir;
        QString Path = dir.filePath("run.gif");
    };

private slots:
    void TheRecordCommandRecordsTheComingRun()
    {
        TWindow t;
        QVERIFY(t.Rec()->isHidden());
        t.StartRecording(300, 4, "rdiAreaLive");
        QVERIFY(t.Record()->isChecked());
        QVERIFY(!t.Rec()->isHidden());
        QCOMPARE(t.Rec()->text(), QString("REC 1"));
        t.w.Command("cmdRunOnce")->trigger();
        t.w.Command("cmdRunOnce")->trigger();
        QCOMPARE(t.Rec()->text(), QString("REC 3"));
        // A continuous run stopped after a while ends the recording with it; slowed down, so
        // that it stays short of the frame limit.
        t.w.Globals().Run.SetInterval(10);
        QTimer::singleShot(200, &t.w, [&t] { t.w.Command("cmdRun")->trigger(); });
        t.w.Command("cmdRun")->trigger();
        QVERIFY(!t.Record()->isChecked());
        QVERIFY(t.Rec()->isHidden());
        const int frames = TWindow::Frames(t.Path);
        QVERIFY2(frames > 3, qPrintable(QString::number(frames)));
        QCOMPARE(frames, 3 + t.w.Globals().Board.Cycle() - 2);
        // The live cells of a blinker, its border and 4 pixels a cell: 5 x 5 cells.
        QCOMPARE(QImageReader(t.Path).size(), QSize(20, 20));
        QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files), QStringList{"run.gif"});
    }

    void TheFrameLimitEndsTheRecordingAndTheCommandEndsItEarlier()
    {
        TWindow t;
        t.StartRecording(4, 1, "rdiAreaAll");
        QTimer::singleShot(300, &t.w, [&t] { t.w.Command("cmdRun")->trigger(); });
        t.w.Command("cmdRun")->trigger();
        QCOMPARE(TWindow::Frames(t.Path), 4);
        QCOMPARE(QImageReader(t.Path).size(), QSize(400, 300));

        // The command again ends the recording in progress.
        t.Path = t.dir.filePath("short.gif");
        t.StartRecording(300, 2, "rdiAreaVisible");
        t.w.Command("cmdRunOnce")->trigger();
        t.Record()->trigger();
        QVERIFY(!t.Record()->isChecked());
        QCOMPARE(TWindow::Frames(t.Path), 2);
    }

    void ARecordingThatCannotBeWrittenSaysWhich()
    {
        TWindow t;
        t.Path = t.dir.filePath("no such folder/run.gif");
        QString shown;
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->done(QMessageBox::Ok);
            }
        });
        answerer.start(10);
        // It says so as it starts.
        t.StartRecording(300, 2, "rdiAreaLive");
        QVERIFY(shown.contains(t.Path));
        QVERIFY(!t.Record()->isChecked());
        QVERIFY(t.Rec()->isHidden());
        QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files), QStringList{});
    }
};

QTEST_MAIN(TestRecording)
#include "test_Recording.moc"
