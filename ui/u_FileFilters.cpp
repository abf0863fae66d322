#include "ui/u_FileFilters.h"

QList<TFileFilter> FileFilters(const char* filter)
{
    const QStringList parts = QString(filter).split('|');
    QList<TFileFilter> filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append({parts[i], parts[i + 1].split(';', Qt::SkipEmptyParts)});
    return filters;
}

QStringList DialogFilters(const char* filter)
{
    QStringList filters;
    for (const TFileFilter& f : FileFilters(filter))
        filters << f.Name + " (" + f.Patterns.join(' ') + ")";
    return filters;
}
