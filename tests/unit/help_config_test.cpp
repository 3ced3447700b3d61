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
