#include "ui/u_FileManager.h"

#include <QAction>
#include <QComboBox>
#include <QFileSystemModel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include <memory>

class TestFileManager : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<TFileManager> FPanel;
    QStringList FErrors;

    QString PathOf(const QString& name) const { return FDir->filePath(name); }

    void Write(const QString& name, const QByteArray& text = "x = 1, y = 1\no!\n")
    {
        QFile file(PathOf(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    template <class T>
    T* Child(const char* name) const
    {
        auto* child = FPanel->findChild<T*>(name);
        if (!child) qFatal("no control %s", name);
        return child;
    }

    QStringList Names() const
    {
        QStringList names;
        auto* list = Child<QListWidget>("lisFiles");
        for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
        return names;
    }

    void Trigger(const char* command) { Child<QAction>(command)->trigger(); }

    // Where the list shows `name`, in its viewport.
    QPoint ItemCentre(const QString& name) const
    {
        auto* list = Child<QListWidget>("lisFiles");
        return list->visualItemRect(list->findItems(name, Qt::MatchExactly).value(0)).center();
    }

private slots:
    void init()
    {
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        for (const char* name :
             {"b10.plx", "b2.plx", "alpha.lif", "Glider.RLE", "notes.txt", "readme"})
            Write(name);
        // A folder whose name matches the filter is no file to list.
        QVERIFY(QDir(FDir->path()).mkdir("old.rle"));
        Write("old.rle/inner.lif");
        FErrors.clear();
        FPanel = std::make_unique<TFileManager>();
        FPanel->AskText = [](const QString&, const QString&, QString&) { return false; };
        FPanel->AskYesNo = [](const QString&) { return false; };
        FPanel->ShowError = [this](const QString& title, const QString& text) {
            FErrors << title + ": " + text;
        };
        FPanel->resize(180, 600);
        FPanel->SetFolder(FDir->path());
    }

    void cleanup()
    {
        FPanel.reset();
        FDir.reset();
    }

    void ListsThePatternFilesOfTheChosenFilter()
    {
        auto* filter = Child<QComboBox>("cmbFilter");
        QCOMPARE(filter->count(), 7);
        QCOMPARE(filter->currentText(), QString("All CA files formats"));
        // Case-insensitive, numbers by value, any case of extension.
        QCOMPARE(Names(), QStringList({"alpha.lif", "b2.plx", "b10.plx", "Glider.RLE"}));

        QVERIFY(FPanel->SelectFile(PathOf("Glider.RLE")));
        filter->setCurrentIndex(filter->findText("RLE files (*.RLE)"));
        QCOMPARE(Names(), QStringList({"Glider.RLE"}));
        QCOMPARE(FPanel->SelectedFile(), PathOf("Glider.RLE"));
        filter->setCurrentIndex(filter->count() - 1);
        QCOMPARE(Names(), QStringList({"alpha.lif", "b2.plx", "b10.plx", "Glider.RLE", "notes.txt",
                                       "readme"}));
    }

    void FollowsTheFolder()
    {
        // A folder that is gone shows its nearest existing parent.
        FPanel->SetFolder(PathOf("old.rle/gone/deeper"));
        QCOMPARE(FPanel->Folder(), PathOf("old.rle"));
        QCOMPARE(Names(), QStringList({"inner.lif"}));
        QVERIFY(!FPanel->SelectFile(PathOf("alpha.lif")));

        // Choosing a folder in the tree lists its files.
        FPanel->SetFolder(FDir->path());
        auto* tree = Child<QTreeView>("lisFolders");
        tree->setCurrentIndex(
            static_cast<QFileSystemModel*>(tree->model())->index(PathOf("old.rle")));
        QCOMPARE(FPanel->Folder(), PathOf("old.rle"));
        QCOMPARE(Names(), QStringList({"inner.lif"}));

        // Keys do not change the drive.
        auto* drive = Child<QComboBox>("cmbDrive");
        const int before = drive->currentIndex();
        QTest::keyClick(drive, Qt::Key_Down);
        QTest::keyClick(drive, Qt::Key_End);
        QCOMPARE(drive->currentIndex(), before);
        QCOMPARE(FPanel->Folder(), PathOf("old.rle"));
    }

    void SelectionMovesWithinTheList()
    {
        QVERIFY(!FPanel->SelectNext());
        QVERIFY(!FPanel->SelectFile(PathOf("notes.txt")));
        QVERIFY(!FPanel->SelectFile(PathOf("old.rle/inner.lif")));
        QVERIFY(FPanel->SelectFile(PathOf("b2.plx")));
        QVERIFY(FPanel->SelectPrevious());
        QCOMPARE(FPanel->SelectedFile(), PathOf("alpha.lif"));
        QVERIFY(!FPanel->SelectPrevious());
        QVERIFY(FPanel->SelectFile(PathOf("b10.plx")));
        QVERIFY(FPanel->SelectNext());
        QVERIFY(!FPanel->SelectNext());
        QCOMPARE(FPanel->SelectedFile(), PathOf("Glider.RLE"));

        // A refresh shows new files and keeps the selected one.
        Write("a0.rle");
        FPanel->Refresh();
        QCOMPARE(Names().first(), QString("a0.rle"));
        QCOMPARE(FPanel->SelectedFile(), PathOf("Glider.RLE"));
        QVERIFY(QFile::remove(PathOf("Glider.RLE")));
        FPanel->Refresh();
        QCOMPARE(FPanel->SelectedFile(), QString());
    }

    void RenamesWithinTheFolderOnly()
    {
        QVERIFY(FPanel->SelectFile(PathOf("b2.plx")));
        QString asked;
        FPanel->AskText = [&](const QString& title, const QString& prompt, QString& text) {
            asked = title + "|" + prompt + "|" + text;
            text = "c1.plx";
            return true;
        };
        Trigger("cmdFMRename");
        QCOMPARE(asked, QString("Rename the file|Enter the new name:|b2.plx"));
        QVERIFY(QFile::exists(PathOf("c1.plx")) && !QFile::exists(PathOf("b2.plx")));
        QCOMPARE(FPanel->SelectedFile(), PathOf("c1.plx"));
        QVERIFY(FErrors.isEmpty());

        // An existing file is never replaced, nor a file moved elsewhere.
        Write("alpha.lif", "kept");
        for (const char* name : {"alpha.lif", "old.rle/c1.plx", "../c1.plx", "..", ""}) {
            FPanel->AskText = [name](const QString&, const QString&, QString& text) {
                text = name;
                return true;
            };
            Trigger("cmdFMRename");
            QCOMPARE(FErrors, QStringList("Error: File\r\n[" + PathOf("c1.plx") +
                                          "]\r\n\nCouldn't be renamed to\r\n[" + name + "]"));
            FErrors.clear();
            QVERIFY(QFile::exists(PathOf("c1.plx")));
        }
        QFile kept(PathOf("alpha.lif"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("kept"));
        QVERIFY(!QFile::exists(PathOf("old.rle/c1.plx")));
    }

    void DeletesAfterAskingAndSelectsTheNextEntry()
    {
        QVERIFY(FPanel->SelectFile(PathOf("b2.plx")));
        Trigger("cmdFMDelete");
        QVERIFY(QFile::exists(PathOf("b2.plx")));

        QString question;
        FPanel->AskYesNo = [&](const QString& text) {
            question = text;
            return true;
        };
        Trigger("cmdFMDelete");
        QCOMPARE(question, QString("Are you sure?"));
        QVERIFY(!QFile::exists(PathOf("b2.plx")));
        QCOMPARE(FPanel->SelectedFile(), PathOf("b10.plx"));

        // The last entry has none after it.
        QVERIFY(FPanel->SelectFile(PathOf("Glider.RLE")));
        Trigger("cmdFMDelete");
        QCOMPARE(FPanel->SelectedFile(), QString());
        QCOMPARE(Names(), QStringList({"alpha.lif", "b10.plx"}));

        // A file gone meanwhile cannot be deleted.
        QVERIFY(FPanel->SelectFile(PathOf("alpha.lif")));
        QVERIFY(QFile::remove(PathOf("alpha.lif")));
        Trigger("cmdFMDelete");
        QCOMPARE(FErrors, QStringList("Error: File\r\n[" + PathOf("alpha.lif") +
                                      "]\r\nCouldn't be deleted!"));
    }

    void MouseOpensFilesAndThePopup()
    {
        FPanel->show();
        QVERIFY(QTest::qWaitForWindowExposed(FPanel.get()));
        QWidget* viewport = Child<QListWidget>("lisFiles")->viewport();
        QSignalSpy opened(FPanel.get(), &TFileManager::OpenRequested);
        QSignalSpy inserted(FPanel.get(), &TFileManager::InsertRequested);
        // The double click event follows a click, as the window system sends them.
        QTest::mouseClick(viewport, Qt::LeftButton, {}, ItemCentre("b10.plx"));
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, ItemCentre("b10.plx"));
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).toString(), PathOf("b10.plx"));

        // The right button selects the entry under the pointer and opens the popup there.
        auto* popup = Child<QMenu>("popFileManager");
        QTest::mousePress(viewport, Qt::RightButton, {}, ItemCentre("alpha.lif"));
        QVERIFY(popup->isVisible());
        QCOMPARE(FPanel->SelectedFile(), PathOf("alpha.lif"));
        popup->close();
        Trigger("cmdFMFileInsert");
        Trigger("cmdFMFileOpen");
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(0).toString(), PathOf("alpha.lif"));
        QCOMPARE(opened.at(1).at(0).toString(), PathOf("alpha.lif"));

        // No popup below the last entry, nor for a file gone meanwhile.
        QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(10, viewport->height() - 3));
        QVERIFY(!popup->isVisible());
        QVERIFY(QFile::remove(PathOf("b2.plx")));
        QTest::mousePress(viewport, Qt::RightButton, {}, ItemCentre("b2.plx"));
        QVERIFY(!popup->isVisible());
    }

    void DragDataNamesThePanelAndTheFile()
    {
        const QString path = PathOf("Gosper glider gün.rle");
        std::unique_ptr<QMimeData> mime(TFileManager::DragData(path));
        QVERIFY(TFileManager::IsPanelDrag(mime.get()));
        QCOMPARE(TFileManager::DraggedPath(mime.get()), path);
        QCOMPARE(mime->urls().value(0).toLocalFile(), path);

        // Files dragged from elsewhere are not the panel's.
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(path)});
        QVERIFY(!TFileManager::IsPanelDrag(&files));
        QCOMPARE(TFileManager::DraggedPath(&files), QString());
        QVERIFY(!TFileManager::IsPanelDrag(nullptr));
    }
};

QTEST_MAIN(TestFileManager)
#include "test_FileManager.moc"
