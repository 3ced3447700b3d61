// logo.h -- screen mode 1: the studio's logo fades in, holds and fades out
#pragma once

#include <SDL/SDL.h>

void mode1_handle_keys(SDL_keysym* keysym);
void mode1_mouse_click(int x, int y, int button, int type);
void mode1_idle();
// Whether the logo's picture changes now without input: a fade step or the hold's end.
bool mode1_frame_due(Uint32 now);
