// level.h -- loading a level: its file, its pictures' textures and tiles, its title, the shuffle
#pragma once

#include <SDL/SDL.h>

#include "engine/engine.h"

extern font_s GameNameFont;  // the level's title, in black

// Loads level GameLevel from "data/level%i/level.dat": 1 when loaded, 0 when
// the file cannot be opened (nothing of the previous level is changed then but
// the reset goals and title).
Uint8 level_load();
