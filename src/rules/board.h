// board.h -- the 9 x 9 board, tile numbering, and the test that recognises a whole picture
#pragma once

#include <array>
#include <cstdint>

constexpr int BOARD_SIDE = 9;
constexpr int BOARD_CELLS = BOARD_SIDE * BOARD_SIDE;
constexpr int PICTURE_SLOTS = 10;  // pictures 1 to 10 per level
constexpr int GOAL_SLOTS = 10;     // entries per goal list

// Orientation codes: how a tile or a picture stands. Turning adds one, 3 wrapping to 0.
constexpr std::uint8_t DIR_LEFT = 0;     // a quarter turn anticlockwise
constexpr std::uint8_t DIR_UPRIGHT = 1;
constexpr std::uint8_t DIR_RIGHT = 2;    // a quarter turn clockwise
constexpr std::uint8_t DIR_UPSIDE = 3;   // a half turn

// Board geometry on screen: cell (x, y) begins at (63 + 33x, 88 + 33y).
constexpr int BOARD_LEFT = 63;
constexpr int BOARD_TOP = 88;
constexpr int CELL_SIZE = 33;

// Board index (row * 9 + column) of the cell under window pixel (x, y), or -1
// off the board. Cells share their edge lines; a pixel on a shared line goes to
// the upper row and the left column.
int board_cell_at(int x, int y);

// One board cell.
struct gridtile {
    std::uint16_t id;         // tile lying here; 0 = empty
    std::uint8_t direction;   // orientation code 0..3
    std::uint8_t locked;      // 1 once its picture has been recognised
};

// One picture of the level.
struct pictures {
    char filename[256];  // image file, relative to the level's folder
    std::uint8_t w;      // width in cells
    std::uint8_t h;      // height in cells
};

// One goal entry.
struct matchfail {
    std::uint16_t id;         // picture number 1..10; 0 = empty entry
    std::uint8_t matched;     // 1 once recognised for this entry
    std::uint8_t direction;   // orientation the picture must stand in
};

extern std::array<gridtile, BOARD_CELLS> Grid;  // cell (x, y) is Grid[y * 9 + x]
extern std::array<pictures, PICTURE_SLOTS> Pictures;  // picture n is Pictures[n - 1]
extern std::array<matchfail, GOAL_SLOTS> Match;
extern std::array<matchfail, GOAL_SLOTS> Fail;

// The picture locked last: screen centre of the area it covers, and its orientation.
extern std::uint16_t MatchedX, MatchedY;
extern std::uint8_t MatchedDirection;

// The showing of a recognised picture, started by MatchGrid and run by the game flow.
extern std::uint8_t ShowingMatch, ShowingDirection, ShowingNumber, ShowingID;
extern std::uint32_t ShowingMS;

extern std::int8_t randomize_board;  // -1 keeps the board as the level file laid it

// Tile id of the cell in column c, row r of picture n (as it stands upright).
constexpr std::uint16_t picture_tile_id(int n, int w, int c, int r)
{
    return static_cast<std::uint16_t>(100 * n + 1 + r * w + c);
}

// 1 when picture index p stands whole with its first tile in cell (orig_x,
// orig_y) in the given orientation; with lock 1 its cells are locked as they pass.
std::uint8_t validate_picture(std::uint16_t p, int orig_x, int orig_y, std::uint8_t lock, std::uint8_t direction);

// 1 when picture index p stands whole anywhere, unlocked, in the orientation;
// with lock 1 it is locked and its centre and orientation recorded.
std::uint8_t valid_picture(std::uint16_t p, std::uint8_t lock, std::uint8_t direction);

// Scans Match[0], Fail[0], Match[1], ... for an unmatched goal picture that
// stands whole; with lock 1 the find is locked and its showing started.
std::uint8_t MatchGrid(std::uint8_t lock);

// One cell a picture covers: its board index and the tile id it needs there.
struct picture_cell {
    int index;
    std::uint16_t id;
};

// The cells picture index p covers standing in orientation d, with the top-left
// corner of its area (a quarter turn covers h columns and w rows) at column
// left, row top: fills out and answers the count, or 0 when the area leaves the
// board or the picture is unknown.
int picture_layout(std::uint16_t p, std::uint8_t d, int left, int top, std::array<picture_cell, BOARD_CELLS>& out);

// The player's two moves, refused (answering false) where a locked cell takes
// part: a swap trades the tiles of two different cells, orientations
// included; a turn adds a quarter turn clockwise to one cell's tile.
bool board_swap(int from, int to);
bool board_turn(int c);

// Shuffles the board's tiles (never turning them) until no unmatched goal
// picture stands whole, giving up after BOARD_SHUFFLE_LIMIT shuffles.
constexpr int BOARD_SHUFFLE_LIMIT = 1000;
void BuildRandomBoard();
