#pragma once
// Paints what a generation wrote; the board view implements it. The painter says which cells
// it shows, so that the step lists only their changes: on the largest board a generation
// changes tens of millions of cells, of which a window shows a few thousand.

#include "base/u_Geometry.h"

#include <climits>
#include <cstdint>
#include <span>

struct TCellChange {
    int32_t X;
    int32_t Y;
    uint8_t State;
};

// What the step lists of a generation's changes for its painter.
struct TPaintRequest {
    // The cells shown; changes elsewhere are not listed.
    TRect Window{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    // The changed cells by state; otherwise only the changed blocks (board block indices),
    // for a painter that shows many cells in a pixel and repaints those pixels whole.
    bool ByCell = true;
    // By block: past this many changed blocks in the window the painter repaints the whole
    // window instead, which then costs less than listing them.
    int32_t MaxBlocks = INT32_MAX;
};

class TStepPainter {
public:
    virtual ~TStepPainter() = default;
    virtual TPaintRequest PaintRequest() const { return {}; }
    // `state` 0 paints the background; a live state paints with that state's colour.
    virtual void PaintCells(uint8_t state, std::span<const TCellChange> cells) = 0;
    // The blocks with a changed cell, when the request asked for blocks.
    virtual void PaintBlocks(std::span<const TPoint> blocks) { (void)blocks; }
    // More blocks of the window changed than the request's MaxBlocks.
    virtual void PaintWindow() {}
};
