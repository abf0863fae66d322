#pragma once
// The rules table on a column of blocks. Included only by u_StepKernels.h; see u_Simd.h for
// why everything here sits in that set's namespace.

#include "engine/u_StepWindow.h"

namespace PLEXA_SIMD_NS {
namespace {

// Rules table: the next state by the cell's state and the number of firing cells around it.
// The cell's own firing depends on its state alone, so a counted centre is folded into the
// table, which is then read by [state][neighbours firing]. Where the instruction set has byte
// shuffles the table is read as the entries of no firing neighbours plus the step from each
// count to the next, one shuffle per count; elsewhere cell by cell.
// Moore counts the diagonal neighbours too; HighStates looks up states 16 and on, which
// without it become 0.
template <bool Moore, bool HighStates>
class TTableKernel {
public:
    static constexpr bool kSkipsEmpty = true;
    explicit TTableKernel(const TBlockRule& rule)
        : FFiringMask(Splat(rule.FiringMask)), FCentre(rule.Centre)
    {
        const auto fires = [&rule](int state) { return (state & rule.FiringMask) == 1; };
        for (int state = 0; state < kStates; ++state) {
            // State kCellStates stands for the states beyond the last that fire.
            const bool self = state == kCellStates || fires(state);
            const int row = Bounded(uint8_t(state)), extra = rule.Centre && self ? 1 : 0;
            for (int k = 0; k <= kMaxCount; ++k) FFolded[state][k] = rule.Table[row][k + extra];
        }
#if defined(__AVX2__)
        const auto entry = [this](int state, int k) -> uint8_t {
            return state < kStates ? FFolded[state][k] : 0;
        };
        for (int half = 0; half < 2; ++half)
            for (int lane = 0; lane < kLanes; ++lane) {
                const int state = 16 * half + lane % 16;
                FFirst[half][lane] = entry(state, 0);
                for (int k = 1; k <= kMaxCount; ++k)
                    FStep[half][k][lane] = uint8_t(entry(state, k) - entry(state, k - 1));
            }
#endif
    }
    PLEXA_INLINE void Compute(const TBlob* const[3][3], const TV* window, const TV* old,
                              TV* next) const
    {
        TV fires[kWindowVectors]; // 0xFF where the cell fires
        PLEXA_UNROLL
        for (int v = 0; v < kWindowVectors; ++v)
            fires[v] = Mask((window[v] & FFiringMask) == One());
        PLEXA_UNROLL
        for (int v = 0; v < kBlockVectors; ++v) {
            const TV left = fires[v], middle = Next1(fires, v), right = Next2(fires, v);
            // Each firing neighbour adds 0xFF, that is subtracts 1.
            TV minus = LanesDown<1>(left) + middle + LanesDown<2>(middle) + LanesDown<1>(right);
            if constexpr (Moore) minus += left + LanesDown<2>(left) + right + LanesDown<2>(right);
            const TV c = old[v];
            TV state = MinU8(c, Splat(kCellStates - 1));
            if (FCentre) state -= Mask(c > Splat(kCellStates - 1)) & LanesDown<1>(middle);
            next[v] = Lookup(state, TV{} - minus, v);
        }
    }

private:
    static constexpr int kStates = kCellStates + 1;
    static constexpr int kMaxCount = Moore ? 8 : 4;

    // FFolded[state][count] in every lane.
    PLEXA_INLINE TV Lookup(TV states, TV counts, int v) const
    {
#if defined(__AVX2__)
        (void)v;
        const TV low = states & Splat(15);
        // Lane index low + 16 * (count - k) for the step to count k: its top bit is clear,
        // and the shuffle gives the step, exactly where count - k is 0..7, so for counts 0..8
        // the steps up to the lane's count add up.
        const TV base = low | (counts << 4);
        TV fromLow = Shuffle(FFirst[0], low), fromHigh{};
        if constexpr (HighStates) fromHigh = Shuffle(FFirst[1], low);
        PLEXA_UNROLL
        for (int k = 1; k <= kMaxCount; ++k) {
            const TV index = base - Splat(uint8_t(16 * k));
            fromLow += Shuffle(FStep[0][k], index);
            if constexpr (HighStates) fromHigh += Shuffle(FStep[1][k], index);
        }
        const TV isLow = Mask(states < Splat(16));
        return HighStates ? (isLow & fromLow) | (~isLow & fromHigh) : isLow & fromLow;
#else
        alignas(64) uint8_t s[kLanes], k[kLanes], out[kLanes] = {};
        Store(s, states);
        Store(k, counts);
        for (int lane = 0; lane < 16 * Columns(v); ++lane)
            if (lane % 16 < TBlob::kSize) out[lane] = FFolded[s[lane]][k[lane]];
        return Load(out);
#endif
    }

    TV FFiringMask;
    bool FCentre;
    uint8_t FFolded[kStates][kMaxCount + 1]; // by state and neighbours firing, centre folded in
#if defined(__AVX2__)
    // By states 0..15 and 16..31: the entries of count 0, and the steps to each count.
    TV FFirst[2], FStep[2][kMaxCount + 1];
#endif
};

template <bool Moore, bool HighStates, class TStep>
int StepTable(const TBlockRule& rule, TStep step)
{
    return step(TTableKernel<Moore, HighStates>(rule));
}

// Runs `step` on the table kernel that fits the rule.
template <class TStep>
int StepTable(const TBlockRule& rule, TStep step)
{
    bool highStates = false;
    for (int state = 16; state < kCellStates; ++state)
        for (int k = 0; k < 10; ++k) highStates |= rule.Table[state][k] != 0;
    if (rule.Moore)
        return highStates ? StepTable<true, true>(rule, step) : StepTable<true, false>(rule, step);
    return highStates ? StepTable<false, true>(rule, step) : StepTable<false, false>(rule, step);
}

} // namespace
} // namespace PLEXA_SIMD_NS
