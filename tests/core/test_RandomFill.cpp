#include "BoardFixture.h"
#include "base/u_LineFile.h"
#include "edit/u_RandomFill.h"
#include "io/u_InOut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;
using S = TRandomSettings;

namespace {

const std::string kShippedFolder = PLEXA_TEST_DATA_DIR "/../../data/";

// Every cell of the given shape in one state, so that what was filled can be counted.
S Solid(int32_t shape, int32_t kind)
{
    S s;
    s.Mode = S::rmMono;
    s.Density = 100;
    s.Shape = shape;
    s.RectKind = kind;
    return s;
}

} // namespace

class TRandomFillTest : public TBoardTest {
protected:
    void SetUp() override
    {
        TBoardTest::SetUp();
        G.Random.Seed(20240611);
    }

    void Fill(const S& s, TRect visible = {-10, -10, 9, 9}) { Filler.FillBoard(s, visible); }
    int32_t CountIn(const TRect& r) const
    {
        int32_t count = 0;
        for (int32_t y = r.Top; y <= r.Bottom; ++y)
            for (int32_t x = r.Left; x <= r.Right; ++x) count += Board.GetCell(x, y) != 0;
        return count;
    }

    TInOut InOut{G};
    TRandomFill Filler{G, InOut};
};

// ---- Random cells ----

TEST_F(TRandomFillTest, DensityGovernsHowManyCellsMonoModeSets)
{
    S s = Solid(S::rsRectangle, S::rkArea);
    s.FillColor = 2;
    Board.SetStatesCount(3);
    s.AreaX1 = -5, s.AreaY1 = -5, s.AreaX2 = 4, s.AreaY2 = 4;
    Fill(s);
    EXPECT_EQ(Board.LiveCount(), 100);
    EXPECT_EQ(Board.StateCount(2), 100);
    EXPECT_EQ(Board.MinRectangle(), (TRect{-5, -5, 4, 4}));

    s.Density = 1;
    s.RectKind = S::rkUniverse;
    Fill(s); // 40 000 cells: about 400
    EXPECT_GT(Board.LiveCount(), 250);
    EXPECT_LT(Board.LiveCount(), 550);
}

// Each cell takes its random numbers in row order, one random state per wanted cell: a seed
// gives the same board as it always did.
TEST_F(TRandomFillTest, ASeedGivesTheCellsOfOneRandomStatePerCellInRowOrder)
{
    Board.SetStatesCount(4);
    S rect = Solid(S::rsRectangle, S::rkArea);
    rect.Mode = S::rmColor;
    rect.FillUniform = false;
    rect.Density = 37;
    rect.AreaX1 = -60, rect.AreaY1 = -30, rect.AreaX2 = 45, rect.AreaY2 = 70;
    S disc = Solid(S::rsCircle, S::rkArea);
    disc.Mode = S::rmMono;
    disc.Interior = false;
    disc.Density = 50;
    disc.CircleX = 7, disc.CircleY = -3, disc.CircleRadius = 60;
    for (const S& s : {rect, disc}) {
        G.Random.Seed(77);
        Fill(s);
        TGlobals other(Host);
        other.Board.SetSize(200, 200);
        other.Board.SetStatesCount(4);
        other.Random.Seed(77);
        TInOut otherInOut(other);
        TRandomFill reference(other, otherInOut);
        int mismatches = 0;
        for (int32_t y = Board.MinY(); y <= Board.MaxY(); ++y)
            for (int32_t x = Board.MinX(); x <= Board.MaxX(); ++x) {
                const int64_t dx = x - 7, dy = y + 3;
                const bool wanted = s.Shape == S::rsCircle ? dx * dx + dy * dy > 60 * 60
                                                           : TRect{-60, -30, 45, 70}.Contains(x, y);
                uint8_t expected = 0;
                if (wanted)
                    if (const auto state = reference.RandomState(s)) expected = *state;
                mismatches += Board.GetCell(x, y) != expected;
            }
        EXPECT_EQ(mismatches, 0) << s.Shape;
        EXPECT_EQ(Board.LiveCount(), CountIn(Board.Extents()));
    }
}

TEST_F(TRandomFillTest, UniformColorGivesEveryCellAStateAboutOneInNOfThemZero)
{
    Board.SetStatesCount(4);
    S s;
    s.Density = 1; // ignored
    s.RectKind = S::rkUniverse;
    Fill(s);
    const int32_t zeros = 40000 - Board.LiveCount();
    EXPECT_GT(zeros, 9000);
    EXPECT_LT(zeros, 11000);
    for (int state = 1; state <= 3; ++state) EXPECT_GT(Board.StateCount(state), 9000);

    s.FillUniform = false;
    s.Density = 50;
    Fill(s);
    EXPECT_GT(Board.LiveCount(), 18000);
    EXPECT_LT(Board.LiveCount(), 22000);
    for (int state = 1; state <= 3; ++state) EXPECT_GT(Board.StateCount(state), 5000);
}

TEST_F(TRandomFillTest, MonoStateBeyondTheBoardsStatesIsKeptWithinThem)
{
    // A set file may carry any number; the board holds states below its count only.
    S s = Solid(S::rsRectangle, S::rkCentred);
    s.FillColor = 300;
    Board.SetStatesCount(3);
    Fill(s);
    EXPECT_EQ(Board.StateCount(2), 625);
    s.FillColor = -4;
    Fill(s);
    EXPECT_EQ(Board.LiveCount(), 0);
}

// ---- Shapes ----

TEST_F(TRandomFillTest, CentredRectanglesSpanHalfTheirSizeEachSide)
{
    const struct {
        int32_t X, Y;
        TRect Span;
    } cases[] = {{25, 25, {-12, -12, 12, 12}}, {4, 4, {-2, -2, 1, 1}}, {1, 7, {0, -3, 0, 3}}};
    for (const auto& c : cases) {
        S s = Solid(S::rsRectangle, S::rkCentred);
        s.RectX = c.X, s.RectY = c.Y;
        Fill(s);
        EXPECT_EQ(Board.MinRectangle(), c.Span) << c.X << " x " << c.Y;
        EXPECT_EQ(Board.LiveCount(), c.X * c.Y);
    }
}

TEST_F(TRandomFillTest, CircleFillsWithinItsRadiusAndOutsideLeavesTheAxisCellsAtRadius)
{
    S s = Solid(S::rsCircle, 0);
    s.CircleX = 10, s.CircleY = -5, s.CircleRadius = 1;
    Fill(s);
    EXPECT_EQ(Board.LiveCount(), 1);
    EXPECT_EQ(Board.GetCell(10, -5), 1);

    s.CircleRadius = 3;
    Fill(s); // the box runs 2 each side; every cell of it lies within 3
    EXPECT_EQ(Board.MinRectangle(), (TRect{8, -7, 12, -3}));
    EXPECT_EQ(Board.LiveCount(), 25);

    s.CircleRadius = 1;
    s.Interior = false;
    Fill(s);
    EXPECT_EQ(Board.LiveCount(), 40000 - 5);
    for (auto [x, y] : {std::pair{10, -5}, {11, -5}, {9, -5}, {10, -4}, {10, -6}})
        EXPECT_EQ(Board.GetCell(x, y), 0) << x << "," << y;
}

TEST_F(TRandomFillTest, OutsideTheVisibleWindowWithClearingLeavesTheWindowEmpty)
{
    Put({{0, 0}, {50, 50}});
    S s = Solid(S::rsRectangle, S::rkVisible);
    s.Interior = false;
    const TRect visible{-10, -20, 29, 9};
    Fill(s, visible);
    EXPECT_EQ(CountIn(visible), 0);
    EXPECT_EQ(Board.LiveCount(), 40000 - 40 * 30);
}

TEST_F(TRandomFillTest, AddingKeepsTheBoardAndAnnouncesTheFill)
{
    Put({{90, 90}});
    S s = Solid(S::rsRectangle, S::rkArea);
    s.FillClears = false;
    Host.Refreshed = 0;
    Fill(s);
    EXPECT_EQ(Board.GetCell(90, 90), 1);
    EXPECT_EQ(Board.LiveCount(), 41 * 41 + 1);
    EXPECT_EQ(G.Undo.LastEvent(), TUndoEvent::Random);
    EXPECT_TRUE(Host.Refreshed & rfBoard);
}

TEST_F(TRandomFillTest, DegenerateShapesCostNoMoreThanTheBoard)
{
    // Each would take billions of turns, or overflow, if the shape were walked beyond the board.
    const struct {
        const char* Name;
        void (*Set)(S&);
        bool Interior;
        int32_t Expected;
    } cases[] = {
        {"radius 0", [](S& s) { s.CircleRadius = 0; }, true, 0},
        {"radius 0 outside", [](S& s) { s.CircleRadius = 0; }, false, 40000 - 1},
        {"radius 100 000", [](S& s) { s.CircleRadius = 100000; }, true, 40000},
        {"radius 100 000 outside", [](S& s) { s.CircleRadius = 100000; }, false, 0},
        {"far centre, huge radius",
         [](S& s) { s.CircleX = INT_MIN, s.CircleY = INT_MAX, s.CircleRadius = INT_MAX; }, false,
         40000},
        {"negative radius", [](S& s) { s.CircleRadius = -5; }, true, 0},
    };
    for (const auto& c : cases) {
        S s = Solid(S::rsCircle, 0);
        c.Set(s);
        s.Interior = c.Interior;
        Fill(s);
        EXPECT_EQ(Board.LiveCount(), c.Expected) << c.Name;
    }

    S area = Solid(S::rsRectangle, S::rkArea);
    area.AreaX1 = 5, area.AreaX2 = -5;
    Fill(area);
    EXPECT_EQ(Board.LiveCount(), 0);
    area.Interior = false;
    Fill(area);
    EXPECT_EQ(Board.LiveCount(), 40000);
    area.Interior = true;
    area.AreaX1 = area.AreaY1 = INT_MIN, area.AreaX2 = area.AreaY2 = INT_MAX;
    Fill(area);
    EXPECT_EQ(Board.LiveCount(), 40000);

    S unknown = Solid(9, 9);
    Fill(unknown);
    EXPECT_EQ(Board.LiveCount(), 0);
}

TEST_F(TRandomFillTest, RowGamesFillOnlyTheCurrentRow)
{
    G.Life.SetGame(gm1DTotalistic);
    Board.SetCurrentRow1D(-40);
    S s = Solid(S::rsRectangle, S::rkUniverse);
    s.FillClears = false; // clearing would move the current row to the top
    Fill(s);
    EXPECT_EQ(Board.LiveCount(), 200);
    EXPECT_EQ(Board.MinRectangle(), (TRect{-100, -40, 99, -40}));

    Board.Clear(false);
    Board.SetCurrentRow1D(7);
    S circle = Solid(S::rsCircle, 0);
    circle.FillClears = false;
    circle.CircleY = 60; // rows play no part
    circle.CircleRadius = 3;
    Fill(circle);
    EXPECT_EQ(Board.MinRectangle(), (TRect{-2, 7, 2, 7}));
    EXPECT_EQ(Board.LiveCount(), 5);

    Board.Clear(false);
    Board.SetCurrentRow1D(7);
    circle.Interior = false;
    Fill(circle);
    EXPECT_EQ(Board.LiveCount(), 195);
    EXPECT_EQ(CountIn({-2, 7, 2, 7}), 0);
}

// ---- Selection ----

TEST_F(TRandomFillTest, ActiveSelectionGetsFloatingCellsAndTheBoardStays)
{
    Put({{50, 50}, {0, 0}});
    ASSERT_TRUE(G.Selection.SetRectangle({-5, -5, 4, 4}));
    const int undoSteps = G.Undo.Count();
    S s = Solid(S::rsCircle, S::rkUniverse); // shape, kind and clearing play no part
    s.FillColor = 2;
    Board.SetStatesCount(3);
    Filler.Generate(s, {});
    const TFloatingCells& cells = G.Selection.Cells();
    EXPECT_EQ(cells.Count(), 100u);
    EXPECT_EQ(cells.State(0, 0), 2);
    EXPECT_EQ(cells.State(9, 9), 2);
    EXPECT_EQ(Board.GetCell(50, 50), 1);
    EXPECT_EQ(G.Undo.Count(), undoSteps);

    S uniform;
    Filler.Generate(uniform, {}); // every place, zeros included
    EXPECT_EQ(G.Selection.Cells().Count(), 100u);

    S sparse = s;
    sparse.Density = 1;
    Filler.Generate(sparse, {});
    EXPECT_LT(G.Selection.Cells().Count(), 10u);
}

// ---- Seeds ----

TEST_F(TRandomFillTest, SeedIsAddedCentredFromTheSeedFolder)
{
    G.ProgramFolder = kShippedFolder;
    Put({{-90, -90}});
    S s;
    s.Mode = S::rmSeed;
    s.FillClears = false;
    Fill(s);
    EXPECT_EQ(Board.LiveCount(), 2);
    EXPECT_EQ(Board.GetCell(-90, -90), 1);
    EXPECT_TRUE(Host.Messages.empty());

    s.FillClears = true;
    s.SetSeedFile("R-pentomino");
    Fill(s);
    EXPECT_EQ(Board.LiveCount(), 5);
}

TEST_F(TRandomFillTest, MissingSeedFileIsReportedAndTheBoardStaysCleared)
{
    G.ProgramFolder = kShippedFolder;
    Put({{3, 3}});
    S s;
    s.Mode = S::rmSeed;
    s.SetSeedFile("No such seed");
    Fill(s);
    EXPECT_EQ(Board.LiveCount(), 0);
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0].Text,
              "Seed file not found:\r\n" + kShippedFolder + "System/Seed/No such seed.plx");
    EXPECT_EQ(Host.Messages[0].Caption, "Error");
}

TEST(TRandomSettingsTest, SeedFileIsKeptWithoutItsExtension)
{
    S s;
    EXPECT_EQ(s.SeedFile(), "1 cell");
    for (const char* name : {"Glider.plx", "Glider.PLX", "Glider"}) {
        s.SetSeedFile(name);
        EXPECT_EQ(s.SeedFile(), "Glider") << name;
    }
    s.SetSeedFile("a.plx.txt");
    EXPECT_EQ(s.SeedFile(), "a.plx.txt");
    const auto seeds = ListSeedFiles(kShippedFolder);
    EXPECT_NE(std::find(seeds.begin(), seeds.end(), "1 cell"), seeds.end());
}

// ---- Randomizing sets ----

class TRandomSetTest : public testing::Test {
protected:
    void SetUp() override
    {
        Root =
            fs::temp_directory_path() / ("plexa-random-" + std::to_string(std::random_device{}()));
        fs::create_directories(Root / "System" / "Random");
        Folder = Root.string() + "/";
    }
    void TearDown() override { fs::remove_all(Root); }
    void Write(const std::string& name, std::string_view bytes)
    {
        std::ofstream(Root / "System" / "Random" / name, std::ios::binary) << bytes;
    }

    fs::path Root;
    std::string Folder;
    TTestHost Host;
};

TEST_F(TRandomSetTest, SavedSetIsWrittenInItsLineOrderAndReadsBackWhole)
{
    S s;
    s.Mode = 1, s.Interior = false, s.Density = 33, s.FillClears = false, s.FillUniform = false;
    s.FillColor = 7, s.Shape = 2, s.RectKind = 4, s.RectX = 11, s.RectY = -12;
    s.AreaX1 = -1, s.AreaY1 = -2, s.AreaX2 = 3, s.AreaY2 = 4;
    s.CircleX = 5, s.CircleY = -6, s.CircleRadius = 77;
    s.SetSeedFile("R-pentomino.plx");
    const std::string path = RandomSetPath(Folder, "  Mine ");
    ASSERT_TRUE(SaveRandomSet(Host, path, s));

    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(bytes, "// Plexa randomizing set\r\n// \r\n#Mode, 1\r\n#Interior, 0\r\n"
                     "#NewRndFills, 33\r\n#FillClears, 0\r\n#FillUniform, 0\r\n#FillColor, 7\r\n"
                     "#RndShape, 2\r\n#WhatRtg, 4\r\n#RectX, 11\r\n#RectY, -12\r\n#AreaX1, -1\r\n"
                     "#AreaY1, -2\r\n#AreaX2, 3\r\n#AreaY2, 4\r\n#CircleCtrX, 5\r\n"
                     "#CircleCtrY, -6\r\n#CircleRdi, 77\r\n#SeedFile, R-pentomino\r\n");

    S back;
    ASSERT_TRUE(LoadRandomSet(Host, Folder, "Mine", back));
    EXPECT_EQ(back, s);
    EXPECT_EQ(ListRandomSets(Folder), std::vector<std::string>{"Mine"});
}

TEST_F(TRandomSetTest, CorruptSetIsReadLeniently)
{
    Write("bad.rnd", "// comment\n"
                     "  #mode, 3  \n"
                     "#NewRndFills, many\n"
                     "#Interior, 5\n"
                     "#FillClears,0\n" // the value is taken two characters after the key
                     "#RectX, 00000000000000000012345\n" // 20 characters of it
                     "#RectY\n"
                     "#CircleRdi, 99999999999\n"
                     "#SeedFile,    Glider.PLX   \n"
                     "RndShape, 2\n"
                     "#Unknown, 4\n");
    S s;
    s.Interior = false;
    ASSERT_TRUE(LoadRandomSet(Host, Folder, "bad", s));
    S expected;
    expected.Mode = 3, expected.Density = 0, expected.Interior = true, expected.FillClears = false;
    expected.RectX = 12, expected.RectY = 0, expected.CircleRadius = 0;
    expected.SetSeedFile("Glider");
    EXPECT_EQ(s, expected);

    Write("mode.rnd", "#Mode, 1\r\n");
    S only;
    ASSERT_TRUE(LoadRandomSet(Host, Folder, "mode", only));
    S modeOnly;
    modeOnly.Mode = 1;
    EXPECT_EQ(only, modeOnly);
    EXPECT_TRUE(Host.Messages.empty());
}

TEST_F(TRandomSetTest, MissingSetsAreReportedAndChangeNothing)
{
    const auto names = ListRandomSets(Folder);
    ASSERT_EQ(names, std::vector<std::string>{kNoRandomSets});
    S s;
    s.Density = 55;
    EXPECT_FALSE(LoadRandomSet(Host, Folder, names[0], s));
    EXPECT_EQ(s.Density, 55);
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0].Text, "File \n[" + Folder +
                                         "System/Random/No sets found....rnd]\n could not be "
                                         "loaded :(");
    EXPECT_EQ(Host.Messages[0].Buttons, TMsgButtons::Ok);
}

TEST_F(TRandomSetTest, FailedSaveIsReportedAndLeavesTheOldFile)
{
    // A folder where the set would go cannot be replaced by it.
    fs::create_directories(Root / "System" / "Random" / "Taken.rnd");
    EXPECT_FALSE(SaveRandomSet(Host, RandomSetPath(Folder, "Taken"), S{}));
    EXPECT_TRUE(fs::is_directory(Root / "System" / "Random" / "Taken.rnd"));
    EXPECT_FALSE(SaveRandomSet(Host, Folder + "Missing/x.rnd", S{}));
    ASSERT_EQ(Host.Messages.size(), 2u);
    EXPECT_EQ(Host.Messages[0].Caption, "Error");
}

TEST(TRandomShippedTest, ShippedSetsAreWrittenAsTheProgramWritesThem)
{
    TTestHost host;
    const auto names = ListRandomSets(kShippedFolder);
    ASSERT_NE(names, std::vector<std::string>{kNoRandomSets});
    for (const std::string& name : names) {
        S s;
        ASSERT_TRUE(LoadRandomSet(host, kShippedFolder, name, s)) << name;
        EXPECT_EQ(
            ReadLineFile(RandomSetPath(kShippedFolder, name)).value_or(std::vector<std::string>{}),
            s.SetFileLines())
            << name;
    }
}
