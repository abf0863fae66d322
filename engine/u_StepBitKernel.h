#pragma once
// The Life-like games a bit per cell: each vector holds the words of neighbouring columns, so
// one instruction serves 64 cells per word. Included only by the units that build it for one
// instruction set each, in that set's namespace (see u_Simd.h).

#include "engine/u_BitMirror.h"
#include "engine/u_Simd.h"
#include "engine/u_StepBit.h"

#include <algorithm>

namespace PLEXA_SIMD_NS {
namespace {

constexpr int kWords = kLanes / 8; // columns per vector
// Tiles are 40 columns and boards a multiple of 20 wide: the vectors split every tile evenly.
static_assert(TBitMirror::kTileColumns % kWords == 0 && 20 % kWords == 0);
typedef uint64_t TWords __attribute__((vector_size(kLanes)));

PLEXA_INLINE TWords LoadWords(const uint64_t* p)
{
    TWords v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

PLEXA_INLINE TWords Majority(TWords a, TWords b, TWords c)
{
    return (a & b) | (c & (a | b));
}

// The set bits of every byte.
PLEXA_INLINE TWords ByteCounts(TWords x)
{
    const TWords m4 = TWords{} + 0x0F0F0F0F0F0F0F0Fu;
#if defined(__AVX2__)
    // Each nibble's count from a table of sixteen, a byte shuffle for either half.
    const __m256i table = _mm256_setr_epi8(0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4, 0, 1, 1,
                                           2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4);
    return TWords(_mm256_add_epi8(_mm256_shuffle_epi8(table, __m256i(x & m4)),
                                  _mm256_shuffle_epi8(table, __m256i((x >> 4) & m4))));
#else
    const TWords m1 = TWords{} + 0x5555555555555555u, m2 = TWords{} + 0x3333333333333333u;
    x = x - ((x >> 1) & m1);
    x = (x & m2) + ((x >> 2) & m2);
    return (x + (x >> 4)) & m4;
#endif
}

PLEXA_INLINE int SumBytes(TWords x)
{
    // The sums of every eight bytes, one a word.
#if defined(__AVX2__)
    const TWords sums = TWords(_mm256_sad_epu8(__m256i(x), __m256i{}));
#else
    const TWords sums = TWords(_mm_sad_epu8(__m128i(x), __m128i{}));
#endif
    uint64_t sum = 0;
    for (int k = 0; k < kWords; ++k) sum += sums[k];
    return int(sum);
}

PLEXA_INLINE uint64_t OrWords(TWords x)
{
    uint64_t all = 0;
    for (int k = 0; k < kWords; ++k) all |= x[k];
    return all;
}

// Calls step.template operator()<P>() for P = planes, 1 .. TBitMirror::kPlanesMax - 1: the
// kernels of several planes are built for each count of them.
template <int P = 1, class TStep>
PLEXA_INLINE void ByPlanes(int planes, TStep&& step)
{
    if constexpr (P + 1 < TBitMirror::kPlanesMax)
        if (planes > P) return ByPlanes<P + 1>(planes, step);
    step.template operator()<P>();
}

// The side of a block: a column's word holds kBlockRows block rows of kBlockSide bits.
constexpr int kBlockSide = TBitMirror::kRows / TBitMirror::kBlockRows;

// The block column in its tile of each column of a tile's vectors.
struct TBlockColumns {
    static constexpr int kVectors = TBitMirror::kTileColumns / kWords;
    TWords Of[kVectors];

    TBlockColumns()
    {
        for (int v = 0; v < kVectors; ++v)
            for (int i = 0; i < kWords; ++i) Of[v][i] = uint64_t((v * kWords + i) / kBlockSide);
    }
};

// `bits` in every block row of a column's word.
constexpr uint64_t BlockRowFields(uint64_t bits)
{
    uint64_t all = 0;
    for (int row = 0; row < TBitMirror::kBlockRows; ++row) all |= bits << (kBlockSide * row);
    return all;
}

// The top bit of every block row where `changed` has a bit, moved up by the column's block
// column (TBlockColumns); ORed over a tile's vectors, MarkedBlocks reads the blocks from them.
PLEXA_INLINE TWords BlockMarks(TWords changed, TWords blockColumn)
{
    // The low bits of a block row carry into its top bit when any is set.
    const TWords low = TWords{} + BlockRowFields(0x1FF), top = TWords{} + BlockRowFields(0x200);
    return ((((changed & low) + low) | changed) & top) << blockColumn;
}

// The blocks of a tile with a change, bit 4 * block row + block column, from its marks.
inline uint32_t MarkedBlocks(TWords marks)
{
    constexpr int kColumns = TBitMirror::kTileColumns / kBlockSide;
    const uint64_t blocks = OrWords(marks);
    uint32_t byBlock = 0;
    PLEXA_UNROLL
    for (int row = 0; row < TBitMirror::kBlockRows; ++row)
        byBlock |= uint32_t(blocks >> (kBlockSide * row + kBlockSide - 1) & ((1u << kColumns) - 1))
                   << (kColumns * row);
    return byBlock;
}

// What a tile's vectors changed, summed up as they are computed. A tile's vectors are at most
// 40 / kWords per lane, so no byte of a count passes 8 * 40 / kWords <= 160. Two states: a
// changed cell that was not born was emptied; with dying cells the tile's cells not 0 are
// counted instead, which the board compares with what it had.
template <bool Decay>
struct TTileSums {
    // Born: with dying cells, the cells not 0. Blocks: the BlockMarks of the changes.
    TWords Rows{}, BornRows{}, Changed{}, Born{}, Blocks{};

    PLEXA_INLINE void Add(TWords old, TWords next, TWords blockColumn)
    {
        const TWords d = old ^ next, b = next & d;
        Rows |= d;
        BornRows |= b;
        Changed += ByteCounts(d);
        Born += ByteCounts(b);
        Blocks |= BlockMarks(d, blockColumn);
    }
    PLEXA_INLINE void Add(TWords rows, TWords changed, TWords born, TWords live, TWords blockColumn)
    {
        Rows |= rows;
        BornRows |= born;
        Changed += ByteCounts(changed);
        Born += ByteCounts(live);
        Blocks |= BlockMarks(changed, blockColumn);
    }
    PLEXA_INLINE TBitTileChanges Total() const
    {
        const int changed = SumBytes(Changed), born = SumBytes(Born);
        const uint32_t byBlock = MarkedBlocks(Blocks);
        if constexpr (Decay)
            return {OrWords(Rows), OrWords(BornRows), changed, 0, 0, byBlock, born};
        return {OrWords(Rows), OrWords(BornRows), changed, born, changed - born, byBlock, 0};
    }
};

using TForm = TBitRule::TForm;

constexpr bool Decays(TForm form)
{
    return form == TForm::Generations;
}

// Generations: state 1 as the rule gives it, but not for a dying cell; the dying cells count
// down by one on the Planes planes, and the cells of state 1 that do not survive start to.
template <int Planes>
PLEXA_INLINE void StepCountdown(const TBitStripeJob& job, int32_t x, TWords cC, TWords next,
                                TWords dying, const TWords* countdown, TWords blockColumn,
                                TTileSums<true>& sums)
{
    const TWords start = cC & ~next;
    TWords borrow = dying, still{};
    for (int p = 0; p < Planes; ++p) {
        TWords bit = countdown[p] ^ borrow;
        borrow &= ~countdown[p];
        if (job.Countdown >> p & 1) bit |= start;
        std::memcpy(job.Out + size_t(p + 1) * job.PlaneStride + x, &bit, sizeof bit);
        still |= bit;
    }
    const TWords d = cC ^ next, changed = d | dying;
    std::memcpy(job.Changed + x, &changed, sizeof changed);
    sums.Add(d, changed, next & ~cC, next | still, blockColumn);
}

// The rule in algebraic normal form, made once per stripe: the new state is the exclusive or
// of the products of count bits whose terms are set, bit m of a sum for the product of n0, n1,
// n2 by the bits of m (m < 8), bit 8 for n3, bit 9 for n3 n0. A count of eight or more has
// neither n1 nor n2, so no other product with n3 is needed. Empty holds the terms of an empty
// cell, Live what a live cell's terms differ by.
struct TRuleTerms {
    unsigned Empty = 0, Live = 0;

    TRuleTerms() = default;
    explicit TRuleTerms(const TBitRule& rule)
    {
        unsigned terms[2];
        for (int c = 0; c < 2; ++c) {
            // The new state by the count, bit n for count n (0..9).
            unsigned table = 0;
            for (int leaf = 0; leaf < 5; ++leaf)
                table |= unsigned(rule.Leaves[c][leaf]) << 2 * leaf;
            // Each term m < 8 the sum of the table over the counts whose bits m holds, taken
            // bit by bit of m.
            unsigned t = table & 0xFF;
            t ^= (t & 0x55) << 1;
            t ^= (t & 0x33) << 2;
            t ^= (t & 0x0F) << 4;
            const unsigned t0 = table & 1, t1 = table >> 1 & 1, t8 = table >> 8 & 1;
            t |= (t8 ^ t0) << 8;
            // Only the count of a vote reaches nine.
            if (rule.Form == TForm::Sums) t |= ((table >> 9 & 1) ^ t8 ^ t1 ^ t0) << 9;
            terms[c] = t;
        }
        Empty = terms[0];
        Live = terms[0] ^ terms[1];
    }
};

// The products of a count's bits that TRuleTerms reads.
struct TCountTerms {
    TWords N0, N1, N2, N12, N3;

    PLEXA_INLINE TCountTerms(TWords n0, TWords n1, TWords n2, TWords n3)
        : N0(n0), N1(n1), N2(n2), N12(n1 & n2), N3(n3)
    {}
    // The sum of the set `terms`, those without n0 and n0 times those with it; with Nine, n3 n0
    // too, which only a vote's count of the cell and its eight neighbours reaches. A test of
    // each term, the same for every vector of the stripe, costs less than masking every term:
    // most rules have a few terms only.
    template <bool Nine>
    PLEXA_INLINE TWords Sum(unsigned terms) const
    {
        const TWords ones = TWords{} - 1;
        const TWords products[4] = {ones, N1, N2, N12};
        TWords without{}, with{};
        PLEXA_UNROLL
        for (int k = 0; k < 4; ++k) {
            if (terms >> 2 * k & 1) without ^= products[k];
            if (terms >> (2 * k + 1) & 1) with ^= products[k];
        }
        if constexpr (Nine)
            if (terms >> 9 & 1) with ^= N3;
        TWords sum = without ^ (with & N0);
        if (terms >> 8 & 1) sum ^= N3;
        return sum;
    }
};

// The count of the 3x3 neighbourhood of 64 cells a word, in four bits (0..9): c the
// stripe's columns x - 1, x, x + 1, a and b those of the stripes above and below. The cell
// itself counts only with `centre`.
PLEXA_INLINE void CountMoore(bool centre, TWords cL, TWords cC, TWords cR, TWords aL, TWords aC,
                             TWords aR, TWords bL, TWords bC, TWords bR, const TBitStripeJob& job,
                             TWords (&n)[4])
{
    // Each column's cell with its left and right neighbours, as two bits, for the rows above
    // and below; for the cell's own row the neighbours alone, unless the cell counts too ...
    const TWords m0 = cL ^ cC ^ cR, m1 = Majority(cL, cC, cR);
    const TWords e0 = centre ? m0 : cL ^ cR, e1 = centre ? m1 : cL & cR;
    // ... and the same for the rows beyond the stripe's edges, of which one bit counts.
    const TWords one = TWords{} + 1;
    const TWords a0 = ((aL ^ aC ^ aR) >> job.AboveBit) & one;
    const TWords a1 = (Majority(aL, aC, aR) >> job.AboveBit) & one;
    // The rows of Below past its row 0 land beyond the stripe's rows, whose new states the
    // step masks off.
    const TWords b0 = (bL ^ bC ^ bR) << job.TopBit;
    const TWords b1 = Majority(bL, bC, bR) << job.TopBit;
    // The row sums above and below each row.
    const TWords u0 = (m0 << 1) | a0, u1 = (m1 << 1) | a1;
    const TWords d0 = (m0 >> 1) | b0, d1 = (m1 >> 1) | b1;
    // Three two-bit sums make the count in four bits.
    const TWords k0 = Majority(u0, e0, d0), t = u1 ^ e1 ^ d1, h = Majority(u1, e1, d1);
    n[0] = u0 ^ e0 ^ d0;
    n[1] = t ^ k0;
    const TWords k1 = t & k0;
    n[2] = h ^ k1;
    n[3] = h & k1;
}

template <TForm Form, int Planes>
PLEXA_INLINE void StepWords(const TRuleTerms& terms, const TBitStripeJob& job, int32_t x,
                            TWords blockColumn, TTileSums<Decays(Form)>& sums)
{
    const TWords cL = LoadWords(job.Mid + x - 1), cC = LoadWords(job.Mid + x),
                 cR = LoadWords(job.Mid + x + 1);
    const TWords aL = LoadWords(job.Above + x - 1), aC = LoadWords(job.Above + x),
                 aR = LoadWords(job.Above + x + 1);
    const TWords bL = LoadWords(job.Below + x - 1), bC = LoadWords(job.Below + x),
                 bR = LoadWords(job.Below + x + 1);
    TWords n[4];
    CountMoore(Form == TForm::Sums, cL, cC, cR, aL, aC, aR, bL, bC, bR, job, n);
    const TWords n0 = n[0], n1 = n[1], n2 = n[2], n3 = n[3];
    TWords next;
    if constexpr (Form == TForm::Conway) {
        // Three neighbours, or two and the cell.
        next = n1 & (n0 | cC) & ~(n2 | n3);
    } else {
        const TCountTerms count(n0, n1, n2, n3);
        next = count.Sum<Form == TForm::Sums>(terms.Empty);
        // A live cell's terms differ from an empty one's by Live.
        if constexpr (Form != TForm::Sums) next ^= cC & count.Sum<false>(terms.Live);
        if constexpr (Decays(Form)) {
            TWords countdown[Planes], dying{};
            for (int p = 0; p < Planes; ++p) {
                countdown[p] = LoadWords(job.Mid + size_t(p + 1) * job.PlaneStride + x);
                dying |= countdown[p];
            }
            // Dying cells are neither born nor counted; a live cell is not dying.
            next &= ~dying & (TWords{} + job.RowMask);
            std::memcpy(job.Out + x, &next, sizeof next);
            StepCountdown<Planes>(job, x, cC, next, dying, countdown, blockColumn, sums);
            return;
        }
    }
    next &= TWords{} + job.RowMask;
    std::memcpy(job.Out + x, &next, sizeof next);
    sums.Add(cC, next, blockColumn);
}

// Planes: the countdown planes of Generations, else 0.
template <TForm Form, int Planes = 0>
void StepTiles(const TBitRule& rule, const TBitStripeJob& shared)
{
    // A copy that the stores through its pointers cannot alias, so that its fields stay in
    // registers.
    const TBitStripeJob job = shared;
    // "23/3" reads no terms.
    const TRuleTerms terms = Form == TForm::Conway ? TRuleTerms() : TRuleTerms(rule);
    const TBlockColumns blockColumns;
    for (int k = 0; k < job.TileCount; ++k) {
        const int32_t x0 = job.Tiles[k] * TBitMirror::kTileColumns;
        const int32_t x1 = std::min(x0 + TBitMirror::kTileColumns, job.Width);
        TTileSums<Decays(Form)> sums;
        for (int32_t x = x0, v = 0; x < x1; x += kWords, ++v)
            StepWords<Form, Planes>(terms, job, x, blockColumns.Of[v], sums);
        job.Changes[k] = sums.Total();
    }
}

} // namespace

void StepBitStripe(const TBitRule& rule, const TBitStripeJob& job)
{
    switch (rule.Form) {
    case TForm::Conway:
        return StepTiles<TForm::Conway>(rule, job);
    case TForm::Counts:
        return StepTiles<TForm::Counts>(rule, job);
    case TForm::Sums:
        return StepTiles<TForm::Sums>(rule, job);
    case TForm::Generations:
        return ByPlanes(job.CountdownPlanes,
                        [&]<int Planes>() { StepTiles<TForm::Generations, Planes>(rule, job); });
    }
}

} // namespace PLEXA_SIMD_NS
