#pragma once
#include <cstdint>

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const TPoint&) const = default;
};

// An inclusive cell rectangle. Left > Right (or Top > Bottom) means "no cells".
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = -1;
    int32_t Bottom = -1;

    bool IsEmpty() const { return Right < Left || Bottom < Top; }
    int64_t Width() const { return int64_t(Right) - Left + 1; }
    int64_t Height() const { return int64_t(Bottom) - Top + 1; }
    bool Contains(int32_t x, int32_t y) const
    {
        return x >= Left && x <= Right && y >= Top && y <= Bottom;
    }
    bool operator==(const TRect&) const = default;
};
