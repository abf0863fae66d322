#pragma once
// Life 1.05 pattern text and its successor Life 1.06: two-state formats, so every live cell
// reads as state 1 and every non-zero state is written as live.

#include "base/u_Geometry.h"
#include "base/u_LineFile.h"
#include "io/u_Rle.h"

#include <string>
#include <string_view>
#include <vector>

class TLineSink;
struct TLoadedPattern;

// Rows of "*" (also "O", "o") and "." in blocks placed by "#P x y"; a digit run in front of a
// symbol repeats it. True when at least one live cell was added.
bool ReadLife105(const TLineSource& lines, TLoadedPattern& pattern);

// One "x y" line per live cell, in board coordinates; cells outside `board` are dropped.
// True when at least one cell was added.
bool ReadLife106(const TLineSource& lines, TLoadedPattern& pattern, const TRect& board);

// The lines of a Life 1.05 file for `rect`: header, rule ("#N" for exactly "23/3"), "#D"
// description lines, then one row per line without trailing dead cells ("." for an empty row).
void WriteLife105(TLineSink& sink, const TRect& rect, const TCellSource& cells,
                  std::string_view ruleText, const std::vector<std::string>& description);
std::vector<std::string> WriteLife105(const TRect& rect, const TCellSource& cells,
                                      std::string_view ruleText,
                                      const std::vector<std::string>& description);

// The lines of a Life 1.06 file: header, rule, then "x y" for every live cell of `rect`,
// column by column from the left, each column from the top.
void WriteLife106(TLineSink& sink, const TRect& rect, const TCellSource& cells,
                  std::string_view ruleText);
std::vector<std::string> WriteLife106(const TRect& rect, const TCellSource& cells,
                                      std::string_view ruleText);
