// picture_level.h -- a level made of the player's own pictures: a whole number of
// cells for each that keeps its proportions, packed on the board, shuffled as a
// level file's board is, and timed from the solver's moves
#pragma once

#include <cstdint>
#include <vector>

#include "rules/level_file.h"
#include "rules/picture_intake.h"
#include "rules/tile_looks.h"

// The three difficulties, chosen before the level.
constexpr int PICTURE_EASY = 0;    // few large pictures, tiles upright
constexpr int PICTURE_MEDIUM = 1;  // more, smaller pictures
constexpr int PICTURE_HARD = 2;    // the same with turned tiles
constexpr int PICTURE_DIFFICULTIES = 3;

// Whether tiles lie turned, and can be turned, at the difficulty.
constexpr bool picture_tiles_turn(int difficulty)
{
    return difficulty == PICTURE_HARD;
}

// Pictures of one level at each difficulty; a set of more makes several levels.
constexpr int PICTURES_PER_LEVEL[PICTURE_DIFFICULTIES] = {4, PICTURE_SLOTS, PICTURE_SLOTS};

// One picture's place: its size in cells and the board cell of its top-left
// corner as the generator packed it.
struct picture_shape {
    int w = 0, h = 0;
    int x = 0, y = 0;
};

// Sizes in cells for pictures of the given pixel sizes (at most PICTURE_SLOTS)
// that keep each one's proportions within about a cell (an extreme strip gets
// the nearest shape that fits, to be cropped) and that pack on the board all
// at once. Empty when there are no pictures or too many.
std::vector<picture_shape> picture_shapes(const std::vector<std::pair<int, int>>& sizes, int difficulty);

// For each picture of a level, the index of the first one before it of the
// very same pixels (the same photo under two names), or -1. An image without
// pixels (one that could not be read) repeats nothing.
std::vector<int> picture_repeats(const std::vector<intake_image>& images);

// Lays the level into the rules' state as a level file would: its title, the
// turning, every picture a goal, the pictures whole where they were packed,
// then shuffled; the time is set from the solver's moves for that board at
// the pace the shipped levels allow. The shapes come from picture_shapes, the
// looks from the pictures' tiles (tile_looks_build), and both shuffle and
// solver take tiles that look alike as the same.
void picture_level_lay(const std::vector<picture_shape>& shapes, int difficulty, const char* title,
                       const look_table& looks);

// The seconds a level of that many solver moves gets at the difficulty.
std::uint16_t picture_level_time(std::size_t moves, int difficulty);
