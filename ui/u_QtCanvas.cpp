#include "ui/u_QtCanvas.h"

#include "view/u_BoardImage.h"

#include <QImage>
#include <QRect>
#include <QRectF>

#include <algorithm>

TQtCanvas::TQtCanvas(QImage& image) : FImage(image), FPainter(&image), FColor(Qt::black)
{
    FPainter.setPen(Qt::NoPen);
    FPainter.setRenderHint(QPainter::Antialiasing, false);
}

QColor TQtCanvas::ToQColor(TColor color)
{
    return QColor::fromRgb(ToRgbPixel(color));
}

void TQtCanvas::SetColor(TColor color)
{
    FColor = ToQColor(color);
    FPixel = FColor.rgb() & (FXor ? 0x00FFFFFFu : 0xFFFFFFFFu);
    FPainter.setBrush(FColor);
}

void TQtCanvas::SetMode(TPenMode mode)
{
    FXor = mode == TPenMode::Xor;
    FPixel = FColor.rgb() & (FXor ? 0x00FFFFFFu : 0xFFFFFFFFu);
    FPainter.setCompositionMode(FXor ? QPainter::RasterOp_SourceXorDestination
                                     : QPainter::CompositionMode_SourceOver);
}

void TQtCanvas::Painted()
{
    if (FNotified) return;
    FNotified = true;
    if (OnFirstPaint) OnFirstPaint();
}

void TQtCanvas::FillRect(const TPixelRect& r)
{
    // Cells are small rectangles painted by the thousand, so they go straight into the
    // image's pixels rather than through the painter.
    const int left = std::max(r.Left, 0), right = std::min(r.Right, FImage.width());
    const int top = std::max(r.Top, 0), bottom = std::min(r.Bottom, FImage.height());
    if (right <= left || bottom <= top) return;
    for (int y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(FImage.scanLine(y));
        if (FXor)
            for (int x = left; x < right; ++x) row[x] ^= FPixel;
        else
            std::fill(row + left, row + right, FPixel);
    }
    Painted();
}

void TQtCanvas::FillPixels(std::span<const TPoint> pixels)
{
    if (pixels.empty()) return;
    // The image is made writable once for all of them.
    uchar* bits = FImage.bits();
    const qsizetype stride = FImage.bytesPerLine();
    const auto width = unsigned(FImage.width()), height = unsigned(FImage.height());
    const auto at = [&](const TPoint& p) -> QRgb& {
        return reinterpret_cast<QRgb*>(bits + p.Y * stride)[p.X];
    };
    for (const TPoint& p : pixels) {
        if (unsigned(p.X) >= width || unsigned(p.Y) >= height) continue;
        if (FXor)
            at(p) ^= FPixel;
        else
            at(p) = FPixel;
    }
    Painted();
}

void TQtCanvas::FillEllipse(const TPixelRect& r)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top) return;
    FPainter.drawEllipse(QRectF(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top));
    Painted();
}

void TQtCanvas::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    // One pixel wide, so a line is a thin rectangle that stops short of its end point.
    if (x1 == x2)
        FillRect({x1, std::min(y1, y2 + 1), x1 + 1, std::max(y1 + 1, y2)});
    else
        FillRect({std::min(x1, x2 + 1), y1, std::max(x1 + 1, x2), y1 + 1});
}

void TQtCanvas::Frame(const TPixelRect& r, int32_t width)
{
    // Four bands that never overlap, so that in Xor mode every pixel flips exactly once.
    const int32_t in = width / 2, out = width - in;
    const int32_t left = r.Left - in, right = r.Right + out;
    const int32_t top = r.Top - in, bottom = r.Bottom + out;
    const int32_t topEnd = std::min(r.Top + out, bottom);
    const int32_t bottomStart = std::max(r.Bottom - in, topEnd);
    const int32_t leftEnd = std::min(r.Left + out, right);
    const int32_t rightStart = std::max(r.Right - in, leftEnd);
    FillRect({left, top, right, topEnd});
    FillRect({left, bottomStart, right, bottom});
    FillRect({left, topEnd, leftEnd, bottomStart});
    FillRect({rightStart, topEnd, right, bottomStart});
}
