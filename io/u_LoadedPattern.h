#pragma once
// What a pattern reader produced: cells relative to the pattern's own origin and the settings
// the file carried. Opening applies the settings and places the cells on the board.

#include "base/u_Geometry.h"
#include "io/u_CellPlacer.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TLoadedCell {
    int32_t X;
    int32_t Y;
    uint8_t State;
};

// A run of `Count` cells of `State` rightwards from (X, Y), as a reader gathers them.
struct TLoadedRun {
    int32_t X, Y, Count;
    uint8_t State;
};

struct TLoadedPattern {
    // The largest board's area: more cells than that can never all be placed. Cells may lie
    // anywhere in the int32 plane; opening centres them and keeps those the board can hold.
    static constexpr size_t kMaxCells = size_t(100000) * 2500;

    // What becomes of the cells readers add: kept in Cells; only counted and bounded (the first
    // reading of a file that is opened); or handed to Place a run at a time (its second
    // reading, straight onto the board), so that a pattern of any size is never held whole.
    enum class TKeep { Cells, Count, Place };

    std::vector<TLoadedCell> Cells;
    TKeep Keep = TKeep::Cells;
    // Where placed runs go, shifted by (PlaceDX, PlaceDY): called directly, as a soup brings a
    // run every two cells.
    TCellPlacer* Placer = nullptr;
    int64_t PlaceDX = 0, PlaceDY = 0;
    uint8_t Game = 1;
    std::string Rule = "23/3";
    int32_t Speed = -1;
    int32_t BoardWidth = -1;
    int32_t BoardHeight = -1;
    int32_t Wrap = 0;
    int32_t StatesCount = -1;
    std::string PaletteName;
    double Version = 0;
    std::vector<std::string> Description;

    void Reset() { *this = TLoadedPattern(); }
    void AddCell(int32_t x, int32_t y, uint8_t state) { AddRun(x, y, 1, state); }
    // `count` cells rightwards from (x, y); the run must end at an int32 column. Inline for
    // the runs that are only counted or placed, a run every two cells in a soup.
    void AddRun(int32_t x, int32_t y, int64_t count, uint8_t state)
    {
        count = std::min<int64_t>(count, int64_t(kMaxCells - CellCount()));
        if (count <= 0) return;
        if (Keep == TKeep::Cells) {
            KeepRun(x, y, count, state);
            return;
        }
        // The bounds start inside out, so that the first run sets them.
        FBounds.Left = std::min(FBounds.Left, x);
        FBounds.Top = std::min(FBounds.Top, y);
        FBounds.Right = std::max(FBounds.Right, int32_t(x + count - 1));
        FBounds.Bottom = std::max(FBounds.Bottom, y);
        FCount += size_t(count);
        if (Keep == TKeep::Place && Placer) Placer->Run(x + PlaceDX, y + PlaceDY, count, state);
    }
    // As AddRun for each of the `n` runs in turn (each of a positive count), but counted and
    // bounded at once when the cells are not kept and all fit: a reader that gathers the runs
    // of a piece of text pays the bounds once per piece.
    void AddRuns(const TLoadedRun* runs, size_t n);
    size_t CellCount() const { return Keep == TKeep::Cells ? Cells.size() : FCount; }
    void ClearCells();
    // The cells' bounding rectangle; with no cells `board` turned inside out (right, bottom,
    // left, top), whose width is not positive.
    TRect MinRectangle(const TRect& board) const;

private:
    void KeepRun(int32_t x, int32_t y, int64_t count, uint8_t state);

    static constexpr TRect kNoBounds = {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    size_t FCount = 0; // when the cells are not kept
    TRect FBounds = kNoBounds;
};

// The shift that centres a pattern with bounding rectangle `r` on (0,0): -((min + max + 1) / 2)
// for each axis, dividing towards zero.
TPoint CentringOffset(const TRect& r);

// The board size for a pattern whose file names none: the pattern plus 600 cells each way, but
// never smaller than the current board.
TPoint FittedBoardSize(const TRect& pattern, int32_t currentWidth, int32_t currentHeight);
