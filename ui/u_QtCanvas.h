#pragma once
// The board view's canvas on a QImage: the desktop program's backing store of the board area.

#include "view/u_Canvas.h"

#include <QColor>
#include <QPainter>

#include <functional>

class QImage;

class TQtCanvas : public TCanvas {
public:
    // Paints on `image`, which must outlive the canvas and keep its size while it exists.
    explicit TQtCanvas(QImage& image);
    TQtCanvas(const TQtCanvas&) = delete;
    TQtCanvas& operator=(const TQtCanvas&) = delete;

    // 0x00BBGGRR as a QColor.
    static QColor ToQColor(TColor color);

    void SetColor(TColor color) override;
    void SetMode(TPenMode mode) override;
    void FillRect(const TPixelRect& r) override;
    void FillPixels(std::span<const TPoint> pixels) override;
    void FillEllipse(const TPixelRect& r) override;
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void Frame(const TPixelRect& r, int32_t width) override;

    // Called at the first paint after the owner has shown the image, so that the owner learns
    // once, not per cell, that there is something new to show.
    std::function<void()> OnFirstPaint;
    void Shown() { FNotified = false; }

private:
    void Painted();

    QImage& FImage;
    // Open for the canvas's life, for the shapes that are not plain rectangles.
    QPainter FPainter;
    QColor FColor;
    QRgb FPixel = 0xFF000000u; // what a fill writes, or flips in exclusive-or mode
    bool FXor = false;
    bool FNotified = false;
};
