// level_golden_test.cpp -- a level read and shuffled with a fixed seed gives a known board,
// so any change to the order of the random draws shows
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/level_file.h"


// The board as text: one row per line, each cell id/direction, empty cells "."
static std::string board_text()
{
    std::string s;
    for (int y = 0; y < BOARD_SIDE; y++) {
        for (int x = 0; x < BOARD_SIDE; x++) {
            const gridtile& g = Grid[static_cast<size_t>(y * BOARD_SIDE + x)];
            s += g.id ? std::to_string(g.id) + "/" + std::to_string(g.direction) : ".";
            s += x < BOARD_SIDE - 1 ? " " : "\n";
        }
    }
    return s;
}

// Orientations are drawn first (one per stored cell), then the shuffle's places.
static const char* const GOLDEN =
    ". . . . . . . . .\n"
    ". . . . 201/3 . . . .\n"
    ". . . . . . . 202/2 .\n"
    ". . . . . . . . 104/3\n"
    ". . . . . . . . 101/1\n"
    ". . . . . . . . .\n"
    ". . . . . . 103/1 . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . 102/0\n";

TEST(LevelGolden, SeededLoadGivesAKnownBoard)
{
    Grid = {};
    Pictures = {};
    GameRotate = 0;
    randomize_board = 0;
    level_reset();
    std::vector<level_picture> pics;
    std::srand(2026);
    for (const char* line : {"rotate=1\n", "match=1,1\n", "fail=2,3\n", "pic=1,2,2,64,64,a.png\n",
                             "pic=2,1,2,32,64,b.png\n", "data=101,102,201,0,0,0,0,0,0,103,104,202,\n"})
        level_parse_line(line, 1, pics);
    BuildRandomBoard();
    EXPECT_EQ(board_text(), GOLDEN) << board_text();
}
