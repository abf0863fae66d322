#include "io/u_Native.h"

#include "BoardFixture.h"
#include "PatternFiles.h"
#include "base/u_Text.h"
#include "io/u_LoadedPattern.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <tuple>
#include <utility>

namespace {

using TCellMap = std::map<std::pair<int32_t, int32_t>, uint8_t>;

TCellMap MapOf(const TLoadedPattern& pattern)
{
    TCellMap map;
    for (const TLoadedCell& c : pattern.Cells) map[{c.X, c.Y}] = c.State;
    return map;
}

TLoadedPattern Read(const TLines& lines)
{
    TLoadedPattern pattern;
    ReadNative(lines, pattern);
    return pattern;
}

// Rows of '.' and letters "A".."X" for states 1..24, from (0,0).
TCellMap LetterCells(const TLines& rows)
{
    TCellMap map;
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] != '.') map[{int32_t(x), int32_t(y)}] = uint8_t(rows[y][x] - 'A' + 1);
    return map;
}

TCellSource LetterSource(const TLines& rows)
{
    return [map = LetterCells(rows)](int32_t x, int32_t y) {
        auto it = map.find({x, y});
        return it == map.end() ? uint8_t(0) : it->second;
    };
}

TRect RectOfRows(const TLines& rows)
{
    return {0, 0, rows.empty() ? -1 : int32_t(rows[0].size()) - 1, int32_t(rows.size()) - 1};
}

// Only the data lines, for a header without any optional setting.
TLines DataOf(const TLines& rows, TNativeHeader header = {})
{
    header.Save = {false, false, false, false, true};
    TLines lines = WriteNative(RectOfRows(rows), LetterSource(rows), header, {});
    return TLines(lines.begin() + 3, lines.end());
}

// The header that writes back what `pattern` read: a setting goes when the file gave it.
TNativeHeader HeaderOf(const TLoadedPattern& pattern)
{
    TNativeHeader header;
    header.Game = pattern.Game;
    header.Rule = Trim(pattern.Rule);
    header.BoardWidth = pattern.BoardWidth;
    header.BoardHeight = pattern.BoardHeight;
    header.Speed = pattern.Speed;
    header.Wrap = pattern.Wrap != 0;
    header.StatesCount = pattern.StatesCount;
    header.Save = {pattern.BoardWidth != -1, pattern.Speed != -1, true, pattern.StatesCount != -1,
                   false};
    return header;
}

TLines WriteBack(const TLoadedPattern& pattern)
{
    TRect rect = pattern.MinRectangle({-50, -50, 49, 49});
    rect.Left = rect.Top = 0; // the file's own origin, leading dead cells included
    return WriteNative(rect, SourceOf(pattern), HeaderOf(pattern), pattern.Description);
}

} // namespace

TEST(NativeGolden, ReadsSettingsDescriptionAndCells)
{
    const TLoadedPattern glider = Read(ReadDataLines("native/glider.plx"));
    EXPECT_EQ(glider.Version, 2.0);
    EXPECT_EQ(glider.Game, 1);
    EXPECT_EQ(glider.Rule, " 23/3"); // opening trims it
    EXPECT_EQ(std::make_pair(glider.BoardWidth, glider.BoardHeight), std::make_pair(200, 200));
    EXPECT_EQ(glider.Speed, -1);
    EXPECT_EQ(glider.StatesCount, -1);
    EXPECT_EQ(glider.Description, (TLines{"The smallest spaceship.",
                                          "It moves one cell diagonally every four generations."}));
    EXPECT_EQ(MapOf(glider), LetterCells({".A.", "..A", "AAA"}));

    const TLoadedPattern brain = Read(ReadDataLines("native/brain.plx"));
    EXPECT_EQ(brain.Game, 2);
    EXPECT_EQ(std::make_tuple(brain.BoardWidth, brain.BoardHeight, brain.Speed, brain.Wrap,
                              brain.StatesCount),
              std::make_tuple(400, 300, 50, 1, 3));
    EXPECT_EQ(brain.Description,
              (TLines{"Brain rule: cells in state B are dying.", "", "  Two gliders meet below."}));
    EXPECT_EQ(MapOf(brain), LetterCells({"BB...BB", "AA...AA", ".......", "..A.A", ".B...B"}));

    // Many "#L" lines make one row.
    const TLoadedPattern row = Read(ReadDataLines("native/totalistic.plx"));
    EXPECT_EQ(row.Game, 7);
    std::ifstream expected(DataPath("native/totalistic.row"));
    std::string text;
    std::getline(expected, text);
    EXPECT_EQ(MapOf(row), LetterCells({text}));
}

TEST(NativeGolden, WritesBackTheFilesItReads)
{
    for (const char* name : {"native/glider.plx", "native/brain.plx", "native/totalistic.plx"}) {
        const TLines file = ReadDataLines(name);
        EXPECT_EQ(WriteBack(Read(file)), file) << name;
    }
}

TEST(NativeGolden, OldHeaderAndPalette)
{
    const TLoadedPattern legacy = Read(ReadDataLines("native/legacy.plx"));
    EXPECT_EQ(legacy.Version, 1.0);
    EXPECT_EQ(legacy.Game, 3);
    EXPECT_EQ(legacy.StatesCount, 1);
    EXPECT_EQ(legacy.PaletteName, "Embers");
    EXPECT_EQ(MapOf(legacy), LetterCells({"AA", "A.A"}));
}

TEST(NativeRead, CellData)
{
    const struct {
        TLines Lines;
        TLines Rows;
    } cases[] = {
        {{"#L .A$..A$3A"}, {".A.", "..A", "AAA"}},
        {{"#L AA.A3$A"}, {"AA.A", "....", "....", "A..."}},
        {{"#L C"}, {"C"}},
        {{"#l Xb2.A"}, {"X...A"}},                    // "b" is a dead cell too
        {{"#L 3 A"}, {"A"}},                          // a blank cancels the count
        {{"#L AYz?A"}, {"AA"}},                       // unknown symbols only end a count
        {{"#L A", "#D note", "#L B"}, {"AB"}},        // the cursor runs on over lines
        {{"#L 2", "#L$A"}, {".", ".", "A"}},          // and so does the count
        {{"  #L A  ", "#Life 1.05", "x = 1"}, {"A"}}, // trimmed; "#Life" is data without cells
    };
    for (const auto& c : cases) EXPECT_EQ(MapOf(Read(c.Lines)), LetterCells(c.Rows)) << c.Lines[0];
}

TEST(NativeRead, Keys)
{
    const auto game = [](const char* line) { return int(Read({line}).Game); };
    EXPECT_EQ(game("#game vote for life"), 4);
    EXPECT_EQ(game("#GAME Weighted Life"), 3);
    EXPECT_EQ(game("#GAME Special rules, more text"), 9);
    EXPECT_EQ(game("#GAME Chess"), 1);
    EXPECT_EQ(game("#GAMECyclic CA"), 1);

    const TLoadedPattern named = Read({"#GAME Cyclic CA", "#RULE R2/T4/C5/NM", "#Name Spiral"});
    EXPECT_EQ(std::make_pair(int(named.Game), named.Rule), std::make_pair(1, std::string("23/3")));
    EXPECT_EQ(Read({"#RULE R2/T4/C5/NM"}).Rule, " R2/T4/C5/NM");

    const auto board = [](const char* line) {
        const TLoadedPattern p = Read({line});
        return std::make_pair(p.BoardWidth, p.BoardHeight);
    };
    EXPECT_EQ(board("#BOARD 300x400"), std::make_pair(300, 400));
    EXPECT_EQ(board("#board 300 x 400"), std::make_pair(0, 400)); // the width is unreadable
    EXPECT_EQ(board("#BOARD 300X400"), std::make_pair(-1, -1));   // only a lower-case "x"
    EXPECT_EQ(board("#BOARD 300x12345678901"), std::make_pair(300, 1234567890)); // 10 digits

    const TLoadedPattern values =
        Read({"#SPEED fast", "#WRAP 1", "#CCOLORS 1", "#PALETTE   Sea  ", "#Plexa 2.0"});
    EXPECT_EQ(std::make_tuple(values.Speed, values.Wrap, values.StatesCount, values.PaletteName),
              std::make_tuple(0, 1, 1, std::string("Sea")));
}

TEST(NativeRead, VersionFromTheHeaderLine)
{
    const std::pair<TLines, double> cases[] = {
        {{"#Plexa 2.0"}, 2.0},         {{"#PXLife 1.0"}, 1.0}, {{"#pxlife 1,5"}, 1.5},
        {{"#Plexa beta"}, 0.0},        {{"#Plexa"}, 0.0},      {{"", " ", "#Plexa 1.0"}, 1.0},
        {{"#D x", "#Plexa 1.0"}, 0.0}, // only the first line is the header
    };
    for (const auto& [lines, version] : cases) EXPECT_EQ(Read(lines).Version, version) << lines[0];
}

TEST(NativeRead, SuccessNeedsACell)
{
    TLoadedPattern pattern;
    EXPECT_FALSE(ReadNative({"#Plexa 2.0", "#GAME Life", "#L "}, pattern));
    EXPECT_FALSE(ReadNative({"#L 5.$$."}, pattern));
    EXPECT_FALSE(ReadNative({}, pattern));
    EXPECT_TRUE(ReadNative({"#L A"}, pattern));
}

TEST(NativeRead, HostileCountsStayBounded)
{
    TLoadedPattern pattern;
    ReadNative({"#L 2147483647A"}, pattern);
    EXPECT_EQ(pattern.Cells.size(), 100000u); // the largest board's width

    pattern.Reset();
    ReadNative({"#L 99999999999999999999.99999999999999$B"}, pattern);
    EXPECT_EQ(MapOf(pattern), (TCellMap{{{0, 100000}, 2}}));

    pattern.Reset(); // the cursor runs past the kept range and stays there
    TLines far(100000, "#L 100000.");
    std::string rows = "#L A"; // and down past the int32 rows
    for (int i = 0; i < 21475; ++i) rows += "100000$";
    far.push_back(rows + "100000A");
    EXPECT_FALSE(ReadNative(far, pattern));

    std::mt19937 random(99);
    for (int round = 0; round < 20; ++round) {
        TLines lines(100, "#L ");
        for (std::string& line : lines)
            for (int i = 0; i < 300; ++i) line += static_cast<char>(random() & 0xFF);
        pattern.Reset();
        ReadNative(lines, pattern);
        for (const TLoadedCell& c : pattern.Cells) {
            ASSERT_TRUE(c.State >= 1 && c.State <= 24);
        }
    }
}

TEST(NativeWrite, PendingRuns)
{
    const std::pair<TLines, TLines> cases[] = {
        {{".A.", "..A", "AAA"}, {"#L .A$..A$3A"}},
        {{"C"}, {"#L C"}},
        {{"AA.A", "....", "....", "A..."}, {"#L AA.A3$A"}},
        {{"ABBCCC", "X..XX."}, {"#L ABB3C$X..XX"}}, // letters flush each other
        {{"...", ".B.", "..."}, {"#L $.B"}},        // leading empty rows stay, trailing go
        {{"A..", "...", "..A"}, {"#L A$$..A"}},
        {{}, {"#L "}},
    };
    for (const auto& [rows, data] : cases) EXPECT_EQ(DataOf(rows), data) << data[0];
}

TEST(NativeWrite, SettingsFollowTheSaveOptions)
{
    TNativeHeader header{9, "TRCA,0.1,0.1,0.11,0.05", true, 1000, 500, 120, true, 7, {}};
    header.Save = {false, false, false, false, false};
    const TCellSource one = [](int32_t, int32_t) { return uint8_t(1); };
    EXPECT_EQ(
        WriteNative({0, 0, 0, 0}, one, header, {}),
        (TLines{"#Plexa 2.0", "#GAME Special rules", "#RULE TRCA,0.1,0.1,0.11,0.05", "#L A"}));

    header.Save = {true, true, true, true, false};
    EXPECT_EQ(WriteNative({0, 0, 0, 0}, one, header, {"first", "", " third"}),
              (TLines{"#Plexa 2.0", "#GAME Special rules", "#RULE TRCA,0.1,0.1,0.11,0.05",
                      "#BOARD 1000x500", "#SPEED 120", "#WRAP 1", "#CCOLORS 7", "#D first", "#D ",
                      "#D  third", "#L A"}));
}

TEST(NativeWrite, OnlyTheTopRowOfRowGames)
{
    const TLines rows{"A.A", ".B.", "CCC"};
    TNativeHeader header;
    header.OneDimensional = true;
    EXPECT_EQ(DataOf(rows, header), TLines{"#L A.A"});
    header.Save.OnlyTopRow1D = false; // as when copying the selection
    header.OneDimensional = true;
    EXPECT_EQ(WriteNative(RectOfRows(rows), LetterSource(rows), header, {}).back(), "#L A.A$.B$3C");
    header.OneDimensional = false;
    header.Save.OnlyTopRow1D = true;
    EXPECT_EQ(WriteNative(RectOfRows(rows), LetterSource(rows), header, {}).back(), "#L A.A$.B$3C");
}

TEST(NativeWrite, LongRowsBreakAtSeventyAndReadBack)
{
    std::mt19937 random(11);
    TLines rows(40, std::string(300, '.'));
    for (std::string& row : rows)
        for (char& c : row)
            if (random() % 3 == 0) c = static_cast<char>('A' + random() % (random() % 2 ? 2 : 24));
    rows[17].assign(300, '.'); // a gap between rows
    const TLines data = DataOf(rows);
    ASSERT_GT(data.size(), 100u);
    for (const std::string& line : data) EXPECT_LE(line.size(), 3u + 70u) << line;
    EXPECT_EQ(MapOf(Read(data)), LetterCells(rows));
}

TEST(NativeRoundTrip, EveryGameKeepsItsSettings)
{
    const char* rules[] = {"23/3",
                           "345/2/4",
                           "NW1,NN2,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0,RS2,RS3,RB3",
                           "1234/3456",
                           "1,0,0,0,0,0,1,0,0,0,0,0,0,0,0,1,1",
                           "R2/T4/C5/NM/GH",
                           "R2,C10,M1,S0,S1,B0,B3",
                           "Dave",
                           "TRCA,0.1,0.1,0.11,0.05"};
    for (uint8_t game = 1; game <= 9; ++game) {
        TNativeHeader header{game,
                             rules[game - 1],
                             false,
                             20 * game,
                             40,
                             game * 10,
                             game % 2 == 1,
                             game + 2,
                             {true, true, true, true, true}};
        const TLines description{"made by " + std::to_string(game), "", "  indented"};
        const TLoadedPattern pattern = Read(WriteNative(
            {-3, -3, 3, 3}, [](int32_t x, int32_t y) { return uint8_t(x == y ? 5 : 0); }, header,
            description));
        EXPECT_EQ(pattern.Game, game);
        EXPECT_EQ(Trim(pattern.Rule), header.Rule);
        EXPECT_EQ(std::make_tuple(pattern.BoardWidth, pattern.BoardHeight, pattern.Speed,
                                  pattern.Wrap != 0, pattern.StatesCount),
                  std::make_tuple(header.BoardWidth, header.BoardHeight, header.Speed, header.Wrap,
                                  header.StatesCount));
        EXPECT_EQ(pattern.Description, description);
        EXPECT_EQ(MapOf(pattern),
                  LetterCells({"E", ".E", "..E", "...E", "....E", ".....E", "......E"}));
    }
}

using NativeVersionAdjustment = TBoardTest;

TEST_F(NativeVersionAdjustment, OnlyVersionOneGainsAState)
{
    const auto adjusted = [this](const char* header, int game, int32_t states) {
        TLoadedPattern pattern = Read({header, "#L A"});
        pattern.Game = uint8_t(game);
        Board.SetStatesCount(states);
        G.Life.WLife.StatesCount = 0;
        ApplyNativeVersionAdjustment(pattern, Board, G.Life.WLife);
        return std::make_pair(Board.StatesCount(), G.Life.WLife.StatesCount);
    };
    EXPECT_EQ(adjusted("#PXLife 1.0", 1, 2), std::make_pair(3, 0));
    EXPECT_EQ(adjusted("#Plexa 1.00", 2, 24), std::make_pair(25, 0));
    EXPECT_EQ(adjusted("#Plexa 1.0", 2, 25), std::make_pair(25, 0)); // never past 25
    EXPECT_EQ(adjusted("#PXLife 1.0", 3, 4), std::make_pair(5, 5));
    EXPECT_EQ(adjusted("#PXLife 1.0", 6, 8), std::make_pair(8, 0));
    EXPECT_EQ(adjusted("#Plexa 2.0", 3, 4), std::make_pair(4, 0));
    EXPECT_EQ(adjusted("#PXLife 1.01", 1, 4), std::make_pair(4, 0));
}
