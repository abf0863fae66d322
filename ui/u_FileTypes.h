#pragma once
// Registers the native pattern files (".plx") with the desktop for the current user, as the
// document type "Plexa.Document" opened by this program.

class QString;

// Writes the type and the program's desktop entry below `dataFolder` (the user's data folder,
// e.g. ~/.local/share) when they are missing or differ, and asks the desktop's tools, where
// they exist, to take them in. Never asks the person anything and never fails loudly: a
// desktop without these tools simply does not learn the type.
void RegisterFileType(const QString& programPath, const QString& dataFolder);
