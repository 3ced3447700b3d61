// loop.cpp -- the main loop on the desktop: turns until the game ends, 10 ms apart
#include "engine/loop.h"

#include <SDL/SDL.h>

void loop_run(bool (*turn)())
{
    while (turn()) {
    }
}

void loop_pace()
{
    SDL_Delay(10);
}
