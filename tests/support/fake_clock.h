// fake_clock.h -- the two clocks the game reads, held still or stepped by the tests
#pragma once

#include <SDL/SDL_types.h>

#include <ctime>

// While enabled, SDL_GetTicks and time called from the game's code return
// these, and SDL_Delay moves them on instead of sleeping.
struct fake_clock_state {
    bool enabled = false;
    Uint32 ticks = 0;        // milliseconds, as SDL_GetTicks
    std::time_t seconds = 0; // wall clock, as time
};
extern fake_clock_state fake_clock;

// Moves both clocks on together: ms milliseconds, and the wall clock by the
// whole seconds that the millisecond clock crosses.
void fake_clock_advance(Uint32 ms);
