#include "engine/u_ChangeList.h"

#include <algorithm>
#include <new>

bool TChangeList::Grow(TMemoryGate& gate)
{
    // Doubling keeps a generation with millions of changes linear; the extra 100 entries
    // spare small lists their first few reallocations.
    const int64_t wanted = std::max<int64_t>(int64_t(FCount) + 1 + 100, int64_t(FCapacity) * 2);
    if (wanted > INT32_MAX || !gate.Allow()) return false;
    std::unique_ptr<TCellChange[]> items(new (std::nothrow) TCellChange[size_t(wanted)]);
    if (!items) return false;
    std::copy_n(FItems.get(), FCount, items.get());
    FItems = std::move(items);
    FCapacity = int32_t(wanted);
    return true;
}
