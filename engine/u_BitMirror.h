#pragma once
// The board's cells a bit each, for the step of the Life-like games. The board is cut into
// stripes of 60 rows; a stripe holds one 64-bit word per column, bit b being the stripe's row
// b. Sixty rows are six block rows, so a block column is ten bits of one word. Stripes are cut
// across into tiles of 40 columns, the unit in which the step passes over quiet regions.
//
// A stripe has a plane of such words for state 1 and, with more than two states, further
// planes by one of two codes. Countdown (Generations): a dying cell of state 2..C-1 holds
// C - state in binary, bit p in plane 1 + p, and 0 when it is not dying. Binary (the games whose
// every state is counted or compared): plane p holds bit p of the state. Every plane of a
// stripe has the same shape, one PlaneStride() after the other.

#include "base/u_Memory.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// What of a tile changed in the latest generation; its neighbours read its facing edges.
enum TTileEdge : uint16_t {
    teAny = 1 << 0,
    teLeft = 1 << 1,    // first column
    teRight = 1 << 2,   // last column
    teTop = 1 << 3,     // first row
    teBottom = 1 << 4,  // last row
    teTopLeft = 1 << 5, // the corner cells
    teTopRight = 1 << 6,
    teBottomLeft = 1 << 7,
    teBottomRight = 1 << 8,
    teAll = (1 << 9) - 1,
};

// How the planes hold a cell's state; with two states both are plane 0 alone.
enum class TPlaneCode : uint8_t { Countdown, Binary };

class TBitMirror {
public:
    static constexpr int kRows = 60;     // rows of a stripe
    static constexpr int kBlockRows = 6; // block rows of a stripe
    static constexpr int kTileColumns = 40;
    // Words before column 0 and after the last column: the ghost columns at -1 and Width, which
    // hold the facing columns on a torus and 0 on the plane, and room for the widest vectors
    // to run past the last column.
    static constexpr int kPad = 8;

    // Sets the geometry for a board of width x height cells (multiples of 20) and forgets the
    // cells; storage is taken at the next Allocate.
    void Resize(int32_t width, int32_t height);
    // The states the planes hold (2..25) and their code; forgets the cells when the planes
    // change.
    void SetStates(int states, TPlaneCode code);
    // Whether the planes hold `states` states by `code`, so that their cells read alike.
    bool Holds(int states, TPlaneCode code) const
    {
        return states == FStates && (code == FCode || states == 2);
    }
    int States() const { return FStates; }
    TPlaneCode Code() const { return FCode; }
    int Planes() const { return FPlanes; }
    size_t PlaneStride() const { return FStride; }
    // False when the memory could not be had.
    bool Allocate(TMemoryGate& gate);

    int32_t Width() const { return FWidth; }
    int Stripes() const { return FStripes; }
    int Tiles() const { return FTiles; } // per stripe
    int Rows(int stripe) const { return stripe < FStripes - 1 ? kRows : FLastRows; }

    // Column 0 of a stripe; columns -1 .. Width + kPad - 2 may be read.
    // Plane p of a stripe is PlaneStride() * p further on.
    uint64_t* Stripe(int stripe) { return FStripeAt[size_t(stripe)]; }
    const uint64_t* Stripe(int stripe) const { return FStripeAt[size_t(stripe)]; }
    // Scratch stripes of the same shape for the step: the new contents of stripes being
    // computed, and one always 0 for the rows beyond the plane's edges.
    uint64_t* Scratch(int k) { return FScratchAt[size_t(k)]; }
    const uint64_t* ZeroStripe() const { return FScratchAt[kScratch - 1]; }
    // Scratch stripe k, computed whole, becomes the stripe; the stripe's words become scratch.
    void Adopt(int stripe, int k) { std::swap(FStripeAt[size_t(stripe)], FScratchAt[size_t(k)]); }
    static constexpr int kScratch = 4;   // three for new contents, the last one the zero stripe
    static constexpr int kPlanesMax = 6; // state 1 and the countdown of 23 dying states
    // The bits of a held state in the planes, bit p for plane p.
    unsigned CodeOf(unsigned state) const
    {
        return FCode == TPlaneCode::Binary || state < 2 ? state : (unsigned(FStates) - state) << 1;
    }

    // The set bits of a word, without the library call that stands in for the instruction on
    // processors of the core's baseline.
    static int Ones(uint64_t bits)
    {
        bits -= (bits >> 1) & 0x5555555555555555u;
        bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
        bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
        return int((bits * 0x0101010101010101u) >> 56);
    }

    // The ghost columns of every plane, from the facing columns on a torus, else 0.
    void RefreshGhosts(bool wrap);

    // Cell (column, row) board-relative (0-based) takes `state`; one the planes cannot hold
    // sets High.
    void Set(int32_t column, int32_t row, uint8_t state);
    // Whether the planes hold `state`.
    bool Holds(uint8_t state) const { return state < FStates; }
    // The ten bits of column `column` of block row `blockRow`, of state 1.
    unsigned BlockColumn(int32_t column, int32_t blockRow) const
    {
        const uint64_t word = Stripe(blockRow / kBlockRows)[column];
        return unsigned(word >> (10 * (blockRow % kBlockRows))) & 0x3FF;
    }
    // The cells of column x of the stripe just computed whose state changed, from its words
    // before and after (plane 0); with dying cells the step records them in ChangedWords().
    uint64_t Changed(const uint64_t* old, const uint64_t* next, int32_t x) const
    {
        return FPlanes > 1 ? FChanged[size_t(x)] : old[x] ^ next[x];
    }
    uint64_t* ChangedWords() { return FChanged.get(); }
    // The cells of column x that were empty and are not, from its words before and after.
    uint64_t Born(const uint64_t* old, const uint64_t* next, int32_t x) const
    {
        // Of the countdown's states only state 1 is born.
        return FCode == TPlaneCode::Binary ? Occupied(next, x) & ~Occupied(old, x)
                                           : next[x] & ~old[x];
    }
    // The changed cells of column x that the neighbours see: not the countdown of a dying cell,
    // which no rule counts.
    uint64_t SeenChanged(const uint64_t* old, const uint64_t* next, int32_t x) const
    {
        return FCode == TPlaneCode::Binary ? Changed(old, next, x) : old[x] ^ next[x];
    }
    // The states of the ten cells of block row `k` of such a column; gives the nonzero ones.
    int ColumnStates(const uint64_t* words, int k, uint8_t* states) const;
    // Every cell 0.
    void Zero();

    // What changed in every tile: read by the step (Fresh), written by it (Next), swapped after.
    uint16_t* Fresh() { return FFresh.get(); }
    uint16_t* Next() { return FNext.get(); }
    void SwapEdges() { FFresh.swap(FNext); }
    void MarkChanged(int32_t column, int32_t row)
    {
        FFresh[size_t(row / kRows) * FTiles + column / kTileColumns] = teAll;
    }
    // With dying cells: the cells of every tile that are not 0, kept by Set and the step,
    // counted afresh by CountTileLive.
    uint16_t* TileLive() { return FLive.get(); }
    void CountTileLive();

    // The bits hold the board's cells (else they must be rebuilt before use); High: a cell may
    // hold a state that the planes do not tell.
    bool Valid = false;
    bool High = false;
    // Every tile is to be computed at the next step.
    bool Stirred = true;

private:
    uint64_t Occupied(const uint64_t* words, int32_t x) const
    {
        uint64_t any = 0;
        for (int p = 0; p < FPlanes; ++p) any |= words[x + size_t(p) * FStride];
        return any;
    }

    int32_t FWidth = 0, FHeight = 0;
    int FStripes = 0, FTiles = 0, FLastRows = 0;
    int FStates = 2, FPlanes = 1;
    TPlaneCode FCode = TPlaneCode::Countdown;
    uint8_t FStateOfCode[1 << kPlanesMax] = {0, 1};
    size_t FStride = 0, FStripeStride = 0;
    size_t FAllocatedWords = 0, FScratchStride = 0, FAllocatedTiles = 0;
    // The stripes' words, in large pages where the system has them (u_BitMirror.cpp).
    struct TFreeWords {
        void operator()(uint64_t* words) const;
    };
    std::unique_ptr<uint64_t[], TFreeWords> FWords;
    std::unique_ptr<uint64_t[]> FScratch, FChanged;
    // Where each stripe's and scratch stripe's column 0 is, in either store.
    std::vector<uint64_t*> FStripeAt;
    std::array<uint64_t*, kScratch> FScratchAt{};
    std::unique_ptr<uint16_t[]> FFresh, FNext, FLive;
};
