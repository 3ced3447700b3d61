// helpers_test.cpp -- texture sides and mixer levels
#include <gtest/gtest.h>

#include <cmath>

#include "misc.h"
#include "sound.h"

TEST(NextPowerOfTwo, GivesTheSmallestPowerNotBelow)
{
    const int cases[][2] = {{0, 0},     {1, 1},     {3, 4},     {64, 64},     {68, 128},    {217, 256},
                            {384, 512}, {512, 512}, {513, 1024}, {1024, 1024}, {-5, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(next_power_of_two(c[0]), c[1]) << c[0];
}

// Cut toward zero; a hand-edited volume never reaches the mixer out of range.
TEST(SoundVolume, MixerLevels)
{
    const float cases[][2] = {{0.75f, 96}, {0.53f, 67}, {1.0f, 128}, {0.0f, 0}, {-0.5f, 0}, {3.0f, 128},
                              {NAN, 0},    {INFINITY, 128}};
    for (const auto& c : cases)
        EXPECT_EQ(sound_mixer_level(c[0]), c[1]) << c[0];
}
