#pragma once
// The help window: the program's own help pages, opened at the topic a command or dialog asks
// for. It is a tool window beside the main window, not a modal dialog.

#include <QWidget>

class QPushButton;
class QTextBrowser;

class TfrmHelp : public QWidget {
    Q_OBJECT

public:
    explicit TfrmHelp(QWidget* parent = nullptr);

    // Shows and raises the window at `topic` ("ID_RUN_N", "ID_SETTINGS_RULES", ...); an empty
    // or unknown topic shows the contents.
    void ShowTopic(const QString& topic);

private:
    QTextBrowser* brwHelp = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnForward = nullptr;
    QPushButton* btnContents = nullptr;
};
