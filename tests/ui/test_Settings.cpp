#include "engine/u_Config.h"
#include "engine/u_Globals.h"
#include "io/u_InOut.h"
#include "tests/core/TestHost.h"
#include "ui/u_RulesPage.h"
#include "ui/u_SettingsControls.h"
#include "ui/u_SettingsDialog.h"
#include "view/u_BoardMouse.h"
#include "view/u_BoardView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

// The dialog over a program of its own, with a temporary program folder.
struct TRig {
    TRig()
    {
        G.ProgramFolder = Folder.path().toStdString() + "/";
        Config.ApplyTo({G, Save, Random});
        QDir(Folder.path()).mkpath("System");
        QFile palette(Folder.path() + "/System/Dark.pxp");
        palette.open(QIODevice::WriteOnly);
        palette.write("#BACKGRND 0\r\n");
        palette.close();
        Dialog = std::make_unique<TfrmSettings>(
            TSettingsTargets{G, Config, View, Mouse, Save, Sound,
                             [this](uint8_t mode) { Mouse.SetCursorMode(mode); }},
            nullptr);
        Dialog->AskColor = [](uint32_t color) { return color; };
    }

    template <class T>
    T* Child(const char* name) const
    {
        auto* child = Dialog->findChild<T*>(name);
        if (!child) qFatal("no control %s", name);
        return child;
    }
    void Click(const char* name) const { Child<QAbstractButton>(name)->click(); }
    void SetGame(int game) const { Child<QComboBox>("cmbGame")->setCurrentIndex(game - 1); }

    TTestHost Host;
    TGlobals G{Host};
    TBoardView View{G};
    TBoardMouse Mouse{G, View};
    TConfiguration Config = TConfiguration::Defaults(32);
    TSaveOptions Save;
    TRandomSettings Random;
    bool Sound = true;
    QTemporaryDir Folder;
    std::unique_ptr<TfrmSettings> Dialog;
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void OpensOnEveryPageAndCancelChangesNothing()
    {
        TRig r;
        QVERIFY(r.Host.Messages.empty()); // the palette list was found
        auto* pages = r.Child<QTabWidget>("pgcSettings");
        for (int page = 0; page < TfrmSettings::kPageCount; ++page) {
            r.Dialog->ShowPage(page);
            QCOMPARE(pages->currentIndex(), page);
            QCOMPARE(r.Child<QPushButton>("cmdRuleSaveAs")->isVisible(),
                     page == TfrmSettings::pgRules);
            QCOMPARE(r.Child<QPushButton>("cmdRandomRules")->isVisible(),
                     page == TfrmSettings::pgRules);
        }
        QCOMPARE(r.Dialog->windowTitle(), QString("Settings"));

        const bool grid = r.View.Settings().ShowGrid;
        r.Child<QCheckBox>("chkShowGrid")->setChecked(!grid);
        r.Child<QCheckBox>("chkWrap")->setChecked(!r.G.Board.Wrap());
        r.Child<QRadioButton>("rdiBSize1000")->setChecked(true);
        r.Click("cmdCancel");
        QVERIFY(!r.Dialog->isVisible());
        QCOMPARE(r.View.Settings().ShowGrid, grid);
        QVERIFY(!r.G.Board.Wrap());
        QCOMPARE(r.G.Board.Width(), 400);

        r.Dialog->ShowPage(-1); // the page last shown, filled afresh
        QCOMPARE(pages->currentIndex(), int(TfrmSettings::pgUndo));
        QCOMPARE(r.Child<QCheckBox>("chkShowGrid")->isChecked(), grid);
        QVERIFY(r.Child<QRadioButton>("rdiBSize400x300")->isChecked());
        r.Dialog->close();
    }

    // Per-user associations in a data folder of the test's own, with no desktop tools on the
    // path: the selected extension, then all seven for the first entry.
    void AssociateRegistersTheSelectedExtensions()
    {
        TRig r;
        QTemporaryDir data, noTools;
        const QByteArray path = qgetenv("PATH"), xdg = qgetenv("XDG_DATA_HOME");
        qputenv("PATH", noTools.path().toUtf8());
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        auto read = [&](const QString& name) {
            QFile file(data.path() + "/" + name);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        auto mimeTypes = [&] {
            const QString entry = read("applications/plexa.desktop");
            const qsizetype at = entry.indexOf("MimeType=");
            return at < 0 ? QString() : entry.mid(at + 9).section('\n', 0, 0);
        };
        r.Dialog->ShowPage(TfrmSettings::pgOpenSave);
        auto* list = r.Child<QListWidget>("lisAssociations");
        list->setCurrentRow(3);
        QVERIFY(list->currentItem()->text().startsWith(".RLE\t"));
        r.Click("cmdAssociate");
        const QString rle = read("mime/packages/plexa-rle.xml");
        QVERIFY(rle.contains("<mime-type type=\"application/x-plexa-rle\">"));
        QVERIFY(rle.contains("<glob pattern=\"*.rle\"/>") && rle.contains("\"*.RLE\""));
        QCOMPARE(mimeTypes(), QString("application/x-plexa-rle;"));

        list->setCurrentRow(0);
        r.Click("cmdAssociate");
        QCOMPARE(mimeTypes(), QString("application/x-plexa-document;application/x-plexa-l;"
                                      "application/x-plexa-lif;application/x-plexa-life;"
                                      "application/x-plexa-plf;application/x-plexa-rle;"
                                      "application/x-plexa-vlf;"));
        QVERIFY(read("mime/packages/plexa.xml").contains("<glob pattern=\"*.PLX\"/>"));
        QVERIFY(read("mime/packages/plexa-l.xml").contains("<glob pattern=\"*.l\"/>"));
        qputenv("PATH", path);
        xdg.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", xdg);
        r.Dialog->close();
    }

    void ApplyReachesTheObjects()
    {
        TRig r;
        r.Mouse.SetCursorMode(cmColorPicker);
        TViewSettings view = r.View.Settings();
        view.CellSize = 8; // no button of its own
        r.View.ApplySettings(view);
        r.Dialog->ShowPage(TfrmSettings::pgGeneral);
        QCOMPARE(r.Child<QToolButton>("btnCrsMdePan")->isChecked(), false);
        QCOMPARE(r.Child<QToolButton>("btnCrsMdeEdt")->isChecked(), false);
        QVERIFY(r.Child<QRadioButton>("rdiSiz07")->isChecked());

        r.Child<QCheckBox>("chkSound")->setChecked(false);
        r.Child<QLineEdit>("fldBSizeOtherX")->setText("430");
        r.Child<QLineEdit>("fldBSizeOtherY")->setText("3000");
        QTest::keyClick(r.Child<QLineEdit>("fldBSizeOtherY"), Qt::Key_0);
        QVERIFY(r.Child<QRadioButton>("rdiBSizeOther")->isChecked()); // typing selects "Other"
        r.Child<QLineEdit>("fldBSizeOtherY")->setText("3000");
        r.Child<QCheckBox>("chkWrap")->setChecked(true);
        r.Child<QCheckBox>("chkShowGrid")->setChecked(false);
        r.Child<QRadioButton>("rdiSiz1_4")->setChecked(true);
        r.Click("btnShpBigCir");
        r.Child<QComboBox>("cmbMaxCellBestFit")->setEditText("8");
        r.SetGame(gmGenerations);
        r.Child<QSpinBox>("spnColorsCount")->setValue(9);
        r.Child<QSpinBox>("spnUndoSteps")->setValue(50);
        r.Child<QLineEdit>("fldUndoMaxCells")->setText("12x");
        r.Child<QToolButton>("btnUndoCYCL")->setChecked(true);
        r.Child<QToolButton>("btnUndoTIME")->setChecked(true); // excludes counted snapping
        QVERIFY(!r.Child<QToolButton>("btnUndoCYCL")->isChecked());
        r.Child<QCheckBox>("chkMakeBAK")->setChecked(false);
        r.Child<QCheckBox>("chkSaveSpeed")->setChecked(true);
        r.Child<QRadioButton>("rdiOpnAct_Fit")->setChecked(true);
        r.Child<QSpinBox>("spnNumMRUFil")->setValue(4);
        int applied = 0;
        r.Dialog->OnApplied = [&] { ++applied; };
        r.Click("cmdApply");

        QCOMPARE(applied, 1);
        QVERIFY(!r.Sound);
        QCOMPARE(r.G.Board.Width(), 420);
        QCOMPARE(r.G.Board.Height(), 2500);
        QVERIFY(r.G.Board.Wrap());
        QCOMPARE(r.G.Life.Game(), uint8_t(gmGenerations));
        QCOMPARE(r.G.Board.StatesCount(), 9);
        QCOMPARE(r.View.Settings().ShowGrid, false);
        QCOMPARE(r.View.CellSize(), -4);
        QCOMPARE(r.View.CellShape(), 3);
        QCOMPARE(r.View.Settings().MaxBestFitCellSize, 7);
        QCOMPARE(r.Mouse.CursorMode(), uint8_t(cmPan)); // no mode was down
        const TUndoSettings& undo = r.G.Undo.Settings();
        QCOMPARE(undo.MaxSteps, 50);
        QCOMPARE(undo.MaxCells, 0); // unreadable text
        QVERIFY(undo.IsEventOn(TUndoEvent::Time));
        QVERIFY(!undo.IsEventOn(TUndoEvent::Cycles));
        QVERIFY(!r.Save.MakeBackup);
        QVERIFY(r.Save.Speed);
        QCOMPARE(r.Config.Window.OpenAction, 2);
        QCOMPARE(r.G.Document.Recent.Limit(), 4);
        QVERIFY(r.Dialog->isVisible()); // Apply keeps the dialog open; Ok closes it
        r.Click("cmdOk");
        QVERIFY(!r.Dialog->isVisible());
    }

    void LifeEditorKeepsTextAndBoxesInStep()
    {
        TRig r;
        r.Dialog->ShowPage(TfrmSettings::pgRules);
        auto* field = r.Child<QLineEdit>("fldRules");
        QCOMPARE(field->text(), QString("23/3"));
        QCOMPARE(r.Child<QLabel>("lblRuleCharacter")->text(), QString("Chaotic"));
        field->setText("B36/S23");
        for (const char* name : {"chkRuleS2", "chkRuleS3", "chkRuleB3", "chkRuleB6"})
            QVERIFY2(r.Child<QCheckBox>(name)->isChecked(), name);
        QVERIFY(!r.Child<QCheckBox>("chkRuleS0")->isChecked());
        QCOMPARE(field->text(), QString("B36/S23")); // kept as typed
        QCOMPARE(r.Child<QLabel>("lblRuleCharacter")->text(), QString("???"));
        r.Click("cmdApply");
        QCOMPARE(r.G.Board.RuleText(), std::string("23/36"));

        r.Child<QCheckBox>("chkRuleS1")->setChecked(true); // rewritten in the normal form
        QCOMPARE(field->text(), QString("123/36"));

        r.SetGame(gmVoteForLife);
        QVERIFY(!r.Child<QCheckBox>("chkRuleS0")->isEnabled());
        QVERIFY(r.Child<QCheckBox>("chkRuleS9")->isEnabled());
        QVERIFY(r.Child<QWidget>("grpRulesB")->isHidden());
        r.Child<QCheckBox>("chkRuleS0")->setChecked(true);
        r.Child<QCheckBox>("chkRuleS9")->setChecked(true);
        QCOMPARE(field->text(), QString("1239"));

        r.SetGame(gmGenerations);
        r.Dialog->RulesPage().AskText = [](const QString&, const QString&) {
            return std::optional<QString>("0012345");
        };
        r.Click("cmdNLUKY");
        QCOMPARE(field->text(), QString("45/23/3"));
        QCOMPARE(r.Child<QSpinBox>("spnColorsCount")->value(), 3);
        r.Dialog->RulesPage().AskText = [](const QString&, const QString&) {
            return std::optional<QString>("1234");
        };
        r.Click("cmdNLUKY");
        QCOMPARE(r.Host.Messages.back().Text,
                 std::string("NLUKY code must be at least 5 digits long!"));
        QCOMPARE(field->text(), QString("45/23/3"));

        // Rule edits stay while the dialog is open and go when it closes, Esc included.
        r.Dialog->ShowPage(TfrmSettings::pgGeneral);
        r.Dialog->ShowPage(TfrmSettings::pgRules);
        QCOMPARE(field->text(), QString("45/23/3"));
        QTest::keyClick(r.Dialog.get(), Qt::Key_Escape);
        QVERIFY(!r.Dialog->isVisible());
        r.Dialog->ShowPage(-1);
        QCOMPARE(r.Child<QComboBox>("cmbGame")->currentIndex(), gmLife - 1);
        QCOMPARE(field->text(), QString("23/36"));
        r.Dialog->close();
    }

    void FamousRulesFillTheEditorsOfEveryGame()
    {
        TRig r;
        r.Dialog->ShowPage(TfrmSettings::pgRules);
        auto* list = r.Child<QTreeWidget>("lvRules");
        for (int game = 1; game <= kGameCount; ++game) {
            r.SetGame(game);
            const TRuleLibrary& library = r.G.Life.Library;
            if (library.EntryCount(game) == 0) continue;
            const int last = library.EntryCount(game) - 1;
            const TFamousRule& entry = *library.Entry(game, last);
            list->setCurrentItem(list->topLevelItem(last));
            QCOMPARE(QString::fromStdString(r.Dialog->RulesPage().RuleText()),
                     QString::fromStdString(entry.Rule));
            QCOMPARE(r.Child<QLabel>("lblRuleCharacter")->text(),
                     QString::fromStdString(entry.Kind));
            QVERIFY(!r.Child<QPushButton>("cmdRuleEdit")->isEnabled()); // built in
            if (game == gmUserDll) continue;
            r.Click("cmdApply");
            QCOMPARE(r.G.Life.Game(), uint8_t(game));
            QCOMPARE(QString::fromStdString(r.G.Board.RuleText()),
                     QString::fromStdString(entry.Rule));
        }
        r.Dialog->close();
    }

    void EditorControlsFollowTheirRules()
    {
        TRig r;
        r.Dialog->ShowPage(TfrmSettings::pgRules);
        r.SetGame(gmWeightedLife);
        r.Child<QCheckBox>("chkWLifeSymmetry")->setChecked(true);
        r.Child<QSpinBox>("spnWeight3")->setValue(5);
        for (const char* name : {"spnWeight1", "spnWeight7", "spnWeight9"})
            QCOMPARE(r.Child<QSpinBox>(name)->value(), 5);
        const int middle = r.Child<QSpinBox>("spnWeight2")->value();
        r.Child<QSpinBox>("spnWeight5")->setValue(-7);
        QCOMPARE(r.Child<QSpinBox>("spnWeight2")->value(), middle);
        r.Click("cmdWeightClrS");
        r.Dialog->RulesPage().AskText = [](const QString&, const QString&) {
            return std::optional<QString>("2,5,12,517");
        };
        r.Click("cmdWeightAddS");
        auto* sums = r.Child<QListWidget>("lisWeightS");
        QCOMPARE(sums->count(), 4);
        QCOMPARE(sums->item(3)->text(), QString("517"));
        QVERIFY(r.Child<QLineEdit>("fldWRules")->text().contains("517"));

        r.SetGame(gmRulesTable);
        r.Child<QRadioButton>("chkRTNghTyp2")->setChecked(true);
        r.Child<QCheckBox>("chkRTableCtrCell")->setChecked(false);
        auto* grid = r.Child<QTableWidget>("grdRTable");
        QVERIFY(!grid->isColumnHidden(4));
        QVERIFY(grid->isColumnHidden(5));
        r.Child<QCheckBox>("chkRTableCtrCell")->setChecked(true);
        QVERIFY(!grid->isColumnHidden(5));

        r.SetGame(gmCyclic);
        r.Child<QSpinBox>("spnCyclRange")->setValue(3);
        QCOMPARE(r.Child<QLabel>("lblCyclThreshold")->text(), QString("Threshold (1..48):"));
        QCOMPARE(r.Child<QSpinBox>("spnCyclThreshold")->maximum(), 48);

        r.SetGame(gm1DTotalistic);
        r.Child<QSpinBox>("spn1DToRange")->setValue(1);
        r.Child<QCheckBox>("chk1DToCenter")->setChecked(false);
        QVERIFY(r.Child<QCheckBox>("chk1DToS02")->isEnabled());
        QVERIFY(!r.Child<QCheckBox>("chk1DToS03")->isEnabled());
        r.Child<QCheckBox>("chk1DToCenter")->setChecked(true);
        QVERIFY(r.Child<QCheckBox>("chk1DToB03")->isEnabled());

        r.SetGame(gmSpecial);
        r.Child<QCheckBox>("chkTRCAOnly3")->setChecked(true);
        QVERIFY(!r.Child<QLineEdit>("fldTRCADelta2")->isEnabled());
        QCOMPARE(r.Child<QLineEdit>("fldTRCADelta2")->text(),
                 r.Child<QLineEdit>("fldTRCADelta1")->text());

        // Random rules for a rules table never fill state 0 / count 0, nor anything at 100 %.
        r.Config.Window.RndTabSparseness = 100;
        r.SetGame(gmRulesTable);
        r.Click("cmdRandomRules");
        for (int s = 0; s < grid->rowCount(); ++s)
            for (int c = 0; c < grid->columnCount(); ++c)
                QCOMPARE(grid->item(s, c)->text(), QString("0"));
        r.Dialog->close();
    }

    void SaveAsEditAndDeleteWriteTheUserRules()
    {
        TRig r;
        r.Dialog->ShowPage(TfrmSettings::pgRules);
        r.Child<QLineEdit>("fldRules")->setText("1234/5");
        TUserRuleFields asked;
        r.Dialog->RulesPage().AskUserRule = [&](TUserRuleFields& fields) {
            asked = fields;
            fields.Name = "Mine";
            fields.Kind = "Stable";
            fields.Description = "one\r\ntwo";
            return true;
        };
        const int before = r.G.Life.Library.EntryCount(gmLife);
        r.Click("cmdRuleSaveAs");
        QCOMPARE(asked.Rule, std::string("1234/5"));
        QCOMPARE(asked.Game, int(gmLife));
        QCOMPARE(r.G.Life.Library.EntryCount(gmLife), before + 1);
        const QString file = r.Folder.path() + "/User.rul";
        QVERIFY(QFile::exists(file));
        {
            QFile in(file);
            QVERIFY(in.open(QIODevice::ReadOnly));
            const QByteArray text = in.readAll();
            QVERIFY(text.contains("#NAME Mine\r\n"));
            QVERIFY(text.contains("#INFO one\\ntwo\r\n"));
        }
        // The new row is selected and, being the user's, editable.
        QCOMPARE(r.Child<QLabel>("lblRuleCharacter")->text(), QString("Stable"));
        QVERIFY(r.Child<QPushButton>("cmdRuleEdit")->isEnabled());
        r.Dialog->RulesPage().AskUserRule = [](TUserRuleFields& fields) {
            fields.Kind = "Chaotic";
            return true;
        };
        r.Click("cmdRuleEdit");
        QCOMPARE(r.G.Life.Library.Entry(gmLife, before)->Kind, std::string("Chaotic"));

        r.Host.Answers = {TMsgAnswer::No};
        r.Click("cmdRuleDelete");
        QCOMPARE(r.G.Life.Library.EntryCount(gmLife), before + 1);
        r.Host.Answers = {TMsgAnswer::Yes};
        r.Click("cmdRuleDelete");
        QCOMPARE(r.G.Life.Library.EntryCount(gmLife), before);
        QVERIFY(QFile::exists(file + ".BAK"));
        r.Dialog->close();
    }

    // A user entry of every game can be edited and deleted; only User DLL cannot save one.
    void UserEntriesOfEveryGameCanBeEditedAndDeleted()
    {
        constexpr const char* kRules[kGameCount] = {"1234/5",
                                                    "1234/5/7",
                                                    "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0,RS7",
                                                    "13579", // repeats a built-in rule
                                                    "1,0,0,0,0,0,0,0,1",
                                                    "R3/T5/C7/NM",
                                                    "R3,C0,M1,S1,B4",
                                                    "Mine",
                                                    "TRCA,0.2,0.3,0.4,0.5"};
        TRig r;
        TRuleLibrary& library = r.G.Life.Library;
        for (int game = 1; game <= kGameCount; ++game)
            library.AddEntry(game, "Mine", kRules[game - 1], "Stable", "", true);
        r.Dialog->ShowPage(TfrmSettings::pgRules);
        auto* list = r.Child<QTreeWidget>("lvRules");
        auto* edit = r.Child<QPushButton>("cmdRuleEdit");
        auto* del = r.Child<QPushButton>("cmdRuleDelete");
        TUserRuleFields asked;
        r.Dialog->RulesPage().AskUserRule = [&](TUserRuleFields& fields) {
            asked = fields;
            fields.Kind = "Chaotic";
            return true;
        };
        for (int game = 1; game <= kGameCount; ++game) {
            const QByteArray name = TLife::GameName(game).c_str();
            r.SetGame(game);
            QVERIFY2(r.Child<QPushButton>("cmdRuleSaveAs")->isEnabled() == (game != gmUserDll),
                     name);
            QVERIFY2(!edit->isEnabled() && !del->isEnabled(), name); // nothing selected yet
            const int mine = library.EntryCount(game) - 1;
            list->setCurrentItem(list->topLevelItem(mine));
            QVERIFY2(edit->isEnabled() && del->isEnabled(), name);
            QCOMPARE(r.Dialog->RulesPage().RuleText(), std::string(kRules[game - 1]));

            r.Click("cmdRuleEdit");
            QCOMPARE(asked.Game, game);
            QCOMPARE(asked.Rule, std::string(kRules[game - 1]));
            QCOMPARE(library.Entry(game, mine)->Kind, std::string("Chaotic"));
            QVERIFY2(del->isEnabled(), name); // the edited row stays selected
            r.Host.Answers = {TMsgAnswer::Yes};
            r.Click("cmdRuleDelete");
            QCOMPARE(library.EntryCount(game), mine);
        }
        r.Dialog->close();
    }

    // Weighted Life and 1-D texts without a history take the board's states count, not the
    // dialog's; a count in the text wins.
    void TextsWithoutHistoryTakeTheBoardsStatesCount()
    {
        const struct {
            int Game;
            const char* Field;
            const char* History;
            const char* Text;
            int States;
        } cases[] = {
            {gmWeightedLife, "fldWRules", "chkWLifeHist",
             "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,RS2,RB3", 4},
            {gmWeightedLife, "fldWRules", "chkWLifeHist",
             "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI7,RS2", 7},
            {gm1DTotalistic, "fld1DToRules", "chk1DToHistory", "R2,M1,S1,B2", 4},
            {gm1DTotalistic, "fld1DToRules", "chk1DToHistory", "R2,C9,M1,S1", 9},
        };
        TRig r;
        r.G.Board.SetStatesCount(4);
        r.Dialog->ShowPage(TfrmSettings::pgRules);
        auto* count = r.Child<QSpinBox>("spnColorsCount");
        for (const auto& c : cases) {
            r.SetGame(c.Game);
            r.Child<QCheckBox>(c.History)->setChecked(false);
            count->setValue(12); // the dialog's own count
            r.Child<QLineEdit>(c.Field)->setText(c.Text);
            QVERIFY2(r.Child<QCheckBox>(c.History)->isChecked(), c.Text);
            QCOMPARE(count->value(), c.States);
            QCOMPARE(r.Child<QLineEdit>(c.Field)->text(), QString(c.Text)); // kept as typed
        }
        r.Click("cmdApply");
        QCOMPARE(r.G.Board.StatesCount(), 9);
        r.Dialog->close();
    }

    void ColourGeneratorFillsThePanelsAndApplyTakesThem()
    {
        TRig r;
        r.Dialog->ShowPage(TfrmSettings::pgColors);
        r.Dialog->AskColor = [](uint32_t) { return std::optional<uint32_t>(0x00FFFF); };
        r.Click("pnlCloGen1");
        r.Dialog->AskColor = [](uint32_t) { return std::optional<uint32_t>(0x0000FF); };
        r.Click("pnlCloGen2");
        const char* states[] = {"1", "8", "8", "8"};
        for (int i = 0; i < 4; ++i)
            r.Child<QLineEdit>(QString("fldCloGen%1").arg(i + 1).toUtf8())->setText(states[i]);
        r.Click("cmdCloGenDoIt");
        QCOMPARE(r.Child<TColorPanel>("pnlCloCell02")->Color(), 0x00DBFFu);
        QCOMPARE(r.G.Palette.Colors.StateColor(2), TCPalette::Defaults(32).StateColor(2));
        r.Click("cmdApply");
        QCOMPARE(r.G.Palette.Colors.StateColor(8), 0x0000FFu);
        QCOMPARE(r.G.Palette.Colors.StateColor(2), 0x00DBFFu);
        QCOMPARE(r.Config.Window.GenColorStates[1], 8);
        r.Dialog->close();
    }

    void PaletteQuestionsNameTheirDefaultAnswer()
    {
        // Update asks with No in front, so that Enter never overwrites a palette; Save as over
        // an existing name keeps Yes. Each answer No leaves the file as it was.
        const struct {
            const char* Button;
            const char* Caption;
            TMsgButtons Buttons;
        } cases[] = {{"cmdUpdatePalette", "Please confirm", TMsgButtons::YesNoDefaultNo},
                     {"cmdSavePalette", "File exists", TMsgButtons::YesNo}};
        for (const auto& c : cases) {
            TRig r;
            r.Dialog->AskText = [](const QString&, const QString&) {
                return std::optional<QString>("Dark");
            };
            r.Dialog->ShowPage(TfrmSettings::pgColors);
            r.Child<QListWidget>("lisPalettes")->setCurrentRow(0);
            r.Click(c.Button);
            QCOMPARE(r.Host.Messages.size(), size_t(1));
            QCOMPARE(r.Host.Messages[0].Caption, std::string(c.Caption));
            QVERIFY2(r.Host.Messages[0].Buttons == c.Buttons, c.Button);
            QFile palette(r.Folder.path() + "/System/Dark.pxp");
            QVERIFY(palette.open(QIODevice::ReadOnly));
            QCOMPARE(palette.readAll(), QByteArray("#BACKGRND 0\r\n"));
            r.Dialog->close();
        }
    }
};

QTEST_MAIN(TestSettings)
#include "test_Settings.moc"
