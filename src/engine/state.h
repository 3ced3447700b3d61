// state.h -- the engine state shared by every screen: the mode, the pointer, the level and the game's scene
#pragma once

#include <SDL/SDL.h>

// Screen modes selected by engineMode.
constexpr Uint8 MODE_LOGO = 1;
constexpr Uint8 MODE_START = 2;
constexpr Uint8 MODE_GAME = 3;

// The game screen's scenes that other screens start it at (the game names
// all of its scenes in game/state.h).
constexpr Uint8 GM_LOAD = 1;       // load level GameLevel and introduce it
constexpr Uint8 GM_NEW_GAME = 20;  // a new game: the opening images, then level 1

extern Uint8 engineDone;        // set: the main loop ends at the next empty event queue
extern Uint8 engineMode;        // current screen mode (MODE_*); other values route and draw nothing
extern Uint8 engineFullScreen;  // exactly 1 asks for a full-screen window (settings file)
extern Uint16 mouse_x, mouse_y; // pointer position from the last motion event
extern Uint8 GameLevel;         // current level number
extern Uint8 GameMode;          // the game screen's current scene
extern Uint32 mode1_time;       // wall-clock second at which the main loop began
