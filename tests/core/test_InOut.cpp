// Opening, saving and clipboard text: the choice of reader, the settings an open applies, the
// board size and placement, the save format and a save that cannot fail the old file.

#include "BoardFixture.h"
#include "base/u_LineFile.h"
#include "io/u_InOut.h"
#include "io/u_Rle.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <tuple>

namespace fs = std::filesystem;

namespace {

class TInOutTest : public TBoardTest {
protected:
    TInOut InOut{G};
    fs::path Folder;

    void SetUp() override
    {
        Board.SetSize(300, 300);
        Folder = fs::temp_directory_path() /
                 ("plexa-inout-" +
                  std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(Folder);
        fs::create_directories(Folder);
    }
    void TearDown() override { fs::remove_all(Folder); }

    std::string File(const std::string& name, const std::string& bytes)
    {
        const fs::path path = Folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The live cells relative to their bounding rectangle, as (x, y, state).
    std::vector<std::tuple<int, int, int>> Shape(bool states = true)
    {
        const TRect r = Board.MinRectangle();
        std::vector<std::tuple<int, int, int>> cells;
        for (int x = r.Left; x <= r.Right; ++x)
            for (int y = r.Top; y <= r.Bottom; ++y)
                if (const int s = Board.GetCell(x, y))
                    cells.push_back({x - r.Left, y - r.Top, states ? s : 1});
        return cells;
    }
    // A 10x10 square outline at (0,0)..(9,9) in RLE.
    static std::string Square()
    {
        return "x = 10, y = 10\n10o$o8bo$o8bo$o8bo$o8bo$o8bo$o8bo$o8bo$o8bo$10o!\n";
    }
};

} // namespace

TEST_F(TInOutTest, RecognisesRleBehindCommentsAndLfOnlyLines)
{
    const std::string path =
        File("glider.txt", "#C a comment\n#C another\nx = 3, y = 3\nbo$2bo$3o!");
    ASSERT_TRUE(InOut.OpenLifeFile(path, true, false, false));
    EXPECT_EQ(Board.LiveCount(), 5);
    EXPECT_EQ(G.Document.FileName, path);
    EXPECT_FALSE(Board.IsModified());
    EXPECT_EQ(Host.Sounds.back(), "SND_OPEN");
}

TEST_F(TInOutTest, ReportsMissingAndEmptyFilesAndKeepsTheBoard)
{
    Board.SetCell(0, 0, 1);
    EXPECT_FALSE(InOut.OpenLifeFile((Folder / "none.rle").string(), true, false, false));
    ASSERT_EQ(Host.Messages.size(), 2u);
    EXPECT_EQ(Host.Messages[0].Text, "File \n[" + (Folder / "none.rle").string() + "]\n not found");
    EXPECT_EQ(Host.Messages[1].Text,
              "File \n[" + (Folder / "none.rle").string() + "]\n could not be loaded :(");

    const std::string empty = File("empty.lif", "#Life 1.05\r\n");
    EXPECT_FALSE(InOut.OpenLifeFile(empty, true, false, false));
    EXPECT_EQ(Host.Messages.back().Text, "File \n[" + empty + "]\n could not be loaded :(");
    EXPECT_EQ(Board.GetCell(0, 0), 1) << "a failed open changes nothing";
}

TEST_F(TInOutTest, BoardGrowsToFitAPatternWithoutASize)
{
    // The pattern plus 600 each way, 610, which the board rounds down to a multiple of 20.
    ASSERT_TRUE(InOut.OpenLifeFile(File("square.rle", Square()), true, false, false));
    EXPECT_EQ(Board.Width(), 600);
    EXPECT_EQ(Board.Height(), 600);

    Board.SetSize(1000, 1000);
    ASSERT_TRUE(InOut.OpenLifeFile(File("square2.rle", Square()), true, false, false));
    EXPECT_EQ(Board.Width(), 1000) << "never smaller than the board was";
}

// What a file carries beyond its cells: far placement, sizes past the largest board, grids
// between board steps and the RLE frame rate.
TEST_F(TInOutTest, FarOversizeAndGridPatternsOpenWithEveryCellThatFits)
{
    const struct {
        const char *Name, *Text;
        int32_t Live, Width, Height, Speed;
        const char* Message; // the end of the warning, none when empty
    } cases[] = {
        // Re-centred: the three cells end up around (0, 0).
        {"far.lif", "#Life 1.05\n#P 250000 10\n***\n", 3, 600, 600, -1, ""},
        // 210 515 columns: the two end cells lie beyond the largest board's 100 000.
        {"wide.rle", "x = 210515, y = 3\no100000b100000b10513bo$$o100000b5256bo!\n", 1, 100000, 600,
         -1, " is larger than the board of 100000 x 600 cells: 3 of its 4 cells were left out."},
        {"torus.rle", "x = 30, y = 21, rule = B3/S23:T30,21\no28bo20$o28bo!\n", 4, 40, 40, -1, ""},
        {"fps.rle", "x = 1, y = 1, fps = 10\no!\n", 1, 600, 600, 100, ""},
        {"fps60.rle", "x = 1, y = 1, rule = B3/S23, fps=60\no!\n", 1, 600, 600, 20, ""},
    };
    for (const auto& c : cases) {
        Board.SetSize(300, 300);
        G.Run.SetInterval(500);
        Host.Messages.clear();
        ASSERT_TRUE(InOut.OpenLifeFile(File(c.Name, c.Text), true, false, false)) << c.Name;
        EXPECT_EQ(Board.LiveCount(), c.Live) << c.Name;
        EXPECT_EQ(Board.Width(), c.Width) << c.Name;
        EXPECT_EQ(Board.Height(), c.Height) << c.Name;
        EXPECT_EQ(G.Run.Interval(), c.Speed < 0 ? 500 : c.Speed) << c.Name;
        if (*c.Message) {
            ASSERT_EQ(Host.Messages.size(), 1u) << c.Name;
            EXPECT_TRUE(Host.Messages[0].Text.ends_with(c.Message)) << Host.Messages[0].Text;
        } else {
            EXPECT_TRUE(Host.Messages.empty()) << c.Name;
        }
    }
    EXPECT_EQ(Board.MinRectangle().Width(), 1);
}

// The reading that places cells straight on the board: runs of a soup that cross block rows
// and columns, whether the data comes in lines of 70, as one long line, or a character a line
// (a count then continues on the next line).
TEST_F(TInOutTest, RleSoupsOpenCellForCellWhateverTheirLineBreaks)
{
    constexpr int32_t kWidth = 97, kHeight = 53;
    std::mt19937 rng(11);
    std::vector<uint8_t> grid(size_t(kWidth * kHeight));
    for (size_t k = 0; k < grid.size();) {
        const size_t run = 1 + rng() % 30;
        const uint8_t state = uint8_t(rng() % 2);
        for (size_t i = 0; i < run && k < grid.size(); ++i) grid[k++] = state;
    }
    grid.front() = grid.back() = 1; // the corners give the bounds
    const auto cell = [&grid](int32_t x, int32_t y) -> uint8_t {
        return grid[size_t(y * kWidth + x)];
    };
    const std::vector<std::string> lines =
        WriteRle({0, 0, kWidth - 1, kHeight - 1}, cell, "23/3", {});
    std::string wrapped, single = lines[0] + "\n", broken = lines[0] + "\n";
    for (const std::string& line : lines) wrapped += line + "\n";
    for (size_t k = 1; k < lines.size(); ++k) {
        single += lines[k];
        for (char c : lines[k]) broken += std::string(1, c) + "\n";
    }
    const std::pair<const char*, std::string> files[] = {
        {"wrapped.rle", wrapped}, {"single.rle", single + "\n"}, {"broken.rle", broken}};
    for (const auto& [name, text] : files) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(InOut.OpenLifeFile(File(name, text.c_str()), true, false, false));
        const TRect r = Board.MinRectangle();
        ASSERT_EQ(r.Width(), kWidth);
        ASSERT_EQ(r.Height(), kHeight);
        int wrong = 0;
        for (int32_t y = 0; y < kHeight; ++y)
            for (int32_t x = 0; x < kWidth; ++x)
                wrong += Board.GetCell(r.Left + x, r.Top + y) != cell(x, y);
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(TInOutTest, CentresWithTruncatingDivision)
{
    // Cells from x = 0 to 4: ox = -((0 + 4 + 1) / 2) = -2; the pattern's y spans 0..0: oy = 0.
    ASSERT_TRUE(InOut.OpenLifeFile(File("row.rle", "x = 5, y = 1\n5o!\n"), true, false, false));
    EXPECT_EQ(Board.MinRectangle().Left, -2);
    EXPECT_EQ(Board.MinRectangle().Right, 2);

    // Cells at x = -3 and 4: ox = -((-3 + 4 + 1) / 2) = -1.
    ASSERT_TRUE(
        InOut.OpenLifeFile(File("pair.lif", "#Life 1.06\r\n-3 0\r\n4 0\r\n"), true, false, false));
    EXPECT_EQ(Board.MinRectangle().Left, -4);
    EXPECT_EQ(Board.MinRectangle().Right, 3);
}

TEST_F(TInOutTest, CellsOutOfReadingOrderKeepTheCellsPlacedBefore)
{
    // Runs in reading order are placed without looking at the cells after them; these come
    // right to left and bottom up, a few columns apart.
    ASSERT_TRUE(InOut.OpenLifeFile(File("back.lif", "#Life 1.06\n5 1\n3 1\n0 1\n2 0\n1 0\n"), true,
                                   false, false));
    EXPECT_EQ(Shape(), (std::vector<std::tuple<int, int, int>>{
                           {0, 1, 1}, {1, 0, 1}, {2, 0, 1}, {3, 1, 1}, {5, 1, 1}}));
}

TEST_F(TInOutTest, OneDimensionalGamesPlaceTheTopRowOnTheBoardsTopRow)
{
    ASSERT_TRUE(InOut.OpenLifeFile(
        File("row.plx", "#Plexa 2.0\r\n#GAME 1-D totalistic\r\n#RULE R1,M0,B1\r\n#L 3A$A\r\n"),
        true, false, false));
    EXPECT_EQ(Board.MinRectangle().Top, Board.MinY());
    EXPECT_EQ(Board.LiveCount(), 4);
}

TEST_F(TInOutTest, OptimalSavePicksTheFormatByGameAndWidth)
{
    for (int width : {80, 81}) {
        Board.Clear(false);
        for (int x = 0; x < width; x += width - 1) Board.SetCell(x - 40, 0, 1);
        std::string path = (Folder / "wide.lif").string();
        ASSERT_TRUE(InOut.SaveFile(path, TSaveFormat::Optimal));
        const std::string text = Read(path);
        EXPECT_EQ(text.rfind(width > 80 ? "x = " : "#Life 1.05", 0), 0u) << width << ":\n" << text;
    }
    UseGame(gmWeightedLife, "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0,RS2,RS3,RB3");
    std::string path = (Folder / "weighted.lif").string();
    ASSERT_TRUE(InOut.SaveFile(path, TSaveFormat::Optimal));
    EXPECT_EQ(fs::path(path).extension(), ".plx");
    EXPECT_EQ(Read(path).rfind("#Plexa ", 0), 0u);
}

TEST_F(TInOutTest, SavedFilesReopenWithTheirGameRuleAndCells)
{
    UseGame(gmGenerations, "345/2/4");
    Board.SetWrap(true);
    Put({{0, 0}, {1, 0}, {5, 3}});
    Board.SetCell(2, 2, 3);
    G.Document.Description = {"three cells", "and one more"};
    for (TSaveFormat format : {TSaveFormat::Native, TSaveFormat::Rle, TSaveFormat::Life105,
                               TSaveFormat::Life106, TSaveFormat::VLife}) {
        SCOPED_TRACE(int(format));
        std::string path = (Folder / "saved").string();
        ASSERT_TRUE(InOut.SaveFile(path, format));
        // Only the native format keeps the states; the others know live and dead.
        const bool states = format == TSaveFormat::Native;
        const auto before = Shape(states);
        ASSERT_TRUE(InOut.OpenLifeFile(path, true, false, false));
        EXPECT_EQ(Shape(states), before);
        if (format == TSaveFormat::Native) {
            EXPECT_EQ(G.Life.Game(), gmGenerations);
            EXPECT_EQ(Board.RuleText(), "345/2/4");
            EXPECT_TRUE(Board.Wrap());
            EXPECT_EQ(G.Document.Description,
                      (std::vector<std::string>{"three cells", "and one more"}));
        }
        UseGame(gmGenerations, "345/2/4");
        Board.SetWrap(true);
    }
}

TEST_F(TInOutTest, AFailedSaveLeavesTheOldFileAndItsBackup)
{
    const std::string path = File("kept.lif", "old text\r\n");
    File("kept.lif.BAK", "older text\r\n");
    fs::create_directory(path + ".tmp"); // the new text cannot be written
    Board.SetCell(0, 0, 1);
    std::string name = path;
    EXPECT_FALSE(InOut.SaveFile(name, TSaveFormat::Life105));
    EXPECT_EQ(Read(path), "old text\r\n");
    EXPECT_EQ(Read(path + ".BAK"), "older text\r\n");
    EXPECT_TRUE(Board.IsModified());
    EXPECT_EQ(Host.Messages.back().Icon, TMsgIcon::Error);

    fs::remove(path + ".tmp");
    ASSERT_TRUE(InOut.SaveFile(name, TSaveFormat::Life105));
    EXPECT_EQ(Read(path + ".BAK"), "old text\r\n") << "the replaced file is the backup";
    EXPECT_EQ(Read(path).rfind("#Life 1.05\r\n", 0), 0u);
    EXPECT_FALSE(Board.IsModified());
}

TEST_F(TInOutTest, OpensFromTheClipboardUnderItsOwnName)
{
    Host.Clipboard = "x = 2, y = 1\r\n2o!\r\n";
    InOut.OpenFromClipboard();
    EXPECT_EQ(Board.LiveCount(), 2);
    EXPECT_EQ(G.Document.FileName, "Clipboard");

    Host.Clipboard = "#just a note";
    InOut.OpenFromClipboard();
    EXPECT_EQ(Host.Messages.back().Text, "File \n[Clipboard]\n could not be loaded :(");
    EXPECT_EQ(Board.LiveCount(), 2);
}

TEST_F(TInOutTest, InsertAndPasteFillTheSelectionAndKeepTheSettings)
{
    const std::string path =
        File("brain.plx", "#Plexa 2.0\r\n#GAME Generations\r\n#RULE 345/2/4\r\n"
                          "#BOARD 1000x1000\r\n#L AA$.B\r\n");
    ASSERT_TRUE(InOut.InsertLifeFile(path, {10, 20}));
    EXPECT_EQ(G.Life.Game(), gmLife);
    EXPECT_EQ(Board.RuleText(), "23/3");
    EXPECT_EQ(Board.Width(), 300);
    EXPECT_EQ(Board.LiveCount(), 0) << "the cells float in the selection";
    ASSERT_TRUE(G.Selection.Active());
    EXPECT_EQ(G.Selection.Rect().Left, 10);
    EXPECT_EQ(G.Selection.Rect().Top, 20);
    EXPECT_EQ(G.Selection.GetRectCell(11, 21), 2);
    EXPECT_EQ(Host.Sounds.back(), "SND_DROP");

    Host.Clipboard = "x = 3, y = 1\r\n3o!\r\n";
    ASSERT_TRUE(InOut.GetFromClipboard({-5, -5}));
    EXPECT_EQ(G.Selection.Rect().Left, -5);
    EXPECT_EQ(G.Selection.GetRectCell(-3, -5), 1);
    EXPECT_EQ(G.Selection.GetRectCell(11, 21), 0) << "the earlier floating cells are gone";

    Host.Clipboard.clear();
    EXPECT_FALSE(InOut.GetFromClipboard({0, 0})) << "an empty clipboard is ignored";
}

TEST_F(TInOutTest, CopyWritesTheSelectionInTheGamesFormat)
{
    Host.Clipboard = "x = 3, y = 2\r\nobo$3o!\r\n";
    ASSERT_TRUE(InOut.GetFromClipboard({0, 0}));
    ASSERT_TRUE(InOut.PutRectOnClipboard(G.Selection.Rect()));
    EXPECT_EQ(Host.Clipboard.rfind("#Life 1.05\r\n", 0), 0u) << Host.Clipboard;
    EXPECT_NE(Host.Clipboard.find("*.*\r\n***\r\n"), std::string::npos) << Host.Clipboard;

    UseGame(gmGenerations, "345/2/4");
    ASSERT_TRUE(InOut.PutRectOnClipboard(G.Selection.Rect()));
    EXPECT_EQ(Host.Clipboard.rfind("#Plexa ", 0), 0u);
    EXPECT_NE(Host.Clipboard.find("#L A.A$3A\r\n"), std::string::npos) << Host.Clipboard;
}

// A big file shows one progress over its two readings, and so does saving a big board; a
// small one shows none. The cells of the second reading are those of the first.
TEST_F(TInOutTest, BigFilesShowTheirProgressOnce)
{
    std::string rle = "x = 3, y = 3\r\n";
    while (rle.size() < 12'000'000)
        rle += "3o$obo$3o$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$$\r\n";
    rle += "!\r\n";
    ASSERT_TRUE(InOut.OpenLifeFile(File("big.rle", rle), true, false, false));
    EXPECT_EQ(Board.Height(), 2500); // 200 000 rows: the largest board, cut at its bottom
    EXPECT_GT(Board.LiveCount(), 0);
    ASSERT_FALSE(Host.Progress.empty());
    EXPECT_EQ(Host.Progress.back(), "100%");
    EXPECT_TRUE(std::is_sorted(
        Host.Progress.begin(), Host.Progress.end(),
        [](const std::string& a, const std::string& b) { return std::stoi(a) < std::stoi(b); }));
    EXPECT_EQ(Host.ProgressEnds, 1);

    Host.Progress.clear();
    Board.SetSize(100000, 400);
    Board.SetCell(Board.MinX(), Board.MinY(), 1);
    Board.SetCell(Board.MaxX(), Board.MaxY(), 1); // 40 million cells to scan
    std::string name = (Folder / "wide.rle").string();
    ASSERT_TRUE(InOut.SaveFile(name, TSaveFormat::Rle));
    EXPECT_EQ(Host.Progress.back(), "100%");
    EXPECT_EQ(Host.ProgressEnds, 2);

    Host.Progress.clear();
    Board.SetSize(300, 300);
    ASSERT_TRUE(InOut.OpenLifeFile(File("small.rle", Square()), true, false, false));
    EXPECT_TRUE(Host.Progress.empty());
}
