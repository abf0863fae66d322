#pragma once
// The command buttons of the program's dialogs: named as the program knows them, only the
// chosen one taking Enter, and a Help button that asks for the dialog's help topic.

#include <functional>

class QPushButton;
class QRadioButton;
class QString;

// With `takesEnter` the button is the dialog's default; no other button takes Enter.
QPushButton* CommandButton(const char* name, const QString& caption, bool takesEnter);

// A radio button named as the program knows it.
QRadioButton* NamedRadio(const QString& name, const QString& caption);

// Pressing `button` calls `onHelp` (read when pressed, so it may be set later) with `topic`.
void ConnectHelp(QPushButton* button, const std::function<void(const char* topic)>& onHelp,
                 const char* topic);
