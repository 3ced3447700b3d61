// sound_spy.cpp -- the mixer's play calls from the game, recorded and passed on
#include "sound_spy.h"

#include "engine/sound.h"

sound_spy_state sound_spy;

void sound_spy_clear()
{
    sound_spy = sound_spy_state{};
}

extern "C" {
int __real_Mix_PlayChannelTimed(int channel, Mix_Chunk* chunk, int loops, int ticks);
int __real_Mix_PlayMusic(Mix_Music* music, int loops);

int __wrap_Mix_PlayChannelTimed(int channel, Mix_Chunk* chunk, int loops, int ticks)
{
    for (int i = 0; i < SOUND_SLOTS; i++)
        if (chunk && SOUNDS[static_cast<size_t>(i)] == chunk)
            sound_spy.effects.push_back(i);
    return __real_Mix_PlayChannelTimed(channel, chunk, loops, ticks);
}

int __wrap_Mix_PlayMusic(Mix_Music* music, int loops)
{
    sound_spy.music = music;
    sound_spy.music_starts++;
    return __real_Mix_PlayMusic(music, loops);
}
}
