// sound_spy.h -- records the effects and music the game starts, in order
#pragma once

#include <SDL/SDL_mixer.h>

#include <vector>

struct sound_spy_state {
    std::vector<int> effects;      // effect ids (slots of SOUNDS) started, oldest first
    Mix_Music* music = nullptr;    // the music started last
    int music_starts = 0;
};
extern sound_spy_state sound_spy;

// Forgets what was recorded.
void sound_spy_clear();
