#include "rules/u_Life.h"
#include "rules/u_RuleEditing.h"

#include <gtest/gtest.h>

TEST(RuleEditing, LifeEditorTextPerGame)
{
    const uint16_t all = 0x3FF;
    EXPECT_EQ(LifeEditorText(all, all, gmLife, 5), "012345678/12345678");
    EXPECT_EQ(LifeEditorText(0b1100, 0b1000, gmGenerations, 5), "23/3/5");
    // Vote for Life counts 1..9 and has no births.
    EXPECT_EQ(LifeEditorText(all, all, gmVoteForLife, 5), "123456789");
    EXPECT_EQ(LifeEditorText(0, 0, gmLife, 2), "/");
}

TEST(RuleEditing, NlukyCodes)
{
    EXPECT_EQ(NlukyRule("20345"), "45/0123/4");
    EXPECT_EQ(NlukyRule(" 0012345 "), "45/23/3");
    EXPECT_EQ(NlukyRule("1234"), std::nullopt);
    EXPECT_EQ(NlukyRule("990000"), "0/0/25");        // N is held to 23
    EXPECT_EQ(NlukyRule("05310"), "//2");            // nothing when u < l or y < k
    EXPECT_EQ(NlukyRule("x0ab9"), "0123456789/0/2"); // unreadable digits are 0
}

TEST(RuleEditing, SumsAreAddedOnceInOrderWithinTheLimits)
{
    std::vector<int32_t> sums;
    AddSums(sums, "2,5,12,517");
    AddSums(sums, "5,3");
    EXPECT_EQ(sums, (std::vector<int32_t>{2, 3, 5, 12, 517}));
    AddSums(sums, "3000");
    AddSums(sums, ",, -2048 , 2049,, 7");
    EXPECT_EQ(sums, (std::vector<int32_t>{-2048, 2, 3, 5, 12, 517}));
    AddSums(sums, "");
    EXPECT_EQ(sums.size(), 6u);
}

TEST(RuleEditing, SymmetricWeights)
{
    std::array<int32_t, 9> w{1, 2, 3, 4, 5, 6, 7, 8, 9};
    w[2] = 5;
    SpreadSymmetricWeight(w, 2);
    EXPECT_EQ(w, (std::array<int32_t, 9>{5, 2, 5, 4, 5, 6, 5, 8, 5}));
    w[4] = -3;
    SpreadSymmetricWeight(w, 4);
    w[7] = 0;
    SpreadSymmetricWeight(w, 7);
    EXPECT_EQ(w, (std::array<int32_t, 9>{5, 0, 5, 0, -3, 0, 5, 0, 5}));
}

TEST(RuleEditing, OneDBoxesAndCyclicThreshold)
{
    EXPECT_EQ(OneDMaxCount(1, false), 2);
    EXPECT_EQ(OneDMaxCount(1, true), 3);
    EXPECT_EQ(OneDMaxCount(0, false), 2);
    EXPECT_EQ(OneDMaxCount(10, true), 21);
    EXPECT_EQ(OneDMaxCount(1 << 30, true), 21);
    EXPECT_EQ(TRulesCycl::MaxThreshold(3), 48);
}
