#include "engine/u_PeriodDetector.h"

#include "engine/u_BlobColumn.h"
#include "engine/u_Board.h"
#include "rules/u_Life.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Arithmetic mod the prime 2^61 - 1: no weak bases, and every base has an inverse, so that a
// hash can be moved by a negative offset as well.
constexpr uint64_t kPrime = (uint64_t(1) << 61) - 1;
constexpr uint64_t kBaseA = 0x1F3D5B79A2C4E68Bull % kPrime;
constexpr uint64_t kBaseB = 0x0B4C2D1E3F5A6978ull % kPrime;

uint64_t Reduce(unsigned __int128 v)
{
    uint64_t r = uint64_t(v & kPrime) + uint64_t(v >> 61);
    r = (r & kPrime) + (r >> 61);
    return r >= kPrime ? r - kPrime : r;
}

uint64_t MulMod(uint64_t a, uint64_t b)
{
    return Reduce((unsigned __int128)a * b);
}
uint64_t AddMod(uint64_t a, uint64_t b)
{
    return a + b >= kPrime ? a + b - kPrime : a + b;
}
uint64_t SubMod(uint64_t a, uint64_t b)
{
    return a >= b ? a - b : a + kPrime - b;
}

uint64_t Power(uint64_t base, uint64_t e)
{
    uint64_t r = 1;
    for (; e != 0; e >>= 1, base = MulMod(base, base))
        if (e & 1) r = MulMod(r, base);
    return r;
}

// Kept cells, for the exact comparison on a hash hit: small boards keep those of every state
// within this budget; larger ones are compared one period after the hit instead.
constexpr int64_t kKeptCells = 2048;
constexpr size_t kKeptBytes = size_t(8) << 20;
// Beyond this many live cells a hit is not confirmed (and no period reported).
constexpr int64_t kPendingCells = int64_t(1) << 22;
constexpr int32_t kMaxCalmNeeded = 256;
// Looking at the whole board again after an edit is put off, like after a busy generation,
// when the live cells spread over more blocks than this: drawing into a large running pattern
// must not cost a pass over it every generation.
constexpr int64_t kPromptRehashBlocks = 65536;

int64_t SumOfBytes(__m128i v)
{
    const __m128i sums = _mm_sad_epu8(v, _mm_setzero_si128());
    return _mm_cvtsi128_si64(sums) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums));
}

unsigned OrOfBytes(__m128i v)
{
    uint64_t bytes =
        uint64_t(_mm_cvtsi128_si64(v)) | uint64_t(_mm_cvtsi128_si64(_mm_unpackhi_epi64(v, v)));
    bytes |= bytes >> 32;
    bytes |= bytes >> 16;
    bytes |= bytes >> 8;
    return unsigned(bytes & 0xFF);
}

bool Eligible(const TLife& life)
{
    switch (life.Game()) {
    case gmLife:
    case gmGenerations:
    case gmWeightedLife:
    case gmVoteForLife:
    case gmRulesTable:
    case gmCyclic:
        return true;
    default:
        return false;
    }
}

} // namespace

TPeriodDetector::TPeriodDetector()
    : FBlockA(TBoard::kSlotsX), FBlockB(TBoard::kSlotsY), FRing(size_t(kMaxPeriod) + 1)
{
    for (int i = 0; i < TBlob::kSize; ++i)
        for (int j = 0; j < TBlob::kSize; ++j)
            FWeights[i][j] = MulMod(Power(kBaseA, i), Power(kBaseB, j));
    for (int i = 0; i < TBlob::kSize; ++i)
        for (int half = 0; half < 2; ++half)
            for (unsigned rows = 0; rows < 32; ++rows) {
                uint64_t sum = 0;
                for (int k = 0; k < 5; ++k)
                    if (rows >> k & 1) sum = AddMod(sum, FWeights[i][5 * half + k]);
                FRowWeights[i][half][rows] = sum;
            }
    // Each block's weight is its left neighbour's times a^10 (above: b^10).
    const uint64_t stepA = PowA(TBlob::kSize), stepB = PowB(TBlob::kSize);
    FBlockA[0] = FBlockB[0] = 1;
    for (size_t bx = 1; bx < FBlockA.size(); ++bx) FBlockA[bx] = MulMod(FBlockA[bx - 1], stepA);
    for (size_t by = 1; by < FBlockB.size(); ++by) FBlockB[by] = MulMod(FBlockB[by - 1], stepB);
    Reset();
}

uint64_t TPeriodDetector::PowA(int64_t e) const
{
    // a^-e = (a^-1)^e, and a^-1 = a^(p - 2).
    return e >= 0 ? Power(kBaseA, uint64_t(e)) : Power(Power(kBaseA, kPrime - 2), uint64_t(-e));
}

uint64_t TPeriodDetector::PowB(int64_t e) const
{
    return e >= 0 ? Power(kBaseB, uint64_t(e)) : Power(Power(kBaseB, kPrime - 2), uint64_t(-e));
}

void TPeriodDetector::Reset()
{
    StopWatching(false);
    FHaveParams = false;
}

void TPeriodDetector::StopWatching(bool backOff)
{
    FWatching = false;
    FInSync = false;
    for (TState& s : FRing) {
        s.Cells.clear();
        s.HasCells = false;
    }
    FCount = 0;
    FCellBytes = 0;
    FFound = {};
    FPending = {};
    if (backOff) {
        FCalm = 0;
        FCalmNeeded = std::min(FCalmNeeded * 2, kMaxCalmNeeded);
    } else {
        // Looked at again from the next generation.
        FCalmNeeded = 1;
        FCalm = 1;
    }
}

TPeriodDetector::TSums TPeriodDetector::BlockSums(const uint8_t (*cells)[16], int32_t bx,
                                                  int32_t by) const
{
    // Without a branch per cell. By byte, over the columns: the live cells of each row and the
    // sum of their columns. The hash is summed by the bits of the states, bit b of a column's
    // cells giving ten row bits whose weights are two table entries; mod the prime that is the
    // sum of every cell's weight times its state.
    const __m128i zero = _mm_setzero_si128(), one = _mm_set1_epi8(1);
    __m128i columns[TBlob::kSize];
    __m128i any = zero, liveOfRow = zero, columnsOfRow = zero;
#pragma GCC unroll 10
    for (int i = 0; i < TBlob::kSize; ++i) {
        columns[i] = LoadColumn(cells[i]);
        any = _mm_or_si128(any, columns[i]);
        const __m128i empty = _mm_cmpeq_epi8(columns[i], zero);
        liveOfRow = _mm_add_epi8(liveOfRow, _mm_andnot_si128(empty, one));
        columnsOfRow = _mm_add_epi8(columnsOfRow, _mm_andnot_si128(empty, _mm_set1_epi8(char(i))));
    }
    const int64_t count = SumOfBytes(liveOfRow), sumI = SumOfBytes(columnsOfRow);
    // The rows' counts times the rows' numbers; the padding is 0.
    __m128i rowSums = _mm_add_epi32(
        _mm_madd_epi16(_mm_unpacklo_epi8(liveOfRow, zero), _mm_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7)),
        _mm_madd_epi16(_mm_unpackhi_epi8(liveOfRow, zero),
                       _mm_setr_epi16(8, 9, 10, 11, 12, 13, 14, 15)));
    rowSums = _mm_add_epi32(rowSums, _mm_shuffle_epi32(rowSums, 0x4E));
    rowSums = _mm_add_epi32(rowSums, _mm_shuffle_epi32(rowSums, 0xB1));
    const int64_t sumJ = _mm_cvtsi128_si32(rowSums);

    const unsigned stateBits = OrOfBytes(any);
    unsigned __int128 hash = 0;
    for (int b = 0; (stateBits >> b) != 0; ++b) {
        if ((stateBits >> b & 1) == 0) continue;
        // A column's two entries are below 2^62, so that four columns fit 64 bits.
        uint64_t groups[3] = {};
#pragma GCC unroll 10
        for (int i = 0; i < TBlob::kSize; ++i) {
            const unsigned rows = RowsWithBit(columns[i], b);
            groups[i / 4] += FRowWeights[i][0][rows & 31] + FRowWeights[i][1][rows >> 5];
        }
        const unsigned __int128 plane =
            (unsigned __int128)groups[0] + groups[1] + (unsigned __int128)groups[2];
        hash += plane << b;
    }
    TSums sums;
    sums.Hash = MulMod(MulMod(Reduce(hash), FBlockA[size_t(bx)]), FBlockB[size_t(by)]);
    sums.Count = count;
    sums.SumX = count * bx * TBlob::kSize + sumI;
    sums.SumY = count * by * TBlob::kSize + sumJ;
    return sums;
}

void TPeriodDetector::Rehash(const TBoard& board)
{
    FSums = {};
    const TLiveBox& box = board.LiveBox();
    for (int32_t bx = std::max(box.MinBX, 0); bx <= box.MaxBX; ++bx)
        for (int32_t by = std::max(box.MinBY, 0); by <= box.MaxBY; ++by) {
            const TBlob& blob = board.BlobAt(bx, by);
            if (blob.LiveCount == 0) continue;
            const TSums s = BlockSums(blob.Cells, bx, by);
            FSums.Hash = AddMod(FSums.Hash, s.Hash);
            FSums.Count += s.Count;
            FSums.SumX += s.SumX;
            FSums.SumY += s.SumY;
        }
}

void TPeriodDetector::BeforeStep(const TBoard& board, const TLife& life)
{
    FEligible = Eligible(life);
    if (!FEligible) {
        if (FInSync || FFound.Found()) StopWatching(false);
        return;
    }
    // Cells drawn (or a rule changed) between generations start a new run.
    if (FInSync && board.EditCount() != FEdits) {
        const TLiveBox& box = board.LiveBox();
        const int64_t blocks = int64_t(box.MaxBX - box.MinBX + 1) * (box.MaxBY - box.MinBY + 1);
        StopWatching(blocks > kPromptRehashBlocks);
    }
    if (!FInSync) {
        FWatching = false;
        if (FCalm < FCalmNeeded) return;
        Rehash(board);
        FInSync = true;
        FEdits = board.EditCount();
        Push(board);
    }
    FWatching = true;
    FWritten = 0;
}

template <class TStates>
void TPeriodDetector::CellsChanged(int32_t bx, int32_t by, const uint16_t* changed, TStates states)
{
    if (++FWritten > kMaxWatchedBlocks) {
        StopWatching(true);
        return;
    }
    unsigned __int128 added = 0, removed = 0;
    int64_t count = 0, sumI = 0, sumJ = 0;
    for (int i = 0; i < TBlob::kSize; ++i)
        for (unsigned rows = changed[i]; rows != 0; rows &= rows - 1) {
            const int j = __builtin_ctz(rows);
            const auto [before, after] = states(i, j);
            added += (unsigned __int128)FWeights[i][j] * after;
            removed += (unsigned __int128)FWeights[i][j] * before;
            const int life = (after != 0) - (before != 0);
            count += life;
            sumI += life * i;
            sumJ += life * j;
        }
    const uint64_t at = MulMod(FBlockA[size_t(bx)], FBlockB[size_t(by)]);
    FSums.Hash = SubMod(AddMod(FSums.Hash, MulMod(Reduce(added), at)), MulMod(Reduce(removed), at));
    FSums.Count += count;
    FSums.SumX += count * bx * TBlob::kSize + sumI;
    FSums.SumY += count * by * TBlob::kSize + sumJ;
}

void TPeriodDetector::BlockWritten(int32_t bx, int32_t by, const TBlob& old,
                                   const TBlockResult& written)
{
    // Only the cells that changed: the step marks them by column as bits of rows.
    CellsChanged(bx, by, written.Changed, [&](int i, int j) {
        return std::pair{old.Cells[i][j], written.Cells[i][j]};
    });
}

void TPeriodDetector::BitsWritten(int32_t bx, int32_t by, const uint16_t (&changed)[TBlob::kSize],
                                  const uint16_t (&now)[TBlob::kSize])
{
    // Two states: a changed cell was what it is not now.
    CellsChanged(bx, by, changed, [&](int i, int j) {
        const uint8_t after = uint8_t((now[i] >> j) & 1);
        return std::pair{uint8_t(after ^ 1), after};
    });
}

void TPeriodDetector::StatesWritten(int32_t bx, int32_t by, const uint16_t (&changed)[TBlob::kSize],
                                    const TBlob& before, const TBlob& after)
{
    CellsChanged(bx, by, changed, [&](int i, int j) {
        return std::pair{before.Cells[i][j], after.Cells[i][j]};
    });
}

void TPeriodDetector::AfterStep(const TBoard& board)
{
    FWatching = false;
    if (!FEligible) return;
    if (board.ChangedCount() == 0) {
        // Nothing changed: still, since the cycle the board reached last.
        if (FFound.Period != 1) FFound = {1, board.Cycle(), 0, 0};
        return;
    }
    if (FFound.Period == 1) FFound = {};
    // Another rule: what came before does not repeat under it.
    const TStepParams& params = board.LastStepParams();
    if (FHaveParams && FInSync && !(params == FParams)) StopWatching(false);
    FParams = params;
    FHaveParams = true;
    if (!FInSync) {
        FCalm = board.WrittenBlockCount() <= kMaxWatchedBlocks ? FCalm + 1 : 0;
        return;
    }
    FEdits = board.EditCount();
    Push(board);

    const bool wrap = board.Wrap();
    int32_t dx = 0, dy = 0;
    if (FFound.Found()) {
        // Still holding: the hash suffices, the run was confirmed cell by cell.
        if (SameMoved(Ago(FFound.Period).Sums, FSums, wrap, dx, dy) && dx == FFound.Dx &&
            dy == FFound.Dy)
            return;
        FFound = {};
    }
    if (FPending.Active && board.Cycle() >= FPending.Period.Since + FPending.Period.Period) {
        const TPeriod& p = FPending.Period;
        if (board.Cycle() == p.Since + p.Period &&
            EqualMoved(FPending.Cells, CellKeys(board), p.Dx, p.Dy))
            FFound = p;
        FPending = {};
        if (FFound.Found()) return;
    }
    Search(board);
}

void TPeriodDetector::Push(const TBoard& board)
{
    FHead = (FHead + 1) % FRing.size();
    TState& s = FRing[FHead];
    if (FCount < FRing.size()) ++FCount;
    FCellBytes -= s.Cells.size() * sizeof(uint64_t);
    s.Cycle = board.Cycle();
    s.Sums = FSums;
    // While a period holds, only its hashes are compared.
    s.HasCells = !FFound.Found() && FSums.Count <= kKeptCells;
    if (s.HasCells) {
        s.Cells = CellKeys(board);
        FCellBytes += s.Cells.size() * sizeof(uint64_t);
    } else {
        s.Cells.clear();
    }
    // Over the budget the oldest states give up their cells.
    for (int32_t p = Depth(); FCellBytes > kKeptBytes && p > 0; --p) {
        TState& old = FRing[(FHead + FRing.size() - size_t(p)) % FRing.size()];
        FCellBytes -= old.Cells.size() * sizeof(uint64_t);
        old.Cells = {};
        old.HasCells = false;
    }
}

const TPeriodDetector::TState& TPeriodDetector::Ago(int32_t p) const
{
    return FRing[(FHead + FRing.size() - size_t(p)) % FRing.size()];
}

bool TPeriodDetector::SameMoved(const TSums& older, const TSums& now, bool wrap, int32_t& dx,
                                int32_t& dy) const
{
    dx = dy = 0;
    if (older.Count != now.Count) return false;
    if (wrap || now.Count == 0) return older == now;
    // Moving every cell by (dx, dy) moves the sums of their positions by count times as much.
    const int64_t mx = now.SumX - older.SumX, my = now.SumY - older.SumY;
    if (mx % now.Count != 0 || my % now.Count != 0) return false;
    dx = int32_t(mx / now.Count);
    dy = int32_t(my / now.Count);
    if (dx == 0 && dy == 0) return older.Hash == now.Hash;
    return now.Hash == MulMod(MulMod(older.Hash, PowA(dx)), PowB(dy));
}

void TPeriodDetector::Search(const TBoard& board)
{
    const TState& now = Ago(0);
    const bool wrap = board.Wrap();
    for (int32_t p = 1; p <= Depth(); ++p) {
        const TState& older = Ago(p);
        int32_t dx, dy;
        if (!SameMoved(older.Sums, now.Sums, wrap, dx, dy)) continue;
        if (older.HasCells && now.HasCells) {
            if (EqualMoved(older.Cells, now.Cells, dx, dy)) {
                FFound = {p, older.Cycle, dx, dy};
                return;
            }
            continue; // a hash collision
        }
        if (!FPending.Active && now.Sums.Count <= kPendingCells)
            FPending = {{p, now.Cycle, dx, dy}, CellKeys(board), true};
        return;
    }
}

std::vector<uint64_t> TPeriodDetector::CellKeys(const TBoard& board) const
{
    // Sorted by column, then row: the order survives a move.
    std::vector<uint64_t> keys;
    keys.reserve(size_t(std::max<int64_t>(FSums.Count, 0)));
    const TLiveBox& box = board.LiveBox();
    std::vector<int32_t> rows;
    for (int32_t bx = std::max(box.MinBX, 0); bx <= box.MaxBX; ++bx) {
        rows.clear();
        for (int32_t by = std::max(box.MinBY, 0); by <= box.MaxBY; ++by)
            if (board.BlobAt(bx, by).LiveCount != 0) rows.push_back(by);
        if (rows.empty()) continue;
        for (int i = 0; i < TBlob::kSize; ++i)
            for (const int32_t by : rows) {
                const TBlob& blob = board.BlobAt(bx, by);
                for (int j = 0; j < TBlob::kSize; ++j)
                    if (const uint8_t s = blob.Cells[i][j])
                        keys.push_back((uint64_t(bx * TBlob::kSize + i) << 32) |
                                       (uint64_t(by * TBlob::kSize + j) << 8) | s);
            }
    }
    return keys;
}

bool TPeriodDetector::EqualMoved(const std::vector<uint64_t>& older,
                                 const std::vector<uint64_t>& now, int32_t dx, int32_t dy)
{
    if (older.size() != now.size()) return false;
    const uint64_t move = uint64_t((int64_t(dx) << 32) + (int64_t(dy) << 8));
    for (size_t k = 0; k < now.size(); ++k)
        if (older[k] + move != now[k]) return false;
    return true;
}
