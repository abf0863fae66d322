#pragma once
// The main window's caption text, kept in the core with the other texts the program shows.

#include <string>
#include <string_view>

// The short version text, e.g. "0.1", fixed at build time.
const char* ProgramVersion();

// `fileName` without its folder. Names may come from either kind of system, so both separators
// end a folder.
std::string_view NamePart(std::string_view fileName);

// "Velko's Gridfest v.<version>[ Beta] - <* or blank><file name without folder>".
std::string FormCaption(std::string_view version, bool beta, bool modified,
                        std::string_view fileName);
