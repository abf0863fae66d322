#pragma once
// RLE pattern text: reader into the loaded-pattern record, writer from any cell rectangle.

#include "base/u_Geometry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TLoadedPattern;

// Reads the cells of a rectangle; the board's GetCell or the selection's floating cells.
using TCellSource = std::function<uint8_t(int32_t x, int32_t y)>;

// True when a header line was seen or at least one cell was added.
bool ReadRle(const std::vector<std::string>& lines, TLoadedPattern& pattern);

// The lines of an RLE file for `rect`: header (with the rule unless it is "23/3"), run data
// of at most 70 characters a line ending in "!", then the description lines as they are.
std::vector<std::string> WriteRle(const TRect& rect, const TCellSource& cells,
                                  std::string_view ruleText,
                                  const std::vector<std::string>& description);
