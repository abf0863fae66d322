#pragma once
// Controls of the settings dialog: named check boxes and up/downs, colour panels and the
// colours preview.

#include "view/u_Palette.h"

#include <QPushButton>
#include <QWidget>

class QCheckBox;
class QSpinBox;

QCheckBox* NamedCheckBox(const QString& name, const QString& caption, const QString& hint = {});
// An up/down named "spn" + name whose text field is named "fld" + name.
QSpinBox* NamedSpinner(const QString& name, int min, int max);

// A button that shows a colour; clicking it is left to its owner.
class TColorPanel : public QPushButton {
    Q_OBJECT

public:
    TColorPanel(const QString& name, const QString& caption);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);

private:
    TColor FColor = 0;
};

// A sample of the board in the dialog's colours, on a 7-pixel pitch.
class TPreview : public QWidget {
    Q_OBJECT

public:
    TPreview();
    TCPalette Colors;
    bool BoldLines = false;
    int32_t BoldStep = 5;

protected:
    void paintEvent(QPaintEvent* event) override;
};
