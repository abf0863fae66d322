#pragma once
// The main window's status bar: eight fields with their hints; the game, rules, speed and board
// fields answer the mouse.

#include <QLabel>
#include <QStatusBar>

#include <array>

struct TStatusTexts;

// A status-bar field that reports right-button presses and double clicks.
class TStatusField : public QLabel {
    Q_OBJECT

public:
    TStatusField(const char* name, int width, const QString& hint, QWidget* parent);

signals:
    void RightPressed(QPoint globalPos);
    void DoubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class TMainStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit TMainStatusBar(QWidget* parent);

    // The status, cycle and alive fields; with `full` also game, rules, speed and board info.
    void Show(const TStatusTexts& texts, bool full);
    void ShowCoordinates(const QString& text);
    // "REC <frames>" while a recording runs; hidden for `frames` < 0.
    void ShowRecording(int frames);

    TStatusField* sttFldStatus;
    TStatusField* sttFldCycle;
    TStatusField* sttFldAlive;
    TStatusField* sttFldGame;
    TStatusField* sttFldRules;
    TStatusField* sttFldSpeed;
    TStatusField* sttFldCoords;
    TStatusField* sttFldBoard;
    TStatusField* sttFldRec;
};
