// screen.cpp -- the screen on the desktop: a window at a whole scale, or full
// screen at the desktop's size, which the game switches itself (engine/scaler.h)
#include "engine/screen.h"

bool screen_fills()
{
    return false;
}

int screen_focus_change(const SDL_Event&)
{
    return 0;
}

bool screen_request_full()
{
    return false;
}

void screen_words() {}
