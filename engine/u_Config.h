#pragma once
// Every setting the program keeps between runs: its section and name in the configuration
// store, its default and the check a value read back goes through. The values are gathered in
// one record; those of the core's objects are put into them after reading and taken from them
// before writing, the others stay in the record for the windows.

#include "base/u_ConfigStore.h"
#include "edit/u_RandomFill.h"
#include "edit/u_Undo.h"
#include "engine/u_Run.h"
#include "io/u_InOut.h"
#include "view/u_Palette.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TGlobals;

// The toolbars' layout is kept by the toolbars, in a section of its own.
inline constexpr const char* kToolbarsSection = "Toolbars";

// Values that belong to the board and the run control.
struct TEngineSettings {
    int32_t Interval = 0; // milliseconds between generations
    int32_t Width = 400, Height = 300;
    bool Wrap = false;
    int32_t StatesCount = 3;
};

enum TWindowState : int32_t { wsMinimised = 0, wsNormal = 1, wsMaximised = 2 };

// Values of the main window and its dialogs.
struct TWindowSettings {
    bool Sound = true;
    bool ReloadLast = true; // reopen LastFile at start
    int32_t OpenAction = 1; // after opening: 0 keep the view, 1 centre, 2 best fit
    bool AutoFit = false;   // fit the view when the pattern runs out of it
    bool SelReplace = true;
    bool SelDrop = true;
    bool ConfirmNew = false;
    int32_t NumRecentFiles = 10;
    bool WLifeSymmetry = true;
    int32_t RndTabSparseness = 75; // percent
    int32_t InitialCursorMode = 0;
    std::string LastFile = "Noname.plx";
    // The cell colour generator's anchors: colours and the states they sit at.
    std::array<TColor, 4> GenColors{65535, 255, 128, 100};
    std::array<int32_t, 4> GenColorStates{1, 8, 16, 24};
    // Geometry in the normal state; while maximised it keeps what it was before.
    int32_t FormWidth = 640, FormHeight = 480, FormTop = 0, FormLeft = 0;
    int32_t WindowState = wsNormal;
    int32_t FileManagerWidth = 120;
    bool ShowFileManager = true;
    bool ShowStatusBar = true;
    bool ShowScrollBars = true;
};

// Values of the board view.
struct TViewSettings {
    bool ShowGrid = true;
    bool ShowBoldLines = true;
    int32_t BoldLinesStep = 5;
    bool OptSubzoomRedraw = false;
    int32_t MaxBestFitCellSize = 11;
    int32_t CellSize = 7;
    int32_t CellShape = 1;
};

// The core's objects that hold configured values.
struct TConfigTargets {
    TGlobals& Globals;       // run interval, palette, undo settings, board
    TSaveOptions& Save;      // the pattern input/output's options
    TRandomSettings& Random; // the random fill's settings
};

struct TConfiguration {
    TEngineSettings Engine;
    TWindowSettings Window;
    TViewSettings View;
    TRunN RunN;
    TUndoSettings Undo;
    TSaveOptions Save;
    TRandomSettings Random;
    TCPalette Palette = TCPalette::Defaults(32);

    // The values a fresh store gives; the palette's depend on the screen's bits per pixel.
    static TConfiguration Defaults(int bitsPerPixel);
    // Reads every value, checking each; missing and unreadable values give the defaults.
    static TConfiguration Read(const TConfigStore& store, int bitsPerPixel);
    // Writes every value. The window's geometry is written only in its normal state, and its
    // state only when normal or maximised.
    void Write(TConfigStore& store) const;

    // Puts the values of the core's objects into them: the board's size is limited by the
    // board, and the run interval comes last, after the board.
    void ApplyTo(const TConfigTargets& targets) const;
    // Takes those values back from the objects; the other values stay as they are.
    void TakeFrom(const TConfigTargets& targets);
};

// The best-fit cell size as stored: any size without a zoom step of its own becomes 7.
int32_t CheckBestFitCellSize(int32_t size);

enum class TConfigKind { Integer, Flag, Colour, Text };

// One value of the store, bound to its field of TConfiguration. Numbers (integers, flags as
// 0 and 1, colours) go through Number and SetNumber, texts through Text and SetText.
struct TConfigValue {
    std::string Section;
    std::string Name;
    TConfigKind Kind = TConfigKind::Integer;
    // What a value read from the store becomes; null when it is used as read.
    int32_t (*Check)(int32_t value) = nullptr;
    std::function<int32_t(const TConfiguration&)> Number;
    std::function<void(TConfiguration&, int32_t)> SetNumber;
    std::function<std::string(const TConfiguration&)> Text;
    std::function<void(TConfiguration&, std::string_view)> SetText;
    // Whether it is written for this configuration; null when always.
    bool (*Writes)(const TConfiguration& config) = nullptr;
};

// Every value, section by section. Reading and writing both follow this order; the order that
// matters, that of putting values into the core's objects, is ApplyTo's.
std::vector<TConfigValue> ConfigValues();

// The recent-files list: "F0", "F1", ... in list order, at most `limit` names.
std::vector<std::string> ReadRecentFiles(const TConfigStore& store, int32_t limit);
// Replaces the whole list, so that no name of a longer earlier list stays behind.
void WriteRecentFiles(TConfigStore& store, const std::vector<std::string>& files);
