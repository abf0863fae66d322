#include "io/u_RunLength.h"

#include <gtest/gtest.h>

TEST(RunToken, ShortRunsAreSpelledOut)
{
    const struct {
        int64_t Count;
        char Symbol;
        const char* Token;
    } cases[] = {{0, 'o', ""}, {1, 'o', "o"}, {2, 'b', "bb"}, {3, '$', "3$"}, {120, 'A', "120A"}};
    for (const auto& c : cases) EXPECT_EQ(RunToken(c.Count, c.Symbol), c.Token) << c.Count;
}

TEST(RunLineWriter, TokenThatWouldPassTheLimitStartsTheNextLine)
{
    std::vector<std::string> lines;
    TRunLineWriter writer(lines, "#L ");
    const std::string first(68, 'o');
    writer.Append(first);
    writer.Append("12o"); // 71 characters: does not fit
    writer.Append(std::string(58, 'b'));
    writer.Append("oo"); // exactly 70: fits
    writer.Finish("!");  // the tail is never moved to a line of its own
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "#L " + first);
    EXPECT_EQ(lines[1], "#L 12o" + std::string(58, 'b') + "oo!");
}

TEST(RunLineWriter, FlushZeroesTheCountAndEmptyRunsWriteNothing)
{
    std::vector<std::string> lines;
    TRunLineWriter writer(lines, "#L ");
    int64_t pending = 0;
    writer.Flush(pending, '$');
    pending = 4;
    writer.Flush(pending, 'A');
    EXPECT_EQ(pending, 0);
    writer.Finish();
    writer.Finish(); // the last line is emitted even when it carries nothing
    EXPECT_EQ(lines, (std::vector<std::string>{"#L 4A", "#L "}));
}
