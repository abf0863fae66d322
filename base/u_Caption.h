#pragma once
// The main window's caption text, kept in the core with the other texts the program shows.

#include <string>
#include <string_view>

// The short version text, e.g. "0.1", fixed at build time.
const char* ProgramVersion();

// "Velko's Gridfest v.<version>[ Beta] - <* or blank><file name without folder>".
std::string FormCaption(std::string_view version, bool beta, bool modified,
                        std::string_view fileName);
