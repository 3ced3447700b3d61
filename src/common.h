// common.h -- engine state shared by every screen, and the shared modules' headers
#pragma once

#include <SDL/SDL.h>

#include "font.h"
#include "misc.h"
#include "opengl_tile.h"
#include "sound.h"

// Screen modes selected by engineMode.
constexpr Uint8 MODE_LOGO = 1;
constexpr Uint8 MODE_START = 2;
constexpr Uint8 MODE_GAME = 3;

extern Uint8 engineDone;        // set: the main loop ends at the next empty event queue
extern Uint8 engineMode;        // current screen mode (MODE_*); other values route and draw nothing
extern Uint8 engineFullScreen;  // exactly 1 asks for a full-screen window (settings file)
extern Uint16 mouse_x, mouse_y; // pointer position from the last motion event
extern Sint8 randomize_board;   // board-building setting (settings file)
extern Uint8 GameLevel;         // current level number
extern Uint8 GameMode;          // the game screen's current scene
extern Uint32 mode1_time;       // wall-clock second at which the main loop began
