// The outer-totalistic games: Life, Generations, Weighted Life and Vote for Life.

#include "engine/u_StepFrame.h"
#include "engine/u_StepParams.h"

namespace {

const TV16 kOne = Splat(1);
constexpr unsigned kRowBits = (1u << TBlob::kSize) - 1;

// A set of neighbour counts, tested lane by lane.
class TCountSet {
public:
    explicit TCountSet(uint16_t bits)
    {
        for (int k = 0; k <= 9; ++k)
            if (bits & (1u << k)) FValues[FCount++] = Splat(uint8_t(k));
    }
    TV16 Holds(TV16 counts) const
    {
        TV16 m{};
        for (int t = 0; t < FCount; ++t) m |= Mask(counts == FValues[t]);
        return m;
    }

private:
    TV16 FValues[10];
    int FCount = 0;
};

// 1 in every lane whose cell counts as a neighbour: any live state, or state 1 only.
template <bool StateOneOnly>
TV16 CountedCells(TV16 cells)
{
    if constexpr (StateOneOnly)
        return Mask(cells == kOne) & kOne;
    else
        return MinU8(cells, kOne);
}

// Live cells that survive age up to the last state; dead cells are born as 1.
TV16 AgingNext(TV16 c, TV16 born, TV16 survives, TV16 lastState)
{
    const TV16 alive = Mask(c != 0);
    return (alive & survives & MinU8(c + 1, lastState)) | (~alive & born & kOne);
}

// State 1 survives or starts to decay; decaying states run to the last state, then to 0.
TV16 DecayNext(TV16 c, TV16 born, TV16 survives, TV16 lastState, TV16 firstDecay)
{
    const TV16 is0 = Mask(c == 0), is1 = Mask(c == kOne);
    const TV16 from1 = (survives & kOne) | (~survives & firstDecay);
    const TV16 decayed = Mask(c < lastState) & (c + 1);
    return (is0 & born & kOne) | (is1 & from1) | (~(is0 | is1) & decayed);
}

// Records the changed rows of column i; returns column i's bit when any changed.
unsigned Finish(const TV16& states, TV16 old, uint16_t& changed, int i)
{
    changed = uint16_t(LaneBits(Mask(states != old)) & kRowBits);
    return changed != 0 ? 1u << i : 0;
}

// Vertical sums of three rows: lane b holds rows b..b+2 of the counted cells.
struct TColumnSums {
    TV16 Counted[12];
    TV16 Sums[12];

    template <bool StateOneOnly>
    void Fill(const TBlockWindow& w)
    {
        for (int a = 0; a < 12; ++a) {
            Counted[a] = CountedCells<StateOneOnly>(w.Col[a]);
            Sums[a] = Counted[a] + LanesDown1(Counted[a]) + LanesDown2(Counted[a]);
        }
    }
    TV16 Around(int i) const { return Sums[i] + Sums[i + 1] + Sums[i + 2]; }
    TV16 Centre(int i) const { return LanesDown1(Counted[i + 1]); }
};

// Life ages its survivors; Generations (Decay) counts only state 1 and lets dying cells decay.
template <bool Decay>
class TCountKernel {
public:
    explicit TCountKernel(const TBoard& board)
        : FSurvival(board.SurvivalSet()), FBirth(board.BirthSet()),
          FLast(Splat(uint8_t(board.StatesCount() - 1))),
          FFirstDecay(Splat(board.StatesCount() - 1 > 1 ? 2 : 0))
    {}
    unsigned Compute(const TBlockWindow& w, TBlockResult& r) const
    {
        TColumnSums s;
        s.Fill<Decay>(w);
        unsigned any = 0;
        for (int i = 0; i < TBlob::kSize; ++i) {
            const TV16 k = s.Around(i) - s.Centre(i), c = LanesDown1(w.Col[i + 1]);
            const TV16 born = FBirth.Holds(k), survives = FSurvival.Holds(k);
            r.States[i] = Decay ? DecayNext(c, born, survives, FLast, FFirstDecay)
                                : AgingNext(c, born, survives, FLast);
            any |= Finish(r.States[i], c, r.Changed[i], i);
        }
        return any;
    }

private:
    TCountSet FSurvival, FBirth;
    TV16 FLast, FFirstDecay;
};

// The cell and its eight neighbours vote: the cell lives when the count of live cells among
// the nine is in the survival set.
class TVoteKernel {
public:
    explicit TVoteKernel(const TBoard& board) : FSurvival(board.SurvivalSet()) {}
    unsigned Compute(const TBlockWindow& w, TBlockResult& r) const
    {
        TColumnSums s;
        s.Fill<false>(w);
        unsigned any = 0;
        for (int i = 0; i < TBlob::kSize; ++i) {
            const TV16 c = LanesDown1(w.Col[i + 1]);
            const TV16 toLive = FSurvival.Holds(s.Around(i)), alive = Mask(c != 0);
            const TV16 born = toLive & ~alive, dies = ~toLive & alive;
            r.States[i] = (born & kOne) | (~(born | dies) & c);
            any |= Finish(r.States[i], c, r.Changed[i], i);
        }
        return any;
    }

private:
    TCountSet FSurvival;
};

// Weighted Life looks the nine counted positions up as a 9-bit pattern: bit 0 NW, 1 NN, 2 NE,
// 3 WW, 4 ME, 5 EE, 6 SW, 7 SS, 8 SE, in the order of the rule's weights.
class TWeightedKernel {
public:
    TWeightedKernel(const TBoard& board, const TStepParams& params)
        : FOutcome(params.WeightedOutcome), FHistory(params.WeightedHistory),
          FLast(Splat(uint8_t(board.StatesCount() - 1))),
          FFirstDecay(Splat(board.StatesCount() - 1 > 1 ? 2 : 0))
    {}
    unsigned Compute(const TBlockWindow& w, TBlockResult& r) const
    {
        TV16 counted[12];
        for (int a = 0; a < 12; ++a)
            counted[a] = FHistory ? CountedCells<true>(w.Col[a]) : CountedCells<false>(w.Col[a]);
        unsigned any = 0;
        for (int i = 0; i < TBlob::kSize; ++i) {
            const TV16 L = counted[i], M = counted[i + 1], R = counted[i + 2];
            const TV16 low = L | (M << 1) | (R << 2) | (LanesDown1(L) << 3) | (LanesDown1(M) << 4) |
                             (LanesDown1(R) << 5) | (LanesDown2(L) << 6) | (LanesDown2(M) << 7);
            const TV16 high = LanesDown2(R);
            TV16 outcome{};
            for (int j = 0; j < TBlob::kSize; ++j) outcome[j] = FOutcome[low[j] | (high[j] << 8)];
            const TV16 born = Mask((outcome & kOne) != 0);
            const TV16 survives = Mask((outcome & Splat(2)) != 0);
            const TV16 c = LanesDown1(w.Col[i + 1]);
            r.States[i] = FHistory ? DecayNext(c, born, survives, FLast, FFirstDecay)
                                   : AgingNext(c, born, survives, FLast);
            any |= Finish(r.States[i], c, r.Changed[i], i);
        }
        return any;
    }

private:
    const std::array<uint8_t, 512>& FOutcome;
    bool FHistory;
    TV16 FLast, FFirstDecay;
};

} // namespace

bool TBoard::ComputeLifeFamily(const TStepParams& params, bool skipQuiet)
{
    switch (params.Game) {
    case gmLife:
        return ComputeBlocks(TCountKernel<false>(*this), true, skipQuiet);
    case gmGenerations:
        return ComputeBlocks(TCountKernel<true>(*this), true, skipQuiet);
    case gmWeightedLife:
        return ComputeBlocks(TWeightedKernel(*this, params), true, skipQuiet);
    default:
        return ComputeBlocks(TVoteKernel(*this), true, skipQuiet);
    }
}
