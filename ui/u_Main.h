#pragma once
// The program's only top-level window and the owner of every long-lived object.

#include <QMainWindow>

#include <memory>

class QFrame;
class TQtHost;
struct TGlobals;

class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    TGlobals& Globals() { return *FGlobals; }
    TQtHost& Host() { return *FHost; }

    // Shows the version, the modified mark and the document's file name in the title.
    void ShowFormCaption();

private:
    void CreateBoardArea();
    void HostRefresh(unsigned what);

    // The host comes first: the program's objects report through it from their creation on.
    std::unique_ptr<TQtHost> FHost;
    std::unique_ptr<TGlobals> FGlobals;

    QFrame* pbBoard = nullptr;
};
