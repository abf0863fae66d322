#pragma once
// The surface the board view paints on. The desktop program backs it with an image the size of
// the board area; tests back it with a plain pixel buffer. Coordinates are pixels with (0,0) at
// the area's top-left corner; anything outside the area is clipped by the canvas.

#include "base/u_Geometry.h"
#include "view/u_Palette.h"

#include <cstdint>
#include <span>

// A pixel rectangle; Right and Bottom are exclusive.
struct TPixelRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    bool operator==(const TPixelRect&) const = default;
};

enum class TPenMode {
    Copy, // pixels take the colour
    Xor,  // pixels are flipped by the colour's bits, so painting twice restores them
};

class TCanvas {
public:
    virtual ~TCanvas() = default;

    // The colour of every fill, outline and line that follows.
    virtual void SetColor(TColor color) = 0;
    virtual void SetMode(TPenMode mode) = 0;

    virtual void FillRect(const TPixelRect& r) = 0;
    // Single pixels by the thousand, as a generation at one pixel a cell paints them.
    virtual void FillPixels(std::span<const TPoint> pixels)
    {
        for (const TPoint& p : pixels) FillRect({p.X, p.Y, p.X + 1, p.Y + 1});
    }
    // The filled ellipse inscribed in `r`.
    virtual void FillEllipse(const TPixelRect& r) = 0;
    // A horizontal or vertical line one pixel wide from (x1, y1) up to, not including, (x2, y2).
    virtual void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    // The closed outline through the corners (Left, Top) and (Right, Bottom), drawn with a pen
    // `width` pixels wide centred on it; every pixel of it is painted once, so that an outline
    // in Xor mode erases itself cleanly.
    virtual void Frame(const TPixelRect& r, int32_t width) = 0;
};

// Paints nothing: the view's surface until its owner gives it one.
class TNullCanvas : public TCanvas {
public:
    void SetColor(TColor) override {}
    void SetMode(TPenMode) override {}
    void FillRect(const TPixelRect&) override {}
    void FillEllipse(const TPixelRect&) override {}
    void Line(int32_t, int32_t, int32_t, int32_t) override {}
    void Frame(const TPixelRect&, int32_t) override {}
};
