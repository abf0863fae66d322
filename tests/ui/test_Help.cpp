#include "ui/u_HelpWindow.h"
#include "ui/u_QtHost.h"
#include "ui/u_Sounds.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtEndian>
#include <QtTest>

namespace {

// The topics the program's dialogs and commands ask for.
const char* const kTopics[] = {
    "ID_SETTINGS_GENERAL",  "ID_SETTINGS_BOARD", "ID_SETTINGS_COLORS", "ID_SETTINGS_RULES",
    "ID_SETTINGS_OPENSAVE", "ID_SETTINGS_UNDO",  "ID_UI_UNDO",         "ID_RUN_N",
    "ID_RANDOMIZING",       "ID_PTT_EXPLORING",  "ID_RECORDING"};
const char* const kSounds[] = {"SND_OPEN", "SND_DROP", "SND_DELETE", "SND_BLIP01", "SND_BLIP02"};
const QUrl kContents("qrc:/help/index.html");

QStringList AnchorNames(const QTextDocument& document)
{
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            names += it.fragment().charFormat().anchorNames();
    return names;
}

int WarningCount = 0;
void CountWarnings(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtDebugMsg && type != QtInfoMsg) ++WarningCount;
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private:
    static QTextBrowser* Browser(TfrmHelp& help)
    {
        auto* browser = help.findChild<QTextBrowser*>("brwHelp");
        if (!browser) qFatal("no help browser");
        return browser;
    }

private slots:
    void EveryTopicOpensAtItsAnchor()
    {
        TfrmHelp help;
        QTextBrowser* browser = Browser(help);
        for (const char* topic : kTopics) {
            help.ShowTopic(topic);
            QVERIFY(help.isVisible());
            QCOMPARE(browser->source().fragment(), QString(topic));
            QVERIFY2(AnchorNames(*browser->document()).contains(topic), topic);
        }
        QCOMPARE(help.windowTitle(), QString("Velko's Gridfest - Help"));
        QVERIFY(!help.isModal());

        // The anchor scrolls its part of a long page into view.
        help.ShowTopic("ID_SETTINGS_RULES");
        const int rules = browser->verticalScrollBar()->value();
        help.ShowTopic("ID_SETTINGS_GENERAL");
        QVERIFY(browser->verticalScrollBar()->value() < rules);
    }

    void UnknownTopicShowsTheContents()
    {
        TfrmHelp help;
        for (const QString topic : {"", "ID_NO_SUCH_TOPIC", "id_run_n"}) {
            help.ShowTopic("ID_RUN_N");
            help.ShowTopic(topic);
            QCOMPARE(Browser(help)->source(), kContents);
            QVERIFY(!Browser(help)->toPlainText().isEmpty());
        }
    }

    void BackForwardAndContentsRetraceThePages()
    {
        TfrmHelp help;
        QTextBrowser* browser = Browser(help);
        auto* btnBack = help.findChild<QPushButton*>("btnBack");
        auto* btnForward = help.findChild<QPushButton*>("btnForward");
        help.ShowTopic("ID_UI_UNDO");
        help.ShowTopic("ID_RANDOMIZING");
        QVERIFY(btnBack->isEnabled());
        QVERIFY(!btnForward->isEnabled());
        btnBack->click();
        QCOMPARE(browser->source().fragment(), QString("ID_UI_UNDO"));
        QVERIFY(btnForward->isEnabled());
        btnForward->click();
        QCOMPARE(browser->source().fragment(), QString("ID_RANDOMIZING"));
        help.findChild<QPushButton*>("btnContents")->click();
        QCOMPARE(browser->source(), kContents);
    }

    void EveryLinkLeadsToAPageAndAnchor()
    {
        TfrmHelp help; // brings in the pages
        const QStringList pages = QDir(":/help").entryList({"*.html"});
        QVERIFY(pages.contains("index.html"));
        for (const QString& page : pages) {
            QFile file(":/help/" + page);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTextDocument document;
            document.setHtml(QString::fromUtf8(file.readAll()));
            const QUrl base("qrc:/help/" + page);
            for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QString href = it.fragment().charFormat().anchorHref();
                    if (href.isEmpty()) continue;
                    const QUrl target = base.resolved(QUrl(href));
                    const QString where = page + " -> " + href;
                    QVERIFY2(target.scheme() == "qrc", qPrintable(where));
                    QFile linked(":" + target.path());
                    QVERIFY2(linked.open(QIODevice::ReadOnly), qPrintable(where));
                    if (!target.hasFragment()) continue;
                    QTextDocument targetDocument;
                    targetDocument.setHtml(QString::fromUtf8(linked.readAll()));
                    QVERIFY2(AnchorNames(targetDocument).contains(target.fragment()),
                             qPrintable(where));
                }
            }
        }
    }

    void SoundsAreShortMonoWaves()
    {
        TSoundPlayer player; // brings in the sounds
        for (const char* name : kSounds) {
            QFile file(QString(":/sounds/%1.wav").arg(name));
            QVERIFY2(file.open(QIODevice::ReadOnly), name);
            const QByteArray wave = file.readAll();
            QVERIFY2(wave.size() > 44, name);
            const char* bytes = wave.constData();
            auto u16 = [bytes](int at) { return qFromLittleEndian<quint16>(bytes + at); };
            auto u32 = [bytes](int at) { return qFromLittleEndian<quint32>(bytes + at); };
            QVERIFY2(wave.startsWith("RIFF") && wave.mid(8, 8) == "WAVEfmt ", name);
            QCOMPARE(u32(4), quint32(wave.size() - 8));
            QCOMPARE(u16(20), quint16(1)); // PCM
            QCOMPARE(u16(22), quint16(1)); // mono
            QCOMPARE(u32(24), quint32(22050));
            QCOMPARE(u16(34), quint16(16));
            QCOMPARE(wave.mid(36, 4), QByteArray("data"));
            QCOMPARE(u32(40), quint32(wave.size() - 44));
            const double seconds = u32(40) / 2.0 / 22050;
            QVERIFY2(seconds >= 0.05 && seconds <= 0.3, name);
        }
    }

    void PlayingNeverFailsWithoutAudio()
    {
        QWidget window;
        TQtHost host(window);
        auto playAll = [&host] {
            for (const char* name : kSounds) host.PlaySound(name);
            host.PlaySound("SND_NONE");
            host.PlaySound("");
            QTest::qWait(20);
        };
        const QtMessageHandler previous = qInstallMessageHandler(CountWarnings);
        host.SoundOn = false;
        playAll();
        host.SoundOn = true;
        playAll();
        // A machine without audio may say so once, but not again for every sound.
        const int first = WarningCount;
        for (int round = 0; round < 3; ++round) playAll();
        qInstallMessageHandler(previous);
        QCOMPARE(WarningCount, first);
    }
};

QTEST_MAIN(TestHelp)
#include "test_Help.moc"
