#pragma once
// The program's only top-level window and the owner of every long-lived object.

#include <QMainWindow>

#include <memory>

class QAction;
class TBoardView;
class TBoardWidget;
class TQtHost;
struct TGlobals;

class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    TGlobals& Globals() { return *FGlobals; }
    TQtHost& Host() { return *FHost; }
    TBoardView& View() { return *FView; }

    // Shows the version, the modified mark and the document's file name in the title.
    void ShowFormCaption();

private:
    void CreateBoardArea();
    void CreateActions();
    void HostRefresh(unsigned what);
    void RedrawBoard();
    void RunOnce();

    // The host comes first: the program's objects report through it from their creation on.
    std::unique_ptr<TQtHost> FHost;
    std::unique_ptr<TGlobals> FGlobals;
    // Paints for the globals, so it comes after them and goes before them.
    std::unique_ptr<TBoardView> FView;

    TBoardWidget* pbBoard = nullptr;
    QAction* cmdRunOnce = nullptr;
};
