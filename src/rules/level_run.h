// level_run.h -- loading a level file into the game's state as the game does, without a display
#pragma once

#include <string>
#include <vector>

#include "rules/level_file.h"

// Resets the level state, seeds the generator, reads DATA_DIR/levelN/level.dat
// and lays out the board as the game would; false when the file cannot be read.
bool load_level_file(const std::string& data_dir, int level, unsigned seed, std::vector<level_picture>* pics = nullptr);

// The time a level needs with a margin that shrinks from 3x on level 1 to
// 1.3x on level 20, at a human pace of 3 s per move.
constexpr double SECONDS_PER_MOVE = 3.0;
double time_margin(int level);
