// options.h -- the options panel with its two volume sliders
#pragma once

#include <SDL/SDL.h>

// The options panel's handlers answer 0 to close the panel, 1 to keep it open:
// Escape closes it unsaved, a release on the back button (or Return or Space on it,
// reached with Up and Down) saves and closes it; Left and Right move the
// slider that Up and Down highlighted.
Uint8 OptionsKeyEvent(SDL_keysym* keysym);
Uint8 OptionsMouseEvent(int x, int y, int button, int type);
void OptionsMouseMovement(int x, int y);
void OptionsDisplay();
