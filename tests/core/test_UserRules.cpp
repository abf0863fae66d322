#include "BoardFixture.h"
#include "base/u_SharedLibrary.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

// ---- Dave, called as the program calls it ----

// Dave's rule in words: the next state from the cell's own state c and the numbers a and b of
// its orthogonal neighbours in states 1 and 2.
int32_t DaveInWords(int32_t c, int a, int b)
{
    switch (c) {
    case 0:
        if (b == 0 && a >= 1 && a <= 3) return 1;
        if ((a == 1 && b >= 1 && b <= 3) || ((a == 2 || a == 3) && b == 1)) return 2;
        return 0;
    case 1:
        if (b == 0 && a != 2) return 1;
        if ((a == 1 && (b == 1 || b == 2)) || (a == 3 && b == 1)) return 2;
        return 0;
    case 2: {
        const int maxB[] = {-1, 0, 2, 1, 0}; // by a: the most neighbours in 2 that keep it
        return b <= maxB[a] ? 2 : 0;
    }
    default:
        return 0;
    }
}

class TDaveTest : public testing::Test {
protected:
    void SetUp() override
    {
        Library = TSharedLibrary::Open(PLEXA_DAVE_FILE);
        ASSERT_TRUE(Library);
        Setup = Library->Function<TCASetup>("CASetup");
        Rule = Library->Function<TCARule>("CARule");
        ASSERT_TRUE(Setup && Rule);
    }
    void CallSetup()
    {
        int32_t dimension = 2, states = 2;
        std::array<char, PLEXA_RULE_TEXT_SIZE> palette{}, second{};
        Setup(&dimension, &states, palette.data(), second.data());
    }
    // The next state of c; the diagonal neighbours, the cycle and the place all take `other`.
    int32_t Next(int32_t c, int32_t n, int32_t w, int32_t e, int32_t s, int32_t other = 0)
    {
        return Rule(other, other % 10, other % 10, other, n, other, w, c, e, other, s, other);
    }

    std::unique_ptr<TSharedLibrary> Library;
    TCASetup Setup = nullptr;
    TCARule Rule = nullptr;
};

TEST_F(TDaveTest, SetupAsksForThreeStatesInTwoDimensionsAndRainbow)
{
    EXPECT_EQ(Next(0, 1, 0, 0, 0), 0) << "the table is empty before the first CASetup";

    int32_t dimension = 1, states = 9;
    std::array<char, PLEXA_RULE_TEXT_SIZE> palette{}, second{};
    second.fill('z');
    EXPECT_EQ(Setup(&dimension, &states, palette.data(), second.data()), 1);
    EXPECT_EQ(dimension, 2);
    EXPECT_EQ(states, 3);
    EXPECT_STREQ(palette.data(), "Rainbow008");
    EXPECT_EQ(second[0], '\0');
    EXPECT_EQ(Next(0, 1, 0, 0, 0), 1);
}

TEST_F(TDaveTest, FollowsItsRuleForEveryOrthogonalNeighbourhood)
{
    CallSetup();
    for (int32_t c = 0; c <= 2; ++c)
        for (int code = 0; code < 81; ++code) {
            const int32_t n = code % 3, w = code / 3 % 3, e = code / 9 % 3, s = code / 27;
            const int a = (n == 1) + (w == 1) + (e == 1) + (s == 1);
            const int b = (n == 2) + (w == 2) + (e == 2) + (s == 2);
            const int32_t expected = DaveInWords(c, a, b);
            // Diagonal neighbours, the cycle and the place never matter.
            for (int32_t other : {0, 1, 2, 17})
                ASSERT_EQ(Next(c, n, w, e, s, other), expected)
                    << "c=" << c << " n=" << n << " w=" << w << " e=" << e << " s=" << s
                    << " other=" << other;
        }
}

TEST_F(TDaveTest, EmptiesCellsOfStatesItDoesNotKnow)
{
    CallSetup();
    for (int32_t c : {3, 24, 255, -1, 1 << 30}) EXPECT_EQ(Next(c, 1, 0, 0, 0), 0) << c;
    // Neighbours of other states are in neither count.
    EXPECT_EQ(Next(0, 1, 3, 24, -1), 1);
    EXPECT_EQ(Next(2, 1, 7, 7, 7), 2);
}

// ---- Activating user rule libraries ----

class TRecordingPalettes : public TPaletteLoader {
public:
    void LoadPalette(std::string_view name) override { Names.emplace_back(name); }
    std::vector<std::string> Names;
};

class TUserRulesTest : public TBoardTest {
protected:
    void SetUp() override
    {
        TBoardTest::SetUp();
        G.Life.SetGame(gmUserDll);
        G.ProgramFolder = PLEXA_TEST_PROGRAM_DIR;
        G.Palettes = &Palettes;
    }
    // Dave as shipped, from beside the built program.
    void ActivateShippedDave()
    {
        G.ProgramFolder = PLEXA_PROGRAM_DIR;
        Board.SetRules("Dave");
        G.ProgramFolder = PLEXA_TEST_PROGRAM_DIR;
        ASSERT_EQ(Board.LibraryName(), "Dave");
    }
    void ExpectInvalidLibraryMessage()
    {
        ASSERT_EQ(Host.Messages.size(), 1u);
        EXPECT_EQ(Host.Messages[0].Text, "Invalid User DLL - can't call the CASetup( )  function!");
        EXPECT_EQ(Host.Messages[0].Caption, "User DLL Error");
        EXPECT_EQ(Host.Messages[0].Icon, TMsgIcon::Error);
        EXPECT_EQ(Host.Messages[0].Buttons, TMsgButtons::Ok);
    }

    TRecordingPalettes Palettes;
};

TEST_F(TUserRulesTest, ShippedDaveRunsInThreeStatesWithItsPalette)
{
    G.Life.SetDimension(1);
    ActivateShippedDave();
    EXPECT_EQ(Board.StatesCount(), 3);
    EXPECT_EQ(G.Life.Dimension(), 2);
    EXPECT_EQ(Board.RuleText(), "Dave");
    EXPECT_EQ(Palettes.Names, std::vector<std::string>{"Rainbow008"});
    EXPECT_TRUE(Host.Refreshed & rfBoard);
    EXPECT_TRUE(Host.Messages.empty());
    ASSERT_NE(G.UserRules.Rule2D(), nullptr);
    EXPECT_EQ(G.UserRules.Rule1D(), nullptr);
    EXPECT_EQ(G.UserRules.Rule2D()(0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 2, 0), 2);
}

TEST_F(TUserRulesTest, NameWithoutLibraryChangesNothing)
{
    ActivateShippedDave();
    const TCARule rule = G.UserRules.Rule2D();
    G.ProgramFolder = PLEXA_PROGRAM_DIR;
    // A name never reaches outside the library folder, and a folder is no library.
    for (const char* name : {"Nobody", "", "Dave.so", "../DLLs/Dave", "Da*"}) {
        Board.SetRules(name);
        EXPECT_EQ(Board.LibraryName(), "Dave") << name;
        EXPECT_EQ(G.UserRules.Rule2D(), rule) << name;
    }
    G.ProgramFolder = PLEXA_TEST_PROGRAM_DIR;
    Board.SetRules("Folder");
    EXPECT_EQ(Board.LibraryName(), "Dave");
    EXPECT_TRUE(Host.Messages.empty());
}

TEST_F(TUserRulesTest, FindsLibrariesWhateverTheirLetterCaseAndEnding)
{
    Board.SetRules("  rows ");
    EXPECT_EQ(Board.LibraryName(), "rows");
    EXPECT_NE(G.UserRules.Rule1D(), nullptr);

    // Echo.so and ECHO.dll, which is no library: the native ending wins.
    Board.SetRules("ECHO");
    EXPECT_EQ(Board.LibraryName(), "ECHO");
    EXPECT_TRUE(Host.Messages.empty());
}

TEST_F(TUserRulesTest, OneDimensionalLibraryRunsInRowsWithAtLeastTwoStates)
{
    Board.SetRules("Rows");
    EXPECT_EQ(G.Life.Dimension(), 1);
    EXPECT_EQ(Board.StatesCount(), 2);
    EXPECT_EQ(Palettes.Names, std::vector<std::string>{"Gray016"});
    EXPECT_EQ(G.UserRules.Rule2D(), nullptr);
    EXPECT_NE(G.UserRules.Rule1D(), nullptr);
}

TEST_F(TUserRulesTest, OutOfRangeSetupAnswersAreClamped)
{
    Board.SetRules("Absurd");
    EXPECT_EQ(G.Life.Dimension(), 2) << "only 1 means rows, whatever its low byte";
    EXPECT_EQ(Board.StatesCount(), 25);
    EXPECT_EQ(Palettes.Names, std::vector<std::string>{std::string(256, 'x')});
    EXPECT_EQ(Board.LibraryName(), "Absurd");
}

TEST_F(TUserRulesTest, SetupReceivesPresetDimensionBoardStatesAndEmptyBuffers)
{
    Board.SetStatesCount(7);
    Board.SetRules("Echo");
    EXPECT_EQ(Palettes.Names, std::vector<std::string>{"dimension=2 states=7 zeroed=1"});
    EXPECT_EQ(Board.StatesCount(), 7);
    EXPECT_EQ(G.Life.Dimension(), 2);
}

TEST_F(TUserRulesTest, PaletteRequestNeedsNoPaletteLoader)
{
    G.Palettes = nullptr;
    Board.SetRules("Rows");
    EXPECT_EQ(Board.LibraryName(), "Rows");
}

TEST_F(TUserRulesTest, TestEntryReplacesSetupAndLeavesLibraryUnnamed)
{
    struct TCase {
        const char* Name;
        int32_t States;
    };
    for (const TCase& c : {TCase{"Probe40", 25}, TCase{"Probe1", 2}}) {
        Board.SetRules(c.Name);
        EXPECT_EQ(Board.StatesCount(), c.States) << c.Name;
        EXPECT_EQ(Board.LibraryName(), TBoard::kNoLibrary) << c.Name;
        EXPECT_EQ(G.Life.Dimension(), 2) << c.Name << ": CASetup must not run";
    }
    EXPECT_TRUE(Palettes.Names.empty());
    EXPECT_TRUE(Host.Messages.empty());
}

TEST_F(TUserRulesTest, FileThatIsNoLibraryIsReportedAndUnbindsThePreviousOne)
{
    ActivateShippedDave();
    Board.SetRules("Text");
    ExpectInvalidLibraryMessage();
    EXPECT_EQ(Board.LibraryName(), TBoard::kNoLibrary);
    EXPECT_EQ(Board.StatesCount(), 3);
    EXPECT_EQ(G.UserRules.Rule2D(), nullptr);
}

TEST_F(TUserRulesTest, LibraryWithoutSetupIsReportedButStaysBound)
{
    Board.SetRules("NoSetup");
    ExpectInvalidLibraryMessage();
    EXPECT_EQ(Board.LibraryName(), TBoard::kNoLibrary);
    ASSERT_NE(G.UserRules.Rule2D(), nullptr);
    EXPECT_EQ(G.UserRules.Rule2D()(0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0), 4);
}

TEST_F(TUserRulesTest, OtherGamesLeaveTheLibraryBound)
{
    ActivateShippedDave();
    UseGame(gmLife, "23/3");
    EXPECT_NE(G.UserRules.Rule2D(), nullptr);
    EXPECT_EQ(Board.LibraryName(), "Dave");
}

} // namespace
