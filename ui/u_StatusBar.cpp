#include "ui/u_StatusBar.h"

#include "view/u_StatusTexts.h"

#include <QMouseEvent>

namespace {

void SetText(QLabel* field, const std::string& text)
{
    const QString value = QString::fromStdString(text);
    // Setting the same text still lays the bar out again, and a run sets it every generation.
    if (field->text() != value) field->setText(value);
}

} // namespace

TStatusField::TStatusField(const char* name, int width, const QString& hint, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(name);
    setToolTip(hint);
    // The default widths are the least; a larger font widens the field rather than cut it.
    setMinimumWidth(width);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setTextFormat(Qt::PlainText);
}

void TStatusField::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) emit RightPressed(event->globalPosition().toPoint());
    QLabel::mousePressEvent(event);
}

void TStatusField::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) emit DoubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

TMainStatusBar::TMainStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName("sttBar");
    sttFldStatus = new TStatusField("sttFldStatus", 59, tr("Status"), this);
    sttFldCycle = new TStatusField("sttFldCycle", 61, tr("Cycle number"), this);
    sttFldAlive = new TStatusField("sttFldAlive", 57, tr("Count of alive cells"), this);
    sttFldGame = new TStatusField("sttFldGame", 65, tr("Current game"), this);
    sttFldRules = new TStatusField("sttFldRules", 89, tr("Current rules"), this);
    sttFldSpeed = new TStatusField("sttFldSpeed", 65, tr("Speed, x/1000 ms"), this);
    sttFldCoords = new TStatusField("sttFldCoords", 69, tr("Cell state, mouse coordinates"), this);
    sttFldBoard = new TStatusField("sttFldBoard", 120,
                                   tr("[B]oard size, cell [S]ize, [W]rap status, [C]olors"), this);
    // Some rule texts run long; the field shows their start rather than push the others away.
    sttFldRules->setMaximumWidth(240);
    // The game and rules fields stand out in maroon.
    for (QLabel* field : {static_cast<QLabel*>(sttFldGame), static_cast<QLabel*>(sttFldRules)})
        field->setStyleSheet("color: #800000;");
    for (QLabel* field : {sttFldStatus, sttFldCycle, sttFldAlive, sttFldGame, sttFldRules,
                          sttFldSpeed, sttFldCoords})
        addWidget(field);
    addWidget(sttFldBoard, 1);
    // Shown only while a run is recorded.
    sttFldRec = new TStatusField("sttFldRec", 70, tr("Frames recorded"), this);
    sttFldRec->setStyleSheet("color: #c00000;");
    sttFldRec->hide();
    addWidget(sttFldRec);
    sttFldCoords->setText("-");
}

void TMainStatusBar::Show(const TStatusTexts& texts, bool full)
{
    SetText(sttFldStatus, texts.Status);
    SetText(sttFldCycle, texts.Cycle);
    SetText(sttFldAlive, texts.Alive);
    if (!full) return;
    SetText(sttFldGame, texts.Game);
    sttFldGame->setToolTip(tr("Game ") + QString::fromStdString(texts.Game));
    SetText(sttFldRules, texts.Rules);
    SetText(sttFldSpeed, texts.Speed);
    SetText(sttFldBoard, texts.BoardInfo);
}

void TMainStatusBar::ShowCoordinates(const QString& text)
{
    if (sttFldCoords->text() != text) sttFldCoords->setText(text);
}

void TMainStatusBar::ShowRecording(int frames)
{
    sttFldRec->setVisible(frames >= 0);
    if (frames >= 0) SetText(sttFldRec, "REC " + std::to_string(frames));
}
