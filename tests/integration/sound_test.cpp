// sound_test.cpp -- effects and music loaded, volumes applied, bad ids ignored
#include "engine_fixture.h"

#include "common.h"

using Sound = EngineTest;

TEST_F(Sound, EffectsAndMusicFillTheirSlotsOnly)
{
    for (int i = 0; i < SOUND_SLOTS; i++) {
        EXPECT_EQ(SOUNDS[i] != nullptr, i >= 1 && i <= 4) << "effect slot " << i;
        EXPECT_EQ(MUSIC[i] != nullptr, i == 1 || i == 2) << "music slot " << i;
    }
}

TEST_F(Sound, VolumesReachTheMixer)
{
    soundSFX = 0.53f;
    soundMusic = 0.0f;
    sound_set();
    EXPECT_EQ(Mix_Volume(0, -1), 67);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    soundSFX = 7.0f;  // a hand-edited settings file
    soundMusic = -2.0f;
    sound_set();
    EXPECT_EQ(Mix_Volume(0, -1), 128);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
}

TEST_F(Sound, EmptyAndOutOfRangeSlotsPlayNothing)
{
    for (int id : {0, 5, 9, 10, -1, 255, 100000})
        play_sound(id);
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_PlayMusic(MUSIC[0], -1), -1);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    play_sound(SFX_SWAP);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

class SoundWithoutFiles : public EngineTest {
protected:
    std::vector<std::string> left_out() const override { return {"sounds/Effect2.wav", "sounds/Music1.wav"}; }
};

TEST_F(SoundWithoutFiles, MissingFilesLeaveSilentSlots)
{
    EXPECT_EQ(SOUNDS[2], nullptr);
    EXPECT_EQ(MUSIC[1], nullptr);
    play_sound(SFX_LOST);
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_NE(SOUNDS[1], nullptr);
}
