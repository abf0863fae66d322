#include "ui/u_RecordDialog.h"

#include "ui/u_DialogButtons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr const char* kHelpTopic = "ID_RECORDING";
constexpr int32_t kDefaultDelayMs = 100;

} // namespace

TfrmRecord::TfrmRecord(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmRecord");
    setWindowTitle("Record animation");

    auto* grpArea = new QGroupBox("Area");
    auto* areaBox = new QVBoxLayout(grpArea);
    FAreas = new QButtonGroup(this);
    const std::pair<const char*, const char*> areas[] = {
        {"rdiAreaVisible", "The visible window"},
        {"rdiAreaLive", "The live cells, growing with them"},
        {"rdiAreaAll", "The whole universe"}};
    for (int id = 0; id < 3; ++id) {
        QRadioButton* area = NamedRadio(areas[id].first, areas[id].second);
        FAreas->addButton(area, id);
        areaBox->addWidget(area);
    }

    auto* grpFrames = new QGroupBox("Frames");
    auto* frameForm = new QFormLayout(grpFrames);
    spnCellSize = NumberBox("spnCellSize", kMinPictureCellSize, kMaxPictureCellSize);
    chkGrid = new QCheckBox("With grid (cell size 3 and more)");
    chkGrid->setObjectName("chkGrid");
    spnEvery = NumberBox("spnEvery", 1, kMaxRecordEvery);
    spnFrames = NumberBox("spnFrames", 1, kMaxRecordFrames);
    frameForm->addRow("Cell size (pixels):", spnCellSize);
    frameForm->addRow("", chkGrid);
    frameForm->addRow("A frame every (generations):", spnEvery);
    frameForm->addRow("At most (frames):", spnFrames);

    auto* grpDelay = new QGroupBox("Time between frames");
    rdiDelayRun = NamedRadio("rdiDelayRun", "From the run speed");
    rdiDelayGiven = NamedRadio("rdiDelayGiven", "Given (ms):");
    spnDelay = NumberBox("spnDelay", 10, kMaxFrameDelayMs);
    spnDelay->setValue(kDefaultDelayMs);
    connect(spnDelay, &QSpinBox::valueChanged, rdiDelayGiven,
            [this] { rdiDelayGiven->setChecked(true); });
    auto* delayRow = new QHBoxLayout(grpDelay);
    delayRow->addWidget(rdiDelayRun);
    delayRow->addWidget(rdiDelayGiven);
    delayRow->addWidget(spnDelay);
    delayRow->addStretch();

    QPushButton* cmdRecord = CommandButton("cmdRecord", "&Record...", true);
    QPushButton* cmdCancel = CommandButton("cmdCancel", "&Cancel", false);
    cmdHelp = CommandButton("cmdHelp", "&Help", false);
    connect(cmdRecord, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    ConnectHelp(cmdHelp, OnHelp, kHelpTopic);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cmdRecord);
    buttonRow->addWidget(cmdCancel);
    buttonRow->addWidget(cmdHelp);

    auto* form = new QVBoxLayout(this);
    form->addWidget(grpArea);
    form->addWidget(grpFrames);
    form->addWidget(grpDelay);
    form->addWidget(new QLabel("The recording starts with the board as it is now and ends\n"
                               "when the run stops or the last frame is taken."));
    form->addLayout(buttonRow);
    setFixedSize(sizeHint());

    AskSaveFile = [this] {
        QFileDialog dialog(this, "Record animation");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter("GIF animations (*.gif)");
        dialog.setDefaultSuffix("gif");
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
}

QSpinBox* TfrmRecord::NumberBox(const char* name, int min, int max)
{
    auto* box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(min, max);
    return box;
}

bool TfrmRecord::Execute(QString& path)
{
    TRecordOptions& options = Options;
    cmdHelp->setEnabled(static_cast<bool>(OnHelp));
    options.Clamp();
    FAreas->button(int(options.Area))->setChecked(true);
    spnCellSize->setValue(options.CellSize);
    chkGrid->setChecked(options.Grid);
    spnEvery->setValue(options.Every);
    spnFrames->setValue(options.MaxFrames);
    if (options.DelayMs > 0) spnDelay->setValue(options.DelayMs);
    (options.DelayMs > 0 ? rdiDelayGiven : rdiDelayRun)->setChecked(true);
    if (exec() != QDialog::Accepted) return false;

    options.Area = TRecordArea(FAreas->checkedId());
    options.CellSize = spnCellSize->value();
    options.Grid = chkGrid->isChecked();
    options.Every = spnEvery->value();
    options.MaxFrames = spnFrames->value();
    options.DelayMs = rdiDelayGiven->isChecked() ? spnDelay->value() : 0;
    path = AskSaveFile();
    return !path.isEmpty();
}
