#pragma once
// The choices the settings dialog offers for the view and the board, and its cell colour
// generator: which offered choice stands for a value, and the colours the generator makes.

#include "view/u_Palette.h"

#include <array>
#include <cstdint>

// The cell sizes with a button of their own, largest first; 1/n is held as -n.
inline constexpr std::array<int32_t, 18> kOfferedCellSizes{21, 17, 15, 13, 11, 9,  7,   5,   4,
                                                           3,  2,  1,  -2, -4, -8, -16, -32, -64};
// A size without a button shows, and is applied, as 7.
int32_t OfferedCellSize(int32_t size);

struct TBoardSizeChoice {
    int32_t Width, Height;
};
inline constexpr std::array<TBoardSizeChoice, 10> kBoardSizeChoices{{{100, 100},
                                                                     {200, 200},
                                                                     {300, 300},
                                                                     {400, 400},
                                                                     {500, 500},
                                                                     {400, 300},
                                                                     {800, 600},
                                                                     {1000, 1000},
                                                                     {1200, 1200},
                                                                     {1500, 1500}}};
// The index of the choice of exactly that size; -1 when none is (the size is "other").
int BoardSizeChoice(int32_t width, int32_t height);

// The generator's four anchors: colours and the states they sit at.
struct TColorAnchors {
    std::array<TColor, 4> Colors;
    std::array<int32_t, 4> States;
};
using TStateColors = std::array<TColor, kPaletteStates>; // states 1..24

// Fills the three ramps anchor 1 -> 2 -> 3 -> 4. A ramp runs from its first state to its last
// in equal integer steps per colour component and ends on the exact anchor colour; a ramp whose
// last state is not above its first is skipped, and a state outside 1..24 lands on state 1.
void GenerateStateColors(TStateColors& colors, const TColorAnchors& anchors);
