#include "ui/u_UndoDialog.h"

#include "base/u_Caption.h"
#include "engine/u_Globals.h"
#include "ui/u_DialogButtons.h"
#include "ui/u_Pictures.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr const char* kHelpTopic = "ID_UI_UNDO";
enum TColumn { colEvent, colPattern, colCycle, colCells, colIndex, kColumnCount };
constexpr TColumn kNumberColumns[] = {colCycle, colCells};

QIcon EventIcon(TUndoEvent event)
{
    const std::optional<TPicture> picture =
        PictureByName(kUndoEvents[static_cast<size_t>(event)].Icon);
    return picture ? Picture(*picture) : QIcon();
}

} // namespace

TfrmUndo::TfrmUndo(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmUndo");
    setWindowTitle("Undo - select the cycle");

    lvUndo = new QTreeWidget;
    lvUndo->setObjectName("lvUndo");
    lvUndo->setColumnCount(kColumnCount);
    lvUndo->setHeaderLabels({"Event", "Pattern", "Cycle No.", "No. of cells", "#"});
    for (int column : kNumberColumns)
        lvUndo->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    lvUndo->headerItem()->setTextAlignment(colIndex, Qt::AlignCenter);
    lvUndo->setRootIsDecorated(false);
    lvUndo->setUniformRowHeights(true);
    lvUndo->setAllColumnsShowFocus(true);
    lvUndo->setSelectionMode(QAbstractItemView::SingleSelection);
    lvUndo->setIconSize(QSize(16, 16));
    lvUndo->header()->setStretchLastSection(false);
    lvUndo->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lvUndo->header()->setSectionResizeMode(colPattern, QHeaderView::Stretch);
    lvUndo->header()->setSectionsMovable(false);
    lvUndo->header()->setMinimumSectionSize(fontMetrics().horizontalAdvance("  0000*  "));
    lvUndo->setMinimumSize(fontMetrics().horizontalAdvance(QString(56, 'x')),
                           fontMetrics().height() * 14);

    lblIndex = new QLabel;
    lblIndex->setObjectName("lblIndex");
    lblIndex->setEnabled(false); // a quiet note rather than a message

    cmdGoTo = CommandButton("cmdGoTo", "&Go to", true);
    cmdCancel = CommandButton("cmdCancel", "&Cancel", false);
    cmdHelp = CommandButton("cmdHelp", "&Help", false);

    connect(lvUndo, &QTreeWidget::itemSelectionChanged, this,
            [this] { cmdGoTo->setEnabled(SelectedStep() >= 0); });
    connect(lvUndo, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(cmdGoTo, &QPushButton::clicked, this, [this] {
        if (SelectedStep() >= 0) accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    ConnectHelp(cmdHelp, OnHelp, kHelpTopic);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(lblIndex);
    buttonRow->addStretch();
    buttonRow->addWidget(cmdGoTo);
    buttonRow->addWidget(cmdCancel);
    buttonRow->addWidget(cmdHelp);

    auto* form = new QVBoxLayout(this);
    form->addWidget(new QLabel("Select the cycle to jump back to:"));
    form->addWidget(lvUndo, 1);
    form->addLayout(buttonRow);
}

bool TfrmUndo::Execute(TGlobals& globals)
{
    cmdHelp->setEnabled(static_cast<bool>(OnHelp));
    ShowSteps(globals.Undo);
    if (exec() != QDialog::Accepted) return false;
    const int index = SelectedStep();
    // The history may be busy with a snapshot the dialog was opened in the middle of.
    if (index < 0 || index >= globals.Undo.Count() || globals.Undo.Busy()) return false;
    globals.Run.Stop();
    globals.Undo.GoTo(index, true, true);
    return true;
}

void TfrmUndo::ShowSteps(const TUndo& undo)
{
    lvUndo->clear();
    const int current = undo.CurrentIndex();
    QList<QTreeWidgetItem*> rows;
    for (int i = 0; i < undo.Count(); ++i) {
        const TUndoStep& step = undo.Step(i);
        auto* row = new QTreeWidgetItem;
        row->setIcon(colEvent, EventIcon(step.Event));
        row->setText(colPattern, QString::fromStdString(std::string(NamePart(step.FileName))));
        row->setText(colCycle, QString::number(step.Cycle));
        row->setText(colCells, QString::number(step.Cells));
        row->setText(colIndex, QString::number(i) + (i == current ? "*" : ""));
        for (int column : kNumberColumns)
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        // Centred, clear of the numbers before it; the current step's "*" trails its number.
        row->setTextAlignment(colIndex, Qt::AlignCenter);
        rows.append(row);
    }
    lvUndo->addTopLevelItems(rows);
    lblIndex->setText(QString("i:%1, c:%2").arg(current).arg(undo.Count()));

    QTreeWidgetItem* currentRow = lvUndo->topLevelItem(current);
    if (currentRow) {
        lvUndo->setCurrentItem(currentRow);
        lvUndo->scrollToItem(currentRow);
    }
    cmdGoTo->setEnabled(SelectedStep() >= 0);
    lvUndo->setFocus();
}

int TfrmUndo::SelectedStep() const
{
    const QList<QTreeWidgetItem*> selected = lvUndo->selectedItems();
    return selected.isEmpty() ? -1 : lvUndo->indexOfTopLevelItem(selected.first());
}
