#pragma once
// The board's mouse cursors: one per cursor mode while the automaton is stopped ("CRS_C_...")
// and a second set marked with a small run sign while it runs ("CRS_M_..."), drawn at run time.

#include <QCursor>

#include <string_view>

// Names end in EDIT, MARK, ZOOM, PANU (pan, button up), PAND (pan, button down) or CPIK (color
// picker). Any other name gives the arrow.
QCursor BoardCursor(std::string_view name);
