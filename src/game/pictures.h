// pictures.h -- a level of the player's own pictures on the game screen: its
// pictures read and cut into tiles, its clue image drawn at run time, its best time
#pragma once

#include <SDL/SDL.h>

// Reads the current level of the picture set, lays out and shuffles the board
// and builds the pictures' textures and tiles. Each picture that cannot be
// read, or repeats one before it, is reported on stderr and named on the
// pictures panel; a level none of whose pictures read is passed over for the
// set's next. 0 when no level from the current one on can be played.
Uint8 picture_level_load();

// The clue image before the level: 1 for the first (its background loaded
// into the full-screen texture), 0 after it.
Uint8 picture_clue_load(int clue);
// The pictures small, each in its shape, and the level's words, over the background.
void picture_clue_draw();
