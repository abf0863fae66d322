#pragma once
// The program's own pattern text (.plx): the game, the rule and, as chosen, the board size,
// speed, wrap and count of states, the description, then the cells as run-length "#L" lines.

#include "base/u_Geometry.h"
#include "base/u_LineFile.h"
#include "io/u_Rle.h"

#include <cstdint>
#include <string>
#include <vector>

class TBoard;
class TLineSink;
class TRulesWLife;
struct TLoadedPattern;

// Which settings go with a saved pattern ("Save with pattern" in the settings).
struct TNativeSaveOptions {
    bool BoardSize = true;
    bool Speed = false;
    bool Wrap = true;
    bool StatesCount = false;
    // Row games keep their history below the top row; saving the board writes only that row.
    bool OnlyTopRow1D = true;
};

// The settings a saved pattern was made under, taken from the board and the game catalogue.
struct TNativeHeader {
    uint8_t Game = 1;
    std::string Rule = "23/3";
    bool OneDimensional = false;
    int32_t BoardWidth = 0;
    int32_t BoardHeight = 0;
    int32_t Speed = 0;
    bool Wrap = false;
    int32_t StatesCount = 2;
    TNativeSaveOptions Save;
};

// Reads a native file into `pattern`: the version from the header line, the keys of every line
// and the cells of the "#L" lines, whose cursor and pending count run on from line to line.
// The rule keeps the blank after "#RULE"; opening trims it. True when a cell was added.
bool ReadNative(const TLineSource& lines, TLoadedPattern& pattern);

// The lines of a native file for `rect`: "#Plexa 2.0", "#GAME", "#RULE", the settings that
// `header.Save` selects, one "#D" line per description line, then the "#L" data lines (at
// most 70 characters after the prefix; the last one is written even when empty). With a
// one-dimensional game and OnlyTopRow1D only the rectangle's top row is written; copying the
// selection clears OnlyTopRow1D so that every row goes.
void WriteNative(TLineSink& sink, const TRect& rect, const TCellSource& cells,
                 const TNativeHeader& header, const std::vector<std::string>& description);
std::vector<std::string> WriteNative(const TRect& rect, const TCellSource& cells,
                                     const TNativeHeader& header,
                                     const std::vector<std::string>& description);

// Version 1.0 files counted only the live states. Opening calls this after it has applied the
// file's wrap, count of states, game, rule, palette, speed and board size (in that order):
// for a version 1.0 file the board gets one state more unless the game is Cyclic CA, and with
// Weighted Life the rule's states count ("HI") then follows the board's. Other versions leave
// everything as it is.
void ApplyNativeVersionAdjustment(const TLoadedPattern& pattern, TBoard& board,
                                  TRulesWLife& weightedLife);
