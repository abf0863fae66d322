#pragma once
// Paints the cells a generation wrote, one state at a time; the board view implements it.

#include <cstdint>
#include <span>

struct TCellChange {
    int32_t X;
    int32_t Y;
    uint8_t State;
};

class TStepPainter {
public:
    virtual ~TStepPainter() = default;
    // `state` 0 paints the background; a live state paints with that state's colour.
    virtual void PaintCells(uint8_t state, std::span<const TCellChange> cells) = 0;
};
