// tile_looks.h -- which tiles of a level look alike: classes of (tile, turn)
// whose pixels are identical, so that a picture made whole as the player sees
// it (a flat sky, a plain border) stands whole for the game too
#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Tile ids the table covers: picture 10's 81 cells end at 1081.
constexpr int LOOK_TILES = 1100;

// For each tile id and each turn (quarter turns clockwise from upright), the
// number of its class of identical pixels, or 0 when no other pair looks like
// it. The shipped levels' cells all differ: their table is empty.
struct look_table {
    std::array<std::array<std::uint16_t, 4>, LOOK_TILES> cls{};
};
extern look_table TileLooks;

// The look of tile id turned `turns` quarter turns clockwise: two pairs answer
// the same value exactly when they show the same pixels.
std::uint32_t tile_look(std::uint16_t id, int turns);

// Whether a tile lying in orientation d shows what tile `want` shows standing
// in orientation `dir` (codes 0..3; any other shows nothing alike).
bool tile_looks_as(std::uint16_t id, std::uint8_t d, std::uint16_t want, std::uint8_t dir);

// The quarter turns clockwise (0..3) that make the tile lying in orientation d
// show what `want` shows in orientation `dir`, or -1 when none does.
int tile_turns_to(std::uint16_t id, std::uint8_t d, std::uint16_t want, std::uint8_t dir);

// One picture's pixels as its tiles are cut from them: w x h cells of side px
// pixels, RGBA rows of w * px pixels; its tiles' ids run row by row from first.
struct look_picture {
    std::uint16_t first = 0;
    int w = 0, h = 0;
    int px = 0;
    const std::uint8_t* rgba = nullptr;
};

// The table for a level of these pictures: every pair of (tile, turn) whose
// pixels are identical shares a class. Turned tiles are compared only where
// the level turns tiles. A picture whose ids would leave the table, or without
// pixels, is left out.
look_table tile_looks_build(const std::vector<look_picture>& pictures, bool turning);
