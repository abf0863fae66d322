#pragma once
// The configuration store of the desktop program: the user's settings file of organisation
// "Kavlin", application "Plexa" (on Linux a text file under ~/.config), sections as groups.

#include "base/u_ConfigStore.h"

#include <QSettings>

class QString;

class TQtConfigStore : public TConfigStore {
public:
    // The user's settings of the program.
    TQtConfigStore();
    // The settings kept in the text file `fileName` instead.
    explicit TQtConfigStore(const QString& fileName);

    std::string ReadText(std::string_view section, std::string_view name,
                         std::string_view fallback) const override;
    void WriteText(std::string_view section, std::string_view name, std::string_view text) override;
    void EraseSection(std::string_view section) override;

private:
    QSettings FSettings;
};
