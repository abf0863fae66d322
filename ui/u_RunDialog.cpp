#include "ui/u_RunDialog.h"

#include "base/u_Text.h"
#include "engine/u_Run.h"
#include "ui/u_DialogButtons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr const char* kHelpTopic = "ID_RUN_N";
constexpr int kRedrawSteps[] = {1, 10, 20, 50, 100, 200, 500, 1000};
// Room for any int32 with its sign.
constexpr int kFieldChars = 11;

} // namespace

TfrmRun::TfrmRun(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmRun");
    setWindowTitle("Run n cycles");

    auto* grpMode = new QGroupBox("Runing mode");
    rdiMdeFor = new QRadioButton("Run for ");
    rdiMdeFor->setObjectName("rdiMdeFor");
    rdiMdeTo = new QRadioButton("Run up to cycle");
    rdiMdeTo->setObjectName("rdiMdeTo");
    rdiMdeCon = new QRadioButton("Run continuously");
    rdiMdeCon->setObjectName("rdiMdeCon");
    FModes = new QButtonGroup(this);
    FModes->addButton(rdiMdeFor, TRunN::rmFor);
    FModes->addButton(rdiMdeTo, TRunN::rmUpTo);
    FModes->addButton(rdiMdeCon, TRunN::rmContinuously);
    fldRunFor = NumberField("fldRunFor", rdiMdeFor);
    fldRunUpTo = NumberField("fldRunUpTo", rdiMdeTo);

    auto* modeGrid = new QGridLayout(grpMode);
    modeGrid->addWidget(rdiMdeFor, 0, 0);
    modeGrid->addWidget(fldRunFor, 0, 1);
    modeGrid->addWidget(new QLabel("cycles"), 0, 2);
    modeGrid->addWidget(rdiMdeTo, 1, 0);
    modeGrid->addWidget(fldRunUpTo, 1, 1);
    modeGrid->addWidget(rdiMdeCon, 2, 0, 1, 3);
    chkStopPeriodic = new QCheckBox("Stop when periodic");
    chkStopPeriodic->setObjectName("chkStopPeriodic");
    chkStopPeriodic->setToolTip("Stop once the pattern has repeated itself for one full period");
    modeGrid->addWidget(chkStopPeriodic, 3, 0, 1, 3);
    modeGrid->setColumnStretch(3, 1);

    auto* grpRedraw = new QGroupBox("Redrawing");
    fldRedraw = NumberField("fldRedraw", nullptr);
    auto* redrawRow = new QHBoxLayout;
    redrawRow->addWidget(new QLabel("Redraw the universe every "));
    redrawRow->addWidget(fldRedraw);
    redrawRow->addWidget(new QLabel("cycle(s)"));
    redrawRow->addStretch();

    auto* stepRow = new QHBoxLayout;
    stepRow->setSpacing(2);
    const int stepWidth = fontMetrics().horizontalAdvance("00000") + 8;
    for (int step : kRedrawSteps) {
        const QString text = QString::number(step);
        auto* cmdStep = new QPushButton(text);
        cmdStep->setObjectName("cmdRedr" + text);
        cmdStep->setFixedWidth(stepWidth);
        cmdStep->setAutoDefault(false);
        connect(cmdStep, &QPushButton::clicked, this, [this, text] { fldRedraw->setText(text); });
        stepRow->addWidget(cmdStep);
    }

    cmdRedrBHeight = new QPushButton("Board height");
    cmdRedrBHeight->setObjectName("cmdRedrBHeight");
    cmdRedrBHeight->setToolTip("Especially useful in 1-D CA");
    cmdRedrBHeight->setAutoDefault(false);
    connect(cmdRedrBHeight, &QPushButton::clicked, this,
            [this] { fldRedraw->setText(QString::number(FBoardHeight)); });
    auto* heightRow = new QHBoxLayout;
    heightRow->addWidget(cmdRedrBHeight);
    heightRow->addStretch();

    auto* redrawBox = new QVBoxLayout(grpRedraw);
    redrawBox->addLayout(redrawRow);
    redrawBox->addLayout(stepRow);
    redrawBox->addLayout(heightRow);

    cmdRun = CommandButton("cmdRun", "&Run", true);
    cmdCancel = CommandButton("cmdCancel", "&Cancel", false);
    cmdHelp = CommandButton("cmdHelp", "&Help", false);
    connect(cmdRun, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    ConnectHelp(cmdHelp, OnHelp, kHelpTopic);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cmdRun);
    buttonRow->addWidget(cmdCancel);
    buttonRow->addWidget(cmdHelp);

    auto* form = new QVBoxLayout(this);
    form->addWidget(grpMode);
    form->addWidget(grpRedraw);
    form->addLayout(buttonRow);
    // Settled before the window exists; the dialog has nothing that grows.
    setFixedSize(sizeHint());
}

QLineEdit* TfrmRun::NumberField(const char* name, QRadioButton* mode)
{
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setMaxLength(kFieldChars);
    field->setFixedWidth(fontMetrics().horizontalAdvance(QString(kFieldChars, '0')) + 12);
    // Only the user's typing selects the mode, not the text the dialog puts in.
    if (mode) connect(field, &QLineEdit::textEdited, mode, [mode] { mode->setChecked(true); });
    return field;
}

bool TfrmRun::Execute(TRunN& request, int32_t boardHeight)
{
    FBoardHeight = boardHeight;
    cmdHelp->setEnabled(static_cast<bool>(OnHelp));
    ShowRequest(request);
    if (exec() != QDialog::Accepted) return false;
    StoreRequest(request);
    return true;
}

void TfrmRun::ShowRequest(const TRunN& request)
{
    // A mode the dialog does not offer shows as the first one.
    QAbstractButton* mode = FModes->button(request.RunMode);
    (mode ? mode : rdiMdeFor)->setChecked(true);
    fldRunFor->setText(QString::number(request.ForCycles));
    fldRunUpTo->setText(QString::number(request.UpToCycle));
    fldRedraw->setText(QString::number(request.RedrawEvery));
    chkStopPeriodic->setChecked(request.StopPeriodic);
    // Focus goes where a new number is most likely typed.
    QLineEdit* field = rdiMdeFor->isChecked()  ? fldRunFor
                       : rdiMdeTo->isChecked() ? fldRunUpTo
                                               : nullptr;
    if (!field) {
        cmdRun->setFocus();
        return;
    }
    field->setFocus();
    field->selectAll();
}

void TfrmRun::StoreRequest(TRunN& request) const
{
    const auto value = [](const QLineEdit* field) {
        const std::string text = field->text().toStdString();
        return SafeInt(Trim(text));
    };
    request.RunMode = FModes->checkedId();
    request.ForCycles = value(fldRunFor);
    request.UpToCycle = value(fldRunUpTo);
    request.RedrawEvery = value(fldRedraw);
    request.StopPeriodic = chkStopPeriodic->isChecked();
}
