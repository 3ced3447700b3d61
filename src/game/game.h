// game.h -- screen mode 3: the puzzle game and its level password list
#pragma once

#include <SDL/SDL.h>

#include "game/board.h"
#include "game/passwords.h"

// Starts a new game from level 1 with its opening images (the start screen's "new game").
void game_new();
// Starts the game at the level after the one whose password buf is; 1 when it did.
Uint8 levels_start(const char* buf);
// The password that goes on from the furthest level won (or, when that level
// has none, from the furthest won level that has one); "" before any win.
const char* game_continue_password();

void mode3_handle_keys(SDL_keysym* keysym);
void mode3_mouse_click(int x, int y, int button, int type);
void mode3_mouse_movement(int x, int y);
void mode3_idle();
// Whether the game screen's picture changes now without input: a step of an
// animation, the clock's next second, the end of a hold, or a state that acts
// in its frame (loading the next image or level).
bool mode3_frame_due(Uint32 now);
