#pragma once
// dbLife files (.L) have no header of their own: they hold RLE, Life 1.05 or Life 1.06 text,
// often behind notes, and whichever of those readers finds cells in the text reads them.

#include "base/u_Geometry.h"
#include "base/u_LineFile.h"

#include <string>
#include <vector>

struct TLoadedPattern;

// An RLE header anywhere (a line starting "x =" or "x=") hands the text from there to the RLE
// reader, together with the "#" lines above it (its notes); without cells from that, the Life
// 1.05, Life 1.06 and RLE readers are tried on the whole text in turn. An attempt that finds no
// cell leaves the record as it found it, so a rule or description read on the way is not carried
// into the next one. This is also the reading of any text whose first line names no format,
// before the native reader is tried. True when cells were added.
bool ReadDbLife(const TLineSource& lines, TLoadedPattern& pattern, const TRect& board);
