#pragma once
// The VLife data file (.vlf): two comment lines, then one "y,x" line per live cell in the
// board's own coordinates. States are not kept.

#include "base/u_Geometry.h"
#include "base/u_LineFile.h"
#include "io/u_Rle.h"

#include <string>
#include <vector>

class TLineSink;
struct TLoadedPattern;

// Every line that is neither empty nor a "//" comment and has a "," after its first character
// is a cell of state 1: the row before the ",", the column after it. True when a cell was
// added.
bool ReadVLife(const TLineSource& lines, TLoadedPattern& pattern);

// The lines of a VLife data file for the live cells of `rect`, column by column from the left,
// each column from the top.
void WriteVLife(TLineSink& sink, const TRect& rect, const TCellSource& cells);
std::vector<std::string> WriteVLife(const TRect& rect, const TCellSource& cells);
