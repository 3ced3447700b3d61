// sound.cpp -- the mixer, four sound effects, two pieces of music, two volumes
#include "engine/sound.h"

#include <SDL/SDL.h>

#include <cstdio>

std::array<Mix_Chunk*, SOUND_SLOTS> SOUNDS{};
std::array<Mix_Music*, SOUND_SLOTS> MUSIC{};
float soundSFX = 1.0f;
float soundMusic = 0.75f;

static Uint8 sound_initialized = 0;

static const char* const EFFECT_FILES[] = {
    "data/sounds/Effect1.wav", "data/sounds/Effect2.wav", "data/sounds/Effect3.wav", "data/sounds/Effect4.wav"};
static const char* const MUSIC_FILES[] = {"data/sounds/Music1.ogg", "data/sounds/Music2.ogg"};

// Opens the audio device and loads every effect and piece of music; a file that
// fails to load leaves its slot empty, and an empty slot plays nothing. Without
// a device the game plays silently: every sound call below does nothing.
Uint8 sound_init()
{
    if (SDL_Init(SDL_INIT_AUDIO) == -1) {
        std::printf("SDL_Init: %s\n", SDL_GetError());
        return 0;
    }
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024) == -1) {
        std::printf("Mix_OpenAudio: %s\n", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    SOUNDS[0] = nullptr;
    for (int i = 0; i < 4; i++)
        SOUNDS[i + 1] = Mix_LoadWAV_RW(SDL_RWFromFile(EFFECT_FILES[i], "rb"), 1);
    MUSIC[0] = nullptr;
    for (int i = 0; i < 2; i++)
        MUSIC[i + 1] = Mix_LoadMUS(MUSIC_FILES[i]);
    sound_initialized = 1;
    return 1;
}

int sound_mixer_level(float volume)
{
    if (!(volume >= 0.0f))  // also catches NaN
        return 0;
    if (volume >= 1.0f)
        return MIX_MAX_VOLUME;
    return static_cast<int>(volume * MIX_MAX_VOLUME);
}

void sound_set()
{
    if (!sound_initialized)
        return;
    Mix_Volume(-1, sound_mixer_level(soundSFX));
    Mix_VolumeMusic(sound_mixer_level(soundMusic));
}

// Plays an effect once on the first free channel; dropped when all are busy.
void play_sound(int id)
{
    Uint8 slot = static_cast<Uint8>(id);
    if (!sound_initialized || slot >= SOUND_SLOTS || !SOUNDS[slot])
        return;
    Mix_PlayChannelTimed(-1, SOUNDS[slot], 0, -1);
}

void play_music(int index)
{
    if (sound_initialized && index >= 0 && index < SOUND_SLOTS)
        Mix_PlayMusic(MUSIC[static_cast<size_t>(index)], -1);
}

// Frees the effects and music before closing the device, so that a restart in
// the same process (the tests do this) and leak checkers find nothing left over.
void sound_deinit()
{
    if (!sound_initialized)
        return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (Mix_Chunk*& chunk : SOUNDS) {
        if (chunk)
            Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    for (Mix_Music*& music : MUSIC) {
        if (music)
            Mix_FreeMusic(music);
        music = nullptr;
    }
    Mix_CloseAudio();
    sound_initialized = 0;
}
