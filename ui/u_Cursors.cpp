#include "ui/u_Cursors.h"

#include "ui/u_Pictures.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <array>
#include <cmath>

namespace {

constexpr int kCursorSize = 32;
// The drawing fills this much of the cursor; the rest leaves room for the run sign.
constexpr double kGlyphSize = 24;
constexpr double kGlyphOffset = 0.5;
constexpr std::string_view kStoppedPrefix = "CRS_C_";
constexpr std::string_view kRunningPrefix = "CRS_M_";
constexpr std::string_view kRunSign = "ad p 3 1 14 7.5 3 14";
constexpr double kRunSignSize = 13;

struct TCursorShape {
    std::string_view Name;
    std::string_view Sketch;
    QPointF HotSpot; // in sketch units
};

std::array<TCursorShape, 6> CursorShapes()
{
    return {{
        {"EDIT", PictureSketch(TPicture::ModeEdit), {1.5, 13.5}},
        {"MARK",
         "-d l 7.5 0 7.5 5.5 l 7.5 9.5 7.5 15 l 0 7.5 5.5 7.5 l 9.5 7.5 15 7.5; "
         "tm r 10 1 5 5",
         {7.5, 7.5}},
        {"ZOOM", PictureSketch(TPicture::ModeZoom), {6.5, 6.5}},
        {"PANU", PictureSketch(TPicture::ModePan), {8, 9}},
        {"PAND",
         "wd u 3.5 5 2.5 5 1.25 u 6 4 2.5 6 1.25 u 8.5 4 2.5 6 1.25 u 11 5 2.5 5 1.25 "
         "u 3 7 10.5 7.5 2.5 p 3.5 13 1.5 10.5 2 9 4 9.5; "
         "-d l 6 6 6 8 l 8.5 6 8.5 8 l 11 6 11 8",
         {8, 9}},
        {"CPIK", PictureSketch(TPicture::ColorPicker), {1, 14}},
    }};
}

QPixmap CursorPixmap(const TCursorShape& shape, bool running)
{
    const QString key = QStringLiteral("plexa-cursor-%1-%2")
                            .arg(QString::fromLatin1(shape.Name.data(), shape.Name.size()))
                            .arg(running);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    pixmap = QPixmap(kCursorSize, kCursorSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // Half a pixel on, the lines through the hot spot fall on pixel centres.
    painter.translate(kGlyphOffset, kGlyphOffset);
    PaintSketch(painter, shape.Sketch, kGlyphSize, true);
    painter.resetTransform();
    if (running) {
        painter.translate(kCursorSize - kRunSignSize, kCursorSize - kRunSignSize);
        PaintSketch(painter, kRunSign, kRunSignSize, true);
    }
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace

QCursor BoardCursor(std::string_view name)
{
    const bool running = name.starts_with(kRunningPrefix);
    if (!running && !name.starts_with(kStoppedPrefix)) return QCursor(Qt::ArrowCursor);
    name.remove_prefix(running ? kRunningPrefix.size() : kStoppedPrefix.size());
    for (const TCursorShape& shape : CursorShapes()) {
        if (shape.Name != name) continue;
        // The hot spot is the pixel under the sketch point; sketch units are pixel centres.
        const QPointF at = (shape.HotSpot + QPointF(0.5, 0.5)) * (kGlyphSize / kSketchGrid) +
                           QPointF(kGlyphOffset, kGlyphOffset);
        return QCursor(CursorPixmap(shape, running), static_cast<int>(std::floor(at.x())),
                       static_cast<int>(std::floor(at.y())));
    }
    return QCursor(Qt::ArrowCursor);
}
