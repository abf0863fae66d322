// The main window's files: the open and save commands with their dialogs, the recent files,
// the file manager panel, and files dropped on the window.

#include "ui/u_Main.h"

#include "engine/u_Config.h"
#include "engine/u_Globals.h"
#include "io/u_InOut.h"
#include "ui/u_FileFilters.h"
#include "ui/u_FileManager.h"
#include "view/u_BoardMouse.h"
#include "view/u_BoardView.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSplitter>
#include <QUrl>

#include <array>

namespace {

// The save dialog's entries give these format codes, in their order.
constexpr std::array kSaveFormats{TSaveFormat::Optimal, TSaveFormat::Rle, TSaveFormat::Life105,
                                  TSaveFormat::Native, TSaveFormat::Life106};
// With this many recent files and more, they move into a submenu of their own.
constexpr size_t kRecentInSubmenu = 16;
// Longer names of dropped files are no names this program opens.
constexpr int kMaxDroppedName = 255;

std::string ToPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString FromPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Whether the document's name is a file of the person's own that is there.
bool IsExistingFile(const std::string& name)
{
    return name != kNonameFile && name != kClipboardFile && QFileInfo(FromPath(name)).isFile();
}

} // namespace

void TfrmMain::CreateFileManager()
{
    FFileManager = new TFileManager(this);
    FFileManager->setObjectName("pnlFileManager");
    FSplitter = new QSplitter(Qt::Horizontal, this);
    FSplitter->setObjectName("splFileManager");
    QWidget* area = takeCentralWidget();
    FSplitter->addWidget(FFileManager);
    FSplitter->addWidget(area);
    FSplitter->setStretchFactor(1, 1);
    FSplitter->setSizes({FConfig->Window.FileManagerWidth, width()});
    setCentralWidget(FSplitter);
    connect(FFileManager, &TFileManager::OpenRequested, this,
            [this](const QString& path) { OpenFile(path, true); });
    connect(FFileManager, &TFileManager::InsertRequested, this,
            [this](const QString& path) { InsertFile(path); });

    AskOpenFile = [this](const QString& folder) {
        return QFileDialog::getOpenFileName(this, tr("Open"), folder,
                                            DialogFilters(TInOut::kOpenFilter).join(";;"));
    };
    AskSaveFile = [this](const QString& folder, int* filterIndex) {
        QFileDialog dialog(this, tr("Save as"), folder);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const QStringList filters = DialogFilters(TInOut::kSaveFilter);
        dialog.setNameFilters(filters);
        dialog.setDefaultSuffix("l");
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        *filterIndex = int(filters.indexOf(dialog.selectedNameFilter()));
        return dialog.selectedFiles().constFirst();
    };
}

void TfrmMain::FileOpenClick()
{
    const QString path = AskOpenFile(FromPath(FGlobals->Document.LastDir));
    if (!path.isEmpty()) OpenFile(path, true);
}

QString TfrmMain::SamplePatternsFolder() const
{
    return FromPath(FGlobals->ProgramFolder + "Patterns");
}

void TfrmMain::OpenSampleClick()
{
    const QString path = AskOpenFile(SamplePatternsFolder());
    if (!path.isEmpty()) OpenFile(path, true);
}

void TfrmMain::FileInsertClick()
{
    const QString path = AskOpenFile(FromPath(FGlobals->Document.LastDir));
    if (!path.isEmpty()) InsertFile(path);
}

bool TfrmMain::OpenFile(const QString& path, bool reportMissing)
{
    return FInOut->OpenLifeFile(ToPath(path), reportMissing, false, false);
}

void TfrmMain::InsertFile(const QString& path)
{
    TGlobals& g = *FGlobals;
    if (!FConfig->Window.SelReplace) g.Selection.Drop();
    if (FInOut->InsertLifeFile(ToPath(path), {FView->ViewLeft() + 5, FView->ViewTop() + 5}))
        FMouse->SetCursorMode(cmMark);
}

void TfrmMain::SaveClick()
{
    const std::string& name = FGlobals->Document.FileName;
    // Neither names a file of the person's own: both ask where to save.
    if (name == kNonameFile || name == kClipboardFile) {
        SaveAsClick();
        return;
    }
    std::string fileName = name;
    FInOut->SaveFile(fileName, TSaveFormat::Optimal);
}

void TfrmMain::SaveAsClick()
{
    TGlobals& g = *FGlobals;
    g.Run.Stop();
    int filterIndex = 0;
    const QString path = AskSaveFile(FromPath(g.Document.LastDir), &filterIndex);
    if (path.isEmpty()) return;
    const TSaveFormat format = filterIndex >= 0 && size_t(filterIndex) < kSaveFormats.size()
                                   ? kSaveFormats[size_t(filterIndex)]
                                   : TSaveFormat::Optimal;
    std::string fileName = ToPath(path);
    if (FInOut->SaveFile(fileName, format)) FFileManager->Refresh();
}

void TfrmMain::OpenNextClick(bool next)
{
    if (next ? FFileManager->SelectNext() : FFileManager->SelectPrevious())
        OpenFile(FFileManager->SelectedFile(), true);
}

void TfrmMain::RefreshDocument()
{
    const TDocument& document = FGlobals->Document;
    if (document.Recent.Names() != FShownRecent) {
        FShownRecent = document.Recent.Names();
        RefreshRecentFiles();
    }
    if (document.FileName != FShownFileName) {
        FShownFileName = document.FileName;
        ShowFileInManager();
    }
}

void TfrmMain::RefreshRecentFiles()
{
    const std::vector<std::string>& names = FGlobals->Document.Recent.Names();
    for (QAction* action : FRecentCommands) delete action;
    FRecentCommands.clear();
    delete mnuReopen;
    mnuReopen = nullptr;
    if (names.empty()) return;

    QAction* exit = Command("cmdExit");
    QMenu* target = mnuFile;
    if (names.size() >= kRecentInSubmenu) {
        mnuReopen = new QMenu(tr("Reopen"), mnuFile);
        mnuReopen->setObjectName("mnuReopen");
        mnuFile->insertMenu(exit, mnuReopen);
        target = mnuReopen;
    }
    for (const std::string& name : names) {
        const QString path = FromPath(name);
        auto* action = new QAction(QString(path).replace('&', "&&"), target);
        connect(action, &QAction::triggered, this, [this, path] { OpenFile(path, true); });
        if (target == mnuFile)
            mnuFile->insertAction(exit, action);
        else
            target->addAction(action);
        FRecentCommands.push_back(action);
    }
    FRecentCommands.push_back(mnuFile->insertSeparator(exit));
}

void TfrmMain::ShowFileInManager()
{
    const TDocument& document = FGlobals->Document;
    const QString path = FromPath(document.FileName);
    if (IsExistingFile(document.FileName)) {
        FFileManager->SetFolder(QFileInfo(path).absolutePath());
        FFileManager->SelectFile(QFileInfo(path).absoluteFilePath());
    } else if (FFileManager->Folder().isEmpty()) {
        FFileManager->SetFolder(FromPath(document.LastDir));
    }
}

// At start without an opened file the panel shows the last file's folder; when that is gone,
// as at the first start, the sample patterns beside the program.
void TfrmMain::ShowStartFolder()
{
    if (IsExistingFile(FGlobals->Document.FileName)) {
        ShowFileInManager();
        return;
    }
    const QFileInfo last(FromPath(FConfig->Window.LastFile));
    if (last.isAbsolute() && last.absoluteDir().exists())
        FFileManager->SetFolder(last.absolutePath());
    else if (QFileInfo(SamplePatternsFolder()).isDir())
        FFileManager->SetFolder(SamplePatternsFolder());
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (TFileManager::IsPanelDrag(data) || data->hasUrls()) event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    const bool insert = event->modifiers() & Qt::ControlModifier;
    event->acceptProposedAction();
    if (TFileManager::IsPanelDrag(data)) {
        const QString path = TFileManager::DraggedPath(data);
        if (path.isEmpty()) return;
        if (insert) {
            // A file dragged from the panel replaces what floats, whatever the setting says.
            FGlobals->Selection.ClearFloating();
            if (FInOut->InsertLifeFile(ToPath(path), {FView->ViewLeft() + 5, FView->ViewTop() + 5}))
                FMouse->SetCursorMode(cmMark);
        } else {
            OpenFile(path, true);
        }
        return;
    }
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (path.isEmpty() || path.size() > kMaxDroppedName) continue;
        if (insert)
            InsertFile(path);
        else
            OpenFile(path, true);
    }
}
