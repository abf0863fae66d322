#pragma once
// The universe board: a finite plane of cells centred on (0,0), stored in 10x10 blocks that sit
// in a fixed table with a ring of always-empty blocks around the board.

#include "base/u_Geometry.h"
#include "engine/u_BitMirror.h"
#include "engine/u_BitTable.h"
#include "engine/u_Blob.h"
#include "engine/u_BlobPool.h"
#include "engine/u_BlockStep.h"
#include "engine/u_ChangeList.h"
#include "engine/u_StepBit.h"
#include "engine/u_StepParams.h"
#include "rules/u_Rules.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct TGlobals;

// Bounds of the cells born since the last reset, in cells and in blocks. It grows on births
// only, so it may be larger than the live cells until it is recomputed.
struct TLiveBox {
    int32_t MinX, MinY, MaxX, MaxY;
    int32_t MinBX, MinBY, MaxBX, MaxBY;
};

class TBoard {
public:
    static constexpr int32_t kMaxWidth = 100000;
    static constexpr int32_t kMaxHeight = 2500;
    static constexpr int32_t kMinSize = 20;
    static constexpr int kSlotsX = kMaxWidth / TBlob::kSize + 2;  // 10 002, with the ring
    static constexpr int kSlotsY = kMaxHeight / TBlob::kSize + 2; // 252
    static constexpr int kMaxStates = kCellStates;
    static constexpr const char* kNoLibrary = "Not loaded";

    explicit TBoard(TGlobals& globals);
    ~TBoard();
    TBoard(const TBoard&) = delete;
    TBoard& operator=(const TBoard&) = delete;

    // Size and extents.
    void SetSize(int32_t width, int32_t height);
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    int32_t MinX() const { return FMinX; }
    int32_t MinY() const { return FMinY; }
    int32_t MaxX() const { return FMaxX; }
    int32_t MaxY() const { return FMaxY; }
    int32_t BXMax() const { return FBXMax; }
    int32_t BYMax() const { return FBYMax; }
    TRect Extents() const { return {FMinX, FMinY, FMaxX, FMaxY}; }
    bool IsOnBoard(int32_t x, int32_t y) const
    {
        return x >= FMinX && x <= FMaxX && y >= FMinY && y <= FMaxY;
    }

    // Cells.
    void SetCell(int32_t x, int32_t y, uint8_t state);
    uint8_t GetCell(int32_t x, int32_t y) const;
    // False when the person declined to clear a modified board. A cleared board is looked at
    // from (0,0), unless it is refilled at once where the person looks (a new size, an opened
    // pattern, an undo step, a random fill).
    enum class TClearView { Center, Keep };
    bool Clear(bool ask, TClearView view = TClearView::Center);
    void EmptyCells();
    void RecomputeLiveBox(bool currentBoxOnly);
    // The live cells' bounding rectangle; (MaxX, MaxY, MinX, MinY) when there are none.
    TRect MinRectangle() const;
    TPoint CellToBlock(int32_t x, int32_t y) const;
    // `area` cut to the board.
    TRect OnBoard(const TRect& area) const;
    const TLiveBox& LiveBox() const { return FBox; }
    // Whole areas at a time, for fills and pattern files: `cells` holds `area` row by row,
    // `stride` bytes from one row to the next. Reading gives 0 off the board; writing skips
    // the cells off the board and those given as kKeepCell, and keeps the counts, the live box
    // and the modified flag as SetCell does.
    static constexpr uint8_t kKeepCell = 0xFF;
    void ReadArea(const TRect& area, uint8_t* cells, size_t stride) const;
    void WriteArea(const TRect& area, const uint8_t* cells, size_t stride);
    // `count` cells of state `state` rightwards from (x, y).
    void WriteRun(int32_t x, int32_t y, int32_t count, uint8_t state);
    // The block at block indices bx = -1..BXMax()+1, by = -1..BYMax()+1 (the ring included).
    const TBlob& BlobAt(int32_t bx, int32_t by) const
    {
        if (FStaleCount != 0) MaterializeIfStale(bx, by);
        return *FSlots[SlotIndex(bx, by)];
    }
    // Calls f(blob, x0, y0) for every block with live cells that meets `area` on the board,
    // (x0, y0) being the block's first cell; a false from f stops the walk.
    template <class F>
    void ForEachLiveBlock(const TRect& area, F&& f) const
    {
        const TRect a = OnBoard(area);
        if (a.IsEmpty()) return;
        const TPoint first = CellToBlock(a.Left, a.Top), last = CellToBlock(a.Right, a.Bottom);
        for (int32_t bx = first.X; bx <= last.X; ++bx)
            for (int32_t by = first.Y; by <= last.Y; ++by) {
                const TBlob& blob = BlobAt(bx, by);
                if (blob.LiveCount != 0 &&
                    !f(blob, FMinX + bx * TBlob::kSize, FMinY + by * TBlob::kSize))
                    return;
            }
    }

    // The highest state of the cells in the rectangle, looking no further once `top` is seen.
    uint8_t TopStateIn(const TRect& cells, uint8_t top) const;

    // Counts and bookkeeping.
    int32_t LiveCount() const { return FLiveCount; }
    int32_t StateCount(int state) const;
    int32_t ChangedCount() const { return FChangedCount; }
    // The blocks the last generation wrote, and what it ran with (two-dimensional games).
    int32_t WrittenBlockCount() const { return FWrittenBlockCount; }
    const TStepParams& LastStepParams() const { return FLastParams; }
    // Grows whenever cells change outside a generation.
    uint64_t EditCount() const { return FEditCount; }
    int32_t MaxPopulation() const { return FMaxPopulation; }
    int32_t MaxPopulationCycle() const { return FMaxPopulationCycle; }
    void UpdateMaximum();
    int32_t Cycle() const { return FCycle; }
    void SetCycle(int32_t cycle) { FCycle = cycle; }
    bool IsModified() const { return FModified; }
    void SetModified(bool modified) { FModified = modified; }

    int32_t StatesCount() const { return FStatesCount; }
    void SetStatesCount(int32_t count);
    int32_t DrawingState() const { return FDrawingState; }
    void SetDrawingState(int32_t state);
    bool Wrap() const { return FWrap; }
    void SetWrap(bool wrap) { FWrap = wrap; }
    int32_t CurrentRow1D() const { return FCurrentRow1D; }
    void SetCurrentRow1D(int32_t row) { FCurrentRow1D = row; }

    // Rules: SetRules applies a text to the active game; RuleText formats the active game's rule.
    void SetRules(std::string_view text);
    std::string RuleText() const;
    uint16_t SurvivalSet() const { return FSurvival; }
    uint16_t BirthSet() const { return FBirth; }
    const std::string& LifeRuleText() const { return FLifeRuleText; }
    const TRulesTable& RulesTable() const { return FRulesTable; }
    const std::string& RulesTableText() const { return FRulesTableText; }
    const std::string& LibraryName() const { return FLibraryName; }
    void SetLibraryName(std::string name) { FLibraryName = std::move(name); }

    // One generation of the active game; `draw` paints the written cells through the painter.
    void Step(bool draw);
    // The instruction set the step's kernels use: the best the processor has unless set lower.
    enum class TStepIsa { Sse2, Avx2, Avx512 };
    static TStepIsa BestStepIsa();
    TStepIsa StepIsa() const { return FStepIsa; }
    void SetStepIsa(TStepIsa isa);

private:
    static constexpr size_t kSlotCount = size_t(kSlotsX) * kSlotsY;
    static int SlotIndex(int32_t bx, int32_t by) { return (bx + 1) * kSlotsY + (by + 1); }
    TBlob* AllocateBlob();
    void ResetLiveBox();
    void ExtendLiveBox(int32_t x, int32_t y, int32_t bx, int32_t by);
    // By the live cells of `blob`, block (bx, by) at cell (x0, y0).
    void ExtendLiveBox(const TBlob& blob, int32_t x0, int32_t y0, int32_t bx, int32_t by);
    // By the births of block (bx, by) at cell (x0, y0), as bits of rows by column.
    void ExtendLiveBox(int32_t x0, int32_t y0, int32_t bx, int32_t by,
                       const uint16_t (&born)[TBlockResult::kColumns]);

    // Writes the cells of `area` that are on the board; rowAt(x, y) points at the states of
    // (x, y) and the cells to its right in the same block.
    template <class TRowAt>
    void WriteCells(const TRect& area, TRowAt rowAt);
    // The columns and rows of a block that hold live cells, as bits; none for an empty block.
    struct TBlockSpan {
        unsigned Columns, Rows;
    };
    static TBlockSpan LiveSpan(const TBlob& blob);

    bool ComputeChanges(bool collect);
    TBlockRule BlockRule(const TStepParams& params) const;
    bool StepBlocks(const TBlockRule& rule, bool skipQuiet, bool farReach, bool collect);
    bool StepRow(bool collect);
    TBlob* const* RowBlobs(int32_t by);
    void ReadRow(int32_t y, uint8_t* cells);
    bool WriteRow(int32_t y, const uint8_t* cells);
    bool WriteBlocks(int32_t bx, const TBlockResult* results, int count, bool collect);
    // The painting lists: emptied, and told the painter's window when `collect`; then the
    // changes of a written block or row that the window shows. False when a list could not grow.
    void ResetPaintLists(bool collect);
    bool ListBlockChanges(int32_t bx, const TBlockResult& r);
    bool ListRowChanges(int32_t y, const uint8_t* row);
    bool ListChangedBlock(int32_t bx, int32_t by);
    void PaintChanges();
    void ReportStepMemoryFailure();
    // The Life-like games and Cyclic CA of range 1 on the bit mirror (u_StepBit.cpp).
    bool BitStepFits(const TStepParams& params);
    bool RebuildBits();
    // Adds a block's cells to the planes at bit `shift` of its columns' words; true when a
    // state is more than the planes hold.
    bool RebuildPlanes(const TBlob& blob, uint64_t* words, int shift) const;
    bool StepBits(const TStepParams& params, bool collect);
    int StirredTiles(const uint16_t* fresh, int w, int32_t* tiles) const;
    unsigned SummariseTile(int w, int t, const uint64_t* old, const uint64_t* next,
                           const TBitTileChanges& changes, bool& collect);
    // Lists the changes of tile t of stripe w that the painter shows; false when a list could
    // not grow.
    bool ListBitChanges(int w, int t, const uint64_t* old, const uint64_t* next);
    // Counts the blocks of tile t of stripe w whose cells changed, and tells the period watch
    // what changed in them.
    void ReportBitBlocks(int w, int t, const uint64_t* old, const uint64_t* next,
                         const TBitTileChanges& changes);
    // Writes a block that the bits changed from them; the cells are read through the board
    // only, so this is done when they are first read.
    void MaterializeIfStale(int32_t bx, int32_t by) const;
    void MaterializeBlock(int32_t bx, int32_t by) const;
    // Writes every such block and lets the bits go, for the steps that work on the blocks.
    void LeaveBits();
    void DropStaleBlocks();
    void RecountStates() const;
    // The counts by state from the planes of more than two states, when they hold every cell.
    bool CountPlaneStates() const;

    TGlobals& FGlobals;

    // The block table; empty slots point at FVoid, which is never written.
    std::unique_ptr<TBlob*[]> FSlots;
    // By slot, the step number during or after which a cell of the block last changed, and
    // what of it changed then (TBlockEdge bits). A block none of whose window changed since
    // the previous step cannot change and is passed over; kept apart from the blocks so that
    // this test reads a few dense cache lines.
    std::unique_ptr<uint32_t[]> FSlotStamps;
    std::unique_ptr<uint16_t[]> FSlotEdges;
    TBlobPool FBlobs;
    TBlob FVoid{};

    int32_t FWidth = 0, FHeight = 0;
    int32_t FBXMax = -1, FBYMax = -1;
    int32_t FMinX = 0, FMinY = 0, FMaxX = -1, FMaxY = -1;
    int32_t FLiveCount = 0;
    int32_t FChangedCount = 0;
    int32_t FWrittenBlockCount = 0;
    uint64_t FEditCount = 0;
    uint16_t FSurvival = 0, FBirth = 0;
    std::string FLifeRuleText;
    int32_t FMaxPopulation = 0;
    int32_t FMaxPopulationCycle = 0;
    int32_t FStatesCount = 2;
    int32_t FDrawingState = 1;
    bool FWrap = false;
    // The step writes whole blocks and leaves the counts by state to be recounted when read.
    mutable std::array<int32_t, kMaxStates> FStateCounts{};
    mutable bool FStateCountsStale = false;
    std::string FRulesTableText = "1,0,0,0,0,0,0,0,0,0,0,0,0";
    TRulesTable FRulesTable;
    int32_t FCurrentRow1D = 0;
    std::string FLibraryName = kNoLibrary;
    TLiveBox FBox{};
    int32_t FCycle = 0;
    bool FModified = false;

    // Step state: the results of two block columns, and of column 0 which a wrapped board
    // reads again at its end; the changes the painter shows; what the last
    // step ran with.
    std::unique_ptr<TBlockResult[]> FBlockResults;
    std::array<TChangeList, kMaxStates> FChanges;
    TBlockList FChangedBlocks;
    TRect FPaintBlocks;       // the blocks of the painter's window
    bool FPaintByCell = true; // list changed cells, else changed blocks
    int32_t FPaintMaxBlocks = INT32_MAX;
    bool FWindowChanged = false; // more than FPaintMaxBlocks blocks changed
    TBlockColumnStep FStepBlockColumn;
    // The row games' current row and their new row, each with ten cells of margin on each
    // side; the new row becomes the next current row. What the current row was written by, to
    // tell whether it still holds the board's cells.
    std::vector<uint8_t> FRowCells;
    std::vector<uint8_t> FNewRow;
    struct TRowKept {
        bool Valid;
        int32_t Row;
        uint32_t Stamp;
        uint64_t Edits;
    } FRowKept{};
    std::vector<TBlob*> FRowBlobs;
    int32_t FRowBlobsBY = -1; // reset when the slots change
    TStepIsa FStepIsa;
    uint32_t FStepStamp = 0;
    // The bit mirror; by tile, the blocks yet to be written from it (bit 4 * row + column of
    // the tile's blocks, kListed once the tile is in the list), and the list of those tiles.
    TBitMirror FBits;
    static constexpr uint32_t kListed = 1u << 31;
    static constexpr int kTileBlocks = TBitMirror::kTileColumns / TBlob::kSize;
    TBitStripeStep FStepBitStripe;
    TBitCyclicStep FStepBitCyclic;
    TBitTableStep FStepBitTable;
    // The rules table's terms, remade when the table or the states count changes.
    TBitTable FBitTable{};
    std::unique_ptr<uint32_t[]> FStale;
    std::unique_ptr<int32_t[]> FStaleList;
    size_t FStaleCount = 0, FStaleCapacity = 0;
    std::vector<int32_t> FBitTiles;
    std::vector<TBitTileChanges> FBitChanges;
    TStepParams FLastBitParams;
    bool FLastBitParamsValid = false;
    bool FBlocksComplete = false; // every block of the board could be allocated
    TStepParams FLastParams;
    bool FLastParamsValid = false;
};
