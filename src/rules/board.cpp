// board.cpp -- the 9 x 9 board, tile numbering, and the test that recognises a whole picture
#include "rules/board.h"

#include <cstdlib>
#include <utility>

#include "rules/random.h"
#include "rules/tile_looks.h"

std::array<gridtile, BOARD_CELLS> Grid{};
std::array<pictures, PICTURE_SLOTS> Pictures{};
std::array<matchfail, GOAL_SLOTS> Match{};
std::array<matchfail, GOAL_SLOTS> Fail{};

std::uint16_t MatchedX = 0, MatchedY = 0;
std::uint8_t MatchedDirection = DIR_UPRIGHT;

std::uint8_t ShowingMatch = 0, ShowingDirection = 1, ShowingNumber = 0, ShowingID = 0;
std::uint32_t ShowingMS = 0;

std::int8_t randomize_board = 0;

namespace {

// The cells a w x h picture covers in an orientation: a quarter turn covers h
// columns and w rows. Anchored at the cell of the picture's first tile.
struct area {
    int left, top, cols, rows;
};

bool known_direction(std::uint8_t d)
{
    return d <= DIR_UPSIDE;
}

area picture_area(int w, int h, std::uint8_t d, int ox, int oy)
{
    switch (d) {
    case DIR_UPRIGHT:
        return {ox, oy, w, h};  // first tile at the top-left corner
    case DIR_LEFT:
        return {ox, oy - w + 1, h, w};  // at the bottom-left
    case DIR_RIGHT:
        return {ox - h + 1, oy, h, w};  // at the top-right
    default:
        return {ox - w + 1, oy - h + 1, w, h};  // at the bottom-right
    }
}

// Which cell of the upright picture lies at column i, row j of its area.
void upright_cell(int w, int h, std::uint8_t d, int i, int j, int* c, int* r)
{
    switch (d) {
    case DIR_UPRIGHT:
        *c = i, *r = j;
        break;
    case DIR_LEFT:
        *c = w - 1 - j, *r = i;
        break;
    case DIR_RIGHT:
        *c = j, *r = h - 1 - i;
        break;
    default:
        *c = w - 1 - i, *r = h - 1 - j;
        break;
    }
}

bool on_board(int x, int y)
{
    return x >= 0 && x < BOARD_SIDE && y >= 0 && y < BOARD_SIDE;
}

}  // namespace

std::uint8_t validate_picture(std::uint16_t p, int orig_x, int orig_y, std::uint8_t lock, std::uint8_t direction)
{
    if (p >= PICTURE_SLOTS || !known_direction(direction))
        return 0;
    const pictures& pic = Pictures[p];
    if (pic.h == 0)
        return 1;
    int n = p + 1;
    area a = picture_area(pic.w, pic.h, direction, orig_x, orig_y);
    for (int j = 0; j < a.rows; j++) {
        for (int i = 0; i < a.cols; i++) {
            int x = a.left + i, y = a.top + j;
            if (!on_board(x, y))
                return 0;
            int c = 0, r = 0;
            upright_cell(pic.w, pic.h, direction, i, j, &c, &r);
            gridtile& cell = Grid[static_cast<size_t>(y * BOARD_SIDE + x)];
            // Whole as the player sees it: each cell shows what the picture's own
            // tile would there, which a tile that looks the same does too.
            if (cell.locked == 1 || !tile_looks_as(cell.id, cell.direction, picture_tile_id(n, pic.w, c, r), direction))
                return 0;
            if (lock == 1)
                cell.locked = 1;
        }
    }
    return 1;
}

int picture_layout(std::uint16_t p, std::uint8_t d, int left, int top, std::array<picture_cell, BOARD_CELLS>& out)
{
    if (p >= PICTURE_SLOTS || !known_direction(d) || Pictures[p].w == 0 || Pictures[p].h == 0)
        return 0;
    const pictures& pic = Pictures[p];
    bool turned = d == DIR_LEFT || d == DIR_RIGHT;
    int cols = turned ? pic.h : pic.w, rows = turned ? pic.w : pic.h;
    if (!on_board(left, top) || !on_board(left + cols - 1, top + rows - 1))
        return 0;
    int count = 0;
    for (int j = 0; j < rows; j++)
        for (int i = 0; i < cols; i++) {
            int c = 0, r = 0;
            upright_cell(pic.w, pic.h, d, i, j, &c, &r);
            out[static_cast<size_t>(count++)] = {(top + j) * BOARD_SIDE + left + i, picture_tile_id(p + 1, pic.w, c, r)};
        }
    return count;
}

std::uint8_t valid_picture(std::uint16_t p, std::uint8_t lock, std::uint8_t direction)
{
    if (p >= PICTURE_SLOTS || Pictures[p].w == 0 || Pictures[p].h == 0 || !known_direction(direction))
        return 0;
    const pictures& pic = Pictures[p];
    std::uint16_t first = picture_tile_id(p + 1, pic.w, 0, 0);
    // The anchor is the first cell, row by row, where the whole picture stands.
    int ox = -1, oy = -1;
    for (int y = 0; y < BOARD_SIDE && ox < 0; y++)
        for (int x = 0; x < BOARD_SIDE && ox < 0; x++) {
            const gridtile& cell = Grid[static_cast<size_t>(y * BOARD_SIDE + x)];
            if (cell.locked == 0 && tile_looks_as(cell.id, cell.direction, first, direction) &&
                validate_picture(p, x, y, 0, direction))
                ox = x, oy = y;
        }
    if (ox < 0)
        return 0;
    if (lock != 1)
        return 1;
    validate_picture(p, ox, oy, 1, direction);
    // The zoom centres on the area the picture covers, turned or not.
    area a = picture_area(pic.w, pic.h, direction, ox, oy);
    MatchedX = static_cast<std::uint16_t>(BOARD_LEFT + CELL_SIZE * a.left + CELL_SIZE * a.cols / 2);
    MatchedY = static_cast<std::uint16_t>(BOARD_TOP + CELL_SIZE * a.top + CELL_SIZE * a.rows / 2);
    MatchedDirection = direction;
    return 1;
}

std::uint8_t MatchGrid(std::uint8_t lock)
{
    int found = 0;
    for (int i = 0; i < GOAL_SLOTS && !found; i++) {
        for (const matchfail* e : {&Match[static_cast<size_t>(i)], &Fail[static_cast<size_t>(i)]}) {
            if (e->id != 0 && e->matched == 0 && valid_picture(static_cast<std::uint16_t>(e->id - 1), lock, e->direction)) {
                found = e->id;
                break;
            }
        }
    }
    if (!found)
        return 0;
    if (lock == 1) {
        ShowingMatch = 1;
        ShowingDirection = 1;
        ShowingNumber = 0;
        ShowingID = static_cast<std::uint8_t>(found - 1);
        ShowingMS = 0;
    }
    return 1;
}

static bool movable(int c)
{
    return c >= 0 && c < BOARD_CELLS && Grid[static_cast<size_t>(c)].locked == 0;
}

bool board_swap(int from, int to)
{
    if (from == to || !movable(from) || !movable(to))
        return false;
    gridtile& a = Grid[static_cast<size_t>(from)];
    gridtile& b = Grid[static_cast<size_t>(to)];
    std::swap(a.id, b.id);
    std::swap(a.direction, b.direction);
    return true;
}

bool board_turn(int c)
{
    if (!movable(c))
        return false;
    gridtile& g = Grid[static_cast<size_t>(c)];
    g.direction = static_cast<std::uint8_t>((g.direction + 1) % 4);
    return true;
}

// One shuffle: every cell's tile, in cell order, goes to a random free slot.
static void shuffle_once()
{
    std::array<gridtile, BOARD_CELLS> scratch{};
    std::array<bool, BOARD_CELLS> taken{};
    for (const gridtile& cell : Grid) {
        int r;
        do
            r = random_below(BOARD_CELLS);
        while (taken[static_cast<size_t>(r)]);
        taken[static_cast<size_t>(r)] = true;
        scratch[static_cast<size_t>(r)] = gridtile{cell.id, cell.direction, 0};
    }
    Grid = scratch;
}

// A level whose goal stands whole in every arrangement (a one-cell picture, say)
// would shuffle for ever; after the limit the last shuffle stands.
void BuildRandomBoard()
{
    if (randomize_board == -1)
        return;
    for (int n = 0; n < BOARD_SHUFFLE_LIMIT; n++) {
        shuffle_once();
        if (!MatchGrid(0))
            return;
    }
}

// The cell of one axis for a pixel offset from the board's first pixel line.
static int board_axis(int offset)
{
    return offset <= 0 ? 0 : (offset - 1) / CELL_SIZE;
}

int board_cell_at(int x, int y)
{
    int last = BOARD_SIDE * CELL_SIZE;  // the board's last pixel line, from its first
    if (x < BOARD_LEFT || x > BOARD_LEFT + last || y < BOARD_TOP || y > BOARD_TOP + last)
        return -1;
    return board_axis(y - BOARD_TOP) * BOARD_SIDE + board_axis(x - BOARD_LEFT);
}
