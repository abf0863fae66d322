#include "ui/u_Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QtMath>

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

// Sketch notation. Shapes are separated by ";". Each starts with two style letters, the fill
// and then the pen, followed by one or more figures; the closed figures of one shape are united
// into a single outline, so a hand is one outline, not a heap of fingers.
//   fill: - none, w paper, t tint, a accent, d dark
//   pen:  - none, d dark, a accent, w white (D, A, W twice as thick), m dark dashed
//   r x y w h            rectangle            u x y w h radius      rounded rectangle
//   o cx cy r [ry]       ellipse              p x y x y ...         polygon
//   l x y x y ...        open line            c cx cy r start span  arc, degrees anticlockwise
//   A cx cy r start span arc with a head      v x1 y1 x2 y2         straight arrow
// Whole numbers are pixel centres at 16 pixels, so thin lines on them and thick lines on
// halves stay crisp.

namespace {

constexpr QRgb kDark = 0xff263238;
constexpr QRgb kAccent = 0xff1e7bd6;
constexpr QRgb kTint = 0xffbfdcf7;
constexpr QRgb kPaper = 0xffffffff;
constexpr double kThin = 1.0;
constexpr double kThick = 2.0;
constexpr int kIconSizes[] = {16, 24, 32, 48};

struct TPictureInfo {
    const char* Name;
    const char* Sketch;
};

// In the order of TPicture.
constexpr std::array<TPictureInfo, kPictureCount> kPictures{{
    // Standard toolbar
    {"BMP_NEW", "wd p 3 1 9 1 13 5 13 15 3 15; td p 9 1 13 5 9 5"},
    {"BMP_NEWRANDOM", "wd u 1 1 13 13 3; a- o 4.5 4.5 1.5 o 10.5 4.5 1.5 o 7.5 7.5 1.5 "
                      "o 4.5 10.5 1.5 o 10.5 10.5 1.5"},
    {"BMP_FILEOPEN", "ad p 1 2 5 2 7 4 13 4 13 13 1 13; td p 1 13 3 7 15 7 13 13"},
    {"BMP_FILEINSERT", "wd p 5 1 11 1 14 4 14 15 5 15; td p 11 1 14 4 11 4; -A v 0.5 9.5 8 9.5"},
    {"BMP_FILESAVE", "ad p 1 1 12 1 14 3 14 14 1 14; wd r 4 1 7 4; d- r 8.5 1.5 2 2; "
                     "wd r 3 8 9 6"},
    {"BMP_FILESAVEAS", "ad p 0 0 10 0 12 2 12 12 0 12; wd r 3 0 6 3; d- r 6.5 0.5 2 2; "
                       "wd r 2 7 8 5; td p 9.9 13.9 14.9 8.9 13.1 7.1 8.1 12.1; "
                       "wd p 8.1 12.1 9.9 13.9 7.5 14.5"},
    {"BMP_DESCRIPTION", "wd p 3 1 9 1 13 5 13 15 3 15; td p 9 1 13 5 9 5; "
                        "-a l 5 5 7 5 l 5 8 11 8 l 5 10 11 10 l 5 12 9 12"},
    {"BMP_STATISTICS", "-d l 1 1 1 14 14 14; ad r 3 8 3 6 r 7 3 3 11 r 11 6 3 8"},
    // View toolbar
    {"BMP_ZOOMIN", "wd o 6.5 6.5 5.5; -D l 10.5 10.5 14 14; -A l 4 6.5 9 6.5 l 6.5 4 6.5 9"},
    {"BMP_ZOOMOUT", "wd o 6.5 6.5 5.5; -D l 10.5 10.5 14 14; -A l 4 6.5 9 6.5"},
    {"BMP_BESTFIT", "-D l 1.5 5 1.5 1.5 5 1.5 l 10 1.5 13.5 1.5 13.5 5 l 13.5 10 13.5 13.5 "
                    "10 13.5 l 5 13.5 1.5 13.5 1.5 10; ad r 5 5 5 5"},
    {"BMP_REDRAW", "-A A 7.5 7.5 5.5 110 280"},
    {"BMP_MODEPAN",
     "wd u 3.5 3.5 2.5 7 1.25 u 6 1.5 2.5 8.5 1.25 u 8.5 2 2.5 8 1.25 "
     "u 11 4 2.5 6 1.25 u 3.5 7 10 7.5 2.5 p 3.8 13 0.8 9.3 1.2 7.6 2.8 7.6 4.5 9.5; "
     "-d l 6 7 6 9.5 l 8.5 7 8.5 9.5 l 11 7 11 9.5"},
    {"BMP_MODEZOOM", "td o 6.5 6.5 5.5; -D l 10.5 10.5 14 14"},
    {"BMP_CELLSIZE", "td r 1 9 4 4; ad r 7 5 8 8"},
    // Animation toolbar
    {"BMP_RUNONCE", "ad p 2 2 9 7.5 2 13; d- r 10.5 1.5 2 12"},
    {"BMP_RUN", "ad p 4 1.5 13 7.5 4 13.5"},
    {"BMP_STOP", "dd u 3 3 9 9 1.5"},
    {"BMP_UNDO", "-A A 8.5 9 4.5 -20 200"},
    {"BMP_RUNFASTER", "ad p 1 1 9 5.5 1 10; wd o 11.5 11.5 4; "
                      "-D l 10 11.5 13 11.5 l 11.5 10 11.5 13"},
    {"BMP_RUNSLOWER", "ad p 1 1 9 5.5 1 10; wd o 11.5 11.5 4; -D l 10 11.5 13 11.5"},
    {"BMP_UNDOTOCYCLE", "-A A 6.5 7.5 4 -20 200; "
                        "-D l 10.5 15 10.5 10 c 12 11.5 1.5 180 -180 l 13.5 11.5 13.5 15"},
    {"BMP_UNDOADD", "wd r 4 1 10 10; wd r 1 4 10 10; ad o 11.5 11.5 4; "
                    "-W l 10 11.5 13 11.5 l 11.5 10 11.5 13"},
    {"BMP_SPEED", "wd o 7.5 7.5 6.5; -d l 3.5 7.5 2 7.5 l 4.7 4.7 3.6 3.6 l 7.5 3.5 7.5 2 "
                  "l 10.3 4.7 11.4 3.6 l 11.5 7.5 13 7.5; -A l 7.5 7.5 10.5 4.5; d- o 7.5 7.5 1.5"},
    {"BMP_REDO", "-A A 6.5 9 4.5 200 -200"},
    {"BMP_RUNNCYCLES", "ad p 1 1 9 5.5 1 10; "
                       "-D l 10.5 15 10.5 10 c 12 11.5 1.5 180 -180 l 13.5 11.5 13.5 15"},
    {"BMP_RECORD", "wd u 0.5 2.5 14 10 2; ad o 7.5 7.5 3"},
    // Edit toolbar
    {"BMP_MODEEDIT", "ad p 5.4 12.4 13.9 3.9 11.1 1.1 2.6 9.6; wd p 2.6 9.6 5.4 12.4 1.5 13.5; "
                     "d- p 1.5 13.5 1.9 12.2 2.8 13.1; -d l 9.1 3.1 11.9 5.9"},
    {"BMP_MODEMARK", "tm r 1 2 13 11"},
    {"BMP_SELFILL", "am r 1 2 13 11"},
    {"BMP_SELCLEAR", "wm r 1 2 13 11; -A l 5 5 10 10 l 10 5 5 10"},
    {"BMP_SELINVERT", "a- p 1 2 14 2 1 13; -m r 1 2 13 11"},
    {"BMP_SELRECT", "-A r 1.5 1.5 12 12; tm r 5 5 5 5"},
    {"BMP_SELROTATE90", "td r 5 5 5 5; -A A 7.5 7.5 6 0 270"},
    {"BMP_SELMIRRORV", "ad p 7.5 1 13 6 2 6; wd p 2 9 13 9 7.5 14; -m l 0 7.5 15 7.5"},
    {"BMP_SELMIRRORH", "ad p 1 7.5 6 2 6 13; wd p 9 2 14 7.5 9 13; -m l 7.5 0 7.5 15"},
    {"BMP_SELROTATE270", "td r 5 5 5 5; -A A 7.5 7.5 6 180 -270"},
    // Settings toolbar
    {"BMP_SETTINGS", "-D l 1 3.5 14 3.5 l 1 7.5 14 7.5 l 1 11.5 14 11.5; "
                     "ad o 10 3.5 2.2; ad o 5 7.5 2.2; ad o 8.5 11.5 2.2"},
    // Three cells of one pattern in each cell shape: outlined, shrunk, round, and touching.
    {"BMP_SHAPEBIG", "ad r 1 1 5 5 r 9 1 5 5 r 1 9 5 5"},
    {"BMP_SHAPESMALL", "ad r 2 2 3 3 r 10 2 3 3 r 2 10 3 3"},
    {"BMP_SHAPECIRCLES", "ad o 3.5 3.5 3 o 11.5 3.5 3 o 3.5 11.5 3"},
    {"BMP_SHAPERECTANGLES", "a- p -0.5 -0.5 15.5 -0.5 15.5 7.5 7.5 7.5 7.5 15.5 -0.5 15.5"},
    {"BMP_COLORSBAR", "wd r 6 1 7 3; td r 6 4 7 3; ad r 6 7 7 3; dd r 6 10 7 3; "
                      "d- p 1.5 5.5 4.5 8.5 1.5 11.5"},
    // Menus and the undo list
    {"BMP_COLORPICKER", "td p 3.8 12.8 10.3 6.3 8.7 4.7 2.2 11.2; wd p 2.2 11.2 3.8 12.8 1 14; "
                        "ad o 12 3 2.6; dd p 10.1 8.1 12.1 6.1 8.9 2.9 6.9 4.9"},
    {"BMP_HELP", "ad o 7.5 7.5 7; -W c 7.5 5.5 2.5 160 -220 l 8.8 7.7 7.5 8.8 7.5 9.5; "
                 "w- o 7.5 12 1.2"},
    {"BMP_ABOUT", "ad o 7.5 7.5 7; w- o 7.5 4 1.3; -W l 7.5 7 7.5 11.5"},
    {"BMP_EXIT", "wd r 2 1 8 13; d- o 8 8 0.8; -A v 6 7.5 12 7.5"},
    {"BMP_CYCLESTIMER", "wd o 7.5 7.5 6.5; -D l 7.5 4 7.5 7.5; -A l 7.5 7.5 10.5 9.5; "
                        "d- o 7.5 7.5 1"},
    {"BMP_CYCLESCOUNT", "-D l 2.5 2 2.5 13 l 5.5 2 5.5 13 l 8.5 2 8.5 13 l 11.5 2 11.5 13; "
                        "-A l 0.5 10 14 4"},
    {"BMP_SELEDIT", "tm r 1 1 13 13; ad r 3 3 4 4 r 8 3 4 4 r 8 8 4 4"},
    {"BMP_MOVE", "-D l 7.5 3.5 7.5 11.5 l 3.5 7.5 11.5 7.5; "
                 "-d v 7.5 4 7.5 2.5 v 7.5 11 7.5 12.5 v 4 7.5 2.5 7.5 v 11 7.5 12.5 7.5"},
    {"BMP_RULES", "w- r 1 1 12 12; a- r 5 1 4 4 r 9 5 4 4 r 1 9 12 4; "
                  "-d r 1 1 12 12 l 5 1 5 13 l 9 1 9 13 l 1 5 13 5 l 1 9 13 9"},
}};

QColor StyleColor(char letter)
{
    switch (letter) {
    case 'w':
    case 'W':
        return QColor::fromRgb(kPaper);
    case 't':
        return QColor::fromRgb(kTint);
    case 'a':
    case 'A':
        return QColor::fromRgb(kAccent);
    case 'd':
    case 'D':
    case 'm':
        return QColor::fromRgb(kDark);
    default:
        return QColor();
    }
}

QPen StylePen(char letter)
{
    const QColor color = StyleColor(letter);
    if (!color.isValid()) return QPen(Qt::NoPen);
    QPen pen(color, std::isupper(static_cast<unsigned char>(letter)) ? kThick : kThin,
             Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (letter == 'm') {
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        pen.setDashPattern({2, 1.5});
    }
    return pen;
}

// One shape of a sketch: its united outline, its open lines and its arrowheads.
struct TShape {
    QPainterPath Area, Lines, Heads;
    QBrush Fill;
    QPen Pen;
};

// An arrowhead centred on `end`, pointing along the unit vector `dir`.
QPainterPath ArrowHead(QPointF end, QPointF dir, double penWidth)
{
    const double length = 2 + 1.5 * penWidth, half = 1.2 + 0.9 * penWidth;
    const QPointF side(-dir.y(), dir.x());
    const QPointF base = end - dir * (length / 2);
    QPainterPath head;
    head.addPolygon(QPolygonF{end + dir * (length / 2), base + side * half, base - side * half});
    head.closeSubpath();
    return head;
}

QPolygonF Points(const std::vector<double>& a)
{
    QPolygonF points;
    for (size_t i = 0; i + 1 < a.size(); i += 2) points << QPointF(a[i], a[i + 1]);
    return points;
}

// The least count of numbers a figure takes; unknown figures take more than any has.
size_t FigureArgs(char kind)
{
    switch (kind) {
    case 'o':
        return 3;
    case 'r':
    case 'p':
    case 'l':
    case 'v':
        return 4;
    case 'u':
    case 'c':
    case 'A':
        return 5;
    default:
        return SIZE_MAX;
    }
}

void AddFigure(TShape& shape, char kind, const std::vector<double>& a)
{
    if (a.size() < FigureArgs(kind)) return;

    QPainterPath figure;
    switch (kind) {
    case 'r':
        figure.addRect(a[0], a[1], a[2], a[3]);
        break;
    case 'u':
        figure.addRoundedRect(a[0], a[1], a[2], a[3], a[4], a[4]);
        break;
    case 'o':
        figure.addEllipse(QPointF(a[0], a[1]), a[2], a.size() > 3 ? a[3] : a[2]);
        break;
    case 'p':
        figure.addPolygon(Points(a));
        figure.closeSubpath();
        break;
    case 'l':
        shape.Lines.addPolygon(Points(a));
        return;
    case 'c':
    case 'A': {
        const QRectF box(a[0] - a[2], a[1] - a[2], 2 * a[2], 2 * a[2]);
        QPainterPath arc;
        arc.arcMoveTo(box, a[3]);
        arc.arcTo(box, a[3], a[4]);
        shape.Lines.addPath(arc);
        if (kind == 'A') {
            const double end = qDegreesToRadians(a[3] + a[4]), turn = a[4] < 0 ? -1 : 1;
            const QPointF dir(-std::sin(end) * turn, -std::cos(end) * turn);
            shape.Heads.addPath(ArrowHead(arc.currentPosition(), dir, shape.Pen.widthF()));
        }
        return;
    }
    case 'v': {
        const QPointF from(a[0], a[1]), to(a[2], a[3]);
        const QPointF delta = to - from;
        const double length = std::hypot(delta.x(), delta.y());
        if (length == 0) return;
        shape.Lines.addPolygon(QPolygonF{from, to});
        shape.Heads.addPath(ArrowHead(to, delta / length, shape.Pen.widthF()));
        return;
    }
    }
    shape.Area = shape.Area.isEmpty() ? figure : shape.Area.united(figure);
}

TShape ReadShape(std::string_view text)
{
    TShape shape;
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (text.size() < 2) return shape;
    const QColor fill = StyleColor(text[0]);
    if (fill.isValid()) shape.Fill = fill;
    shape.Pen = StylePen(text[1]);
    text.remove_prefix(2);

    char kind = 0;
    std::vector<double> args;
    while (true) {
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        double value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec == std::errc()) {
            args.push_back(value);
            text.remove_prefix(end - text.data());
            continue;
        }
        if (kind) AddFigure(shape, kind, args);
        if (text.empty()) break;
        kind = text.front();
        args.clear();
        text.remove_prefix(1);
    }
    return shape;
}

void DrawShape(QPainter& painter, const TShape& shape, const QPen& pen, const QBrush& fill,
               const QBrush& heads)
{
    painter.setPen(pen);
    painter.setBrush(fill);
    painter.drawPath(shape.Area);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape.Lines);
    painter.setPen(Qt::NoPen);
    painter.fillPath(shape.Heads, heads);
}

QPixmap RenderPicture(TPicture id, int size)
{
    const QString key = QStringLiteral("plexa-picture-%1-%2").arg(static_cast<int>(id)).arg(size);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    pixmap = QPixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintSketch(painter, PictureSketch(id), size, false);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace

QIcon Picture(TPicture id)
{
    QIcon icon;
    for (int size : kIconSizes) icon.addPixmap(RenderPicture(id, size));
    return icon;
}

TPicture ShapePicture(int shape)
{
    const int first = static_cast<int>(TPicture::ShapeBigSquares);
    return static_cast<TPicture>(shape >= 1 && shape <= 4 ? first + shape - 1 : first);
}

std::optional<TPicture> PictureByName(std::string_view name)
{
    for (int i = 0; i < kPictureCount; ++i)
        if (name == kPictures[i].Name) return static_cast<TPicture>(i);
    return std::nullopt;
}

std::string_view PictureSketch(TPicture id)
{
    const int i = static_cast<int>(id);
    return i >= 0 && i < kPictureCount ? kPictures[i].Sketch : "";
}

void PaintSketch(QPainter& painter, std::string_view sketch, double size, bool halo)
{
    std::vector<TShape> shapes;
    for (size_t start = 0; start <= sketch.size();) {
        const size_t end = std::min(sketch.find(';', start), sketch.size());
        shapes.push_back(ReadShape(sketch.substr(start, end - start)));
        start = end + 1;
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kSketchGrid, size / kSketchGrid);
    painter.translate(0.5, 0.5);
    if (halo) {
        // About a pixel and a half of white round everything, in grid units.
        const double rim = 3.0 * kSketchGrid / size;
        const QBrush white(QColor::fromRgb(kPaper));
        for (const TShape& shape : shapes) {
            const double width = (shape.Pen.style() == Qt::NoPen ? 0 : shape.Pen.widthF()) + rim;
            const QPen pen(white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            DrawShape(painter, shape, pen, white, white);
            // Heads have no pen of their own; this gives them their rim.
            painter.strokePath(shape.Heads, pen);
        }
    }
    for (const TShape& shape : shapes)
        DrawShape(painter, shape, shape.Pen, shape.Fill, shape.Pen.color());
    painter.restore();
}
