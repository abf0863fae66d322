#pragma once
// The texts of the main window's status bar, made from the program's state.

#include <cstdint>
#include <string>

struct TGlobals;

struct TStatusTexts {
    std::string Status;    // "RUNNING" or "STOPPED"
    std::string Cycle;     // "C:" + cycle
    std::string Alive;     // "A:" + live cells
    std::string Game;      // the active game's name
    std::string Rules;     // the active game's rule text
    std::string Speed;     // "S:" + interval
    std::string BoardInfo; // "B:400x300  S=7  W=0  C=1/3"
};

TStatusTexts StatusTexts(const TGlobals& globals, int32_t cellSize);
