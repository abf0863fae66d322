#pragma once
// Pattern files and clipboard text in and out of the board: choosing the reader by the text,
// opening a pattern with the settings it carries, saving in the format asked for.

#include "io/u_LoadedPattern.h"
#include "io/u_Native.h"

#include "base/u_LineFile.h"
#include "base/u_Progress.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct TGlobals;

// Save format codes, as the save dialog's filter entries map to them.
enum class TSaveFormat { Optimal = 0, Rle = 1, VLife = 2, Life105 = 3, Life106 = 4, Native = 5 };

// The save options kept in the configuration: what a native file carries besides the cells,
// and whether the previous file is kept as name + ".BAK".
struct TSaveOptions : TNativeSaveOptions {
    bool MakeBackup = true;
};

class TInOut {
public:
    static constexpr const char* kOpenFilter =
        "All CA files formats|*.life;*.lif;*.l;*.rle;*.plf;*.plx;*.vlf|Life 1.05,1.06 files "
        "(*.LIF, *.LIFE)|*.life;*.lif|RLE files (*.RLE)|*.rle|dbLife files (*.L)|*.l|ProLife "
        "(*.PLF)|*.plf|Plexa files (*.PLX, *.VLF)|*.plx;*.vlf|All files (*.*)|*.*";
    static constexpr const char* kSaveFilter =
        "Optimal format (RLE/Life1.05/PLX)|*.lif;*.plx|RLE format|*.lif|LIFE105 format|*.lif|PLX "
        "format|*.plx|LIFE106 format|*.lif";
    static constexpr size_t kClipboardLimit = 65535;

    explicit TInOut(TGlobals& globals);

    TSaveOptions Options;

    // Opens the pattern of `fileName` in place of the board: true when a cell was placed. With
    // `textLoaded` the lines are already in Lines(); `keepBoard` adds the pattern to the board
    // as it is, without the file's settings.
    bool OpenLifeFile(const std::string& fileName, bool reportMissing, bool textLoaded,
                      bool keepBoard);
    // Inserts the pattern of `fileName` into the selection, its top-left corner at `topLeft`;
    // the file's settings are ignored. True when a cell was taken.
    bool InsertLifeFile(const std::string& fileName, TPoint topLeft);
    // The two halves of opening: reading the pattern into Pattern() (false, after a message,
    // when it gave no cell), then putting it on the board. Unless `keepCells`, a file's cells
    // are only counted and bounded, and OpenPattern reads them again straight onto the board.
    bool ReadPattern(const std::string& fileName, bool reportMissing, bool textLoaded,
                     bool keepCells = false);
    void OpenPattern(const std::string& fileName, bool keepBoard);
    // Places the pattern's cells centred on the board, or from its top row in one dimension;
    // the number of cells that fell outside the board.
    size_t PlaceCells();

    // Saves the board's live cells; `fileName` takes the extension the format implies. False
    // (after a message) when the file could not be written: the old file is then untouched.
    bool SaveFile(std::string& fileName, TSaveFormat format);
    // The lines of the board's live cells in `format`.
    std::vector<std::string> Write(TSaveFormat format) const;
    // Writes them to `path` as SaveFile does, without touching the document; false when the
    // file could not be written.
    bool WriteFile(const std::string& path, TSaveFormat format,
                   const std::function<void()>& beforeReplacing = {}) const;
    void OpenFromClipboard();
    // The selection's floating cells over `rect` as text on the clipboard; true when some was.
    bool PutRectOnClipboard(const TRect& rect);
    // Pastes the clipboard's pattern into the selection, its top-left corner at `topLeft`.
    bool GetFromClipboard(TPoint topLeft);

    // The lines of a file's text, or false (after the message when `reportMissing`).
    bool LoadText(const std::string& fileName, bool reportMissing);
    // Reads the loaded text (Lines() once set) with the reader the text calls for; true when
    // it gave a cell.
    bool Dispatch();
    // The format the optimal choice takes for a pattern `width` columns wide.
    TSaveFormat OptimalFormat(int32_t width) const;

    std::vector<std::string>& Lines() { return FLines; }
    TLoadedPattern& Pattern() { return FPattern; }

private:
    bool DispatchInto(TLoadedPattern& pattern) const;
    TSaveFormat Resolved(TSaveFormat format) const;
    void WriteCells(TLineSink& sink, TSaveFormat format, const TRect& rect,
                    const TCellSource& cells, const TNativeHeader& header) const;
    // The board's cells, read a whole area at a time; `progress` counts the cells read.
    TCellSource BoardSource(TProgress* progress) const;
    void ClipboardLines();
    TNativeHeader NativeHeader() const;
    void ApplySettings();

    TGlobals& FGlobals;
    TLoadedPattern FPattern;
    std::vector<std::string> FLines;
    // The text being read: Lines(), or a file read anew at each reading.
    TLineSource FSource;
    // The board as it was at the first reading, which Life 1.06 keeps its cells within.
    TRect FReadBoard;
    // Reading a big file: the two readings show as one progress, the second from FProgressBase.
    std::unique_ptr<TProgress> FProgress;
    int64_t FProgressBase = 0;
};
