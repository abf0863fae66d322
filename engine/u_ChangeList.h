#pragma once
// A list of cells that a generation changes to one state. Lists keep their capacity between
// generations, so a steady pattern allocates nothing once its lists have grown.

#include "base/u_Memory.h"
#include "engine/u_StepPainter.h"

#include <cstdint>
#include <memory>
#include <span>

class TChangeList {
public:
    // False when the list had to grow and the memory gate or the heap refused.
    bool Append(int32_t x, int32_t y, uint8_t state, TMemoryGate& gate)
    {
        if (FCount == FCapacity && !Grow(gate)) return false;
        FItems[FCount++] = {x, y, state};
        return true;
    }
    void Reset() { FCount = 0; }
    int32_t Count() const { return FCount; }
    int32_t Capacity() const { return FCapacity; }
    std::span<const TCellChange> Items() const { return {FItems.get(), size_t(FCount)}; }

private:
    bool Grow(TMemoryGate& gate);

    std::unique_ptr<TCellChange[]> FItems;
    int32_t FCount = 0;
    int32_t FCapacity = 0;
};
