// sound.h -- the mixer, four sound effects, two pieces of music, two volumes
#pragma once

#include <SDL/SDL_mixer.h>

#include <array>

constexpr int SOUND_SLOTS = 10;

// Effect ids for play_sound.
constexpr int SFX_CLICK = 1;
constexpr int SFX_LOST = 2;
constexpr int SFX_WON = 3;
constexpr int SFX_SWAP = 4;

// Music indexes into MUSIC.
constexpr int MUSIC_START = 1;
constexpr int MUSIC_GAME = 2;

extern std::array<Mix_Chunk*, SOUND_SLOTS> SOUNDS;  // slots 1-4 hold the effects
extern std::array<Mix_Music*, SOUND_SLOTS> MUSIC;   // slots 1-2 hold the music
extern float soundSFX;    // effects volume, 0 to 1
extern float soundMusic;  // music volume, 0 to 1

// 1 when the audio device opened; else a line on stdout says why, and the
// game plays silently.
Uint8 sound_init();
// Hands both volumes to the mixer.
void sound_set();
void play_sound(int id);
// Plays a piece of music (MUSIC_START, MUSIC_GAME) over and over, in place of
// the one playing.
void play_music(int index);
void sound_deinit();

// The mixer level (0..128) for a volume fraction, cut toward zero. A value
// outside 0..1 (or not a number) from a hand-edited settings file is clamped,
// so the mixer never receives a wrapped or negative level.
int sound_mixer_level(float volume);
