#include "ui/u_DescriptionDialog.h"

#include "base/u_Host.h"
#include "engine/u_Globals.h"
#include "ui/u_DialogButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr const char* kHelpTopic = "ID_PTT_EXPLORING";
// Help sits in the middle of the button row, Ok and Cancel this far to either side.
constexpr int kButtonGap = 10;

QString JoinLines(const std::vector<std::string>& lines)
{
    QStringList text;
    for (const std::string& line : lines) text << QString::fromStdString(line);
    return text.join('\n');
}

// Every line of the text, empty ones included; an empty text has no lines at all. A line break
// at the very end only ends the last line: it starts no empty one, so that saving and reopening
// never grows the description.
std::vector<std::string> SplitLines(const QString& text)
{
    std::vector<std::string> lines;
    if (text.isEmpty()) return lines;
    QStringList pieces = text.split('\n');
    if (pieces.back().isEmpty()) pieces.removeLast();
    for (const QString& line : pieces) lines.push_back(line.toStdString());
    return lines;
}

} // namespace

TfrmDescription::TfrmDescription(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmDescription");
    setWindowTitle("Pattern description");

    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName("Memo1");
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setMinimumSize(fontMetrics().horizontalAdvance(QString(60, 'x')),
                          fontMetrics().lineSpacing() * 12);

    fldFile = new QLabel;
    fldFile->setObjectName("fldFile");
    fldFile->setFrameShape(QFrame::StyledPanel);
    fldFile->setFrameShadow(QFrame::Sunken);
    fldFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path must not widen the dialog.
    fldFile->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    // Enter in the text starts a new line rather than closing the dialog.
    cmdOk = CommandButton("cmdOk", "&Ok", false);
    cmdCancel = CommandButton("cmdCancel", "&Cancel", false);
    cmdHelp = CommandButton("cmdHelp", "&Help", false);
    // Equal widths keep Help in the very middle of the row.
    int buttonWidth = 0;
    for (QPushButton* button : {cmdOk, cmdCancel, cmdHelp})
        buttonWidth = std::max(buttonWidth, button->sizeHint().width());
    for (QPushButton* button : {cmdOk, cmdCancel, cmdHelp}) button->setFixedWidth(buttonWidth);

    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    ConnectHelp(cmdHelp, OnHelp, kHelpTopic);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(kButtonGap);
    buttonRow->addStretch();
    buttonRow->addWidget(cmdOk);
    buttonRow->addWidget(cmdHelp);
    buttonRow->addWidget(cmdCancel);
    buttonRow->addStretch();

    auto* form = new QVBoxLayout(this);
    form->addWidget(new QLabel("Read / enter notes describing this pattern:"));
    form->addWidget(Memo1, 1);
    form->addLayout(buttonRow);
    form->addWidget(fldFile);
}

bool TfrmDescription::Execute(TGlobals& globals)
{
    TDocument& document = globals.Document;
    cmdHelp->setEnabled(static_cast<bool>(OnHelp));
    const QString shown = JoinLines(document.Description);
    Memo1->setPlainText(shown);
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->setFocus();
    fldFile->setText("File: " + QString::fromStdString(document.FileName));
    if (exec() != QDialog::Accepted) return false;
    // Unchanged text keeps its lines exactly as read, whatever their bytes.
    const QString text = Memo1->toPlainText();
    if (text != shown) document.Description = SplitLines(text);
    globals.Board.SetModified(true);
    globals.Host.Refresh(rfCaption | rfMenus);
    return true;
}
