// level_file.h -- the level definition file: its lines read into the level's state
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "rules/board.h"

// Level 20 is the last: its win leads to the closing images.
constexpr int LAST_LEVEL = 20;

constexpr int GAME_NAME_SIZE = 64;
// Pixels the title may take, in the small font, on the game screen's name plate.
constexpr int TITLE_PLATE_WIDTH = 284;
constexpr int TITLE_FONT_SIZE = 18;  // points: the small font

// What a level file sets. The loader resets only part of it (level_reset);
// the rest is inherited from the level loaded before.
extern char GameName[GAME_NAME_SIZE];
extern std::uint8_t GameRotate;      // non-zero: tiles lie turned and can be turned
extern std::uint16_t GameTimeTotal;  // time limit in seconds
extern std::uint8_t MatchType, MatchCounter, FailType, FailCounter;
extern std::uint8_t GameMatchsCount, GameFailsCount;

// A picture declared by a "pic=" line: the loader builds its texture and tiles.
struct level_picture {
    int n;               // picture number 1..10
    int w, h;            // size in cells
    int tw, th;          // image size in pixels
    char filename[256];  // image file, relative to the level's folder
};

// Clears the title, the goal lists and their counts and the tiles' looks (a
// level file's cells all differ), and sets the four rules to 1.
void level_reset();

// Applies one line (its line end included or not). A "pic=" line that is
// taken is appended to pics. Lines with no key, and lines whose values cannot
// be read or lie outside what the game can hold, change nothing.
void level_parse_line(const char* line, int level, std::vector<level_picture>& pics);

// Reads a whole file line by line (at most 1023 characters at a time).
void level_parse_file(std::FILE* file, int level, std::vector<level_picture>& pics);
