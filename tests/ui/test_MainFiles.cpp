// The main window's files and settings: the open, insert and save commands through their
// dialogs, the recent files, the file manager's list, the clipboard, and the settings written
// at the end and read at the next start.

#include "engine/u_Config.h"
#include "engine/u_Globals.h"
#include "io/u_InOut.h"
#include "ui/u_FileManager.h"
#include "ui/u_FileTypes.h"
#include "ui/u_Main.h"
#include "ui/u_QtConfigStore.h"
#include "ui/u_QtHost.h"
#include "view/u_BoardMouse.h"
#include "view/u_BoardView.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>

class TestMainFiles : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FDir;

    QString Data(const char* name) const { return QString(PLEXA_TEST_DATA_DIR) + "/" + name; }
    QString Temp(const QString& name) const { return FDir.filePath(name); }

    static QString FirstLine(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readLine()).trimmed();
    }

    // Answers the message boxes that show while it lives, counting them and keeping the text
    // of the last.
    struct TMessageAnswerer {
        TMessageAnswerer()
        {
            QObject::connect(&Timer, &QTimer::timeout, [this] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    ++Shown;
                    Text = box->text();
                    box->done(QMessageBox::Ok);
                }
            });
            Timer.start(10);
        }
        QTimer Timer;
        int Shown = 0;
        QString Text;
    };

    // A window started as the program starts it, with its settings in `settingsFile`.
    static std::unique_ptr<TfrmMain> Started(const QString& settingsFile)
    {
        auto w = std::make_unique<TfrmMain>();
        w->Start(std::string(PLEXA_TEST_DATA_DIR) + "/",
                 std::make_unique<TQtConfigStore>(settingsFile), QString());
        return w;
    }

private slots:
    void initTestCase() { QVERIFY(FDir.isValid()); }

    void OpenInsertAndRecentFiles()
    {
        TfrmMain w;
        TGlobals& g = w.Globals();
        w.AskOpenFile = [&](const QString&) { return Data("rle/glider.rle"); };
        w.Command("cmdFileOpen")->trigger();
        QCOMPARE(g.Board.LiveCount(), 5);
        QVERIFY(w.windowTitle().endsWith(" -  glider.rle"));
        QCOMPARE(g.Document.Recent.Names().front(), Data("rle/glider.rle").toStdString());
        // The recent file stands in the File menu above Exit.
        const QList<QAction*> items = w.findChild<QMenu*>("mnuFile")->actions();
        const qsizetype exit = items.indexOf(w.Command("cmdExit"));
        QVERIFY(exit >= 2);
        QCOMPARE(items[exit - 2]->text(), Data("rle/glider.rle"));

        // Insert puts the pattern into the selection and switches to marking.
        w.AskOpenFile = [&](const QString&) { return Data("life105/glider.lif"); };
        w.Command("cmdFileInsert")->trigger();
        QVERIFY(g.Selection.Active());
        QCOMPARE(int(w.Mouse().CursorMode()), int(cmMark));
        QCOMPARE(g.Document.FileName, Data("rle/glider.rle").toStdString());

        // A recent file that has gone is reported and changes nothing.
        QFile::copy(Data("rle/gun.rle"), Temp("gone.rle"));
        QVERIFY(w.InOut().OpenLifeFile(Temp("gone.rle").toStdString(), true, false, false));
        QFile::remove(Temp("gone.rle"));
        g.Board.SetCell(0, 0, 1);
        const int32_t live = g.Board.LiveCount();
        TMessageAnswerer answers;
        for (QAction* item : w.findChild<QMenu*>("mnuFile")->actions())
            if (item->text() == Temp("gone.rle")) item->trigger();
        QCOMPARE(answers.Shown, 2); // not found, then not loaded
        QVERIFY(answers.Text.contains("could not be loaded"));
        QCOMPARE(g.Board.LiveCount(), live);
        QCOMPARE(g.Document.FileName, Temp("gone.rle").toStdString());
    }

    void SaveAsWritesEachFormatOfTheDialog()
    {
        TfrmMain w;
        TGlobals& g = w.Globals();
        for (int x = 0; x < 3; ++x) g.Board.SetCell(x, 0, 1);
        const struct {
            int Entry;
            const char* Name;
            const char* Header;
        } cases[] = {{0, "optimal.lif", "#Life 1.05"},
                     {1, "rle.lif", "x = 3"},
                     {2, "life105.lif", "#Life 1.05"},
                     {3, "native", "#Plexa 2.0"},
                     {4, "life106.lif", "#Life 1.06"}};
        for (const auto& c : cases) {
            w.AskSaveFile = [&](const QString&, int* entry) {
                *entry = c.Entry;
                return Temp(c.Name);
            };
            g.Board.SetModified(true);
            w.Command("cmdSaveAs")->trigger();
            const QString written = c.Entry == 3 ? Temp("native.plx") : Temp(c.Name);
            QVERIFY2(FirstLine(written).startsWith(c.Header), c.Name);
            QCOMPARE(g.Document.FileName, written.toStdString());
            QVERIFY(!g.Board.IsModified());
        }
        // Save keeps the name and the optimal format.
        g.Board.SetCell(5, 5, 1);
        w.Command("cmdSave")->trigger();
        QVERIFY(!g.Board.IsModified());

        // A place that cannot be written: the error shows and the pattern stays modified.
        g.Board.SetCell(6, 6, 1);
        w.AskSaveFile = [](const QString&, int* entry) {
            *entry = 0;
            return QString("/nonexistent-folder/x.lif");
        };
        TMessageAnswerer answers;
        w.Command("cmdSaveAs")->trigger();
        QCOMPARE(answers.Shown, 1);
        QVERIFY(g.Board.IsModified());
    }

    void FileManagerListOpensNextAndPrevious()
    {
        QTemporaryDir dir;
        for (const char* name : {"a.rle", "b.rle", "c.rle"})
            QVERIFY(QFile::copy(Data("rle/glider.rle"), dir.filePath(name)));
        TfrmMain w;
        QVERIFY(w.InOut().OpenLifeFile(dir.filePath("a.rle").toStdString(), true, false, false));
        auto* manager = w.findChild<TFileManager*>();
        QCOMPARE(manager->SelectedFile(), dir.filePath("a.rle"));
        w.Command("cmdFileOpenNext")->trigger();
        QCOMPARE(w.Globals().Document.FileName, dir.filePath("b.rle").toStdString());
        w.Command("cmdFileOpenPrev")->trigger();
        w.Command("cmdFileOpenPrev")->trigger(); // the first entry: nothing before it
        QCOMPARE(w.Globals().Document.FileName, dir.filePath("a.rle").toStdString());
    }

    void CopyAndPasteGoThroughTheClipboard()
    {
        TfrmMain w;
        TGlobals& g = w.Globals();
        for (int x = 0; x < 3; ++x) g.Board.SetCell(x, 0, 1);
        w.Command("cmdSelectAll")->trigger();
        w.Command("cmdClipbrdCopy")->trigger();
        QVERIFY(w.Host().ClipboardText().starts_with("#Life 1.05"));
        w.Command("cmdClipbrdCut")->trigger();
        QCOMPARE(g.Board.LiveCount(), 0);
        QVERIFY(!g.Selection.Active());
        w.Command("cmdClipbrdPaste")->trigger();
        QVERIFY(g.Selection.Active());
        QCOMPARE(int(w.Mouse().CursorMode()), int(cmMark));
        w.Command("cmdModeEdit")->trigger(); // drops the pasted cells
        QCOMPARE(g.Board.LiveCount(), 3);
    }

    void FreshAndGarbageSettingsStartWithTheDefaults()
    {
        QFile garbage(Temp("garbage.ini"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("[Board]\nSizeX=abc\nSizeY=\x01\x02\n[Cells]\nCellSize=22\nCellShape=0\n"
                      "[Colors]\nMaxColors=zz\n[Settings]\nInitialCursorMode=7\n"
                      "NumRecentFiles=31\n[Layout]\nFormWidth=-\n");
        garbage.close();
        for (const QString& file : {Temp("fresh.ini"), Temp("garbage.ini")}) {
            auto w = Started(file);
            TGlobals& g = w->Globals();
            QCOMPARE(g.Board.Width(), 400);
            QCOMPARE(g.Board.Height(), 300);
            QCOMPARE(w->View().CellSize(), 7);
            QCOMPARE(w->View().CellShape(), 1);
            QCOMPARE(g.Board.StatesCount(), 3);
            QCOMPARE(int(w->Mouse().CursorMode()), int(cmEdit));
            QCOMPARE(w->width(), 640);
        }
        QCOMPARE(Started(Temp("garbage.ini"))->Globals().Document.Recent.Limit(), 15);
    }

    void SamplePatternsShowAtTheFirstStartAndOneCommandAway()
    {
        QTemporaryDir program;
        QVERIFY(QDir(program.path()).mkpath("Patterns/Life"));
        const QString patterns = QDir::cleanPath(program.filePath("Patterns"));
        const QString settings = Temp("samples.ini");
        const auto start = [&] {
            auto w = std::make_unique<TfrmMain>();
            w->Start(program.path().toStdString() + "/", std::make_unique<TQtConfigStore>(settings),
                     QString());
            return w;
        };
        {
            auto w = start();
            QCOMPARE(w->findChild<TFileManager*>("pnlFileManager")->Folder(), patterns);
            QString asked;
            w->AskOpenFile = [&](const QString& folder) {
                asked = folder;
                return Data("rle/glider.rle");
            };
            w->Command("cmdFileOpenSample")->trigger();
            QCOMPARE(asked, patterns);
            QCOMPARE(w->Globals().Board.LiveCount(), 5);
            const QList<QAction*> items = w->findChild<QMenu*>("mnuFile")->actions();
            QCOMPARE(items.indexOf(w->Command("cmdFileOpenSample")),
                     items.indexOf(w->Command("cmdFileOpen")) + 1);
            w->Config().Window.ReloadLast = false;
        }
        // Once a file was opened, a start shows its folder.
        const QString dataFolder =
            QDir::cleanPath(QFileInfo(Data("rle/glider.rle")).absolutePath());
        QCOMPARE(start()->findChild<TFileManager*>("pnlFileManager")->Folder(), dataFolder);
    }

    void NativeFilesAreRegisteredForTheUser()
    {
        QTemporaryDir data;
        RegisterFileTypes("/opt/plexa/plexa", data.path(), {".PLX"});
        QFile mime(data.filePath("mime/packages/plexa.xml"));
        QVERIFY(mime.open(QIODevice::ReadOnly));
        const QByteArray type = mime.readAll();
        QVERIFY(type.contains("<comment>Plexa.Document</comment>"));
        QVERIFY(type.contains("*.plx"));
        QFile entry(data.filePath("applications/plexa.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains("Exec=\"/opt/plexa/plexa\" %f"));
        // A second start finds everything in place and writes nothing.
        const QDateTime written = QFileInfo(mime).lastModified();
        QTest::qWait(20);
        RegisterFileTypes("/opt/plexa/plexa", data.path(), {".PLX"});
        QCOMPARE(QFileInfo(mime).lastModified(), written);
    }

    void SettingsWrittenAtTheEndAreReadBackTheSame()
    {
        const QString file = Temp("roundtrip.ini");
        {
            auto w = Started(file);
            TGlobals& g = w->Globals();
            QVERIFY(
                w->InOut().OpenLifeFile(Data("rle/glider.rle").toStdString(), true, false, false));
            g.Board.SetWrap(true);
            g.Board.SetStatesCount(5);
            g.Run.SetInterval(75);
            g.Run.Request.ForCycles = 33;
            w->View().SetCellSize(3);
            w->Command("cmdViewSttBar")->trigger(); // hides the status bar
            w->Config().Window.ReloadLast = false;
        }
        auto w = Started(file);
        TGlobals& g = w->Globals();
        QVERIFY(g.Board.Wrap());
        QCOMPARE(g.Board.StatesCount(), 5);
        QCOMPARE(g.Run.Interval(), 75);
        QCOMPARE(g.Run.Request.ForCycles, 33);
        QCOMPARE(w->View().CellSize(), 3);
        QVERIFY(!w->Command("cmdViewSttBar")->isChecked());
        QCOMPARE(g.Document.Recent.Names().front(), Data("rle/glider.rle").toStdString());
        QCOMPARE(g.Board.LiveCount(), 0); // not reloaded
        QCOMPARE(w->Config().Window.LastFile, Data("rle/glider.rle").toStdString());
    }

    void ALongOpenAtTheStartShowsItsProgressInTheShownWindow()
    {
        // Big enough for a progress: a 6000 x 1000 RLE of vertical stripes, about 6 MB.
        const QString path = Temp("stripes.rle");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray row = QByteArray("bo").repeated(3000) + "$\n";
            file.write("x = 6000, y = 1000, rule = B3/S23\n");
            for (int y = 0; y < 1000; ++y) file.write(row);
            file.write("!\n");
        }
        TfrmMain w;
        QStringList progress;
        bool alwaysShown = true;
        connect(w.statusBar(), &QStatusBar::messageChanged, &w, [&](const QString& text) {
            if (text.isEmpty()) return;
            progress << text;
            alwaysShown = alwaysShown && w.isVisible() && w.windowHandle()->isExposed();
        });
        TMessageAnswerer answerer;
        w.StartShown(std::string(PLEXA_TEST_DATA_DIR) + "/", nullptr, path);
        QCOMPARE(answerer.Text, QString());
        QCOMPARE(w.Globals().Board.LiveCount(), 6000 / 2 * 1000);
        QVERIFY2(progress.size() >= 2, qPrintable(progress.join(",")));
        QVERIFY(alwaysShown);
        QCOMPARE(progress.back(), QString("100%"));
        QVERIFY(w.statusBar()->currentMessage().isEmpty());
    }

    void TheLastFileSurvivesAStartAndAnExit()
    {
        const std::string glider = Data("rle/glider.rle").toStdString();
        for (const bool reload : {false, true}) {
            const QString file = Temp(reload ? "last-reloaded.ini" : "last-kept.ini");
            {
                TQtConfigStore store(file);
                store.WriteText("Settings", "LastFile", glider);
                store.WriteText("Settings", "ReloadLast", reload ? "1" : "0");
            }
            {
                auto w = Started(file);
                QCOMPARE(w->Globals().Document.FileName, glider);
                QVERIFY(w->windowTitle().endsWith("glider.rle"));
                QCOMPARE(w->Globals().Board.LiveCount(), reload ? 5 : 0);
            }
            QCOMPARE(TQtConfigStore(file).ReadText("Settings", "LastFile", ""), glider);
        }
    }

    void RedrawReadsTheFileListAgainAndKeepsItsSelection()
    {
        QVERIFY(QDir().mkpath(Temp("redraw")));
        const QString kept = Temp("redraw/kept.rle"), gone = Temp("redraw/gone.rle");
        for (const QString& path : {kept, gone}) QVERIFY(QFile::copy(Data("rle/glider.rle"), path));
        TfrmMain w;
        w.AskOpenFile = [&](const QString&) { return kept; };
        w.Command("cmdFileOpen")->trigger();
        auto* files = w.findChild<QListWidget*>("lisFiles");
        const auto names = [files] {
            QStringList shown;
            for (int row = 0; row < files->count(); ++row) shown << files->item(row)->text();
            return shown;
        };
        QCOMPARE(names(), (QStringList{"gone.rle", "kept.rle"}));
        QVERIFY(QFile::remove(gone));
        QVERIFY(QFile::copy(Data("rle/glider.rle"), Temp("redraw/new.rle")));
        w.Command("cmdRedraw")->trigger();
        QCOMPARE(names(), (QStringList{"kept.rle", "new.rle"}));
        QCOMPARE(files->selectedItems().size(), 1);
        QCOMPARE(files->selectedItems().first()->text(), QString("kept.rle"));
    }
};

QTEST_MAIN(TestMainFiles)
#include "test_MainFiles.moc"
