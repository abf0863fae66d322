#include "engine/u_BitTable.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace {

// Lists the members of `set` among the first `size`, or those it leaves out when they are
// fewer; gives whether the list is of those left out.
template <size_t N>
bool ListSmaller(uint32_t set, int size, uint8_t (&list)[N], uint8_t& count)
{
    const uint32_t all = (uint32_t(1) << size) - 1;
    const bool other = std::popcount(set) > size / 2;
    uint32_t listed = other ? all & ~set : set;
    assert(std::popcount(listed) <= int(N));
    count = 0;
    for (; listed != 0; listed &= listed - 1) list[count++] = uint8_t(std::countr_zero(listed));
    return other;
}

} // namespace

TBitTable TBitTable::Of(const TRulesTable& table, int states)
{
    TBitTable t{};
    t.Source = table;
    t.BoardStates = states;
    // The board's states count is 1 + the largest table value; should it be less, the planes
    // still hold every value the table gives.
    int largest = 0;
    for (const auto& row : table.Table)
        for (uint8_t value : row) largest = std::max(largest, int(value));
    t.States = std::max(states, largest + 1);
    t.Planes = std::bit_width(unsigned(t.States - 1));
    t.Moore = table.Neighbourhood != 2;
    t.Centre = table.Centre;
    t.OddStates = table.OddStates;
    t.Counts = (t.Moore ? 8 : 4) + (t.Centre ? 1 : 0) + 1;
    states = t.States;
    for (int p = 0; p < t.Planes; ++p) {
        // The counts that set plane p, by state; states of the same counts share a term.
        uint32_t countsOf[TRulesTable::kStates] = {};
        for (int s = 0; s < states; ++s)
            for (int c = 0; c < t.Counts; ++c)
                if (table.Table[s][c] >> p & 1) countsOf[s] |= 1u << c;
        uint32_t done = 0;
        for (int s = 0; s < states; ++s) {
            if (countsOf[s] == 0 || (done >> s & 1)) continue;
            uint32_t sharing = 0;
            for (int r = s; r < states; ++r)
                if (countsOf[r] == countsOf[s]) sharing |= 1u << r;
            done |= sharing;
            TBitTableTerm& term = t.Terms[t.TermCount++];
            term.Plane = uint8_t(p);
            term.OtherStates = ListSmaller(sharing, states, term.States, term.StateCount);
            term.OtherCounts = ListSmaller(countsOf[s], t.Counts, term.Counts, term.CountCount);
        }
    }
    return t;
}
