#pragma once
// The selection: a rectangle on the board and the cells floating above it. Marking lifts the
// live cells inside the rectangle off the board; the commands work on the floating cells;
// switching the selection off drops them back where the rectangle then is.

#include "base/u_Geometry.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>

struct TGlobals;
struct TLoadedPattern;

// Shows the selection over the board; the board view implements it.
class TSelectionPainter {
public:
    virtual ~TSelectionPainter() = default;
    // Paints board cells in exclusive-or magenta, so that painting them again erases them.
    virtual void XorCells(std::span<const TPoint> cells) = 0;
    // Moves the selection's frame to `rect`, or hides it when `show` is false.
    virtual void ShowFrame(const TRect& rect, bool show) = 0;
};

// Cells relative to the selection's top-left corner, at most one per place. A state of 0 is a
// cell too: dropping it clears its board cell. Large selections hold a million cells, so every
// look-up goes by place.
class TFloatingCells {
public:
    size_t Count() const { return FCells.size(); }
    bool IsEmpty() const { return FCells.empty(); }
    void Clear() { FCells.clear(); }
    void Reserve(size_t count) { FCells.reserve(count); }
    // False, keeping the cell there, when the place is taken.
    bool Add(int32_t dx, int32_t dy, uint8_t state)
    {
        return FCells.try_emplace(Key(dx, dy), state).second;
    }
    bool Contains(int32_t dx, int32_t dy) const { return FCells.contains(Key(dx, dy)); }
    uint8_t State(int32_t dx, int32_t dy) const
    {
        const auto it = FCells.find(Key(dx, dy));
        return it == FCells.end() ? 0 : it->second;
    }
    // The cells' extent; empty (Right < Left) when there are none.
    TRect Extent() const;

    // Calls f(dx, dy, state) for every cell, in no particular order.
    template <class F>
    void ForEach(F&& f) const
    {
        for (const auto& [key, state] : FCells) f(KeyX(key), KeyY(key), state);
    }
    // Moves every cell to move(dx, dy) -> TPoint, which must not send two cells to one place.
    template <class F>
    void Remap(F&& move)
    {
        TMap moved;
        moved.reserve(FCells.size());
        for (const auto& [key, state] : FCells) {
            const TPoint to = move(KeyX(key), KeyY(key));
            moved.emplace(Key(to.X, to.Y), state);
        }
        FCells.swap(moved);
    }

private:
    struct THash {
        size_t operator()(uint64_t key) const
        {
            return static_cast<size_t>((key ^ (key >> 31)) * 0x9E3779B97F4A7C15ull >> 16);
        }
    };
    using TMap = std::unordered_map<uint64_t, uint8_t, THash>;

    static uint64_t Key(int32_t dx, int32_t dy)
    {
        return uint64_t(uint32_t(dx)) << 32 | uint32_t(dy);
    }
    static int32_t KeyX(uint64_t key) { return static_cast<int32_t>(key >> 32); }
    static int32_t KeyY(uint64_t key) { return static_cast<int32_t>(uint32_t(key)); }

    TMap FCells;
};

class TSelection {
public:
    explicit TSelection(TGlobals& globals) : FGlobals(globals) {}
    TSelection(const TSelection&) = delete;
    TSelection& operator=(const TSelection&) = delete;

    // Set by the board view while it exists.
    void SetPainter(TSelectionPainter* painter);

    const TRect& Rect() const { return FRect; }
    bool Active() const { return FActive; }
    const TFloatingCells& Cells() const { return FCells; }

    // Normalises the corners, cuts the rectangle to the board and switches the selection on.
    // A rectangle that misses the board selects nothing: the selection is switched off and
    // false returned.
    bool SetRectangle(const TRect& rect);
    void SwitchOn();
    // Drops the floating cells where the rectangle is, then hides the selection.
    void SwitchOff();
    // Takes the live board cells inside the rectangle into the floating cells, which it first
    // empties.
    void Lift();
    // Sets the board cells under the floating cells placed at (px, py), keeping them floating.
    void DropAt(int32_t px, int32_t py);
    void Drop();
    void MoveBy(int32_t ddx, int32_t ddy);
    void MoveTo(int32_t x, int32_t y);
    // Adds a floating cell for board cell (x, y) unless one is there already.
    void AddCell(int32_t x, int32_t y, uint8_t state);
    void ClearFloating();
    bool PointIn(int32_t x, int32_t y) const { return FActive && FRect.Contains(x, y); }
    bool IsCellIn(int32_t dx, int32_t dy) const { return FCells.Contains(dx, dy); }
    uint8_t GetCellVal(int32_t dx, int32_t dy) const { return FCells.State(dx, dy); }
    // The floating cell over board cell (x, y), 0 where there is none: what copying writes.
    uint8_t GetRectCell(int32_t x, int32_t y) const;

    // The selection commands.
    void Clear();
    void ClearOutside();
    void Fill();
    void Outline();
    void Invert();
    void SelectAll();
    void MirrorH();
    void MirrorV();
    void Rotate90();
    void Rotate270();

    // Insert and paste: the floating cells become the pattern's, relative to its bounding
    // rectangle cut to the board, and the selection is switched on with its top-left at
    // `topLeft`. False, changing nothing, when the pattern has no cells.
    bool TakePattern(const TLoadedPattern& pattern, TPoint topLeft);

    // Dragging: a drag starts where the selection is; the first step of a copying drag drops a
    // copy of the floating cells at that place.
    void BeginDrag();
    void DragBy(int32_t ddx, int32_t ddy, bool copy);

    // The board view hides the floating cells before it paints the board and shows them after.
    void ShowFloating();
    void HideFloating();

private:
    class THidden;
    // The floating cells' extent widened to reach from 0 to the rectangle's size, the frame in
    // which mirrors and rotations turn them.
    TRect TurnExtent() const;
    void ShowFrame();
    void XorFloating();
    void ClearBoardOutside(const TRect& keep);
    void BoardChanged();

    TGlobals& FGlobals;
    TSelectionPainter* FPainter = nullptr;
    TRect FRect;
    bool FActive = false;
    TFloatingCells FCells;
    bool FShown = false; // the floating cells are painted over the board
    int FHideDepth = 0;
    TPoint FDragOrigin;
    bool FDragFirstMove = false;
};
