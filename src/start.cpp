// start.cpp -- screen mode 2: the start screen
// For now it shows its background and Escape ends the program, as in its menu;
// the menu's buttons, the password panel and the options are not wired yet.
#include "start.h"

#include "common.h"

constexpr int START_TILE = 3;

void mode2_handle_keys(SDL_keysym* keysym)
{
    if (keysym->sym == SDLK_ESCAPE)
        engineDone = 1;
}

void mode2_mouse_click(int x, int y, int button, int type)
{
    (void)x;
    (void)y;
    (void)button;
    (void)type;
}

void mode2_mouse_movement(int x, int y)
{
    (void)x;
    (void)y;
}

void mode2_idle()
{
    ot_blit(START_TILE, 0, 0, nullptr);
}
