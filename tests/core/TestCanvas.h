#pragma once
// A canvas for core tests: pixels in a plain buffer, colours as the view sets them.

#include "view/u_Canvas.h"

#include <algorithm>
#include <cstdint>
#include <vector>

class TTestCanvas : public TCanvas {
public:
    TTestCanvas(int32_t width, int32_t height)
        : Width(width), Height(height), Pixels(size_t(width) * size_t(height), kUnpainted)
    {}

    static constexpr uint32_t kUnpainted = 0xFFFFFFFF;

    void SetColor(TColor color) override
    {
        FColor = color;
        ++ColorChanges;
    }
    void SetMode(TPenMode mode) override { FMode = mode; }
    void FillRect(const TPixelRect& r) override
    {
        for (int32_t y = r.Top; y < r.Bottom; ++y)
            for (int32_t x = r.Left; x < r.Right; ++x) Paint(x, y);
    }
    void FillEllipse(const TPixelRect& r) override
    {
        const double cx = (r.Left + r.Right) / 2.0, cy = (r.Top + r.Bottom) / 2.0;
        const double rx = (r.Right - r.Left) / 2.0, ry = (r.Bottom - r.Top) / 2.0;
        for (int32_t y = r.Top; y < r.Bottom; ++y)
            for (int32_t x = r.Left; x < r.Right; ++x) {
                const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
                if (u * u + v * v <= 1.0) Paint(x, y);
            }
    }
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override
    {
        ++Lines;
        if (x1 == x2 && y1 == y2) return;
        if (x1 == x2)
            FillRect({x1, std::min(y1, y2 + 1), x1 + 1, std::max(y1 + 1, y2)});
        else
            FillRect({std::min(x1, x2 + 1), y1, std::max(x1 + 1, x2), y1 + 1});
    }
    void Frame(const TPixelRect& r, int32_t width) override
    {
        const int32_t in = width / 2, out = width - in;
        for (int32_t y = r.Top - in; y < r.Bottom + out; ++y)
            for (int32_t x = r.Left - in; x < r.Right + out; ++x) {
                const bool inner =
                    x >= r.Left + out && x < r.Right - in && y >= r.Top + out && y < r.Bottom - in;
                if (!inner) Paint(x, y);
            }
    }

    uint32_t At(int32_t x, int32_t y) const { return Pixels[size_t(y) * Width + x]; }
    // How many pixels of the rectangle have `color`.
    int Count(const TPixelRect& r, uint32_t color) const
    {
        int n = 0;
        for (int32_t y = r.Top; y < r.Bottom; ++y)
            for (int32_t x = r.Left; x < r.Right; ++x) n += At(x, y) == color;
        return n;
    }
    int Count(uint32_t color) const { return int(std::ranges::count(Pixels, color)); }

    int32_t Width, Height;
    std::vector<uint32_t> Pixels;
    int ColorChanges = 0;
    int Lines = 0;

private:
    void Paint(int32_t x, int32_t y)
    {
        if (x < 0 || y < 0 || x >= Width || y >= Height) return;
        uint32_t& p = Pixels[size_t(y) * Width + x];
        p = FMode == TPenMode::Xor ? p ^ FColor : FColor;
    }

    TColor FColor = 0;
    TPenMode FMode = TPenMode::Copy;
};
