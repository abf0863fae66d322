#pragma once
// The settings dialog's Rules page: the game, its states count, the editor of the game (each
// in its own unit), the famous rules of the game with the user's own saved, edited and deleted
// there, and random rules. The board changes only through ApplyRules.

#include "ui/u_RuleEditor.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTreeWidget;
class TWLifeRuleEditor;
struct TConfiguration;
struct TGlobals;

// What the user rule dialog shows and returns.
struct TUserRuleFields {
    int Game = 1;
    std::string Rule;
    std::string Name;
    std::string Kind;
    std::string Description;
};

class TRulesPage : public QWidget, private TRuleEditorSite {
    Q_OBJECT

public:
    TRulesPage(TGlobals& globals, TConfiguration& config, QWidget* parent);

    // The buttons that the dialog shows in its own row while this page is shown: "Random
    // rules", "Save as...", "Edit..." and "Delete".
    std::array<QPushButton*, 4> Buttons() const;

    // Fills every editor from the program's rules when marked for reload; the mark is set at
    // creation and by MarkForReload (when the dialog closes).
    void Load();
    void MarkForReload() { FReload = true; }

    // States count, game and the game's rule, then the two settings of this page.
    void ApplyRules();

    int Game() const override;
    int32_t StatesCount() const override;
    // The rule text of the dialog's game, from its editor.
    std::string RuleText() const;

    // The questions the page asks, replaceable for tests.
    std::function<std::optional<QString>(const QString& caption, const QString& prompt)> AskText;
    std::function<bool(TUserRuleFields& fields)> AskUserRule;
    // Runs a question (a message or a dialog); the settings dialog keeps its edits meanwhile.
    std::function<void(const std::function<void()>& ask)> Asking;
    std::function<void()> OnStatesCountChanged; // the dialog redraws its colours preview
    std::function<void()> OnAccept;             // a double-click on a famous rule
    std::function<void(const char* topic)> OnHelp;

    // Whether "Symmetrical rule" is checked; the General page shows it too.
    bool Symmetry() const;
    void SetSymmetry(bool on);

    void RandomRules();

private:
    // The editor's side of the page.
    int32_t BoardStatesCount() const override;
    void SetStatesCount(int32_t count) override;
    std::optional<QString> Ask(const QString& caption, const QString& prompt) override;
    void Tell(const char* text, const char* caption, TMsgIcon icon) override;
    TRandom& Random() override;
    int32_t TableSparseness() const override;
    void TextChanged() override;

    QWidget* CreateFamousRules();
    TRuleEditor* EditorOf(int game) const;
    void ShowGamePage();
    void ShowRuleDetails();

    void FillFamousRules();
    void FamousRuleSelected();
    void SelectMatchingRule();
    void SelectRule(int preferred);
    void SaveRuleAs();
    void EditRule();
    void DeleteRule();
    int SelectedRule() const;

    TGlobals& FGlobals;
    TConfiguration& FConfig;
    bool FReload = true;

    QComboBox* cmbGame = nullptr;
    QSpinBox* spnGame = nullptr;
    QWidget* pnlColorsCount = nullptr;
    QSpinBox* spnColorsCount = nullptr;
    QStackedWidget* FEditors = nullptr;
    // The editor of each game, by game index - 1; Life, Generations and Vote for Life share one.
    std::array<TRuleEditor*, 9> FEditorOf{};
    TWLifeRuleEditor* FWLife = nullptr;
    // Famous rules.
    QTreeWidget* lvRules = nullptr;
    QPlainTextEdit* memoRules = nullptr;
    QLabel* lblRuleCharacter = nullptr;
    QPushButton* cmdRandomRules = nullptr;
    QPushButton* cmdRuleSaveAs = nullptr;
    QPushButton* cmdRuleEdit = nullptr;
    QPushButton* cmdRuleDelete = nullptr;
};
