#include "base/u_Caption.h"
#include "base/u_Host.h"
#include "engine/u_Globals.h"
#include "io/u_InOut.h"
#include "ui/u_AboutDialog.h"
#include "ui/u_DescriptionDialog.h"
#include "ui/u_UndoDialog.h"

#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <string>
#include <vector>

namespace {

using TLines = std::vector<std::string>;

// Remembers what the core asked to refresh.
class TRefreshHost : public TSilentHost {
public:
    void Refresh(unsigned what) override { Refreshed |= what; }
    unsigned Refreshed = 0;
};

// Three undo steps with one, two and three live cells, each with its own file name and cycle.
struct TSetup {
    TRefreshHost Host;
    TGlobals G{Host};

    TSetup()
    {
        G.Board.SetSize(200, 200);
        Snap("/tmp/patterns/one.plx", 0, TUndoEvent::Open);
        Snap("two.plx", 5, TUndoEvent::Edit);
        Snap("C:\\patterns\\three.plx", 9, TUndoEvent::Manual);
        Host.Refreshed = 0;
    }
    void Snap(const char* fileName, int32_t cycle, TUndoEvent e)
    {
        G.Document.FileName = fileName;
        G.Board.SetCycle(cycle);
        G.Board.SetCell(G.Board.LiveCount() + 1, 0, 1);
        if (!G.Undo.AddEvent(e)) qFatal("no snapshot of %s", fileName);
    }
};

template <class T>
T* Child(const QWidget& dialog, const char* name)
{
    auto* child = dialog.findChild<T*>(name);
    if (!child) qFatal("no control %s", name);
    return child;
}

// Runs `execute`; `act` works the visible dialog and closes it.
bool Execute(QDialog& dialog, const std::function<bool()>& execute, std::function<void()> act)
{
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        QVERIFY(dialog.isVisible());
        act();
        // A failed check above must not leave the dialog open.
        if (dialog.isVisible()) dialog.reject();
    });
    return execute();
}

template <class TDialog>
bool Execute(TDialog& dialog, TGlobals& g, std::function<void()> act)
{
    return Execute(
        dialog, [&] { return dialog.Execute(g); }, std::move(act));
}

QStringList Row(QTreeWidget* list, int row)
{
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column)
        texts << list->topLevelItem(row)->text(column);
    return texts;
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void UndoListShowsEveryStepAndSelectsTheCurrentOne()
    {
        TSetup s;
        TfrmUndo dialog(nullptr);
        QVERIFY(!Execute(dialog, s.G, [&] {
            QCOMPARE(dialog.windowTitle(), QString("Undo - select the cycle"));
            auto* lvUndo = Child<QTreeWidget>(dialog, "lvUndo");
            QCOMPARE(lvUndo->topLevelItemCount(), 3);
            QCOMPARE(Row(lvUndo, 0), QStringList({"", "one.plx", "0", "1", "0"}));
            QCOMPARE(Row(lvUndo, 1), QStringList({"", "two.plx", "5", "2", "1"}));
            QCOMPARE(Row(lvUndo, 2), QStringList({"", "three.plx", "9", "3", "2*"}));
            QVERIFY(!lvUndo->topLevelItem(1)->icon(0).isNull());
            QCOMPARE(lvUndo->selectedItems(), {lvUndo->topLevelItem(2)});
            QCOMPARE(Child<QLabel>(dialog, "lblIndex")->text(), QString("i:2, c:3"));
            auto* cmdGoTo = Child<QPushButton>(dialog, "cmdGoTo");
            QVERIFY(cmdGoTo->isEnabled());
            lvUndo->clearSelection();
            QVERIFY(!cmdGoTo->isEnabled());
            Child<QPushButton>(dialog, "cmdCancel")->click();
        }));
        QCOMPARE(s.G.Undo.Count(), 3);
        QCOMPARE(s.G.Board.LiveCount(), 3);

        // Two undos: the board is snapped once, then step 1 comes back.
        s.G.Undo.Undo();
        s.G.Undo.Undo();
        QVERIFY(!Execute(dialog, s.G, [&] {
            auto* lvUndo = Child<QTreeWidget>(dialog, "lvUndo");
            QCOMPARE(Row(lvUndo, 1).last(), QString("1*"));
            QCOMPARE(Row(lvUndo, 2).last(), QString("2"));
            QCOMPARE(lvUndo->selectedItems(), {lvUndo->topLevelItem(1)});
            QCOMPARE(Child<QLabel>(dialog, "lblIndex")->text(), QString("i:1, c:4"));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        }));
        QCOMPARE(s.G.Undo.CurrentIndex(), 1);
        QCOMPARE(s.G.Undo.Count(), 4);
    }

    void UndoGoToStopsTheRunAndRestoresTheChosenStep()
    {
        TSetup s;
        s.G.Run.Start();
        TfrmUndo dialog(nullptr);
        QVERIFY(Execute(dialog, s.G, [&] {
            auto* lvUndo = Child<QTreeWidget>(dialog, "lvUndo");
            lvUndo->setCurrentItem(lvUndo->topLevelItem(0));
            Child<QPushButton>(dialog, "cmdGoTo")->click();
        }));
        QVERIFY(!s.G.Run.IsRunning());
        QCOMPARE(s.G.Board.LiveCount(), 1);
        QCOMPARE(s.G.Board.Cycle(), 0);
        QCOMPARE(s.G.Document.FileName, std::string("/tmp/patterns/one.plx"));
        // Exactly the chosen step; the board as it was is kept behind the others, for Redo.
        QCOMPARE(s.G.Undo.CurrentIndex(), 0);
        QCOMPARE(s.G.Undo.Count(), 4);
        QCOMPARE(s.G.Undo.Step(3).Event, TUndoEvent::Undo);
        QCOMPARE(s.G.Undo.Step(3).Cells, 3);

        // A double click goes to its row too.
        QVERIFY(Execute(dialog, s.G, [&] {
            auto* lvUndo = Child<QTreeWidget>(dialog, "lvUndo");
            const QPoint row = lvUndo->visualItemRect(lvUndo->topLevelItem(1)).center();
            QTest::mouseClick(lvUndo->viewport(), Qt::LeftButton, {}, row);
            QTest::mouseDClick(lvUndo->viewport(), Qt::LeftButton, {}, row);
        }));
        QCOMPARE(s.G.Undo.CurrentIndex(), 1);
        QCOMPARE(s.G.Board.LiveCount(), 2);
        QCOMPARE(s.G.Board.Cycle(), 5);
    }

    void DescriptionOkStoresTheLinesAndMarksThePattern()
    {
        TSetup s;
        s.G.Document.Description = {"first", "", "th\xe9rd"}; // not UTF-8
        TfrmDescription dialog(nullptr);
        QVERIFY(Execute(dialog, s.G, [&] {
            QCOMPARE(dialog.windowTitle(), QString("Pattern description"));
            QVERIFY(
                Child<QPlainTextEdit>(dialog, "Memo1")->toPlainText().startsWith("first\n\nth"));
            QCOMPARE(Child<QLabel>(dialog, "fldFile")->text(),
                     QString("File: C:\\patterns\\three.plx"));
            Child<QPushButton>(dialog, "cmdOk")->click();
        }));
        // Unchanged text keeps its bytes; the pattern counts as changed all the same.
        QCOMPARE(s.G.Document.Description, (TLines{"first", "", "th\xe9rd"}));
        QVERIFY(s.G.Board.IsModified());
        QCOMPARE(s.Host.Refreshed & (rfCaption | rfMenus), unsigned(rfCaption | rfMenus));

        QVERIFY(Execute(dialog, s.G, [&] {
            auto* memo = Child<QPlainTextEdit>(dialog, "Memo1");
            memo->selectAll();
            QTest::keyClicks(memo, "a");
            QTest::keyClick(memo, Qt::Key_Return); // a new line, not Ok
            QTest::keyClick(memo, Qt::Key_Return);
            QTest::keyClicks(memo, "b");
            Child<QPushButton>(dialog, "cmdOk")->click();
        }));
        QCOMPARE(s.G.Document.Description, (TLines{"a", "", "b"}));

        QVERIFY(Execute(dialog, s.G, [&] {
            Child<QPlainTextEdit>(dialog, "Memo1")->clear();
            Child<QPushButton>(dialog, "cmdOk")->click();
        }));
        QVERIFY(s.G.Document.Description.empty());
    }

    // A text ending in a line break gains no empty last line, so saving and reopening never
    // grows the description.
    void DescriptionSurvivesASaveAndReopenUnchanged()
    {
        TSetup s;
        TInOut io(s.G);
        QTemporaryDir folder;
        std::string file = folder.path().toStdString() + "/noted.rle";
        TfrmDescription dialog(nullptr);
        for (int round = 0; round < 2; ++round) {
            QVERIFY(Execute(dialog, s.G, [&] {
                auto* memo = Child<QPlainTextEdit>(dialog, "Memo1");
                if (round == 1) QCOMPARE(memo->toPlainText(), QString("first\n\nthird"));
                memo->setPlainText("first\n\nthird\n"); // typed with Enter at the end
                Child<QPushButton>(dialog, "cmdOk")->click();
            }));
            QCOMPARE(s.G.Document.Description, (TLines{"first", "", "third"}));
            QVERIFY(io.SaveFile(file, TSaveFormat::Rle));
            s.G.Document.Description.clear();
            QVERIFY(io.OpenLifeFile(file, true, false, false));
            QCOMPARE(s.G.Document.Description, (TLines{"first", "", "third"}));
        }
    }

    void DescriptionCancelChangesNothing()
    {
        TSetup s;
        s.G.Board.SetModified(false);
        s.G.Document.Description = {"kept"};
        TfrmDescription dialog(nullptr);
        for (bool escape : {false, true}) {
            QVERIFY(!Execute(dialog, s.G, [&] {
                auto* memo = Child<QPlainTextEdit>(dialog, "Memo1");
                QTest::keyClicks(memo, "typed");
                if (escape)
                    QTest::keyClick(memo, Qt::Key_Escape);
                else
                    Child<QPushButton>(dialog, "cmdCancel")->click();
            }));
            QCOMPARE(s.G.Document.Description, TLines{"kept"});
            QVERIFY(!s.G.Board.IsModified());
            QCOMPARE(s.Host.Refreshed, 0u);
        }
    }

    void DescriptionButtonsStayCentred()
    {
        TSetup s;
        TfrmDescription dialog(nullptr);
        Execute(dialog, s.G, [&] {
            dialog.resize(900, 500);
            dialog.layout()->activate();
            const QRect ok = Child<QPushButton>(dialog, "cmdOk")->geometry();
            const QRect help = Child<QPushButton>(dialog, "cmdHelp")->geometry();
            const QRect cancel = Child<QPushButton>(dialog, "cmdCancel")->geometry();
            QVERIFY(qAbs(help.center().x() - dialog.width() / 2) <= 1);
            QCOMPARE(help.left() - ok.right() - 1, 10);
            QCOMPARE(cancel.left() - help.right() - 1, 10);
            QVERIFY(Child<QPlainTextEdit>(dialog, "Memo1")->width() > 800);
        });
    }

    void HelpButtonsAskForTheirTopics()
    {
        TSetup s;
        TLines topics;
        const auto ask = [&](auto& dialog) {
            const auto cmdHelp = [&] { return Child<QPushButton>(dialog, "cmdHelp"); };
            Execute(dialog, s.G, [&] { QVERIFY(!cmdHelp()->isEnabled()); });
            dialog.OnHelp = [&](const char* topic) { topics.emplace_back(topic); };
            Execute(dialog, s.G, [&] {
                cmdHelp()->click();
                QVERIFY(dialog.isVisible());
            });
        };
        TfrmUndo undo(nullptr);
        ask(undo);
        TfrmDescription description(nullptr);
        ask(description);
        QCOMPARE(topics, (TLines{"ID_UI_UNDO", "ID_PTT_EXPLORING"}));
    }

    void AboutShowsNameVersionAndBetaMark()
    {
        for (bool beta : {false, true}) {
            TfrmAbout about(nullptr, beta);
            QCOMPARE(about.windowTitle(), QString("Velko's Gridfest"));
            QCOMPARE(Child<QLabel>(about, "lblName")->text(), QString("Velko's Gridfest"));
            QCOMPARE(Child<QLabel>(about, "lblVersion")->text(), QString("v.") + ProgramVersion());
            const auto* lblBeta = about.findChild<QLabel*>("lblBeta");
            QCOMPARE(lblBeta ? lblBeta->text() : QString(), beta ? "*Beta*" : QString());
            QVERIFY(!Child<QLabel>(about, "imgIcon")->pixmap().isNull());
            QVERIFY(Execute(
                about, [&] { return about.exec() == QDialog::Accepted; },
                [&] { Child<QPushButton>(about, "cmdOk")->click(); }));
        }
        const QImage icon = ProgramIcon().pixmap(32).toImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(icon.pixelColor(16, 16).alpha() == 255 && icon.pixelColor(0, 0).alpha() < 255);
    }
};

QTEST_MAIN(TestDialogs)
#include "test_Dialogs.moc"
