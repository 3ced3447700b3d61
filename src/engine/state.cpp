// state.cpp -- the engine state shared by every screen
#include "engine/state.h"

Uint8 engineDone = 0;
Uint8 engineMode = MODE_LOGO;
Uint8 engineFullScreen = 0;
Uint16 mouse_x = 0, mouse_y = 0;
Uint8 GameLevel = 0;
Uint8 GameMode = 0;
Uint32 mode1_time = 0;
