#pragma once
// The settings dialog's Rules page: the game, its states count and one editor per game whose
// controls and text are kept in step, the famous rules of the game with the user's own saved,
// edited and deleted there, and random rules. The board changes only through ApplyRules.

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;
class QTreeWidget;
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

class TRulesPage : public QWidget {
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

    int Game() const;
    int32_t StatesCount() const;
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
    QWidget* CreateLifeEditor();
    QWidget* CreateWLifeEditor();
    QWidget* CreateRTableEditor();
    QWidget* CreateCyclicEditor();
    QWidget* Create1DEditor();
    QWidget* CreateSpecialEditor();
    QWidget* CreateFamousRules();
    QLineEdit* TextField(const char* name);

    void ShowGamePage();
    void ShowRuleDetails();
    QLineEdit* TextFieldOf(int game) const;
    void ControlsToText();
    void TextToControls(int game);
    void LifeTextToControls();
    void WLifeTextToControls();
    void RTableTextToControls();
    void CyclicTextToControls();
    void OneDTextToControls();
    void SpecialTextToControls();
    void RTableChanged();
    void SetRTableColumns();
    void CyclicRangeChanged();
    void EnableOneDBoxes();
    void WeightChanged(int index);
    void AddSumsTo(QListWidget* list);
    void DeleteSum(QListWidget* list);
    void FillSums(QListWidget* list, const std::vector<int32_t>& sums);
    std::vector<int32_t> Sums(const QListWidget* list) const;
    void Only3Changed();
    void NlukyClick();

    void FillFamousRules();
    void FamousRuleSelected();
    void SelectMatchingRule();
    void SaveRuleAs();
    void EditRule();
    void DeleteRule();
    int SelectedRule() const;

    TGlobals& FGlobals;
    TConfiguration& FConfig;
    bool FReload = true;
    bool FBusy = false; // a text and its controls are being put in step

    QComboBox* cmbGame = nullptr;
    QSpinBox* spnGame = nullptr;
    QWidget* pnlColorsCount = nullptr;
    QSpinBox* spnColorsCount = nullptr;
    QStackedWidget* FEditors = nullptr;
    // Life, Generations, Vote for Life.
    QWidget* pnlRulesLife = nullptr;
    QGroupBox* grpRulesS = nullptr;
    QGroupBox* grpRulesB = nullptr;
    std::array<QCheckBox*, 10> chkRuleS{};
    std::array<QCheckBox*, 10> chkRuleB{};
    QLineEdit* fldRules = nullptr;
    QPushButton* cmdNLUKY = nullptr;
    // Weighted Life.
    QWidget* pnlRulesWLife = nullptr;
    std::array<QSpinBox*, 9> spnWeight{};
    QListWidget* lisWeightS = nullptr;
    QListWidget* lisWeightB = nullptr;
    QCheckBox* chkWLifeSymmetry = nullptr;
    QCheckBox* chkWLifeHist = nullptr;
    QLineEdit* fldWRules = nullptr;
    // Rules table.
    QWidget* pnlRulesRTable = nullptr;
    QTableWidget* grdRTable = nullptr;
    QRadioButton* chkRTNghTyp1 = nullptr;
    QRadioButton* chkRTNghTyp2 = nullptr;
    QCheckBox* chkRTableCtrCell = nullptr;
    QCheckBox* chkRTableAll1Fire = nullptr;
    QLineEdit* fldRTRules = nullptr;
    // Cyclic CA.
    QWidget* pnlRulesCyclic = nullptr;
    QSpinBox* spnCyclRange = nullptr;
    QSpinBox* spnCyclThreshold = nullptr;
    QLabel* lblCyclThreshold = nullptr;
    QRadioButton* chkCyclNghTyp1 = nullptr;
    QRadioButton* chkCyclNghTyp2 = nullptr;
    QCheckBox* chkCyclGH = nullptr;
    QLineEdit* fldCyclRules = nullptr;
    // 1-D totalistic.
    QWidget* pnlRules1DTo = nullptr;
    QSpinBox* spn1DToRange = nullptr;
    std::array<QCheckBox*, 22> chk1DToS{};
    std::array<QCheckBox*, 22> chk1DToB{};
    QCheckBox* chk1DToCenter = nullptr;
    QCheckBox* chk1DToHistory = nullptr;
    QLineEdit* fld1DToRules = nullptr;
    // User DLL.
    QWidget* pnlRulesUserDLL = nullptr;
    QLineEdit* fldUserRules = nullptr;
    // Special rules.
    QWidget* pnlRulesSpec = nullptr;
    QLineEdit* fldTRCADelta1 = nullptr;
    QLineEdit* fldTRCADelta2 = nullptr;
    QLineEdit* fldTRCAEpsilon = nullptr;
    QLineEdit* fldTRCAGamma = nullptr;
    QCheckBox* chkTRCAOnly3 = nullptr;
    QLineEdit* fldSpecRules = nullptr;
    // Famous rules.
    QTreeWidget* lvRules = nullptr;
    QPlainTextEdit* memoRules = nullptr;
    QLabel* lblRuleCharacter = nullptr;
    QPushButton* cmdRandomRules = nullptr;
    QPushButton* cmdRuleSaveAs = nullptr;
    QPushButton* cmdRuleEdit = nullptr;
    QPushButton* cmdRuleDelete = nullptr;
};
