#include "ui/u_HelpWindow.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The pages are built into this static library and nothing else refers to them, so the linker
// would leave them out without this call.
static void InitHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace {

constexpr const char* kContents = "qrc:/help/index.html";

// The page of each topic; on its page the topic is an anchor of the same name.
struct TTopicPage {
    const char* Topic;
    const char* Page;
};
constexpr TTopicPage kTopics[] = {
    {"ID_PTT_EXPLORING", "exploring.html"},
    {"ID_RUN_N", "running.html"},
    {"ID_UI_UNDO", "undo.html"},
    {"ID_RANDOMIZING", "randomizing.html"},
    {"ID_SETTINGS_GENERAL", "settings.html"},
    {"ID_SETTINGS_BOARD", "settings.html"},
    {"ID_SETTINGS_COLORS", "settings.html"},
    {"ID_SETTINGS_RULES", "settings.html"},
    {"ID_SETTINGS_OPENSAVE", "settings.html"},
    {"ID_SETTINGS_UNDO", "settings.html"},
    {"ID_RECORDING", "pictures.html"},
};

QUrl TopicUrl(const QString& topic)
{
    for (const TTopicPage& entry : kTopics)
        if (topic == QLatin1String(entry.Topic))
            return QUrl(QStringLiteral("qrc:/help/%1#%2").arg(entry.Page, entry.Topic));
    return QUrl(kContents);
}

} // namespace

TfrmHelp::TfrmHelp(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    InitHelpResources();
    setObjectName("frmHelp");
    setWindowTitle("Velko's Gridfest - Help");

    brwHelp = new QTextBrowser;
    brwHelp->setObjectName("brwHelp");
    brwHelp->setOpenExternalLinks(false);

    btnBack = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), "&Back");
    btnBack->setObjectName("btnBack");
    btnBack->setEnabled(false);
    btnForward = new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward), "&Forward");
    btnForward->setObjectName("btnForward");
    btnForward->setEnabled(false);
    btnContents = new QPushButton(style()->standardIcon(QStyle::SP_DirHomeIcon), "&Contents");
    btnContents->setObjectName("btnContents");
    for (QPushButton* button : {btnBack, btnForward, btnContents}) button->setAutoDefault(false);

    connect(btnBack, &QPushButton::clicked, brwHelp, &QTextBrowser::backward);
    connect(btnForward, &QPushButton::clicked, brwHelp, &QTextBrowser::forward);
    connect(btnContents, &QPushButton::clicked, this,
            [this] { brwHelp->setSource(QUrl(kContents)); });
    connect(brwHelp, &QTextBrowser::backwardAvailable, btnBack, &QPushButton::setEnabled);
    connect(brwHelp, &QTextBrowser::forwardAvailable, btnForward, &QPushButton::setEnabled);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(btnBack);
    buttonRow->addWidget(btnForward);
    buttonRow->addWidget(btnContents);
    buttonRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttonRow);
    layout->addWidget(brwHelp);
    resize(640, 600);
}

void TfrmHelp::ShowTopic(const QString& topic)
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    // Shown first, so that the browser can scroll the topic's anchor to the top.
    brwHelp->setSource(TopicUrl(topic));
}
