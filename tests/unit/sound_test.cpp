// sound_test.cpp -- the mapping of volume fractions to mixer levels
#include <gtest/gtest.h>

#include <cmath>

#include "sound.h"

TEST(SoundVolume, FractionsAreCutTowardZero)
{
    EXPECT_EQ(sound_mixer_level(0.75f), 96);
    EXPECT_EQ(sound_mixer_level(0.5f), 64);
    EXPECT_EQ(sound_mixer_level(1.0f), 128);
    EXPECT_EQ(sound_mixer_level(0.53f), 67);  // 67.84
    EXPECT_EQ(sound_mixer_level(0.0f), 0);
}

// A hand-edited settings file must never hand the mixer a negative (which
// would only query) or oversized level, nor a NaN turned into an integer.
TEST(SoundVolume, OutOfRangeValuesAreClamped)
{
    EXPECT_EQ(sound_mixer_level(-0.5f), 0);
    EXPECT_EQ(sound_mixer_level(3.0f), 128);
    EXPECT_EQ(sound_mixer_level(NAN), 0);
    EXPECT_EQ(sound_mixer_level(INFINITY), 128);
}
