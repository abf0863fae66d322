#include "ui/u_FileManager.h"

#include "io/u_InOut.h"
#include "ui/u_FileFilters.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDrag>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTreeView>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int kGap = 4;
constexpr int kDefaultWidth = 120;
constexpr int kPathRole = Qt::UserRole;
constexpr const char* kPanelMimeType = "application/x-plexa-file-manager";
// The desktop opens a file by its type, and pattern extensions mostly name other types there
// (".rle" is an image), so a text editor found on the path comes first.
constexpr const char* kTextEditors[] = {
    "gnome-text-editor", "gedit",  "kate", "kwrite", "mousepad", "xed", "pluma",
    "featherpad",        "leafpad"};
constexpr const char* kNetworkFileSystems[] = {"nfs", "nfs4", "cifs", "smb3", "fuse.sshfs"};

// Volumes worth browsing: block devices and network shares, not the kernel's own file systems
// nor mounted application images.
bool IsUserVolume(const QStorageInfo& volume)
{
    if (!volume.isValid() || !volume.isReady() || !QFileInfo(volume.rootPath()).isDir())
        return false;
    const QByteArray type = volume.fileSystemType();
    if (type == "squashfs") return false;
    return volume.device().startsWith("/dev/") ||
           std::find(std::begin(kNetworkFileSystems), std::end(kNetworkFileSystems), type) !=
               std::end(kNetworkFileSystems);
}

void ViewInTextEditor(const QString& path)
{
    for (const char* editor : kTextEditors) {
        const QString program = QStandardPaths::findExecutable(editor);
        if (!program.isEmpty() && QProcess::startDetached(program, {path})) return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Names in the order of a file dialog, whatever the locale: letters without regard to case,
// runs of digits by their value ("b2" before "b10").
int NaturalCompare(QStringView a, QStringView b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            while (i + 1 < a.size() && a[i] == u'0' && IsDigit(a[i + 1])) ++i;
            while (j + 1 < b.size() && b[j] == u'0' && IsDigit(b[j + 1])) ++j;
            qsizetype endA = i, endB = j;
            while (endA < a.size() && IsDigit(a[endA])) ++endA;
            while (endB < b.size() && IsDigit(b[endB])) ++endB;
            // Without leading zeros the longer run is the greater number.
            if (endA - i != endB - j) return endA - i < endB - j ? -1 : 1;
            if (const int order = a.sliced(i, endA - i).compare(b.sliced(j, endB - j)))
                return order;
            i = endA;
            j = endB;
        } else {
            const char16_t x = a[i++].toCaseFolded().unicode();
            const char16_t y = b[j++].toCaseFolded().unicode();
            if (x != y) return x < y ? -1 : 1;
        }
    }
    if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
    return a.compare(b);
}

// The folder's files matching `patterns`, in the order of a file dialog.
QStringList FolderFiles(const QString& folder, const QStringList& patterns)
{
    QStringList names = QDir(folder).entryList(patterns, QDir::Files);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return NaturalCompare(a, b) < 0; });
    return names;
}

// The file list, whose drag carries the file and never takes the entry away from the list.
class TFileList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void startDrag(Qt::DropActions) override
    {
        const QListWidgetItem* item = currentItem();
        if (!item) return;
        auto* drag = new QDrag(this);
        drag->setMimeData(TFileManager::DragData(item->data(kPathRole).toString()));
        drag->exec(Qt::CopyAction);
    }
};

} // namespace

TFileManager::TFileManager(QWidget* parent) : QWidget(parent)
{
    setObjectName("pnlFileManager");

    AskText = [this](const QString& title, const QString& prompt, QString& text) {
        bool ok = false;
        text = QInputDialog::getText(this, title, prompt, QLineEdit::Normal, text, &ok);
        return ok;
    };
    AskYesNo = [this](const QString& question) {
        return QMessageBox::question(this, "Confirm", question, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    ShowError = [this](const QString& title, const QString& text) {
        QMessageBox::critical(this, title, text);
    };

    cmbDrive = new QComboBox(this);
    cmbDrive->setObjectName("cmbDrive");
    cmbDrive->installEventFilter(this);
    FillDrives();
    connect(cmbDrive, &QComboBox::activated, this,
            [this](int index) { SetFolder(cmbDrive->itemData(index).toString()); });

    CreateFolderTree();

    cmbFilter = new QComboBox(this);
    cmbFilter->setObjectName("cmbFilter");
    FillFilters();
    connect(cmbFilter, &QComboBox::currentIndexChanged, this, [this] {
        cmbFilter->setToolTip(cmbFilter->currentText());
        Refresh();
    });

    CreateFileList();
    CreatePopup();
    SetFolder(QDir::homePath());
}

void TFileManager::CreateFolderTree()
{
    FFolderModel = new QFileSystemModel(this);
    FFolderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    FFolderModel->setReadOnly(true);
    lisFolders = new QTreeView(this);
    lisFolders->setObjectName("lisFolders");
    lisFolders->setModel(FFolderModel);
    lisFolders->setHeaderHidden(true);
    for (int column = 1; column < FFolderModel->columnCount(); ++column)
        lisFolders->hideColumn(column);
    // Deep folders scroll sideways rather than being cut off.
    lisFolders->header()->setStretchLastSection(false);
    lisFolders->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    lisFolders->setIndentation(12);
    lisFolders->setSortingEnabled(true);
    lisFolders->sortByColumn(0, Qt::AscendingOrder);
    // The folders load in the background and move while they do: the chosen one is shown again
    // as they come, until the user takes the tree in hand.
    const auto placeFolder = [this] {
        if (FPlacingFolder) ScrollToFolder();
    };
    connect(FFolderModel, &QFileSystemModel::directoryLoaded, this, placeFolder);
    connect(FFolderModel, &QAbstractItemModel::layoutChanged, this, placeFolder);
    connect(lisFolders->verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this] { FPlacingFolder = false; });
    lisFolders->viewport()->installEventFilter(this);
    connect(lisFolders->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (index.isValid()) FolderChosen(FFolderModel->filePath(index));
            });
}

void TFileManager::CreateFileList()
{
    lisFiles = new TFileList(this);
    lisFiles->setObjectName("lisFiles");
    lisFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    lisFiles->setUniformItemSizes(true);
    lisFiles->setDragEnabled(true);
    lisFiles->setDragDropMode(QAbstractItemView::DragOnly);
    lisFiles->viewport()->installEventFilter(this);
    connect(lisFiles, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        emit OpenRequested(item->data(kPathRole).toString());
    });
}

void TFileManager::CreatePopup()
{
    popFileManager = new QMenu(this);
    popFileManager->setObjectName("popFileManager");
    const auto add = [this](const char* name, const char* caption, auto handler) {
        QAction* action = popFileManager->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
    };
    // The entries act on the selected file, which the right press has just chosen.
    add("cmdFMFileOpen", "Open", [this] {
        if (const QString path = SelectedFile(); !path.isEmpty()) emit OpenRequested(path);
    });
    add("cmdFMFileInsert", "Insert", [this] {
        if (const QString path = SelectedFile(); !path.isEmpty()) emit InsertRequested(path);
    });
    add("cmdFMViewInEditor", "View in text editor", [this] {
        if (const QString path = SelectedFile(); !path.isEmpty()) ViewInTextEditor(path);
    });
    popFileManager->addSeparator();
    add("cmdFMRename", "Rename", [this] { cmdFMRenameClick(); });
    add("cmdFMDelete", "Delete", [this] { cmdFMDeleteClick(); });
}

void TFileManager::FillDrives()
{
    QStringList roots{"/", QDir::homePath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (IsUserVolume(volume)) roots.append(volume.rootPath());
    roots.removeDuplicates();
    for (const QString& root : roots) cmbDrive->addItem(root, root);
}

void TFileManager::FillFilters()
{
    for (TFileFilter filter : FileFilters(TInOut::kOpenFilter)) {
        // "*.*" means every file, also those without an extension.
        std::replace(filter.Patterns.begin(), filter.Patterns.end(), QString("*.*"), QString("*"));
        cmbFilter->addItem(filter.Name, filter.Patterns);
    }
    cmbFilter->setCurrentIndex(0);
    cmbFilter->setToolTip(cmbFilter->currentText());
    // The descriptions are wider than the panel: the open list shows them whole.
    cmbFilter->view()->setMinimumWidth(cmbFilter->view()->sizeHintForColumn(0) + 2 * kGap);
}

void TFileManager::SetFolder(const QString& folder)
{
    QString path = QDir::cleanPath(QDir(folder).absolutePath());
    while (!QFileInfo(path).isDir()) path = QFileInfo(path).absolutePath();
    FFolder = path;
    ShowFolderInTree();
    ReadFiles();
}

void TFileManager::ShowFolderInTree()
{
    // The drive is the longest root that holds the folder; "/" holds every one.
    int drive = 0;
    for (int i = 1; i < cmbDrive->count(); ++i) {
        const QString root = cmbDrive->itemData(i).toString();
        if ((FFolder == root || FFolder.startsWith(root + '/')) &&
            root.size() > cmbDrive->itemData(drive).toString().size())
            drive = i;
    }
    cmbDrive->setCurrentIndex(drive);
    cmbDrive->setToolTip(cmbDrive->currentText());
    const QString root = cmbDrive->itemData(drive).toString();
    lisFolders->setRootIndex(FFolderModel->setRootPath(root));
    const QModelIndex current = FFolder == root ? QModelIndex() : FFolderModel->index(FFolder);
    lisFolders->setCurrentIndex(current);
    FPlacingFolder = true;
    ScrollToFolder();
}

void TFileManager::ScrollToFolder()
{
    const QModelIndex current = lisFolders->currentIndex();
    if (!current.isValid()) return;
    for (QModelIndex parent = current.parent();
         parent.isValid() && parent != lisFolders->rootIndex(); parent = parent.parent())
        lisFolders->expand(parent);
    lisFolders->scrollTo(current, QAbstractItemView::PositionAtCenter);
    // Centring scrolls sideways too: the tree shows its left edge, unless that would leave the
    // folder itself out of sight.
    QScrollBar* sideways = lisFolders->horizontalScrollBar();
    const int left = lisFolders->visualRect(current).left() + sideways->value();
    const int indent = lisFolders->indentation();
    sideways->setValue(left + 3 * indent < lisFolders->viewport()->width() ? 0 : left - indent);
}

void TFileManager::FolderChosen(const QString& folder)
{
    if (folder == FFolder) return;
    FPlacingFolder = false;
    FFolder = folder;
    ReadFiles();
}

void TFileManager::ReadFiles()
{
    lisFiles->clear();
    const QDir folder(FFolder);
    for (const QString& name : FolderFiles(FFolder, cmbFilter->currentData().toStringList())) {
        auto* item = new QListWidgetItem(name, lisFiles);
        item->setData(kPathRole, folder.filePath(name));
    }
}

void TFileManager::Refresh()
{
    const int row = SelectedRow();
    const QString name = row >= 0 ? lisFiles->item(row)->text() : QString();
    ReadFiles();
    if (!name.isEmpty()) SelectName(name);
}

int TFileManager::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = lisFiles->selectedItems();
    return selected.isEmpty() ? -1 : lisFiles->row(selected.first());
}

bool TFileManager::SelectRow(int row)
{
    if (row < 0 || row >= lisFiles->count()) return false;
    lisFiles->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    lisFiles->scrollToItem(lisFiles->item(row));
    return true;
}

bool TFileManager::SelectName(const QString& name)
{
    const QList<QListWidgetItem*> found = lisFiles->findItems(name, Qt::MatchExactly);
    return !found.isEmpty() && SelectRow(lisFiles->row(found.first()));
}

QString TFileManager::SelectedFile() const
{
    const int row = SelectedRow();
    return row >= 0 ? lisFiles->item(row)->data(kPathRole).toString() : QString();
}

bool TFileManager::SelectFile(const QString& path)
{
    const QFileInfo file(path);
    const QString folder = QDir::cleanPath(file.absolutePath());
    const bool here = folder == FFolder || (!file.canonicalPath().isEmpty() &&
                                            file.canonicalPath() == QDir(FFolder).canonicalPath());
    return here && SelectName(file.fileName());
}

bool TFileManager::SelectNext()
{
    const int row = SelectedRow();
    return row >= 0 && SelectRow(row + 1);
}

bool TFileManager::SelectPrevious()
{
    const int row = SelectedRow();
    return row > 0 && SelectRow(row - 1);
}

void TFileManager::cmdFMRenameClick()
{
    const QString oldPath = SelectedFile();
    if (oldPath.isEmpty()) return;
    const QFileInfo old(oldPath);
    QString name = old.fileName();
    if (!AskText("Rename the file", "Enter the new name:", name) || name == old.fileName()) return;
    // Only a name within the same folder: renaming never moves a file elsewhere.
    const bool plainName = !name.isEmpty() && name != "." && name != ".." && !name.contains('/') &&
                           !name.contains('\\') && !name.contains(QChar());
    if (!plainName || !QFile::rename(oldPath, old.dir().filePath(name))) {
        ShowError("Error",
                  "File\r\n[" + oldPath + "]\r\n\nCouldn't be renamed to\r\n[" + name + "]");
        return;
    }
    ReadFiles();
    SelectName(name);
}

void TFileManager::cmdFMDeleteClick()
{
    const int row = SelectedRow();
    if (row < 0 || !AskYesNo("Are you sure?")) return;
    const QString path = lisFiles->item(row)->data(kPathRole).toString();
    const QString next = row + 1 < lisFiles->count() ? lisFiles->item(row + 1)->text() : QString();
    if (!QFile::remove(path)) {
        ShowError("Error", "File\r\n[" + path + "]\r\nCouldn't be deleted!");
        return;
    }
    ReadFiles();
    if (!next.isEmpty()) SelectName(next);
}

void TFileManager::FileListRightPress(QPoint pos)
{
    QListWidgetItem* item = lisFiles->itemAt(pos);
    if (!item) return;
    lisFiles->setCurrentItem(item);
    if (QFileInfo(item->data(kPathRole).toString()).isFile())
        popFileManager->popup(lisFiles->viewport()->mapToGlobal(pos));
}

QMimeData* TFileManager::DragData(const QString& path)
{
    auto* mime = new QMimeData;
    mime->setData(kPanelMimeType, path.toUtf8());
    mime->setUrls({QUrl::fromLocalFile(path)});
    return mime;
}

bool TFileManager::IsPanelDrag(const QMimeData* mime)
{
    return mime && mime->hasFormat(kPanelMimeType);
}

QString TFileManager::DraggedPath(const QMimeData* mime)
{
    return IsPanelDrag(mime) ? QString::fromUtf8(mime->data(kPanelMimeType)) : QString();
}

QSize TFileManager::sizeHint() const
{
    return {kDefaultWidth, 400};
}

QSize TFileManager::minimumSizeHint() const
{
    // Room for the two combo boxes and a few lines in each list.
    const int combos = cmbDrive->sizeHint().height() + cmbFilter->sizeHint().height();
    return {4 * kGap + 32, combos + 5 * kGap + 3 * 3 * fontMetrics().height()};
}

void TFileManager::resizeEvent(QResizeEvent*)
{
    const int width = std::max(0, this->width() - 2 * kGap);
    int top = kGap;
    const auto place = [&](QWidget* widget, int height) {
        widget->setGeometry(kGap, top, width, std::max(0, height));
        top += height + kGap;
    };
    place(cmbDrive, cmbDrive->sizeHint().height());
    place(lisFolders, height() / 3);
    place(cmbFilter, cmbFilter->sizeHint().height());
    place(lisFiles, height() - top - kGap);
}

bool TFileManager::eventFilter(QObject* watched, QEvent* event)
{
    // Keys and presses come from the running panel, when every part of it exists.
    if (event->type() == QEvent::KeyPress && watched == cmbDrive) {
        // The drive list ignores keys; Tab still moves the focus on.
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key != Qt::Key_Tab && key != Qt::Key_Backtab;
    }
    if (event->type() != QEvent::MouseButtonPress) return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == lisFolders->viewport()) {
        FPlacingFolder = false;
    } else if (watched == lisFiles->viewport() && mouse->button() == Qt::RightButton) {
        FileListRightPress(mouse->position().toPoint());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
