// goals_test.cpp -- winning and losing a level by the pictures completed
#include <gtest/gtest.h>

#include "game/board.h"
#include "game/goals.h"
#include "game/level_file.h"

namespace {

class Goals : public ::testing::Test {
protected:
    void SetUp() override
    {
        level_reset();  // rules 1, 1, 1, 1 and empty lists
    }
    static void goals(std::initializer_list<int> match, std::initializer_list<int> fail)
    {
        size_t i = 0;
        for (int n : match)
            Match[i++] = matchfail{static_cast<std::uint16_t>(n), 0, DIR_UPRIGHT};
        i = 0;
        for (int n : fail)
            Fail[i++] = matchfail{static_cast<std::uint16_t>(n), 0, DIR_UPRIGHT};
    }
    // Completes pictures in turn; the outcome of the last goal step.
    static goal_outcome complete(std::initializer_list<int> pictures)
    {
        goal_outcome out;
        for (int n : pictures)
            out = goal_rules(n, DIR_UPRIGHT);
        return out;
    }
};

TEST_F(Goals, StartRulesWinWithEveryMatchPictureAndLoseWithAnyFailPicture)
{
    goals({1, 2}, {3});
    EXPECT_FALSE(complete({1}).won);
    goal_outcome out = complete({2});
    EXPECT_TRUE(out.won);
    EXPECT_FALSE(out.lost);
    EXPECT_TRUE(complete({3}).lost);
}

TEST_F(Goals, WrongOrientationMarksNothing)
{
    goals({1}, {});
    EXPECT_FALSE(goal_rules(1, DIR_UPSIDE).won);
    EXPECT_EQ(Match[0].matched, 0);
}

TEST_F(Goals, PictureListedTwiceMarksOneEntryPerCompletion)
{
    goals({1, 1}, {});
    EXPECT_FALSE(complete({1}).won);
    EXPECT_EQ(Match[0].matched, 1);
    EXPECT_EQ(Match[1].matched, 0);
    EXPECT_TRUE(complete({1}).won);
}

TEST_F(Goals, EmptyMatchListWinsAtTheFirstStepAndTheFailRuleDecidesAfter)
{
    goals({}, {4});
    goal_outcome out = complete({4});
    EXPECT_TRUE(out.won);
    EXPECT_TRUE(out.lost) << "the loss comes after the win and decides the screen";
}

TEST_F(Goals, SamePictureInBothListsIsMarkedInBoth)
{
    goals({2}, {2});
    goal_outcome out = complete({2});
    EXPECT_EQ(Match[0].matched, 1);
    EXPECT_EQ(Fail[0].matched, 1);
    EXPECT_TRUE(out.won);
    EXPECT_TRUE(out.lost);
}

TEST_F(Goals, MatchRuleTwoCountsAndTreatsZeroAsOne)
{
    for (int counter : {0, 1}) {
        SetUp();
        goals({1, 2, 3}, {});
        MatchType = 2;
        MatchCounter = static_cast<std::uint8_t>(counter);
        EXPECT_TRUE(complete({2}).won) << counter;
    }
    SetUp();
    goals({1, 2, 3}, {});
    MatchType = 2;
    MatchCounter = 2;
    EXPECT_FALSE(complete({3}).won);
    EXPECT_TRUE(complete({1}).won);
}

TEST_F(Goals, MatchRuleThreeWantsListOrder)
{
    goals({1, 2, 3}, {});
    MatchType = 3;
    EXPECT_FALSE(complete({1}).won);
    EXPECT_FALSE(complete({2}).won);
    goal_outcome out = complete({3});
    EXPECT_TRUE(out.won);
    EXPECT_FALSE(out.lost);

    SetUp();
    goals({1, 2, 3}, {});
    MatchType = 3;
    EXPECT_TRUE(complete({2}).lost) << "entry 1 before entry 0";
    SetUp();
    goals({1, 2, 3}, {});
    MatchType = 3;
    EXPECT_TRUE(complete({1, 3}).lost) << "a gap in the run";
}

TEST_F(Goals, FailRulesTwoAndThree)
{
    goals({9}, {1, 2, 3, 4});
    FailType = 2;
    FailCounter = 3;
    EXPECT_FALSE(complete({1, 2}).lost);
    EXPECT_TRUE(complete({4}).lost);

    SetUp();
    goals({9}, {1, 2});
    FailType = 3;
    EXPECT_FALSE(complete({1}).lost);
    EXPECT_TRUE(complete({2}).lost);

    SetUp();
    goals({9, 8}, {});
    FailType = 3;
    EXPECT_FALSE(complete({9}).lost) << "an empty fail list never loses";
}

TEST_F(Goals, UnknownRulesNeverDecide)
{
    goals({1}, {2});
    MatchType = 0;
    FailType = 7;
    EXPECT_FALSE(complete({1}).won);
    EXPECT_FALSE(complete({2}).lost);
}

}  // namespace
