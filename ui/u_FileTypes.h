#pragma once
// Registers pattern file extensions with the desktop for the current user, as documents opened
// by this program: a shared-mime-info type per extension and the program's desktop entry,
// which lists every type registered so far.

#include <QStringList>

// The extensions an entry of the settings dialog's association list stands for: the text
// before its first blank or tab, and for ".*" all seven pattern extensions.
QStringList AssociationExtensions(const QString& entry);

// Writes the types of `extensions` (".RLE" or "RLE") and the desktop entry below `dataFolder`
// (the user's data folder, e.g. ~/.local/share) when they are missing or differ, and asks the
// desktop's tools, where they exist, to take them in. Never asks the person anything and never
// fails loudly: a desktop without these tools simply does not learn the types.
void RegisterFileTypes(const QString& programPath, const QString& dataFolder,
                       const QStringList& extensions);
