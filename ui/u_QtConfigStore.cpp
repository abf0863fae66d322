#include "ui/u_QtConfigStore.h"

#include <QString>

namespace {

QString Key(std::string_view section, std::string_view name)
{
    return QString::fromUtf8(section.data(), qsizetype(section.size())) + '/' +
           QString::fromUtf8(name.data(), qsizetype(name.size()));
}

} // namespace

TQtConfigStore::TQtConfigStore()
    : FSettings(QSettings::IniFormat, QSettings::UserScope, "Kavlin", "Plexa")
{}

TQtConfigStore::TQtConfigStore(const QString& fileName) : FSettings(fileName, QSettings::IniFormat)
{}

std::string TQtConfigStore::ReadText(std::string_view section, std::string_view name,
                                     std::string_view fallback) const
{
    const QVariant value = FSettings.value(Key(section, name));
    if (!value.isValid()) return std::string(fallback);
    // A text with unquoted commas, as a hand-edited file may hold, comes back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(',').toStdString();
    return value.toString().toStdString();
}

void TQtConfigStore::WriteText(std::string_view section, std::string_view name,
                               std::string_view text)
{
    FSettings.setValue(Key(section, name), QString::fromUtf8(text.data(), qsizetype(text.size())));
}

void TQtConfigStore::EraseSection(std::string_view section)
{
    FSettings.remove(QString::fromUtf8(section.data(), qsizetype(section.size())));
}
