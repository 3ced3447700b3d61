// level_parse.cpp -- fuzz target: any bytes through the level-file parser alone; what it keeps must fit the game
#include <cstdlib>
#include <cstring>

#include "fuzz_level.h"

static void check(bool ok)
{
    if (!ok)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    std::vector<level_picture> pics;
    if (!parse_level(data, size, pics))
        return 0;
    check(std::memchr(GameName, '\0', sizeof GameName) != nullptr);
    // The goal lists hold their counted entries first, each a picture the level can have.
    for (auto [list, count] : {std::pair{&Match, GameMatchsCount}, std::pair{&Fail, GameFailsCount}}) {
        check(count <= GOAL_SLOTS);
        for (int i = 0; i < GOAL_SLOTS; i++) {
            const matchfail& e = (*list)[static_cast<size_t>(i)];
            check(i < count ? e.id >= 1 && e.id <= PICTURE_SLOTS : e.id == 0);
            check(e.matched == 0);
        }
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
    return 0;
}
