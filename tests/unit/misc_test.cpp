// misc_test.cpp -- colour fades and power-of-two texture sides
#include <gtest/gtest.h>

#include "misc.h"

static bool same(const ot_rgba& c, int r, int g, int b, int a)
{
    return c.r == r && c.g == g && c.b == b && c.a == a;
}

TEST(Fade, UpFromBlackLandsOnFullAfter22Steps)
{
    ot_rgba c;
    rgba_reset(&c);
    for (int i = 0; i < 21; i++)
        rgba_inc(&c);
    EXPECT_TRUE(same(c, 252, 252, 252, 252));
    rgba_inc(&c);
    EXPECT_TRUE(same(c, 255, 255, 255, 255));
    rgba_inc(&c);
    EXPECT_TRUE(same(c, 255, 255, 255, 255));
}

TEST(Fade, DownFromFullLandsOnBlackAfter22Steps)
{
    ot_rgba c{255, 255, 255, 255};
    for (int i = 0; i < 21; i++)
        rgba_dec(&c);
    EXPECT_TRUE(same(c, 3, 3, 3, 3));
    rgba_dec(&c);
    EXPECT_TRUE(same(c, 0, 0, 0, 0));
    rgba_dec(&c);
    EXPECT_TRUE(same(c, 0, 0, 0, 0));
}

TEST(Fade, ClampsAtTheEdgesOfTheRange)
{
    ot_rgba c{243, 243, 243, 243};
    rgba_inc(&c);  // 255 is above 254: clamps
    EXPECT_TRUE(same(c, 255, 255, 255, 255));
    c = {12, 12, 12, 12};
    rgba_dec(&c);
    EXPECT_TRUE(same(c, 0, 0, 0, 0));
    c = {13, 13, 13, 13};
    rgba_dec(&c);
    EXPECT_TRUE(same(c, 1, 1, 1, 1));
}

TEST(Fade, OnlyRedIsTestedSoOtherChannelsWrap)
{
    ot_rgba c{0, 250, 0, 0};
    rgba_inc(&c);
    EXPECT_TRUE(same(c, 12, 6, 12, 12));
}

TEST(NextPowerOfTwo, GivesTheSmallestPowerNotBelow)
{
    const struct {
        int in, out;
    } cases[] = {{0, 0},     {1, 1},     {2, 2},     {3, 4},     {64, 64},   {68, 128},  {75, 128},  {217, 256},
                 {348, 512}, {384, 512}, {416, 512}, {512, 512}, {513, 1024}, {1024, 1024}, {-5, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(next_power_of_two(c.in), c.out) << "for " << c.in;
}
