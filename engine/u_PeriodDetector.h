#pragma once
// Recognises that the board repeats: the same cells as p generations ago (p up to kMaxPeriod)
// or, on a board that does not wrap, the same cells moved by (dx, dy). Each generation is
// summed up by a hash of its live cells that is kept up to date block by block as the step
// writes blocks, so a generation costs only the blocks it changed; a hash hit is confirmed by
// comparing the cells themselves. While generations change many blocks (a young soup) the
// watch is off and costs nothing but a count; it comes back, by one full pass over the board,
// once the generations have been calm for a while.

#include "engine/u_Blob.h"
#include "engine/u_StepParams.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TBoard;
struct TBlockResult;
class TLife;

struct TPeriod {
    int32_t Period = 0; // 0: none found
    int32_t Since = 0;  // the first cycle of the repeating run
    int32_t Dx = 0, Dy = 0;
    bool Found() const { return Period > 0; }
    bool Moves() const { return Dx != 0 || Dy != 0; }
    bool operator==(const TPeriod&) const = default;
};

class TPeriodDetector {
public:
    static constexpr int32_t kMaxPeriod = 1024;
    // Above this many blocks written in one generation the watch goes off.
    static constexpr int32_t kMaxWatchedBlocks = 1024;

    TPeriodDetector();
    TPeriodDetector(const TPeriodDetector&) = delete;
    TPeriodDetector& operator=(const TPeriodDetector&) = delete;

    // Forgets everything: the board was cleared or opened.
    void Reset();
    // Around every generation of the board. Games that draw random numbers, user rules (which
    // may read the cycle number) and the row games never repeat in this sense.
    void BeforeStep(const TBoard& board, const TLife& life);
    void AfterStep(const TBoard& board);
    // The step is about to replace block (bx, by) with `written`.
    bool Watching() const { return FWatching; }
    void BlockWritten(int32_t bx, int32_t by, const TBlob& old, const TBlockResult& written);
    // The two-state step changed the cells of block (bx, by) marked in `changed`, by column as
    // bits of rows; `now` holds the block's new cells in the same form.
    void BitsWritten(int32_t bx, int32_t by, const uint16_t (&changed)[TBlob::kSize],
                     const uint16_t (&now)[TBlob::kSize]);
    // The same for a step of more states, with the block's cells before and after.
    void StatesWritten(int32_t bx, int32_t by, const uint16_t (&changed)[TBlob::kSize],
                       const TBlob& before, const TBlob& after);

    // The period holding now, if any; found in the generation where it has held one period.
    const TPeriod& Current() const { return FFound; }

    struct TSums {
        uint64_t Hash = 0; // of the live cells' states, by position, mod 2^61 - 1
        int64_t Count = 0; // live cells
        int64_t SumX = 0;  // of their columns and rows
        int64_t SumY = 0;
        bool operator==(const TSums&) const = default;
    };
    // The sums of a block's cells, the block at (bx, by). The hash is that of every live
    // cell's state times the weight of its place; Weight(i, j) is that of cell (i, j) of block
    // (0, 0).
    TSums BlockSums(const uint8_t (*cells)[16], int32_t bx, int32_t by) const;
    uint64_t Weight(int i, int j) const { return FWeights[i][j]; }

private:
    // Updates the sums by the cells marked in `changed` (by column, bits of rows) of block
    // (bx, by); states(i, j) gives a cell's state before and after.
    template <class TStates>
    void CellsChanged(int32_t bx, int32_t by, const uint16_t* changed, TStates states);

    struct TState {
        int32_t Cycle;
        TSums Sums;
        std::vector<uint64_t> Cells; // sorted cell keys, when kept
        bool HasCells;
    };
    // A hash hit without the older cells: confirmed when the move repeats one period later.
    struct TPending {
        TPeriod Period;
        std::vector<uint64_t> Cells;
        bool Active = false;
    };

    void Rehash(const TBoard& board);
    // With `backOff`, the next attempt waits for twice as many calm generations.
    void StopWatching(bool backOff);
    void Push(const TBoard& board);
    // Whether `older`, moved by (dx, dy), may be `now`; sets the move.
    bool SameMoved(const TSums& older, const TSums& now, bool wrap, int32_t& dx, int32_t& dy) const;
    void Search(const TBoard& board);
    std::vector<uint64_t> CellKeys(const TBoard& board) const;
    static bool EqualMoved(const std::vector<uint64_t>& older, const std::vector<uint64_t>& now,
                           int32_t dx, int32_t dy);
    const TState& Ago(int32_t p) const; // p = 1 .. Depth()
    int32_t Depth() const { return int32_t(FCount) - 1; }
    uint64_t PowA(int64_t e) const;
    uint64_t PowB(int64_t e) const;

    // The powers of the hash's bases by cell within a block and by block.
    uint64_t FWeights[10][10];
    // The sums of the weights of every set of rows 0..4 and 5..9 of each column.
    uint64_t FRowWeights[10][2][32];
    std::vector<uint64_t> FBlockA, FBlockB;

    bool FEligible = false;
    bool FInSync = false;   // FSums matches the board
    bool FWatching = false; // the step reports its writes
    uint64_t FEdits = 0;    // the board's edit count when last in sync
    int32_t FWritten = 0;
    int32_t FCalm = 0;       // calm generations since the watch went off
    int32_t FCalmNeeded = 1; // grows each time the watch has to go off again
    TSums FSums;
    TStepParams FParams; // of the last generation
    bool FHaveParams = false;

    std::vector<TState> FRing; // the last states, newest at FHead
    size_t FHead = 0, FCount = 0;
    size_t FCellBytes = 0;
    TPeriod FFound;
    TPending FPending;
};
