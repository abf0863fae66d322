#include "rules/u_Life.h"
#include "tests/core/TestHost.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// ---- Catalogue ----

TEST(GameCatalogue, StartsWithLifeAndDefaultRecords)
{
    TTestHost host;
    TLife life(host);
    EXPECT_EQ(life.Game(), gmLife);
    EXPECT_EQ(life.Dimension(), 2);
    EXPECT_FALSE(life.AutoFit);
    EXPECT_EQ(life.WLife.GetAsString(), "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0");
    EXPECT_EQ(life.Cycl.GetAsString(), "R1/T3/C5/NM");
    EXPECT_EQ(life.Special.GetAsString(), "TRCA,0.1,0.1,0.11,0.05");
    EXPECT_TRUE(host.Messages.empty());
}

TEST(GameCatalogue, SetGameSetsDimensionAndRefreshes)
{
    for (int game = 1; game <= kGameCount; ++game) {
        TTestHost host;
        TLife life(host);
        life.SetGame(game);
        EXPECT_EQ(life.Game(), game);
        const int dimension = game == gm1DTotalistic || game == gmSpecial ? 1 : 2;
        EXPECT_EQ(life.Dimension(), dimension) << game;
        EXPECT_EQ(host.Refreshed, rfGame | rfMenus | rfColorsBar | rfStatusBar);
        EXPECT_TRUE(host.Messages.empty());
    }
}

TEST(GameCatalogue, SetGameBackToPlaneRestoresDimension)
{
    TTestHost host;
    TLife life(host);
    life.SetGame(gmSpecial);
    life.SetGame(gmRulesTable);
    EXPECT_EQ(life.Dimension(), 2);
}

TEST(GameCatalogue, SetGameOutOfRangeWarnsAndChangesNothing)
{
    for (int index : {0, 10, -1, 256}) {
        TTestHost host;
        TLife life(host);
        life.SetGame(gm1DTotalistic);
        host.Refreshed = 0;
        life.SetGame(index);
        EXPECT_EQ(life.Game(), gm1DTotalistic);
        EXPECT_EQ(life.Dimension(), 1);
        EXPECT_EQ(host.Refreshed, 0u);
        ASSERT_EQ(host.Messages.size(), 1u);
        EXPECT_EQ(host.Messages[0].Text, "Internal error\nGame index out of range");
        EXPECT_EQ(host.Messages[0].Icon, TMsgIcon::Warning);
        EXPECT_EQ(host.Messages[0].Buttons, TMsgButtons::Ok);
    }
}

TEST(GameCatalogue, GameNamesAndIndices)
{
    const std::vector<std::string> names = {"Life",           "Generations", "Weighted Life",
                                            "Vote for Life",  "Rules table", "Cyclic CA",
                                            "1-D totalistic", "User DLL",    "Special rules"};
    for (int game = 1; game <= kGameCount; ++game) {
        const std::string& name = names[static_cast<size_t>(game - 1)];
        EXPECT_EQ(TLife::GameName(game), name);
        EXPECT_EQ(TLife::GameIndex(name), game);
        EXPECT_EQ(TLife::GameIndex(std::to_string(game)), game);
    }
    EXPECT_EQ(TLife::GameName(0), "???");
    EXPECT_EQ(TLife::GameName(10), "???");
}

TEST(GameCatalogue, GameIndexIgnoresCaseAndRejectsOthers)
{
    const std::vector<std::pair<std::string, int>> cases = {
        {"weighted LIFE", 3},
        {"1-D TOTALISTIC", 7},
        {" Cyclic CA ", 6},
        {"0", 0},
        {"10", 0},
        {"Lif", 0},
        {"Life!", 0},
        {"", 0},
        {"WeightedLife", 0},
    };
    for (const auto& [text, index] : cases) EXPECT_EQ(TLife::GameIndex(text), index) << text;
}

// ---- Life-family texts ----

struct TSplitCase {
    std::string Text;
    std::string Survival;
    std::string Birth;
    std::string States;
};

TEST(LifeRule, SplitsAtFirstTwoSlashes)
{
    const std::vector<TSplitCase> cases = {
        {"23/3", "23", "3", ""},    {"23", "23", "", ""},         {"/3", "", "3", ""},
        {"2/2/30", "2", "2", "30"}, {"1/2/3/4", "1", "2", "3/4"}, {"/", "", "", ""},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        TLifeRuleParts parts = TLife::SplitLifeRule(c.Text);
        EXPECT_EQ(parts.Survival, c.Survival) << c.Text;
        EXPECT_EQ(parts.Birth, c.Birth) << c.Text;
        EXPECT_EQ(parts.States, c.States) << c.Text;
    }
}

struct TParseCase {
    std::string Text;
    uint8_t Game;
    std::string Expected;
    std::optional<int32_t> States;
};

TEST(LifeRule, NormalisesText)
{
    const std::vector<TParseCase> cases = {
        {"B3/S23", gmLife, "23/3", std::nullopt},
        {"b3/s23", gmLife, "23/3", std::nullopt},
        {"S23/B3", gmLife, "23/3", std::nullopt},
        {"3/23", gmLife, "3/23", std::nullopt}, // no letters, no exchange
        {"32/3", gmLife, "23/3", std::nullopt},
        {"239/39", gmLife, "23/3", std::nullopt},
        {"239/39", gmGenerations, "23/3", std::nullopt},
        {"239/39", gmVoteForLife, "239/39", std::nullopt},
        {"23/03", gmLife, "23/3", std::nullopt},
        {"0/0", gmLife, "0/", std::nullopt},
        {"/2", gmLife, "/2", std::nullopt},
        {"1358/", gmLife, "1358/", std::nullopt},
        {"23/3/5", gmLife, "23/3", 5},
        {"2/2/30", gmGenerations, "2/2", 30},
        {"2/2/x", gmGenerations, "2/2", 0},
        {"2/2/", gmGenerations, "2/2", std::nullopt},
        {"abc", gmLife, "/", std::nullopt},
    };
    for (const auto& c : cases) {
        std::optional<TLifeRule> rule = TLife::ParseLifeRule(c.Text, c.Game);
        ASSERT_TRUE(rule.has_value()) << c.Text;
        EXPECT_EQ(rule->Text, c.Expected) << c.Text;
        EXPECT_EQ(rule->StatesCount, c.States) << c.Text;
    }
}

TEST(LifeRule, GivesNeighbourCountSets)
{
    std::optional<TLifeRule> rule = TLife::ParseLifeRule("B3/S23", gmLife);
    ASSERT_TRUE(rule.has_value());
    EXPECT_EQ(rule->Survival, (1u << 2) | (1u << 3));
    EXPECT_EQ(rule->Birth, 1u << 3);

    rule = TLife::ParseLifeRule("45678/9", gmVoteForLife);
    ASSERT_TRUE(rule.has_value());
    EXPECT_EQ(rule->Birth, 1u << 9);
}

TEST(LifeRule, SeparatorsAloneLeaveRuleUnchanged)
{
    for (std::string text : {"", "/", "//"}) {
        EXPECT_FALSE(TLife::ParseLifeRule(text, gmLife).has_value()) << text;
    }
}

// ---- Rules table ----

TEST(RulesTableText, ParsesConwaysLife)
{
    const std::string conway = "1,0,0,0,0,0,1,0,0,0,0,0,0,0,0,1,1";
    TRulesTable table = TLife::ParseRulesTable(conway);
    EXPECT_EQ(table.Neighbourhood, 1);
    EXPECT_FALSE(table.Centre);
    EXPECT_FALSE(table.OddStates);
    EXPECT_EQ(table.Table[0][3], 1);
    EXPECT_EQ(table.Table[1][2], 1);
    EXPECT_EQ(table.Table[1][3], 1);
    EXPECT_EQ(table.Table[1][4], 0);
    EXPECT_EQ(TLife::FormatRulesTable(table), conway);
}

TEST(RulesTableText, NormalisesText)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"2", "2"},
        {"", "1"},
        {"1,0,0,0,0,0,0,0,0,0,0,0,0", "1"},
        {"1,1,1", "1,1,1"},
        {"3,5,1", "1,0,1"},
        {"1,0,0,5,1", "1,0,0,0,1"}, // [0][0] is always 0
        {"1,0,0,0,30,-4,x,2", "1,0,0,0,24,0,0,2"},
        {"1, 0, 0, 0, 3", "1,0,0,0,3"},
        {"1,0,0,,,0,,3,", "1,0,0,0,3"}, // runs of separators are one
    };
    for (const auto& [text, expected] : cases) {
        TRulesTable table = TLife::ParseRulesTable(text);
        EXPECT_EQ(TLife::FormatRulesTable(table), expected) << text;
    }
}

TEST(RulesTableText, ReadsAllEntriesAndIgnoresExtraFields)
{
    std::string text = "1,0,0";
    for (int i = 0; i < TRulesTable::kStates * TRulesTable::kCounts; ++i) text += ",7";
    text += ",9,9";
    TRulesTable table = TLife::ParseRulesTable(text);
    EXPECT_EQ(table.Table[0][0], 0);
    EXPECT_EQ(table.Table[24][9], 7);
    EXPECT_EQ(TLife::ParseRulesTable(TLife::FormatRulesTable(table)).Table[24][9], 7);
}

TEST(RulesTableText, FormatForcesDeadCellAndLimitsValues)
{
    TRulesTable table;
    table.Table[0][0] = 3;
    table.Table[2][1] = 200;
    EXPECT_EQ(TLife::FormatRulesTable(table), "1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,24");
    EXPECT_EQ(table.Table[0][0], 0);
}

TEST(RulesTableText, RoundTripsFullTable)
{
    TRulesTable table;
    table.Neighbourhood = 2;
    table.Centre = true;
    for (int s = 0; s < TRulesTable::kStates; ++s) {
        for (int c = 0; c < TRulesTable::kCounts; ++c) {
            table.Table[s][c] = static_cast<uint8_t>((s * 7 + c * 3) % 25);
        }
    }
    std::string text = TLife::FormatRulesTable(table);
    TRulesTable copy = TLife::ParseRulesTable(text);
    EXPECT_EQ(copy.Neighbourhood, 2);
    EXPECT_TRUE(copy.Centre);
    EXPECT_FALSE(copy.OddStates);
    EXPECT_EQ(TLife::FormatRulesTable(copy), text);
}

} // namespace
