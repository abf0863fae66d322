#include "ui/u_DialogButtons.h"

#include <QPushButton>
#include <QRadioButton>

QPushButton* CommandButton(const char* name, const QString& caption, bool takesEnter)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setDefault(takesEnter);
    return button;
}

QRadioButton* NamedRadio(const QString& name, const QString& caption)
{
    auto* button = new QRadioButton(caption);
    button->setObjectName(name);
    return button;
}

void ConnectHelp(QPushButton* button, const std::function<void(const char* topic)>& onHelp,
                 const char* topic)
{
    QObject::connect(button, &QPushButton::clicked, button, [&onHelp, topic] {
        if (onHelp) onHelp(topic);
    });
}
