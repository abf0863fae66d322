#pragma once
// The board area: holds the image the board view paints on, shows it at display rate, and
// passes the mouse to the board's mouse handling.

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>

class TBoardMouse;
class TBoardView;
class TQtCanvas;

class TBoardWidget : public QWidget {
    Q_OBJECT

public:
    // `view` paints on this widget's image from the first resize on; the owner unwires the view
    // from the core before destroying either.
    TBoardWidget(TBoardView& view, QWidget* parent);
    ~TBoardWidget() override;

    // Mouse presses, moves, releases and wheel steps go to `mouse` while it is set.
    void SetMouse(TBoardMouse* mouse) { FMouse = mouse; }

    // What the view has painted so far; shown at the next paint.
    const QImage& Image() const { return FImage; }
    // Shows what the view painted, no sooner than a display frame after the last showing.
    void ScheduleUpdate();

signals:
    void PointerMoved(QPoint pixel);
    void PopupRequested(QPoint globalPos);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    TBoardView& FView;
    TBoardMouse* FMouse = nullptr;
    // The canvas paints on the image, so it is declared after it and destroyed before it.
    QImage FImage;
    std::unique_ptr<TQtCanvas> FCanvas;
    QTimer FUpdateTimer;
    QElapsedTimer FSinceShown;
};
