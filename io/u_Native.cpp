#include "io/u_Native.h"

#include "base/u_LineFile.h"
#include "base/u_Text.h"
#include "engine/u_Board.h"
#include "io/u_CellRuns.h"
#include "io/u_LoadedPattern.h"
#include "io/u_RunLength.h"
#include "rules/u_Life.h"
#include "rules/u_Rules.h"

#include <algorithm>

namespace {

constexpr char kFirstLetter = 'A'; // state 1
constexpr char kLastLetter = 'X';  // state 24

bool IsStateLetter(char c)
{
    return c >= kFirstLetter && c <= kLastLetter;
}

// The text from the 1-based position `pos` on, as the keys define their values.
std::string_view From(std::string_view line, size_t pos)
{
    return pos <= line.size() ? line.substr(pos - 1) : std::string_view{};
}

double HeaderVersion(std::string_view line)
{
    if (StartsWithNoCase(line, "#PXLife ")) return SafeReal(From(line, 9).substr(0, 20));
    if (StartsWithNoCase(line, "#Plexa ")) return SafeReal(From(line, 8).substr(0, 20));
    return 0;
}

uint8_t GameOfLine(std::string_view line)
{
    for (int game : {gmLife, gmGenerations, gmVoteForLife, gmWeightedLife, gmRulesTable, gmCyclic,
                     gm1DTotalistic, gmUserDll, gmSpecial}) {
        if (StartsWithNoCase(line, "#GAME " + TLife::GameName(game)))
            return static_cast<uint8_t>(game);
    }
    return gmLife;
}

class TNativeReader {
public:
    explicit TNativeReader(TLoadedPattern& pattern) : FPattern(pattern) {}

    void ReadLine(std::string_view line);

private:
    void ReadBoard(std::string_view value);
    void ReadData(std::string_view data);
    void ReadSymbol(char c);

    TLoadedPattern& FPattern;
    // The cursor and the pending count run on from one "#L" line to the next.
    TRunCursor FCursor;
};

void TNativeReader::ReadLine(std::string_view line)
{
    if (StartsWithNoCase(line, "#N")) {
        FPattern.Game = gmLife;
        FPattern.Rule = "23/3";
    } else if (StartsWithNoCase(line, "#RULE")) {
        FPattern.Rule = From(line, 6);
    } else if (StartsWithNoCase(line, "#GAME")) {
        FPattern.Game = GameOfLine(line);
    } else if (StartsWithNoCase(line, "#D")) {
        FPattern.Description.emplace_back(CommentText(line));
    } else if (StartsWithNoCase(line, "#BOARD")) {
        ReadBoard(From(line, 7));
    } else if (StartsWithNoCase(line, "#SPEED")) {
        FPattern.Speed = SafeInt(From(line, 7));
    } else if (StartsWithNoCase(line, "#WRAP")) {
        FPattern.Wrap = SafeInt(From(line, 6));
    } else if (StartsWithNoCase(line, "#CCOLORS")) {
        FPattern.StatesCount = SafeInt(From(line, 9));
    } else if (StartsWithNoCase(line, "#PALETTE")) {
        FPattern.PaletteName = Trim(From(line, 9));
    } else if (StartsWithNoCase(line, "#L")) {
        ReadData(From(line, 3));
    }
}

void TNativeReader::ReadBoard(std::string_view value)
{
    const size_t x = value.find('x');
    if (x == std::string_view::npos) return;
    FPattern.BoardWidth = SafeInt(value.substr(0, x));
    FPattern.BoardHeight = SafeInt(value.substr(x + 1, 10));
}

void TNativeReader::ReadData(std::string_view data)
{
    for (const char *p = data.data(), *end = p + data.size(); p != end;) {
        p = FCursor.ReadDigits(p, end);
        if (p != end) ReadSymbol(*p++);
    }
}

// Any other symbol, a blank included, only ends the pending count.
void TNativeReader::ReadSymbol(char c)
{
    const int64_t count = FCursor.TakeCount();
    if (c == '$')
        FCursor.NextRows(count, 0);
    else if (c == '.' || c == 'b')
        FCursor.Skip(count);
    else if (IsStateLetter(c))
        FCursor.AddRun(FPattern, count, static_cast<uint8_t>(c - kFirstLetter + 1));
}

void WriteSettings(const TNativeHeader& header, const std::vector<std::string>& description,
                   TLineSink& sink)
{
    sink.Line("#Plexa 2.0");
    sink.Line("#GAME " + TLife::GameName(header.Game));
    sink.Line("#RULE " + header.Rule);
    const TNativeSaveOptions& save = header.Save;
    if (save.BoardSize)
        sink.Line("#BOARD " + std::to_string(header.BoardWidth) + "x" +
                  std::to_string(header.BoardHeight));
    if (save.Speed) sink.Line("#SPEED " + std::to_string(header.Speed));
    if (save.Wrap) sink.Line(std::string("#WRAP ") + (header.Wrap ? "1" : "0"));
    if (save.StatesCount) sink.Line("#CCOLORS " + std::to_string(header.StatesCount));
    for (const std::string& line : description) sink.Line("#D " + line);
}

// Run-length encodes the cells row by row. Empty rows are pending "$" runs, flushed only in
// front of the next letter, so the data never ends in "$"; trailing dead cells of a row are
// never written.
class TCellDataWriter {
public:
    explicit TCellDataWriter(TLineSink& sink) : FOut(sink, "#L ") {}

    // `count` cells of `state`: all but the first only add to the pending run.
    void Run(uint8_t state, int64_t count);
    void EndRow();
    void Finish() { FOut.Finish(); }

private:
    void FlushLetter();

    TRunLineWriter FOut;
    int64_t FRows = 0;
    int64_t FDead = 0;
    int64_t FLetters = 0; // the run of FPrevious while that is a letter
    char FPrevious = '$';
};

void TCellDataWriter::Run(uint8_t state, int64_t count)
{
    if (state == 0) {
        FlushLetter();
        FDead += count;
        FPrevious = '.';
        return;
    }
    // The board holds no state above the last letter's; one would be written as that letter
    // rather than become a symbol that reads as nothing.
    const int last = kLastLetter - kFirstLetter + 1;
    const char letter = static_cast<char>(kFirstLetter + std::min<int>(state, last) - 1);
    if (letter != FPrevious) {
        FOut.Flush(FRows, '$');
        FOut.Flush(FDead, '.');
        FlushLetter();
        FPrevious = letter;
    }
    FLetters += count;
}

void TCellDataWriter::EndRow()
{
    FlushLetter();
    FDead = 0;
    ++FRows;
    FPrevious = '$';
}

void TCellDataWriter::FlushLetter()
{
    if (IsStateLetter(FPrevious)) FOut.Flush(FLetters, FPrevious);
}

} // namespace

bool ReadNative(const TLineSource& lines, TLoadedPattern& pattern)
{
    const size_t cellsBefore = pattern.CellCount();
    // The header is the first line with text: clipboard text may begin with blank lines.
    lines.ForEach([&pattern](std::string_view line) {
        if (Trim(line).empty()) return true;
        pattern.Version = HeaderVersion(Trim(line));
        return false;
    });
    TNativeReader reader(pattern);
    lines.ForEach([&reader](std::string_view line) {
        reader.ReadLine(Trim(line));
        return true;
    });
    return pattern.CellCount() > cellsBefore;
}

void WriteNative(TLineSink& sink, const TRect& rect, const TCellSource& cells,
                 const TNativeHeader& header, const std::vector<std::string>& description)
{
    WriteSettings(header, description, sink);
    const bool topRowOnly = header.OneDimensional && header.Save.OnlyTopRow1D;
    const TRect scanned{rect.Left, rect.Top, rect.Right,
                        topRowOnly ? std::min(rect.Top, rect.Bottom) : rect.Bottom};
    TCellDataWriter writer(sink);
    ScanRows(
        scanned, cells,
        [&writer](const uint8_t* c, size_t n) {
            ForEachRun(c, n, true, [&writer](uint8_t state, size_t count) {
                writer.Run(state, int64_t(count));
            });
        },
        [&writer] { writer.EndRow(); });
    writer.Finish();
}

std::vector<std::string> WriteNative(const TRect& rect, const TCellSource& cells,
                                     const TNativeHeader& header,
                                     const std::vector<std::string>& description)
{
    std::vector<std::string> lines;
    TLineSink sink(lines);
    WriteNative(sink, rect, cells, header, description);
    return lines;
}

void ApplyNativeVersionAdjustment(const TLoadedPattern& pattern, TBoard& board,
                                  TRulesWLife& weightedLife)
{
    if (pattern.Version != 1.0) return;
    if (pattern.Game != gmCyclic) board.SetStatesCount(board.StatesCount() + 1);
    if (pattern.Game == gmWeightedLife) weightedLife.StatesCount = board.StatesCount();
}
