#include "ui/u_RulesPage.h"

#include "base/u_Host.h"
#include "engine/u_Config.h"
#include "engine/u_Globals.h"
#include "ui/u_DialogButtons.h"
#include "ui/u_RuleEditor1D.h"
#include "ui/u_RuleEditorCyclic.h"
#include "ui/u_RuleEditorLife.h"
#include "ui/u_RuleEditorSpecial.h"
#include "ui/u_RuleEditorTable.h"
#include "ui/u_RuleEditorWLife.h"
#include "ui/u_SettingsControls.h"
#include "ui/u_UserRuleDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

static_assert(kGameCount == 9);

TRulesPage::TRulesPage(TGlobals& globals, TConfiguration& config, QWidget* parent)
    : QWidget(parent), FGlobals(globals), FConfig(config)
{
    setObjectName("tabRules");
    Asking = [](const std::function<void()>& ask) { ask(); };
    AskText = [this](const QString& caption, const QString& prompt) -> std::optional<QString> {
        bool ok = false;
        const QString text =
            QInputDialog::getText(this, caption, prompt, QLineEdit::Normal, {}, &ok);
        return ok ? std::optional(text) : std::nullopt;
    };
    AskUserRule = [this](TUserRuleFields& fields) {
        TfrmUserRule dialog(this);
        dialog.OnHelp = OnHelp;
        return dialog.Execute(fields);
    };

    cmbGame = new QComboBox;
    cmbGame->setObjectName("cmbGame");
    for (int g = 1; g <= kGameCount; ++g)
        cmbGame->addItem(QString("%1 - ").arg(g) + QText(TLife::GameName(g)));
    spnGame = new QSpinBox;
    spnGame->setObjectName("spnGame");
    spnGame->setRange(1, kGameCount);
    spnGame->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    spnGame->setMaximumWidth(fontMetrics().horizontalAdvance("00") + 30);
    connect(cmbGame, &QComboBox::currentIndexChanged, this, [this] { ShowGamePage(); });
    connect(spnGame, &QSpinBox::valueChanged, this,
            [this](int game) { cmbGame->setCurrentIndex(game - 1); });

    pnlColorsCount = new QWidget;
    pnlColorsCount->setObjectName("pnlColorsCount");
    spnColorsCount = NamedSpinner("ColorsCount", 2, TBoard::kMaxStates);
    auto* count = new QHBoxLayout(pnlColorsCount);
    count->setContentsMargins(0, 0, 0, 0);
    count->addWidget(Caption("Count of states/colors (2..25):", spnColorsCount));
    count->addWidget(spnColorsCount);
    connect(spnColorsCount, &QSpinBox::valueChanged, this, [this] {
        EditorOf(Game())->ControlsToText();
        if (OnStatesCountChanged) OnStatesCountChanged();
    });

    auto* top = new QHBoxLayout;
    top->addWidget(Caption("&Game:", cmbGame));
    top->addWidget(cmbGame);
    top->addWidget(spnGame);
    top->addSpacing(16);
    top->addWidget(pnlColorsCount);
    top->addStretch();

    auto* life = new TLifeRuleEditor(*this);
    FWLife = new TWLifeRuleEditor(*this);
    FEditorOf = {life,
                 life,
                 FWLife,
                 life,
                 new TTableRuleEditor(*this),
                 new TCyclicRuleEditor(*this),
                 new T1DRuleEditor(*this),
                 new TUserDllRuleEditor(*this),
                 new TSpecialRuleEditor(*this)};
    FEditors = new QStackedWidget;
    for (int game :
         {gmLife, gmWeightedLife, gmRulesTable, gmCyclic, gm1DTotalistic, gmUserDll, gmSpecial})
        FEditors->addWidget(EditorOf(game));

    cmdRandomRules = CommandButton("cmdRandomRules", "&Random rules", false);
    cmdRandomRules->setToolTip("Random rules");
    cmdRuleSaveAs = CommandButton("cmdRuleSaveAs", "&Save as...", false);
    cmdRuleSaveAs->setToolTip("Save this user rule");
    cmdRuleEdit = CommandButton("cmdRuleEdit", "&Edit...", false);
    cmdRuleEdit->setToolTip("Edit user rule description");
    cmdRuleDelete = CommandButton("cmdRuleDelete", "&Delete", false);
    cmdRuleDelete->setToolTip("Delete user rule");
    connect(cmdRandomRules, &QPushButton::clicked, this, [this] { RandomRules(); });
    connect(cmdRuleSaveAs, &QPushButton::clicked, this, [this] { SaveRuleAs(); });
    connect(cmdRuleEdit, &QPushButton::clicked, this, [this] { EditRule(); });
    connect(cmdRuleDelete, &QPushButton::clicked, this, [this] { DeleteRule(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    auto* body = new QHBoxLayout;
    body->addWidget(FEditors, 1);
    body->addWidget(CreateFamousRules());
    layout->addLayout(body, 1);
}

std::array<QPushButton*, 4> TRulesPage::Buttons() const
{
    return {cmdRandomRules, cmdRuleSaveAs, cmdRuleEdit, cmdRuleDelete};
}

QWidget* TRulesPage::CreateFamousRules()
{
    auto* group = new QGroupBox("Famous rules");
    lvRules = new QTreeWidget;
    lvRules->setObjectName("lvRules");
    lvRules->setHeaderLabels({"#", "Rule's name", "Definition"});
    lvRules->setRootIsDecorated(false);
    lvRules->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvRules->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvRules->header()->resizeSection(0, fontMetrics().horizontalAdvance("000") + 8);
    lvRules->header()->resizeSection(1, fontMetrics().horizontalAdvance("Conway's Life ....."));
    lvRules->setMinimumWidth(fontMetrics().horizontalAdvance("000 Conway's Life ..... 23/36/25") +
                             40);
    connect(lvRules, &QTreeWidget::itemSelectionChanged, this, [this] { FamousRuleSelected(); });
    connect(lvRules, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (OnAccept) OnAccept();
    });
    memoRules = new QPlainTextEdit;
    memoRules->setObjectName("memoRules");
    memoRules->setReadOnly(true);
    memoRules->setToolTip("Description of the current rule");
    memoRules->setMaximumHeight(fontMetrics().height() * 6);
    lblRuleCharacter = new QLabel("???");
    lblRuleCharacter->setObjectName("lblRuleCharacter");
    auto* kind = new QHBoxLayout;
    kind->addWidget(new QLabel("Rule character:"));
    kind->addWidget(lblRuleCharacter, 1);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(lvRules, 1);
    layout->addWidget(memoRules);
    layout->addLayout(kind);
    return group;
}

// ---- state ----

int TRulesPage::Game() const
{
    return cmbGame->currentIndex() + 1;
}

int32_t TRulesPage::StatesCount() const
{
    return spnColorsCount->value();
}

bool TRulesPage::Symmetry() const
{
    return FWLife->Symmetry();
}

void TRulesPage::SetSymmetry(bool on)
{
    FWLife->SetSymmetry(on);
}

TRuleEditor* TRulesPage::EditorOf(int game) const
{
    return FEditorOf[size_t(std::clamp(game, 1, kGameCount) - 1)];
}

std::string TRulesPage::RuleText() const
{
    return EditorOf(Game())->RuleText();
}

void TRulesPage::Load()
{
    if (!FReload) return;
    FReload = false;
    TLife& life = FGlobals.Life;
    const TBoard& board = FGlobals.Board;
    {
        const QSignalBlocker block(cmbGame);
        cmbGame->setCurrentIndex(life.Game() - 1);
    }
    EditorOf(gmWeightedLife)->SetRuleText(life.WLife.GetAsString());
    EditorOf(gmRulesTable)->SetRuleText(board.RulesTableText());
    TRulesCycl cyclic = life.Cycl;
    EditorOf(gmCyclic)->SetRuleText(cyclic.GetAsString());
    EditorOf(gm1DTotalistic)->SetRuleText(life.OneD.GetAsString());
    EditorOf(gmSpecial)->SetRuleText(life.Special.GetAsString());
    EditorOf(gmLife)->SetRuleText(board.LifeRuleText());
    spnColorsCount->setValue(board.StatesCount());
    ShowGamePage();
    EditorOf(life.Game())->SetRuleText(board.RuleText());
    SelectMatchingRule();
    SetSymmetry(FConfig.Window.WLifeSymmetry);
}

void TRulesPage::ApplyRules()
{
    TBoard& board = FGlobals.Board;
    board.SetStatesCount(StatesCount());
    FGlobals.Life.SetGame(Game());
    board.SetRules(RuleText());
    FConfig.Window.WLifeSymmetry = Symmetry();
}

// Save as needs a rule text of the game's own; a user library is chosen, not composed.
void TRulesPage::ShowGamePage()
{
    const int game = Game();
    {
        const QSignalBlocker block(spnGame);
        spnGame->setValue(game);
    }
    TRuleEditor* editor = EditorOf(game);
    cmdRuleSaveAs->setEnabled(game != gmUserDll);
    pnlColorsCount->setVisible(editor->ShowsStatesCount(game));
    editor->ShowFor(game);
    FEditors->setCurrentWidget(editor);
    FillFamousRules();
    editor->ControlsToText();
    SelectMatchingRule();
}

void TRulesPage::RandomRules()
{
    EditorOf(Game())->RandomRule();
}

// ---- the editors' side ----

int32_t TRulesPage::BoardStatesCount() const
{
    return FGlobals.Board.StatesCount();
}

void TRulesPage::SetStatesCount(int32_t count)
{
    spnColorsCount->setValue(count);
}

std::optional<QString> TRulesPage::Ask(const QString& caption, const QString& prompt)
{
    std::optional<QString> answer;
    Asking([&] { answer = AskText(caption, prompt); });
    return answer;
}

void TRulesPage::Tell(const char* text, const char* caption, TMsgIcon icon)
{
    Asking([&] { FGlobals.Host.ShowMessage(text, caption, icon, TMsgButtons::Ok); });
}

TRandom& TRulesPage::Random()
{
    return FGlobals.Random;
}

int32_t TRulesPage::TableSparseness() const
{
    return FConfig.Window.RndTabSparseness;
}

void TRulesPage::TextChanged()
{
    SelectMatchingRule();
}

// ---- famous rules ----

void TRulesPage::FillFamousRules()
{
    const QSignalBlocker block(lvRules);
    lvRules->clear();
    const TRuleLibrary& library = FGlobals.Life.Library;
    const int game = Game();
    for (int i = 0; i < library.EntryCount(game); ++i) {
        const TFamousRule* entry = library.Entry(game, i);
        lvRules->addTopLevelItem(
            new QTreeWidgetItem({QString::number(i + 1), QText(entry->Name), QText(entry->Rule)}));
    }
    ShowRuleDetails();
}

int TRulesPage::SelectedRule() const
{
    const QList<QTreeWidgetItem*> selected = lvRules->selectedItems();
    return selected.isEmpty() ? -1 : lvRules->indexOfTopLevelItem(selected.first());
}

// The description, the character and the enabling of Edit and Delete of the selected row.
void TRulesPage::ShowRuleDetails()
{
    const TFamousRule* entry = FGlobals.Life.Library.Entry(Game(), SelectedRule());
    memoRules->setPlainText(entry ? QText(entry->Description) : QString());
    lblRuleCharacter->setText(entry ? QText(entry->Kind) : "???");
    const bool user = entry && entry->User;
    cmdRuleEdit->setEnabled(user);
    cmdRuleDelete->setEnabled(user);
}

void TRulesPage::FamousRuleSelected()
{
    const TFamousRule* entry = FGlobals.Life.Library.Entry(Game(), SelectedRule());
    if (entry && !entry->Rule.empty()) {
        // A library rule is taken as it is, its weights not made symmetrical.
        EditorOf(Game())->SetRuleText(entry->Rule);
    }
    ShowRuleDetails();
}

void TRulesPage::SelectMatchingRule()
{
    SelectRule(SelectedRule());
}

// A row the user chose stays selected while its definition is the editor's text, so that a user
// rule repeating a built-in one can be reached; otherwise the first matching row, or none.
void TRulesPage::SelectRule(int preferred)
{
    const QString rule = QText(RuleText());
    auto matches = [&](int i) {
        const QTreeWidgetItem* item = lvRules->topLevelItem(i);
        return item && item->text(2) == rule;
    };
    int row = matches(preferred) ? preferred : -1;
    for (int i = 0; row < 0 && i < lvRules->topLevelItemCount(); ++i)
        if (matches(i)) row = i;
    const QSignalBlocker block(lvRules);
    lvRules->clearSelection();
    if (QTreeWidgetItem* item = lvRules->topLevelItem(row)) {
        item->setSelected(true);
        lvRules->setCurrentItem(item);
        lvRules->scrollToItem(item);
    }
    ShowRuleDetails();
}

void TRulesPage::SaveRuleAs()
{
    TUserRuleFields fields{Game(), RuleText(), "", "", ""};
    bool ok = false;
    Asking([&] { ok = AskUserRule(fields); });
    if (!ok) return;
    TRuleLibrary& library = FGlobals.Life.Library;
    library.AddEntry(fields.Game, fields.Name, fields.Rule, fields.Kind, fields.Description, true);
    library.WriteUserRules(FGlobals.ProgramFolder);
    FillFamousRules();
    SelectRule(library.EntryCount(Game()) - 1);
}

void TRulesPage::EditRule()
{
    const int position = SelectedRule();
    TRuleLibrary& library = FGlobals.Life.Library;
    const TFamousRule* entry = library.Entry(Game(), position);
    if (!entry || !entry->User) return;
    TUserRuleFields fields{Game(), RuleText(), entry->Name, entry->Kind, entry->Description};
    bool ok = false;
    Asking([&] { ok = AskUserRule(fields); });
    if (!ok) return;
    library.EditEntry(Game(), position, fields.Name, fields.Kind, fields.Description);
    library.WriteUserRules(FGlobals.ProgramFolder);
    FillFamousRules();
    SelectRule(position);
}

void TRulesPage::DeleteRule()
{
    const int position = SelectedRule();
    TRuleLibrary& library = FGlobals.Life.Library;
    const TFamousRule* entry = library.Entry(Game(), position);
    if (!entry || !entry->User) return;
    TMsgAnswer answer = TMsgAnswer::No;
    Asking([&] {
        answer = FGlobals.Host.ShowMessage("Are you sure?", "Confirm", TMsgIcon::Question,
                                           TMsgButtons::YesNo);
    });
    if (answer != TMsgAnswer::Yes) return;
    library.DeleteEntry(Game(), position);
    library.WriteUserRules(FGlobals.ProgramFolder);
    FillFamousRules();
    SelectMatchingRule();
}
