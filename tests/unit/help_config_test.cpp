// help_config_test.cpp -- which help pages each level offers
#include <gtest/gtest.h>

#include <string>

#include "help_config.h"

static help_table parse(std::initializer_list<std::string> lines)
{
    help_table t{};
    for (const std::string& l : lines)
        help_parse_line(t, l.c_str());
    return t;
}

TEST(HelpFile, LinesAreCumulativeAndOpenOnTheirOwnLevel)
{
    auto t = parse({"data=1,2\n", "DATA=4,3\n"});
    for (int level = 1; level <= 50; level++) {
        const help_info& h = t[static_cast<size_t>(level - 1)];
        EXPECT_EQ(h.screens, level < 4 ? 2 : 3) << level;
        EXPECT_EQ(h.display, level == 1 || level == 4 ? 1 : 0) << level;
    }
}

TEST(HelpFile, LevelsBeforeTheFirstLineHaveNoHelp)
{
    auto t = parse({"data=3,1\n"});
    EXPECT_EQ(t[0].screens, 0);
    EXPECT_EQ(t[1].screens, 0);
    EXPECT_EQ(t[2].screens, 1);
}

TEST(HelpFile, PageCountsAreClampedToThePagesThatExist)
{
    auto t = parse({"data=1,9\n", "data=2,-3\n"});
    EXPECT_EQ(t[0].screens, 5);
    EXPECT_EQ(t[1].screens, 0);
}

TEST(HelpFile, BadLinesChangeNothing)
{
    auto t = parse({"data=0,2\n", "data=51,2\n", "data=x,2\n", "data=5\n", "help=5,2\n", " data=5,2\n"});
    for (const help_info& h : t) {
        EXPECT_EQ(h.screens, 0);
        EXPECT_EQ(h.display, 0);
    }
}

// The page each level opens at by itself; 0 where it does not open.
TEST(HelpFile, HelpOpensAtTheFirstPageNewToItsLevel)
{
    auto t = parse({"data=1,2\n", "data=4,3\n"});
    const int expected[] = {0, 1, 0, 0, 3, 0};  // levels 0 to 5
    for (int level = 0; level <= 5; level++)
        EXPECT_EQ(help_first_page(t, level), expected[level]) << level;
    EXPECT_EQ(help_first_page(t, 51), 0);
    EXPECT_EQ(help_first_page(t, -1), 0);

    auto single = parse({"data=1,3\n"});
    EXPECT_EQ(help_first_page(single, 1), 1);
    for (int level = 2; level <= 50; level++)
        EXPECT_EQ(help_first_page(single, level), 0) << level;
}

// Later lines that add no pages, or a level with none, must not open past the
// pages that exist for the level.
TEST(HelpFile, FirstPageStaysWithinTheLevelsPages)
{
    auto t = parse({"data=1,5\n", "data=3,5\n", "data=5,2\n", "data=7,0\n"});
    EXPECT_EQ(help_first_page(t, 3), 5);
    EXPECT_EQ(help_first_page(t, 5), 2);
    EXPECT_EQ(help_first_page(t, 7), 0) << "no pages: nothing to open";
}

TEST(HelpFile, PagingStopsAtBothEnds)
{
    auto t = parse({"data=1,2\n", "data=4,3\n"});
    EXPECT_EQ(help_page_prev(1), 1);
    EXPECT_EQ(help_page_prev(3), 2);
    EXPECT_EQ(help_page_next(t, 1, 1), 2);
    EXPECT_EQ(help_page_next(t, 1, 2), 2);
    EXPECT_EQ(help_page_next(t, 4, 2), 3);
    EXPECT_EQ(help_page_next(t, 4, 3), 3);
    EXPECT_EQ(help_page_next(t, 0, 1), 1) << "a level outside 1..50 pages nowhere";
    EXPECT_EQ(help_page_next(t, 51, 1), 1);
}
