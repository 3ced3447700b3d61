// level.cpp -- fuzz targets over the level file: level_parse, any bytes through the parser alone, whose results
// must fit the game's tables; level_play (built with LEVEL_PLAY), the same, then the shuffle and the goal rules
#include <algorithm>
#include <cstring>
#include <vector>

#include "fuzz_file.h"
#include "rules/goals.h"
#include "rules/level_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    // A fresh engine's state (the loader resets only part of it), the bytes read as level 20's file.
    Grid = {};
    Pictures = {};
    GameRotate = 0;
    GameTimeTotal = 0;
    level_reset();
    std::vector<level_picture> pics;
    fuzz_read(data, size, [&](std::FILE* file) { level_parse_file(file, 20, pics); });

    check(std::memchr(GameName, '\0', sizeof GameName) != nullptr);
    // The goal lists hold their counted entries first, each a picture the level can have.
    for (auto [list, count] : {std::pair{&Match, GameMatchsCount}, std::pair{&Fail, GameFailsCount}}) {
        check(count <= GOAL_SLOTS);
        int i = 0;
        for (const matchfail& e : *list)
            check((i++ < count ? e.id >= 1 && e.id <= PICTURE_SLOTS : e.id == 0) && e.matched == 0);
    }
    // A picture taken fits the board and the image loader's path.
    for (const level_picture& p : pics) {
        check(p.n >= 1 && p.n <= PICTURE_SLOTS && p.w >= 1 && p.w <= BOARD_SIDE && p.h >= 1 && p.h <= BOARD_SIDE);
        check(p.tw >= 1 && p.tw <= 4096 && p.th >= 1 && p.th <= 4096);
        char path[128];
        check(std::snprintf(path, sizeof path, "data/level20/%s", p.filename) < static_cast<int>(sizeof path));
        const pictures& pic = Pictures[static_cast<size_t>(p.n - 1)];
        check(pic.w >= 1 && pic.w <= BOARD_SIDE && pic.h >= 1 && pic.h <= BOARD_SIDE);
    }
    for (const gridtile& g : Grid)
        check(g.locked == 0 && g.direction <= DIR_UPSIDE);

#ifdef LEVEL_PLAY
    // What the game's showing does with each picture recognised; answers how many.
    auto recognise_all = [] {
        int found = 0;
        for (; MatchGrid(1); found++)
            goal_rules(ShowingID + 1, MatchedDirection);
        return found;
    };
    // The shuffle moves tiles, never loses or copies one.
    const auto before = Grid;
    BuildRandomBoard();
    check(std::is_permutation(Grid.begin(), Grid.end(), before.begin(), [](auto& a, auto& b) { return a.id == b.id; }));
    recognise_all();
    // Each goal and forbidden picture laid whole in the board's corner, as a
    // player would complete it: one still open is always recognised.
    for (auto* list : {&Match, &Fail})
        for (const matchfail& e : *list) {
            std::array<picture_cell, BOARD_CELLS> cells;
            const int n = e.id ? picture_layout(static_cast<std::uint16_t>(e.id - 1), e.direction, 0, 0, cells) : 0;
            std::for_each(cells.begin(), cells.begin() + n,
                          [&](const picture_cell& c) { Grid[static_cast<size_t>(c.index)] = gridtile{c.id, e.direction, 0}; });
            check(recognise_all() > 0 || n == 0 || e.matched != 0);
        }
#endif
    return 0;
}
