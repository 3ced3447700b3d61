// game.h -- screen mode 3: the puzzle game
#pragma once

#include <SDL/SDL.h>

#include "rules/board.h"
#include "rules/passwords.h"

void mode3_handle_keys(SDL_keysym* keysym);
void mode3_mouse_click(int x, int y, int button, int type);
void mode3_mouse_movement(int x, int y);
// The window lost the focus or was iconified: play pauses in the game menu,
// as Escape pauses it (after the zoom of a completed picture, when one runs).
void mode3_focus_lost();
void mode3_idle();
// Whether the game screen's picture changes now without input: a step of an
// animation, the clock's next second, the end of a hold, or a state that acts
// in its frame (loading the next image or level).
bool mode3_frame_due(Uint32 now);
