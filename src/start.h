// start.h -- screen mode 2: the start screen
#pragma once

#include <SDL/SDL.h>

void mode2_handle_keys(SDL_keysym* keysym);
void mode2_mouse_click(int x, int y, int button, int type);
void mode2_mouse_movement(int x, int y);
void mode2_idle();
// Whether the start screen's picture changes now without input: the password cursor's blink.
bool mode2_frame_due(Uint32 now);
