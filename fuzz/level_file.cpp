// level_file.cpp -- fuzz target: any bytes as a level file, then the picture test and the shuffle
#include <cstdint>
#include <cstdio>
#include <vector>

#include "game/board.h"
#include "game/goals.h"
#include "game/level_file.h"

// The engine keeps this setting; the shuffle only reads it.
std::int8_t randomize_board = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    Grid = {};
    Pictures = {};
    GameRotate = 0;
    GameTimeTotal = 0;
    level_reset();
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
    if (!file)
        return 0;
    std::vector<level_picture> pics;
    level_parse_file(file, 1, pics);
    std::fclose(file);
    // Everything the file can set must be safe for the rules that read it.
    BuildRandomBoard();
    while (MatchGrid(1))
        goal_rules(ShowingID + 1, MatchedDirection);
    return 0;
}
