// passwords_test.cpp -- the level password file and the look-up of typed passwords
#include <gtest/gtest.h>

#include <string>

#include "game/passwords.h"

static password_table parse(std::initializer_list<std::string> lines)
{
    password_table t{};
    for (const std::string& l : lines)
        levels_parse_line(t, l.c_str());
    return t;
}

static std::string entry(const password_table& t, int level)
{
    return t[static_cast<size_t>(level - 1)].data();
}

TEST(PasswordFile, KeyInAnyCaseAndNumbersAsPercentI)
{
    auto t = parse({"level=1,owl\n", "LEVEL=2,bat\n", "Level=0x3,rat\n", "level=010,cat\n", "level= 5,dog"});
    EXPECT_EQ(entry(t, 1), "owl");
    EXPECT_EQ(entry(t, 2), "bat");
    EXPECT_EQ(entry(t, 3), "rat");
    EXPECT_EQ(entry(t, 8), "cat");  // leading 0: octal
    EXPECT_EQ(entry(t, 5), "dog");
}

TEST(PasswordFile, PasswordEndsAtFirstBlankAndLaterLineWins)
{
    auto t = parse({"level=4,first\n", "level=4,second word\n"});
    EXPECT_EQ(entry(t, 4), "second");
}

TEST(PasswordFile, BadLinesAreSkippedAndLeaveNoTrace)
{
    auto t = parse({"level=3,keep\n",
                    "level=0,zero\n",          // below the table
                    "level=51,over\n",         // beyond the table
                    "level=-1,neg\n",
                    "level=3,sixteencharacter\n",  // 16 characters: does not fit
                    "level=x,junk\n",          // no number
                    "level=7\n",               // no password: must not reuse "keep"
                    "level=7,\n",
                    " level=6,indented\n",     // key not at the start of the line
                    "# level=6,comment\n"});
    EXPECT_EQ(entry(t, 3), "keep");
    for (int level : {6, 7})
        EXPECT_EQ(entry(t, level), "") << level;
    int filled = 0;
    for (const auto& e : t)
        filled += e[0] != 0;
    EXPECT_EQ(filled, 1);
}

TEST(PasswordFile, FifteenCharactersFitExactly)
{
    auto t = parse({"level=50,fifteencharacte\n"});
    EXPECT_EQ(entry(t, 50), "fifteencharacte");
}

TEST(PasswordLookup, IgnoresCaseNeedsSameLengthAndFindsLowestLevel)
{
    pws = parse({"level=1,owlet\n", "level=19,Effigy\n", "level=20,owlet\n"});
    EXPECT_EQ(levels_find("OWLET"), 0);
    EXPECT_EQ(levels_find("effigy"), 18);
    EXPECT_EQ(levels_find("owl"), -1);
    EXPECT_EQ(levels_find("owlets"), -1);
    EXPECT_EQ(levels_find("owl et"), -1);
    EXPECT_EQ(levels_find(""), -1);
    EXPECT_EQ(levels_find(nullptr), -1);
    pws = password_table{};
    EXPECT_EQ(levels_find("owlet"), -1) << "an empty table accepts nothing";
}
