#include "base/u_Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TIntCase {
    std::string Text;
    int32_t Expected;
};

TEST(SafeInt, ReadsLenientlyAndFallsBackToZero)
{
    const std::vector<TIntCase> cases = {
        {"", 0},
        {"0", 0},
        {"12", 12},
        {"  12", 12},
        {"\t7", 7},
        {"+3", 3},
        {"-7", -7},
        {"1e3", 0},
        {"12abc", 0},
        {"abc", 0},
        {"3.5", 0},
        {"-", 0},
        {"+", 0},
        {"+-3", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 0},
        {"-2147483649", 0},
        {"99999999999999999999", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(SafeInt(c.Text), c.Expected) << '"' << c.Text << '"';
}

struct TRealCase {
    std::string Text;
    double Expected;
};

TEST(SafeReal, ReadsCommaAsPointAndFallsBackToZero)
{
    const std::vector<TRealCase> cases = {
        {"", 0},        {"0.5", 0.5}, {"0,5", 0.5},  {" 1.25 ", 1.25}, {"+3", 3},
        {"-2.5", -2.5}, {".5", 0.5},  {"1e3", 1000}, {"abc", 0},       {"1.2.3", 0},
        {"1,2,3", 0},   {"0.5x", 0},  {"inf", 0},    {"nan", 0},       {"1e999", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(SafeReal(c.Text), c.Expected) << c.Text;
}

TEST(RealToText, GivesShortestGeneralForm)
{
    const std::vector<std::pair<double, std::string>> cases = {
        {0.1, "0.1"},
        {0.11, "0.11"},
        {1, "1"},
        {0, "0"},
        {-0.0, "0"},
        {0.05, "0.05"},
        {100, "100"},
        {123456, "123456"},
        {-2.5, "-2.5"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(RealToText(value), text) << text;
}

TEST(RealToText, RoundTripsThroughSafeReal)
{
    for (double value : {0.1, 0.11, 0.05, 1e-7, 2.5e20, -1234.5678, 0.999999999999999}) {
        EXPECT_EQ(SafeReal(RealToText(value)), value) << RealToText(value);
    }
}

TEST(KeyedToken, FindsTokenFromPosition)
{
    int pos = 1;
    EXPECT_EQ(KeyedToken("NW1,NN2,NE3", "NN", pos, ','), "NN2");
    EXPECT_EQ(pos, 5);

    pos = -4; // below 1 counts as 1
    EXPECT_EQ(KeyedToken("NW1,NN2,NE3", "NE", pos, ','), "NE3");
    EXPECT_EQ(pos, 9);

    pos = 1;
    EXPECT_EQ(KeyedToken("R1/T3/C5", "X", pos, '/'), "");
    EXPECT_EQ(pos, 0);

    pos = 20; // beyond the end
    EXPECT_EQ(KeyedToken("R1/T3", "R", pos, '/'), "");
    EXPECT_EQ(pos, 0);
}

TEST(KeyedToken, MatchesInsideAnotherToken)
{
    int pos = 1;
    EXPECT_EQ(KeyedToken("XNN5,NN2", "NN", pos, ','), "NN5");
    EXPECT_EQ(pos, 2);
}

TEST(KeyedToken, RepeatedKeyIsReadBySearchingAgainAfterTheMatch)
{
    const std::string text = "RS2,RB3,RS-4,RS";
    std::vector<std::string> tokens;
    int pos = 1;
    for (std::string token = KeyedToken(text, "RS", pos, ','); pos != 0;
         ++pos, token = KeyedToken(text, "RS", pos, ',')) {
        tokens.push_back(token);
    }
    EXPECT_EQ(tokens, (std::vector<std::string>{"RS2", "RS-4", "RS"}));
}

TEST(ExtractField, SkipsRunsOfSeparators)
{
    const std::string text = ",,a,,bc; d";
    int pos = 1;
    EXPECT_EQ(ExtractField(text, pos, ",; "), "a");
    EXPECT_EQ(pos, 4);
    EXPECT_EQ(ExtractField(text, pos, ",; "), "bc");
    EXPECT_EQ(ExtractField(text, pos, ",; "), "d");
    EXPECT_EQ(pos, static_cast<int>(text.size()) + 1);
    EXPECT_EQ(ExtractField(text, pos, ",; "), "");
    EXPECT_EQ(ExtractField(text, pos, ",; "), ""); // stays at the end
}

TEST(TextCase, ComparesWithoutLetterCase)
{
    EXPECT_TRUE(StartsWithNoCase("trca,1,2", "TRCA,"));
    EXPECT_TRUE(StartsWithNoCase("x", ""));
    EXPECT_FALSE(StartsWithNoCase("TRC", "TRCA,"));
    EXPECT_FALSE(StartsWithNoCase(" TRCA,", "TRCA,"));

    EXPECT_TRUE(ContainsNoCase("#Rule 23/3", "rule"));
    EXPECT_TRUE(ContainsNoCase("", ""));
    EXPECT_FALSE(ContainsNoCase("#Rul", "rule"));

    EXPECT_EQ(UpperCase("Vote for Life 1-d"), "VOTE FOR LIFE 1-D");
}

TEST(Trim, RemovesBlanksAndControlCharactersOnly)
{
    EXPECT_EQ(Trim(" \t 23/3 x\r\n"), "23/3 x");
    EXPECT_EQ(Trim(" \x01 "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("\xC3\xA9"), "\xC3\xA9"); // bytes of UTF-8 letters are kept
}

} // namespace
