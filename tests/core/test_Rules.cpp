#include "rules/u_Rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// ---- Weighted Life ----

TEST(RulesWLife, NewRecordFormatsAsDefaultRule)
{
    EXPECT_EQ(TRulesWLife().GetAsString(), "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0");
}

TEST(RulesWLife, RoundTripsItsText)
{
    for (std::string text : {"NW1,NN2,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0,RS2,RS3,RB3",
                             "NW-3,NN0,NE7,WW1,ME5,EE1,SW1,SS1,SE100,HI12,RS-2048,RB2048"}) {
        TRulesWLife rules;
        rules.InitFromString(text, 2);
        EXPECT_EQ(rules.GetAsString(), text);
    }
}

struct THistoryCase {
    std::string Text;
    bool History;
    int32_t StatesCount;
};

TEST(RulesWLife, HistoryFromHiOrBoardStatesCount)
{
    const int32_t boardStates = 4;
    const std::vector<THistoryCase> cases = {
        {"NW1,RS2", true, 4}, // no HI: the board's count decides
        {"NW1,HI", true, 4},  // HI without a value likewise
        {"NW1,HI0", false, 4},  {"NW1,HI2", false, 4},  {"NW1,HI3", true, 3},
        {"NW1,HI25", true, 25}, {"NW1,HI26", false, 4}, {"NW1,HIx", false, 4},
    };
    for (const auto& c : cases) {
        TRulesWLife rules;
        rules.InitFromString(c.Text, boardStates);
        EXPECT_EQ(rules.History, c.History) << c.Text;
        EXPECT_EQ(rules.StatesCount, c.StatesCount) << c.Text;
    }
}

TEST(RulesWLife, MissingWeightsKeepDefaults)
{
    TRulesWLife rules;
    rules.InitFromString("NN5,ME,SE-2,HI0", 2);
    EXPECT_EQ(rules.Weights, (std::array<int32_t, 9>{1, 5, 1, 1, 0, 1, 1, 1, -2}));
}

TEST(RulesWLife, SumsOutsideLimitsAreIgnoredAndOutputIsSorted)
{
    TRulesWLife rules;
    rules.InitFromString("HI0,RS5000,RS5,RS-3,RS2048,RS-2049,RB7,RB1", 2);
    EXPECT_EQ(rules.GetAsString(),
              "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0,RS-3,RS5,RS2048,RB1,RB7");
    EXPECT_FALSE(rules.Survives(5000));
}

TEST(RulesWLife, BareKeyEndsTheSumList)
{
    TRulesWLife rules;
    rules.InitFromString("HI0,RS2,RS,RS3,RB", 2);
    EXPECT_TRUE(rules.Survives(2));
    EXPECT_FALSE(rules.Survives(3));
    for (int sum = -5; sum <= 5; ++sum) EXPECT_FALSE(rules.IsBorn(sum));
}

TEST(RulesWLife, EmptyTextResetsTheRecord)
{
    TRulesWLife rules;
    rules.InitFromString("NW4,HI5,RS1,RB2", 2);
    rules.InitFromString("", 7);
    EXPECT_EQ(rules.GetAsString(), "NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0");
    EXPECT_EQ(rules.StatesCount, 7);
}

TEST(RulesWLife, SumTablesHoldOnlyTheirRange)
{
    TRulesWLife rules;
    rules.SetSurvival(-2048, true);
    rules.SetBirth(2048, true);
    rules.SetSurvival(3000, true); // ignored, not wrapped into the table
    EXPECT_TRUE(rules.Survives(-2048));
    EXPECT_TRUE(rules.IsBorn(2048));
    EXPECT_FALSE(rules.Survives(3000));
    EXPECT_FALSE(rules.IsBorn(int64_t{1} << 40));
    EXPECT_FALSE(rules.Survives(-(int64_t{1} << 40)));
    rules.SetBirth(2048, false);
    EXPECT_FALSE(rules.IsBorn(2048));
}

TEST(RulesWLife, InitFromPrmKeepsSumsAndChecksHistoryCount)
{
    TRulesWLife rules;
    rules.InitFromString("HI0,RS3", 2);
    rules.InitFromPrm(2, 2, 2, 2, 1, 2, 2, 2, 2, 6, true);
    EXPECT_EQ(rules.GetAsString(), "NW2,NN2,NE2,WW2,ME1,EE2,SW2,SS2,SE2,HI6,RS3");
    rules.InitFromPrm(1, 1, 1, 1, 0, 1, 1, 1, 1, 2, true);
    EXPECT_FALSE(rules.History);
    rules.InitFromPrm(1, 1, 1, 1, 0, 1, 1, 1, 1, 8, false);
    EXPECT_FALSE(rules.History);
}

// ---- Cyclic CA ----

TEST(RulesCycl, NewRecordFormatsAsDefaultRule)
{
    EXPECT_EQ(TRulesCycl().GetAsString(), "R1/T3/C5/NM");
}

TEST(RulesCycl, ReadsAndValidatesText)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"R2/T4/C5/NM/GH", "R2/T4/C5/NM/GH"},
        {"R1/T3/C5/NN", "R1/T3/C5/NN"},
        {"R20/T999/C1/NM", "R10/T440/C2/NM"},
        {"R1/T3/C30/NM", "R1/T3/C24/NM"},
        {"R3/T0/C5", "R3/T1/C5/NM"},
        {"R-2/T-1/C-5", "R1/T1/C2/NM"},
        {"R/T/C", "R1/T1/C2/NM"},
        {"GH only", "R1/T1/C2/NM/GH"},
        {"R1/T3/C5/NMGH", "R1/T3/C5/NM/GH"},
        {"C7/R2/T24", "R2/T24/C7/NM"},
    };
    for (const auto& [text, expected] : cases) {
        TRulesCycl rules;
        rules.InitFromString(text);
        EXPECT_EQ(rules.GetAsString(), expected) << text;
    }
}

TEST(RulesCycl, EmptyTextKeepsNeighbourhoodAndModel)
{
    TRulesCycl rules;
    rules.InitFromPrm(8, 3, 5, 2, true);
    rules.InitFromString("");
    EXPECT_EQ(rules.GetAsString(), "R1/T1/C2/NN/GH");
}

TEST(RulesCycl, InitFromPrmValidates)
{
    TRulesCycl rules;
    rules.InitFromPrm(99, 0, 50, 1, false);
    EXPECT_EQ(rules.StatesCount, 24);
    EXPECT_EQ(rules.Range, 1);
    EXPECT_EQ(rules.Threshold, 8);
}

// ---- 1-D totalistic ----

TEST(Rules1DTo, RoundTripsItsText)
{
    for (std::string text : {"R1,C0,M1,B1", "R2,C10,M1,S0,S1,B0,B3", "R10,C25,M0,S21,B21"}) {
        TRules1DTo rules;
        rules.InitFromString(text, 2);
        EXPECT_EQ(rules.GetAsString(), text);
    }
}

TEST(Rules1DTo, StatesCountBelowThreeTurnsHistoryOff)
{
    TRules1DTo rules;
    rules.InitFromString("R3,C2,M1,S1", 8);
    EXPECT_FALSE(rules.History);
    EXPECT_EQ(rules.GetAsString(), "R3,C0,M1,S1");
}

TEST(Rules1DTo, MissingKeysUseBoardCountAndDefaults)
{
    TRules1DTo rules;
    rules.InitFromString("S2", 6);
    EXPECT_TRUE(rules.History);
    EXPECT_EQ(rules.StatesCount, 6);
    EXPECT_TRUE(rules.Centre);
    EXPECT_EQ(rules.Range, 2);
    EXPECT_EQ(rules.GetAsString(), "R2,C6,M1,S2");
}

TEST(Rules1DTo, SumsOutsideFlagsAreIgnored)
{
    TRules1DTo rules;
    rules.InitFromString("R1,C0,M0,S22,S-1,S21,B,B3", 2);
    EXPECT_EQ(rules.GetAsString(), "R1,C0,M0,S21");
}

TEST(Rules1DTo, EmptyTextResetsTheRecord)
{
    TRules1DTo rules;
    rules.InitFromString("R5,C9,M0,S1,B2", 2);
    rules.InitFromString("", 4);
    EXPECT_EQ(rules.GetAsString(), "R2,C0,M1");
    EXPECT_EQ(rules.StatesCount, 4);
}

TEST(Rules1DTo, InitFromPrmStoresCountEvenWithoutHistory)
{
    TRules1DTo::TFlags survival{};
    TRules1DTo::TFlags birth{};
    survival[3] = true;
    birth[0] = true;
    TRules1DTo rules;
    rules.InitFromPrm(7, 4, false, false, survival, birth);
    EXPECT_EQ(rules.StatesCount, 7);
    EXPECT_EQ(rules.GetAsString(), "R4,C0,M0,S3,B0");
}

// ---- Special rules ----

TEST(RulesSpec, NewRecordFormatsAsDefaultRule)
{
    EXPECT_EQ(TRulesSpec().GetAsString(), "TRCA,0.1,0.1,0.11,0.05");
}

struct TSpecCase {
    std::string Text;
    std::string Expected;
};

TEST(RulesSpec, ReadsOnlyTextsWithPrefix)
{
    const std::vector<TSpecCase> cases = {
        {"trca,1,2,3,4", "TRCA,1,2,3,4"},
        {"TRCA,0,5", "TRCA,0,5,0,0"},
        {"TRCA,", "TRCA,0,0,0,0"},
        {"TRCA,0.25,x,1e-2,-1", "TRCA,0.25,0,0.01,-1"},
        {"TRCA 1,2,3,4", "TRCA,0.1,0.1,0.11,0.05"},
        {"1,2,3,4", "TRCA,0.1,0.1,0.11,0.05"},
        {"", "TRCA,0.1,0.1,0.11,0.05"},
    };
    for (const auto& c : cases) {
        TRulesSpec rules;
        rules.InitFromString(c.Text);
        EXPECT_EQ(rules.GetAsString(), c.Expected) << c.Text;
    }
}

TEST(RulesSpec, InitFromStringsReadsDecimalComma)
{
    TRulesSpec rules;
    rules.InitFromStrings("0,25", "", "abc", "1.5");
    EXPECT_EQ(rules.GetAsString(), "TRCA,0.25,0,0,1.5");
}

TEST(RulesSpec, RoundTripsItsText)
{
    TRulesSpec rules;
    rules.InitFromStrings("0.333333333333333", "1e-07", "0.07", "0.999");
    TRulesSpec copy;
    copy.InitFromString(rules.GetAsString());
    EXPECT_EQ(copy.Delta1, rules.Delta1);
    EXPECT_EQ(copy.Delta2, rules.Delta2);
    EXPECT_EQ(copy.Epsilon, rules.Epsilon);
    EXPECT_EQ(copy.Gamma, rules.Gamma);
}

} // namespace
