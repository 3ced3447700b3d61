// level_play.cpp -- fuzz target: any bytes as a level file, then the shuffle and the goal rules playing it
#include <algorithm>
#include <cstdlib>

#include "fuzz_level.h"
#include "game/goals.h"

static void check(bool ok)
{
    if (!ok)
        std::abort();
}

// What the game's showing does with each picture recognised; answers how many.
static int recognise_all()
{
    int found = 0;
    while (MatchGrid(1)) {
        goal_rules(ShowingID + 1, MatchedDirection);
        found++;
    }
    return found;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    std::vector<level_picture> pics;
    if (!parse_level(data, size, pics))
        return 0;
    // The shuffle moves tiles, never loses or copies one.
    std::array<std::uint16_t, BOARD_CELLS> before{}, after{};
    std::transform(Grid.begin(), Grid.end(), before.begin(), [](const gridtile& g) { return g.id; });
    BuildRandomBoard();
    std::transform(Grid.begin(), Grid.end(), after.begin(), [](const gridtile& g) { return g.id; });
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    check(before == after);
    recognise_all();
    // Each goal and forbidden picture laid whole in the board's corner, as a
    // player would complete it: one still open is always recognised.
    for (auto* list : {&Match, &Fail})
        for (const matchfail& e : *list) {
            std::array<picture_cell, BOARD_CELLS> cells;
            int n = e.id ? picture_layout(static_cast<std::uint16_t>(e.id - 1), e.direction, 0, 0, cells) : 0;
            for (int i = 0; i < n; i++)
                Grid[static_cast<size_t>(cells[static_cast<size_t>(i)].index)] =
                    gridtile{cells[static_cast<size_t>(i)].id, e.direction, 0};
            bool open = n > 0 && e.matched == 0;
            check(recognise_all() > 0 || !open);
        }
    return 0;
}
