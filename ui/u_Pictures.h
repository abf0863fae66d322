#pragma once
// The program's own pictures for toolbars, menus and the undo list. They are drawn at run time
// from small sketches on a 16-unit grid, so they stay sharp at every toolbar size.

#include <QIcon>

#include <optional>
#include <string_view>

class QPainter;

enum class TPicture {
    // Standard toolbar
    New,
    Randomize,
    Open,
    Insert,
    Save,
    SaveAs,
    Description,
    Statistics,
    // View toolbar
    ZoomIn,
    ZoomOut,
    BestFit,
    Redraw,
    ModePan,
    ModeZoom,
    CellSize,
    // Animation toolbar
    RunOnce,
    Run,
    Stop,
    Undo,
    RunFaster,
    RunSlower,
    UndoToCycle,
    UndoAdd,
    Speed,
    Redo,
    RunNCycles,
    Record,
    // Edit toolbar
    ModeEdit,
    ModeMark,
    SelFill,
    SelClear,
    SelInvert,
    SelRect,
    SelRotate90,
    SelMirrorV,
    SelMirrorH,
    SelRotate270,
    // Settings toolbar
    Settings,
    ShapeBigSquares, // the four cell shapes, in their order 1..4
    ShapeSmallSquares,
    ShapeCircles,
    ShapeRectangles,
    ColorsBar,
    // Menus and the undo list
    ColorPicker,
    Help,
    About,
    Exit,
    Time,
    Cycles,
    SelEdit,
    Move,
    Rules,
};
inline constexpr int kPictureCount = static_cast<int>(TPicture::Rules) + 1;

// Rendered once per picture, at 16, 24, 32 and 48 pixels.
QIcon Picture(TPicture id);

// The glyph of cell shape 1..4 (big squares, small squares, circles, rectangles); others read
// as big squares.
TPicture ShapePicture(int shape);

// The picture of a resource name such as "BMP_RUN", as the undo events name theirs.
std::optional<TPicture> PictureByName(std::string_view name);

// A sketch is a list of shapes on a grid of this many units whose whole numbers are pixel centres
// at 16 pixels; see u_Pictures.cpp for its notation.
inline constexpr double kSketchGrid = 16;
std::string_view PictureSketch(TPicture id);

// Paints `sketch` scaled so that its grid spans `size` pixels from the painter's origin. With
// `halo`, a white rim goes round every shape first, so that the drawing shows on a dark ground.
void PaintSketch(QPainter& painter, std::string_view sketch, double size, bool halo);
