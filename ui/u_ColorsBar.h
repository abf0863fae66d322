#pragma once
// The colors bar: one swatch per cell state to pick the drawing state with a click, the states
// count, and the way into color picker mode. A small window above the main window that does
// not block it.

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QSpinBox;
class QTimer;
class QToolButton;
struct TGlobals;

class TfrmColorBar : public QWidget {
public:
    static constexpr int kStates = 25;

    TfrmColorBar(TGlobals& globals, QWidget* parent);

    // Shows the palette's colours, the states count and the drawing state as they are now.
    void RefreshBar();

    // Called by the color picker button: the main window switches to color picker mode and
    // comes to the front.
    std::function<void()> OnColorPicker;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Where the swatch of state k sits: states 0..12 in the first row, 13..24 in the second
    // from under state 1.
    static QPoint SwatchCell(int state);
    QWidget* SwatchArea();
    void PlaceMarker(int state);

    TGlobals& FGlobals;
    std::array<QWidget*, kStates> pnlClo{};
    QWidget* shpMarkClo = nullptr;
    QTimer* tmrMark = nullptr;
    QLabel* lblStatus = nullptr;
    QSpinBox* spnCloCnt = nullptr;
    QWidget* pnlCloCnt = nullptr; // the spinner with its two arrows
    QToolButton* btnColorPick = nullptr;
};
