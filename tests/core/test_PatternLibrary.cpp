// The pattern library shipped in data/Patterns: every file opens without a message, carries a
// description and belongs to its folder's game (the top folder is named as the game), and every
// fact its description states in one of these phrasings holds when it runs:
//
//   "Period 15."                 the cells come back after 15 generations, and not before
//   "It is a still life."        the same as "Period 1."
//   "It travels 1 cell diagonally every 4 generations"  (or "2 cells orthogonally ...")
//                                after 4 generations the cells are the starting cells moved by
//                                that many cells on both axes (diagonally) or on one axis
//                                (orthogonally), and no earlier generation is such a copy
//   "It emits a glider every 30 generations."  the population grows by 5 cells every 30
//                                generations, from every generation of 60..90 (two to three
//                                periods) on
//   "Its population grows by 10 cells every 64 generations."  the same for any count
//   "It settles at generation 1103 with 116 cells."  from that generation on the population
//                                repeats with a short period, there it is 116, and the
//                                generation before does not fit the repetition
//   "At generation 100 it has 348 cells."
//   "It dies out at generation 6."  no cell at 6, some at 5
//
// scripts/patterns/plx.py, which writes the library, documents the same phrasings.

#include "TestHost.h"
#include "base/u_Text.h"
#include "engine/u_Globals.h"
#include "io/u_InOut.h"
#include "view/u_Palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kLibrary = PLEXA_PATTERNS_DIR;

std::vector<std::string> LibraryFiles()
{
    std::vector<std::string> files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(kLibrary, error), end; !error && it != end;
         it.increment(error))
        if (it->is_regular_file() && UpperCase(it->path().extension().string()) == ".PLX")
            files.push_back(fs::relative(it->path(), kLibrary).generic_string());
    std::sort(files.begin(), files.end());
    return files;
}

// A pattern opened as the program opens it, on its own set of program objects.
struct TOpened {
    TTestHost Host;
    TGlobals G{Host};
    std::string PaletteName;
    TPoint FileBoard{-1, -1};

    explicit TOpened(const std::string& file)
    {
        G.ProgramFolder = PLEXA_PROGRAM_DIR;
        G.Board.SetSize(400, 300);
        TInOut io(G);
        const std::string path = (kLibrary / file).string();
        if (!io.ReadPattern(path, true, false)) return;
        PaletteName = io.Pattern().PaletteName;
        FileBoard = {io.Pattern().BoardWidth, io.Pattern().BoardHeight};
        io.OpenPattern(path, false);
        // The games that draw random numbers run as plexa-cli runs them by default.
        G.Random.Seed(0);
    }

    int32_t Population() const { return G.Board.LiveCount(); }
    void Run(int generations)
    {
        for (int i = 0; i < generations; ++i) G.Board.Step(false);
    }
};

// The live cells relative to their bounding rectangle, and where that rectangle is.
struct TShape {
    int32_t Left = 0, Top = 0;
    std::vector<std::tuple<int32_t, int32_t, uint8_t>> Cells;

    bool operator==(const TShape&) const = default;
    bool SameCells(const TShape& other) const { return Cells == other.Cells; }
};

TShape ShapeOf(const TBoard& board)
{
    TShape shape;
    if (board.LiveCount() == 0) return shape;
    const TRect r = board.MinRectangle();
    shape.Left = r.Left;
    shape.Top = r.Top;
    for (int32_t y = r.Top; y <= r.Bottom; ++y)
        for (int32_t x = r.Left; x <= r.Right; ++x)
            if (const uint8_t s = board.GetCell(x, y))
                shape.Cells.emplace_back(x - r.Left, y - r.Top, s);
    return shape;
}

std::string Description(const TOpened& p)
{
    std::string text;
    for (const std::string& line : p.G.Document.Description) text += line + " ";
    return text;
}

// Every match of `pattern` in the text, as its numbers and words.
std::vector<std::smatch> Facts(const std::string& text, const char* pattern)
{
    const std::regex re(pattern);
    return {std::sregex_iterator(text.begin(), text.end(), re), std::sregex_iterator()};
}

int Number(const std::ssub_match& m)
{
    return std::atoi(m.str().c_str());
}

struct TTravel {
    int Cells;
    bool Diagonal;
};

bool IsTravel(int dx, int dy, const TTravel& t)
{
    if (t.Diagonal) return std::abs(dx) == t.Cells && std::abs(dy) == t.Cells;
    return (dx == 0 && std::abs(dy) == t.Cells) || (dy == 0 && std::abs(dx) == t.Cells);
}

void CheckPeriod(const std::string& file, int period, const std::optional<TTravel>& travel)
{
    TOpened p(file);
    const TShape start = ShapeOf(p.G.Board);
    for (int gen = 1; gen <= period; ++gen) {
        p.Run(1);
        const TShape now = ShapeOf(p.G.Board);
        const bool back = travel ? now.SameCells(start) : now == start;
        if (gen < period) {
            ASSERT_FALSE(back) << "back to its cells already at generation " << gen;
        } else if (travel) {
            ASSERT_TRUE(back) << "not a moved copy after " << period;
            EXPECT_TRUE(IsTravel(now.Left - start.Left, now.Top - start.Top, *travel))
                << "moved by " << now.Left - start.Left << "," << now.Top - start.Top;
        } else {
            EXPECT_TRUE(back) << "not back to its cells after " << period;
        }
    }
}

void CheckGrowth(const std::string& file, int cells, int generations)
{
    TOpened p(file);
    std::vector<int32_t> population;
    for (int gen = 0; gen <= 4 * generations; ++gen, p.Run(1)) population.push_back(p.Population());
    for (int t = 2 * generations; t <= 3 * generations; ++t)
        ASSERT_EQ(population[t + generations] - population[t], cells) << "from generation " << t;
}

void CheckSettling(const std::string& file, int generation, int cells)
{
    constexpr int kWatch = 120;  // generations watched after settling
    constexpr int kLongest = 30; // the longest repetition of the population looked for
    TOpened p(file);
    p.Run(generation - 1);
    std::vector<int32_t> population; // from generation - 1 on
    for (int i = 0; i <= kWatch; ++i, p.Run(1)) population.push_back(p.Population());
    EXPECT_EQ(population[1], cells) << "population at generation " << generation;
    const auto repeats = [&](int from, int q) {
        for (int i = from; i + q < int(population.size()); ++i)
            if (population[i] != population[i + q]) return false;
        return true;
    };
    int q = 1;
    while (q <= kLongest && !repeats(1, q)) ++q;
    ASSERT_LE(q, kLongest) << "the population does not repeat from generation " << generation;
    EXPECT_NE(population[0], population[q]) << "settled before generation " << generation;
}

void CheckFacts(const std::string& file, const std::string& text)
{
    std::optional<TTravel> travel;
    std::vector<int> periods;
    for (const auto& m :
         Facts(text,
               R"(It travels (\d+) cells? (diagonally|orthogonally) every (\d+) generations?)")) {
        travel = TTravel{Number(m[1]), m[2] == "diagonally"};
        periods.push_back(Number(m[3]));
    }
    for (const auto& m : Facts(text, R"(Period (\d+)\.)")) periods.push_back(Number(m[1]));
    if (!Facts(text, R"(It is a still life\.)").empty()) periods.push_back(1);
    for (int period : periods) {
        SCOPED_TRACE("period " + std::to_string(period));
        CheckPeriod(file, period, travel);
    }
    for (const auto& m : Facts(text, R"(It emits a glider every (\d+) generations)")) {
        SCOPED_TRACE(m.str());
        CheckGrowth(file, 5, Number(m[1]));
    }
    for (const auto& m :
         Facts(text, R"(Its population grows by (\d+) cells every (\d+) generations)")) {
        SCOPED_TRACE(m.str());
        CheckGrowth(file, Number(m[1]), Number(m[2]));
    }
    for (const auto& m : Facts(text, R"(It settles at generation (\d+) with (\d+) cells)")) {
        SCOPED_TRACE(m.str());
        CheckSettling(file, Number(m[1]), Number(m[2]));
    }
    for (const auto& m : Facts(text, R"(At generation (\d+) it has (\d+) cells)")) {
        TOpened p(file);
        p.Run(Number(m[1]));
        EXPECT_EQ(p.Population(), Number(m[2])) << m.str();
    }
    for (const auto& m : Facts(text, R"(It dies out at generation (\d+))")) {
        TOpened p(file);
        p.Run(Number(m[1]) - 1);
        EXPECT_GT(p.Population(), 0) << m.str();
        p.Run(1);
        EXPECT_EQ(p.Population(), 0) << m.str();
    }
}

void CheckFile(const std::string& file)
{
    const TOpened p(file);
    for (const TRecordedMessage& m : p.Host.Messages) ADD_FAILURE() << m.Caption << ": " << m.Text;
    ASSERT_GT(p.Population(), 0);
    EXPECT_EQ(TLife::GameName(p.G.Life.Game()), file.substr(0, file.find('/')));
    // A board larger than the program allows would be cut down and the facts not hold.
    if (p.FileBoard.X > 0) {
        EXPECT_EQ(p.G.Board.Width(), p.FileBoard.X);
        EXPECT_EQ(p.G.Board.Height(), p.FileBoard.Y);
    }
    if (!p.PaletteName.empty()) {
        EXPECT_TRUE(PaletteExists(p.G.ProgramFolder, p.PaletteName)) << p.PaletteName;
    }
    const std::string text = Description(p);
    ASSERT_FALSE(Trim(text).empty()) << "no description";
    CheckFacts(file, text);
}

// One test for the whole tree, so that files added or removed are walked without a rebuild.
TEST(TPatternLibrary, EveryFileOpensInItsGameAndKeepsTheFactsItStates)
{
    const std::vector<std::string> files = LibraryFiles();
    EXPECT_FALSE(files.empty()) << "no pattern in " << kLibrary;
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        CheckFile(file);
    }
}

// The library as a whole, once every game has its folder: enough patterns for each game, and
// together they use a good part of the rule library's built-in rules.
TEST(TPatternLibrary, ShowsEveryGameAndManyBuiltInRules)
{
    for (int game = gmLife; game <= gmSpecial; ++game)
        if (!fs::is_directory(kLibrary / TLife::GameName(game)))
            GTEST_SKIP() << "no folder for " << TLife::GameName(game) << " yet";
    std::set<std::pair<int, std::string>> used;
    std::map<int, int> files;
    const std::vector<std::string> all = LibraryFiles();
    for (const std::string& file : all) {
        const TOpened p(file);
        used.emplace(p.G.Life.Game(), p.G.Board.RuleText());
        ++files[p.G.Life.Game()];
    }
    EXPECT_GE(all.size(), 90u);
    EXPECT_GE(files[gmLife], 45);
    for (int game = gmLife; game <= gmSpecial; ++game)
        EXPECT_GE(files[game], 5) << TLife::GameName(game);

    // Each built-in rule as the board holds it once in force, as the files' rules are.
    TTestHost host;
    TGlobals g(host);
    g.ProgramFolder = PLEXA_PROGRAM_DIR;
    int builtIn = 0;
    for (int game = gmLife; game <= gmSpecial; ++game) {
        for (int i = 0; i < g.Life.Library.EntryCount(game); ++i) {
            g.Life.SetGame(game);
            g.Board.SetRules(g.Life.Library.Entry(game, i)->Rule);
            builtIn += int(used.count({game, g.Board.RuleText()}));
        }
    }
    EXPECT_GE(builtIn, 40);
}

} // namespace
