#include "io/u_LoadedPattern.h"

#include <algorithm>
#include <limits>

void TLoadedPattern::KeepRun(int32_t x, int32_t y, int64_t count, uint8_t state)
{
    for (int64_t k = 0; k < count; ++k) Cells.push_back({int32_t(x + k), y, state});
}

void TLoadedPattern::AddRuns(const TLoadedRun* runs, size_t n)
{
    TRect bounds = FBounds;
    int64_t cells = 0;
    for (size_t k = 0; k < n; ++k) {
        const TLoadedRun& r = runs[k];
        bounds.Left = std::min(bounds.Left, r.X);
        bounds.Top = std::min(bounds.Top, r.Y);
        bounds.Right = std::max(bounds.Right, r.X + r.Count - 1);
        bounds.Bottom = std::max(bounds.Bottom, r.Y);
        cells += r.Count;
    }
    if (Keep == TKeep::Cells || cells > int64_t(kMaxCells - CellCount())) {
        for (size_t k = 0; k < n; ++k) AddRun(runs[k].X, runs[k].Y, runs[k].Count, runs[k].State);
        return;
    }
    if (n == 0) return;
    FBounds = bounds;
    FCount += size_t(cells);
    if (Keep == TKeep::Place && Placer)
        for (size_t k = 0; k < n; ++k)
            Placer->Run(runs[k].X + PlaceDX, runs[k].Y + PlaceDY, runs[k].Count, runs[k].State);
}

void TLoadedPattern::ClearCells()
{
    Cells.clear();
    FCount = 0;
    FBounds = kNoBounds;
}

TRect TLoadedPattern::MinRectangle(const TRect& board) const
{
    if (CellCount() == 0) return {board.Right, board.Bottom, board.Left, board.Top};
    if (Keep != TKeep::Cells) return FBounds;
    TRect r{Cells[0].X, Cells[0].Y, Cells[0].X, Cells[0].Y};
    for (const TLoadedCell& cell : Cells) {
        r.Left = std::min(r.Left, cell.X);
        r.Top = std::min(r.Top, cell.Y);
        r.Right = std::max(r.Right, cell.X);
        r.Bottom = std::max(r.Bottom, cell.Y);
    }
    return r;
}

namespace {

// C++ division truncates toward zero, which is the rounding the placement wants; the sum is
// taken in 64 bits because two far int32 coordinates overflow int32. The result always fits.
int32_t CentringShift(int32_t min, int32_t max)
{
    return static_cast<int32_t>(-((int64_t(min) + max + 1) / 2));
}

int32_t FittedExtent(int64_t patternExtent, int32_t current)
{
    const int64_t wanted = std::max<int64_t>(patternExtent + 600, current);
    return static_cast<int32_t>(std::min<int64_t>(wanted, std::numeric_limits<int32_t>::max()));
}

} // namespace

TPoint CentringOffset(const TRect& r)
{
    return {CentringShift(r.Left, r.Right), CentringShift(r.Top, r.Bottom)};
}

TPoint FittedBoardSize(const TRect& pattern, int32_t currentWidth, int32_t currentHeight)
{
    return {FittedExtent(pattern.Width(), currentWidth),
            FittedExtent(pattern.Height(), currentHeight)};
}
