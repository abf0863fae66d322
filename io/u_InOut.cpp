#include "io/u_InOut.h"

#include "base/u_Host.h"
#include "base/u_LineFile.h"
#include "base/u_Progress.h"
#include "base/u_Text.h"
#include "engine/u_Globals.h"
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

// Reading or writing more cells than this shows its progress.
constexpr int64_t kProgressCells = 20'000'000;

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
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) {
        if (reportMissing) Warn(FGlobals.Host, fileName, " not found");
        return false;
    }
    if (HasExtension(fileName, ".PLF")) {
        std::ifstream in(fileName, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
        if (ReadProLife(bytes, FPattern) == TProLifeResult::Improper)
            FGlobals.Host.ShowMessage("Improper ProLife file!", "Error", TMsgIcon::Information,
                                      TMsgButtons::Ok);
        return false; // the cells are read; there is no text to dispatch
    }
    FLines = ReadLineFile(fileName).value_or(std::vector<std::string>{});
    return !FLines.empty();
}

bool TInOut::Dispatch()
{
    FPattern.Cells.clear();
    const auto firstFull = std::find_if(FLines.begin(), FLines.end(),
                                        [](const std::string& line) { return !line.empty(); });
    FLines.erase(FLines.begin(), firstFull);
    if (FLines.empty()) return false;

    const auto significant = std::find_if(FLines.begin(), FLines.end(), [](const std::string& l) {
        const std::string_view t = Trim(l);
        return !t.empty() && !StartsWithNoCase(t, "#C") && !StartsWithNoCase(t, "#D");
    });
    const std::string_view first = significant == FLines.end() ? "" : Trim(*significant);
    bool read = false;
    if (StartsWithNoCase(first, "#PXLife ") || StartsWithNoCase(first, "#Plexa "))
        read = ReadNative(FLines, FPattern);
    else if (StartsWithNoCase(first, "#Life 1.05") || StartsWithNoCase(first, "#P "))
        read = ReadLife105(FLines, FPattern);
    else if (StartsWithNoCase(first, "#Life 1.06"))
        read = ReadLife106(FLines, FPattern, FGlobals.Board.Extents());
    else if (StartsWithNoCase(first, "x =") || StartsWithNoCase(first, "x="))
        read = ReadRle(FLines, FPattern);
    else if (StartsWithNoCase(first, "//"))
        read = ReadVLife(FLines, FPattern);
    if (read && !FPattern.Cells.empty()) return true;

    // Headers hidden behind other text: an RLE header anywhere, then every reader in turn.
    return ReadDbLife(FLines, FPattern, FGlobals.Board.Extents()) || ReadNative(FLines, FPattern);
}

bool TInOut::ReadPattern(const std::string& fileName, bool reportMissing, bool textLoaded)
{
    FPattern.Reset();
    if (textLoaded || LoadText(fileName, reportMissing)) Dispatch();
    if (!FPattern.Cells.empty()) return true;
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
                 std::to_string(FPattern.Cells.size()) + " cells were left out.");
    }
    if (!keepBoard) {
        if (FGlobals.Undo.Settings().ResetOnNew) FGlobals.Undo.Clear();
        board.SetModified(false);
    }
    FPattern.Cells.clear();
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
    size_t left = 0;
    for (const TLoadedCell& c : FPattern.Cells) {
        const int64_t x = c.X + dx;
        const int64_t y = c.Y + dy;
        if (x < board.MinX() || x > board.MaxX() || y < board.MinY() || y > board.MaxY())
            ++left;
        else
            board.SetCell(int32_t(x), int32_t(y), c.State);
    }
    return left;
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
    const bool read = ReadPattern(fileName, true, false);
    if (read) {
        FGlobals.Undo.AddEvent(TUndoEvent::Open);
        FGlobals.Selection.TakePattern(FPattern, topLeft);
        FPattern.Cells.clear();
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
    FPattern.Cells.clear();
    FGlobals.Host.Refresh(rfBoard | rfStatusBar | rfMenus);
    return taken;
}
