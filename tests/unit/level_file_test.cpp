// level_file_test.cpp -- reading level files: keys, goals, pictures, the board row, bad lines
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "game/level_file.h"

namespace {

class LevelFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        Grid = {};
        Pictures = {};
        GameRotate = 0;
        GameTimeTotal = 0;
        level_reset();
    }
    void read(std::initializer_list<std::string> lines, int level = 1)
    {
        for (const std::string& l : lines)
            level_parse_line(l.c_str(), level, pics);
    }
    static std::string row_of(int values, const std::string& v)
    {
        std::string s = "data=";
        for (int i = 0; i < values; i++)
            s += v + ",";
        return s;
    }
    std::vector<level_picture> pics;
};

TEST_F(LevelFile, KeysMatchInAnyCaseOnlyAtTheStartOfTheLine)
{
    read({"NAME=Crypt of Owls\r\n", "Rotate=1\n", " time=90\n", "#time=80\n", "TIME=120\n", "", "mtype=2"});
    EXPECT_STREQ(GameName, "Crypt of Owls") << "line end removed";
    EXPECT_EQ(GameRotate, 1);
    EXPECT_EQ(GameTimeTotal, 120);
    EXPECT_EQ(MatchType, 2);
}

TEST_F(LevelFile, RulesStartAtOneAndRotateAndTimeAreInherited)
{
    read({"rotate=1\n", "time=300\n", "mtype=3\n", "fcounter=2\n", "match=1\n", "name=First\n"});
    level_reset();
    EXPECT_EQ(MatchType, 1);
    EXPECT_EQ(MatchCounter, 1);
    EXPECT_EQ(FailType, 1);
    EXPECT_EQ(FailCounter, 1);
    EXPECT_EQ(GameMatchsCount, 0);
    EXPECT_EQ(Match[0].id, 0);
    EXPECT_STREQ(GameName, "");
    EXPECT_EQ(GameRotate, 1) << "a level without rotate= keeps the one before";
    EXPECT_EQ(GameTimeTotal, 300);
}

TEST_F(LevelFile, NumbersAreClampedToTheirFields)
{
    read({"time=-5\n"});
    EXPECT_EQ(GameTimeTotal, 0);
    read({"time=99999999999999\n"});
    EXPECT_EQ(GameTimeTotal, 65535);
    read({"rotate=256\n", "mcounter=-1\n", "ftype=x\n"});
    EXPECT_EQ(GameRotate, 1) << "still allows turning";
    EXPECT_EQ(MatchCounter, 0);
    EXPECT_EQ(FailType, 0) << "no digits give 0";
}

TEST_F(LevelFile, TitleIsCutTo63Characters)
{
    read({"name=" + std::string(80, 'x') + "\n"});
    EXPECT_EQ(std::string(GameName), std::string(63, 'x'));
}

TEST_F(LevelFile, GoalsTakeAnOptionalOrientationAndAtMostTen)
{
    read({"match=3\n", "match=4,2\n", "fail=0x5,0\n", "match=11\n", "match=0,1\n", "match=x\n", "fail=,2\n"});
    EXPECT_EQ(GameMatchsCount, 2);
    EXPECT_EQ(Match[0].id, 3);
    EXPECT_EQ(Match[0].direction, 1);
    EXPECT_EQ(Match[1].id, 4);
    EXPECT_EQ(Match[1].direction, 2);
    EXPECT_EQ(GameFailsCount, 1);
    EXPECT_EQ(Fail[0].id, 5);
    EXPECT_EQ(Fail[0].direction, 0);
    for (int i = 0; i < 12; i++)
        read({"fail=1\n"});
    EXPECT_EQ(GameFailsCount, 10);
}

TEST_F(LevelFile, PicturesAreDeclaredWithinWhatTheBoardAndLoaderHold)
{
    read({"pic=1,3,3,99,99,owl.png\n", "pic=10,2,1,64,32,ten.png extra\n"});
    ASSERT_EQ(pics.size(), 2u);
    EXPECT_EQ(pics[0].n, 1);
    EXPECT_EQ(pics[0].tw, 99);
    EXPECT_STREQ(Pictures[0].filename, "owl.png");
    EXPECT_EQ(Pictures[0].w, 3);
    EXPECT_STREQ(Pictures[9].filename, "ten.png") << "the name ends at the first blank";
    read({"pic=0,1,1,8,8,a.png\n",   "pic=11,1,1,8,8,a.png\n", "pic=2,0,1,8,8,a.png\n",
          "pic=2,10,1,8,8,a.png\n",  "pic=2,1,1,0,8,a.png\n",  "pic=2,1,1,8,8\n",
          "pic=2,1,1,8,8,a.png\n",  // well formed: taken
          "pic=3,1,1,8,8," + std::string(300, 'f') + "\n",  // name of 256 characters or more
          "pic=4,1,1,8,8," + std::string(120, 'f') + "\n"}, 12);  // path beyond 127 characters
    ASSERT_EQ(pics.size(), 3u);
    EXPECT_EQ(pics[2].n, 2);
    EXPECT_EQ(Pictures[2].w, 0);
    EXPECT_EQ(Pictures[3].w, 0);
}

TEST_F(LevelFile, BoardRowFillsClosedValuesFromCellZero)
{
    Grid[5].id = 777;
    read({"data=101, 102,,103\n"});  // 103 is not closed by a comma
    EXPECT_EQ(Grid[0].id, 101);
    EXPECT_EQ(Grid[1].id, 102) << "blanks before a number are allowed";
    EXPECT_EQ(Grid[2].id, 0) << "an empty value is an empty cell";
    EXPECT_EQ(Grid[3].id, 0);
    EXPECT_EQ(Grid[5].id, 777) << "cells not reached keep what they held";
    read({row_of(90, "7")});
    EXPECT_EQ(Grid[80].id, 7);
    read({"data=" + std::string(300, '1') + ",\n"});  // a value too long to collect
    EXPECT_EQ(Grid[0].id, 7) << "the whole line is skipped";
}

TEST_F(LevelFile, StartOrientationsAreDrawnOnlyWhenRotateComesFirst)
{
    read({"data=101,102,103,\n"});
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(Grid[static_cast<size_t>(i)].direction, 1);
    read({"rotate=1\n"});
    EXPECT_EQ(Grid[0].direction, 1) << "rotate= after data= turns nothing";
    std::srand(11);
    int expected[3];
    for (int& e : expected)
        e = std::rand() % 4;
    std::srand(11);
    read({"data=101,102,103,\n"});
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(Grid[static_cast<size_t>(i)].direction, expected[i]) << "one draw per stored cell";
}

}  // namespace
