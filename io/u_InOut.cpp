#include "io/u_InOut.h"

#include "base/u_Host.h"
#include "base/u_LineFile.h"
#include "base/u_Progress.h"
#include "base/u_Text.h"
#include "engine/u_Globals.h"
#include "io/u_CellPlacer.h"
#include "io/u_DbLife.h"
#include "io/u_Life105.h"
#include "io/u_Native.h"
#include "io/u_ProLife.h"
#include "io/u_Rle.h"
#include "io/u_VLife.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// Writing more cells than this, or reading more bytes, shows its progress.
constexpr int64_t kProgressCells = 20'000'000;
constexpr int64_t kProgressBytes = 10'000'000;

bool HasExtension(const std::string& fileName, std::string_view extension)
{
    return UpperCase(std::filesystem::path(fileName).extension().string()) == extension;
}

std::string WithExtension(const std::string& fileName, const char* extension)
{
    return std::filesystem::path(fileName).replace_extension(extension).string();
}

void Warn(THost& host, const std::string& fileName, const std::string& what)
{
    host.ShowMessage("File \n[" + fileName + "]\n" + what, "Warning", TMsgIcon::Warning,
                     TMsgButtons::Ok);
}

} // namespace

TInOut::TInOut(TGlobals& globals) : FGlobals(globals) {}

bool TInOut::LoadText(const std::string& fileName, bool reportMissing)
{
    FLines.clear();
    FSource = TLineSource(FLines);
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) {
        if (reportMissing) Warn(FGlobals.Host, fileName, " not found");
        return false;
    }
    if (HasExtension(fileName, ".PLF")) {
        std::ifstream in(fileName, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
        FPattern.Keep = TLoadedPattern::TKeep::Cells; // a ProLife file is read once
        if (ReadProLife(bytes, FPattern) == TProLifeResult::Improper)
            FGlobals.Host.ShowMessage("Improper ProLife file!", "Error", TMsgIcon::Information,
                                      TMsgButtons::Ok);
        return false; // the cells are read; there is no text to dispatch
    }
    const auto size = std::filesystem::file_size(fileName, error);
    if (error || size == 0 || !std::ifstream(fileName, std::ios::binary)) return false;
    const int readings = FPattern.Keep == TLoadedPattern::TKeep::Cells ? 1 : 2;
    FProgress =
        std::make_unique<TProgress>(FGlobals.Host, readings * int64_t(size), kProgressBytes);
    FProgressBase = 0;
    FSource = TLineSource::OfFile(fileName, [this](int64_t bytes) {
        if (FProgress) FProgress->Update(FProgressBase + bytes);
    });
    return true;
}

bool TInOut::Dispatch()
{
    FReadBoard = FGlobals.Board.Extents();
    return DispatchInto(FPattern);
}

bool TInOut::DispatchInto(TLoadedPattern& pattern) const
{
    pattern.ClearCells();
    std::string first; // the significant line, trimmed
    FSource.ForEach([&first](std::string_view line) {
        const std::string_view t = Trim(line);
        if (t.empty() || StartsWithNoCase(t, "#C") || StartsWithNoCase(t, "#D")) return true;
        first = t;
        return false;
    });
    bool read = false;
    if (StartsWithNoCase(first, "#PXLife ") || StartsWithNoCase(first, "#Plexa "))
        read = ReadNative(FSource, pattern);
    else if (StartsWithNoCase(first, "#Life 1.05") || StartsWithNoCase(first, "#P "))
        read = ReadLife105(FSource, pattern);
    else if (StartsWithNoCase(first, "#Life 1.06"))
        read = ReadLife106(FSource, pattern, FReadBoard);
    else if (StartsWithNoCase(first, "x =") || StartsWithNoCase(first, "x="))
        read = ReadRle(FSource, pattern);
    else if (StartsWithNoCase(first, "//"))
        read = ReadVLife(FSource, pattern);
    if (read && pattern.CellCount() > 0) return true;

    // Headers hidden behind other text: an RLE header anywhere, then every reader in turn.
    return ReadDbLife(FSource, pattern, FReadBoard) || ReadNative(FSource, pattern);
}

bool TInOut::ReadPattern(const std::string& fileName, bool reportMissing, bool textLoaded,
                         bool keepCells)
{
    FPattern.Reset();
    FPattern.Keep = keepCells ? TLoadedPattern::TKeep::Cells : TLoadedPattern::TKeep::Count;
    FReadBoard = FGlobals.Board.Extents();
    if (textLoaded) {
        FSource = TLineSource(FLines);
        DispatchInto(FPattern);
    } else if (LoadText(fileName, reportMissing)) {
        DispatchInto(FPattern);
    }
    FProgressBase = FProgress ? FProgress->Total() / 2 : 0;
    if (FPattern.Keep == TLoadedPattern::TKeep::Cells || FPattern.CellCount() == 0)
        FProgress.reset();
    if (FPattern.CellCount() > 0) return true;
    Warn(FGlobals.Host, fileName, " could not be loaded :(");
    return false;
}

bool TInOut::OpenLifeFile(const std::string& fileName, bool reportMissing, bool textLoaded,
                          bool keepBoard)
{
    THost& host = FGlobals.Host;
    host.SetWaitCursor(true);
    const bool read = ReadPattern(fileName, reportMissing, textLoaded);
    if (read) {
        OpenPattern(fileName, keepBoard);
        host.PlaySound("SND_OPEN");
    }
    host.SetWaitCursor(false);
    return read;
}

void TInOut::OpenPattern(const std::string& fileName, bool keepBoard)
{
    FGlobals.Undo.AddEvent(TUndoEvent::Open);
    TBoard& board = FGlobals.Board;
    if (!keepBoard) {
        board.Clear(false, TBoard::TClearView::Keep);
        ApplySettings();
        FGlobals.Document.TakeFileName(fileName);
        FGlobals.Document.Description = FPattern.Description;
    }
    if (const size_t left = PlaceCells(); left > 0) {
        Warn(FGlobals.Host, fileName,
             " is larger than the board of " + std::to_string(board.Width()) + " x " +
                 std::to_string(board.Height()) + " cells: " + std::to_string(left) + " of its " +
                 std::to_string(FPattern.CellCount()) + " cells were left out.");
    }
    if (!keepBoard) {
        if (FGlobals.Undo.Settings().ResetOnNew) FGlobals.Undo.Clear();
        board.SetModified(false);
    }
    FPattern.ClearCells();
    FGlobals.Host.Refresh(rfBoard | rfCaption | rfStatusBar | rfGame | rfMenus |
                          (keepBoard ? 0u : rfPatternOpened));
}

// Applies what the file carries, in the order the later settings depend on.
void TInOut::ApplySettings()
{
    TBoard& board = FGlobals.Board;
    const TLoadedPattern& p = FPattern;
    if (p.Wrap >= 0) board.SetWrap(p.Wrap != 0);
    if (p.StatesCount >= 2) board.SetStatesCount(p.StatesCount);
    FGlobals.Life.SetGame(p.Game);
    board.SetRules(Trim(p.Rule));
    if (!p.PaletteName.empty() && FGlobals.Palettes) FGlobals.Palettes->LoadPalette(p.PaletteName);
    if (p.Speed >= 0) FGlobals.Run.SetInterval(p.Speed);
    if (p.BoardWidth > 0 && p.BoardHeight > 0) {
        board.SetSize(p.BoardWidth, p.BoardHeight);
    } else {
        const TPoint size =
            FittedBoardSize(p.MinRectangle(board.Extents()), board.Width(), board.Height());
        board.SetSize(size.X, size.Y);
    }
    ApplyNativeVersionAdjustment(p, board, FGlobals.Life.WLife);
}

size_t TInOut::PlaceCells()
{
    TBoard& board = FGlobals.Board;
    const TRect cells = FPattern.MinRectangle(board.Extents());
    // 64 bits: the cells of a hostile file may span the whole int32 plane.
    const TPoint centring = CentringOffset(cells);
    const int64_t dx = centring.X;
    // One-dimensional games grow downwards from the top row.
    const int64_t dy =
        FGlobals.Life.Dimension() == 1 ? int64_t(board.MinY()) - cells.Top : centring.Y;
    TCellPlacer placer(board);
    if (FPattern.Keep == TLoadedPattern::TKeep::Cells) {
        for (const TLoadedCell& c : FPattern.Cells) placer.Run(c.X + dx, c.Y + dy, 1, c.State);
    } else {
        // The second reading of the text, straight onto the board.
        TLoadedPattern again;
        again.Keep = TLoadedPattern::TKeep::Place;
        again.Placer = &placer;
        again.PlaceDX = dx;
        again.PlaceDY = dy;
        DispatchInto(again);
    }
    FProgress.reset();
    return placer.Finish();
}

TSaveFormat TInOut::OptimalFormat(int32_t width) const
{
    if (FGlobals.Life.Game() != gmLife) return TSaveFormat::Native;
    return width > 80 ? TSaveFormat::Rle : TSaveFormat::Life105;
}

TSaveFormat TInOut::Resolved(TSaveFormat format) const
{
    return format == TSaveFormat::Optimal ? OptimalFormat(FGlobals.Board.MinRectangle().Width())
                                          : format;
}

TCellSource TInOut::BoardSource(TProgress* progress) const
{
    const TBoard& board = FGlobals.Board;
    return TCellSource::OfAreas([&board, progress, read = int64_t(0)](
                                    const TRect& area, uint8_t* cells, size_t stride) mutable {
        board.ReadArea(area, cells, stride);
        read += area.Width() * area.Height();
        if (progress) progress->Update(read);
    });
}

std::vector<std::string> TInOut::Write(TSaveFormat format) const
{
    std::vector<std::string> lines;
    TLineSink sink(lines);
    WriteCells(sink, Resolved(format), FGlobals.Board.MinRectangle(), BoardSource(nullptr),
               NativeHeader());
    return lines;
}

bool TInOut::WriteFile(const std::string& path, TSaveFormat format,
                       const std::function<void()>& beforeReplacing) const
{
    format = Resolved(format);
    const TRect rect = FGlobals.Board.MinRectangle();
    TProgress progress(FGlobals.Host, rect.IsEmpty() ? 0 : rect.Width() * rect.Height(),
                       kProgressCells);
    const TCellSource cells = BoardSource(&progress);
    return WriteLineFile(
        path, [&](TLineSink& sink) { WriteCells(sink, format, rect, cells, NativeHeader()); },
        beforeReplacing);
}

void TInOut::WriteCells(TLineSink& sink, TSaveFormat format, const TRect& rect,
                        const TCellSource& cells, const TNativeHeader& header) const
{
    const std::string rule = FGlobals.Board.RuleText();
    const std::vector<std::string>& description = FGlobals.Document.Description;
    switch (format) {
    case TSaveFormat::Rle:
        return WriteRle(sink, rect, cells, rule, description);
    case TSaveFormat::VLife:
        return WriteVLife(sink, rect, cells);
    case TSaveFormat::Life105:
        return WriteLife105(sink, rect, cells, rule, description);
    case TSaveFormat::Life106:
        return WriteLife106(sink, rect, cells, rule);
    default:
        return WriteNative(sink, rect, cells, header, description);
    }
}

TNativeHeader TInOut::NativeHeader() const
{
    const TBoard& board = FGlobals.Board;
    TNativeHeader header;
    header.Game = FGlobals.Life.Game();
    header.Rule = board.RuleText();
    header.OneDimensional = FGlobals.Life.Dimension() == 1;
    header.BoardWidth = board.Width();
    header.BoardHeight = board.Height();
    header.Speed = FGlobals.Run.Interval();
    header.Wrap = board.Wrap();
    header.StatesCount = board.StatesCount();
    header.Save = Options;
    return header;
}

bool TInOut::SaveFile(std::string& fileName, TSaveFormat format)
{
    format = Resolved(format);
    if (format == TSaveFormat::VLife) fileName = WithExtension(fileName, ".vlf");
    if (format == TSaveFormat::Native) fileName = WithExtension(fileName, ".plx");

    // The old file becomes the backup only once the new text is safely written.
    const std::string target = fileName;
    const auto keepBackup = [this, &target] {
        if (!Options.MakeBackup) return;
        std::error_code ignored;
        if (std::filesystem::exists(target, ignored))
            std::filesystem::copy_file(target, target + ".BAK",
                                       std::filesystem::copy_options::overwrite_existing, ignored);
    };
    if (!WriteFile(fileName, format, keepBackup)) {
        FGlobals.Host.ShowMessage("File \n[" + fileName + "]\ncould not be written.", "Error",
                                  TMsgIcon::Error, TMsgButtons::Ok);
        return false;
    }
    FGlobals.Document.TakeFileName(fileName);
    FGlobals.Board.SetModified(false);
    FGlobals.Host.Refresh(rfCaption | rfMenus);
    return true;
}

void TInOut::ClipboardLines()
{
    std::string text = FGlobals.Host.ClipboardText();
    if (text.size() > kClipboardLimit) text.resize(kClipboardLimit);
    FLines = SplitLines(text);
    FSource = TLineSource(FLines);
}

void TInOut::OpenFromClipboard()
{
    ClipboardLines();
    OpenLifeFile(kClipboardFile, false, true, false);
}

bool TInOut::InsertLifeFile(const std::string& fileName, TPoint topLeft)
{
    THost& host = FGlobals.Host;
    host.SetWaitCursor(true);
    const bool read = ReadPattern(fileName, true, false, true);
    if (read) {
        FGlobals.Undo.AddEvent(TUndoEvent::Open);
        FGlobals.Selection.TakePattern(FPattern, topLeft);
        FPattern.ClearCells();
        host.Refresh(rfBoard | rfStatusBar | rfMenus);
        host.PlaySound("SND_DROP");
    }
    host.SetWaitCursor(false);
    return read;
}

bool TInOut::PutRectOnClipboard(const TRect& rect)
{
    const TSelection& selection = FGlobals.Selection;
    TNativeHeader header = NativeHeader();
    header.Save.OnlyTopRow1D = false; // a copy always takes every row
    std::vector<std::string> lines;
    TLineSink sink(lines);
    WriteCells(
        sink, OptimalFormat(rect.Width()), rect,
        [&selection](int32_t x, int32_t y) { return selection.GetRectCell(x, y); }, header);
    if (lines.empty()) return false;
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    FGlobals.Host.SetClipboardText(text);
    return true;
}

bool TInOut::GetFromClipboard(TPoint topLeft)
{
    FPattern.Reset();
    ClipboardLines();
    if (!Dispatch()) return false;
    const bool taken = FGlobals.Selection.TakePattern(FPattern, topLeft);
    FPattern.ClearCells();
    FGlobals.Host.Refresh(rfBoard | rfStatusBar | rfMenus);
    return taken;
}
