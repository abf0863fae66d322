#pragma once
// The board area: holds the image the board view paints on, the size of the area, and shows it.

#include <QImage>
#include <QWidget>

#include <memory>

class TBoardView;
class TQtCanvas;

class TBoardWidget : public QWidget {
    Q_OBJECT

public:
    // `view` paints on this widget's image from the first resize on; the owner unwires the view
    // from the core before destroying either.
    TBoardWidget(TBoardView& view, QWidget* parent);
    ~TBoardWidget() override;

    // What the view has painted so far; shown at the next paint.
    const QImage& Image() const { return FImage; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TBoardView& FView;
    // The canvas paints on the image, so it is declared after it and destroyed before it.
    QImage FImage;
    std::unique_ptr<TQtCanvas> FCanvas;
};
