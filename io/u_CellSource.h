#pragma once
// The cells a writer reads: the board's or the selection's, one at a time or, from the board,
// whole areas at once; and the scans by which the writers visit a rectangle in big pieces.

#include "base/u_Geometry.h"

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>

class TCellSource {
public:
    using TCellFn = std::function<uint8_t(int32_t x, int32_t y)>;
    // Fills `cells` with `area` row by row, `stride` bytes from one row to the next.
    using TAreaFn = std::function<void(const TRect& area, uint8_t* cells, size_t stride)>;

    template <class F>
    requires std::is_invocable_r_v<uint8_t, F, int32_t, int32_t> TCellSource(F cell)
        : FCell(std::move(cell))
    {}
    static TCellSource OfAreas(TAreaFn areas);

    uint8_t operator()(int32_t x, int32_t y) const;
    void ReadArea(const TRect& area, uint8_t* cells, size_t stride) const;

private:
    TCellSource() = default;

    TCellFn FCell;
    TAreaFn FArea;
};

// Visits `rect` row by row from the top, each row from the left: piece(cells, n) for the next
// n cells of the row, rowEnd() after each row.
void ScanRows(const TRect& rect, const TCellSource& source,
              const std::function<void(const uint8_t* cells, size_t count)>& piece,
              const std::function<void()>& rowEnd);

// Visits `rect` column by column from the left: live(x, ys, count) with the rows of the cells
// of column x that are not 0, from the top (a column taller than a piece comes in pieces), so
// that a writer formats each column once.
void ScanLiveByColumns(const TRect& rect, const TCellSource& source,
                       const std::function<void(int64_t x, const int32_t* ys, size_t count)>& live);
