#include "ui/u_QtHost.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QString>
#include <QTimer>

namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QMessageBox::Icon ToBoxIcon(TMsgIcon icon)
{
    switch (icon) {
    case TMsgIcon::Information:
        return QMessageBox::Information;
    case TMsgIcon::Warning:
        return QMessageBox::Warning;
    case TMsgIcon::Error:
        return QMessageBox::Critical;
    case TMsgIcon::Question:
        return QMessageBox::Question;
    case TMsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

TQtHost::~TQtHost()
{
    // A window closed in the middle of a long operation must not leave the cursor busy.
    if (FWaitDepth > 0) QApplication::restoreOverrideCursor();
}

TMsgAnswer TQtHost::ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                                TMsgButtons buttons)
{
    const bool yesNo = buttons != TMsgButtons::Ok;
    QMessageBox box(ToBoxIcon(icon), ToQString(caption), ToQString(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, &FWindow);
    if (yesNo)
        box.setDefaultButton(buttons == TMsgButtons::YesNoDefaultNo ? QMessageBox::No
                                                                    : QMessageBox::Yes);
    const int answer = box.exec();
    if (!yesNo) return TMsgAnswer::Ok;
    // Closing the box without choosing counts as No, the answer that changes nothing.
    return answer == QMessageBox::Yes ? TMsgAnswer::Yes : TMsgAnswer::No;
}

void TQtHost::ProcessEvents()
{
    if (OnProcessEvents) OnProcessEvents();
    QCoreApplication::processEvents();
}

void TQtHost::WaitForEvents(int32_t milliseconds)
{
    if (OnProcessEvents) OnProcessEvents();
    // The timer's event ends the wait at the latest when it is due.
    QTimer due;
    due.setSingleShot(true);
    due.setTimerType(Qt::PreciseTimer);
    due.start(milliseconds);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TQtHost::PlaySound(std::string_view name)
{
    if (SoundOn) FSounds.Play(name);
}

std::string TQtHost::ClipboardText()
{
    QString text = QGuiApplication::clipboard()->text();
    if (text.size() > kMaxClipboardChars) {
        // Do not leave half of a surrogate pair at the cut.
        qsizetype cut = kMaxClipboardChars;
        if (text.at(cut - 1).isHighSurrogate()) --cut;
        text.truncate(cut);
    }
    return text.toStdString();
}

void TQtHost::SetClipboardText(std::string_view text)
{
    QGuiApplication::clipboard()->setText(ToQString(text));
}

void TQtHost::SetWaitCursor(bool on)
{
    if (on) {
        if (FWaitDepth++ == 0) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else if (FWaitDepth > 0 && --FWaitDepth == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void TQtHost::Refresh(unsigned what)
{
    if (OnRefresh) OnRefresh(what);
}

void TQtHost::ShowProgress(std::string_view text)
{
    // Painted at once: the long operations that show progress do not all let events run.
    if (auto* window = qobject_cast<QMainWindow*>(&FWindow)) {
        window->statusBar()->showMessage(ToQString(text));
        window->statusBar()->repaint();
    }
}

void TQtHost::EndProgress()
{
    if (auto* window = qobject_cast<QMainWindow*>(&FWindow)) window->statusBar()->clearMessage();
}
