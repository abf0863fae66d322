#pragma once
// The lists in which a generation hands its changes to the painter: changed cells by state, or
// changed blocks. Lists keep their capacity between generations, so a steady pattern
// allocates nothing once its lists have grown.

#include "base/u_Geometry.h"
#include "base/u_Memory.h"
#include "engine/u_StepPainter.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <span>

template <class TItem>
class TStepList {
public:
    // False when the list had to grow and the memory gate or the heap refused.
    bool Append(const TItem& item, TMemoryGate& gate)
    {
        if (FCount == FCapacity && !Grow(gate)) return false;
        FItems[FCount++] = item;
        return true;
    }
    void Reset() { FCount = 0; }
    int32_t Count() const { return FCount; }
    int32_t Capacity() const { return FCapacity; }
    std::span<const TItem> Items() const { return {FItems.get(), size_t(FCount)}; }

private:
    bool Grow(TMemoryGate& gate)
    {
        // Doubling keeps a generation with millions of changes linear; the extra 100 entries
        // spare small lists their first few reallocations.
        const int64_t wanted = std::max<int64_t>(int64_t(FCount) + 1 + 100, int64_t(FCapacity) * 2);
        if (wanted > INT32_MAX || !gate.Allow()) return false;
        std::unique_ptr<TItem[]> items(new (std::nothrow) TItem[size_t(wanted)]);
        if (!items) return false;
        std::copy_n(FItems.get(), FCount, items.get());
        FItems = std::move(items);
        FCapacity = int32_t(wanted);
        return true;
    }

    std::unique_ptr<TItem[]> FItems;
    int32_t FCount = 0;
    int32_t FCapacity = 0;
};

// A list of cells that a generation changes to one state.
using TChangeList = TStepList<TCellChange>;
// The blocks, by block indices, in which a generation changed a cell.
using TBlockList = TStepList<TPoint>;
