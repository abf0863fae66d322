#include "io/u_Rle.h"

#include "PatternFiles.h"
#include "io/u_LoadedPattern.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>

namespace {

TLoadedPattern Read(const TLines& lines)
{
    TLoadedPattern pattern;
    EXPECT_TRUE(ReadRle(lines, pattern));
    return pattern;
}

TLines WriteBack(const TLoadedPattern& pattern)
{
    return WriteRle(pattern.MinRectangle({-50, -50, 49, 49}), SourceOf(pattern), pattern.Rule,
                    pattern.Description);
}

} // namespace

TEST(RleGolden, ReadsTheExpectedCells)
{
    for (std::string name : {"glider", "multistate"}) {
        const TLoadedPattern pattern = Read(ReadDataLines("rle/" + name + ".rle"));
        EXPECT_EQ(Describe(pattern.Cells), Describe(ReadExpectedCells("rle/" + name + ".cells")))
            << name;
    }
}

TEST(RleGolden, WritesTheExpectedFile)
{
    const std::pair<const char*, const char*> cases[] = {
        {"glider.rle", "glider.expected.rle"},
        {"gaps.rle", "gaps.rle"}, // one empty row between two is "$$"
        {"wide.rle", "wide.rle"}, // full 70-character lines; "!" may make a 71st
    };
    for (auto [input, expected] : cases)
        EXPECT_EQ(WriteBack(Read(ReadDataLines(std::string("rle/") + input))),
                  ReadDataLines(std::string("rle/") + expected))
            << input;
}

TEST(RleGolden, FilesOfOtherProgramsOpenToTheirCells)
{
    const struct {
        const char* Name;
        std::vector<TLoadedCell> Cells;
        const char* Rule;
        int32_t Wrap, BoardWidth, BoardHeight;
    } cases[] = {
        {"gun.rle", CellsOfRows(GunRows(), -18, -4), "B3/S23", 0, -1, -1}, // "#N", "#O" lines
        {"torus.rle", CellsOfRows(GliderRows(), -1, -1), "B3/S23", 1, 40, 20},
        {"upper.rle", CellsOfRows(GunRows(), -18, -4), "b3/s23", 0, 100, 60}, // one long line
        {"fields.rle", CellsOfRows(GliderRows(), -1, -1), "B3/S23", 0, -1, -1},
    };
    for (const auto& c : cases) {
        const TLoadedPattern pattern = Read(ReadDataLines(std::string("rle/") + c.Name));
        EXPECT_EQ(DescribeSorted(pattern.Cells), DescribeSorted(c.Cells)) << c.Name;
        EXPECT_EQ(pattern.Rule, c.Rule) << c.Name;
        EXPECT_EQ(pattern.Wrap, c.Wrap) << c.Name;
        EXPECT_EQ(pattern.BoardWidth, c.BoardWidth) << c.Name;
        EXPECT_EQ(pattern.BoardHeight, c.BoardHeight) << c.Name;
    }
    EXPECT_EQ(
        Read(ReadDataLines("rle/gun.rle")).Description,
        (TLines{"The first known gun: a glider every 30 generations.", "XRLE Pos=-18,-4 Gen=0"}));
}

TEST(RleRead, BoundedGridSuffixSetsWrapAndBoardNotTheRule)
{
    const struct {
        const char* RuleField;
        const char* Rule;
        int32_t Wrap, BoardWidth, BoardHeight;
    } cases[] = {
        {"B3/S23:T100,80", "B3/S23", 1, 100, 80},
        {"B36/S23:P60,40", "B36/S23", 0, 60, 40},
        // Sizes between two board steps get the larger board: no cell is cut off.
        {"23/3:t30,20", "23/3", 1, 40, 20},
        {"B3/S23:P40,21, fps = 10", "B3/S23", 0, 40, 40},
        // Grids no board here can be: unbounded sides, a Klein bottle, sizes past int32.
        {"B3/S23:T0,0", "B3/S23", 0, -1, -1},
        {"B3/S23:T100", "B3/S23", 0, -1, -1},
        {"B3/S23:K100,80*", "B3/S23", 0, -1, -1},
        {"B3/S23:T99999999999,5", "B3/S23", 0, -1, -1},
        {"B3/S23:", "B3/S23", 0, -1, -1},
        // A following field is no part of the rule; commas inside a rule are.
        {"B3/S23, fps = 10", "B3/S23", 0, -1, -1},
        {"NW1,NN1,NE1,RS2,RB3", "NW1,NN1,NE1,RS2,RB3", 0, -1, -1},
    };
    for (const auto& c : cases) {
        const TLoadedPattern pattern =
            Read({std::string("x = 3, y = 3, rule = ") + c.RuleField, "o!"});
        EXPECT_EQ(pattern.Rule, c.Rule) << c.RuleField;
        EXPECT_EQ(pattern.Wrap, c.Wrap) << c.RuleField;
        EXPECT_EQ(pattern.BoardWidth, c.BoardWidth) << c.RuleField;
        EXPECT_EQ(pattern.BoardHeight, c.BoardHeight) << c.RuleField;
    }
}

TEST(RleRead, CommentsAndTextAfterTheEndBecomeDescription)
{
    const TLoadedPattern glider = Read(ReadDataLines("rle/glider.rle"));
    EXPECT_EQ(glider.Description, (TLines{"The smallest spaceship.", " Travels diagonally."}));
    EXPECT_EQ(glider.Rule, "B3/S23");

    const TLoadedPattern multistate = Read(ReadDataLines("rle/multistate.rle"));
    EXPECT_EQ(multistate.Description,
              (TLines{"Counts may end one line and their symbol begin the next.", "Made by hand.",
                      "after the end"}));
}

TEST(RleRead, RuleIsTheTokenAfterRulesOrRule)
{
    const std::pair<const char*, const char*> cases[] = {
        {"x = 3, y = 3, rule = B3/S23", "B3/S23"},
        {"x=3,y=3,rule=B36/S23", "B36/S23"},
        {"x = 3, y = 3, rule = 23/3 rules = 345/2/4", "345/2/4"},
        {"x = 3, y = 3, Rule = B3/S23", "23/3"}, // the key is case-sensitive
        {"x = 3, y = 3", "23/3"},
    };
    for (auto [header, rule] : cases) EXPECT_EQ(Read({header, "o!"}).Rule, rule) << header;
}

TEST(RleRead, HeaderCentresTheCursor)
{
    const struct {
        const char* Header;
        TLoadedCell First;
    } cases[] = {
        {"x = 3, y = 3", {-1, -1, 1}},   {"x = 4, y = 5", {-2, -2, 1}},
        {"x = -5, y = -4", {-2, -2, 1}}, {"x = 0, y = 0", {0, 0, 1}},
        {"x = what, y = ?", {0, 0, 1}}, // unreadable numbers read as 0
        {"x = 6", {-3, 0, 1}},          // no height given
    };
    for (const auto& c : cases) {
        const TLoadedPattern pattern = Read({c.Header, "o!"});
        ASSERT_EQ(pattern.Cells.size(), 1u) << c.Header;
        EXPECT_EQ(Describe(pattern.Cells), Describe({c.First})) << c.Header;
    }
}

TEST(RleRead, RunDataSymbols)
{
    const struct {
        TLines Lines;
        std::vector<TLoadedCell> Cells;
    } cases[] = {
        {{"x = 0, y = 0", "2o$3.bo$o"}, {{0, 0, 1}, {1, 0, 1}, {4, 1, 1}, {0, 2, 1}}},
        {{"x = 0, y = 0", "xYzOA"}, {{0, 0, 2}, {1, 0, 3}, {2, 0, 4}, {3, 0, 1}, {4, 0, 1}}},
        {{"x = 2, y = 0", "B2o2$o"}, {{0, 0, 1}, {1, 0, 1}, {-1, 2, 1}}}, // "$" back to x0
        {{"x = 0, y = 0", "3 o"}, {{0, 0, 1}}},         // a blank cancels the count
        {{"x = 0, y = 0", "2", "", "$o"}, {{0, 2, 1}}}, // the count carries over lines
        {{"x = 0, y = 0", "o!", "o"}, {{0, 0, 1}}},     // nothing after "!" is data
        {{"x = 0, y = 0", "o", "x = 9, y = 9"}, {{0, 0, 1}, {1, 0, 2}, {2, 0, 3}}}, // one header
    };
    for (const auto& c : cases) {
        const TLoadedPattern pattern = Read(c.Lines);
        EXPECT_EQ(Describe(pattern.Cells), Describe(c.Cells)) << c.Lines.back();
    }
}

TEST(RleRead, OtherHashLinesAreNotCells)
{
    // A name or author line is metadata; reading its letters as cells would corrupt the pattern.
    const TLoadedPattern pattern = Read({"#N Glider", "#O Someone", "x = 1, y = 1", "o!"});
    EXPECT_EQ(Describe(pattern.Cells), Describe({{0, 0, 1}}));
}

TEST(RleRead, SuccessNeedsAHeaderOrACell)
{
    TLoadedPattern pattern;
    EXPECT_TRUE(ReadRle({"x = 3, y = 3"}, pattern));
    EXPECT_TRUE(pattern.Cells.empty());
    EXPECT_FALSE(ReadRle({"#C only a comment", "", "3b$!"}, pattern));
    EXPECT_FALSE(ReadRle({}, pattern));
}

TEST(RleRead, HostileCountsAreCutAtTheLargestBoardWidth)
{
    TLoadedPattern pattern;
    ReadRle({"x = 0, y = 0", "2147483647o"}, pattern);
    ASSERT_EQ(pattern.Cells.size(), 100000u);
    EXPECT_EQ(pattern.Cells.back().X, 99999);

    pattern.Reset();
    ReadRle({"x = 0, y = 0", "99999999999999999999b", "999999999999", "99999$o"}, pattern);
    EXPECT_EQ(Describe(pattern.Cells), Describe({{0, 100000, 1}}));

    pattern.Reset(); // the cursor runs past the kept range and stays there
    TLines far{"x = 0, y = 0"};
    far.insert(far.end(), 100000, "100000b");
    far.push_back("o$");
    far.insert(far.end(), 21475, "100000$"); // past the int32 rows
    far.push_back("100000o");
    EXPECT_TRUE(ReadRle(far, pattern));
    EXPECT_TRUE(pattern.Cells.empty());
}

TEST(RleRead, LongLinesReadAsTheirCharactersOneALine)
{
    // Long lines are read a piece at a time: counts and runs that straddle pieces must read
    // as they do when every character comes on its own line.
    std::mt19937 random(7);
    const char symbols[] = "bo.xyzA$,";
    std::string data;
    while (data.size() < 3000) {
        if (random() % 2) data += std::to_string(random() % (random() % 4 == 0 ? 1000 : 10));
        data += symbols[random() % (sizeof symbols - 1)];
    }
    TLines apart{"x = 0, y = 0"};
    for (char c : data) apart.emplace_back(1, c);
    EXPECT_EQ(Describe(Read({"x = 0, y = 0", data}).Cells), Describe(Read(apart).Cells));
}

TEST(RleRead, CountedCellsStopAtTheLargestBoard)
{
    TLoadedPattern pattern;
    pattern.Keep = TLoadedPattern::TKeep::Count;
    TLines lines{"x = 0, y = 0"};
    lines.insert(lines.end(), 2499, "100000o$");
    lines.push_back("99999o$3o$"); // the cap falls inside this line's runs
    lines.push_back("o!");
    ASSERT_TRUE(ReadRle(lines, pattern));
    EXPECT_EQ(pattern.CellCount(), TLoadedPattern::kMaxCells);
    EXPECT_EQ(pattern.MinRectangle({}), (TRect{0, 0, 99999, 2500}));
}

TEST(RleRead, HostileHeaderPutsCellsOutOfRange)
{
    for (const char* header : {"x = 2147483647, y = -2147483648", "x = -2147483648, y = 2147483647",
                               "x = 99999999999999, y = 3"}) {
        TLoadedPattern pattern;
        EXPECT_TRUE(ReadRle({header, "100000o$100000o!"}, pattern)) << header;
        // The two rows keep their places relative to each other.
        ASSERT_EQ(pattern.Cells.size(), 200000u) << header;
        EXPECT_EQ(pattern.Cells.back().Y - pattern.Cells.front().Y, 1) << header;
    }
}

TEST(RleRead, BinaryGarbageKeepsCellsInRange)
{
    std::mt19937 random(12345);
    for (int round = 0; round < 20; ++round) {
        TLines lines(200);
        for (std::string& line : lines)
            for (int i = 0; i < 300; ++i) line += static_cast<char>(random() & 0xFF);
        TLoadedPattern pattern;
        ReadRle(lines, pattern);
        for (const TLoadedCell& c : pattern.Cells) ASSERT_TRUE(c.State >= 1 && c.State <= 4);
    }
}

TEST(RleWrite, GliderAsDocumented)
{
    const TLines glider = {".1.", "..1", "111"};
    EXPECT_EQ(WriteRle({0, 0, 2, 2}, SourceOfRows(glider), "23/3", {}),
              (TLines{"x = 3, y = 3", "bo$bbo$3o!"}));
    EXPECT_EQ(WriteRle({0, 0, 2, 2}, SourceOfRows(glider), "B3/S23", {"first", "", "#C third"}),
              (TLines{"x = 3, y = 3, rule = B3/S23", "bo$bbo$3o!", "first", "", "#C third"}));
}

TEST(RleWrite, RunsRowsAndStates)
{
    const struct {
        TLines Rows;
        TRect Rect;
        const char* Data;
    } cases[] = {
        {{"234"}, {0, 0, 2, 0}, "3o!"},                // every live state is "o"
        {{"1..", "...", "..."}, {0, 0, 2, 2}, "o!"},   // trailing dead cells and rows
        {{"...", "...", "1.."}, {0, 0, 2, 2}, "$$o!"}, // leading empty rows are kept
        {{"1.1", "...", "...", "..1"}, {0, 0, 2, 3}, "obo3$bbo!"},
        {{"11...11"}, {0, 0, 6, 0}, "oo3boo!"},
        {{}, {0, 0, -1, -1}, "!"},
    };
    for (const auto& c : cases) {
        const TLines lines = WriteRle(c.Rect, SourceOfRows(c.Rows), "23/3", {});
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[1], c.Data) << lines[0];
    }
}

TEST(RleWrite, EmptyRectangleGivesAZeroHeader)
{
    const TLines lines = WriteRle({5, 5, 4, 4}, SourceOfRows({}), "23/3", {"note"});
    EXPECT_EQ(lines, (TLines{"x = 0, y = 0", "!", "note"}));
    TLoadedPattern pattern;
    EXPECT_TRUE(ReadRle(lines, pattern));
    EXPECT_TRUE(pattern.Cells.empty());
    EXPECT_EQ(pattern.Description, TLines{"note"});
}

TEST(RleWrite, LongRowsBreakAtSeventyAndReadBack)
{
    std::mt19937 random(7);
    TLines rows(40, std::string(300, '.'));
    for (std::string& row : rows)
        for (char& c : row)
            if (random() % 3 == 0) c = '1';
    const TLines lines = WriteRle({0, 0, 299, 39}, SourceOfRows(rows), "23/3", {});
    for (size_t i = 1; i + 1 < lines.size(); ++i) EXPECT_LE(lines[i].size(), 70u) << i;

    const TLoadedPattern pattern = Read(lines);
    const TCellSource read = SourceOf(pattern);
    const TCellSource original = SourceOfRows(rows);
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < 300; ++x)
            ASSERT_EQ(read(x - 150, y - 20), original(x, y)) << x << "," << y;
}
