#pragma once
// The "Create a bitmap" dialog: the board area as drawn, or the whole universe at one pixel per
// cell, put on the clipboard or saved as a PNG or .bmp file.

#include <QDialog>

#include <functional>

class QImage;
class QRadioButton;
class QSize;
class QString;
class TBoardView;
struct TGlobals;

class TfrmToBmp : public QDialog {
    Q_OBJECT

public:
    enum TDestination { bdClipboard = 0, bdFile = 1 };

    // `grabBoardArea` returns the board area's pixels as last painted.
    TfrmToBmp(TGlobals& globals, TBoardView& view, std::function<QImage()> grabBoardArea,
              QWidget* parent);

    // Runs modally; the source chosen stays chosen for the next time.
    void Execute() { exec(); }
    // Makes the picture from the chosen source, puts it at `destination` and closes; any
    // failure is reported.
    void MakeBitmap(TDestination destination);

    // The file to save to; empty when the person cancels.
    std::function<QString()> AskSaveFile;
    std::function<void(const QImage&)> PutOnClipboard;

private:
    // A blank picture of `size`; a null image when there is no memory for it.
    QImage NewPicture(const QSize& size);
    QImage VisibleUniverse();
    QImage WholeUniverse();
    bool Store(const QImage& picture, TDestination destination);

    TGlobals& FGlobals;
    TBoardView& FView;
    std::function<QImage()> FGrabBoardArea;
    QRadioButton* rdiUniVsb = nullptr;
    QRadioButton* rdiUniAll = nullptr;
};
