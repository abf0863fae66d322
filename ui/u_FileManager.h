#pragma once
// The file manager panel beside the board: a drive list, a folder tree, a filter list and the
// list of the folder's pattern files, with the commands that open, insert, show, rename and
// delete them, and dragging a file onto the board.

#include <QWidget>

#include <functional>

class QComboBox;
class QFileSystemModel;
class QListWidget;
class QMenu;
class QMimeData;
class QTreeView;

class TFileManager : public QWidget {
    Q_OBJECT

public:
    explicit TFileManager(QWidget* parent = nullptr);

    // Shows `folder`, or its nearest existing parent; nothing is selected afterwards.
    void SetFolder(const QString& folder);
    QString Folder() const { return FFolder; }

    // The selected file's full path; empty when none is selected.
    QString SelectedFile() const;
    // Selects `path` when the file list shows it.
    bool SelectFile(const QString& path);
    // Move the selection one entry down or up, only from a selected entry that is not the last
    // resp. the first; true when it moved.
    bool SelectNext();
    bool SelectPrevious();
    // Reads the folder's files again and keeps the selected file selected.
    void Refresh();

    // What a drag from the file list carries: the file's path under the panel's own type, and
    // the file's address for other programs.
    static QMimeData* DragData(const QString& path);
    static bool IsPanelDrag(const QMimeData* mime);
    static QString DraggedPath(const QMimeData* mime);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The questions and messages of the commands, replaceable for tests. AskText offers `text`
    // and returns true with the answer in it; AskYesNo returns true for Yes.
    std::function<bool(const QString& title, const QString& prompt, QString& text)> AskText;
    std::function<bool(const QString& question)> AskYesNo;
    std::function<void(const QString& title, const QString& text)> ShowError;

signals:
    void OpenRequested(const QString& path);
    void InsertRequested(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateFolderTree();
    void CreateFileList();
    void CreatePopup();
    void FillDrives();
    void FillFilters();
    void ShowFolderInTree();
    void ScrollToFolder();
    void ReadFiles();
    int SelectedRow() const;
    bool SelectRow(int row);
    bool SelectName(const QString& name);
    void FolderChosen(const QString& folder);
    void FileListRightPress(QPoint pos);
    void cmdFMRenameClick();
    void cmdFMDeleteClick();

    QString FFolder;
    // The tree is still being brought to show the folder.
    bool FPlacingFolder = false;
    QComboBox* cmbDrive = nullptr;
    QFileSystemModel* FFolderModel = nullptr;
    QTreeView* lisFolders = nullptr;
    QComboBox* cmbFilter = nullptr;
    QListWidget* lisFiles = nullptr;
    QMenu* popFileManager = nullptr;
};
