#pragma once
// The colours the board is drawn with, and the named palettes: small text files
// "System/<name>.pxp" beside the program, read leniently and written with CR LF.

#include "engine/u_UserRules.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TGlobals;
class THost;

// Red in the low byte, then green, then blue: 0x00BBGGRR.
using TColor = uint32_t;

// A palette's colours in the order of its file: the background (also the colour of dead
// cells), the normal grid line, the bold grid line, then live states 1..24.
enum TPaletteIndex : int {
    piBackground = 0,
    piGrid = 1,
    piGridBold = 2,
    piState1 = 3,
};
inline constexpr int kPaletteColors = 27;
inline constexpr int kPaletteStates = 24;

class TCPalette {
public:
    // Every colour black until filled.
    TCPalette() = default;
    // The colours used when the configuration holds none: a screen deeper than 8 bits per pixel
    // gets yellow through orange to dark red, a shallower one distinct basic colours.
    static TCPalette Defaults(int bitsPerPixel);

    // `index` 0..26, in file order.
    TColor Color(int index) const { return FColors[index]; }
    // Keeps the three colour bytes only, so every colour stays 0x00BBGGRR.
    void SetColor(int index, TColor color) { FColors[index] = color & 0xFFFFFF; }

    TColor BackColor() const { return FColors[piBackground]; }
    TColor GridColor() const { return FColors[piGrid]; }
    TColor GridBoldColor() const { return FColors[piGridBold]; }
    // 0 is the background; 1..24 the live states (higher states take state 24's colour).
    TColor StateColor(int state) const;

    // The lines of a palette file: each key line sets its colour, unreadable numbers give
    // black, everything else is skipped and colours without a key line stay as they are.
    void ReadLines(const std::vector<std::string>& lines);
    // The lines of the palette file, without line ends.
    std::vector<std::string> FileLines() const;

    // Reads the palette file `name` (".pxp" added unless the name ends in it, in any letter
    // case) from "System/" below `programFolder`. False, changing nothing, when there is no
    // such file, it cannot be read or is far too big for a palette, or the name would reach
    // outside that folder.
    bool Load(const std::string& programFolder, std::string_view name);
    // Writes the palette file `name`, replacing one of that name; a failure is reported
    // through `host` and leaves any earlier file unchanged.
    bool Save(THost& host, const std::string& programFolder, std::string_view name) const;

    bool operator==(const TCPalette&) const = default;

private:
    std::array<TColor, kPaletteColors> FColors{};
};

// Whether palette `name` has a file in "System/" below `programFolder`.
bool PaletteExists(const std::string& programFolder, std::string_view name);

// The names of the palette files in "System/" below `programFolder`, without their extension,
// sorted without regard to letter case; empty when there are none or the folder is missing.
std::vector<std::string> ListPalettes(const std::string& programFolder);

// The palette the board is drawn with. Its owner points TGlobals::Palettes at it, so that the
// palette a user rule library asks for reaches it.
class TPaletteInForce : public TPaletteLoader {
public:
    explicit TPaletteInForce(TGlobals& globals);

    // Reads the palette `name` over the colours in force and refreshes the colors bar; false,
    // changing nothing, when there is no such palette. The caller repaints the board.
    bool Load(std::string_view name);
    void LoadPalette(std::string_view name) override { Load(name); }

    TCPalette Colors;

private:
    TGlobals& FGlobals;
};
