#pragma once
// What the statistics window shows: the inhabited rectangle, the population and its maximum,
// and the cells by state, as list lines and as bars in the states' colours.

#include "view/u_Palette.h"

#include <cstdint>
#include <string>
#include <vector>

struct TGlobals;

struct TStatisticsBar {
    int32_t Value; // cells in the state
    TColor Color;  // the state's palette colour
};

struct TStatisticsTexts {
    std::string Universe;             // "Inhabited universe size: 3 x 2  (0,0)-(2,1)"
    std::string Cells;                // "Generation 5.  Cells: 2.  Maximum was ..."
    std::vector<std::string> Lines;   // state, tab, count, tab, percentage; state 0 first
    std::vector<TStatisticsBar> Bars; // live states 1 .. states count - 1
    int32_t LargestCount = 0;         // the largest bar value
    TColor Background = 0;            // the palette's background colour
    std::string Period;               // "Period 2 since cycle 0", " moving 1,1" when it moves
};

// Read from the board and the palette in force. The caller brings the board's maximum
// population up to date first. An empty board has no inhabited rectangle: it shows as
// "0 x 0" and every percentage as 0.0.
TStatisticsTexts StatisticsTexts(const TGlobals& globals);

// The share of `part` in `whole` as "%5.1f%%" would write it, always with "." as the decimal
// point; 0.0 when `whole` is not positive.
std::string PercentText(int64_t part, int64_t whole);

struct TPeriod;
// "No period found" while there is none.
std::string PeriodText(const TPeriod& period);
