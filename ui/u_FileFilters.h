#pragma once
// The program's filter texts, "Name|*.a;*.b|Other|*.c", as the file widgets take them.

#include <QList>
#include <QString>
#include <QStringList>

struct TFileFilter {
    QString Name;
    QStringList Patterns; // "*.a", "*.b"
};

QList<TFileFilter> FileFilters(const char* filter);

// As the file dialogs take them: "Name (*.a *.b)", "Other (*.c)".
QStringList DialogFilters(const char* filter);
