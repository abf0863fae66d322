#pragma once
// The "Randomize / seed" dialog: edits the random-fill settings, fills the board or the
// selection with them, and reads and writes randomizing sets.

#include "edit/u_RandomFill.h"

#include <QDialog>

#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class TBoardView;

class TfrmRandomPtt : public QDialog {
    Q_OBJECT

public:
    // Edits `settings`, which outlives the dialog; fills through `inOut` for seeds and takes the
    // visible universe from `view`.
    TfrmRandomPtt(TGlobals& globals, TRandomSettings& settings, TInOut& inOut,
                  const TBoardView& view, QWidget* parent);

    // Shows the settings and the dialog, without waiting for it.
    void Open();
    // Fills by the stored settings without showing the dialog.
    void Generate();

    // Opens a help topic; while it is empty the Help button is disabled.
    std::function<void(const char* topic)> OnHelp;
    // The file to save a randomizing set to, starting in `folder`; empty when cancelled.
    std::function<QString(const QString& folder)> AskSaveFile;

protected:
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QGroupBox* DensityGroup();
    QGroupBox* ActionGroup();
    QGroupBox* ModeGroup();
    QWidget* RectanglePage();
    QWidget* CirclePage();
    QGroupBox* PresetsGroup();
    QLineEdit* NumberField(const char* name, QRadioButton* choice);

    void ShowSettings();
    // What depends on the game, the states count and the selection.
    void ShowContext();
    void UpdateEnabling();
    void FillSetList();
    void StoreSettings();
    void GenerateClick();
    void UseClick();
    void SaveAsClick();

    TGlobals& FGlobals;
    TRandomSettings& FSettings;
    const TBoardView& FView;
    TRandomFill FFill;

    QGroupBox* grpDensity = nullptr;
    QButtonGroup* FDensities = nullptr; // ids are the percentages, the "Other %:" button's 0
    QRadioButton* rdiRndOther = nullptr;
    QSpinBox* spnRndOther = nullptr;
    QRadioButton* rdiClears = nullptr;
    QRadioButton* rdiAdds = nullptr;
    QRadioButton* rdiColor = nullptr;
    QCheckBox* chkUniform = nullptr;
    QRadioButton* rdiMono = nullptr;
    QSpinBox* spnRandomMonoState = nullptr;
    QRadioButton* rdiSeed = nullptr;
    QComboBox* cmbSeedFile = nullptr;
    QTabWidget* pgeWhat = nullptr;
    QWidget* FRectanglePage = nullptr;
    QWidget* FCirclePage = nullptr;
    QButtonGroup* FKinds = nullptr; // ids are the rectangle kinds, "Selection" 0
    QRadioButton* rdiRtgAll = nullptr;
    QRadioButton* rdiRtgVisible = nullptr;
    QRadioButton* rdiRtgRect = nullptr;
    QRadioButton* rdiRtgArea = nullptr;
    QRadioButton* rdiRtgSelection = nullptr;
    // The height and y fields with their labels, hidden for row games.
    std::vector<QWidget*> FSecondAxis;
    QLineEdit* fldRectX = nullptr;
    QLineEdit* fldRectY = nullptr;
    QLineEdit* fldAreaX1 = nullptr;
    QLineEdit* fldAreaY1 = nullptr;
    QLineEdit* fldAreaX2 = nullptr;
    QLineEdit* fldAreaY2 = nullptr;
    QLineEdit* fldCircleX = nullptr;
    QLineEdit* fldCircleY = nullptr;
    QLineEdit* fldCircleRdi = nullptr;
    QCheckBox* chkInterior = nullptr;
    QComboBox* cmbSelSet = nullptr;
    QPushButton* cmdHelp = nullptr;
};
