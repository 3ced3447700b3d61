// start.h -- screen mode 2: the start screen, and its ways into the game
#pragma once

#include <SDL/SDL.h>

// Starts a new game from level 1 with its opening images (the start screen's "new game").
void game_new();
// Starts the game at the level after the one whose password buf is; 1 when it did.
Uint8 levels_start(const char* buf);
// The password that goes on from the furthest level won (or, when that level
// has none, from the furthest won level that has one); "" before any win.
const char* game_continue_password();

// The start screen with the "Your pictures" panel open, as the panel was
// last filled: the command line's pictures, none of which can be played, or
// the pictures passed over in a set just ended.
void start_show_pictures();

void mode2_handle_keys(SDL_keysym* keysym);
void mode2_mouse_click(int x, int y, int button, int type);
void mode2_mouse_movement(int x, int y);
void mode2_idle();
// Whether the start screen's picture changes now without input: the password
// cursor's blink, the pictures panel's reading.
bool mode2_frame_due(Uint32 now);
